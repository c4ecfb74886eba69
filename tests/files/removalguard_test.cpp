// The removal guard on hostile paths: every refusal runs with a recorder
// that fails the test if anything would be deleted, and every harmless case
// deletes only inside the sandbox.
#include "backends.h"
#include "filestate.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/paths.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>

using namespace reel;
using namespace Qt::StringLiterals;
using test::existsNoFollow;
using test::makeLink;

namespace {

constexpr auto Ancestor = RemovalVerdict::RefusedAncestor;
constexpr auto Dirname = RemovalVerdict::RefusedDirname;
constexpr auto Joker = RemovalVerdict::RefusedJoker;
constexpr auto NothingThere = RemovalVerdict::RefusedNothingThere;
constexpr auto Dots = RemovalVerdict::RefusedDots;

// Paths that share their verdict and working folder (null: the test's own).
struct Group {
    RemovalVerdict expected;
    QStringList paths;
    QString cwd = QString();
};

QStringList prefixed(const QString &prefix, const QStringList &rests)
{
    QStringList out;
    for (const QString &rest : rests)
        out << prefix + rest;
    return out;
}

// Judges each path, then runs rmCocoa with a recorder that must stay unused
// and checks that the refusal is logged (or silent) as its rule says.
void expectRefused(const std::vector<Group> &groups)
{
    for (const Group &group : groups) {
        std::optional<test::ScopedCwd> cwd;
        if (!group.cwd.isNull())
            cwd.emplace(group.cwd);
        for (const QString &path : group.paths) {
            SCOPED_TRACE(("path '" + path + "' cwd '" + group.cwd + "'").toStdString());
            EXPECT_EQ(int(judgeRemoval(path).verdict), int(group.expected));
            test::StrictRecorder recorder;
            ScopedRemovalBackend scoped(recorder);
            test::clearLog();
            EXPECT_FALSE(rmCocoa(path));
            EXPECT_TRUE(recorder.calls.isEmpty());
            EXPECT_EQ(test::logHas(u"alerte de sécurité dirname"_s), group.expected == Dirname);
            EXPECT_EQ(test::logHas(u"alerte de sécurité joker"_s), group.expected == Joker);
            EXPECT_EQ(test::logHas(u"rmCocoa             :-( nothing there: "_s + path), group.expected == NothingThere);
            EXPECT_EQ(test::logHas(u"rmCocoa             :-( refusing \".\" or \"..\": "_s + path),
                      group.expected == Dots);
            if (group.expected == Ancestor)
                EXPECT_TRUE(test::logLines().isEmpty()) << "the ancestor refusal is silent";
        }
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
        QDir().mkpath(home + u"/Movies/sub"_s);
        test::writeFile(home + u"/Movies/keep.mov"_s, "keep");
    }
    void TearDown() override
    {
        // Whatever happened, the home folder and the real home are intact.
        EXPECT_TRUE(existsNoFollow(home + u"/Movies/keep.mov"_s));
        if (!realHome().isEmpty())
            EXPECT_TRUE(QFileInfo(realHome()).isDir() || !existsNoFollow(realHome()));
    }
    QString home, scratch, user;
};

} // namespace

