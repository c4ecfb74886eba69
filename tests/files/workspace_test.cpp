#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"
#include "standins.h"

#include <reel/files/workspace.h>

#include <gtest/gtest.h>

#include <QFile>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(Workspace, RevealShowsTheFolderOrTheFolderHoldingTheItem)
{
    const test::DesktopStandIns standIns;
    const QString folder = test::homePath() + u"/My Movies"_s;
    test::writeFile(folder + u"/clip.mov"_s, "x");
    revealFolderInFinder(u"~/My Movies/clip.mov"_s);
    EXPECT_EQ(standIns.handed(u"xdg-open"_s), folder + u"/\n"_s);
    EXPECT_EQ(test::logLines(), QStringList{u"pathStr             : "_s + folder + u"/"_s});
    revealFolderInFinder(folder);
    EXPECT_EQ(standIns.handed(u"xdg-open"_s), folder + u"/\n"_s);

    test::clearLog();
    for (const QString &nothing : {u"~/missing"_s, u""_s, QString()})
        revealFolderInFinder(nothing);
    EXPECT_TRUE(standIns.handed(u"xdg-open"_s, false).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(Workspace, OpenWithTheDesktopOrANamedApplication)
{
    // Stand-ins for the desktop's opener and an application, first on PATH.
    const test::DesktopStandIns standIns{{u"xdg-open"_s, u"myplayer"_s}};
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/-odd name.mov"_s, "x");
    const std::pair<QString, QString> handOvers[] = {
        {QString(), u"xdg-open"_s}, {u""_s, u"xdg-open"_s}, {u"myplayer"_s, u"myplayer"_s}};
    for (const auto &[application, started] : handOvers) {
        EXPECT_TRUE(openWith(file, application));
        EXPECT_EQ(standIns.handed(started), file + u'\n') << application.toStdString();
    }
    {
        // A relative path is handed over absolute, so it never reads as an option.
        test::ScopedCwd cwd(s);
        EXPECT_TRUE(openWith(u"-odd name.mov"_s, u"myplayer"_s));
        EXPECT_EQ(standIns.handed(u"myplayer"_s), file + u'\n');
    }
    EXPECT_FALSE(openWith(QString(), QString()));
    EXPECT_FALSE(openWith(u""_s, u"myplayer"_s));
    EXPECT_FALSE(openWith(s + u"/missing"_s, u"myplayer"_s));
    EXPECT_TRUE(standIns.handed(u"myplayer"_s, false).isNull());
    EXPECT_TRUE(openWith(file, u"no-such-application-here"_s)) << "handed over is all it says";
}

TEST(FileCocoa, LeadingBytes)
{
    const QString s = test::scratchDir();
    const struct {
        QByteArray bytes;
        int kind;
        bool match;
        QString line;
    } cases[] = {
        {"G is for text", 0, true, u"ts headers          :-) <47>"_s},
        {QByteArray("\x47\x40", 2), 0, true, u"ts headers          :-) <47>"_s},
        {"x", 0, false, u"ts headers          :-( <78>"_s},
        {"", 0, false, u"ts headers          :-( <>"_s},
        {QByteArray("\x00\x00\x01\xBA\x44\x00\x04\x00\x04\x01\xFF\xFF", 12), 1, true,
         u"ps headers          :-) <000001ba 44000400 0401>"_s},
        // A first pack with a non-zero clock reference.
        {QByteArray("\x00\x00\x01\xBA\x44\x00\x04\x00\x14\x01", 10), 1, false,
         u"ps headers          :-( <000001ba 44000400 1401>"_s},
        {QByteArray("\x0B\x77\x01", 3), 2, true, u"ac3 headers         :-) <0b77>"_s},
        {QByteArray("\x0B", 1), 2, false, u"ac3 headers         :-( <0b>"_s},
    };
    for (const auto &c : cases) {
        test::clearLog();
        const QString file = test::writeFile(s + u"/f"_s, c.bytes);
        EXPECT_EQ(fileCocoa(file, c.kind), c.match) << c.line.toStdString();
        EXPECT_EQ(test::logLines(), QStringList{c.line});
    }
    test::clearLog();
    EXPECT_FALSE(fileCocoa(s + u"/f"_s, 3));
    EXPECT_FALSE(fileCocoa(s + u"/f"_s, -1));
    EXPECT_FALSE(fileCocoa(s + u"/missing"_s, 0));
    EXPECT_FALSE(fileCocoa(QString(), 0));
    EXPECT_TRUE(test::logLines().isEmpty());

    // The expanded path is the one read; a pipe is never waited on.
    test::writeFile(test::homePath() + u"/a.ac3"_s, QByteArray("\x0B\x77", 2));
    EXPECT_TRUE(fileCocoa(u"~/a.ac3"_s, 2));
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    EXPECT_FALSE(fileCocoa(s + u"/fifo"_s, 0));
}
