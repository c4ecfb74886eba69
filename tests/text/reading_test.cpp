#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/text/reading.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;

namespace {

QString scratch(const QString &name)
{
    return test::scratchDir() + QLatin1Char('/') + name;
}

QStringList folderContents()
{
    return QDir(test::scratchDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Bytes no detection can decode: a UTF-8 mark before Windows Latin 1.
const QByteArray kBroken("\xEF\xBB\xBF" "caf\xE9\n");

} // namespace

TEST(ReadContentsTxtC, FirstLineUpToTheLimit)
{
    const struct {
        QByteArray bytes;
        int maxChars;
        QString expected; // null: nothing
    } cases[] = {
        {"abc\ndef", 100, QStringLiteral("abc\n")}, {"abc\ndef", 3, QStringLiteral("ab")},
        {"abc\ndef", 4, QStringLiteral("abc")},    {"abc\ndef", 5, QStringLiteral("abc\n")},
        // A file shorter than the limit keeps its last byte.
        {"abc", 100, QStringLiteral("abc")}, {"abc", 4, QStringLiteral("abc")}, {"abc", 3, QStringLiteral("ab")},
        {"abc", 1, QStringLiteral("")},      {"abc", 0, QString()},             {"abc", -5, QString()},
        {"\n", 100, QStringLiteral("\n")},  {QByteArray("ab\0cd", 5), 100, QStringLiteral("ab")},
        {"\xE9t\xE9\n", 100, QStringLiteral("été\n")}, {"", 100, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString() + " limit " + std::to_string(c.maxChars));
        const QString path = test::writeFile(scratch(QStringLiteral("line.txt")), c.bytes);
        const QString line = readContentsTxtC(path, c.maxChars);
        EXPECT_EQ(line.isNull(), c.expected.isNull());
        EXPECT_EQ(line, c.expected);
    }
}

TEST(Reading, NothingFromWhatIsNoRegularFileAndNeverWaitsOnAPipe)
{
    EXPECT_TRUE(readContentsTxtC(scratch(QStringLiteral("missing")), 100).isNull());
    EXPECT_TRUE(readContentsTxtC(QString(), 100).isNull());
    EXPECT_TRUE(readContentsTxtC(test::scratchDir(), 100).isNull());
    // A pipe without a writer is not waited on.
    const QString fifo = scratch(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(readContentsTxtC(fifo, 100).isNull());
    EXPECT_EQ(readContentsTxtUTF8(fifo), QStringLiteral(""));
}

TEST(ReadContentsTxtUTF8, DetectedTextWithoutACopy)
{
    const QString fr = test::frenchSubtitle();
    const QString ja = test::japaneseSubtitle();
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"utf8.srt", fr.toUtf8(), fr},
        {"cp1252.srt", test::iconvBytes(fr, "CP1252"), fr},
        {"utf16.srt", QByteArray("\xFF\xFE", 2) + test::iconvBytes(fr, "UTF-16LE"), fr},
        {"mac.srt", test::iconvBytes(fr, "MACINTOSH"), fr},
        {"jis.srt", test::iconvBytes(ja, "ISO-2022-JP"), ja}, // seven bits, and escapes
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = test::writeFile(scratch(QLatin1String(c.name)), c.bytes);
        EXPECT_EQ(readContentsTxtUTF8(path), c.text);
    }
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_EQ(folderContents().size(), 5) << "no copy made";

    setDEBUG(1);
    readContentsTxtUTF8(scratch(QStringLiteral("utf16.srt")));
    EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("encoding            : 10")});

    const QString empty = test::writeFile(scratch(QStringLiteral("empty.txt")), QByteArray());
    EXPECT_FALSE(readContentsTxtUTF8(empty).isNull());
    EXPECT_TRUE(readContentsTxtUTF8(QString()).isNull());
}

