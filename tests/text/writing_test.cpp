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

void makeLink(const QString &target, const QString &link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
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
    {"writeTextFileUtf8", [](const QString &p, const QString &t) { return writeTextFileUtf8(p, t, false); }, "ecrit               :-( "},
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
    const QString plain = test::writeFile(scratch("plain.srt"), "old\n");
    EXPECT_TRUE(writeTextFileUtf8Bom(plain, QStringLiteral("new")));
    EXPECT_EQ(test::readFile(plain), QByteArray("old\nnew"));
    EXPECT_TRUE(writeTextFileUtf8NoBom(scratch("nomark.srt"), QStringLiteral("é")));
    EXPECT_EQ(test::readFile(scratch("nomark.srt")), QByteArray("\xC3\xA9"));

    // ecritureFichier: every line ending becomes a line feed; the number goes to the log.
    const struct {
        QString content;
        QByteArray bytes;
    } endings[] = {
        {QStringLiteral("a\r\nb\rc\n"), "a\nb\nc\n"}, {QStringLiteral("\r\r\n\n"), "\n\n\n"},
        {QStringLiteral("é\r"), "\xC3\xA9\n"},         {QStringLiteral(""), ""},
    };
    for (const auto &c : endings) {
        EXPECT_TRUE(ecritureFichier(scratch("lines.txt"), c.content, -42));
        EXPECT_EQ(test::readFile(scratch("lines.txt")), c.bytes);
    }
    EXPECT_EQ(test::takeLog(), QStringList(4, QStringLiteral("-42")));

    // "~" is the home folder.
    EXPECT_TRUE(writeTextFileUtf8(QStringLiteral("~/a.txt"), QStringLiteral("a"), false));
    EXPECT_TRUE(writeTextFileEncoding(QStringLiteral("~/b.txt"), QStringLiteral("b"), QStringLiteral("roman")));
    EXPECT_TRUE(ecritureFichier(QStringLiteral("~/c.txt"), QStringLiteral("c"), 0));
    for (const char *name : {"a", "b", "c"})
        EXPECT_EQ(test::readFile(test::homePath() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".txt")),
                  QByteArray(name));
}

