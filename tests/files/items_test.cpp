// What is there and what it is (presence, names, sizes, dates, leading
// bytes), listings and tree walks, moving, copying, linking and folders, and
// what is handed to the desktop, all inside the sandbox.
#include "backends.h"
#include "filestate.h"
#include "logcapture.h"
#include "sandbox.h"
#include "standins.h"

#include <reel/files/folders.h>
#include <reel/files/listing.h>
#include <reel/files/movecopy.h>
#include <reel/files/presence.h>
#include <reel/files/sizes.h>
#include <reel/files/workspace.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::existsNoFollow;
using test::modeOf;
using test::prefixed;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

const struct Op {
    const char *name;
    bool (*run)(const QString &, const QString &, const QString &);
    bool keepsSource;
} kOps[] = {{"mvCocoa", mvCocoa, false}, {"cpCocoa", cpCocoa, true}};

} // namespace

TEST(Presence, WhatCountsAsPresentAndAsAFolder)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/file.mov"_s, "x");
    const QString locked = test::writeFile(s + u"/locked"_s, "x");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    QDir().mkpath(s + u"/folder"_s);
    ASSERT_TRUE(test::makeLink(locked, s + u"/lockedLink"_s));
    ASSERT_TRUE(test::makeLink(s + u"/folder"_s, s + u"/folderLink"_s));
    ASSERT_TRUE(test::makeLink(s + u"/gone"_s, s + u"/dangling"_s));
    ASSERT_TRUE(test::makeSocket(s + u"/sock"_s));
    ASSERT_TRUE(test::makeFifo(s + u"/fifo"_s));
    // The path, whether it is present, whether it is a folder.
    const std::tuple<QString, bool, bool> cases[] = {
        {QString(), false, false},           {u""_s, false, false},              {file, true, false},
        {s + u"/folder/"_s, true, true},     {s + u"/missing"_s, false, false},  {s + u"/dangling"_s, false, false},
        {locked, ::geteuid() == 0, false}, // root reads everything
        {s + u"/lockedLink"_s, true, false}, {s + u"/folderLink"_s, true, true},
        {s + u"/sock"_s, false, false},      // exists, cannot be opened, not a link
        {s + u"/fifo"_s, true, false},       // readable, and never waited on
        {u"~"_s, true, false},               // expanded for presence, not for the folder test
    };
    for (const auto &[path, present, folder] : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(testPresenceCocoa(path.isNull() ? QVariant() : QVariant(path)), present);
        EXPECT_EQ(isDirectory(path), folder);
    }
}

TEST(PathParts, NamesAndFoldersOfBundles)
{
    // The path, then its basename, nom, dirname, EyeTV bundle and bundled video name.
    const QString dvd = u"~/Movies/My Film.iMovieProject/Shared Movies/iDVD/My Film.mov"_s;
    const QStringList rows[] = {
        {u"/V/Show.eyetv/a.mpg"_s, u"a.mpg"_s, u"Show"_s, u"/V"_s, u"/V/Show.eyetv"_s, u"Show"_s},
        {dvd, u"My Film.mov"_s, u"My Film"_s, test::homePath() + u"/Movies"_s, dvd, u"My Film"_s},
        {u".iMovieProject/Shared Movies/iDVD/F.mov"_s, u"F.mov"_s, u"F"_s, u""_s,
         u".iMovieProject/Shared Movies/iDVD/F.mov"_s, u""_s},
    };
    for (const QStringList &row : rows) {
        const QString &p = row.first();
        const QStringList parts{fichier_basename(p), fichier_nom(p), fichier_dirname(p), EyetvBundle(p),
                                bundledVideoName(p)};
        EXPECT_EQ(parts, row.mid(1));
    }
    // nil gives "" for the basename and the folder, nil for the others.
    EXPECT_FALSE(fichier_dirname(QString()).isNull());
    EXPECT_TRUE(fichier_nom(QString()).isNull());
}

