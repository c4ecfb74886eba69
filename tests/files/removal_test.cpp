// The removal guard on hostile paths, and deleting what it lets through:
// the deleter, the trash fallback and the log lines. Every refusal runs with
// a recorder that fails the test if anything would be deleted; everything
// else deletes only inside the sandbox.
#include "backends.h"
#include "filestate.h"
#include "logcapture.h"
#include "privileges.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/paths.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::existsNoFollow;
using test::makeLink;
using test::prefixed;

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

// The one line a refusal logs: rmCocoa's (none for an ancestor), or the trash's.
QString refusalLine(RemovalVerdict verdict, const QString &path, bool trash)
{
    const QString label = trash ? u"moveToTrash         :-( "_s : u"rmCocoa             :-( "_s;
    switch (verdict) {
    case Dirname: return u"alerte de sécurité dirname"_s;
    case Joker: return u"alerte de sécurité joker"_s;
    case NothingThere: return label + u"nothing there: "_s + path;
    case Dots: return label + u"refusing \".\" or \"..\": "_s + path;
    case Ancestor: return trash ? label + u"the home folder or one above it: "_s + path : QString();
    default: return u"?"_s;
    }
}

// Judges each path, then runs rmCocoa and moveToTrash with a recorder that
// fails the test if called, and checks the one line each refusal logs.
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
            for (const bool trash : {false, true}) {
                test::clearLog();
                EXPECT_FALSE(trash ? moveToTrash(path) : rmCocoa(path)) << trash;
                const QString line = refusalLine(group.expected, path, trash);
                EXPECT_EQ(test::takeLog(), line.isNull() ? QStringList() : QStringList{line});
            }
        }
    }
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
        real = homeDirectoryForUser(user); // /root when run as root
        QDir().mkpath(home + u"/Movies/sub"_s);
        test::writeFile(home + u"/Movies/keep.mov"_s, "keep");
    }
    void TearDown() override
    {
        // Whatever happened, the home folder and the real home are intact.
        EXPECT_TRUE(existsNoFollow(home + u"/Movies/keep.mov"_s));
        if (!real.isEmpty())
            EXPECT_TRUE(QFileInfo(real).isDir() || !existsNoFollow(real));
    }
    QString home, scratch, user, real; // real: the password database's home folder
};

// The home trash, or a folder of it.
QString trash(const QString &sub = QString())
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash"_s + sub;
}

bool exchange(const QString &a, const QString &b)
{
    const QByteArray from = QFile::encodeName(a), to = QFile::encodeName(b);
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0;
}

