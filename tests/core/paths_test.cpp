#include <reel/core/paths.h>

#include "sandbox.h"

#include <gtest/gtest.h>

using namespace reel;

namespace {

QString q(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(Paths, TakingPathsApart)
{
    // Columns: the last component, the path without it, the extension, the
    // path without it (nullptr: not checked on that row).
    const struct {
        const char *path, *last, *parent, *extension, *withoutExtension;
    } cases[] = {
        {"/tmp/a.b.mov", "a.b.mov", "/tmp", "mov", "/tmp/a.b"},
        {"/tmp/", "tmp", "/", "", "/tmp"},
        {"/", "/", "/", "", "/"},
        {"", "", "", "", ""},
        {"//", "/", "/", nullptr, nullptr},
        {"a.mov", "a.mov", "", "mov", "a"},
        {"a//b/", "b", "a", nullptr, nullptr},
        {"/tmp//a.mov", "a.mov", "/tmp", nullptr, nullptr},
        {"/tmp/.profile", ".profile", "/tmp", "", "/tmp/.profile"},
        {"/tmp/.profile.bak", ".profile.bak", "/tmp", "bak", "/tmp/.profile"},
        {"scratch..tiff", "scratch..tiff", "", "tiff", "scratch."},
        {"dir.d/file", "file", "dir.d", "", "dir.d/file"},
        {"scratch.bundle/", "scratch.bundle", "", "bundle", "scratch"},
        {"a.", "a.", "", "", "a"},
    };
    const auto expect = [](QString (*f)(const QString &), const char *path, const char *expected) {
        if (expected)
            EXPECT_EQ(f(q(path)), q(expected)) << path;
    };
    for (const auto &c : cases) {
        expect(lastPathComponent, c.path, c.last);
        expect(stringByDeletingLastPathComponent, c.path, c.parent);
        expect(pathExtension, c.path, c.extension);
        expect(stringByDeletingPathExtension, c.path, c.withoutExtension);
    }
    EXPECT_TRUE(lastPathComponent(QString()).isNull());
    EXPECT_EQ(pathComponents(QStringLiteral("/tmp/a")), (QStringList{"/", "tmp", "a"}));
    EXPECT_EQ(pathComponents(QStringLiteral("a/b/")), (QStringList{"a", "b", "/"}));
    EXPECT_TRUE(pathComponents(QString()).isEmpty());
}

TEST(Paths, PuttingPathsTogether)
{
    const struct {
        const char *path, *component, *expected;
    } components[] = {{"/tmp/", "x", "/tmp/x"}, {"/", "x", "/x"}, {"", "x", "x"}, {"/tmp", "", "/tmp"}, {"/tmp//", "a//b/", "/tmp/a/b"}};
    for (const auto &c : components)
        EXPECT_EQ(stringByAppendingPathComponent(q(c.path), q(c.component)), q(c.expected)) << c.path << " + " << c.component;
    const struct {
        const char *path, *extension, *expected;
    } extensions[] = {{"/a/b.srt", "txt", "/a/b.srt.txt"}, {"/tmp/", "mov", "/tmp.mov"}, {"/tmp/a.", "tiff", "/tmp/a..tiff"}, {"/tmp/a", "", "/tmp/a"}};
    for (const auto &c : extensions)
        EXPECT_EQ(stringByAppendingPathExtension(q(c.path), q(c.extension)), q(c.expected)) << c.path;
}

TEST(Paths, TildesAndStandardForms)
{
    const QString home = test::homePath();
    EXPECT_EQ(homeDirectory(), home);
    EXPECT_FALSE(userName().isEmpty());
    EXPECT_TRUE(homeDirectoryForUser(QStringLiteral("no-such-user-xyz")).isNull());
    // The rest of the path is kept as written, trailing separator included.
    const std::pair<const char *, QString> tildes[] = {
        {"~", home}, {"~/", home + QStringLiteral("/")}, {"/tmp/~x", QStringLiteral("/tmp/~x")},
        {"~no-such-user-xyz/a", QStringLiteral("~no-such-user-xyz/a")},
        {"~root/x", homeDirectoryForUser(QStringLiteral("root")) + QStringLiteral("/x")}};
    for (const auto &[path, expanded] : tildes)
        EXPECT_EQ(stringByExpandingTildeInPath(q(path)), expanded) << path;
    EXPECT_TRUE(stringByExpandingTildeInPath(QString()).isNull());

    const std::pair<const char *, QString> standard[] = {
        {"/a/./b//c/", QStringLiteral("/a/b/c")}, {"/a/b/../c", QStringLiteral("/a/c")}, {"/../a", QStringLiteral("/a")},
        {"a/../b", QStringLiteral("a/../b")},     {"./a", QStringLiteral("a")},          {"//", QStringLiteral("/")},
        {".", QStringLiteral(".")},               {"~/x/../y", home + QStringLiteral("/y")}};
    for (const auto &[path, expected] : standard)
        EXPECT_EQ(stringByStandardizingPath(q(path)), expected) << path;
}