TEST_F(RemovalGuardTest, SystemPathsAreRefused)
{
    const QString u = user;
    expectRefused({
        {Dirname,
         {u"/"_s, u"//"_s, u"///"_s, u"/."_s, u"/.."_s, u"/Applications"_s, u"/etc/"_s, u"/Volumes"_s, u"/Volumes/Disk"_s,
          u"/Volumes/Disk/"_s, u"/Volumes//Disk"_s, u"/media"_s, u"/media/usb"_s, u"/media/usb/"_s, u"/mnt/disk"_s,
          u"/run/media"_s, u"/run/media/"_s + u, u"/run/media/"_s + u + u"/USB"_s, u"/run/media/"_s + u + u"/USB/"_s,
          u"/media/"_s + u, u"/media/"_s + u + u"/USB"_s, u"/media/"_s + u + u"//USB/"_s,
          u"/media/"_s + u + u"/Show.eyetv/a.mpg"_s, u"/home/someone-else"_s,
          u"/*.mov"_s, // the parent guard runs first
          scratch + u"/../../../../../../../../.."_s}},
        {home.startsWith(u"/tmp/"_s) ? Ancestor : Dirname, {u"/tmp"_s}},
        {Ancestor,
         {u"/home"_s, u"/home/"_s, u"/home/./"_s + u + u"/"_s, u"/home//"_s + u, u"/tmp/../home"_s, u"/Users"_s,
          u"/Users/"_s, u"/Users/"_s + u, u"/Users/"_s + u + u"/"_s}},
        {Joker,
         {u"/Volumes/Users/*x"_s, u"/Volumes/*x/y"_s, u"*"_s, u"*x"_s, u"/media/"_s + u + u"/*x/y"_s,
          u"/run/media/"_s + u + u"/*x/y"_s}},
    });
}

TEST_F(RemovalGuardTest, TheRealHomeFolderIsRefused)
{
    const QString real = realHome();
    ASSERT_FALSE(real.isEmpty());
    // /root has "/" as parent; /home/<name> and /Users/<name> are user folders.
    const RemovalVerdict expected = judgeRemoval(real).verdict;
    ASSERT_NE(expected, RemovalVerdict::Allowed);
    makeLink(real, scratch + u"/toRealHome"_s);
    // A home the password database names but that does not exist (nobody's
    // /nonexistent) has nothing inside it, "." included.
    const bool there = QFileInfo(real).isDir();
    const RemovalVerdict inside = there ? expected : NothingThere;
    expectRefused({
        {expected, {real, real + u"/"_s, u"~"_s + user, u"~"_s + user + u"/"_s}},
        {inside, {real + u"/."_s}},
        {inside, prefixed(scratch, {u"/toRealHome/."_s, u"/toRealHome/./"_s})},
        {inside, {u"toRealHome/."_s}, scratch},
        {there ? judgeRemoval(stringByDeletingLastPathComponent(real)).verdict : NothingThere,
         {scratch + u"/toRealHome/.."_s}},
    });
}

TEST_F(RemovalGuardTest, TheSandboxHomeAndItsAncestorsAreRefused)
{
    const QString name = lastPathComponent(home);
    QDir().mkpath(home + u"/a/b"_s);
    makeLink(home, scratch + u"/toHome"_s);
    makeLink(stringByDeletingLastPathComponent(home), scratch + u"/toHomeParent"_s);
    makeLink(u"/"_s, scratch + u"/toRoot"_s);
    QString doubled = home;
    doubled.replace(u'/', u"//"_s);
    expectRefused({
        {Ancestor,
         {u"~"_s, u"~/"_s, u"~/."_s, u"~//"_s, u"~/./"_s, u"~/../"_s + name, u"~/Movies/.."_s, u"~/.."_s, home,
          home + u"/"_s, home + u"//"_s, doubled, doubled + u"//"_s}},
        {Ancestor, {u"."_s, u"./"_s}, home},
        {Ancestor, {u".."_s, u"../"_s, u"./b/../.."_s, u"../../.."_s}, home + u"/a"_s},
        {Ancestor, {u"../.."_s}, home + u"/a/b"_s},
        {Ancestor,
         prefixed(scratch, {u"/toHome/."_s, u"/toHome/./"_s, u"/toHome/.."_s, u"/toHome/a/.."_s, u"/toHome/../"_s + name,
                            u"/toHomeParent/"_s + name, u"/toHomeParent/"_s + name + u"/"_s,
                            u"/toHomeParent/./"_s + name + u"/."_s, u"/toHomeParent/."_s, u"/toRoot/home"_s})},
        {NothingThere,
         {u"~/missing/.."_s, scratch + u"/missing/../toHomeParent/"_s + name, scratch + u"/missing/x/../../toHome/."_s}},
        {Ancestor, {u"toHomeParent/"_s + name}, scratch},
        {Dirname, prefixed(scratch, {u"/toRoot/."_s, u"/toRoot/media/usb"_s})},
        {NothingThere, prefixed(scratch, {u"/toRoot/toRoot/../Volumes/x"_s})}, // there is no /toRoot
    });
}

