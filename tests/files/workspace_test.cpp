#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/files/workspace.h>

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

using namespace reel;

namespace {

// Stand-ins for the desktop's opener and for an application, first on PATH:
// each writes its arguments, one per line, to a record file and ends.
class DesktopStandIns : public ::testing::Test {
protected:
    void SetUp() override
    {
        bin = test::scratchDir() + QStringLiteral("/bin");
        for (const QString &name : {QStringLiteral("xdg-open"), QStringLiteral("myplayer")}) {
            const QString script = bin + QLatin1Char('/') + name;
            test::writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.record.tmp\" && mv \"$0.record.tmp\" \"$0.record\"\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        path.emplace("PATH", bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));
    }

    // What the stand-in was handed; null when it was not started.
    QString handed(const QString &name, bool expectStarted = true)
    {
        const QString record = bin + QLatin1Char('/') + name + QStringLiteral(".record");
        QDeadlineTimer deadline(expectStarted ? 20000 : 300);
        while (!QFile::exists(record) && !deadline.hasExpired())
            QThread::msleep(10);
        if (!QFile::exists(record))
            return QString();
        QString text = QString::fromUtf8(test::readFile(record));
        QFile::remove(record);
        return text;
    }

    QString bin;
    std::optional<test::ScopedEnv> path;
};

} // namespace

TEST_F(DesktopStandIns, RevealShowsTheFolderOrTheFolderHoldingTheItem)
{
    const QString home = test::homePath();
    test::writeFile(home + QStringLiteral("/My Movies/clip.mov"), "x");
    revealFolderInFinder(QStringLiteral("~/My Movies/clip.mov"));
    EXPECT_EQ(handed(QStringLiteral("xdg-open")), home + QStringLiteral("/My Movies/\n"));
    EXPECT_TRUE(test::logHas(QStringLiteral("pathStr             : ") + home + QStringLiteral("/My Movies/")));

    revealFolderInFinder(home + QStringLiteral("/My Movies"));
    EXPECT_EQ(handed(QStringLiteral("xdg-open")), home + QStringLiteral("/My Movies/\n"));

    test::clearLog();
    revealFolderInFinder(QStringLiteral("~/missing"));
    revealFolderInFinder(QStringLiteral(""));
    revealFolderInFinder(QString());
    EXPECT_TRUE(handed(QStringLiteral("xdg-open"), false).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST_F(DesktopStandIns, OpenWithTheDesktopOrANamedApplication)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/-odd name.mov"), "x");
    EXPECT_TRUE(openWith(file, QString()));
    EXPECT_EQ(handed(QStringLiteral("xdg-open")), file + QLatin1Char('\n'));
    EXPECT_TRUE(openWith(file, QStringLiteral("")));
    EXPECT_EQ(handed(QStringLiteral("xdg-open")), file + QLatin1Char('\n'));
    EXPECT_TRUE(openWith(file, QStringLiteral("myplayer")));
    EXPECT_EQ(handed(QStringLiteral("myplayer")), file + QLatin1Char('\n'));
    {
        // A relative path is handed over absolute, so it never reads as an option.
        test::ScopedCwd cwd(s);
        EXPECT_TRUE(openWith(QStringLiteral("-odd name.mov"), QStringLiteral("myplayer")));
        EXPECT_EQ(handed(QStringLiteral("myplayer")), file + QLatin1Char('\n'));
    }
    EXPECT_FALSE(openWith(QString(), QString()));
    EXPECT_FALSE(openWith(QStringLiteral(""), QStringLiteral("myplayer")));
    EXPECT_FALSE(openWith(s + QStringLiteral("/missing"), QString()));
    EXPECT_TRUE(handed(QStringLiteral("myplayer"), false).isNull());
    EXPECT_TRUE(openWith(file, QStringLiteral("no-such-application-here"))) << "handed over is all it says";
}

TEST(FileCocoa, LeadingBytes)
{
    const QString s = test::scratchDir();
    const QByteArray ps("\x00\x00\x01\xBA\x44\x00\x04\x00\x04\x01\xFF\xFF", 12);
    const QByteArray psLate("\x00\x00\x01\xBA\x44\x00\x04\x00\x14\x01", 10);
    struct Case {
        QByteArray bytes;
        int kind;
        bool match;
        QString line;
    };
    const std::vector<Case> cases{
        {"G is for text", 0, true, QStringLiteral("ts headers          :-) <47>")},
        {QByteArray("\x47\x40", 2), 0, true, QStringLiteral("ts headers          :-) <47>")},
        {"x", 0, false, QStringLiteral("ts headers          :-( <78>")},
        {"", 0, false, QStringLiteral("ts headers          :-( <>")},
        {ps, 1, true, QStringLiteral("ps headers          :-) <000001ba 44000400 0401>")},
        {psLate, 1, false, QStringLiteral("ps headers          :-( <000001ba 44000400 1401>")},
        {QByteArray("\x0B\x77\x01", 3), 2, true, QStringLiteral("ac3 headers         :-) <0b77>")},
        {QByteArray("\x0B", 1), 2, false, QStringLiteral("ac3 headers         :-( <0b>")},
    };
    for (const Case &c : cases) {
        test::clearLog();
        const QString file = test::writeFile(s + QStringLiteral("/f"), c.bytes);
        EXPECT_EQ(fileCocoa(file, c.kind), c.match) << c.line.toStdString();
        EXPECT_EQ(test::logLines(), QStringList{c.line});
    }
    test::clearLog();
    EXPECT_FALSE(fileCocoa(s + QStringLiteral("/f"), 3));
    EXPECT_FALSE(fileCocoa(s + QStringLiteral("/f"), -1));
    EXPECT_FALSE(fileCocoa(s + QStringLiteral("/missing"), 0));
    EXPECT_FALSE(fileCocoa(QString(), 0));
    EXPECT_TRUE(test::logLines().isEmpty());

    // The expanded path is the one read; a pipe is never waited on.
    test::writeFile(test::homePath() + QStringLiteral("/a.ac3"), QByteArray("\x0B\x77", 2));
    EXPECT_TRUE(fileCocoa(QStringLiteral("~/a.ac3"), 2));
    ASSERT_TRUE(test::makeFifo(s + QStringLiteral("/fifo")));
    EXPECT_FALSE(fileCocoa(s + QStringLiteral("/fifo"), 0));
}
