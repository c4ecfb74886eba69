#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/presence.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace reel;

TEST(Presence, WhatCountsAsPresent)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/file.mov"), "x");
    const QString locked = test::writeFile(s + QStringLiteral("/locked"), "x");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    QDir().mkpath(s + QStringLiteral("/folder"));
    ASSERT_TRUE(test::makeLink(file, s + QStringLiteral("/fileLink")));
    ASSERT_TRUE(test::makeLink(locked, s + QStringLiteral("/lockedLink")));
    ASSERT_TRUE(test::makeLink(s + QStringLiteral("/folder"), s + QStringLiteral("/folderLink")));
    ASSERT_TRUE(test::makeLink(s + QStringLiteral("/gone"), s + QStringLiteral("/dangling")));
    ASSERT_TRUE(test::makeSocket(s + QStringLiteral("/sock")));
    ASSERT_TRUE(test::makeFifo(s + QStringLiteral("/fifo")));
    test::writeFile(test::homePath() + QStringLiteral("/Movies/m.mov"), "m");
    const bool root = ::geteuid() == 0;

    struct Case {
        QString path;
        bool present;
    };
    const std::vector<Case> cases{
        {QString(), false},
        {QStringLiteral(""), false},
        {file, true},
        {s + QStringLiteral("/folder"), true},
        {s + QStringLiteral("/folder/"), true},
        {s + QStringLiteral("/missing"), false},
        {locked, root}, // root reads everything
        {s + QStringLiteral("/lockedLink"), true},
        {s + QStringLiteral("/fileLink"), true},
        {s + QStringLiteral("/folderLink"), true},
        {s + QStringLiteral("/dangling"), false},
        {s + QStringLiteral("/sock"), false}, // exists, cannot be opened, not a link
        {s + QStringLiteral("/fifo"), true},  // readable, and never waited on
        {QStringLiteral("~/Movies"), true},
        {QStringLiteral("~/Movies/m.mov"), true},
        {QStringLiteral("~/Movies/none.mov"), false},
        {QStringLiteral("/dev/null"), true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(testPresenceC(c.path), c.present) << c.path.toStdString();
        EXPECT_EQ(testPresenceCocoa(c.path.isNull() ? QVariant() : QVariant(c.path)), c.present) << c.path.toStdString();
    }
    EXPECT_FALSE(testPresenceCocoa(QVariant()));
    EXPECT_FALSE(testPresenceCocoa(QVariant(12345)));
}

TEST(Presence, NotifiesTheHookOnEveryTestWithTheExpandedPath)
{
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    testPresenceC(QStringLiteral("~/nothing"));
    testPresenceC(QStringLiteral(""));
    testPresenceC(test::homePath());
    refreshFinder(QString());
    // A hook that throws is a notification lost, not a failure.
    setFileSystemChangedHook([](const QString &) { throw 1; });
    EXPECT_TRUE(testPresenceC(test::homePath()));
    setFileSystemChangedHook(previous);
    EXPECT_EQ(seen, (QStringList{test::homePath() + QStringLiteral("/nothing"), test::homePath()}));
}

TEST(Presence, IsDirectoryFollowsLinksButDoesNotExpand)
{
    const QString s = test::scratchDir();
    QDir().mkpath(s + QStringLiteral("/folder"));
    test::writeFile(s + QStringLiteral("/file"), "x");
    test::makeLink(s + QStringLiteral("/folder"), s + QStringLiteral("/link"));
    QDir().mkpath(test::homePath() + QStringLiteral("/Movies"));
    EXPECT_TRUE(isDirectory(s + QStringLiteral("/folder")));
    EXPECT_TRUE(isDirectory(s + QStringLiteral("/link")));
    EXPECT_FALSE(isDirectory(s + QStringLiteral("/file")));
    EXPECT_FALSE(isDirectory(s + QStringLiteral("/missing")));
    EXPECT_FALSE(isDirectory(QString()));
    EXPECT_FALSE(isDirectory(QStringLiteral("")));
    EXPECT_FALSE(isDirectory(QStringLiteral("~/Movies")));
    {
        test::ScopedCwd cwd(s);
        QDir().mkpath(s + QStringLiteral("/~/Movies"));
        EXPECT_TRUE(isDirectory(QStringLiteral("~/Movies"))) << "a folder literally named ~";
    }
}