TEST_F(RemovalGuardTest, MacAndLinuxHomeFormsAreRefused)
{
    for (const QString &form : {u"/Users/"_s + user, u"/home/"_s + user}) {
        SCOPED_TRACE(form.toStdString());
        test::ScopedEnv env("HOME", form);
        // "." and ".." in a folder that is not there (no /Users on Linux)
        // name nothing.
        const QString folder = form.left(form.lastIndexOf(u'/'));
        const bool homeThere = QFileInfo(form).isDir();
        const bool folderThere = QFileInfo(folder).isDir();
        expectRefused({
            {Ancestor, {u"~"_s, u"~/"_s, form, form + u"/"_s}},
            {homeThere ? Ancestor : NothingThere, {u"~/."_s, u"~/.."_s, u"~/../"_s + user}},
            {NothingThere, {u"~/missing/../"_s}},
            {folderThere ? Ancestor : NothingThere, {folder + u"/./"_s + user + u"/"_s}},
            {homeThere ? Dirname : NothingThere, {u"~/../.."_s}},
            {Ancestor, {user}, u"/"_s}, // the short name, judged in the root folder
        });
        // Below the home folder, the guard lets things through.
        EXPECT_EQ(judgeRemoval(u"~/Movies"_s).verdict, RemovalVerdict::Allowed);
        EXPECT_EQ(judgeRemoval(form + u"/Movies/a.mov"_s).verdict, RemovalVerdict::Allowed);
    }
}

