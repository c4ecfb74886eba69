// The removal guard on hostile paths: every refusal runs with a recorder
// that fails the test if anything would be deleted, and every harmless case
// deletes only inside the sandbox.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/paths.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>

using namespace reel;
using test::exists;
using test::makeLink;

namespace {

const QString kDirname = QStringLiteral("alerte de sécurité dirname");
const QString kJoker = QStringLiteral("alerte de sécurité joker");

const char *verdictName(RemovalVerdict verdict)
{
    switch (verdict) {
    case RemovalVerdict::Allowed:
        return "allowed";
    case RemovalVerdict::RefusedAncestor:
        return "ancestor";
    case RemovalVerdict::RefusedDirname:
        return "dirname";
    case RemovalVerdict::RefusedJoker:
        return "joker";
    case RemovalVerdict::RefusedUnknown:
        return "unknown";
    }
    return "?";
}

struct Row {
    QString path;
    RemovalVerdict expected;
    QString cwd = QString(); // null: the test's working folder
};

// Judges each row, then runs rmCocoa with a recorder that must stay unused
// and checks that the refusal is logged (or silent) as the rule says.
void expectRefused(const std::vector<Row> &rows)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(("path '" + row.path + "' cwd '" + row.cwd + "'").toStdString());
        std::optional<test::ScopedCwd> cwd;
        if (!row.cwd.isNull())
            cwd.emplace(row.cwd);
        EXPECT_STREQ(verdictName(judgeRemoval(row.path).verdict), verdictName(row.expected));
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        test::clearLog();
        EXPECT_FALSE(rmCocoa(row.path));
        EXPECT_TRUE(recorder.calls.isEmpty());
        EXPECT_EQ(test::logHas(kDirname), row.expected == RemovalVerdict::RefusedDirname) << test::logLines().join(u'\n').toStdString();
        EXPECT_EQ(test::logHas(kJoker), row.expected == RemovalVerdict::RefusedJoker);
        if (row.expected == RemovalVerdict::RefusedAncestor)
            EXPECT_TRUE(test::logLines().isEmpty()) << "the ancestor refusal is silent";
    }
}

// The home folder of the password database (/root when run as root).
QString realHome()
{
    return homeDirectoryForUser(userName());
}

class RemovalGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = QDir::cleanPath(homeDirectory());
        ASSERT_TRUE(test::insideSandbox(home));
        scratch = test::scratchDir();
        user = userName();
        ASSERT_FALSE(user.isEmpty());
        QDir().mkpath(home + QStringLiteral("/Movies/sub"));
        test::writeFile(home + QStringLiteral("/Movies/keep.mov"), "keep");
    }
    void TearDown() override
    {
        // Whatever happened, the home folder and the real home are intact.
        EXPECT_TRUE(exists(home + QStringLiteral("/Movies/keep.mov")));
        if (!realHome().isEmpty())
            EXPECT_TRUE(QFileInfo(realHome()).isDir() || !exists(realHome()));
    }
    QString home, scratch, user;
};

constexpr auto Ancestor = RemovalVerdict::RefusedAncestor;
constexpr auto Dirname = RemovalVerdict::RefusedDirname;
constexpr auto Joker = RemovalVerdict::RefusedJoker;

} // namespace

