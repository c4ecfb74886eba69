// What each operation asks the presenter to show, and how it reads the
// answer, checked with the recording presenter.
#include "logcapture.h"
#include "tables.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/passclock.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

#include <QWidget>

#include <climits>
#include <optional>

using namespace reel;
using namespace Qt::StringLiterals;
using Kind = AlertRequest::Kind;

namespace {

constexpr std::optional<AlertButton> kNobody;
constexpr AlertButton kDefault = AlertButton::Default;
constexpr AlertButton kAlternate = AlertButton::Alternate;
constexpr AlertButton kOther = AlertButton::Other;
const QString kNull;
const QString kEmpty = u""_s;

class RecordedAlerts : public ::testing::Test {
protected:
    RecordingPresenter m_alerts;
    ScopedAlertPresenter m_use{&m_alerts};
};

} // namespace

TEST_F(RecordedAlerts, DisplayAlertBugIsCritical)
{
    EXPECT_EQ(displayAlertBug(u"state <3> 100%"_s), 1);
    EXPECT_TRUE(m_alerts.last().title.startsWith(u":-(\n"_s));
    EXPECT_EQ(m_alerts.last().message, u"state <3> 100%"_s);
    EXPECT_TRUE(m_alerts.last().critical && m_alerts.last().kind == Kind::Modal);
}

// The two timed questions read null and empty titles by different rules; a
// limit of 0 makes displayAlertDelayed modal and the checkbox form wait 10 s.
TEST_F(RecordedAlerts, TimedQuestionsThroughBothEntryPoints)
{
    const struct {
        bool checkbox;
        QString btDefault, btAlt, btOther;
        int seconds;
        std::optional<AlertButton> press;
        bool tick;
        QVariant expected;
        QStringList shown;
        int limit; // 0: modal
        QStringList log;
        std::string name = (checkbox ? "checkbox " : "delayed ") + btDefault.toStdString() + "/" + btAlt.toStdString()
            + "/" + btOther.toStdString() + " " + std::to_string(seconds);
    } cases[] = {
        {false, kEmpty, kNull, kNull, 5, kNobody, false, u"OK"_s, {u"OK"_s}, 5, {u"FERMETURE AUTO       : TIMEOUT"_s}},
        {false, kNull, kNull, kNull, 5, kNobody, false, kNull, {u"OK"_s}, 5, {u"FERMETURE AUTO       : TIMEOUT"_s}},
        {false, kNull, kNull, kNull, -3, kNobody, false, kNull, {u"OK"_s}, 0, {}},
        // A later button needs every earlier title.
        {false, kNull, u"Skip"_s, u"Later"_s, 0, kDefault, false, kNull, {u"OK"_s}, 0, {}},
        {false, u"Yes"_s, u"No"_s, kEmpty, 0, kAlternate, false, u"No"_s, {u"Yes"_s, u"No"_s}, 0, {}},
        {false, u"A"_s, u"B"_s, u"C"_s, 1, kOther, false, u"C"_s, {u"A"_s, u"B"_s, u"C"_s}, 1, {}},
        {true, kNull, kNull, kNull, 0, kNobody, false, QVariantList{u"button 1"_s, 0}, {u"OK"_s}, 10,
         {u"FERMETURE AUTO      : TIMEOUT"_s, u"bt                  ? button 1"_s}},
        {true, u"Go"_s, u"Skip"_s, u"Later"_s, 5, kAlternate, true, QVariantList{u"Skip"_s, 1},
         {u"Go"_s, u"Skip"_s, u"Later"_s}, 5,
         {u"FERMETURE USER      : CLIC=-1001"_s, u"bt                  ? Skip (btDefault=Go) (btAlt=Skip) (btOther=Later)"_s}},
        // The other button answers for itself even without an alternate one.
        {true, u"Go"_s, kNull, u"Later"_s, 5, kOther, false, QVariantList{u"Later"_s, 0}, {u"Go"_s, u"Later"_s}, 5,
         {u"FERMETURE USER      : CLIC=-1"_s, u"bt                  ? Later (btDefault=Go) (btOther=Later)"_s}},
        // Empty titles are titles: they are shown and returned as they are.
        {true, kEmpty, kEmpty, kNull, 5, kAlternate, false, QVariantList{kEmpty, 0}, {kEmpty, kEmpty}, 5,
         {u"FERMETURE USER      : CLIC=-1001"_s, u"bt                  ?  (btDefault=) (btAlt=)"_s}},
    };
    test::forEachCase(cases, [&](const auto &c) {
        test::clearLog();
        if (c.press)
            m_alerts.willPress(*c.press, c.tick);
        else
            m_alerts.willTimeOut(c.tick);
        const QVariant result = c.checkbox
            ? QVariant(displayAlertDelayedCheckbox(kNull, u"5%"_s, c.btDefault, c.btAlt, c.btOther, 2, c.seconds, kNull))
            : QVariant(displayAlertDelayed(u"Title"_s, u"Message"_s, c.btDefault, c.btAlt, c.btOther, 0, c.seconds));
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(result.toString().isNull(), c.expected.toString().isNull());
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.shownButtons(), c.shown);
        EXPECT_EQ(std::tuple(shown.kind, shown.timeLimit, shown.hasCheckbox, shown.hasTextField, shown.critical),
                  std::tuple(c.limit == 0 ? Kind::Modal : Kind::Timed, c.limit, c.checkbox, false, c.checkbox));
        // Only the closing lines are written at debug level 0.
        EXPECT_EQ(test::takeLog(), c.log);
    });
    EXPECT_EQ(m_alerts.last().checkboxTitle, kEmpty);
    EXPECT_EQ(m_alerts.last().title, kEmpty);

    // Titles and messages reach the screen as typed.
    m_alerts.willPress(AlertButton::Default);
    displayAlertDelayed(u"100% %@ <b>"_s, u"50% %d%%"_s, u"Yes"_s, kNull, kNull, 1, 7);
    EXPECT_EQ(std::tuple(m_alerts.last().title, m_alerts.last().message, m_alerts.last().critical),
              std::tuple(u"100% %@ <b>"_s, u"50% %d%%"_s, false));
}

