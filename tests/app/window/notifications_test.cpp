// The window tells the desktop that a batch ended when it is not the window
// in front, through a notification service the test runs on a private
// session bus; the notification's action shows the folder.
#include "clips.h"
#include "notificationservice.h"
#include "sandbox.h"
#include "tables.h"

#include <window/window.h>

#include <reel/core.h>
#include <reel/widgets.h>

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

TEST(WindowNotifications, ABatchEndedBehindAnotherWindowIsNotified)
{
    if (!reel::test::sessionBusAnswers())
        GTEST_SKIP() << "no private session bus: the suite runs under dbus-run-session (ctest does that)";
    const struct {
        const char *name;
        bool inFront;
        int notified;
    } cases[] = {
        {"in front", true, 0},
        {"behind another window", false, 1},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        reel::test::NotificationService service;
        ASSERT_TRUE(service.start());
        const QString folder = outFolder(QString::fromUtf8(c.name));
        // The DVD encoder is the quicker one.
        ConvertWindow window(Options{.mode = Options::Mode::Window, .presetId = u"dvd-pal"_s, .presetGiven = true,
                                     .outputDir = folder, .files = {sharedClip(Clip::Silent)}});
        QStringList opened;
        window.setFolderRevealer([&opened](const QString &path) { opened << path; });
        QWidget other;
        window.show();
        QWidget *front = &window;
        if (!c.inFront) {
            other.show();
            front = &other;
        }
        front->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(front));
        if (window.isReading()) {
            QSignalSpy read(&window, &ConvertWindow::sourcesRead);
            ASSERT_TRUE(read.wait(kWaitMs));
        }
        QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
        window.startConversion();
        ASSERT_NE(window.batch(), nullptr);
        ASSERT_TRUE(ended.wait(kWaitMs));

        // A notification of the test's own, sent after the window's, marks
        // the point by which the service has had all the window sent.
        reel::DesktopNotifier marker;
        reel::DesktopNotification mark;
        mark.title = u"mark"_s;
        QSignalSpy sent(&marker, &reel::DesktopNotifier::sent);
        ASSERT_TRUE(marker.notify(mark));
        ASSERT_TRUE(sent.wait(kWaitMs));
        ASSERT_EQ(service.received.size(), c.notified + 1);
        EXPECT_EQ(service.received.last().title, u"mark"_s);
        if (!c.notified)
            return;

        const reel::test::ReceivedNotification &got = service.received.first();
        // No translation is loaded: the plural stays in its source form.
        EXPECT_EQ(got.title, u"1 video converted"_s);
        EXPECT_EQ(got.body, folder);
        // The test bundle's names, as the converter's bundle gives its own.
        EXPECT_EQ(got.appName, u"reelkit-tests"_s);
        EXPECT_EQ(got.icon, u"org.reelkit.tests"_s);
        EXPECT_EQ(got.hints.value(u"desktop-entry"_s).toString(), u"org.reelkit.tests"_s);
        EXPECT_EQ(got.actions,
                  (QStringList{u"default"_s, u"Show Folder"_s, u"show-folder"_s, u"Show Folder"_s}));
        opened.clear(); // what the closing alert may have shown
        service.invokeAction(got.id, u"show-folder"_s);
        const QDeadlineTimer deadline(kWaitMs);
        while (opened.isEmpty() && !deadline.hasExpired())
            QTest::qWait(10);
        EXPECT_EQ(opened, QStringList{folder});
    });
}
