// What each operation asks the presenter to show, and how it reads the
// answer, checked with the recording presenter.
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/dialogs/alerts.h>
#include <reel/dialogs/passclock.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

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
    // The answer to the next alert: a button, or nobody answering.
    void script(std::optional<AlertButton> press, bool tick = false)
    {
        if (press)
            m_alerts.willPress(*press, tick);
        else
            m_alerts.willTimeOut(tick);
    }

    RecordingPresenter m_alerts;
    ScopedAlertPresenter m_use{&m_alerts};
};

} // namespace

TEST_F(RecordedAlerts, DisplayAlertBugSpeaksTheBundlesLanguage)
{
    const QString english = u"You would not have to see this alert. Thanks to make a screenshot of it (and to prepare a "
                            "screenshot of the application...)"_s;
    const QString french = u"Vous n'auriez pas du voir cette alerte apparaître. Merci d'en faire une capture (et de "
                           "préparer -en plus- une capture de l'application…)"_s;
    const struct {
        const char *name;
        QByteArray strings; // the bundle's only Localized.strings
        const char *folder;
        QString expected;
    } cases[] = {
        {"french", "\"D_Langue\" = \"fr\";\n", "fr.lproj", french},
        {"key missing", "\"Other\" = \"fr\";\n", "en.lproj", english},
        {"another language", "\"D_Langue\" = \"de\";\n", "de.lproj", english},
    };
    for (const auto &c : cases) {
        const QString path = test::scratchDir() + QLatin1Char('/') + QLatin1String(c.name) + u".app"_s;
        test::writeFile(path + u"/Contents/Resources/"_s + QLatin1String(c.folder) + u"/Localized.strings"_s, c.strings);
        // A bundle with one localisation speaks it, whatever the user's language.
        test::ScopedBundle bundle(path);
        EXPECT_EQ(displayAlertBug(u"state <3> 100%"_s), kAlertDefaultReturn);
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.title, u":-(\n"_s + c.expected) << c.name;
        EXPECT_EQ(shown.message, u"state <3> 100%"_s);
        EXPECT_TRUE(shown.critical);
        EXPECT_EQ(shown.kind, Kind::Modal);
    }
}

