// What is there and what it is: presence, names and folders of paths, sizes,
// dates, leading bytes, and what is handed to the desktop.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"
#include "standins.h"

#include <reel/files/presence.h>
#include <reel/files/sizes.h>
#include <reel/files/workspace.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

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
    ASSERT_TRUE(test::makeLink(file, s + u"/fileLink"_s) && test::makeLink(locked, s + u"/lockedLink"_s)
                && test::makeLink(s + u"/folder"_s, s + u"/folderLink"_s)
                && test::makeLink(s + u"/gone"_s, s + u"/dangling"_s) && test::makeSocket(s + u"/sock"_s)
                && test::makeFifo(s + u"/fifo"_s));
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
}

TEST(Presence, NotifiesTheHookOnEveryTestWithTheExpandedPath)
{
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    testPresenceC(u"~/nothing"_s);
    testPresenceC(u""_s);
    refreshFinder(QString());
    // A hook that throws is a notification lost, not a failure.
    setFileSystemChangedHook([](const QString &) { throw 1; });
    EXPECT_TRUE(testPresenceC(test::homePath()));
    setFileSystemChangedHook(previous);
    EXPECT_EQ(seen, QStringList{test::homePath() + u"/nothing"_s});
}

TEST(PathParts, NamesAndFoldersOfBundles)
{
    const QString home = test::homePath();
    const QString dvd = u"~/Movies/My Film.iMovieProject/Shared Movies/iDVD/My Film.mov"_s;
    const struct {
        QString path, basename, nom, dirname, eyetv, bundled;
    } cases[] = {
        {u"/clip.avi"_s, u"clip.avi"_s, u"clip"_s, u"/"_s, u"/clip.avi"_s, u"clip"_s},
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
}

TEST(Sizes, OfFilesFoldersAndPipesInEachUnit)
{
    // A folder of 1.9 MiB counts its whole mebibytes first; its stream has no
    // size. A pipe is never waited on.
    const QString s = test::scratchDir();
    const auto sized = [](const QString &path, qint64 size) {
        test::writeFile(path, QByteArray());
        EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), off_t(size)), 0);
        return path;
    };
    constexpr qint64 kMiB = 1024 * 1024;
    const QString three = sized(s + u"/three.bin"_s, 3 * kMiB), folder = s + u"/folder"_s;
    sized(folder + u"/a"_s, kMiB);
    sized(folder + u"/sub/b"_s, kMiB * 9 / 10);
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    const struct {
        QString path, unit;
        double file, stream;
    } rows[] = {
        {three, u"M"_s, 3.0, 3.0},         {three, u"k"_s, 3072.0, 3072.0},
        {three, QString(), 3.0 * kMiB, 3.0 * kMiB}, {three, u"o"_s, 3.0 * kMiB, 3.0 * kMiB},
        {test::writeFile(s + u"/zero.txt"_s, ""), u"k"_s, 0.0, 0.0},
        {s + u"/missing"_s, u"M"_s, -1.0, -1.0}, {QString(), u"M"_s, -1.0, -1.0},
        {folder, u"M"_s, 1.0, -1.0},       {folder, u"K"_s, 1024.0, -1.0},
        {folder, u"G"_s, 0.0009765625, -1.0}, {folder, u"o"_s, double(kMiB), -1.0},
        {s + u"/fifo"_s, QString(), 0.0, -1.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString() + " " + row.unit.toStdString());
        EXPECT_EQ(poidsFile(row.path, row.unit), row.file);
        EXPECT_EQ(poidsFileC(row.path, row.unit), row.stream);
    }
    EXPECT_FLOAT_EQ(progressPoidsMo(three), 3.0f);
    EXPECT_GT(poidsFile(folder, QString()), 0.0) << "the folder's own entry";
    // No unit means kibibytes; any other unit, and nothing to count, leave the count.
    const std::tuple<qint64, QString, double> counts[] = {
        {2048, QString(), 2.0}, {kMiB * 1024, u"g"_s, 1.0}, {2048, u""_s, 2048.0}, {-5, u"K"_s, -5.0}};
    for (const auto &[count, unit, expected] : counts)
        EXPECT_EQ(octet2unite(count, unit), expected) << count << " " << unit.toStdString();
}