// A sheet, or an alert on a window, is answered later: the call says OK at once.
TEST_F(RecordedAlerts, AlertsOnAWindowAnswerOK)
{
    QWidget window;
    displayAlertSheet(u"Saved"_s, u"m"_s, &window);
    EXPECT_EQ(std::tuple(m_alerts.last().kind, m_alerts.last().window), std::tuple(Kind::Sheet, &window));
    m_alerts.willPress(kAlternate);
    EXPECT_EQ(displayAlert(u"t"_s, u"m"_s, 0, &window), 1);
}

TEST_F(RecordedAlerts, DialogAnswers)
{
    // The field's final text comes back; cancelled or emptied, nil.
    AlertAnswer answer;
    answer.text = u"answered"_s;
    m_alerts.willAnswer(answer);
    answer.button = AlertButton::Alternate;
    m_alerts.willAnswer(answer);
    m_alerts.willPress(AlertButton::Default);
    m_alerts.willType(kEmpty);
    EXPECT_EQ(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull), u"answered"_s);
    EXPECT_EQ(m_alerts.last().shownButtons(), (QStringList{u"OK"_s, u"Cancel"_s}));
    EXPECT_TRUE(m_alerts.last().hasTextField);
    EXPECT_TRUE(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull).isNull());
    EXPECT_EQ(displayDialog(u"Name"_s, u"m"_s, u"x"_s, u"Later"_s), u"x"_s);
    EXPECT_EQ(m_alerts.last().alternateButton, u"Later"_s);
    EXPECT_TRUE(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull).isNull());
    EXPECT_EQ(m_alerts.pendingAnswers(), 0);
}

TEST(AlertPassClock, PassesCountedInSinglePrecision)
{
    const struct {
        int seconds, passes;
    } cases[] = {{1, 10}, {3, 31}, {60, 601}, {0, 0}, {INT_MIN, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(alertPassesForLimit(c.seconds), c.passes) << c.seconds;
    // From 2^21 s on, adding 0.1 s rounds back to the same float: a longer
    // limit ends there instead of never.
    const int stalled = alertPassesForLimit(INT_MAX);
    EXPECT_EQ(alertPassesForLimit(3000000), stalled);
    EXPECT_EQ(stalled, alertPassesForLimit(2097152) + 1);
}
