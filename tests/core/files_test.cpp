// The temporary folder, private new files and whole-file reads and writes.
#include <reel/core/constants.h>
#include <reel/core/fileio.h>
#include <reel/core/privatefiles.h>
#include <reel/text/writing.h>

#include "filestate.h"
#include "logcapture.h"
#include "privileges.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

// Owned by the running user, a real folder, mode exactly 0700.
void expectPrivate(const QString &path)
{
    const struct stat st = test::statOf(path);
    EXPECT_TRUE(S_ISDIR(st.st_mode)) << path.toStdString();
    EXPECT_EQ(st.st_uid, ::geteuid()) << path.toStdString();
    EXPECT_EQ(test::modeOf(path), 0700) << path.toStdString();
}

QString mineUnder(const QString &tmp)
{
    return tmp + u"/reelkit-tests-"_s + QString::number(::geteuid());
}

QString in(const QString &dir, const char *name)
{
    return dir + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

TEST(Constants, DefaultTemporaryFolderIsPrivateAndNeverStored)
{
    const QString mine = mineUnder(qEnvironmentVariable("TMPDIR"));
    const mode_t old = ::umask(0777); // made 0700 even so
    EXPECT_EQ(getTMPFOLDER(), mine);
    ::umask(old);
    expectPrivate(mine);
    EXPECT_TRUE(TMPFOLDER.isNull());
    // A $TMPDIR that is not there: no folder, and one log line however
    // often the tools ask.
    const QString gone = test::scratchDir() + u"/gone"_s;
    const test::ScopedEnv missing("TMPDIR", gone);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(getTMPFOLDER().isNull());
    EXPECT_EQ(test::takeLog().size(), 1);
}

// Something planted at the folder's name is never used: a private folder is
// made beside it, or, where the folder above may not be written, none.
TEST(Constants, WhatWasPlantedAtTheTemporaryFolderIsNotUsed)
{
    const QString elsewhere = test::scratchDir() + u"/elsewhere"_s;
    QDir().mkpath(elsewhere);
    const auto folder = [](mode_t mode) {
        return [mode](const QString &p) { return QDir().mkdir(p) && ::chmod(QFile::encodeName(p).constData(), mode) == 0; };
    };
    const auto link = [&](const QString &p) { return QFile::link(elsewhere, p); };
    const struct {
        const char *name;
        std::function<bool(const QString &)> plant;
        bool lockedAbove; // the folder above may not be written (root too)
    } cases[] = {
        {"a folder opened 0777", folder(0777), false},
        {"a link planted to a folder of the user", link, false},
        {"a file at the name", [](const QString &p) { return !test::writeFile(p, "x").isEmpty(); }, false},
        {"a folder of another user", // only root can make one
         [&](const QString &p) {
             return ::geteuid() == 0 && folder(0700)(p) && ::chown(QFile::encodeName(p).constData(), 65534, 65534) == 0;
         }, false},
        {"a link, nothing to be made beside it", link, true},
        {"a folder opened 0777, nothing to be made beside it", folder(0777), true},
    };
    test::forEachCase(cases, [&](const auto &c) {
        const QString tmp = test::scratchDir() + u'/' + QLatin1String(c.name);
        QDir().mkpath(tmp);
        const test::ScopedEnv env("TMPDIR", tmp);
        const QString wanted = mineUnder(tmp);
        if (!c.plant(wanted) && ::geteuid() != 0)
            return; // only root can plant another user's folder
        const struct stat before = test::statOf(wanted);
        if (c.lockedAbove) {
            test::ScopedOwnerRightsOnly bound;
            ASSERT_EQ(::chmod(QFile::encodeName(tmp).constData(), 0555), 0);
            EXPECT_TRUE(getTMPFOLDER().isNull());
            EXPECT_TRUE(getTMPFOLDER().isNull());
            ::chmod(QFile::encodeName(tmp).constData(), 0755);
            EXPECT_EQ(test::takeLog().filter(u"none used"_s).size(), 1);
        } else {
            const QString used = getTMPFOLDER();
            EXPECT_TRUE(used.startsWith(wanted + u"-"_s)) << used.toStdString();
            expectPrivate(used);
            // The same fresh folder on the next call, without another line.
            EXPECT_EQ(getTMPFOLDER(), used);
            EXPECT_EQ(test::takeLog().filter(u"is not private"_s).size(), 1);
        }
        // What was planted is left as it was.
        EXPECT_EQ(test::statOf(wanted).st_mode, before.st_mode);
        EXPECT_EQ(test::statOf(wanted).st_uid, before.st_uid);
    });
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
}

TEST(Constants, FlagsAndComponents)
{
    // OPENPERM starts at 1 and keeps eight signed bits; the components start at 0.
    EXPECT_EQ(getOPENPERM(), 1);
    setOPENPERM(255);
    EXPECT_EQ(getOPENPERM(), -1);
    for (int (*get)() : {getWMV, getDIVX, getAIC, getPRORESdec, getPRORES, getMPEG2, getMTS})
        EXPECT_EQ(get(), 0);
}

TEST(PrivateFiles, NewFilesNeverGoThroughAPlantedLink)
{
    const QString dir = test::scratchDir();
    const QString target = test::writeFile(in(dir, "precious"), "precious");
    QFile::link(target, in(dir, "link"));
    QFile::link(in(dir, "nowhere"), in(dir, "dangling"));
    QString error;
    for (const char *name : {"link", "dangling", "precious"}) {
        EXPECT_EQ(createNewFile(in(dir, name), &error), -1) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(in(dir, "nowhere")));

    // Replacing removes the link itself; its target keeps its bytes.
    const int fd = replaceWithNewFile(in(dir, "link"), &error);
    ASSERT_GE(fd, 0) << error.toStdString();
    ASSERT_EQ(::write(fd, "new", 3), 3);
    ::close(fd);
    EXPECT_FALSE(test::isLinkAt(in(dir, "link")));
    EXPECT_EQ(test::modeOf(in(dir, "link")), 0600);
    EXPECT_EQ(test::readFile(in(dir, "link")), QByteArray("new"));
    EXPECT_EQ(test::readFile(target), QByteArray("precious"));
    EXPECT_TRUE(QDir().mkdir(in(dir, "folder")));
    EXPECT_EQ(replaceWithNewFile(in(dir, "folder")), -1);

    // Unique names: distinct, made exclusively, private.
    const QString a = createUniqueFile(dir, u"passlog-"_s, u"-0.log"_s);
    const QString b = createUniqueFile(dir, u"passlog-"_s, u"-0.log"_s);
    EXPECT_NE(a, b);
    for (const QString &made : {a, b}) {
        EXPECT_TRUE(made.startsWith(in(dir, "passlog-"))) << made.toStdString();
        EXPECT_TRUE(made.endsWith(u"-0.log"_s)) << made.toStdString();
        EXPECT_EQ(made.size(), dir.size() + 21) << made.toStdString();
        EXPECT_EQ(test::modeOf(made), 0600) << made.toStdString();
    }
    EXPECT_TRUE(createUniqueFile(in(dir, "missing"), u"x"_s, QString(), &error).isNull());
}

TEST(FileIo, ReadsRegularFilesOnlyAndAReplaceKeepsModeOrLeavesTheOldFile)
{
    const QString dir = test::scratchDir();
    EXPECT_EQ(readRegularFile(test::writeFile(in(dir, "read/a.txt"), "abc")), QByteArray("abc"));
    EXPECT_EQ(readRegularFile(test::writeFile(in(dir, "read/empty"), "")), QByteArray(""));
    const QString blocker = test::writeFile(in(dir, "file"), "keep");
    const QString withNul = blocker + QChar(0) + u"/b"_s;
    // A named pipe is never waited on; paths with NUL are refused.
    ASSERT_EQ(::mkfifo(QFile::encodeName(in(dir, "read/fifo")).constData(), 0600), 0);
    for (const QString &path : {in(dir, "missing"), dir, in(dir, "read/fifo"), u"/dev/zero"_s, withNul}) {
        QString error;
        EXPECT_FALSE(readRegularFile(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
    }

    const QString path = in(dir, "prefs.plist");
    ASSERT_TRUE(writeFileAtomically(path, "one"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(path, "two"));
    EXPECT_EQ(test::readFile(path), "two");
    EXPECT_EQ(test::modeOf(path), 0640);

    QDir().mkpath(in(dir, "taken/inner"));
    // The folder part a regular file (nothing can be created there, even as
    // root); a folder in the way of the rename; a path holding NUL.
    for (const QString &target : {blocker + u"/x"_s, in(dir, "taken"), withNul}) {
        QString error;
        EXPECT_FALSE(writeFileAtomically(target, "new", &error)) << target.toStdString();
        EXPECT_FALSE(error.isEmpty()) << target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(in(dir, "taken/inner")).isDir());
    EXPECT_EQ(test::readFile(blocker), QByteArray("keep"));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"file", "prefs.plist", "read", "taken"})) << "no temporary file is left";
}

TEST(FileReplace, AFullDiskLeavesTheOldContents)
{
    // A file with two names is written in place (a file with one is replaced
    // by a new one beside it: the writers' tests fill the disk for that).
    // Through the exported writer, so the test links in shared builds too.
    const QString dir = test::scratchDir();
    const QString linked = test::writeFile(in(dir, "linked"), "old");
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(in(dir, "other")).constData()), 0);
    const test::FileSizeLimit full(4);
    EXPECT_FALSE(writeTextFileEncoding(linked, u"longer than four bytes"_s, u"utf8"_s));
    EXPECT_EQ(test::readFile(linked), QByteArray("old"));
    EXPECT_TRUE(writeTextFileEncoding(linked, u"new"_s, u"utf8"_s));
    EXPECT_EQ(test::readFile(in(dir, "other")), QByteArray("new"));
}