TEST(Sizes, InEachUnitFreeSpaceUpdatesAndDates)
{
    // A folder of 1.5 MiB counts its whole mebibytes first; its stream has no
    // size. A pipe is never waited on.
    const QString s = test::scratchDir();
    const QString three = s + u"/three.bin"_s, folder = s + u"/folder"_s, fifo = s + u"/fifo"_s;
    for (const auto &[path, mebibytes] : {std::pair{three, 3.0}, {folder + u"/a"_s, 1.0}, {folder + u"/b/c"_s, 0.5}})
        EXPECT_EQ(::truncate(QFile::encodeName(test::writeFile(path, "")).constData(), off_t(mebibytes * kMiB)), 0);
    ASSERT_TRUE(test::makeFifo(fifo));
    const std::tuple<QString, QString, double, double> rows[] = {
        {three, u"k"_s, 3072.0, 3072.0}, {s + u"/missing"_s, u"M"_s, -1, -1}, {folder, u"K"_s, 1024.0, -1},
        {folder, u"G"_s, 1 / 1024.0, -1}, {fifo, QString(), 0.0, -1}};
    for (const auto &[path, unit, file, stream] : rows) {
        SCOPED_TRACE(path.toStdString() + " " + unit.toStdString());
        EXPECT_EQ(poidsFile(path, unit), file);
        EXPECT_EQ(poidsFileC(path, unit), stream);
    }
    // No unit means kibibytes; any other unit leaves the count.
    EXPECT_EQ(octet2unite(2048, QString()), 2.0);
    EXPECT_EQ(octet2unite(2048, u""_s), 2048.0);
    EXPECT_GT(espaceDiskDispo(u"~"_s), -1) << "the path the presence test accepted is the one asked";
    // Files (and pipes, judged without being opened) can be updated; folders cannot.
    for (const auto &[path, expected] : {std::pair{three, true}, {fifo, true}, {s, false}})
        EXPECT_EQ(disponible(path), expected) << path.toStdString();
    const QRegularExpression dateForm(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"_s);
    EXPECT_TRUE(dateForm.match(dateCreation(three)).hasMatch()) << dateCreation(three).toStdString();
}

TEST(FileCocoa, LeadingBytes)
{
    // A program stream's first pack must have a zero clock reference; a pipe
    // is never waited on, but read as empty.
    const QString s = test::scratchDir(), fifo = s + u"/fifo"_s;
    const QString pack = test::writeFile(s + u"/f"_s, QByteArray("\x00\x00\x01\xBA\x44\x00\x04\x00\x14\x01", 10));
    ASSERT_TRUE(test::makeFifo(fifo));
    EXPECT_FALSE(fileCocoa(pack, 1));
    EXPECT_FALSE(fileCocoa(fifo, 0));
    EXPECT_FALSE(fileCocoa(pack, 3));
    EXPECT_TRUE(fileCocoa(test::writeFile(s + u"/a.ac3"_s, "\x0B\x77"), 2));
    EXPECT_EQ(test::takeLog(), (QStringList{u"ps headers          :-( <000001ba 44000400 1401>"_s,
                                            u"ts headers          :-( <>"_s, u"ac3 headers         :-) <0b77>"_s}));
}

TEST(Workspace, RevealAndOpenHandTheFullPathToTheDesktop)
{
    // Stand-ins for the desktop's opener and an application, first on PATH.
    const test::DesktopStandIns standIns{{u"xdg-open"_s, u"myplayer"_s}};
    const QString folder = test::homePath() + u"/My Movies"_s;
    const QString file = test::writeFile(folder + u"/-odd name.mov"_s, "x");
    // Reveal shows the folder holding the item.
    revealFolderInFinder(u"~/My Movies/-odd name.mov"_s);
    EXPECT_EQ(standIns.handed(u"xdg-open"_s), folder + u"/\n"_s);
    EXPECT_EQ(test::takeLog(), QStringList{u"pathStr             : "_s + folder + u"/"_s});
    EXPECT_TRUE(openWith(file, u""_s));
    EXPECT_EQ(standIns.handed(u"xdg-open"_s), file + u'\n');
    {
        // A relative path is handed over absolute, so it never reads as an option.
        test::ScopedCwd cwd(folder);
        EXPECT_TRUE(openWith(u"-odd name.mov"_s, u"myplayer"_s));
        EXPECT_EQ(standIns.handed(u"myplayer"_s), file + u'\n');
    }
    // Nil, "" and what is not there are never handed over.
    test::clearLog();
    for (const QString &path : {QString(), u""_s, u"~/missing"_s, file + u"/"_s}) {
        revealFolderInFinder(path);
        EXPECT_FALSE(openWith(path, u"myplayer"_s));
        EXPECT_FALSE(openWith(path, QString()));
    }
    EXPECT_TRUE(standIns.handed(u"myplayer"_s, false).isNull());
    EXPECT_TRUE(standIns.handed(u"xdg-open"_s, false).isNull());
    EXPECT_EQ(test::takeLog(), QStringList());
}

TEST(FindCocoa, BreadthFirstFilesMatchingThePath)
{
    const QString d = test::scratchDir() + u"/f"_s;
    for (const QString &name : {u"/Film/one.mov"_s, u"/Film/deep/two.mov"_s, u"/film/three.mov"_s, u"/Filmstrip.txt"_s})
        test::writeFile(d + name, "x");
    test::makeLink(u".."_s, d + u"/Film/deep/up"_s); // back up the tree
    test::makeLink(d + u"/film"_s, d + u"/linkToFilm"_s);
    // What is looked for, the case flag, and what is found.
    const std::tuple<QString, QString, QStringList> cases[] = {
        {u"Film"_s, QString(), prefixed(d + u'/', {u"Filmstrip.txt"_s, u"Film/one.mov"_s, u"Film/deep/two.mov"_s})},
        {u"film"_s, u"i"_s,
         prefixed(d + u'/', {u"Filmstrip.txt"_s, u"Film/one.mov"_s, u"film/three.mov"_s, u"Film/deep/two.mov"_s})},
        {u"FILM"_s, u"I"_s, {}},
    };
    for (const auto &[text, flag, found] : cases) {
        SCOPED_TRACE(text.toStdString() + " " + flag.toStdString());
        EXPECT_EQ(findCocoa(d, text, flag), found);
        EXPECT_EQ(test::takeLog(), QStringList{u"findCocoa           - fin : %1 items"_s.arg(found.size())});
    }
}

TEST(LsCocoa, FullPathsSortedByTheirUtf16TextHiddenIncluded)
{
    // In UTF-8 bytes U+1D11E (F0...) sorts after U+FF21 (EF...); in UTF-16
    // units (D834... against FF21) it comes first. Plain names that agree on
    // their first sixteen bytes, or on all of a shorter one, still sort.
    const QString d = test::homePath() + u"/names"_s;
    QStringList names{u"b"_s, u"\uFF21"_s, u"\U0001D11E"_s, u"a.MOV"_s, u"\u00e9"_s, u"0123456789abcdef"_s,
                      u"0123456789abcdef0"_s, u"0123456789abcde"_s, u"0123456789abcdefZ"_s, u"0123456789abcdeg"_s,
                      u"0123456789abcdef.mov"_s, u"0123456789abcdef.a"_s, u"0123456789abcdef0123456789abcdef1"_s,
                      u"0123456789abcdef0123456789abcdef"_s, u".hidden"_s, u"0123456789abcdef~"_s, u" lead"_s};
    for (const QString &name : names)
        test::writeFile(d + u'/' + name, "x");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(lsCocoa(u"~/names/"_s), prefixed(d + u'/', names));
    EXPECT_EQ(lsCocoaRecursive(d), prefixed(d + u'/', names));
    for (const QString &nothing : {QString(), d + u"/b"_s, d + u"/missing"_s}) {
        EXPECT_TRUE(lsCocoa(nothing).isEmpty()) << nothing.toStdString();
        EXPECT_TRUE(lsGrepCocoa(nothing, u"mov"_s).isEmpty()) << nothing.toStdString();
    }
    // The extension is compared without case; the first file of an
    // extension matches it exactly, in the folder as written.
    EXPECT_EQ(lsGrepCocoa(d, u"mov"_s), prefixed(d + u'/', {u"0123456789abcdef.mov"_s, u"a.MOV"_s}));
    EXPECT_EQ(fileFromFolder(d, u"MOV"_s), d + u"/a.MOV"_s);
    EXPECT_EQ(fileFromFolder(u"~/names"_s, u"mov"_s), u""_s);
}

TEST(TreeWalk, NamesThatAreNotUtf8AndSmallFilesOfLargeFoldersAreCounted)
{
    const QString d = test::scratchDir() + u"/raw"_s;
    QDir().mkpath(d + u"/sub"_s);
    // Latin-1 (not UTF-8), no text at all, plain; a sparse gibibyte next to
    // 200 files of fifty bytes, far below the spacing of single-precision
    // numbers near 1024 (a running total in mebibytes would lose them).
    const std::pair<QByteArray, qint64> files[] = {
        {"caf\xe9.mov", 3000}, {"sub/\xff\xfe", 5000}, {"plain.mov", 7}, {"huge.bin", qint64(1024 * kMiB)}};
    for (const auto &[name, size] : files) {
        const int fd = ::open((QFile::encodeName(d) + '/' + name).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(size)), 0);
        ::close(fd);
    }
    for (int i = 0; i < 200; ++i)
        test::writeFile(d + u"/small%1"_s.arg(i, 3, 10, QLatin1Char('0')), QByteArray(50, 's'));
    // Every item is measured through its stored name, not its decoded text.
    const qint64 folder = QFileInfo(d + u"/sub"_s).size();
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float((3000 + 5000 + 7 + 1024 * kMiB + 200 * 50 + folder) / kMiB));
    EXPECT_EQ(lsCocoaRecursive(d).size(), 205);
    EXPECT_EQ(lsCocoa(d).size(), 204);
}