TEST(Sizes, FreeSpaceUpdatesAndDates)
{
    const QString s = test::scratchDir();
    EXPECT_GT(espaceDiskDispo(u"~"_s), -1) << "the path the presence test accepted is the one asked";
    EXPECT_TRUE(espaceDiskDispo(s + u"/missing"_s) == -1 && espaceDiskDispo(QString()) == -1);

    // Files (and pipes, judged without being opened) can be updated; folders cannot.
    const QString file = test::writeFile(s + u"/f"_s, "x");
    test::writeFile(test::homePath() + u"/h"_s, "x");
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    const std::pair<QString, bool> updatable[] = {{file, true}, {u"~/h"_s, true}, {s + u"/fifo"_s, true},
                                                  {s, false},   {s + u"/missing"_s, false}, {QString(), false}};
    for (const auto &[path, expected] : updatable)
        EXPECT_EQ(disponible(path), expected) << path.toStdString();

    const QString text = dateCreation(file);
    static const QRegularExpression form(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"_s);
    EXPECT_TRUE(form.match(text).hasMatch()) << text.toStdString();
    const QDateTime when = QDateTime::fromString(text.left(19), u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_LE(qAbs(when.secsTo(QDateTime::currentDateTime())), 3600);
    EXPECT_TRUE(dateCreation(s + u"/missing"_s).isNull() && dateCreation(QString()).isNull());
    test::makeLink(u"nowhere"_s, s + u"/link"_s);
    EXPECT_FALSE(dateCreation(s + u"/link"_s).isNull()) << "a dangling link has dates of its own";
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
        const QString file = test::writeFile(s + u"/f"_s, c.bytes);
        EXPECT_EQ(fileCocoa(file, c.kind), c.match) << c.line.toStdString();
        EXPECT_EQ(test::takeLog(), QStringList{c.line});
    }
    // The expanded path is the one read; a pipe is never waited on.
    test::writeFile(test::homePath() + u"/a.ac3"_s, QByteArray("\x0B\x77", 2));
    EXPECT_TRUE(fileCocoa(u"~/a.ac3"_s, 2));
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    test::clearLog();
    EXPECT_FALSE(fileCocoa(s + u"/f"_s, 3) || fileCocoa(s + u"/f"_s, -1) || fileCocoa(s + u"/missing"_s, 0)
                 || fileCocoa(QString(), 0) || fileCocoa(s + u"/fifo"_s, 0));
    EXPECT_EQ(test::takeLog(), QStringList{u"ts headers          :-( <>"_s}) << "only the pipe, as empty";
}

TEST(Workspace, RevealAndOpenHandTheFullPathToTheDesktop)
{
    // Stand-ins for the desktop's opener and an application, first on PATH.
    const test::DesktopStandIns standIns{{u"xdg-open"_s, u"myplayer"_s}};
    const QString folder = test::homePath() + u"/My Movies"_s;
    const QString file = test::writeFile(folder + u"/-odd name.mov"_s, "x");
    // Reveal shows the folder, or the folder holding the item.
    for (const QString &path : {u"~/My Movies/-odd name.mov"_s, folder}) {
        revealFolderInFinder(path);
        EXPECT_EQ(standIns.handed(u"xdg-open"_s), folder + u"/\n"_s);
        EXPECT_EQ(test::takeLog(), QStringList{u"pathStr             : "_s + folder + u"/"_s});
    }
    const std::pair<QString, QString> handOvers[] = {
        {QString(), u"xdg-open"_s}, {u""_s, u"xdg-open"_s}, {u"myplayer"_s, u"myplayer"_s}};
    for (const auto &[application, started] : handOvers) {
        EXPECT_TRUE(openWith(file, application));
        EXPECT_EQ(standIns.handed(started), file + u'\n') << application.toStdString();
    }
    {
        // A relative path is handed over absolute, so it never reads as an option.
        test::ScopedCwd cwd(folder);
        EXPECT_TRUE(openWith(u"-odd name.mov"_s, u"myplayer"_s));
        EXPECT_EQ(standIns.handed(u"myplayer"_s), file + u'\n');
    }
    for (const QString &nothing : {u"~/missing"_s, u""_s, QString()}) {
        revealFolderInFinder(nothing);
        EXPECT_FALSE(openWith(nothing, u"myplayer"_s));
    }
    EXPECT_TRUE(standIns.handed(u"myplayer"_s, false).isNull() && standIns.handed(u"xdg-open"_s, false).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_TRUE(openWith(file, u"no-such-application-here"_s)) << "handed over is all it says";
}
