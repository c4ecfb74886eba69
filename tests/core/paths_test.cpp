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
    // One row per rule. Columns: the last component, the path without it,
    // the extension, the path without it (nullptr: not checked on that row).
    const struct {
        const char *path, *last, *parent, *extension, *withoutExtension;
    } cases[] = {
        {"/tmp/a.b.mov", "a.b.mov", "/tmp", "mov", "/tmp/a.b"},
        {"/tmp/", "tmp", "/", "", "/tmp"},
        {"a//b/", "b", "a", nullptr, nullptr},
        {"/", "/", "/", "", "/"},
        {"", "", "", "", ""},
        {"/tmp/.profile.bak", ".profile.bak", "/tmp", "bak", "/tmp/.profile"},
        {"/tmp/.profile", ".profile", "/tmp", "", "/tmp/.profile"},
        {"scratch..tiff", "scratch..tiff", "", "tiff", "scratch."},
        {"dir.d/file", "file", "dir.d", "", "dir.d/file"},
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
    EXPECT_EQ(pathComponents(QStringLiteral("a/b/")), (QStringList{"a", "b", "/"}));
}

TEST(Paths, PuttingPathsTogether)
{
    const struct {
        QString (*join)(const QString &, const QString &);
        const char *path, *part, *expected;
    } cases[] = {
        {stringByAppendingPathComponent, "/tmp//", "a//b/", "/tmp/a/b"},
        {stringByAppendingPathComponent, "", "x", "x"},
        {stringByAppendingPathComponent, "/tmp", "", "/tmp"},
        {stringByAppendingPathExtension, "/tmp/", "mov", "/tmp.mov"},
        {stringByAppendingPathExtension, "/tmp/a.", "tiff", "/tmp/a..tiff"},
        {stringByAppendingPathExtension, "/tmp/a", "", "/tmp/a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.join(q(c.path), q(c.part)), q(c.expected)) << c.path << " + " << c.part;
}

TEST(Paths, TildesAndStandardForms)
{
    const QString home = test::homePath();
    EXPECT_EQ(homeDirectory(), home);
    EXPECT_TRUE(homeDirectoryForUser(QStringLiteral("no-such-user-xyz")).isNull());
    // The rest of the path is kept as written, trailing separator included.
    const std::pair<const char *, QString> tildes[] = {
        {"~/", home + QStringLiteral("/")}, {"/tmp/~x", QStringLiteral("/tmp/~x")},
        {"~no-such-user-xyz/a", QStringLiteral("~no-such-user-xyz/a")},
        {"~root/x", homeDirectoryForUser(QStringLiteral("root")) + QStringLiteral("/x")}};
    for (const auto &[path, expanded] : tildes)
        EXPECT_EQ(stringByExpandingTildeInPath(q(path)), expanded) << path;

    const std::pair<const char *, QString> standard[] = {
        {"/a/./b//c/", QStringLiteral("/a/b/c")}, {"/a/b/../c", QStringLiteral("/a/c")}, {"/../a", QStringLiteral("/a")},
        {"a/../b", QStringLiteral("a/../b")},     {"./a", QStringLiteral("a")},          {".", QStringLiteral(".")},
        {"~/x/../y", home + QStringLiteral("/y")}};
    for (const auto &[path, expected] : standard)
        EXPECT_EQ(stringByStandardizingPath(q(path)), expected) << path;
}