TEST(TreeWalk, TreesDeeperThanTheOpenFoldersAreWalkedWhole)
{
    const QString d = test::scratchDir() + u"/deep"_s;
    QString folder = d;
    QStringList expected;
    for (int i = 0; i < 70; ++i)
        expected << (folder += u"/level%1"_s.arg(i));
    ASSERT_TRUE(QDir().mkpath(folder));
    test::writeFile(folder + u"/bottom.mov"_s, QByteArray(4096, 'b'));
    test::makeLink(u"../.."_s, folder + u"/up"_s); // back up the tree: listed, never entered
    test::makeLink(d, folder + u"/top"_s);
    test::writeFile(d + u"/zz.mov"_s, QByteArray(1024, 'z'));
    qint64 bytes = 4096 + 1024 + 5 + qint64(QFile::encodeName(d).size()); // a link's size is its text
    for (const QString &level : expected)
        bytes += QFileInfo(level).size();
    expected << folder + u"/bottom.mov"_s << folder + u"/top"_s << folder + u"/up"_s << d + u"/zz.mov"_s;

    EXPECT_EQ(lsCocoaRecursive(d + u"//"_s), expected) << "the folder as written, cleaned";
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float(bytes / kMiB));
}

TEST(MoveCopy, OverwriteOnlyWithExactlyYAndTellTheTruth)
{
    for (const Op &op : kOps) {
        SCOPED_TRACE(op.name);
        const QString s = test::scratchDir() + u'/' + QLatin1String(op.name);
        const QString src = test::writeFile(s + u"/src.mov"_s, "new");
        const QString dst = test::writeFile(s + u"/dst.mov"_s, "old");
        for (const QString &flag : {QString(), u"Y"_s, u"yes"_s}) {
            EXPECT_FALSE(op.run(src, dst, flag)) << flag.toStdString();
            EXPECT_EQ(test::readFile(dst), QByteArray("old"));
        }
        // The move says so whatever the debug level, the copy only with it.
        EXPECT_EQ(test::takeLog(), op.keepsSource ? QStringList() : QStringList(3, u"New already exists   :-( "_s + dst));
        EXPECT_FALSE(op.run(s + u"/none"_s, s + u"/x"_s, u"y"_s));
        EXPECT_EQ(test::takeLog(), QStringList{u"File current        :-( does not exist: "_s + s + u"/none"_s});
        const QString into = s + u"/no/such/folder/x.mov"_s;
        EXPECT_FALSE(op.run(src, into, QString()));
        EXPECT_FALSE(existsNoFollow(into));
        EXPECT_TRUE(test::takeLog().filter(into).size() == 1) << "the platform's error is logged";

        EXPECT_TRUE(op.run(src, dst, u"y"_s));
        EXPECT_EQ(test::readFile(dst), QByteArray("new"));
        EXPECT_EQ(existsNoFollow(src), op.keepsSource);
    }
}

