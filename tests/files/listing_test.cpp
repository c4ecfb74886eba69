// Listings, tree walks, searches and folder sizes: sorted full paths, hidden
// items, loops of links, names that sort apart from their bytes or are not
// UTF-8, and trees deeper than the walk keeps open.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

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
    const QString d = test::homePath() + u"/list"_s;
    for (const QString &name : {u"b.mov"_s, u"a.MOV"_s, u".hidden"_s, u"Z"_s, u"noext"_s, u"été.mpg"_s})
        test::writeFile(d + u'/' + name, "x");
    QDir().mkpath(d + u"/folder"_s);
    QDir().mkpath(test::homePath() + u"/empty"_s);
    const QStringList all =
        under(d, {u".hidden"_s, u"Z"_s, u"a.MOV"_s, u"b.mov"_s, u"folder"_s, u"noext"_s, u"été.mpg"_s});
    EXPECT_EQ(lsCocoa(u"~/list"_s), all);
    EXPECT_EQ(lsCocoa(d + u"/"_s), all);
    for (const QString &nothing : {QString(), u"~/empty"_s, d + u"/b.mov"_s, d + u"/missing"_s})
        EXPECT_TRUE(lsCocoa(nothing).isEmpty() && lsGrepCocoa(nothing, u"mov"_s).isEmpty()) << nothing.toStdString();

    // The extension is compared without case; no extension asked: the bare names.
    EXPECT_EQ(lsGrepCocoa(d, u"mov"_s), under(d, {u"a.MOV"_s, u"b.mov"_s}));
    for (const QString &none : {QString(), u""_s})
        EXPECT_EQ(lsGrepCocoa(d, none), under(d, {u".hidden"_s, u"Z"_s, u"folder"_s, u"noext"_s}));

    // The first in listing order whose extension matches exactly, the folder as written.
    const std::pair<QString, QString> firsts[] = {{u"mov"_s, d + u"/b.mov"_s}, {u"MOV"_s, d + u"/a.MOV"_s},
                                                  {u"avi"_s, u""_s}, {QString(), u""_s}};
    for (const auto &[extension, file] : firsts)
        EXPECT_EQ(fileFromFolder(d, extension), file) << extension.toStdString();
    EXPECT_EQ(fileFromFolder(u"~/list"_s, u"mov"_s), u""_s);
    EXPECT_EQ(fileFromFolder(QString(), u"mov"_s), u""_s);
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
        {u".mov"_s, QString(),
         under(d, {u"other.mov"_s, u"Film/one.mov"_s, u"film/three.mov"_s, u"Film/deep/two.mov"_s})},
        {u""_s, QString(), {}},
        {QString(), QString(), {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(findCocoa(d, c.text, c.flag), c.found) << c.text.toStdString() << " " << c.flag.toStdString();
        EXPECT_EQ(test::takeLog(), QStringList{u"findCocoa           - fin : %1 items"_s.arg(c.found.size())});
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
        ASSERT_TRUE(fd >= 0 && ::ftruncate(fd, off_t(size)) == 0);
        ::close(fd);
    }
    for (int i = 0; i < 200; ++i)
        test::writeFile(d + u"/small%1"_s.arg(i, 3, 10, QLatin1Char('0')), QByteArray(50, 's'));
    // Every item is measured through its stored name, not its decoded text.
    const qint64 folder = QFileInfo(d + u"/sub"_s).size();
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float((3000 + 5000 + 7 + 1024 * kMiB + 200 * 50 + folder) / kMiB));
    EXPECT_GT(poidsFolderMo(d), 1024.009f);
    const QStringList items = lsCocoaRecursive(d);
    ASSERT_EQ(items.size(), 205);
    EXPECT_TRUE(items.contains(d + u"/plain.mov"_s) && items.contains(d + u"/sub"_s));
    EXPECT_EQ(lsCocoa(d).size(), 204);
    EXPECT_TRUE(poidsFolderMo(QString()) == 0.0f && poidsFolderMo(d + u"/missing"_s) == 0.0f);
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
