// What each operation asks the presenter to show, and how it reads the
// answer, checked with the recording presenter.
#include "logcapture.h"
#include "bundles.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/plistcodec.h>
#include <reel/dialogs/alerts.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

#include <QWidget>

#include <optional>

using namespace reel;
using Kind = AlertRequest::Kind;

namespace {

constexpr std::optional<AlertButton> kNobody;
constexpr AlertButton kDefault = AlertButton::Default;
constexpr AlertButton kAlternate = AlertButton::Alternate;
constexpr AlertButton kOther = AlertButton::Other;

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

const QString kNull;
const QString kEmpty = QStringLiteral("");

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST_F(RecordedAlerts, DisplayAlert)
{
    QWidget window;
    const struct {
        QString title, message;
        int style;
        QWidget *window;
        QString shownTitle, shownMessage;
        bool critical;
        Kind kind;
    } cases[] = {
        {kNull, kNull, 0, nullptr, kEmpty, kEmpty, false, Kind::Modal},
        {s("Disk full"), s("5% left %@"), 2, nullptr, s("Disk full"), s("5% left %@"), true, Kind::Modal},
        {s("t"), s("m"), 1, &window, s("t"), s("m"), false, Kind::Sheet},
        {s("t"), s("m"), -2, nullptr, s("t"), s("m"), false, Kind::Modal},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(displayAlert(c.title, c.message, c.style, c.window), kAlertDefaultReturn);
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.kind, c.kind);
        EXPECT_EQ(shown.title, c.shownTitle);
        EXPECT_FALSE(shown.title.isNull());
        EXPECT_EQ(shown.message, c.shownMessage);
        EXPECT_EQ(shown.critical, c.critical);
        EXPECT_EQ(shown.window, c.window);
        EXPECT_EQ(shown.shownButtons(), QStringList{s("OK")});
        EXPECT_FALSE(shown.hasTextField);
    }
    displayAlertSheet(kNull, s("m"), &window);
    EXPECT_EQ(m_alerts.last().kind, Kind::Sheet);
    EXPECT_EQ(m_alerts.last().title, kEmpty);
    EXPECT_EQ(m_alerts.last().window, &window);
}

TEST_F(RecordedAlerts, DisplayDialog)
{
    enum class Script { None, Cancel, Type };
    const struct {
        QString defaultText, cancelTitle;
        Script script;
        QString typed, expected;
    } cases[] = {
        {s("x"), kNull, Script::None, kNull, s("x")},
        {kNull, kNull, Script::None, kNull, kNull},
        {s("x"), kNull, Script::Type, kEmpty, kNull},
        {s("x"), kNull, Script::Type, s("new name"), s("new name")},
        {s("x"), s("Later"), Script::Cancel, kNull, kNull},
        {s("x"), kEmpty, Script::Cancel, kNull, kNull},
    };
    for (const auto &c : cases) {
        if (c.script == Script::Cancel)
            m_alerts.willPress(AlertButton::Alternate);
        else if (c.script == Script::Type)
            m_alerts.willType(c.typed);
        const QString result = displayDialog(s("Name"), kNull, c.defaultText, c.cancelTitle);
        EXPECT_EQ(result, c.expected) << c.defaultText.toStdString() << "/" << c.typed.toStdString();
        EXPECT_EQ(result.isNull(), c.expected.isNull());
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.kind, Kind::Modal);
        EXPECT_EQ(shown.message, kEmpty);
        EXPECT_EQ(shown.shownButtons(), (QStringList{s("OK"), c.cancelTitle.isNull() ? s("Cancel") : c.cancelTitle}));
        EXPECT_TRUE(shown.hasTextField);
        EXPECT_EQ(shown.fieldText, c.defaultText.isNull() ? kEmpty : c.defaultText);
        EXPECT_EQ(shown.fieldSize, QSize(300, 40));
    }
}

