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
using namespace Qt::StringLiterals;

TEST(Presence, WhatCountsAsPresentAndAsAFolder)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/file.mov"_s, "x");
    const QString locked = test::writeFile(s + u"/locked"_s, "x");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    QDir().mkpath(s + u"/folder"_s);
    ASSERT_TRUE(test::makeLink(file, s + u"/fileLink"_s));
    ASSERT_TRUE(test::makeLink(locked, s + u"/lockedLink"_s));
    ASSERT_TRUE(test::makeLink(s + u"/folder"_s, s + u"/folderLink"_s));
    ASSERT_TRUE(test::makeLink(s + u"/gone"_s, s + u"/dangling"_s));
    ASSERT_TRUE(test::makeSocket(s + u"/sock"_s));
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    test::writeFile(test::homePath() + u"/Movies/m.mov"_s, "m");

    const struct {
        QString path;
        bool present, folder;
    } cases[] = {
        {QString(), false, false},           {u""_s, false, false},            {file, true, false},
        {s + u"/folder"_s, true, true},      {s + u"/folder/"_s, true, true},  {s + u"/missing"_s, false, false},
        {locked, ::geteuid() == 0, false}, // root reads everything
        {s + u"/lockedLink"_s, true, false}, {s + u"/fileLink"_s, true, false}, {s + u"/folderLink"_s, true, true},
        {s + u"/dangling"_s, false, false},
        {s + u"/sock"_s, false, false},    // exists, cannot be opened, not a link
        {s + u"/fifo"_s, true, false},     // readable, and never waited on
        {u"~/Movies"_s, true, false},      // expanded for presence, not for the folder test
        {u"~/Movies/m.mov"_s, true, false},  {u"~/Movies/none.mov"_s, false, false}, {u"/dev/null"_s, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(testPresenceC(c.path), c.present);
        EXPECT_EQ(testPresenceCocoa(c.path.isNull() ? QVariant() : QVariant(c.path)), c.present);
        EXPECT_EQ(isDirectory(c.path), c.folder);
    }
    EXPECT_FALSE(testPresenceCocoa(QVariant(12345)));
    test::ScopedCwd cwd(s);
    QDir().mkpath(s + u"/~/Movies"_s);
    EXPECT_TRUE(isDirectory(u"~/Movies"_s)) << "a folder literally named ~";
}

TEST(Presence, NotifiesTheHookOnEveryTestWithTheExpandedPath)
{
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    testPresenceC(u"~/nothing"_s);
    testPresenceC(u""_s);
    testPresenceC(test::homePath());
    refreshFinder(QString());
    // A hook that throws is a notification lost, not a failure.
    setFileSystemChangedHook([](const QString &) { throw 1; });
    EXPECT_TRUE(testPresenceC(test::homePath()));
    setFileSystemChangedHook(previous);
    EXPECT_EQ(seen, (QStringList{test::homePath() + u"/nothing"_s, test::homePath()}));
}

TEST(PathParts, NamesAndFoldersOfBundles)
{
    const QString home = test::homePath();
    const QString dvd = u"~/Movies/My Film.iMovieProject/Shared Movies/iDVD/My Film.mov"_s;
    const struct {
        QString path, basename, nom, dirname, eyetv, bundled;
    } cases[] = {
        {u"/tmp/clip.avi"_s, u"clip.avi"_s, u"clip"_s, u"/tmp"_s, u"/tmp/clip.avi"_s, u"clip"_s},
        {u"/tmp"_s, u"tmp"_s, u"tmp"_s, u"/"_s, u"/tmp"_s, u"tmp"_s},
        {u"/Volumes/Disk/Show.eyetv/a.mpg"_s, u"a.mpg"_s, u"Show"_s, u"/Volumes/Disk"_s, u"/Volumes/Disk/Show.eyetv"_s,
         u"Show"_s},
        {u"/V/Show.eyetv/sub/x.mpg"_s, u"x.mpg"_s, u"x"_s, u"/V/Show.eyetv/sub"_s, u"/V/Show.eyetv/sub/x.mpg"_s,
         u"Show"_s},
        {dvd, u"My Film.mov"_s, u"My Film"_s, home + u"/Movies"_s, dvd, u"My Film"_s},
        {u"~/a.b.mov"_s, u"a.b.mov"_s, u"a.b"_s, home, u"~/a.b.mov"_s, u"a.b"_s},
        {u"x.eyetv/"_s, u"x.eyetv"_s, u"x"_s, u""_s, u"x.eyetv/"_s, u"x"_s},
        {u".iMovieProject/Shared Movies/iDVD/F.mov"_s, u"F.mov"_s, u"F"_s, u""_s,
         u".iMovieProject/Shared Movies/iDVD/F.mov"_s, u""_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(fichier_basename(c.path), c.basename);
        EXPECT_EQ(fichier_nom(c.path), c.nom);
        EXPECT_EQ(fichier_dirname(c.path), c.dirname);
        EXPECT_EQ(EyetvBundle(c.path), c.eyetv);
        EXPECT_EQ(bundledVideoName(c.path), c.bundled);
    }
    // nil gives "" for the basename and the folder, nil for the others.
    for (const QString &empty : {fichier_basename(QString()), fichier_dirname(QString())})
        EXPECT_TRUE(empty.isEmpty() && !empty.isNull());
    EXPECT_TRUE(fichier_nom(QString()).isNull() && EyetvBundle(QString()).isNull()
                && bundledVideoName(QString()).isNull());
    EXPECT_TRUE(test::logLines().isEmpty()) << "all debug lines are gated";

    setDEBUG(1);
    fichier_dirname(u"/M/F.iMovieProject/Shared Movies/iDVD/F.mov"_s);
    fichier_nom(u"/S.eyetv/a.mpg"_s);
    bundledVideoName(u"/t/c.avi"_s);
    EXPECT_EQ(test::logLines(), (QStringList{
                                    u"bundle imovie        : /M/F.iMovieProject"_s,
                                    u"EyetvBundle         - debut - /M/F.iMovieProject"_s,
                                    u"EyetvBundle         - fin   - /M/F.iMovieProject"_s,
                                    u"fichier_dirname     - fin   - /M"_s,
                                    u"fichier_nom         - debut - /S.eyetv/a.mpg"_s,
                                    u"EyetvBundle         - debut - /S.eyetv/a.mpg"_s,
                                    u"EyetvBundle         - fin   - /S.eyetv"_s,
                                    u"fichier_nom         - fin   - S"_s,
                                    u"input               : /t/c.avi"_s,
                                }));
}
