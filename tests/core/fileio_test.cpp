#include <reel/core/fileio.h>
#include <reel/text/writing.h>

#include "filestate.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace reel;

TEST(FileIo, ReadsRegularFilesOnly)
{
    const QString dir = test::scratchDir();
    EXPECT_EQ(readRegularFile(test::writeFile(dir + QStringLiteral("/a.txt"), "abc")), QByteArray("abc"));
    EXPECT_EQ(readRegularFile(test::writeFile(dir + QStringLiteral("/empty"), "")), QByteArray(""));
    QString error;
    EXPECT_FALSE(readRegularFile(dir + QStringLiteral("/missing"), &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("/fifo")).constData(), 0600), 0);
    // A named pipe is never waited on.
    for (const QString &path : {dir, dir + QStringLiteral("/fifo"), QStringLiteral("/dev/zero")})
        EXPECT_FALSE(readRegularFile(path)) << path.toStdString();
}

TEST(FileIo, AtomicReplaceKeepsModeAndLeavesNoTemporaryFile)
{
    const QString dir = test::scratchDir();
    const QString path = dir + QStringLiteral("/prefs.plist");
    ASSERT_TRUE(writeFileAtomically(path, "one"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(path, "two"));
    EXPECT_EQ(test::readFile(path), QByteArray("two"));
    EXPECT_EQ(test::modeOf(path), 0640);
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"prefs.plist"});
}

TEST(FileIo, FailedWriteLeavesTheOldFile)
{
    const QString dir = test::scratchDir();
    const QString blocker = test::writeFile(dir + QStringLiteral("/file"), "keep");
    QDir().mkpath(dir + QStringLiteral("/taken/inner"));
    const QString withNul = blocker + QChar(0) + QStringLiteral("/b");
    // The folder part a regular file (nothing can be created there, even as
    // root); a folder in the way of the rename; a path holding NUL.
    for (const QString &path : {blocker + QStringLiteral("/x"), dir + QStringLiteral("/taken"), withNul}) {
        QString error;
        EXPECT_FALSE(writeFileAtomically(path, "new", &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(readRegularFile(withNul)) << "paths with NUL are refused";
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("/taken/inner")).isDir());
    EXPECT_EQ(test::readFile(blocker), QByteArray("keep"));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList{"file", "taken"}));
}

TEST(FileReplace, AFullDiskLeavesTheOldContents)
{
    // A file with one name is replaced by a new one beside it; with two
    // names it is written in place. Either write stops at the size limit.
    // Through the exported writer, so the test links in shared builds too.
    const auto replace = [](const QString &path, const char *text) { return writeTextFileEncoding(path, QString::fromLatin1(text), QStringLiteral("utf8")); };
    const QString dir = test::scratchDir();
    const QString single = test::writeFile(dir + QStringLiteral("/single"), "old");
    const QString linked = test::writeFile(dir + QStringLiteral("/linked"), "old");
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(dir + QStringLiteral("/other")).constData()), 0);
    const test::FileSizeLimit full(4);
    for (const QString &path : {single, linked}) {
        EXPECT_FALSE(replace(path, "longer than four bytes")) << path.toStdString();
        EXPECT_EQ(test::readFile(path), QByteArray("old"));
    }
    EXPECT_TRUE(replace(linked, "new"));
    EXPECT_EQ(test::readFile(dir + QStringLiteral("/other")), QByteArray("new"));
}