TEST(Writing, TheEncodingNameChoosesTheEncodingAndTheAlert)
{
    const QString text = QStringLiteral("Été 😀");
    const QByteArray marked = encodeText(text, kUnicodeStringEncoding, false).value();
    const struct {
        QString name;
        QByteArray bytes;
        const char *alert; // null: none
    } cases[] = {
        {QStringLiteral("UTF-16BE"), encodeText(text, kUTF16BigEndianStringEncoding, false).value(), "NSUTF16BigEndianStringEncoding"},
        {QStringLiteral("utf16le"), encodeText(text, kUTF16LittleEndianStringEncoding, false).value(), "NSUTF16LittleEndianStringEncoding"},
        {QStringLiteral("UTF-16"), marked, "NSUnicodeStringEncoding"},
        {QStringLiteral("Unicode (UTF-16)"), marked, "NSUnicodeStringEncoding"},
        {QStringLiteral("UTF-8"), text.toUtf8(), "NSUTF8StringEncoding"},
        {QStringLiteral("MacRoman"), "\x83t\x8E ?", nullptr}, {QStringLiteral("UTF-16 Mac Roman"), "\x83t\x8E ?", nullptr},
        {QStringLiteral("Latin-1"), "?t? ?", nullptr}, {QStringLiteral("UTF-32"), "?t? ?", nullptr},
        {QString(), "?t? ?", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        RecordingPresenter alerts;
        ScopedAlertPresenter use(&alerts);
        EXPECT_TRUE(writeTextFileEncoding(scratch("enc.txt"), text, c.name));
        EXPECT_EQ(test::readFile(scratch("enc.txt")).toHex(' ').toStdString(), c.bytes.toHex(' ').toStdString());
        ASSERT_EQ(alerts.count(), c.alert ? 1 : 0);
        if (!c.alert)
            continue;
        const AlertRequest shown = alerts.last();
        EXPECT_EQ(shown.kind, AlertRequest::Kind::Modal);
        EXPECT_EQ(shown.title, QStringLiteral("encoding"));
        EXPECT_EQ(shown.message, QString::fromLatin1(c.alert));
        EXPECT_TRUE(shown.critical);
    }
}

TEST(Writing, RefusesWhatItCannotWrite)
{
    test::forEachCase(kWriters, [&](const Writer &writer) {
        const QString path = scratch("never.txt");
        EXPECT_FALSE(writer.write(QString(), QStringLiteral("x")));
        EXPECT_FALSE(writer.write(path, QString()));
        EXPECT_FALSE(test::existsNoFollow(path));
        // A folder in the way stays a folder, with what it holds.
        const QString folder = scratch("folder.txt");
        test::writeFile(folder + QStringLiteral("/inside"), "kept");
        EXPECT_FALSE(writer.write(folder, QStringLiteral("x")));
        EXPECT_EQ(test::readFile(folder + QStringLiteral("/inside")), QByteArray("kept"));
        // A pipe is not written (nor waited on); links that lead to each other lead nowhere.
        ASSERT_EQ(::mkfifo(QFile::encodeName(scratch("fifo")).constData(), 0600), 0);
        EXPECT_FALSE(writer.write(scratch("fifo"), QStringLiteral("x")));
        makeLink(QStringLiteral("loop2"), scratch("loop1"));
        makeLink(QStringLiteral("loop1"), scratch("loop2"));
        EXPECT_FALSE(writer.write(scratch("loop1"), QStringLiteral("x")));
        EXPECT_TRUE(test::isLinkAt(scratch("loop1")) && test::isLinkAt(scratch("loop2")));
        QDir(test::scratchDir()).removeRecursively();
    });
    EXPECT_FALSE(writeTextFileUtf8(QStringLiteral(""), QStringLiteral("x"), true));
    EXPECT_FALSE(writeTextFileEncoding(scratch("never.txt"), QStringLiteral(""), QStringLiteral("utf8")));

    // The UTF-8 writer never writes through a link that leads nowhere.
    makeLink(scratch("target.txt"), scratch("link.txt"));
    EXPECT_FALSE(writeTextFileUtf8(scratch("link.txt"), QStringLiteral("x"), true));
    EXPECT_FALSE(test::existsNoFollow(scratch("target.txt")));
    EXPECT_FALSE(writeTextFileUtf8(scratch("no/such/a.txt"), QStringLiteral("x"), false));
}

TEST(Writing, AFailedWriteLeavesTheOldFile)
{
    const QString longText(4096, QLatin1Char('x'));
    test::forEachCase(kWriters, [&](const Writer &writer) {
        // The disk fills up: nothing of the new text stays, nothing is left beside.
        const QString path = test::writeFile(scratch("old.txt"), "old contents\n");
        {
            test::FileSizeLimit limit(100);
            EXPECT_FALSE(writer.write(path, longText));
        }
        EXPECT_EQ(test::readFile(path), QByteArray("old contents\n"));
        EXPECT_EQ(QDir(test::scratchDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("old.txt")});
        EXPECT_TRUE(test::logContains(QLatin1String(writer.failure) + path));
        {
            // A file that may not be written; a folder that may not be
            // written, where the file may, with the disk full.
            test::ScopedOwnerRightsOnly bound;
            const QString readOnly = test::writeFile(scratch("readonly.txt"), "old");
            setMode(readOnly, 0444);
            EXPECT_FALSE(writer.write(readOnly, QStringLiteral("new")));
            EXPECT_EQ(test::readFile(readOnly), QByteArray("old"));
            EXPECT_EQ(test::modeOf(readOnly), 0444);

            const QString locked = test::writeFile(scratch("locked/old.txt"), "old contents\n");
            setMode(scratch("locked"), 0555);
            {
                test::FileSizeLimit limit(100);
                EXPECT_FALSE(writer.write(locked, longText));
            }
            EXPECT_EQ(test::readFile(locked), QByteArray("old contents\n"));
            setMode(scratch("locked"), 0755);
        }
        QDir(test::scratchDir()).removeRecursively();
    });
}

TEST(Writing, TheReplacersWriteWhereTheFileReallyIs)
{
    test::forEachCase(kReplacers, [&](const Writer &writer) {
        const QString s = test::scratchDir();
        // Through two links, one of them relative, to the file: the links
        // stay links and the file keeps its mode.
        const QString file = test::writeFile(s + QStringLiteral("/real/file.txt"), "old");
        setMode(file, 0640);
        QDir().mkpath(s + QStringLiteral("/links"));
        makeLink(QStringLiteral("../real/file.txt"), s + QStringLiteral("/links/relative"));
        makeLink(s + QStringLiteral("/links/relative"), s + QStringLiteral("/absolute"));
        EXPECT_TRUE(writer.write(s + QStringLiteral("/absolute"), QStringLiteral("through links")));
        EXPECT_EQ(test::readFile(file), QByteArray("through links"));
        EXPECT_TRUE(test::isLinkAt(s + QStringLiteral("/absolute")) && test::isLinkAt(s + QStringLiteral("/links/relative")));
        EXPECT_EQ(test::modeOf(file), 0640);

        // A link that leads nowhere yet: the file is made where it points.
        makeLink(QStringLiteral("made.txt"), s + QStringLiteral("/real/pointer"));
        EXPECT_TRUE(writer.write(s + QStringLiteral("/real/pointer"), QStringLiteral("made")));
        EXPECT_TRUE(test::isLinkAt(s + QStringLiteral("/real/pointer")));
        EXPECT_EQ(test::readFile(s + QStringLiteral("/real/made.txt")), QByteArray("made"));

        // Every name of a file with several sees the new text.
        const QString other = s + QStringLiteral("/other name.txt");
        ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()), 0);
        EXPECT_TRUE(writer.write(file, QStringLiteral("one file, two names")));
        EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));
        EXPECT_EQ(test::statOf(other).st_ino, test::statOf(file).st_ino);
        EXPECT_EQ(test::modeOf(file), 0640);

        // A writable file in a folder that is not (for root too).
        {
            test::ScopedOwnerRightsOnly bound;
            const QString locked = test::writeFile(s + QStringLiteral("/locked/file.txt"), "old and longer");
            setMode(s + QStringLiteral("/locked"), 0555);
            EXPECT_TRUE(writer.write(locked, QStringLiteral("new")));
            EXPECT_EQ(test::readFile(locked), QByteArray("new"));
            EXPECT_TRUE(writer.write(locked, QStringLiteral("newer, and longer")));
            EXPECT_EQ(test::readFile(locked), QByteArray("newer, and longer"));
            setMode(s + QStringLiteral("/locked"), 0755);
        }

        if (::geteuid() == 0) {
            // A link that someone else left in a shared sticky folder (as
            // /tmp) is not followed, as the kernel would not.
            const QString shared = s + QStringLiteral("/shared");
            QDir().mkpath(shared);
            setMode(shared, 01777);
            ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
            makeLink(file, shared + QStringLiteral("/planted"));
            ASSERT_EQ(::lchown(QFile::encodeName(shared + QStringLiteral("/planted")).constData(), 65533, 65533), 0);
            EXPECT_FALSE(writer.write(shared + QStringLiteral("/planted"), QStringLiteral("planted")));
            EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));

            // The owner, where the user may give a file away.
            ASSERT_EQ(::chown(QFile::encodeName(other).constData(), 65534, 65534), 0);
            ASSERT_EQ(::unlink(QFile::encodeName(file).constData()), 0);
            EXPECT_TRUE(writer.write(other, QStringLiteral("still theirs")));
            EXPECT_EQ(test::readFile(other), QByteArray("still theirs"));
            EXPECT_EQ(test::statOf(other).st_uid, 65534u);
            EXPECT_EQ(test::statOf(other).st_gid, 65534u);
        }
        QDir(s).removeRecursively();
    });
}

TEST(Writing, TheMarkOverwritesTheFirstBytesOfAnExistingFileOnly)
{
    const QString path = test::writeFile(scratch("a.txt"), "abcdef");
    EXPECT_TRUE(writeUtf8Bom(path));
    EXPECT_EQ(test::readFile(path), kMark + "def");
    EXPECT_FALSE(writeUtf8Bom(QString()));
    EXPECT_FALSE(writeUtf8Bom(scratch("missing.txt")));
    EXPECT_FALSE(test::existsNoFollow(scratch("missing.txt")));
    // A pipe without a reader is not waited on.
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(writeUtf8Bom(scratch("fifo")));
}
