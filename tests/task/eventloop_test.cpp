// The runners inside a running GUI event loop, beside Qt's own processes.
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
    // Qt's processes work before and after ours (its own child handling in place).
    const auto qtEcho = [](const QString &word) {
        QProcess process;
        process.start(QStringLiteral("/bin/echo"), {word});
        EXPECT_TRUE(process.waitForFinished(-1));
        return process.readAllStandardOutput();
    };
    EXPECT_EQ(qtEcho(QStringLiteral("qt")), QByteArray("qt\n"));

    QString single, piped;
    int ticks = 0, before = 0;
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    QTimer::singleShot(0, [&] {
        before = ticks;
        single = taskWithStr(QStringLiteral("sleep 0.2; echo done"), QString());
        piped = taskArrayPipes(QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"), QStringLiteral("sleep 0.2; echo a"),
                                           QStringLiteral("|"), QStringLiteral("/usr/bin/tr"), QStringLiteral("a"), QStringLiteral("b")});
        EXPECT_EQ(ticks, before) << "a runner turned the loop";
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(single, QStringLiteral("done"));
    EXPECT_EQ(piped, QStringLiteral("b\n"));
    EXPECT_TRUE(test::noChildLeft());
    EXPECT_EQ(qtEcho(QStringLiteral("again")), QByteArray("again\n"));
}