// A file system mounted on a folder of the sandbox for the life of the
// object (root only); unmounted whatever the test did, also when a faulty
// removal moved the tree that holds it (the mount is found through a
// descriptor opened on it, not by its path).
struct ScopedMount {
    ScopedMount(const QString &source, const QString &target, bool bind)
    {
        const QByteArray at = QFile::encodeName(target);
        if (::mount(bind ? QFile::encodeName(source).constData() : "reelkit-test", at.constData(),
                    bind ? nullptr : "tmpfs", bind ? MS_BIND : 0, bind ? nullptr : "size=1m")
            == 0)
            fd = ::open(at.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    ~ScopedMount()
    {
        if (fd < 0)
            return;
        ::umount2(("/proc/self/fd/" + std::to_string(fd)).c_str(), MNT_DETACH);
        ::close(fd);
    }
    ScopedMount(const ScopedMount &) = delete;
    int fd = -1; // on the mount point, -1 when nothing was mounted
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
    const QString canary = scratch + u"/canary"_s;
    test::writeFile(canary + u"/bird"_s, "tweet");
    QDir().mkpath(scratch + u"/dir/inner/deep"_s);
    for (const QString &name : {u"clip.mov"_s, user})
        test::writeFile(scratch + u"/"_s + name, "x");
    test::writeFile(home + u"/Movies/sub/a.mov"_s, "x");
    for (const auto &[target, link] :
         {std::pair{home, u"/toHome"_s}, {stringByDeletingLastPathComponent(home), u"/toHomeParent"_s},
          {real, u"/toRealHome"_s}, {real, u"/toRealHome2"_s}, {canary, u"/toCanary"_s}, {u"/"_s, u"/toRoot"_s}})
        makeLink(target, scratch + link);

    // The path, what must be gone, and the working folder (null: the test's own).
    const std::tuple<QString, QString, QString> rows[] = {
        {u"~/Movies/sub"_s, home + u"/Movies/sub"_s, QString()},
        {u"./dir/../clip.mov"_s, scratch + u"/clip.mov"_s, scratch},
        {scratch + u"//dir//inner///"_s, scratch + u"/dir/inner"_s, QString()},
        {user, scratch + u"/"_s + user, scratch},
        {scratch + u"/toHome"_s, scratch + u"/toHome"_s, QString()},
        {scratch + u"/toHomeParent/"_s, scratch + u"/toHomeParent"_s, QString()},
        {scratch + u"/toRealHome"_s, scratch + u"/toRealHome"_s, QString()},
        {u"toRealHome2/"_s, scratch + u"/toRealHome2"_s, scratch},
        {scratch + u"/toCanary//"_s, scratch + u"/toCanary"_s, QString()},
        {scratch + u"/toRoot/"_s, scratch + u"/toRoot"_s, QString()},
    };
    for (const auto &[path, gone, folder] : rows) {
        SCOPED_TRACE(path.toStdString());
        // A user without a home folder (nobody's is /nonexistent) has a
        // dangling link there, and "/" after it names nothing.
        if (path.endsWith(u"Home2/"_s) && !QFileInfo(real).isDir())
            continue;
        std::optional<test::ScopedCwd> cwd;
        if (!folder.isNull())
            cwd.emplace(folder);
        EXPECT_EQ(judgeRemoval(path).resolved, gone);
        EXPECT_TRUE(rmCocoa(path));
        EXPECT_FALSE(existsNoFollow(gone));
    }
    EXPECT_TRUE(existsNoFollow(scratch + u"/dir"_s));
    EXPECT_EQ(test::readFile(canary + u"/bird"_s), QByteArray("tweet"));
}

TEST_F(RemovalGuardTest, DotsAndSlashesAfterWhatIsNoFolderNameNothing)
{
    // What the kernel (and rm) makes of each path: ".." past a file or a
    // missing name, and "/" after a file or a link to none, fail with
    // ENOTDIR or ENOENT, and a last component "." or ".." is refused; none
    // of them may cost the Movies folder or the file.
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
        {NothingThere, prefixed(scratch, {u"/toFile/"_s, u"/dangling/"_s, u"/loop//"_s})},
        {NothingThere, {movies + u"/keep.mov/"_s, u"keep.mov//"_s}, movies},
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
    }
    EXPECT_TRUE(test::takeLog().isEmpty());
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
    makeLink(u"realhome"_s, scratch + u"/linkhome"_s); // relative: resolved in the link's folder
    test::ScopedEnv env("HOME", scratch + u"/linkhome"_s);
    expectRefused({{Ancestor, {real, real + u"/"_s, u"~"_s, u"~/"_s, scratch + u"/linkhome/."_s}}});
    EXPECT_EQ(judgeRemoval(real + u"/Movies"_s).verdict, RemovalVerdict::Allowed);
}

TEST_F(RemovalGuardTest, NilEmptyLoopsAndNulCharacters)
{
    test::StrictRecorder recorder;
    ScopedRemovalBackend scoped(recorder);
    EXPECT_FALSE(rmCocoa(QString()));
    EXPECT_TRUE(rmCocoa(u""_s)) << "names nothing, so nothing is there";
    // A link loop along the path: judged by its text, nothing to delete.
    makeLink(scratch + u"/loop"_s, scratch + u"/loop"_s);
    EXPECT_EQ(judgeRemoval(scratch + u"/loop/x"_s).resolved, scratch + u"/loop/x"_s);
    EXPECT_TRUE(rmCocoa(scratch + u"/loop/x"_s));
    EXPECT_TRUE(test::takeLog().isEmpty());
    // Cut at the NUL, these would name "/home" and the home folder.
    for (const QString &path : {u"/\0x/home"_s, home + u"\0/x"_s, u"\0"_s}) {
        EXPECT_EQ(judgeRemoval(path).verdict, RemovalVerdict::RefusedUnknown);
        EXPECT_FALSE(rmCocoa(path));
        EXPECT_FALSE(moveToTrash(path));
        EXPECT_EQ(test::takeLog(), (QStringList{u"rmCocoa             :-( cannot be judged: "_s + path,
                                                u"moveToTrash         :-( cannot be judged: "_s + path}));
    }
    EXPECT_FALSE(testPresenceC(u"/\0x"_s));
}

TEST(RmCocoa, DeletesWithoutFollowingLinksAndSaysWhatWasNotThere)
{
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + u"/canary/bird"_s, "tweet");
    test::writeFile(s + u"/tree/.hidden"_s, "h");
    test::writeFile(s + u"/tree/a/b/c.mov"_s, "c");
    const QString tree = s + u"/tree"_s, dangling = s + u"/dangling"_s, socket = s + u"/sock"_s, missing = s + u"/none"_s;
    ASSERT_TRUE(test::makeFifo(tree + u"/a/pipe"_s));
    ASSERT_TRUE(makeLink(s + u"/canary"_s, tree + u"/a/toCanary"_s));
    ASSERT_TRUE(makeLink(canary, tree + u"/birdLink"_s));
    ASSERT_TRUE(makeLink(s + u"/nowhere"_s, dangling));
    ASSERT_TRUE(test::makeSocket(socket));
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    // There but not present (a socket cannot be opened, even by root): it is
    // deleted too, after the line that says so; a plain deletion is silent.
    EXPECT_TRUE(rmCocoa(tree));
    EXPECT_TRUE(rmCocoa(socket));
    EXPECT_EQ(test::takeLog(), QStringList{u"Cocoa:exists!!!     :-( "_s + socket});
    // A dangling link goes as the link; nothing there is a success. Neither is
    // notified as changed.
    setDEBUG(1);
    EXPECT_TRUE(rmCocoa(dangling));
    EXPECT_TRUE(rmCocoa(missing));
    EXPECT_TRUE(test::logHas(u"Cocoa:does not exist;-) ERR: nil ("_s + dangling + u")"_s));
    EXPECT_EQ(seen, (QStringList{tree, tree, socket, socket, dangling, missing})) << "looked at, then changed";
    // A hook that throws is a notification lost, not a failure.
    setFileSystemChangedHook([](const QString &) { throw 1; });
    EXPECT_TRUE(rmCocoa(u"~/missing"_s));
    setFileSystemChangedHook(previous);
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet")) << "links inside are removed, never followed";
    for (const QString &gone : {tree, dangling, socket})
        EXPECT_FALSE(existsNoFollow(gone)) << gone.toStdString();
}