TEST_F(RemovalGuardTest, SystemPathsAreRefused)
{
    const QString u = user;
    expectRefused({
        {QStringLiteral("/"), Dirname},
        {QStringLiteral("//"), Dirname},
        {QStringLiteral("///"), Dirname},
        {QStringLiteral("/."), Dirname},
        {QStringLiteral("/.."), Dirname},
        {QStringLiteral("/Applications"), Dirname},
        {QStringLiteral("/tmp"), home.startsWith(QStringLiteral("/tmp/")) ? Ancestor : Dirname},
        {QStringLiteral("/etc/"), Dirname},
        {QStringLiteral("/Volumes"), Dirname},
        {QStringLiteral("/Volumes/Disk"), Dirname},
        {QStringLiteral("/Volumes/Disk/"), Dirname},
        {QStringLiteral("/Volumes//Disk"), Dirname},
        {QStringLiteral("/media"), Dirname},
        {QStringLiteral("/media/usb"), Dirname},
        {QStringLiteral("/media/usb/"), Dirname},
        {QStringLiteral("/mnt/disk"), Dirname},
        {QStringLiteral("/run/media"), Dirname},
        {QStringLiteral("/run/media/") + u, Dirname},
        {QStringLiteral("/run/media/") + u + QStringLiteral("/USB"), Dirname},
        {QStringLiteral("/home"), Ancestor},
        {QStringLiteral("/home/"), Ancestor},
        {QStringLiteral("/home/./") + u + QStringLiteral("/"), Ancestor},
        {QStringLiteral("/home//") + u, Ancestor},
        {QStringLiteral("/tmp/../home"), Ancestor},
        {QStringLiteral("/home/someone-else"), Dirname},
        {QStringLiteral("/Users"), Ancestor},
        {QStringLiteral("/Users/"), Ancestor},
        {QStringLiteral("/Users/") + u, Ancestor},
        {QStringLiteral("/Users/") + u + QStringLiteral("/"), Ancestor},
        {QStringLiteral("/*.mov"), Dirname}, // the parent guard runs first
        {QStringLiteral("/Volumes/Users/*x"), Joker},
        {QStringLiteral("/Volumes/*x/y"), Joker},
        {QStringLiteral("*"), Joker},
        {QStringLiteral("*x"), Joker},
        {scratch + QStringLiteral("/../../../../../../../../.."), Dirname},
    });
}

TEST_F(RemovalGuardTest, TheRealHomeFolderIsRefused)
{
    const QString real = realHome();
    ASSERT_FALSE(real.isEmpty());
    // /root has "/" as parent; /home/<name> and /Users/<name> are user folders.
    const RemovalVerdict expected = judgeRemoval(real).verdict;
    ASSERT_NE(expected, RemovalVerdict::Allowed);
    makeLink(real, scratch + QStringLiteral("/toRealHome"));
    expectRefused({
        {real, expected},
        {real + QStringLiteral("/"), expected},
        {real + QStringLiteral("/."), expected},
        {QStringLiteral("~") + user, expected},
        {QStringLiteral("~") + user + QStringLiteral("/"), expected},
        {scratch + QStringLiteral("/toRealHome/."), expected},
        {scratch + QStringLiteral("/toRealHome/./"), expected},
        {QStringLiteral("toRealHome/."), expected, scratch},
        {scratch + QStringLiteral("/toRealHome/.."), judgeRemoval(stringByDeletingLastPathComponent(real)).verdict},
    });
}

