// The tree walk and folder listings beyond the everyday trees of the listing
// and size tests: names whose bytes sort apart from their text, names that
// are not UTF-8, and trees deeper than the walk keeps open.
#include "backends.h"
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

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// Writes a file whose name is given as raw bytes.
bool writeRawName(const QString &folder, const QByteArray &name, qsizetype size)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray bytes(size, 'x');
    const bool ok = ::write(fd, bytes.constData(), size_t(size)) == ssize_t(size);
    return ::close(fd) == 0 && ok;
}

} // namespace

TEST(TreeWalk, NamesSortByTheirTextNotTheirBytes)
{
    const QString d = test::scratchDir() + QStringLiteral("/names");
    // In UTF-8 bytes "\U0001D11E" (F0...) sorts after "\uFF21" (EF...); in
    // UTF-16 units (D834... against FF21) it comes first.
    const QStringList names{QStringLiteral("b"), QString::fromUtf16(u"\uFF21"), QString::fromUtf16(u"\U0001D11E"),
                            QStringLiteral("A"), QString::fromUtf16(u"\u00e9")};
    for (const QString &name : names)
        test::writeFile(d + QLatin1Char('/') + name, "x");
    QDir().mkpath(d + QStringLiteral("/sub"));
    test::writeFile(d + QStringLiteral("/sub/") + QString::fromUtf16(u"\U0001D11E"), "y");
    test::writeFile(d + QStringLiteral("/sub/z"), "y");

    const QString clef = QString::fromUtf16(u"\U0001D11E");
    const QStringList sorted{d + QStringLiteral("/A"), d + QStringLiteral("/b"), d + QStringLiteral("/sub"),
                             d + QString::fromUtf16(u"/\u00e9"), d + QLatin1Char('/') + clef,
                             d + QString::fromUtf16(u"/\uFF21")};
    EXPECT_EQ(lsCocoa(d), sorted);
    QStringList recursive = sorted;
    recursive.insert(3, d + QStringLiteral("/sub/") + clef);
    recursive.insert(3, d + QStringLiteral("/sub/z"));
    EXPECT_EQ(lsCocoaRecursive(d), recursive);
    EXPECT_EQ(findCocoa(d, clef, QString()), (QStringList{d + QLatin1Char('/') + clef, d + QStringLiteral("/sub/") + clef}));
}

TEST(TreeWalk, PlainNamesSortWhateverTheirLength)
{
    // Names that agree on their first sixteen bytes, or on all of a shorter one.
    const QString d = test::scratchDir() + QStringLiteral("/plain");
    QStringList names{QStringLiteral("0123456789abcdef"),   QStringLiteral("0123456789abcdef0"),
                      QStringLiteral("0123456789abcde"),    QStringLiteral("0123456789abcdefZ"),
                      QStringLiteral("0123456789abcdeg"),   QStringLiteral("0123456789abcdef.mov"),
                      QStringLiteral("0123456789abcdef.a"), QStringLiteral("0123456789abcdef0123456789abcdef1"),
                      QStringLiteral("0123456789abcdef0123456789abcdef"), QStringLiteral("0"),
                      QStringLiteral("0123456789abcdef~"),  QStringLiteral(" lead")};
    for (const QString &name : names)
        test::writeFile(d + QLatin1Char('/') + name, "x");
    std::sort(names.begin(), names.end());
    QStringList expected;
    for (const QString &name : names)
        expected << d + QLatin1Char('/') + name;
    EXPECT_EQ(lsCocoa(d), expected);
    EXPECT_EQ(lsCocoaRecursive(d), expected);
}

TEST(TreeWalk, NamesThatAreNotUtf8AreCountedAndListed)
{
    const QString d = test::scratchDir() + QStringLiteral("/raw");
    QDir().mkpath(d + QStringLiteral("/sub"));
    ASSERT_TRUE(writeRawName(d, "caf\xe9.mov", 3000));       // Latin-1, not UTF-8
    ASSERT_TRUE(writeRawName(d, "sub/\xff\xfe", 5000));      // no text at all
    ASSERT_TRUE(writeRawName(d, "plain.mov", 7));
    const qint64 folder = QFileInfo(d + QStringLiteral("/sub")).size();

    // Every item is measured through its stored name, not its decoded text.
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float((3000 + 5000 + 7 + folder) / kMiB));
    const QStringList items = lsCocoaRecursive(d);
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items.contains(d + QStringLiteral("/plain.mov")));
    EXPECT_TRUE(items.contains(d + QStringLiteral("/sub")));
    EXPECT_EQ(lsCocoa(d).size(), 3);
}

TEST(TreeWalk, TreesDeeperThanTheOpenFoldersAreWalkedWhole)
{
    const QString d = test::scratchDir() + QStringLiteral("/deep");
    constexpr int kDepth = 70;
    QString folder = d;
    QStringList expected;
    QString relative;
    for (int i = 0; i < kDepth; ++i) {
        relative += (i ? QStringLiteral("/") : QString()) + QStringLiteral("level%1").arg(i);
        folder = d + QLatin1Char('/') + relative;
        expected << folder;
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    test::writeFile(folder + QStringLiteral("/bottom.mov"), QByteArray(4096, 'b'));
    test::makeLink(d, folder + QStringLiteral("/top")); // back to the root: listed, never entered
    test::writeFile(d + QStringLiteral("/zz.mov"), QByteArray(1024, 'z'));
    expected << folder + QStringLiteral("/bottom.mov") << folder + QStringLiteral("/top") << d + QStringLiteral("/zz.mov");

    EXPECT_EQ(lsCocoaRecursive(d), expected);
    EXPECT_EQ(lsCocoaRecursive(d + QStringLiteral("//")), expected) << "the folder as written, cleaned";

    qint64 bytes = 4096 + 1024 + qint64(QFile::encodeName(d).size());
    for (int i = 0; i < kDepth; ++i)
        bytes += QFileInfo(expected.at(i)).size();
    EXPECT_FLOAT_EQ(poidsFolderMo(d), float(bytes / kMiB));
    EXPECT_EQ(findCocoa(d, QStringLiteral(".mov"), QString()),
              (QStringList{d + QStringLiteral("/zz.mov"), folder + QStringLiteral("/bottom.mov")}));
}