TEST(PathParts, NamesAndFoldersOfBundles)
{
    const QString home = test::homePath();
    struct Case {
        QString path;
        QString basename, nom, dirname, eyetv, bundled;
    };
    const QString dvd = QStringLiteral("~/Movies/My Film.iMovieProject/Shared Movies/iDVD/My Film.mov");
    const std::vector<Case> cases{
        {QStringLiteral("/tmp/clip.avi"), QStringLiteral("clip.avi"), QStringLiteral("clip"), QStringLiteral("/tmp"),
         QStringLiteral("/tmp/clip.avi"), QStringLiteral("clip")},
        {QStringLiteral("/tmp"), QStringLiteral("tmp"), QStringLiteral("tmp"), QStringLiteral("/"), QStringLiteral("/tmp"),
         QStringLiteral("tmp")},
        {QStringLiteral("/Volumes/Disk/Show.eyetv/a.mpg"), QStringLiteral("a.mpg"), QStringLiteral("Show"),
         QStringLiteral("/Volumes/Disk"), QStringLiteral("/Volumes/Disk/Show.eyetv"), QStringLiteral("Show")},
        {QStringLiteral("/V/Show.eyetv/sub/x.mpg"), QStringLiteral("x.mpg"), QStringLiteral("x"),
         QStringLiteral("/V/Show.eyetv/sub"), QStringLiteral("/V/Show.eyetv/sub/x.mpg"), QStringLiteral("Show")},
        {dvd, QStringLiteral("My Film.mov"), QStringLiteral("My Film"), home + QStringLiteral("/Movies"), dvd,
         QStringLiteral("My Film")},
        {QStringLiteral("~/a.b.mov"), QStringLiteral("a.b.mov"), QStringLiteral("a.b"), home,
         QStringLiteral("~/a.b.mov"), QStringLiteral("a.b")},
        {QStringLiteral("x.eyetv/"), QStringLiteral("x.eyetv"), QStringLiteral("x"), QStringLiteral(""),
         QStringLiteral("x.eyetv/"), QStringLiteral("x")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(fichier_basename(c.path), c.basename);
        EXPECT_EQ(fichier_nom(c.path), c.nom);
        EXPECT_EQ(fichier_dirname(c.path), c.dirname);
        EXPECT_EQ(EyetvBundle(c.path), c.eyetv);
        EXPECT_EQ(bundledVideoName(c.path), c.bundled);
    }
    EXPECT_EQ(fichier_basename(QString()), QStringLiteral(""));
    EXPECT_FALSE(fichier_basename(QString()).isNull());
    EXPECT_TRUE(fichier_nom(QString()).isNull());
    EXPECT_EQ(fichier_dirname(QString()), QStringLiteral(""));
    EXPECT_FALSE(fichier_dirname(QString()).isNull());
    EXPECT_TRUE(EyetvBundle(QString()).isNull());
    EXPECT_TRUE(bundledVideoName(QString()).isNull());
    EXPECT_TRUE(test::logLines().isEmpty()) << "all debug lines are gated";
}

TEST(PathParts, DebugLines)
{
    setDEBUG(1);
    fichier_dirname(QStringLiteral("/M/F.iMovieProject/Shared Movies/iDVD/F.mov"));
    EXPECT_EQ(test::logLines(), (QStringList{
                                    QStringLiteral("bundle imovie        : /M/F.iMovieProject"),
                                    QStringLiteral("EyetvBundle         - debut - /M/F.iMovieProject"),
                                    QStringLiteral("EyetvBundle         - fin   - /M/F.iMovieProject"),
                                    QStringLiteral("fichier_dirname     - fin   - /M"),
                                }));
    test::clearLog();
    fichier_nom(QStringLiteral("/S.eyetv/a.mpg"));
    bundledVideoName(QStringLiteral("/t/c.avi"));
    EXPECT_EQ(test::logLines(), (QStringList{
                                    QStringLiteral("fichier_nom         - debut - /S.eyetv/a.mpg"),
                                    QStringLiteral("EyetvBundle         - debut - /S.eyetv/a.mpg"),
                                    QStringLiteral("EyetvBundle         - fin   - /S.eyetv"),
                                    QStringLiteral("fichier_nom         - fin   - S"),
                                    QStringLiteral("input               : /t/c.avi"),
                                }));
}