TEST_F(RemovalGuardTest, HarmlessPathsAreDeletedInsideTheSandboxOnly)
{
    // The suite's backend deletes only inside the sandbox and fails the
    // test otherwise; each row also names what must be gone.
    const QString real = realHome();
    const bool realIsFolder = QFileInfo(real).isDir(); // nobody's /nonexistent is not
    const QString canary = scratch + u"/canary"_s;
    test::writeFile(canary + u"/bird"_s, "tweet");
    QDir().mkpath(scratch + u"/dir/inner/deep"_s);
    for (const QString &name : {u"clip.mov"_s, u"clip2.mov"_s, user})
        test::writeFile(scratch + u"/"_s + name, "x");
    test::writeFile(home + u"/Movies/sub/a.mov"_s, "x");
    makeLink(home, scratch + u"/toHome"_s);
    makeLink(stringByDeletingLastPathComponent(home), scratch + u"/toHomeParent"_s);
    makeLink(real, scratch + u"/toRealHome"_s);
    makeLink(real, scratch + u"/toRealHome2"_s);
    makeLink(canary, scratch + u"/toCanary"_s);
    makeLink(u"/"_s, scratch + u"/toRoot"_s);

    const struct {
        QString path, gone, cwd;
    } rows[] = {
        {u"~/Movies/sub"_s, home + u"/Movies/sub"_s, QString()},
        {u"clip.mov"_s, scratch + u"/clip.mov"_s, scratch},
        {u"./dir/../clip2.mov"_s, scratch + u"/clip2.mov"_s, scratch},
        {scratch + u"//dir//inner///"_s, scratch + u"/dir/inner"_s, QString()},
        {user, scratch + u"/"_s + user, scratch},
        {scratch + u"/toHome"_s, scratch + u"/toHome"_s, QString()},
        {scratch + u"/toHomeParent/"_s, scratch + u"/toHomeParent"_s, QString()},
        {scratch + u"/toRealHome"_s, scratch + u"/toRealHome"_s, QString()},
        {u"toRealHome2/"_s, scratch + u"/toRealHome2"_s, scratch},
        {scratch + u"/toCanary//"_s, scratch + u"/toCanary"_s, QString()},
        {scratch + u"/toRoot/"_s, scratch + u"/toRoot"_s, QString()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        std::optional<test::ScopedCwd> cwd;
        if (!row.cwd.isNull())
            cwd.emplace(row.cwd);
        EXPECT_EQ(judgeRemoval(row.path).resolved, row.gone);
        EXPECT_TRUE(rmCocoa(row.path));
        EXPECT_FALSE(existsNoFollow(row.gone));
    }
    EXPECT_TRUE(existsNoFollow(scratch + u"/dir"_s));
    EXPECT_EQ(test::readFile(canary + u"/bird"_s), QByteArray("tweet"));
    EXPECT_TRUE(QFileInfo(home).isDir());
    EXPECT_EQ(QFileInfo(real).isDir(), realIsFolder);
}

TEST_F(RemovalGuardTest, DotDotNeverClimbsOutOfWhatIsNoFolder)
{
    // What the kernel (and rm) makes of each path: ".." past a file or a
    // missing name fails with ENOTDIR or ENOENT, and a last component "."
    // or ".." is refused; none of them may cost the Movies folder.
    const QString movies = home + u"/Movies"_s;
    test::writeFile(movies + u"/sub/deeper/x"_s, "x");
    makeLink(movies + u"/keep.mov"_s, scratch + u"/toFile"_s);
    makeLink(scratch + u"/nowhere"_s, scratch + u"/dangling"_s);
    makeLink(scratch + u"/loop"_s, scratch + u"/loop"_s);
    expectRefused({
        {NothingThere,
         prefixed(movies, {u"/keep.mov/.."_s, u"/keep.mov/../"_s, u"/missing/.."_s, u"/keep.mov/."_s,
                           u"/keep.mov/../keep.mov"_s, u"/missing/../../Movies"_s, u"/missing/../missing/.."_s,
                           u"/sub/keep.mov/../.."_s, u"/keep.mov/../../Movies/sub"_s})},
        {NothingThere, {u"keep.mov/.."_s, u"./missing/.."_s}, movies},
        {NothingThere, prefixed(scratch, {u"/toFile/.."_s, u"/dangling/.."_s, u"/loop/.."_s})},
        {Dots, prefixed(movies, {u"/sub/.."_s, u"/sub/deeper/../.."_s, u"/sub/./"_s, u"/sub/."_s, u"/sub/deeper/.."_s})},
        {Dots, {u"sub/.."_s, u"."_s}, movies},
    });

    // Between real folders ".." still resolves, and the item is deleted.
    test::writeFile(movies + u"/gone.mov"_s, "x");
    EXPECT_TRUE(rmCocoa(movies + u"/sub/deeper/../../gone.mov"_s));
    EXPECT_FALSE(existsNoFollow(movies + u"/gone.mov"_s));
    EXPECT_TRUE(rmCocoa(movies + u"/sub/./deeper/../deeper"_s));
    EXPECT_FALSE(existsNoFollow(movies + u"/sub/deeper"_s));
    EXPECT_TRUE(existsNoFollow(movies + u"/sub"_s));
}

TEST_F(RemovalGuardTest, ItemsOneLevelIntoAVolumeAndTheAuthoringFolderPass)
{
    // Outside the sandbox and not there: the guard lets them through, and
    // with nothing there the deleter is never asked.
    for (const QString &path : {u"/VKTauthoring"_s, u"/VKTauthoring/job1"_s, u"/VKTauthoring/job1/*x"_s,
                                u"/Volumes/Disk/Show.eyetv/a.mpg"_s, u"/Volumes/Disk/film.mov"_s,
                                u"/media/usb/film.mov"_s, u"/run/media/"_s + user + u"/USB/film.mov"_s,
                                u"/media/"_s + user + u"/USB/film.mov"_s, u"/media/"_s + user + u"/USB/Show.eyetv/a.mpg"_s,
                                u"/media/"_s + user + u"/USB/*x"_s}) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_FALSE(existsNoFollow(path));
        EXPECT_EQ(judgeRemoval(path).verdict, RemovalVerdict::Allowed);
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_TRUE(rmCocoa(path));
        EXPECT_FALSE(test::logContains(u"alerte"_s));
    }
    // A recording folder directly in /Volumes is judged as an item of it.
    EXPECT_EQ(judgeRemoval(u"/Volumes/Show.eyetv/a.mpg"_s).verdict, Dirname);
    // The exemption does not lift the ancestor rule (nor the rule for ".."
    // past a missing folder).
    EXPECT_EQ(judgeRemoval(u"/VKTauthoring/../home"_s).verdict,
              QFileInfo(u"/VKTauthoring"_s).isDir() ? Ancestor : NothingThere);
}

