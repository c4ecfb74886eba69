#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/text/reading.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;
using namespace Qt::StringLiterals;

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
    const std::tuple<QByteArray, int, QString> cases[] = { // null: nothing
        {"abc\ndef", 3, u"ab"_s}, {"abc\ndef", 5, u"abc\n"_s},
        // A file shorter than the limit keeps its last byte.
        {"abc", 4, u"abc"_s}, {"abc", 1, u""_s}, {"abc", 0, QString()}, {QByteArray("ab\0cd", 5), 100, u"ab"_s},
        {"\xE9t\xE9\n", 100, u"été\n"_s}, {"", 100, QString()},
        // Lines longer than the reader's buffer (64 KiB).
        {QByteArray(100000, 'a') + "\nb", 1 << 30, QString(100000, u'a') + u"\n"_s},
        {QByteArray(100000, 'a') + "\nb", 70000, QString(69999, u'a')},
        {QByteArray(70000, 'a') + QByteArray(1 << 20, '\0'), 1 << 30, QString(70000, u'a')},
    };
    for (const auto &[bytes, maxChars, expected] : cases) {
        const QString line = readContentsTxtC(test::writeFile(scratch(u"line.txt"_s), bytes), maxChars);
        EXPECT_EQ(std::pair(line, line.isNull()), std::pair(expected, expected.isNull())) << bytes.toStdString() << maxChars;
    }
    // Nothing from what is no regular file; a pipe without a writer is not waited on.
    EXPECT_TRUE(readContentsTxtC(scratch(u"missing"_s), 100).isNull());
    EXPECT_TRUE(readContentsTxtC(test::scratchDir(), 100).isNull());
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch(u"fifo"_s)).constData(), 0600), 0);
    EXPECT_TRUE(readContentsTxtC(scratch(u"fifo"_s), 100).isNull());
    EXPECT_EQ(readContentsTxtUTF8(scratch(u"fifo"_s)), u""_s);
}

TEST(ReadContentsTxtUTF8, DetectedTextWithoutACopyWhereverThePiecesOfTheReadAreCut)
{
    const QString fr = test::sample("french");
    const QString ja = test::sample("japanese");
    const QString ascii(400 * 1024, QLatin1Char('a')); // more than a piece of the read (256 KiB)
    struct Case {
        QString name;
        QByteArray bytes;
        QString text;
    };
    QList<Case> cases = {
        {u"UTF-16 with a mark"_s, QByteArray("\xFF\xFE", 2) + test::iconvBytes(fr, "UTF-16LE"), fr},
        {u"ISO-2022-JP: seven bits, and escapes"_s, test::iconvBytes(ja, "ISO-2022-JP"), ja},
        {u"empty"_s, QByteArray(), u""_s},
        {u"Windows Latin 1 after a piece of ASCII"_s, ascii.toLatin1() + test::iconvBytes(fr, "CP1252"), ascii + fr},
    };
    // Characters of one to four bytes, eleven in all: with 0 to 10 bytes
    // before them, the cuts between the pieces fall at every place within a
    // character.
    const QString body = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC\n").repeated(300 * 1024 / 11);
    for (int lead = 0; lead <= 10; ++lead)
        cases.append({u"UTF-8 after %1 bytes"_s.arg(lead), (QString(lead, u'x') + body).toUtf8(), QString(lead, u'x') + body});
    test::forEachCase(cases, [](const Case &c) {
        EXPECT_EQ(readContentsTxtUTF8(test::writeFile(scratch(u"read.txt"_s), c.bytes)), c.text);
    });
    EXPECT_EQ(folderContents(), QStringList{u"read.txt"_s}) << "no copy made";
    EXPECT_TRUE(readContentsTxtUTF8(QString()).isNull());
    // UTF-8 cut short at its very end is no UTF-8: its last byte reads as
    // something else.
    const QString cut = test::writeFile(scratch(u"cut.txt"_s), ascii.toLatin1() + "caf\xC3");
    EXPECT_EQ(readContentsTxtUTF8(cut).size(), ascii.size() + 4);
}

TEST(ReadContentsTxtUTF8, WhatCannotBeDecodedReadsAsAsciiThroughACopyThatStaysBeside)
{
    // Bytes of an encoding detection does not know; bytes no detection can
    // decode (a UTF-8 mark before Windows Latin 1), under a name a shell
    // would read, and with someone else's file at the copy's path.
    const QByteArray koi8 = test::iconvBytes(test::sample("russian"), "KOI8-R");
    const QByteArray broken("\xEF\xBB\xBF" "caf\xE9\n");
    const QString hostile = u"-n; it's \"quoted\" $HOME `touch pwned` $(touch pwned2) a\\b > out.srt"_s;
    const struct {
        QString file;
        QByteArray bytes; // null: no file
        const char *copy; // someone else's file at the copy's path, or null
        QString logLine;  // in a line the read writes
        bool copyStays;
    } cases[] = {
        {u"koi8.srt"_s, koi8, nullptr, u"encoding            :-/ 1 (ascii)"_s, false},
        {hostile, broken, nullptr, u"New already exists   :-( "_s + scratch(hostile), true}, // "-y" never overwrites
        {u"c.srt"_s, broken, "keep me", u"readContentsTxtUTF8 :-/ '"_s, true},
        {u"none.srt"_s, QByteArray(), nullptr, u"Error reading file at path "_s, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QDir(test::scratchDir()).removeRecursively();
        test::clearLog();
        const QString path = scratch(c.file);
        if (!c.bytes.isNull())
            test::writeFile(path, c.bytes);
        if (c.copy)
            test::writeFile(path + u".txt"_s, c.copy);
        EXPECT_EQ(readContentsTxtUTF8(path), QString::fromLatin1(c.bytes));
        EXPECT_TRUE(test::logContains(c.logLine));
        // The file read stays, and so does its copy.
        EXPECT_EQ(folderContents(), c.copyStays ? (QStringList{c.file, c.file + u".txt"_s}) : QStringList{c.file});
        EXPECT_EQ(test::readFile(path), c.bytes);
        if (c.copyStays)
            EXPECT_EQ(test::readFile(path + u".txt"_s), c.copy ? QByteArray(c.copy) : c.bytes);
    }
}
