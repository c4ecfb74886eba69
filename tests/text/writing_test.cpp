#include "filestate.h"
#include "logcapture.h"
#include "privileges.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/dialogs/recordingpresenter.h>
#include <reel/text/codecs.h>
#include <reel/text/writing.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace reel;

namespace {

QString scratch(const char *name)
{
    return test::scratchDir() + QLatin1Char('/') + QLatin1String(name);
}

void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

const QByteArray kMark("\xEF\xBB\xBF");

// The writers of a whole text: the UTF-8 one appends, the others replace the file.
struct Writer {
    const char *name;
    bool (*write)(const QString &path, const QString &text);
    const char *failure; // the start of its log line for a failure, before the path
};
const Writer kWriters[] = {
    {"writeTextFileUtf8NoBom", [](const QString &p, const QString &t) { return writeTextFileUtf8NoBom(p, t); }, "ecrit               :-( "},
    {"writeTextFileEncoding", [](const QString &p, const QString &t) { return writeTextFileEncoding(p, t, QStringLiteral("utf8")); }, "ecrit               :-( "},
    {"ecritureFichier", [](const QString &p, const QString &t) { return ecritureFichier(p, t, 1); }, "Error writing file at "},
};
const Writer kReplacers[] = {kWriters[1], kWriters[2]};

} // namespace

TEST(Writing, WhatEachWriterPutsInTheFile)
{
    // The mark only on the file the call creates; the UTF-8 writer appends.
    const QString path = scratch("bom.srt");
    EXPECT_TRUE(writeTextFileUtf8Bom(path, QStringLiteral("été\n")));
    EXPECT_TRUE(writeTextFileUtf8Bom(path, QStringLiteral("deux")));
    EXPECT_EQ(test::readFile(path), kMark + QStringLiteral("été\ndeux").toUtf8());
    // writeUtf8Bom overwrites the first bytes of a file that is there, only.
    const QString plain = test::writeFile(scratch("plain.srt"), "old\n");
    EXPECT_TRUE(writeTextFileUtf8Bom(plain, QStringLiteral("é")));
    EXPECT_TRUE(writeUtf8Bom(plain));
    EXPECT_EQ(test::readFile(plain), kMark + "\n\xC3\xA9");
    EXPECT_FALSE(writeUtf8Bom(scratch("missing.txt")));
    EXPECT_FALSE(test::existsNoFollow(scratch("missing.txt")));
    EXPECT_TRUE(test::takeLog().value(0).startsWith(QStringLiteral("Fixed BOM           :-( ") + scratch("missing.txt")));

    // ecritureFichier: every line ending becomes a line feed; the number goes to the log.
    EXPECT_TRUE(ecritureFichier(scratch("lines.txt"), QStringLiteral("a\r\nb\rc\n\r\r\n"), -42));
    EXPECT_EQ(test::readFile(scratch("lines.txt")), QByteArray("a\nb\nc\n\n\n"));
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("-42")});

    // "~" is the home folder.
    test::forEachCase(kWriters, [](const Writer &writer) {
        EXPECT_TRUE(writer.write(QStringLiteral("~/") + QLatin1String(writer.name), QStringLiteral("home")));
        EXPECT_EQ(test::readFile(test::homePath() + QLatin1Char('/') + QLatin1String(writer.name)), QByteArray("home"));
    });
}

