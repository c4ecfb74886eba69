#include <reel/core/paths.h>

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace reel;

namespace {

struct PathCase {
    const char *path;
    const char *expected;
};

QString q(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(Paths, LastPathComponent)
{
    const PathCase cases[] = {
        {"/tmp/a.mov", "a.mov"}, {"/tmp/", "tmp"},     {"/", "/"},       {"", ""},
        {"//", "/"},             {"a.mov", "a.mov"},   {"a//", "a"},     {"/tmp//a.mov", "a.mov"},
        {"/tmp/.hidden", ".hidden"}, {"/a/b.c.d", "b.c.d"}, {"~/Movies", "Movies"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lastPathComponent(q(c.path)), q(c.expected)) << c.path;
    EXPECT_TRUE(lastPathComponent(QString()).isNull());
}

TEST(Paths, DeletingLastPathComponent)
{
    const PathCase cases[] = {
        {"/tmp/a.mov", "/tmp"}, {"/tmp/", "/"},   {"/tmp", "/"},        {"/", "/"},
        {"a.mov", ""},          {"", ""},         {"//", "/"},          {"//tmp", "/"},
        {"a/b", "a"},           {"a//b", "a"},    {"/a/b/c/", "/a/b"}, {"tmp/", ""},
        {"/Volumes/Disk/Show.eyetv/a.mpg", "/Volumes/Disk/Show.eyetv"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(stringByDeletingLastPathComponent(q(c.path)), q(c.expected)) << c.path;
}

TEST(Paths, Extensions)
{
    const struct {
        const char *path, *extension, *without;
    } cases[] = {
        {"a.b.mov", "mov", "a.b"},
        {"/tmp/clip.avi", "avi", "/tmp/clip"},
        {"/tmp/scratch", "", "/tmp/scratch"},
        {"/tmp/", "", "/tmp"},
        {"scratch..tiff", "tiff", "scratch."},
        {".tiff", "", ".tiff"},
        {"/tmp/.profile", "", "/tmp/.profile"},
        {"/tmp/.profile.bak", "bak", "/tmp/.profile"},
        {"/", "", "/"},
        {"", "", ""},
        {"dir.d/file", "", "dir.d/file"},
        {"scratch.bundle/", "bundle", "scratch"},
        {"a.", "", "a"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(pathExtension(q(c.path)), q(c.extension)) << c.path;
        EXPECT_EQ(stringByDeletingPathExtension(q(c.path)), q(c.without)) << c.path;
    }
}

TEST(Paths, AppendingComponentsAndExtensions)
{
    const struct {
        const char *path, *component, *expected;
    } components[] = {
        {"/tmp", "x", "/tmp/x"}, {"/tmp/", "x", "/tmp/x"},   {"/", "x", "/x"},
        {"", "x", "x"},          {"/tmp", "", "/tmp"},       {"/tmp//", "a//b/", "/tmp/a/b"},
        {"a", "/b", "a/b"},      {"/tmp", "PLAYLIST/", "/tmp/PLAYLIST"},
    };
    for (const auto &c : components)
        EXPECT_EQ(stringByAppendingPathComponent(q(c.path), q(c.component)), q(c.expected))
            << c.path << " + " << c.component;

    const struct {
        const char *path, *extension, *expected;
    } extensions[] = {
        {"/a/b.srt", "txt", "/a/b.srt.txt"}, {"/tmp/", "mov", "/tmp.mov"},
        {"scratch", "tiff", "scratch.tiff"}, {"/tmp/scratch.", "tiff", "/tmp/scratch..tiff"},
        {"/tmp/a", "", "/tmp/a"},
    };
    for (const auto &c : extensions)
        EXPECT_EQ(stringByAppendingPathExtension(q(c.path), q(c.extension)), q(c.expected)) << c.path;
}

TEST(Paths, TildeExpansion)
{
    const QString home = test::homePath();
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("~")), home);
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("~/Movies")), home + QStringLiteral("/Movies"));
    // The rest of the path is kept as written, trailing separator included.
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("~/")), home + QStringLiteral("/"));
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("/tmp/~x")), QStringLiteral("/tmp/~x"));
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("a~")), QStringLiteral("a~"));
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("~no-such-user-xyz/a")), QStringLiteral("~no-such-user-xyz/a"));
    EXPECT_EQ(stringByExpandingTildeInPath(QStringLiteral("~root/x")), homeDirectoryForUser(QStringLiteral("root")) + QStringLiteral("/x"));
    EXPECT_EQ(stringByExpandingTildeInPath(QString()), QString());
}

TEST(Paths, Standardizing)
{
    const QString home = test::homePath();
    const PathCase cases[] = {
        {"/a/./b//c/", "/a/b/c"}, {"/a/b/../c", "/a/c"}, {"/../a", "/a"}, {"a/../b", "a/../b"},
        {"./a", "a"},             {"//", "/"},           {"/", "/"},       {".", "."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(stringByStandardizingPath(q(c.path)), q(c.expected)) << c.path;
    EXPECT_EQ(stringByStandardizingPath(QStringLiteral("~/x/../y")), home + QStringLiteral("/y"));
}

TEST(Paths, Components)
{
    EXPECT_EQ(pathComponents(QStringLiteral("/tmp/a")), (QStringList{"/", "tmp", "a"}));
    EXPECT_EQ(pathComponents(QStringLiteral("a/b/")), (QStringList{"a", "b", "/"}));
    EXPECT_EQ(pathComponents(QStringLiteral("/")), (QStringList{"/"}));
    EXPECT_TRUE(pathComponents(QString()).isEmpty());
}

TEST(Paths, HomeAndUser)
{
    EXPECT_EQ(homeDirectory(), test::homePath());
    EXPECT_FALSE(userName().isEmpty());
    EXPECT_TRUE(homeDirectoryForUser(QStringLiteral("no-such-user-xyz")).isNull());
}