TEST(MoveCopy, FoldersLinksAndTilde)
{
    const QString home = test::homePath();
    test::writeFile(home + u"/tree/a/b.mov"_s, "b");
    test::writeFile(home + u"/tree/.hidden"_s, "h");
    test::makeLink(u"a/b.mov"_s, home + u"/tree/rel"_s);
    EXPECT_TRUE(cpCocoa(u"~/tree"_s, u"~/copy"_s, QString()));
    EXPECT_EQ(test::readFile(home + u"/copy/a/b.mov"_s) + test::readFile(home + u"/copy/.hidden"_s), "bh");
    EXPECT_EQ(srcFromLn(home + u"/copy/rel"_s), u"a/b.mov"_s) << "links stay links";
    EXPECT_TRUE(mvCocoa(u"~/copy"_s, u"~/moved"_s, QString()));
    EXPECT_EQ(test::readFile(home + u"/moved/a/b.mov"_s), QByteArray("b"));

    // A folder that holds a pipe is not copied: reading it would wait.
    test::makeFifo(home + u"/tree/a/pipe"_s);
    EXPECT_FALSE(cpCocoa(u"~/tree"_s, u"~/copy2"_s, QString()));
    EXPECT_FALSE(existsNoFollow(home + u"/copy2"_s));

    EXPECT_TRUE(ln_sCocoa(u"moved"_s, home + u"/l"_s));
    EXPECT_EQ(srcFromLn(home + u"/l"_s), u"moved"_s);
    EXPECT_FALSE(ln_sCocoa(u"f"_s, home + u"/l"_s)) << "taken, or nil";
    EXPECT_FALSE(ln_sCocoa(QString(), home + u"/m"_s)) << "taken, or nil";
    EXPECT_TRUE(srcFromLn(home + u"/moved"_s).isNull());
    EXPECT_TRUE(srcFromLn(QString()).isNull());
}