TEST(Writing, TheEncodingNameChoosesTheEncodingAndTheAlert)
{
    const QString text = QStringLiteral("Été 😀");
    const struct {
        QString name;
        QByteArray bytes;
        QString alert; // null: none
    } cases[] = {
        {QStringLiteral("UTF-16BE"), encodeText(text, kUTF16BigEndianStringEncoding, false).value(), "NSUTF16BigEndianStringEncoding"},
        {QStringLiteral("utf16le"), encodeText(text, kUTF16LittleEndianStringEncoding, false).value(), "NSUTF16LittleEndianStringEncoding"},
        {QStringLiteral("Unicode (UTF-16)"), encodeText(text, kUnicodeStringEncoding, false).value(), "NSUnicodeStringEncoding"},
        {QStringLiteral("UTF-8"), text.toUtf8(), "NSUTF8StringEncoding"}, {QStringLiteral("UTF-16 Mac Roman"), "\x83t\x8E ?", QString()},
        {QStringLiteral("Latin-1"), "?t? ?", QString()}, {QStringLiteral("UTF-32"), "?t? ?", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        RecordingPresenter alerts;
        ScopedAlertPresenter use(&alerts);
        EXPECT_TRUE(writeTextFileEncoding(scratch("enc.txt"), text, c.name));
        EXPECT_EQ(test::readFile(scratch("enc.txt")).toHex(' ').toStdString(), c.bytes.toHex(' ').toStdString());
        EXPECT_EQ(alerts.count() ? alerts.last().title + QLatin1Char(' ') + alerts.last().message : QString(),
                  c.alert.isNull() ? QString() : QStringLiteral("encoding ") + c.alert);
    }
}

TEST(Writing, RefusesWhatItCannotWriteAndAFailedWriteLeavesTheOldFile)
{
    test::forEachCase(kWriters, [&](const Writer &writer) {
        EXPECT_FALSE(writer.write(QString(), QStringLiteral("x")));
        EXPECT_FALSE(writer.write(scratch("never.txt"), QString()));
        // A folder in the way stays a folder; a pipe is not written (nor
        // waited on); links that lead to each other lead nowhere.
        test::writeFile(scratch("folder.txt/inside"), "kept");
        EXPECT_FALSE(writer.write(scratch("folder.txt"), QStringLiteral("x")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(scratch("fifo")).constData(), 0600), 0);
        EXPECT_FALSE(writer.write(scratch("fifo"), QStringLiteral("x")));
        ASSERT_TRUE(QFile::link(QStringLiteral("loop2"), scratch("loop1")));
        ASSERT_TRUE(QFile::link(QStringLiteral("loop1"), scratch("loop2")));
        EXPECT_FALSE(writer.write(scratch("loop1"), QStringLiteral("x")));
        EXPECT_TRUE(test::isLinkAt(scratch("loop1")) && test::isLinkAt(scratch("loop2")));
        EXPECT_EQ(test::readFile(scratch("folder.txt/inside")), QByteArray("kept"));
        QDir(test::scratchDir()).removeRecursively();

        // The disk fills up: nothing of the new text stays, nothing is left beside.
        const auto onAFullDisk = [&](const QString &path) {
            test::FileSizeLimit limit(100);
            return writer.write(path, QString(4096, QLatin1Char('x')));
        };
        const QString path = test::writeFile(scratch("old.txt"), "old contents\n");
        EXPECT_FALSE(onAFullDisk(path));
        EXPECT_EQ(test::readFile(path), QByteArray("old contents\n"));
        EXPECT_EQ(QDir(test::scratchDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("old.txt")});
        EXPECT_TRUE(test::logContains(QLatin1String(writer.failure) + path));
        {
            // A file that may not be written; a folder that may not be
            // written, where the file may, with the disk full.
            test::ScopedOwnerRightsOnly bound;
            setMode(path, 0444);
            EXPECT_FALSE(writer.write(path, QStringLiteral("new")));
            EXPECT_EQ(test::modeOf(path), 0444);
            setMode(path, 0644);
            setMode(test::scratchDir(), 0555);
            EXPECT_FALSE(onAFullDisk(path));
            setMode(test::scratchDir(), 0755);
        }
        EXPECT_EQ(test::readFile(path), QByteArray("old contents\n"));
        QDir(test::scratchDir()).removeRecursively();
    });
    // The UTF-8 writer never writes through a link that leads nowhere.
    ASSERT_TRUE(QFile::link(scratch("target.txt"), scratch("link.txt")));
    EXPECT_FALSE(writeTextFileUtf8(scratch("link.txt"), QStringLiteral("x"), true));
    EXPECT_FALSE(test::existsNoFollow(scratch("target.txt")));
}

TEST(Writing, TheReplacersWriteWhereTheFileReallyIs)
{
    test::forEachCase(kReplacers, [&](const Writer &writer) {
        // Through two links, one of them relative, to the file: the links
        // stay links and the file keeps its mode.
        const QString file = test::writeFile(scratch("real/file.txt"), "old");
        setMode(file, 0640);
        ASSERT_TRUE(QFile::link(QStringLiteral("file.txt"), scratch("real/relative")));
        ASSERT_TRUE(QFile::link(scratch("real/relative"), scratch("absolute")));
        EXPECT_TRUE(writer.write(scratch("absolute"), QStringLiteral("through links")));
        EXPECT_EQ(test::readFile(file), QByteArray("through links"));
        EXPECT_TRUE(test::isLinkAt(scratch("absolute")) && test::isLinkAt(scratch("real/relative")));
        EXPECT_EQ(test::modeOf(file), 0640);

        // Every name of a file with several sees the new text.
        const QString other = scratch("other name.txt");
        ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()), 0);
        EXPECT_TRUE(writer.write(file, QStringLiteral("one file, two names")));
        EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));

        if (::geteuid() == 0) {
            // A link that someone else left in a shared sticky folder (as
            // /tmp) is not followed, as the kernel would not.
            const QString shared = scratch("shared");
            QDir().mkpath(shared);
            setMode(shared, 01777);
            ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
            ASSERT_TRUE(QFile::link(file, shared + QStringLiteral("/planted")));
            ASSERT_EQ(::lchown(QFile::encodeName(shared + QStringLiteral("/planted")).constData(), 65533, 65533), 0);
            EXPECT_FALSE(writer.write(shared + QStringLiteral("/planted"), QStringLiteral("planted")));
            EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));
        }
        QDir(test::scratchDir()).removeRecursively();
    });
}