TEST_F(RecordedAlerts, DisplayAlertBugSpeaksTheBundlesLanguage)
{
    const QString english = s("You would not have to see this alert. Thanks to make a screenshot of it (and to prepare a "
                              "screenshot of the application...)");
    const QString french = s("Vous n'auriez pas du voir cette alerte apparaître. Merci d'en faire une capture (et de "
                             "préparer -en plus- une capture de l'application…)");
    const struct {
        const char *name;
        QByteArray strings; // the bundle's only Localized.strings; empty: the test bundle
        const char *folder;
        QString expected;
    } cases[] = {
        {"test bundle", QByteArray(), nullptr, english},
        {"french", "\"D_Langue\" = \"fr\";\n", "fr.lproj", french},
        {"key missing", "\"Other\" = \"fr\";\n", "en.lproj", english},
        {"another language", "\"D_Langue\" = \"de\";\n", "de.lproj", english},
    };
    for (const auto &c : cases) {
        std::optional<test::ScopedBundle> bundle;
        if (c.folder) {
            const QString path = test::scratchDir() + QLatin1Char('/') + QLatin1String(c.name) + s(".app");
            test::writeFile(path + s("/Contents/Resources/") + QLatin1String(c.folder) + s("/Localized.strings"), c.strings);
            // A bundle with one localisation speaks it, whatever the user's language.
            bundle.emplace(path);
        }
        EXPECT_EQ(displayAlertBug(s("state <3> 100%")), kAlertDefaultReturn);
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.title, s(":-(\n") + c.expected) << c.name;
        EXPECT_EQ(shown.message, s("state <3> 100%"));
        EXPECT_TRUE(shown.critical);
        EXPECT_EQ(shown.kind, Kind::Modal);
        EXPECT_EQ(shown.shownButtons(), QStringList{s("OK")});
    }
}

TEST_F(RecordedAlerts, DelayedButtonsNeedEveryEarlierTitle)
{
    const struct {
        QString btDefault, btAlt, btOther;
        QStringList shown;
    } cases[] = {
        {kNull, s("Skip"), s("Later"), {s("OK")}},
        {kEmpty, s("Skip"), s("Later"), {s("OK")}},
        {s("Yes"), kNull, s("Maybe"), {s("Yes")}},
        {s("Yes"), kEmpty, s("Maybe"), {s("Yes")}},
        {s("Yes"), s("No"), kEmpty, {s("Yes"), s("No")}},
        {s("Yes"), s("No"), s("Maybe"), {s("Yes"), s("No"), s("Maybe")}},
    };
    for (const auto &c : cases) {
        displayAlertDelayed(kNull, kNull, c.btDefault, c.btAlt, c.btOther, 0, 0);
        EXPECT_EQ(m_alerts.last().shownButtons(), c.shown) << c.btDefault.toStdString() << "/" << c.btAlt.toStdString() << "/" << c.btOther.toStdString();
    }
}

TEST_F(RecordedAlerts, DelayedAnswers)
{
    const struct {
        QString btDefault, btAlt, btOther;
        int seconds;
        std::optional<AlertButton> press;
        QString expected;
        Kind kind;
        bool timeoutLogged;
    } cases[] = {
        {s("Convert"), s("Skip"), kNull, 5, kNobody, s("Convert"), Kind::Timed, true},
        {kEmpty, kNull, kNull, 5, kNobody, s("OK"), Kind::Timed, true},
        {kNull, kNull, kNull, 5, kNobody, kNull, Kind::Timed, true},
        {kEmpty, kNull, kNull, 0, kDefault, s("OK"), Kind::Modal, false},
        {kNull, kNull, kNull, 0, kDefault, kNull, Kind::Modal, false},
        {kNull, kNull, kNull, -3, kNobody, kNull, Kind::Modal, false},
        {s("A"), s("B"), s("C"), 0, kOther, s("C"), Kind::Modal, false},
        {s("A"), s("B"), s("C"), 0, kAlternate, s("B"), Kind::Modal, false},
        {s("A"), s("B"), s("C"), 2, kAlternate, s("B"), Kind::Timed, false},
        {s("A"), s("B"), s("C"), 2, kOther, s("C"), Kind::Timed, false},
        {s("A"), s("B"), s("C"), 2, kDefault, s("A"), Kind::Timed, false},
    };
    for (const auto &c : cases) {
        test::clearLog();
        script(c.press);
        const QString result = displayAlertDelayed(s("Title"), s("Message"), c.btDefault, c.btAlt, c.btOther, 0, c.seconds);
        EXPECT_EQ(result, c.expected) << c.btDefault.toStdString() << " " << c.seconds;
        EXPECT_EQ(result.isNull(), c.expected.isNull());
        EXPECT_EQ(m_alerts.last().kind, c.kind);
        EXPECT_EQ(m_alerts.last().timeLimit, c.kind == Kind::Timed ? c.seconds : 0);
        EXPECT_EQ(test::logHas(s("FERMETURE AUTO       : TIMEOUT")), c.timeoutLogged);
        // The other lines are debug lines.
        EXPECT_FALSE(test::logContains(s("giveUpAfterSeconds")));
        EXPECT_FALSE(test::logContains(s("CLIC")));
    }
}

