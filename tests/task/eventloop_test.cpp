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
using namespace Qt::StringLiterals;

TEST(EventLoop, RunnersBlockInsideTheLoopBesideQtProcesses)
{
    ASSERT_NE(qobject_cast<QApplication *>(QCoreApplication::instance()), nullptr);
    // Qt's processes work before and after ours (its own child handling in place).
    const auto qtEcho = [] {
        QProcess process;
        process.start(u"/bin/echo"_s, {u"qt"_s});
        return process.waitForFinished(-1) ? process.readAllStandardOutput() : QByteArray();
    };
    EXPECT_EQ(qtEcho(), QByteArray("qt\n"));
    QString single, piped;
    int ticks = 0;
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    QTimer::singleShot(0, [&] {
        const int before = ticks;
        single = taskWithStr(u"sleep 0.2; echo done"_s, QString());
        piped = taskArrayPipes(QStringList{u"/bin/sh"_s, u"-c"_s, u"sleep 0.2; echo a"_s, u"|"_s, u"/usr/bin/tr"_s, u"a"_s, u"b"_s});
        EXPECT_EQ(ticks, before) << "a runner turned the loop";
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(single, u"done"_s);
    EXPECT_EQ(piped, u"b\n"_s);
    EXPECT_TRUE(test::noChildLeft());
    EXPECT_EQ(qtEcho(), QByteArray("qt\n"));
}
