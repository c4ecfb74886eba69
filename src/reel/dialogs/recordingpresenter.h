/// \file
/// \ingroup dialogs
/// A presenter for tests: it shows nothing, keeps every alert it is given and
/// answers from a script.
/// It never logs.
///
/// \code
///   reel::RecordingPresenter alerts;
///   reel::ScopedAlertPresenter use(&alerts);
///   alerts.willPress(reel::AlertButton::Alternate);
///   ... code that shows an alert ...
///   EXPECT_EQ(alerts.last().title, QStringLiteral("Convert?"));
/// \endcode
#pragma once

#include "reel/core/export.h"
#include "reel/dialogs/presenter.h"

#include <QList>

REEL_EXPORT_BEGIN
namespace reel {

/// Keeps every alert and answers from a script.
class RecordingPresenter : public AlertPresenter {
public:
    /// Keeps the request and gives the next scripted answer, else the default.
    AlertAnswer present(const AlertRequest &request) override;

    /// Every alert presented so far, oldest first.
    const QList<AlertRequest> &alerts() const { return m_alerts; }
    /// How many alerts were presented.
    int count() const { return int(m_alerts.size()); }
    /// The latest alert; an empty request when there was none.
    AlertRequest last() const;
    /// Forgets the alerts presented (not the scripted answers).
    void clear() { m_alerts.clear(); }

    /// Answers for the next alerts, used in order. Without a scripted answer
    /// an alert gets the default one: the default button, a timed run timed
    /// out (after the passes its limit gives), the text field unchanged, the
    /// checkbox unticked. Sheets take no scripted answer.
    void willAnswer(const AlertAnswer &answer);
    /// Presses that button, the checkbox ticked when asked.
    void willPress(AlertButton button, bool tickCheckbox = false);
    /// Presses the default button after setting the text field to text.
    void willType(const QString &text);
    /// Lets a timed run time out, the checkbox ticked when asked.
    void willTimeOut(bool tickCheckbox = false);
    /// Scripted answers not used yet.
    int pendingAnswers() const { return int(m_script.size()); }

private:
    QList<AlertRequest> m_alerts;
    QList<AlertAnswer> m_script;
    QList<bool> m_keepsField; // per scripted answer: the field keeps its text
};

} // namespace reel
REEL_EXPORT_END
