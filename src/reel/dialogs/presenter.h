/// \file
/// \ingroup dialogs
/// The one way every dialog of the toolkit reaches the screen.
///
/// An operation describes the alert it wants in an AlertRequest and hands it to
/// the presenter in use, which shows it (or not) and answers. Three presenters
/// exist: the Qt Widgets one (qtpresenter.h, in the widgets library), a
/// headless one that logs the alert and answers its default button at once,
/// and a recording one for tests (recordingpresenter.h). Unless a program
/// installs its own, the Qt one is used while a QApplication shows windows on a
/// screen and the headless one otherwise (no QApplication, the offscreen or
/// minimal platform, or a program that does not link the widgets library), so
/// a program without a display never waits for a click nobody can give.
/// Only the headless presenter writes to the log.
#pragma once

#include "reel/core/export.h"

#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

/// The roles of an alert's buttons. The default button is always there (with
/// the title "OK" when none is given); the others only with a title.
enum class AlertButton { Default, Alternate, Other };

/// The button code of a modal run for a role: 1 default, 0 alternate,
/// -1 other.
int alertButtonCode(AlertButton button);

/// The title of the default button when none is given, and of the checkbox
/// when its title is left to the toolkit, in the bundle's "D_Langue" (table
/// "Localized": "fr", "de", "es"; English otherwise).
QString defaultButtonTitle();
/// The title of the checkbox when its title is left to the toolkit.
QString defaultCheckboxTitle();

/// An alert as an operation wants it shown.
struct AlertRequest {
    /// How the alert runs.
    enum class Kind {
        Modal,      ///< blocks until a button is pressed
        Timed,      ///< blocks until a button or the end of timeLimit
        Sheet,      ///< attached to window, returns at once
        TimedSheet, ///< attached to window for holdSeconds + 1 one-second passes, then removed
    };
    Kind kind = Kind::Modal; ///< how it runs
    QString title;   ///< the bold first line; shown exactly as typed
    QString message; ///< the informative text; shown exactly as typed
    /// Button titles by role. A null default title shows "OK"; a null
    /// alternate or other title means no such button.
    QString defaultButton;
    QString alternateButton; ///< null: no alternate button
    QString otherButton;     ///< null: no other button
    bool critical = false;   ///< the critical icon
    bool informational = false; ///< the information icon rather than the warning; critical wins
    QWidget *window = nullptr; ///< the window a sheet is attached to (may be null)

    /// An editable one-line text field between the message and the buttons.
    bool hasTextField = false;
    QString fieldText; ///< the field's text at first
    QSize fieldSize;   ///< the field's size

    /// A checkbox; an empty title leaves the toolkit's own title.
    bool hasCheckbox = false;
    QString checkboxTitle; ///< empty: the toolkit's own title

    int timeLimit = 0;   ///< Timed: seconds before the alert closes itself
    int holdSeconds = 0; ///< TimedSheet

    /// The titles shown on the buttons, in role order (default, alternate,
    /// other), absent buttons left out.
    QStringList shownButtons() const;
    /// Whether the button of that role is shown.
    bool hasButton(AlertButton button) const;
};

/// How an alert was answered.
struct AlertAnswer {
    AlertButton button = AlertButton::Default; ///< the button that closed the alert
    bool timedOut = false;                     ///< a timed run that nobody answered
    int passes = 0;                            ///< 0.1 s passes a timed run made
    QString text;                              ///< the text field's final text
    bool checked = false;                      ///< the checkbox's final state
};

/// What shows alerts: the widgets library's, the headless one, a test's.
class AlertPresenter {
public:
    virtual ~AlertPresenter();
    /// Shows the alert as its kind says and answers it. Sheets answer at once
    /// with the default button; nobody learns what is pressed on them later.
    virtual AlertAnswer present(const AlertRequest &request) = 0;
};

/// Writes the alert's title and message to the log and answers at once:
/// the default button (a timed run counts as timed out), the text field's
/// text unchanged, the checkbox unticked.
class HeadlessPresenter : public AlertPresenter {
public:
    AlertAnswer present(const AlertRequest &request) override;
};

/// The presenter in use: the installed one, else the Qt Widgets one when a
/// QApplication shows windows on a screen, else the headless one.
AlertPresenter &alertPresenter();
/// Installs a presenter (not owned; null goes back to the automatic choice)
/// and returns the one installed before (null when it was automatic).
AlertPresenter *setAlertPresenter(AlertPresenter *presenter);

/// The automatic choice asks this function for a presenter that shows alerts
/// on a screen; null means there is none now. The widgets library sets it when
/// it is linked. Returns the function set before (null at first).
using ScreenPresenterQuery = AlertPresenter *(*)();
/// Sets the query above; returns the one set before (null at first).
ScreenPresenterQuery setScreenPresenterQuery(ScreenPresenterQuery query);

/// Installs a presenter for the lifetime of the object and puts the previous
/// one back afterwards.
class ScopedAlertPresenter {
public:
    /// Installs presenter (null: the automatic choice).
    explicit ScopedAlertPresenter(AlertPresenter *presenter) : m_previous(setAlertPresenter(presenter)) {}
    /// Puts the previous presenter back.
    ~ScopedAlertPresenter() { setAlertPresenter(m_previous); }
    ScopedAlertPresenter(const ScopedAlertPresenter &) = delete;
    ScopedAlertPresenter &operator=(const ScopedAlertPresenter &) = delete;

private:
    AlertPresenter *m_previous;
};

} // namespace reel
REEL_EXPORT_END
