#include "filestate.h"
#include "logcapture.h"
#include "privileges.h"
#include "samples.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/dialogs/recordingpresenter.h>
#include <reel/text/writing.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

QString scratch(const char *name)
{
    return test::scratchDir() + QLatin1Char('/') + QLatin1String(name);
}

void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// The writers of a whole text: the UTF-8 one appends, the others replace the file.
struct Writer {
    const char *name;
    bool (*write)(const QString &path, const QString &text);
    const char *failure; // the start of its log line for a failure, before the path
};
const Writer kWriters[] = {
    {"writeTextFileUtf8NoBom", [](const QString &p, const QString &t) { return writeTextFileUtf8NoBom(p, t); }, "ecrit               :-( "},
    {"writeTextFileEncoding", [](const QString &p, const QString &t) { return writeTextFileEncoding(p, t, u"utf8"_s); }, "ecrit               :-( "},
    {"ecritureFichier", [](const QString &p, const QString &t) { return ecritureFichier(p, t, 1); }, "Error writing file at "},
};
const Writer kReplacers[] = {kWriters[1], kWriters[2]};

} // namespace

TEST(Writing, WhatEachWriterPutsInTheFile)
{
    // The mark only on the file the call creates; the UTF-8 writer appends.
    const QString path = scratch("bom.srt");
    EXPECT_TRUE(writeTextFileUtf8Bom(path, u"été\n"_s));
    EXPECT_TRUE(writeTextFileUtf8Bom(path, u"deux"_s));
    EXPECT_EQ(test::readFile(path), "\xEF\xBB\xBF"_ba + u"été\ndeux"_s.toUtf8());
    // writeUtf8Bom overwrites the first bytes of a file that is there, only.
    const QString plain = test::writeFile(scratch("plain.srt"), "old\n");
    EXPECT_TRUE(writeTextFileUtf8Bom(plain, u"é"_s));
    EXPECT_TRUE(writeUtf8Bom(plain));
    EXPECT_EQ(test::readFile(plain), "\xEF\xBB\xBF\n\xC3\xA9"_ba);
    EXPECT_FALSE(writeUtf8Bom(scratch("missing.txt")));
    EXPECT_FALSE(test::existsNoFollow(scratch("missing.txt")));
    EXPECT_TRUE(test::takeLog().value(0).startsWith(u"Fixed BOM           :-( "_s + scratch("missing.txt")));

    // ecritureFichier: every line ending becomes a line feed; the number goes to the log.
    EXPECT_TRUE(ecritureFichier(scratch("lines.txt"), u"a\r\nb\rc\n\r\r\n"_s, -42));
    EXPECT_EQ(test::readFile(scratch("lines.txt")), QByteArray("a\nb\nc\n\n\n"));
    EXPECT_EQ(test::takeLog(), QStringList{u"-42"_s});

    // "~" is the home folder.
    test::forEachCase(kWriters, [](const Writer &writer) {
        EXPECT_TRUE(writer.write(u"~/"_s + QLatin1String(writer.name), u"home"_s));
        EXPECT_EQ(test::readFile(test::homePath() + QLatin1Char('/') + QLatin1String(writer.name)), QByteArray("home"));
    });
}

TEST(Writing, TheEncodingNameChoosesTheEncodingAndTheAlert)
{
    const QString text = u"Été 😀"_s;
    // The bytes from iconv; names that are no UTF name lose what ASCII cannot hold.
    const std::tuple<QString, QByteArray, const char *> cases[] = { // alert, null: none
        {u"UTF-16BE"_s, test::iconvBytes(text, "UTF-16BE"), "NSUTF16BigEndianStringEncoding"},
        {u"utf16le"_s, test::iconvBytes(text, "UTF-16LE"), "NSUTF16LittleEndianStringEncoding"},
        {u"UTF-8"_s, text.toUtf8(), "NSUTF8StringEncoding"}, {u"UTF-16 Mac Roman"_s, "\x83t\x8E ?", nullptr},
        {u"Latin-1"_s, "?t? ?", nullptr},
    };
    for (const auto &[name, bytes, alert] : cases) {
        RecordingPresenter alerts;
        ScopedAlertPresenter use(&alerts);
        EXPECT_TRUE(writeTextFileEncoding(scratch("enc.txt"), text, name));
        EXPECT_EQ(test::readFile(scratch("enc.txt")).toHex(' '), bytes.toHex(' ')) << name.toStdString();
        EXPECT_EQ(alerts.count() ? alerts.last().title + u' ' + alerts.last().message : QString(),
                  alert ? u"encoding "_s + QLatin1String(alert) : QString());
    }
}