TEST(ReadContentsTxtUTF8, LargeFilesGiveTheWholeTextWhereverThePiecesAreCut)
{
    // Characters of one to four bytes, eleven in all: with 0 to 10 bytes
    // before them, the cuts between the pieces of the read (every 256 KiB)
    // fall at every place within a character.
    const QString pattern = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC\n");
    const QString body = pattern.repeated(300 * 1024 / 11); // 300 KiB: more than a piece
    for (int lead = 0; lead <= 10; ++lead) {
        SCOPED_TRACE(lead);
        const QString text = QString(lead, QLatin1Char('x')) + body;
        const QString path = test::writeFile(scratch(QStringLiteral("large.txt")), text.toUtf8());
        EXPECT_EQ(readContentsTxtUTF8(path), text);
    }
    // French in Windows Latin 1 after more ASCII than a piece holds.
    const QString fr = test::frenchSubtitle();
    const QString ascii(400 * 1024, QLatin1Char('a'));
    const QString path =
        test::writeFile(scratch(QStringLiteral("late.srt")), ascii.toLatin1() + test::iconvBytes(fr, "CP1252"));
    EXPECT_EQ(readContentsTxtUTF8(path), ascii + fr);
    // UTF-8 cut short at its very end is no UTF-8: its last byte reads as
    // something else.
    const QString cut = test::writeFile(scratch(QStringLiteral("cut.txt")), ascii.toLatin1() + "caf\xC3");
    EXPECT_EQ(readContentsTxtUTF8(cut).size(), ascii.size() + 4);
}

TEST(ReadContentsTxtUTF8, UnknownEncodingReadsAsAscii)
{
    const QByteArray koi8 = test::iconvBytes(test::russianSubtitle(), "KOI8-R");
    const QString path = test::writeFile(scratch(QStringLiteral("koi8.srt")), koi8);
    EXPECT_EQ(readContentsTxtUTF8(path), QString::fromLatin1(koi8));
    EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("encoding            :-/ 1 (ascii)")});
    EXPECT_EQ(folderContents(), QStringList{QStringLiteral("koi8.srt")});
}

TEST(ReadContentsTxtUTF8, SomeoneElsesFileAtTheCopyPathIsLeftAlone)
{
    const QString path = test::writeFile(scratch(QStringLiteral("b.srt")), kBroken);
    const QString copy = test::writeFile(scratch(QStringLiteral("b.srt.txt")), "keep me");
    EXPECT_EQ(readContentsTxtUTF8(path), QString::fromLatin1(kBroken));
    EXPECT_EQ(test::readFile(copy), QByteArray("keep me"));
    EXPECT_TRUE(test::logHas(QStringLiteral("readContentsTxtUTF8 :-/ '") + copy + QStringLiteral("' already exists, no copy made")));
}

TEST(ReadContentsTxtUTF8, MissingFileLeavesAnEmptyFileAndGivesEmptyText)
{
    const QString path = scratch(QStringLiteral("none.srt"));
    const QString text = readContentsTxtUTF8(path);
    EXPECT_FALSE(text.isNull());
    EXPECT_TRUE(text.isEmpty());
    ASSERT_FALSE(test::logLines().isEmpty());
    EXPECT_TRUE(test::logLines().first().startsWith(QStringLiteral("Error reading file at path ") + path + QLatin1Char('\n')));
    EXPECT_EQ(folderContents(), QStringList{QStringLiteral("none.srt")});
    EXPECT_EQ(test::readFile(path), QByteArray());
}

TEST(ReadContentsTxtUTF8, RefusedFileIsReadThroughACopyThatStaysBesideWhateverItsName)
{
    const QStringList names = {
        QStringLiteral("b.srt"),
        QStringLiteral("it's \"quoted\" $HOME `touch pwned` $(touch pwned2) a\\b.srt"),
        QStringLiteral("-n; rm -rf x; > out.srt"),
    };
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QDir(test::scratchDir()).removeRecursively();
        test::clearLog();
        const QString path = test::writeFile(scratch(name), kBroken);
        EXPECT_EQ(readContentsTxtUTF8(path), QString::fromLatin1(kBroken));
        ASSERT_FALSE(test::logLines().isEmpty());
        EXPECT_TRUE(test::logLines().first().startsWith(QStringLiteral("Error reading file at path ") + path + QLatin1Char('\n')));
        // "-y" never overwrites: the file read stays, and so does its copy.
        EXPECT_TRUE(test::logHas(QStringLiteral("New already exists   :-( ") + path));
        EXPECT_EQ(folderContents(), (QStringList{name, name + QStringLiteral(".txt")}));
        EXPECT_EQ(test::readFile(path), kBroken);
        EXPECT_EQ(test::readFile(path + QStringLiteral(".txt")), kBroken);
    }
}
