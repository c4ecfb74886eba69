#include <reel/core/fileio.h>

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace reel;

TEST(FileIo, ReadsRegularFilesOnly)
{
    const QString dir = test::scratchDir();
    test::writeFile(dir + QStringLiteral("/a.txt"), "abc");
    EXPECT_EQ(readRegularFile(dir + QStringLiteral("/a.txt")), QByteArray("abc"));
    test::writeFile(dir + QStringLiteral("/empty"), "");
    EXPECT_EQ(readRegularFile(dir + QStringLiteral("/empty")), QByteArray(""));

    QString error;
    EXPECT_FALSE(readRegularFile(dir + QStringLiteral("/missing"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readRegularFile(dir));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("/fifo")).constData(), 0600), 0);
    EXPECT_FALSE(readRegularFile(dir + QStringLiteral("/fifo"))) << "a named pipe is never waited on";
    EXPECT_FALSE(readRegularFile(QStringLiteral("/dev/zero")));
}

TEST(FileIo, AtomicReplaceKeepsModeAndLeavesNoTemporaryFile)
{
    const QString dir = test::scratchDir();
    const QString path = dir + QStringLiteral("/prefs.plist");
    ASSERT_TRUE(writeFileAtomically(path, "one"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(path, "two"));
    EXPECT_EQ(test::readFile(path), QByteArray("two"));
    EXPECT_EQ(QFileInfo(path).permissions() & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                                         | QFileDevice::WriteUser | QFileDevice::ReadGroup);
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"prefs.plist"});
}

TEST(FileIo, FailedWriteLeavesTheOldFile)
{
    const QString dir = test::scratchDir();
    const QString blocker = dir + QStringLiteral("/file");
    test::writeFile(blocker, "keep");
    QString error;
    // The folder part is a regular file: nothing can be created there, even as root.
    EXPECT_FALSE(writeFileAtomically(blocker + QStringLiteral("/x"), "new", &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder in the way of the rename.
    QDir().mkpath(dir + QStringLiteral("/taken/inner"));
    EXPECT_FALSE(writeFileAtomically(dir + QStringLiteral("/taken"), "new", &error));
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("/taken/inner")).isDir());
    EXPECT_EQ(test::readFile(blocker), QByteArray("keep"));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList{"file", "taken"}));
}

TEST(FileIo, PathsWithNulAreRefused)
{
    const QString dir = test::scratchDir();
    const QString path = dir + QStringLiteral("/a");
    test::writeFile(path, "keep");
    const QString withNul = path + QChar(0) + QStringLiteral("/b");
    EXPECT_FALSE(readRegularFile(withNul));
    EXPECT_FALSE(writeFileAtomically(withNul, "new"));
    EXPECT_EQ(test::readFile(path), QByteArray("keep"));
}
