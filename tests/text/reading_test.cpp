#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/core/debug.h>
#include <reel/text/reading.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>
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

} // namespace

TEST(ReadContentsTxtC, FirstLineUpToTheLimit)
{
    const struct {
        QByteArray bytes;
        int maxChars;
        QString expected; // null: nothing
    } cases[] = {
        {"abc\ndef", 100, QStringLiteral("abc\n")}, {"abc\ndef", 3, QStringLiteral("ab")}, {"abc\ndef", 5, QStringLiteral("abc\n")},
        // A file shorter than the limit keeps its last byte.
        {"abc", 4, QStringLiteral("abc")}, {"abc", 3, QStringLiteral("ab")}, {"abc", 1, QStringLiteral("")},
        {"abc", 0, QString()}, {QByteArray("ab\0cd", 5), 100, QStringLiteral("ab")},
        {"\xE9t\xE9\n", 100, QStringLiteral("été\n")}, {"", 100, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString() + " limit " + std::to_string(c.maxChars));
        const QString line = readContentsTxtC(test::writeFile(scratch(QStringLiteral("line.txt")), c.bytes), c.maxChars);
        EXPECT_EQ(line.isNull(), c.expected.isNull());
        EXPECT_EQ(line, c.expected);
    }
    // Nothing from what is no regular file; a pipe without a writer is not waited on.
    EXPECT_TRUE(readContentsTxtC(scratch(QStringLiteral("missing")), 100).isNull());
    EXPECT_TRUE(readContentsTxtC(test::scratchDir(), 100).isNull());
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch(QStringLiteral("fifo"))).constData(), 0600), 0);
    EXPECT_TRUE(readContentsTxtC(scratch(QStringLiteral("fifo")), 100).isNull());
    EXPECT_EQ(readContentsTxtUTF8(scratch(QStringLiteral("fifo"))), QStringLiteral(""));
}

TEST(ReadContentsTxtUTF8, DetectedTextWithoutACopyWhereverThePiecesOfTheReadAreCut)
{
    const QString fr = test::frenchSubtitle();
    const QString ja = test::japaneseSubtitle();
    const QString ascii(400 * 1024, QLatin1Char('a')); // more than a piece of the read (256 KiB)
    struct Case {
        QString name;
        QByteArray bytes;
        QString text;
    };
    QList<Case> cases = {
        {QStringLiteral("UTF-8"), fr.toUtf8(), fr},
        {QStringLiteral("Windows Latin 1"), test::iconvBytes(fr, "CP1252"), fr},
        {QStringLiteral("UTF-16 with a mark"), QByteArray("\xFF\xFE", 2) + test::iconvBytes(fr, "UTF-16LE"), fr},
        {QStringLiteral("ISO-2022-JP: seven bits, and escapes"), test::iconvBytes(ja, "ISO-2022-JP"), ja},
        {QStringLiteral("empty"), QByteArray(), QStringLiteral("")},
        {QStringLiteral("Windows Latin 1 after a piece of ASCII"), ascii.toLatin1() + test::iconvBytes(fr, "CP1252"), ascii + fr},
    };
    // Characters of one to four bytes, eleven in all: with 0 to 10 bytes
    // before them, the cuts between the pieces fall at every place within a
    // character.
    const QString body = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC\n").repeated(300 * 1024 / 11);
    for (int lead = 0; lead <= 10; ++lead)
        cases.append({QStringLiteral("UTF-8 after %1 bytes").arg(lead), (QString(lead, u'x') + body).toUtf8(), QString(lead, u'x') + body});
    setDEBUG(1);
    test::forEachCase(cases, [](const Case &c) {
        EXPECT_EQ(readContentsTxtUTF8(test::writeFile(scratch(QStringLiteral("read.txt")), c.bytes)), c.text);
    });
    EXPECT_TRUE(test::logHas(QStringLiteral("encoding            : 10")));
    EXPECT_EQ(folderContents(), QStringList{QStringLiteral("read.txt")}) << "no copy made";
    EXPECT_TRUE(readContentsTxtUTF8(QString()).isNull());
    // UTF-8 cut short at its very end is no UTF-8: its last byte reads as
    // something else.
    const QString cut = test::writeFile(scratch(QStringLiteral("cut.txt")), ascii.toLatin1() + "caf\xC3");
    EXPECT_EQ(readContentsTxtUTF8(cut).size(), ascii.size() + 4);
}

TEST(ReadContentsTxtUTF8, WhatCannotBeDecodedReadsAsAsciiThroughACopyThatStaysBeside)
{
    // Bytes of an encoding detection does not know; bytes no detection can
    // decode (a UTF-8 mark before Windows Latin 1), under a name a shell
    // would read, and with someone else's file at the copy's path.
    const QByteArray koi8 = test::iconvBytes(test::russianSubtitle(), "KOI8-R");
    const QByteArray broken("\xEF\xBB\xBF" "caf\xE9\n");
    const QString hostile = QStringLiteral("-n; it's \"quoted\" $HOME `touch pwned` $(touch pwned2) a\\b > out.srt");
    const struct {
        QString file;
        QByteArray bytes; // null: no file
        const char *copy; // someone else's file at the copy's path, or null
        QString logLine;  // the start of a line the read writes
        bool copyStays;
    } cases[] = {
        {QStringLiteral("koi8.srt"), koi8, nullptr, QStringLiteral("encoding            :-/ 1 (ascii)"), false},
        {hostile, broken, nullptr, QStringLiteral("New already exists   :-( ") + scratch(hostile), true}, // "-y" never overwrites
        {QStringLiteral("c.srt"), broken, "keep me", QStringLiteral("readContentsTxtUTF8 :-/ '"), true},
        {QStringLiteral("none.srt"), QByteArray(), nullptr, QStringLiteral("Error reading file at path "), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QDir(test::scratchDir()).removeRecursively();
        test::clearLog();
        const QString path = scratch(c.file);
        if (!c.bytes.isNull())
            test::writeFile(path, c.bytes);
        if (c.copy)
            test::writeFile(path + QStringLiteral(".txt"), c.copy);
        EXPECT_EQ(readContentsTxtUTF8(path), QString::fromLatin1(c.bytes));
        const QStringList log = test::logLines();
        EXPECT_TRUE(std::any_of(log.cbegin(), log.cend(), [&](const QString &line) { return line.startsWith(c.logLine); }));
        // The file read stays, and so does its copy.
        EXPECT_EQ(folderContents(), c.copyStays ? (QStringList{c.file, c.file + QStringLiteral(".txt")}) : QStringList{c.file});
        EXPECT_EQ(test::readFile(path), c.bytes);
        if (c.copyStays)
            EXPECT_EQ(test::readFile(path + QStringLiteral(".txt")), c.copy ? QByteArray(c.copy) : c.bytes);
    }
}
