// The desktop's notifications against a service the test runs on a private
// session bus: what reaches it, the actions picked on it, and a bus where
// nothing answers.
#include "logcapture.h"
#include "notificationservice.h"

#include <reel/widgets/desktopnotifications.h>

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 60000; // catches a hang only

class DesktopNotifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!sessionBusAnswers())
            GTEST_SKIP() << "no private session bus: the suite runs under dbus-run-session (ctest does that)";
    }
};

DesktopNotification finishedNote()
{
    DesktopNotification note;
    note.appName = u"reelkit-convert"_s;
    note.icon = u"org.reelkit.convert"_s;
    note.title = u"3 videos converted"_s;
    note.body = u"/home/me/Vidéos"_s;
    note.actions = {u"default"_s, u"Show Folder"_s, u"show-folder"_s, u"Show Folder"_s};
    note.hints.insert(u"desktop-entry"_s, u"org.reelkit.convert"_s);
    return note;
}

// Sends a notification and waits for its id.
uint sendAndWait(DesktopNotifier &notifier, const DesktopNotification &note, NotificationActionHandler handler)
{
    QSignalSpy sent(&notifier, &DesktopNotifier::sent);
    EXPECT_TRUE(notifier.notify(note, std::move(handler)));
    if (!sent.wait(kWaitMs))
        return 0;
    return sent.first().first().toUInt();
}

// Runs the event loop until done says so; false after a minute (a hang).
bool waitUntil(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(kWaitMs);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

} // namespace

TEST_F(DesktopNotifications, TheServiceGetsWhatWasSaid)
{
    NotificationService service;
    ASSERT_TRUE(service.start());
    ASSERT_TRUE(DesktopNotifier::serviceAvailable());
    DesktopNotifier notifier;
    ASSERT_EQ(sendAndWait(notifier, finishedNote(), {}), 1u);

    ASSERT_EQ(service.received.size(), 1);
    const ReceivedNotification &got = service.received.first();
    EXPECT_EQ(got.appName, u"reelkit-convert"_s);
    EXPECT_EQ(got.icon, u"org.reelkit.convert"_s);
    EXPECT_EQ(got.title, u"3 videos converted"_s);
    EXPECT_EQ(got.body, u"/home/me/Vidéos"_s);
    EXPECT_EQ(got.actions, finishedNote().actions);
    EXPECT_EQ(got.hints.value(u"desktop-entry"_s).toString(), u"org.reelkit.convert"_s);
    EXPECT_EQ(got.timeoutMs, -1);
}

// The handler of a notification hears the actions picked on it, and only
// those: not another program's (the signals are the whole bus's), nor any
// once it is closed. A second notification whose action is waited for marks
// the point by which everything sent before it has been handled.
TEST_F(DesktopNotifications, AnActionReachesItsNotificationsHandlerOnly)
{
    struct Case {
        const char *name;
        bool closedFirst;
        uint idOffset; // 0: ours
        QStringList heard;
    };
    const Case cases[] = {
        {"picked", false, 0, {u"show-folder"_s}},
        {"another program's", false, 100, {}},
        {"after it closed", true, 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        NotificationService service;
        ASSERT_TRUE(service.start());
        DesktopNotifier notifier;
        QStringList heard;
        const uint id = sendAndWait(notifier, finishedNote(), [&heard](const QString &action) { heard << action; });
        ASSERT_NE(id, 0u);
        if (c.closedFirst)
            service.close(id);
        service.invokeAction(id + c.idOffset, u"show-folder"_s);

        bool marked = false;
        const uint mark = sendAndWait(notifier, finishedNote(), [&marked](const QString &) { marked = true; });
        ASSERT_NE(mark, 0u);
        service.invokeAction(mark, u"default"_s);
        ASSERT_TRUE(waitUntil([&marked] { return marked; }));
        EXPECT_EQ(heard, c.heard);
    }
}

TEST_F(DesktopNotifications, NothingIsSentWhereNoServiceAnswers)
{
    EXPECT_FALSE(DesktopNotifier::serviceAvailable());
    DesktopNotifier notifier;
    QSignalSpy sent(&notifier, &DesktopNotifier::sent);
    QSignalSpy refused(&notifier, &DesktopNotifier::refused);
    clearLog();
    EXPECT_FALSE(notifier.notify(finishedNote()));
    EXPECT_TRUE(logLines().contains(u"notify              :-( no notification service on the session bus"_s))
        << logLines().join(u'\n').toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(sent.size(), 0);
    EXPECT_EQ(refused.size(), 0);
}
