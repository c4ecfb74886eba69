// Listings, tree walks and searches: sorted full paths, hidden items, loops
// of links, names that sort apart from their bytes or are not UTF-8, and
// trees deeper than the walk keeps open.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/listing.h>
#include <reel/files/sizes.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

QStringList under(const QString &folder, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << folder + u'/' + name;
    return out;
}

constexpr double kMiB = 1024.0 * 1024.0;

} // namespace

TEST(LsCocoa, FullSortedPathsHiddenIncluded)
{
    const QString home = test::homePath();
    const QString d = home + u"/list"_s;
    for (const QString &name : {u"b.mov"_s, u"a.MOV"_s, u".hidden"_s, u"Z"_s, u"noext"_s, u"été.mpg"_s})
        test::writeFile(d + u'/' + name, "x");
    QDir().mkpath(d + u"/folder"_s);
    QDir().mkpath(home + u"/empty"_s);
    const QStringList all =
        under(d, {u".hidden"_s, u"Z"_s, u"a.MOV"_s, u"b.mov"_s, u"folder"_s, u"noext"_s, u"été.mpg"_s});
    EXPECT_EQ(lsCocoa(u"~/list"_s), all);
    EXPECT_EQ(lsCocoa(d + u"/"_s), all);
    for (const QString &nothing : {QString(), home + u"/empty"_s, d + u"/b.mov"_s, d + u"/missing"_s})
        EXPECT_TRUE(lsCocoa(nothing).isEmpty() && lsGrepCocoa(nothing, u"mov"_s).isEmpty()) << nothing.toStdString();

    // The extension is compared without case; no extension asked: the bare names.
    EXPECT_EQ(lsGrepCocoa(d, u"mov"_s), under(d, {u"a.MOV"_s, u"b.mov"_s}));
    for (const QString &none : {QString(), u""_s})
        EXPECT_EQ(lsGrepCocoa(d, none), under(d, {u".hidden"_s, u"Z"_s, u"folder"_s, u"noext"_s}));
    EXPECT_TRUE(lsGrepCocoa(d, u"avi"_s).isEmpty());

    // The first in listing order whose extension matches exactly; the folder is not expanded.
    const std::pair<QString, QString> firsts[] = {
        {u"mov"_s, d + u"/b.mov"_s}, {u"MOV"_s, d + u"/a.MOV"_s}, {u"avi"_s, u""_s}};
    for (const auto &[extension, file] : firsts)
        EXPECT_EQ(fileFromFolder(d, extension), file) << extension.toStdString();
    EXPECT_EQ(fileFromFolder(u"~/list"_s, u"mov"_s), u""_s);
    EXPECT_EQ(fileFromFolder(QString(), u"mov"_s), u""_s);
    EXPECT_TRUE(test::takeLog().isEmpty());

    setDEBUG(1);
    lsGrepCocoa(d, u"mov"_s);
    fileFromFolder(d, u"mov"_s);
    for (const QString &line : {u"lsCocoa             - debut : "_s + d, u"lsCocoa             - fin : 7 items : ("_s,
                                u"lsGrepCocoa extStr  :'mov' ? ext=mov file="_s + d + u"/b.mov"_s,
                                u"lsGrepCocoa return  : "_s,
                                u"fichier: b.mov, extension : mov"_s, u"fileFromFolder str : "_s + d + u"/b.mov"_s})
        EXPECT_TRUE(test::logContains(line)) << line.toStdString();
}