TEST_F(RemovalGuardTest, AHomeReachedThroughALinkIsKnownByItsRealPathToo)
{
    const QString real = scratch + u"/realhome"_s;
    QDir().mkpath(real + u"/Movies"_s);
    makeLink(real, scratch + u"/linkhome"_s);
    test::ScopedEnv env("HOME", scratch + u"/linkhome"_s);
    expectRefused({{Ancestor, {real, real + u"/"_s, u"~"_s, u"~/"_s, scratch + u"/linkhome/."_s}}});
    EXPECT_EQ(judgeRemoval(real + u"/Movies"_s).verdict, RemovalVerdict::Allowed);
}

TEST_F(RemovalGuardTest, NilEmptyLoopsAndNulCharacters)
{
    {
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_FALSE(rmCocoa(QString()));
        EXPECT_TRUE(test::logLines().isEmpty());
        EXPECT_TRUE(rmCocoa(u""_s)) << "names nothing, so nothing is there";
        // A link loop along the path: judged by its text, nothing to delete.
        makeLink(scratch + u"/loop"_s, scratch + u"/loop"_s);
        EXPECT_EQ(judgeRemoval(scratch + u"/loop/x"_s).resolved, scratch + u"/loop/x"_s);
        EXPECT_TRUE(rmCocoa(scratch + u"/loop/x"_s));
    }
    // Cut at the NUL, these would name "/home" and the home folder.
    for (const QString &path : {u"/\0x/home"_s, home + u"\0/x"_s, u"\0"_s}) {
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_EQ(judgeRemoval(path).verdict, RemovalVerdict::RefusedUnknown);
        test::clearLog();
        EXPECT_FALSE(rmCocoa(path));
        EXPECT_TRUE(test::logHas(u"rmCocoa             :-( cannot be judged: "_s + path));
    }
    EXPECT_FALSE(testPresenceC(u"/\0x"_s));
}

TEST(ResolveThroughLinks, FollowsFoldersAndTheFinalLinkOnlyWhenAsked)
{
    // The guard's own cases cover the folders; these are relative and
    // chained links, and the final link followed.
    const QString s = test::scratchDir();
    QDir().mkpath(s + u"/real/sub"_s);
    makeLink(u"real"_s, s + u"/rel"_s);
    makeLink(u"rel/sub"_s, s + u"/chain"_s);
    const struct {
        QString in;
        bool followFinal;
        QString out;
    } cases[] = {
        {s + u"/rel"_s, true, s + u"/real"_s},
        {s + u"/chain"_s, true, s + u"/real/sub"_s},
        {s + u"/chain/../x"_s, false, s + u"/real/x"_s},
        {s + u"/rel/sub/../../rel/./sub//"_s, false, s + u"/real/sub"_s},
        {u"/.."_s, false, u"/"_s},
        // Past a missing folder, "." and ".." name nothing.
        {s + u"/missing/../rel/./sub//"_s, false, QString()},
        {s + u"/real/missing/."_s, false, QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resolveThroughLinks(c.in, c.followFinal), c.out) << c.in.toStdString();
}
