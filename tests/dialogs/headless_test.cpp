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
using namespace Qt::StringLiterals;

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
        {"alert", [] { return QVariant(displayAlert(u"Disk full"_s, u"5% <b>left</b>"_s, 2, nullptr)); }, 1,
         {u"alert               : Disk full - 5% <b>left</b>"_s}},
        {"dialog", [] { return QVariant(displayDialog(u"Name"_s, u"m"_s, u"x"_s, QString())); }, u"x"_s,
         {u"alert               : Name - m"_s}},
        {"timed question",
         [] { return QVariant(displayAlertDelayed(u"Q"_s, u"m"_s, u"Convert"_s, u"Skip"_s, QString(), 0, 3600)); },
         u"Convert"_s, {u"alert               : Q - m"_s, u"FERMETURE AUTO       : TIMEOUT"_s}},
        {"checkbox",
         [] { return QVariant(displayAlertDelayedCheckbox(u"Q"_s, u"m"_s, QString(), u"Skip"_s, QString(), 0, 0, u"c"_s)); },
         QVariantList{u"button 1"_s, 0},
         {u"alert               : Q - m"_s, u"FERMETURE AUTO      : TIMEOUT"_s, u"bt                  ? button 1 (btAlt=Skip)"_s}},
        {"held sheet",
         [] { displayAlertDelayedSheet(u"t"_s, u"m"_s, u"OK"_s, QString(), QString(), 0, 3600, nullptr); return QVariant(); },
         QVariant(), {u"giveUpAfterSeconds : 3600"_s, u"alert               : t - m"_s}},
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
    EXPECT_EQ(displayAlertDelayed(u"Q"_s, u"m"_s, u"Convert"_s, u"Skip"_s, QString(), 0, 0), u"Convert"_s);
    EXPECT_EQ(displayAlertDelayedCheckbox(u"Q"_s, u"m"_s, u"Go"_s, QString(), QString(), 0, 60, QString()),
              (QVariantList{u"Go"_s, 0}));
    EXPECT_TRUE(test::logHas(u"alert               : Q - m"_s));
}
