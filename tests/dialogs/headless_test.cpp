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

using namespace reel;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(HeadlessAlerts, EveryAlertAnswersAtOnce)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ScopedAlertPresenter automatic(nullptr);
    ASSERT_NE(dynamic_cast<HeadlessPresenter *>(&alertPresenter()), nullptr);
    const struct {
        const char *name;
        std::function<QVariant()> call;
        QVariant expected;
        QStringList log;
    } cases[] = {
        {"alert", [] { return QVariant(displayAlert(s("Disk full"), s("5% <b>left</b>"), 2, nullptr)); }, 1,
         {s("alert               : Disk full - 5% <b>left</b>")}},
        {"dialog", [] { return QVariant(displayDialog(s("Name"), s("m"), s("x"), QString())); }, s("x"),
         {s("alert               : Name - m")}},
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
    for (const auto &c : cases) {
        test::clearLog();
        EXPECT_EQ(c.call(), c.expected) << c.name;
        EXPECT_EQ(test::logLines(), c.log) << c.name;
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