TEST_F(RemovalGuardTest, TheSandboxHomeAndItsAncestorsAreRefused)
{
    const QString name = lastPathComponent(home);
    const QString parent = stringByDeletingLastPathComponent(home);
    QDir().mkpath(home + QStringLiteral("/a/b"));
    makeLink(home, scratch + QStringLiteral("/toHome"));
    makeLink(parent, scratch + QStringLiteral("/toHomeParent"));
    makeLink(QStringLiteral("/"), scratch + QStringLiteral("/toRoot"));
    QString doubled = home;
    doubled.replace(QLatin1Char('/'), QStringLiteral("//"));
    expectRefused({
        {QStringLiteral("~"), Ancestor},
        {QStringLiteral("~/"), Ancestor},
        {QStringLiteral("~/."), Ancestor},
        {QStringLiteral("~//"), Ancestor},
        {QStringLiteral("~/./"), Ancestor},
        {QStringLiteral("~/../") + name, Ancestor},
        {QStringLiteral("~/Movies/.."), Ancestor},
        {QStringLiteral("~/missing/.."), Ancestor},
        {QStringLiteral("~/.."), Ancestor},
        {home, Ancestor},
        {home + QStringLiteral("/"), Ancestor},
        {home + QStringLiteral("//"), Ancestor},
        {doubled, Ancestor},
        {doubled + QStringLiteral("//"), Ancestor},
        {QStringLiteral("."), Ancestor, home},
        {QStringLiteral("./"), Ancestor, home},
        {QStringLiteral(".."), Ancestor, home + QStringLiteral("/a")},
        {QStringLiteral("../"), Ancestor, home + QStringLiteral("/a")},
        {QStringLiteral("../.."), Ancestor, home + QStringLiteral("/a/b")},
        {QStringLiteral("./b/../.."), Ancestor, home + QStringLiteral("/a")},
        {QStringLiteral("../../.."), Ancestor, home + QStringLiteral("/a")},
        {scratch + QStringLiteral("/toHome/."), Ancestor},
        {scratch + QStringLiteral("/toHome/./"), Ancestor},
        {scratch + QStringLiteral("/toHome/.."), Ancestor},
        {scratch + QStringLiteral("/toHome/a/.."), Ancestor},
        {scratch + QStringLiteral("/toHome/../") + name, Ancestor},
        {scratch + QStringLiteral("/toHomeParent/") + name, Ancestor},
        {scratch + QStringLiteral("/toHomeParent/") + name + QStringLiteral("/"), Ancestor},
        {scratch + QStringLiteral("/toHomeParent/./") + name + QStringLiteral("/."), Ancestor},
        {scratch + QStringLiteral("/toHomeParent/."), Ancestor},
        {QStringLiteral("toHomeParent/") + name, Ancestor, scratch},
        {scratch + QStringLiteral("/missing/../toHomeParent/") + name, Ancestor},
        {scratch + QStringLiteral("/missing/x/../../toHome/."), Ancestor},
        {scratch + QStringLiteral("/toRoot/."), Dirname},
        {scratch + QStringLiteral("/toRoot/home"), Ancestor},
        {scratch + QStringLiteral("/toRoot/media/usb"), Dirname},
        {scratch + QStringLiteral("/toRoot/toRoot/../Volumes/x"), Dirname},
    });
}

TEST_F(RemovalGuardTest, MacAndLinuxHomeFormsAreRefused)
{
    for (const QString &form : {QStringLiteral("/Users/") + user, QStringLiteral("/home/") + user}) {
        SCOPED_TRACE(form.toStdString());
        test::ScopedEnv env("HOME", form);
        expectRefused({
            {QStringLiteral("~"), Ancestor},
            {QStringLiteral("~/"), Ancestor},
            {QStringLiteral("~/."), Ancestor},
            {QStringLiteral("~/../") + user, Ancestor},
            {QStringLiteral("~/missing/../"), Ancestor},
            {QStringLiteral("~/.."), Ancestor},
            {QStringLiteral("~/../.."), Dirname},
            {form, Ancestor},
            {form + QStringLiteral("/"), Ancestor},
            {form.left(form.lastIndexOf(u'/')) + QStringLiteral("/./") + user + QStringLiteral("/"), Ancestor},
            {user, Ancestor, QStringLiteral("/")}, // the short name, judged in the root folder
        });
        // Below the home folder, the guard lets things through.
        EXPECT_EQ(judgeRemoval(QStringLiteral("~/Movies")).verdict, RemovalVerdict::Allowed);
        EXPECT_EQ(judgeRemoval(form + QStringLiteral("/Movies/a.mov")).verdict, RemovalVerdict::Allowed);
    }
}