TEST_F(RecordedAlerts, DelayedDebugLinesAndLiteralTexts)
{
    setDEBUG(1);
    displayAlertDelayed(kNull, kNull, s("Yes"), kNull, kNull, 2, 0);
    EXPECT_EQ(test::logLines(), (QStringList{s("giveUpAfterSeconds  : 0"), s("ALERTE NORMALE")}));
    EXPECT_EQ(m_alerts.last().title, kEmpty);
    EXPECT_EQ(m_alerts.last().message, kEmpty);
    EXPECT_TRUE(m_alerts.last().critical);

    test::clearLog();
    m_alerts.willPress(AlertButton::Default);
    displayAlertDelayed(s("100% %@ <b>"), s("50% %d%%"), s("Yes"), kNull, kNull, 1, 7);
    EXPECT_EQ(test::logLines(), (QStringList{s("giveUpAfterSeconds  : 7"), s("FERMETURE USER       : CLIC")}));
    EXPECT_EQ(m_alerts.last().title, s("100% %@ <b>"));
    EXPECT_EQ(m_alerts.last().message, s("50% %d%%"));
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
        {kNull, kNull, kNull, 0, kNobody, false, {s("button 1"), 0}, 10, {s("OK")},
         {s("FERMETURE AUTO      : TIMEOUT"), s("bt                  ? button 1")}},
        {s("Go"), s("Skip"), s("Later"), -1, kNobody, true, {s("Go"), 1}, -1, {s("Go"), s("Skip"), s("Later")},
         {s("FERMETURE AUTO      : TIMEOUT"), s("bt                  ? Go (btDefault=Go) (btAlt=Skip) (btOther=Later)")}},
        {s("Go"), s("Skip"), s("Later"), 5, kAlternate, true, {s("Skip"), 1}, 5, {s("Go"), s("Skip"), s("Later")},
         {s("FERMETURE USER      : CLIC=-1001"), s("bt                  ? Skip (btDefault=Go) (btAlt=Skip) (btOther=Later)")}},
        // The other button answers for itself even without an alternate one.
        {s("Go"), kNull, s("Later"), 5, kOther, false, {s("Later"), 0}, 5, {s("Go"), s("Later")},
         {s("FERMETURE USER      : CLIC=-1"), s("bt                  ? Later (btDefault=Go) (btOther=Later)")}},
        {kNull, s("Skip"), kNull, 5, kDefault, false, {s("button 1"), 0}, 5, {s("OK"), s("Skip")},
         {s("FERMETURE USER      : CLIC=-1000"), s("bt                  ? button 1 (btAlt=Skip)")}},
        // Empty titles are titles: they are shown and returned as they are.
        {kEmpty, kEmpty, kNull, 5, kAlternate, false, {kEmpty, 0}, 5, {kEmpty, kEmpty},
         {s("FERMETURE USER      : CLIC=-1001"), s("bt                  ?  (btDefault=) (btAlt=)")}},
    };
    for (const auto &c : cases) {
        test::clearLog();
        script(c.press, c.tick);
        const QVariantList result =
            displayAlertDelayedCheckbox(kNull, s("5%"), c.btDefault, c.btAlt, c.btOther, 2, c.seconds, kNull);
        EXPECT_EQ(result, c.expected) << c.seconds;
        const AlertRequest shown = m_alerts.last();
        EXPECT_EQ(shown.kind, Kind::Timed);
        EXPECT_EQ(shown.timeLimit, c.limit);
        EXPECT_EQ(shown.shownButtons(), c.buttons);
        EXPECT_TRUE(shown.hasCheckbox);
        EXPECT_EQ(shown.checkboxTitle, kEmpty);
        EXPECT_EQ(shown.title, kEmpty);
        EXPECT_EQ(shown.message, s("5%"));
        EXPECT_TRUE(shown.critical);
        EXPECT_EQ(test::logLines(), c.log);
    }
}

TEST_F(RecordedAlerts, DelayedSheet)
{
    QWidget window;
    m_alerts.willPress(AlertButton::Alternate);
    displayAlertDelayedSheet(s("50%"), kNull, kEmpty, s("Later"), kEmpty, 2, 7, &window);
    const AlertRequest shown = m_alerts.last();
    EXPECT_EQ(shown.kind, Kind::TimedSheet);
    EXPECT_EQ(shown.holdSeconds, 7);
    EXPECT_EQ(shown.window, &window);
    EXPECT_EQ(shown.title, s("50%"));
    EXPECT_EQ(shown.message, kEmpty);
    EXPECT_EQ(shown.shownButtons(), (QStringList{s("OK"), s("Later")}));
    EXPECT_FALSE(shown.critical);
    // The recorder does not hold the sheet; the passes are the Qt presenter's.
    EXPECT_EQ(test::logLines(), QStringList{s("giveUpAfterSeconds : 7")});
    // A sheet takes no scripted answer.
    EXPECT_EQ(m_alerts.pendingAnswers(), 1);
}
