// What each operation asks the presenter to show, and how it reads the
// answer, checked with the recording presenter.
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"
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
const QString kNull;
const QString kEmpty = u""_s;

class RecordedAlerts : public ::testing::Test {
protected:
    RecordingPresenter m_alerts;
    ScopedAlertPresenter m_use{&m_alerts};
};

} // namespace

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
        // A later button needs every earlier title.
        {false, kNull, u"Skip"_s, u"Later"_s, 0, AlertButton::Default, false, kNull, {u"OK"_s}, 0, {}},
        {false, u"A"_s, u"B"_s, u"C"_s, 1, AlertButton::Other, false, u"C"_s, {u"A"_s, u"B"_s, u"C"_s}, 1, {}},
        {true, kNull, kNull, kNull, 0, kNobody, true, QVariantList{u"button 1"_s, 1}, {u"OK"_s}, 10,
         {u"FERMETURE AUTO      : TIMEOUT"_s, u"bt                  ? button 1"_s}},
        {true, u"Go"_s, u"Skip"_s, u"Later"_s, 5, AlertButton::Alternate, true, QVariantList{u"Skip"_s, 1},
         {u"Go"_s, u"Skip"_s, u"Later"_s}, 5,
         {u"FERMETURE USER      : CLIC=-1001"_s, u"bt                  ? Skip (btDefault=Go) (btAlt=Skip) (btOther=Later)"_s}},
        // The other button answers for itself even without an alternate one.
        {true, u"Go"_s, kNull, u"Later"_s, 5, AlertButton::Other, false, QVariantList{u"Later"_s, 0},
         {u"Go"_s, u"Later"_s}, 5, {u"FERMETURE USER      : CLIC=-1"_s, u"bt                  ? Later (btDefault=Go) (btOther=Later)"_s}},
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
}

// A bug alert is critical. A sheet, or an alert on a window, is answered
// later: the call says OK at once.
TEST_F(RecordedAlerts, OneButtonAlerts)
{
    EXPECT_EQ(displayAlertBug(u"state <3> 100%"_s), 1);
    EXPECT_TRUE(m_alerts.last().title.startsWith(u":-(\nYou would not"_s));
    EXPECT_TRUE(m_alerts.last().critical);
    // In the program's language, as its localisation says it.
    {
        const QString french = test::makeBundle(u"Fr"_s, {});
        const test::ScopedBundle main(french);
        test::writeFile(french + u"/Contents/Resources/French.lproj/Localized.strings"_s, "\"D_Langue\" = \"fr\";");
        displayAlertBug(u"m"_s);
        EXPECT_TRUE(m_alerts.last().title.startsWith(u":-(\nVous n'auriez"_s)) << m_alerts.last().title.toStdString();
    }
    QWidget window;
    displayAlertSheet(u"Saved"_s, u"m"_s, &window);
    EXPECT_EQ(std::tuple(m_alerts.last().kind, m_alerts.last().window), std::tuple(Kind::Sheet, &window));
    m_alerts.willPress(AlertButton::Alternate);
    EXPECT_EQ(displayAlert(u"t"_s, u"m"_s, 0, &window), 1);
}