TEST_F(RemovalGuardTest, HarmlessPathsAreDeletedInsideTheSandboxOnly)
{
    // The suite's backend deletes only inside the sandbox and fails the
    // test otherwise; each row also names what must survive.
    const QString real = realHome();
    const QString canary = scratch + QStringLiteral("/canary");
    test::writeFile(canary + QStringLiteral("/bird"), "tweet");
    QDir().mkpath(scratch + QStringLiteral("/dir/inner/deep"));
    test::writeFile(scratch + QStringLiteral("/clip.mov"), "x");
    test::writeFile(scratch + QStringLiteral("/clip2.mov"), "x");
    test::writeFile(scratch + QStringLiteral("/") + user, "named like the user");
    test::writeFile(home + QStringLiteral("/Movies/sub/a.mov"), "x");
    makeLink(home, scratch + QStringLiteral("/toHome"));
    makeLink(stringByDeletingLastPathComponent(home), scratch + QStringLiteral("/toHomeParent"));
    makeLink(real, scratch + QStringLiteral("/toRealHome"));
    makeLink(real, scratch + QStringLiteral("/toRealHome2"));
    makeLink(canary, scratch + QStringLiteral("/toCanary"));
    makeLink(QStringLiteral("/"), scratch + QStringLiteral("/toRoot"));

    struct Harmless {
        QString path;
        QString gone;
        QString cwd = QString();
    };
    const std::vector<Harmless> rows{
        {QStringLiteral("~/Movies/sub"), home + QStringLiteral("/Movies/sub")},
        {QStringLiteral("clip.mov"), scratch + QStringLiteral("/clip.mov"), scratch},
        {QStringLiteral("./dir/../clip2.mov"), scratch + QStringLiteral("/clip2.mov"), scratch},
        {scratch + QStringLiteral("//dir//inner///"), scratch + QStringLiteral("/dir/inner")},
        {user, scratch + QStringLiteral("/") + user, scratch},
        {scratch + QStringLiteral("/toHome"), scratch + QStringLiteral("/toHome")},
        {scratch + QStringLiteral("/toHomeParent/"), scratch + QStringLiteral("/toHomeParent")},
        {scratch + QStringLiteral("/toRealHome"), scratch + QStringLiteral("/toRealHome")},
        {QStringLiteral("toRealHome2/"), scratch + QStringLiteral("/toRealHome2"), scratch},
        {scratch + QStringLiteral("/toCanary//"), scratch + QStringLiteral("/toCanary")},
        {scratch + QStringLiteral("/toRoot/"), scratch + QStringLiteral("/toRoot")},
    };
    for (const Harmless &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        std::optional<test::ScopedCwd> cwd;
        if (!row.cwd.isNull())
            cwd.emplace(row.cwd);
        EXPECT_EQ(judgeRemoval(row.path).resolved, row.gone);
        EXPECT_TRUE(rmCocoa(row.path));
        EXPECT_FALSE(exists(row.gone));
    }
    EXPECT_TRUE(exists(scratch + QStringLiteral("/dir")));
    EXPECT_EQ(test::readFile(canary + QStringLiteral("/bird")), QByteArray("tweet"));
    EXPECT_TRUE(QFileInfo(home).isDir());
    EXPECT_TRUE(QFileInfo(real).isDir());
}

TEST_F(RemovalGuardTest, ItemsOneLevelIntoAVolumeAndTheAuthoringFolderPass)
{
    // Outside the sandbox and not there: the guard lets them through, and
    // with nothing there the deleter is never asked.
    for (const QString &path :
         {QStringLiteral("/VKTauthoring"), QStringLiteral("/VKTauthoring/job1"), QStringLiteral("/VKTauthoring/job1/*x"),
          QStringLiteral("/Volumes/Disk/Show.eyetv/a.mpg"), QStringLiteral("/Volumes/Disk/film.mov"),
          QStringLiteral("/media/usb/film.mov"), QStringLiteral("/run/media/") + user + QStringLiteral("/USB/film.mov")}) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_FALSE(exists(path));
        EXPECT_EQ(judgeRemoval(path).verdict, RemovalVerdict::Allowed);
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_TRUE(rmCocoa(path));
        EXPECT_FALSE(test::logContains(QStringLiteral("alerte")));
    }
    // A recording folder directly in /Volumes is judged as an item of it.
    EXPECT_EQ(judgeRemoval(QStringLiteral("/Volumes/Show.eyetv/a.mpg")).verdict, RemovalVerdict::RefusedDirname);
    // The exemption does not lift the ancestor rule.
    EXPECT_EQ(judgeRemoval(QStringLiteral("/VKTauthoring/../home")).verdict, RemovalVerdict::RefusedAncestor);
}