TEST_F(RecordedAlerts, DelayedButtonsAndAnswers)
{
    const struct {
        QString btDefault, btAlt, btOther;
        int seconds;
        std::optional<AlertButton> press;
        QString expected;
        QStringList shown;
    } cases[] = {
        {u"Convert"_s, u"Skip"_s, kNull, 5, kNobody, u"Convert"_s, {u"Convert"_s, u"Skip"_s}},
        {kEmpty, kNull, kNull, 5, kNobody, u"OK"_s, {u"OK"_s}},
        {kNull, kNull, kNull, 5, kNobody, kNull, {u"OK"_s}},
        {kEmpty, kNull, kNull, 0, kDefault, u"OK"_s, {u"OK"_s}},
        {kNull, kNull, kNull, 0, kDefault, kNull, {u"OK"_s}},
        {kNull, kNull, kNull, -3, kNobody, kNull, {u"OK"_s}},
        // A later button needs every earlier title.
        {kNull, u"Skip"_s, u"Later"_s, 0, kDefault, kNull, {u"OK"_s}},
        {kEmpty, u"Skip"_s, u"Later"_s, 0, kDefault, u"OK"_s, {u"OK"_s}},
        {u"Yes"_s, kNull, u"Maybe"_s, 0, kDefault, u"Yes"_s, {u"Yes"_s}},
        {u"Yes"_s, u"No"_s, kEmpty, 0, kAlternate, u"No"_s, {u"Yes"_s, u"No"_s}},
        {u"A"_s, u"B"_s, u"C"_s, 2, kDefault, u"A"_s, {u"A"_s, u"B"_s, u"C"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.btDefault.toStdString() + "/" + c.btAlt.toStdString() + "/" + c.btOther.toStdString() + " "
                     + std::to_string(c.seconds));
        test::clearLog();
        script(c.press);
        const QString result = displayAlertDelayed(u"Title"_s, u"Message"_s, c.btDefault, c.btAlt, c.btOther, 0, c.seconds);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(result.isNull(), c.expected.isNull());
        EXPECT_EQ(m_alerts.last().shownButtons(), c.shown);
        EXPECT_EQ(m_alerts.last().kind, c.seconds > 0 ? Kind::Timed : Kind::Modal);
        EXPECT_EQ(m_alerts.last().timeLimit, c.seconds > 0 ? c.seconds : 0);
        // Only the timeout line is written at debug level 0.
        EXPECT_EQ(test::logLines(), c.seconds > 0 && !c.press ? QStringList{u"FERMETURE AUTO       : TIMEOUT"_s} : QStringList{});
    }
}

TEST_F(RecordedAlerts, DelayedDebugLinesAndLiteralTexts)
{
    setDEBUG(1);
    displayAlertDelayed(kNull, kNull, u"Yes"_s, kNull, kNull, 2, 0);
    EXPECT_EQ(test::logLines(), (QStringList{u"giveUpAfterSeconds  : 0"_s, u"ALERTE NORMALE"_s}));
    EXPECT_EQ(m_alerts.last().title, kEmpty);
    EXPECT_EQ(m_alerts.last().message, kEmpty);
    EXPECT_TRUE(m_alerts.last().critical);

    test::clearLog();
    m_alerts.willPress(AlertButton::Default);
    displayAlertDelayed(u"100% %@ <b>"_s, u"50% %d%%"_s, u"Yes"_s, kNull, kNull, 1, 7);
    EXPECT_EQ(test::logLines(), (QStringList{u"giveUpAfterSeconds  : 7"_s, u"FERMETURE USER       : CLIC"_s}));
    // Titles and messages reach the screen with a single "%".
    EXPECT_EQ(m_alerts.last().title, u"100% %@ <b>"_s);
    EXPECT_EQ(m_alerts.last().message, u"50% %d%%"_s);
    EXPECT_FALSE(m_alerts.last().critical);
}

TEST_F(RecordedAlerts, DelayedCheckbox)
{
    const struct {
        QString btDefault, btAlt, btOther;
        int seconds;
        std::optional<AlertButton> press;
        bool tick;
        QVariantList expected;
        int limit;
        QStringList buttons;
        QStringList log;
    } cases[] = {
        {kNull, kNull, kNull, 0, kNobody, false, {u"button 1"_s, 0}, 10, {u"OK"_s},
         {u"FERMETURE AUTO      : TIMEOUT"_s, u"bt                  ? button 1"_s}},
        {u"Go"_s, u"Skip"_s, u"Later"_s, -1, kNobody, true, {u"Go"_s, 1}, -1, {u"Go"_s, u"Skip"_s, u"Later"_s},
         {u"FERMETURE AUTO      : TIMEOUT"_s, u"bt                  ? Go (btDefault=Go) (btAlt=Skip) (btOther=Later)"_s}},
        {u"Go"_s, u"Skip"_s, u"Later"_s, 5, kAlternate, true, {u"Skip"_s, 1}, 5, {u"Go"_s, u"Skip"_s, u"Later"_s},
         {u"FERMETURE USER      : CLIC=-1001"_s, u"bt                  ? Skip (btDefault=Go) (btAlt=Skip) (btOther=Later)"_s}},
        // The other button answers for itself even without an alternate one.
        {u"Go"_s, kNull, u"Later"_s, 5, kOther, false, {u"Later"_s, 0}, 5, {u"Go"_s, u"Later"_s},
         {u"FERMETURE USER      : CLIC=-1"_s, u"bt                  ? Later (btDefault=Go) (btOther=Later)"_s}},
        {kNull, u"Skip"_s, kNull, 5, kDefault, false, {u"button 1"_s, 0}, 5, {u"OK"_s, u"Skip"_s},
         {u"FERMETURE USER      : CLIC=-1000"_s, u"bt                  ? button 1 (btAlt=Skip)"_s}},
        // Empty titles are titles: they are shown and returned as they are.
        {kEmpty, kEmpty, kNull, 5, kAlternate, false, {kEmpty, 0}, 5, {kEmpty, kEmpty},
         {u"FERMETURE USER      : CLIC=-1001"_s, u"bt                  ?  (btDefault=) (btAlt=)"_s}},
    };
    for (const auto &c : cases) {
        test::clearLog();
        script(c.press, c.tick);
        const QVariantList result =
            displayAlertDelayedCheckbox(kNull, u"5%"_s, c.btDefault, c.btAlt, c.btOther, 2, c.seconds, kNull);
        EXPECT_EQ(result, c.expected) << c.seconds;
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.kind, Kind::Timed);
        EXPECT_EQ(shown.timeLimit, c.limit);
        EXPECT_EQ(shown.shownButtons(), c.buttons);
        EXPECT_TRUE(shown.hasCheckbox);
        EXPECT_EQ(test::logLines(), c.log);
    }
    const AlertRequest shown = m_alerts.last();
    EXPECT_EQ(shown.checkboxTitle, kEmpty);
    EXPECT_EQ(shown.title, kEmpty);
    EXPECT_EQ(shown.message, u"5%"_s);
    EXPECT_TRUE(shown.critical);
}

TEST(AlertPassClock, PassesCountedInSinglePrecision)
{
    const struct {
        int seconds, passes;
    } cases[] = {{1, 10}, {2, 20}, {3, 31}, {5, 51}, {10, 100}, {60, 601}, {0, 0}, {-1, 0}, {INT_MIN, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(alertPassesForLimit(c.seconds), c.passes) << c.seconds;
    // From 2^21 s on, adding 0.1 s rounds back to the same float: a longer
    // limit ends there instead of never.
    const int stalled = alertPassesForLimit(INT_MAX);
    EXPECT_EQ(alertPassesForLimit(3000000), stalled);
    EXPECT_EQ(stalled, alertPassesForLimit(2097152) + 1);
}