TEST(RmCocoa, FallsBackToTheHomeTrash)
{
    // The deleter fails, so each item goes to the freedesktop.org trash,
    // numbered before its extension when the name is taken there.
    const QString s = test::scratchDir();
    test::FailingDeleter deleter;
    ScopedRemovalBackend scoped(deleter);
    const QStringList tried{u"File current        :-( not deleted 1"_s, u"File current        :-/ …to trash"_s};
    // The item, the name it is trashed as, its path as recorded, and whether
    // the trash holds a file of its name without a record.
    const std::tuple<QString, QString, QString, bool> rows[] = {
        {u"/stuck 100%.mov"_s, u"stuck 100%.mov"_s, u"/stuck%20100%25.mov"_s, false},
        {u"/again/stuck 100%.mov"_s, u"stuck 100%.2.mov"_s, u"/again/stuck%20100%25.mov"_s, false},
        {u"/taken.mov"_s, u"taken.2.mov"_s, u"/taken.mov"_s, true},
        {u"/.hidden"_s, u".hidden.2"_s, u"/.hidden"_s, true},
    };
    for (const auto &[name, trashedAs, recorded, taken] : rows) {
        SCOPED_TRACE(name.toStdString());
        if (taken)
            test::writeFile(trash(u"/files"_s) + name, "theirs");
        const QString item = test::writeFile(s + name, name.toUtf8());
        EXPECT_TRUE(rmCocoa(item));
        EXPECT_FALSE(existsNoFollow(item));
        EXPECT_EQ(test::readFile(trash(u"/files/"_s) + trashedAs), name.toUtf8());
        const QString info = QString::fromUtf8(test::readFile(trash(u"/info/"_s) + trashedAs + u".trashinfo"_s));
        const QRegularExpression record(u"^\\[Trash Info\\]\nPath=%1\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$"_s.arg(
            QRegularExpression::escape(s + recorded)));
        EXPECT_TRUE(record.match(info).hasMatch()) << info.toStdString();
        EXPECT_EQ(test::takeLog(), tried);
        if (taken)
            EXPECT_EQ(test::readFile(trash(u"/files"_s) + name), "theirs");
    }
    EXPECT_EQ(QDir(trash(u"/info"_s)).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "no record is left of a name given up";
    for (const QString &folder : {trash(), trash(u"/files"_s), trash(u"/info"_s)})
        EXPECT_EQ(test::modeOf(folder), 0700) << "nobody else may look into " << folder.toStdString();

    // moveToTrash says whether the item went.
    EXPECT_TRUE(moveToTrash(test::writeFile(s + u"/old.txt"_s, "old")));
    EXPECT_FALSE(moveToTrash(s + u"/missing"_s));
    EXPECT_EQ(test::takeLog(), QStringList{u"moveToTrash         :-( not moved: "_s + s + u"/missing"_s});

    // A trash that fails leaves the item, and the reason is logged.
    const QString kept = test::writeFile(s + u"/kept.mov"_s, "data");
    deleter.trashSucceeds = false;
    EXPECT_FALSE(rmCocoa(kept));
    EXPECT_EQ(test::takeLog(), tried + QStringList{u"File current        :-( failure"_s});
    deleter.trashSucceeds = true;
    test::ScopedEnv dataHome("XDG_DATA_HOME", s + u"/data"_s);
    ASSERT_TRUE(QDir().mkpath(s + u"/elsewhere"_s));
    ASSERT_TRUE(QDir().mkpath(s + u"/data"_s));
    ASSERT_TRUE(makeLink(s + u"/elsewhere"_s, s + u"/data/Trash"_s));
    EXPECT_FALSE(rmCocoa(kept)) << "a trash that is a link is never used";
    EXPECT_TRUE(existsNoFollow(kept));
    EXPECT_TRUE(QDir(s + u"/elsewhere"_s).isEmpty());
    const QString notAFolder = QString::fromLocal8Bit(std::strerror(ENOTDIR));
    EXPECT_EQ(test::takeLog(), tried + (QStringList{u"File current        :-( trash: "_s + notAFolder,
                                                    u"File current        :-( failure"_s}));
}

TEST(SystemRemovalBackend, RemovesLinksAsLinksAndRefusesNonsense)
{
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + u"/canary/bird"_s, "tweet");
    ASSERT_TRUE(makeLink(s + u"/canary"_s, s + u"/dirLink"_s));
    ASSERT_TRUE(makeLink(s + u"/canary"_s, s + u"/dirLink2"_s));
    RemovalBackend &system = systemRemovalBackend();
    QString error;
    EXPECT_TRUE(system.remove(s + u"/dirLink"_s, &error)) << error.toStdString();
    EXPECT_FALSE(existsNoFollow(s + u"/dirLink"_s));
    // A link among the folders was not judged by the guard: nothing happens.
    for (const QString &bad : {s + u"/dirLink2/bird"_s, QString(), u""_s, u"relative"_s, s + u"/."_s, s + u"/.."_s,
                               s + u"/missing"_s}) {
        error.clear();
        EXPECT_FALSE(system.remove(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty()) << bad.toStdString();
    }
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet"));
}

TEST(SystemRemovalBackend, AnEntryThatCannotBeLookedAtIsAFailure)
{
    // The folder lists its names but cannot be searched: x cannot be looked
    // at, and that failure is the one reported, not what it leaves behind.
    const QString locked = test::scratchDir() + u"/locked"_s;
    test::writeFile(locked + u"/x"_s, "x");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0600), 0);
    QString error;
    {
        test::ScopedOwnerRightsOnly ownerOnly;
        EXPECT_FALSE(systemRemovalBackend().remove(locked, &error));
    }
    EXPECT_EQ(error, locked + u": "_s + QString::fromLocal8Bit(std::strerror(EACCES)));
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    EXPECT_TRUE(existsNoFollow(locked + u"/x"_s));
}