TEST(FindCocoa, BreadthFirstFilesMatchingThePath)
{
    const QString d = test::scratchDir() + u"/f"_s;
    test::writeFile(d + u"/Film/one.mov"_s, "1");
    test::writeFile(d + u"/Film/deep/two.mov"_s, "2");
    test::writeFile(d + u"/film/three.mov"_s, "3");
    test::writeFile(d + u"/Filmstrip.txt"_s, "4");
    test::writeFile(d + u"/other.mov"_s, "5");
    QDir().mkpath(d + u"/Film/emptyFilm"_s);
    test::makeLink(u".."_s, d + u"/Film/deep/up"_s); // back up the tree
    test::makeLink(d + u"/film"_s, d + u"/linkToFilm"_s);

    const struct {
        QString text, flag;
        QStringList found;
    } cases[] = {
        {u"Film"_s, QString(), under(d, {u"Filmstrip.txt"_s, u"Film/one.mov"_s, u"Film/deep/two.mov"_s})},
        {u"film"_s, u"i"_s,
         under(d, {u"Filmstrip.txt"_s, u"Film/one.mov"_s, u"film/three.mov"_s, u"Film/deep/two.mov"_s})},
        {u"FILM"_s, u"I"_s, {}},
        {u"three"_s, QString(), under(d, {u"film/three.mov"_s})},
        {u".mov"_s, QString(),
         under(d, {u"other.mov"_s, u"Film/one.mov"_s, u"film/three.mov"_s, u"Film/deep/two.mov"_s})},
        {u""_s, QString(), {}},
        {QString(), QString(), {}},
    };
    for (const auto &c : cases) {
        test::clearLog();
        EXPECT_EQ(findCocoa(d, c.text, c.flag), c.found) << c.text.toStdString() << " " << c.flag.toStdString();
        EXPECT_EQ(test::logLines(), QStringList{u"findCocoa           - fin : %1 items"_s.arg(c.found.size())});
    }
    EXPECT_TRUE(findCocoa(QString(), u"x"_s, QString()).isEmpty());
    EXPECT_TRUE(findCocoa(d + u"/missing"_s, u"x"_s, QString()).isEmpty());
}

TEST(TreeWalk, NamesSortByTheirUtf16Text)
{
    // In UTF-8 bytes U+1D11E (F0...) sorts after U+FF21 (EF...); in UTF-16
    // units (D834... against FF21) it comes first. Plain names that agree on
    // their first sixteen bytes, or on all of a shorter one, still sort.
    const QString d = test::scratchDir() + u"/names"_s;
    QStringList names{u"b"_s, u"\uFF21"_s, u"\U0001D11E"_s, u"A"_s, u"\u00e9"_s, u"0123456789abcdef"_s,
                      u"0123456789abcdef0"_s, u"0123456789abcde"_s, u"0123456789abcdefZ"_s, u"0123456789abcdeg"_s,
                      u"0123456789abcdef.mov"_s, u"0123456789abcdef.a"_s, u"0123456789abcdef0123456789abcdef1"_s,
                      u"0123456789abcdef0123456789abcdef"_s, u"0"_s, u"0123456789abcdef~"_s, u" lead"_s};
    for (const QString &name : names)
        test::writeFile(d + u'/' + name, "x");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(lsCocoa(d), under(d, names));
    EXPECT_EQ(lsCocoaRecursive(d), under(d, names));
}

TEST(TreeWalk, NamesThatAreNotUtf8AreCountedAndListed)
{
    const QString d = test::scratchDir() + u"/raw"_s;
    QDir().mkpath(d + u"/sub"_s);
    const std::pair<QByteArray, int> files[] = {{"caf\xe9.mov", 3000}, {"sub/\xff\xfe", 5000}, {"plain.mov", 7}};
    for (const auto &[name, size] : files) { // Latin-1 (not UTF-8), no text at all, plain
        const int fd = ::open((QFile::encodeName(d) + '/' + name).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, QByteArray(size, 'x').constData(), size_t(size)), ssize_t(size));
        ::close(fd);
    }
    // Every item is measured through its stored name, not its decoded text.
    const qint64 folder = QFileInfo(d + u"/sub"_s).size();
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float((3000 + 5000 + 7 + folder) / kMiB));
    const QStringList items = lsCocoaRecursive(d);
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items.contains(d + u"/plain.mov"_s) && items.contains(d + u"/sub"_s));
    EXPECT_EQ(lsCocoa(d).size(), 3);
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

    EXPECT_EQ(lsCocoaRecursive(d), expected);
    EXPECT_EQ(lsCocoaRecursive(d + u"//"_s), expected) << "the folder as written, cleaned";
    for (const QString &nothing : {d + u"/zz.mov"_s, d + u"/missing"_s, QString()})
        EXPECT_TRUE(lsCocoaRecursive(nothing).isEmpty()) << nothing.toStdString();
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float(bytes / kMiB));
    EXPECT_EQ(findCocoa(d, u".mov"_s, QString()), (QStringList{d + u"/zz.mov"_s, folder + u"/bottom.mov"_s}));
}
