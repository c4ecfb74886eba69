// Without a QApplication every alert answers at once with its default button
// and leaves a log line.
#include "logcapture.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/presenter.h>
#include <reel/dialogs/qtpresenter.h>
#include <reel/dialogs/timedalerts.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <optional>

using namespace reel;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(HeadlessAlerts, TheAutomaticChoiceIsHeadless)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ScopedAlertPresenter automatic(nullptr);
    EXPECT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);
}

TEST(HeadlessAlerts, EveryAlertAnswersAtOnce)
{
    const struct {
        const char *name;
        std::function<QVariant()> call;
        QVariant expected;
        QStringList log;
    } cases[] = {
        {"alert", [] { return QVariant(displayAlert(s("Disk full"), s("5% <b>left</b>"), 2, nullptr)); }, 1,
         {s("alert               : Disk full - 5% <b>left</b>")}},
        {"null alert", [] { return QVariant(displayAlert(QString(), QString(), 0, nullptr)); }, 1,
         {s("alert               :  - ")}},
        {"dialog", [] { return QVariant(displayDialog(s("Name"), s("m"), s("x"), QString())); }, s("x"),
         {s("alert               : Name - m")}},
        {"empty dialog", [] { return QVariant(displayDialog(s("Name"), s("m"), QString(), QString())); }, QVariant(QString()),
         {s("alert               : Name - m")}},
        {"bug", [] { return QVariant(displayAlertBug(s("m"))); }, 1,
         {s(":-(\nYou would not have to see this alert.")}},
        {"sheet", [] { displayAlertSheet(s("t"), s("m"), nullptr); return QVariant(); }, QVariant(),
         {s("alert               : t - m")}},
        {"modal question",
         [] { return QVariant(displayAlertDelayed(s("Q"), s("m"), s("Convert"), s("Skip"), QString(), 0, 0)); },
         s("Convert"), {s("alert               : Q - m")}},
        {"timed question",
         [] { return QVariant(displayAlertDelayed(s("Q"), s("m"), s("Convert"), s("Skip"), QString(), 0, 3600)); },
         s("Convert"), {s("alert               : Q - m"), s("FERMETURE AUTO       : TIMEOUT")}},
        {"checkbox",
         [] { return QVariant(displayAlertDelayedCheckbox(s("Q"), s("m"), QString(), s("Skip"), QString(), 0, 0, s("c"))); },
         QVariantList{s("button 1"), 0},
         {s("alert               : Q - m"), s("FERMETURE AUTO      : TIMEOUT"), s("bt                  ? button 1 (btAlt=Skip)")}},
        {"held sheet",
         [] { displayAlertDelayedSheet(s("t"), s("m"), s("OK"), QString(), QString(), 0, 3600, nullptr); return QVariant(); },
         QVariant(), {s("giveUpAfterSeconds : 3600"), s("alert               : t - m")}},
    };
    for (const bool automatic : {false, true}) {
        // The test main installs a headless presenter; without it the
        // automatic choice must behave the same.
        std::optional<ScopedAlertPresenter> use;
        if (automatic)
            use.emplace(nullptr);
        for (const auto &c : cases) {
            test::clearLog();
            EXPECT_EQ(c.call(), c.expected) << c.name;
            if (QLatin1String(c.name) == QLatin1String("bug")) {
                ASSERT_EQ(test::logLines().size(), 1);
                EXPECT_TRUE(test::logLines().first().startsWith(s("alert               : ") + c.log.first()));
            } else {
                EXPECT_EQ(test::logLines(), c.log) << c.name;
            }
        }
    }
}

TEST(HeadlessAlerts, WidgetsPresenterWithoutAnApplicationAnswersHeadless)
{
    QtAlertPresenter widgets;
    ScopedAlertPresenter use(&widgets);
    EXPECT_EQ(displayAlertDelayed(s("Q"), s("m"), s("Convert"), s("Skip"), QString(), 0, 0), s("Convert"));
    EXPECT_EQ(displayAlertDelayedCheckbox(s("Q"), s("m"), s("Go"), QString(), QString(), 0, 60, QString()),
              (QVariantList{s("Go"), 0}));
    EXPECT_TRUE(test::logHas(s("alert               : Q - m")));
}
