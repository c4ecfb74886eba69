// Without a QApplication every alert answers at once with its default button
// and leaves a log line.
#include "logcapture.h"

#include <reel/dialogs/alerts.h>
#include <reel/dialogs/timedalerts.h>
#include <reel/widgets/qtpresenter.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(HeadlessAlerts, EveryAlertAnswersAtOnce)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ScopedAlertPresenter automatic(nullptr);
    test::clearLog();
    EXPECT_EQ(displayAlert(u"Disk full"_s, u"5% <b>left</b>"_s, 2, nullptr), 1);
    EXPECT_EQ(test::takeLog(), QStringList{u"alert               : Disk full - 5% <b>left</b>"_s});
    // A held sheet is not held.
    displayAlertDelayedSheet(u"t"_s, u"m"_s, u"OK"_s, QString(), QString(), 0, 3600, nullptr);

    // The widgets presenter, without an application, answers the same way.
    QtAlertPresenter widgets;
    ScopedAlertPresenter use(&widgets);
    EXPECT_EQ(displayAlertDelayedCheckbox(u"Q"_s, u"m"_s, QString(), u"Skip"_s, QString(), 0, 0, u"c"_s),
              (QVariantList{u"button 1"_s, 0}));
}