TEST(SystemRemovalBackend, TheTrashFallbackRefusesAFolderReplacedSinceTheDeletion)
{
    // The deletion fails (nothing by that name yet) and notes the folder it
    // opened; a real folder put in its place afterwards is not that one.
    const QString s = test::scratchDir(), item = s + u"/folder/clip.mov"_s;
    ASSERT_TRUE(QDir().mkpath(s + u"/folder"_s));
    RemovalBackend &system = systemRemovalBackend();
    QString why;
    ASSERT_FALSE(system.remove(item, nullptr));
    ASSERT_TRUE(QDir().rename(s + u"/folder"_s, s + u"/judged"_s));
    test::writeFile(item, "new");
    EXPECT_FALSE(system.trashAfterFailure(item, &why));
    EXPECT_EQ(why, u"the folder was replaced since the deletion began"_s);
    EXPECT_EQ(test::readFile(item), QByteArray("new"));
    // Unchanged, the same folder lets the item go.
    ASSERT_FALSE(system.remove(s + u"/judged/x"_s, nullptr));
    test::writeFile(s + u"/judged/x"_s, "x");
    EXPECT_TRUE(system.trashAfterFailure(s + u"/judged/x"_s, &why)) << why.toStdString();
}

TEST(RmCocoa, TheTrashFallbackNeverFollowsAFolderSwappedForALink)
{
    // While rmCocoa runs on real/home (deleting fails, so the trash is
    // tried), a thread keeps exchanging the folder real with a link to the
    // attic, where a stand-in home folder that the guard refuses lives. Only
    // the decoy may ever reach the trash; the home must stay whole.
    const QString s = test::scratchDir();
    const QString real = s + u"/real"_s, swap = s + u"/swap"_s, attic = s + u"/attic"_s;
    const QString victim = attic + u"/home"_s;
    test::writeFile(victim + u"/keep"_s, "victim");
    ASSERT_TRUE(QDir().mkpath(real));
    ASSERT_TRUE(makeLink(attic, swap));
    if (!exchange(real, swap) || !exchange(real, swap))
        GTEST_SKIP() << "this file system cannot exchange names";
    test::ScopedEnv home("HOME", victim);
    ASSERT_EQ(judgeRemoval(victim).verdict, RemovalVerdict::RefusedAncestor);
    test::FailingDeleter deleter;
    ScopedRemovalBackend scoped(deleter);

    int tries = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (++tries <= 100 && std::chrono::steady_clock::now() < deadline) {
        if (QFileInfo(real).isSymLink())
            ASSERT_TRUE(exchange(real, swap));
        test::writeFile(real + u"/home/keep"_s, "decoy");
        std::atomic<bool> stop{false};
        std::thread swapper([&] {
            while (!stop.load())
                exchange(real, swap);
        });
        rmCocoa(real + u"/home"_s);
        stop = true;
        swapper.join();
        ASSERT_EQ(test::readFile(victim + u"/keep"_s), QByteArray("victim")) << "try " << tries;
    }
    for (const QString &name : QDir(trash(u"/files"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        EXPECT_EQ(test::readFile(trash(u"/files/"_s) + name + u"/keep"_s), QByteArray("decoy")) << name.toStdString();
    EXPECT_GT(tries, 10);
}

// Mounts are made only in a run of the suite of its own, in a private mount
// namespace (MountPoints below starts it): whatever a fault did to them
// stays there. The run knows its parent's namespace, and that it is not in it.
QByteArray mountNamespace()
{
    char buffer[64] = {};
    const ssize_t n = ::readlink("/proc/self/ns/mnt", buffer, sizeof buffer - 1);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

class InMountNamespace : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray parent = qgetenv("REELKIT_TEST_PARENT_MOUNTS");
        if (parent.isEmpty() || parent == mountNamespace())
            GTEST_SKIP() << "runs only in the private mount namespace MountPoints makes";
    }
};

TEST(MountPoints, NeitherDeletedNorTrashedInAPrivateMountNamespace)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting needs root";
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"REELKIT_TEST_PARENT_MOUNTS"_s, QString::fromLatin1(mountNamespace()));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(u"unshare"_s, {u"--mount"_s, u"--propagation"_s, u"private"_s, u"--"_s,
                             QFileInfo(u"/proc/self/exe"_s).canonicalFilePath(), u"--gtest_filter=InMountNamespace.*"_s});
    if (!run.waitForFinished(-1))
        GTEST_SKIP() << "unshare cannot be run";
    const QString out = QString::fromLocal8Bit(run.readAll());
    if (out.contains(u"unshare failed"_s) || out.contains(u"[  SKIPPED ]"_s))
        GTEST_SKIP() << out.toStdString();
    EXPECT_EQ(run.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(u"[  PASSED  ] 2 tests."_s)) << out.toStdString();
}

