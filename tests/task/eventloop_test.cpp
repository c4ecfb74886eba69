// The runners inside a running GUI event loop, beside Qt's own processes.
#include "sandbox.h"
#include "streams.h"

#include <reel/task/pipeline.h>
#include <reel/task/shellrun.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

using namespace reel;

TEST(EventLoop, RunnersBlockInsideTheLoopBesideQtProcesses)
{
    ASSERT_NE(qobject_cast<QApplication *>(QCoreApplication::instance()), nullptr);
    // A Qt process first, so that Qt's own child handling is in place.
    QProcess qtProcess;
    qtProcess.start(QStringLiteral("/bin/echo"), {QStringLiteral("qt")});
    ASSERT_TRUE(qtProcess.waitForFinished(-1));
    EXPECT_EQ(qtProcess.readAllStandardOutput(), QByteArray("qt\n"));

    QString single;
    QString piped;
    int ticks = 0;
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    QTimer::singleShot(0, [&] {
        const int before = ticks;
        single = taskWithStr(QStringLiteral("sleep 0.2; echo done"), QString());
        piped = taskArrayPipes(QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"), QStringLiteral("sleep 0.2; echo a"),
                                           QStringLiteral("|"), QStringLiteral("/usr/bin/tr"), QStringLiteral("a"), QStringLiteral("b")});
        // The runners never turned the loop.
        EXPECT_EQ(ticks, before);
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(single, QStringLiteral("done"));
    EXPECT_EQ(piped, QStringLiteral("b\n"));
    EXPECT_TRUE(test::noChildToReap());

    // Qt's processes still work after ours.
    qtProcess.start(QStringLiteral("/bin/echo"), {QStringLiteral("again")});
    ASSERT_TRUE(qtProcess.waitForFinished(-1));
    EXPECT_EQ(qtProcess.readAllStandardOutput(), QByteArray("again\n"));
}