TEST(MoveCopy, ADangerousOrUnreadableDestinationIsNotReplaced)
{
    // The guard refuses the home folder as a destination to clear; the
    // operation then fails instead of claiming success.
    const QString s = test::scratchDir();
    const QString src = test::writeFile(s + u"/src"_s, "x");
    {
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_FALSE(mvCocoa(src, u"~"_s, u"y"_s));
        EXPECT_FALSE(cpCocoa(src, u"~/"_s, u"y"_s));
    }
    // A dangling link exists, though it is not present: it is never replaced.
    const QString dangling = s + u"/dangling"_s;
    test::makeLink(s + u"/nowhere"_s, dangling);
    EXPECT_FALSE(mvCocoa(src, dangling, QString()));
    EXPECT_FALSE(cpCocoa(src, dangling, QString()));
    EXPECT_EQ(srcFromLn(dangling), s + u"/nowhere"_s);
    EXPECT_TRUE(existsNoFollow(src));
    // "/" after a file names nothing: no source, and no destination to clear.
    const QString dst = test::writeFile(s + u"/dst"_s, "keep");
    for (const Op &op : kOps) {
        SCOPED_TRACE(op.name);
        EXPECT_FALSE(op.run(src + u"/"_s, s + u"/out"_s, u"y"_s));
        EXPECT_FALSE(op.run(src, dst + u"/"_s, u"y"_s));
        EXPECT_EQ(test::readFile(dst), "keep");
        EXPECT_TRUE(existsNoFollow(src));
        EXPECT_FALSE(existsNoFollow(s + u"/out"_s));
    }
}