TEST_F(InMountNamespace, ATreeHoldingAMountPointIsNeitherDeletedNorTrashed)
{
    const QString s = test::scratchDir();
    test::writeFile(s + u"/elsewhere/theirs.mov"_s, "theirs");
    ASSERT_TRUE(makeLink(u"tree"_s, s + u"/toTree"_s));
    // A volume on another device, and a bind mount of the same file system.
    for (const bool bind : {false, true}) {
        SCOPED_TRACE(bind ? "bind mount" : "volume");
        const QString tree = s + u"/tree"_s;
        // The mount table escapes a blank, a tab and "\\" (as \040, \011,
        // \134); a path decoded wrong would hide the mount.
        const QString point = tree + u"/sub/my mnt\t\\x"_s;
        test::writeFile(tree + u"/a.mov"_s, "a");
        ASSERT_TRUE(QDir().mkpath(point));
        ScopedMount mount(s + u"/elsewhere"_s, point, bind);
        if (mount.fd < 0)
            GTEST_SKIP() << "cannot mount here";
        const QString inside = test::writeFile(point + u"/inside.mov"_s, "inside");
        const QString owner = bind ? s + u"/elsewhere"_s : point;

        // Nothing is deleted, nothing goes to any trash, on either side.
        for (const QString &path : {tree, tree + u"/sub/"_s, point, s + u"/toTree/sub"_s}) {
            SCOPED_TRACE(path.toStdString());
            test::clearLog();
            EXPECT_FALSE(rmCocoa(path));
            EXPECT_TRUE(test::logHas(u"File current        :-( failure"_s));
            test::clearLog();
            EXPECT_FALSE(moveToTrash(path));
            EXPECT_EQ(test::takeLog(), QStringList{u"moveToTrash         :-( a mounted volume is or lies inside: "_s + path});
            EXPECT_EQ(test::readFile(tree + u"/a.mov"_s), QByteArray("a"));
            EXPECT_EQ(test::readFile(inside), QByteArray("inside"));
        }
        // An item on the volume that cannot be deleted stays too: the volume
        // gets no trash folder of its own.
        if (!bind) {
            test::FailingDeleter deleter;
            ScopedRemovalBackend scoped(deleter);
            EXPECT_FALSE(rmCocoa(inside));
            EXPECT_EQ(test::readFile(inside), QByteArray("inside"));
        }
        EXPECT_EQ(QDir(owner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).filter(u".Trash"_s),
                  QStringList());
        EXPECT_TRUE(QDir(trash(u"/files"_s)).isEmpty());
    }
}

TEST_F(InMountNamespace, AFileTheSystemWillNotUnlinkIsNotSaidDeleted)
{
    // A folder made read-only by a bind mount: root cannot unlink there
    // either, and the trash cannot take the file away.
    const QString folder = test::scratchDir() + u"/read-only"_s;
    const QString file = test::writeFile(folder + u"/kept.mov"_s, "kept");
    ScopedMount mount(folder, folder, true);
    const QByteArray at = QFile::encodeName(folder);
    if (mount.fd < 0 || ::mount(nullptr, at.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        GTEST_SKIP() << "cannot mount here";
    EXPECT_FALSE(rmCocoa(file));
    EXPECT_EQ(test::readFile(file), QByteArray("kept"));
    EXPECT_TRUE(QDir(trash(u"/files"_s)).isEmpty());
}