TEST_F(RemovalGuardTest, FoldersNamedByTheRulesAreKnownUnderAnotherName)
{
    // $HOME reached through a link: the home folder's real path is refused,
    // and "~" itself is judged by its text.
    const QString real = scratch + QStringLiteral("/realhome");
    QDir().mkpath(real + QStringLiteral("/Movies"));
    makeLink(real, scratch + QStringLiteral("/linkhome"));
    test::ScopedEnv env("HOME", scratch + QStringLiteral("/linkhome"));
    expectRefused({
        {real, Ancestor},
        {real + QStringLiteral("/"), Ancestor},
        {QStringLiteral("~"), Ancestor},
        {QStringLiteral("~/"), Ancestor},
        {scratch + QStringLiteral("/linkhome/."), Ancestor},
    });
    EXPECT_EQ(judgeRemoval(real + QStringLiteral("/Movies")).verdict, RemovalVerdict::Allowed);
}

TEST_F(RemovalGuardTest, EmptyNilAndUnreachablePaths)
{
    test::StrictRecorder recorder;
    ScopedRemovalBackend scoped(recorder);
    EXPECT_FALSE(rmCocoa(QString()));
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_TRUE(rmCocoa(QStringLiteral(""))) << "names nothing, so nothing is there";
    // A link loop along the path: judged by its text, nothing to delete.
    makeLink(scratch + QStringLiteral("/loop"), scratch + QStringLiteral("/loop"));
    EXPECT_EQ(judgeRemoval(scratch + QStringLiteral("/loop/x")).resolved, scratch + QStringLiteral("/loop/x"));
    EXPECT_TRUE(rmCocoa(scratch + QStringLiteral("/loop/x")));
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST_F(RemovalGuardTest, ANulCharacterCannotHideAPath)
{
    // Cut at the NUL, these would name "/home" and the home folder.
    for (const QString &path : {QStringLiteral("/") + QChar(u'\0') + QStringLiteral("x/home"),
                                home + QChar(u'\0') + QStringLiteral("/x"), QString(QChar(u'\0'))}) {
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_EQ(judgeRemoval(path).verdict, RemovalVerdict::RefusedUnknown);
        test::clearLog();
        EXPECT_FALSE(rmCocoa(path));
        EXPECT_TRUE(test::logHas(QStringLiteral("rmCocoa             :-( cannot be judged: ") + path));
        EXPECT_TRUE(recorder.calls.isEmpty());
    }
    EXPECT_FALSE(testPresenceC(QStringLiteral("/") + QChar(u'\0') + QStringLiteral("x")));
}

TEST(ResolveThroughLinks, FollowsFoldersAndKeepsTheFinalLink)
{
    const QString s = test::scratchDir();
    QDir().mkpath(s + QStringLiteral("/real/sub"));
    makeLink(QStringLiteral("real"), s + QStringLiteral("/rel"));
    makeLink(s + QStringLiteral("/real/sub"), s + QStringLiteral("/abs"));
    makeLink(QStringLiteral("rel/sub"), s + QStringLiteral("/chain"));
    struct Case {
        QString in;
        bool followFinal;
        QString out;
    };
    const std::vector<Case> cases{
        {s + QStringLiteral("/rel"), false, s + QStringLiteral("/rel")},
        {s + QStringLiteral("/rel"), true, s + QStringLiteral("/real")},
        {s + QStringLiteral("/rel/sub"), false, s + QStringLiteral("/real/sub")},
        {s + QStringLiteral("/abs/.."), false, s + QStringLiteral("/real")},
        {s + QStringLiteral("/chain/../x"), false, s + QStringLiteral("/real/x")},
        {s + QStringLiteral("/chain"), true, s + QStringLiteral("/real/sub")},
        // Climbing out of a missing folder resolves again from the real part.
        {s + QStringLiteral("/missing/../rel/./sub//"), false, s + QStringLiteral("/real/sub")},
        {s + QStringLiteral("/missing/x/y"), false, s + QStringLiteral("/missing/x/y")},
        {QStringLiteral("/.."), false, QStringLiteral("/")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(resolveThroughLinks(c.in, c.followFinal), c.out) << c.in.toStdString();
}