TEST(MoveCopy, NeverDestroysTheSourceItself)
{
    // Clearing these destinations would delete the source before it moved.
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/dir/clip.mov"_s, "clip");
    test::makeLink(file, s + u"/current.mov"_s);
    // The same file, its folder, a folder into itself, a link over its own data.
    const std::pair<QString, QString> cases[] = {{file, s + u"/dir/./clip.mov"_s}, {file, s + u"/dir"_s},
                                                 {s + u"/dir"_s, s + u"/dir/sub"_s}, {s + u"/current.mov"_s, file}};
    for (const Op &op : kOps) {
        for (const auto &[from, to] : cases) {
            SCOPED_TRACE(std::string(op.name) + " " + from.toStdString() + " -> " + to.toStdString());
            EXPECT_FALSE(op.run(from, to, u"y"_s));
            EXPECT_EQ(test::readFile(file), QByteArray("clip"));
            const QStringList lines = test::takeLog();
            ASSERT_EQ(lines.size(), 1);
            EXPECT_TRUE(lines[0].startsWith(op.keepsSource ? u"cannot copy"_s : u"cannot move"_s));
        }
    }
    EXPECT_FALSE(existsNoFollow(s + u"/dir/sub"_s));
    EXPECT_EQ(srcFromLn(s + u"/current.mov"_s), file);
}

TEST(Folders, MkdirChmodAndTheScratchFolderTest)
{
    const mode_t oldMask = ::umask(022);
    EXPECT_TRUE(mkdirCocoa(u"~/a/b"_s));
    ::umask(oldMask);
    const QString home = test::homePath();
    EXPECT_EQ(modeOf(home + u"/a"_s), 0777);
    EXPECT_EQ(modeOf(home + u"/a/b"_s), 0777);
    // An existing folder is a success, silent, and keeps its mode.
    ::chmod(QFile::encodeName(home + u"/a"_s).constData(), 0700);
    EXPECT_TRUE(mkdirCocoa(u"~/a/"_s));
    EXPECT_EQ(modeOf(home + u"/a"_s), 0700);
    const QString file = test::writeFile(test::scratchDir() + u"/clip.mov"_s, "x");
    EXPECT_FALSE(mkdirCocoa(QString()));
    EXPECT_FALSE(mkdirCocoa(file + u"/sub"_s));
    EXPECT_EQ(test::takeLog(), (QStringList{u"mkdir               :-(  '%1/sub'"_s.arg(file),
                                            u"mkdir               :-(( '%1/sub'"_s.arg(file)}));

    // One of two modes; the recursion is only logged.
    for (const auto &[mode, flag, expected, logged] :
         {std::tuple{644, QString(), 0755, false}, {777, u"R"_s, 0777, true}}) {
        EXPECT_TRUE(chmodCocoa(file, mode, flag));
        EXPECT_EQ(modeOf(file), expected) << mode;
        EXPECT_EQ(test::takeLog().contains(u"faudra voir comment faire de la récursivité …"_s), logged);
    }

    // A file tests its folder, through a scratch folder it leaves nothing of.
    const QString s = test::scratchDir();
    EXPECT_TRUE(droitsAcces(file));
    EXPECT_TRUE(test::takeLog().contains(u"droitsAcces         ? 1 ("_s + s + u")"_s));
    EXPECT_FALSE(droitsAcces(file + u"/x"_s));
    EXPECT_FALSE(droitsAcces(QString()));
    EXPECT_TRUE(test::takeLog().contains(u"droitsAcces         ? 0 ("_s + file + u")"_s));
    EXPECT_EQ(QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"clip.mov"_s});
}