TEST(Writing, RefusesWhatItCannotWriteAndAFailedWriteLeavesTheOldFile)
{
    // A folder in the way stays a folder; a pipe is not written (nor waited
    // on); links that lead to each other lead nowhere.
    test::writeFile(scratch("folder.txt/inside"), "kept");
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"loop2"_s, scratch("loop1")));
    ASSERT_TRUE(QFile::link(u"loop1"_s, scratch("loop2")));
    const QString folder = scratch("old"), path = folder + u"/old.txt"_s;
    test::forEachCase(kWriters, [&](const Writer &writer) {
        for (const QString &where : {QString(), scratch("folder.txt"), scratch("fifo"), scratch("loop1")})
            EXPECT_FALSE(writer.write(where, u"x"_s)) << where.toStdString();
        EXPECT_FALSE(writer.write(scratch("never.txt"), QString()));

        // The disk fills up: nothing of the new text stays, nothing is left beside.
        const auto onAFullDisk = [&] {
            test::FileSizeLimit limit(100);
            return writer.write(path, QString(4096, QLatin1Char('x')));
        };
        test::writeFile(path, "old contents\n");
        EXPECT_FALSE(onAFullDisk());
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{u"old.txt"_s});
        EXPECT_TRUE(test::logContains(QLatin1String(writer.failure) + path));
        {
            // A file that may not be written; a folder that may not be
            // written, where the file may, with the disk full.
            test::ScopedOwnerRightsOnly bound;
            setMode(path, 0444);
            EXPECT_FALSE(writer.write(path, u"new"_s));
            EXPECT_EQ(test::modeOf(path), 0444);
            setMode(path, 0644);
            setMode(folder, 0555);
            EXPECT_FALSE(onAFullDisk());
            setMode(folder, 0755);
        }
        EXPECT_EQ(test::readFile(path), QByteArray("old contents\n"));
    });
    EXPECT_TRUE(test::isLinkAt(scratch("loop1")));
    EXPECT_TRUE(test::isLinkAt(scratch("loop2")));
    EXPECT_EQ(test::readFile(scratch("folder.txt/inside")), QByteArray("kept"));
    // The UTF-8 writer never writes through a link that leads nowhere.
    ASSERT_TRUE(QFile::link(scratch("target.txt"), scratch("link.txt")));
    EXPECT_FALSE(writeTextFileUtf8(scratch("link.txt"), u"x"_s, true));
    EXPECT_FALSE(test::existsNoFollow(scratch("target.txt")));
}

TEST(Writing, TheReplacersWriteWhereTheFileReallyIs)
{
    test::forEachCase(kReplacers, [&](const Writer &writer) {
        // Through two links, one of them relative, to the file: the links
        // stay links and the file keeps its mode.
        const QString file = test::writeFile(scratch("real/file.txt"), "old");
        setMode(file, 0640);
        ASSERT_TRUE(QFile::link(u"file.txt"_s, scratch("real/relative")));
        ASSERT_TRUE(QFile::link(scratch("real/relative"), scratch("absolute")));
        EXPECT_TRUE(writer.write(scratch("absolute"), u"through links"_s));
        EXPECT_EQ(test::readFile(file), QByteArray("through links"));
        EXPECT_TRUE(test::isLinkAt(scratch("absolute")));
        EXPECT_TRUE(test::isLinkAt(scratch("real/relative")));
        EXPECT_EQ(test::modeOf(file), 0640);

        // Every name of a file with several sees the new text.
        const QString other = scratch("other name.txt");
        ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(other).constData()), 0);
        EXPECT_TRUE(writer.write(file, u"one file, two names"_s));
        EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));

        if (::geteuid() == 0) {
            // A link that someone else left in a shared sticky folder (as
            // /tmp) is not followed, as the kernel would not.
            const QString shared = scratch("shared"), planted = shared + u"/planted"_s;
            ASSERT_TRUE(QDir().mkpath(shared));
            ASSERT_TRUE(QFile::link(file, planted));
            setMode(shared, 01777);
            ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
            ASSERT_EQ(::lchown(QFile::encodeName(planted).constData(), 65533, 65533), 0);
            EXPECT_FALSE(writer.write(planted, u"planted"_s));
            EXPECT_EQ(test::readFile(other), QByteArray("one file, two names"));
        }
        QDir(test::scratchDir()).removeRecursively();
    });
}

TEST(Writing, TheAppendingWritersNeverFollowALinkAnotherUserPlantedInASharedFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    // Root's file, and a link to it that nobody left in a sticky folder
    // anyone may write (as /tmp), and one root left there itself.
    const QString precious = test::writeFile(scratch("precious.txt"), "root's own\n");
    const QString shared = scratch("shared"), planted = shared + u"/planted"_s, own = shared + u"/own"_s;
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_TRUE(QFile::link(precious, planted));
    ASSERT_TRUE(QFile::link(precious, own));
    setMode(shared, 01777);
    ASSERT_EQ(::lchown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    const Writer appenders[] = {
        kWriters[0],
        {"writeTextFileUtf8Bom", [](const QString &p, const QString &t) { return writeTextFileUtf8Bom(p, t); }, ""},
        {"writeUtf8Bom", [](const QString &p, const QString &) { return writeUtf8Bom(p); }, ""},
    };
    test::forEachCase(appenders, [&](const Writer &writer) { EXPECT_FALSE(writer.write(planted, u"planted"_s)); });
    EXPECT_EQ(test::readFile(precious), QByteArray("root's own\n"));
    EXPECT_TRUE(writeTextFileUtf8NoBom(own, u"more\n"_s));
    EXPECT_EQ(test::readFile(precious), QByteArray("root's own\nmore\n"));
}