// The toolkit's own words in the bundle's language, its "D_Langue"; what
// displayAlertDelayed returns stays the same whatever is shown.
TEST_F(RecordedAlerts, TheToolkitsOwnWordsFollowDLangue)
{
    const struct {
        const char *name;
        const char *dLangue; // null: no table at all
        QString bug, ok, cancel, checkbox;
    } cases[] = {
        {"English", "en", u"You would not have to see this alert."_s, u"OK"_s, u"Cancel"_s,
         u"Do not show this message again"_s},
        {"French", "fr", u"Vous n'auriez pas du voir cette alerte apparaître."_s, u"OK"_s, u"Annuler"_s,
         u"Ne plus afficher ce message"_s},
        {"German", "de", u"Diese Meldung hätten Sie nicht sehen sollen."_s, u"OK"_s, u"Abbrechen"_s,
         u"Diese Meldung nicht mehr anzeigen"_s},
        {"Spanish", "es", u"No debería haber visto este aviso."_s, u"Aceptar"_s, u"Cancelar"_s,
         u"No volver a mostrar este mensaje"_s},
        {"Spanish of Mexico", "es_MX", u"No debería haber visto este aviso."_s, u"Aceptar"_s, u"Cancelar"_s,
         u"No volver a mostrar este mensaje"_s},
        {"Italian, which the toolkit lacks", "it", u"You would not have to see this alert."_s, u"OK"_s, u"Cancel"_s,
         u"Do not show this message again"_s},
        {"an empty D_Langue", "", u"You would not have to see this alert."_s, u"OK"_s, u"Cancel"_s,
         u"Do not show this message again"_s},
        {"no table", nullptr, u"You would not have to see this alert."_s, u"OK"_s, u"Cancel"_s,
         u"Do not show this message again"_s},
    };
    test::forEachCase(cases, [&](const auto &c) {
        const QString bundle = test::makeBundle(u"Speaks"_s, {});
        const test::ScopedBundle main(bundle);
        if (c.dLangue)
            test::writeFile(bundle + u"/Contents/Resources/Only.lproj/Localized.strings"_s,
                            QByteArray("\"D_Langue\" = \"") + c.dLangue + "\";");
        displayAlertBug(u"m"_s);
        EXPECT_TRUE(m_alerts.last().title.startsWith(u":-(\n"_s + c.bug)) << m_alerts.last().title.toStdString();
        EXPECT_EQ(m_alerts.last().shownButtons(), QStringList{c.ok});
        displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull);
        EXPECT_EQ(m_alerts.last().shownButtons(), (QStringList{c.ok, c.cancel}));
        // An empty default title: the button shown in the language, the
        // title returned as ever.
        EXPECT_EQ(displayAlertDelayed(u"t"_s, u"m"_s, kEmpty, kNull, kNull, 0, 5), u"OK"_s);
        EXPECT_EQ(m_alerts.last().shownButtons(), QStringList{c.ok});
        EXPECT_EQ(displayAlertDelayedCheckbox(u"t"_s, u"m"_s, kNull, kNull, kNull, 0, 5, kNull),
                  (QVariantList{u"button 1"_s, 0}));
        EXPECT_EQ(defaultCheckboxTitle(), c.checkbox);
    });
}

// The field's final text comes back; cancelled or emptied, nil.
TEST_F(RecordedAlerts, DialogAnswers)
{
    AlertAnswer answer{.text = u"answered"_s};
    m_alerts.willAnswer(answer);
    answer.button = AlertButton::Alternate;
    m_alerts.willAnswer(answer);
    m_alerts.willPress(AlertButton::Default);
    m_alerts.willType(kEmpty);
    EXPECT_EQ(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull), u"answered"_s);
    EXPECT_EQ(std::tuple(m_alerts.last().shownButtons(), m_alerts.last().hasTextField),
              std::tuple(QStringList{u"OK"_s, u"Cancel"_s}, true));
    EXPECT_TRUE(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull).isNull());
    EXPECT_EQ(displayDialog(u"Name"_s, u"m"_s, u"x"_s, u"Later"_s), u"x"_s);
    EXPECT_TRUE(displayDialog(u"Name"_s, u"m"_s, u"x"_s, kNull).isNull());
}

// From 2^21 s on, adding 0.1 s rounds back to the same float: a longer limit
// ends there instead of never.
TEST(AlertPassClock, PassesCountedInSinglePrecision)
{
    for (const auto &[seconds, passes] : {std::pair{1, 10}, {3, 31}, {0, 0}, {INT_MIN, 0}})
        EXPECT_EQ(alertPassesForLimit(seconds), passes) << seconds;
    const int stalled = alertPassesForLimit(INT_MAX);
    EXPECT_EQ(alertPassesForLimit(3000000), stalled);
    EXPECT_EQ(stalled, alertPassesForLimit(2097152) + 1);
}
