// Deleting what the guard lets through: the deleter, the trash fallback and
// the log lines, all inside the sandbox.
#include "backends.h"
#include "filestate.h"
#include "logcapture.h"
#include "privileges.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/core/debug.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::existsNoFollow;
using test::makeLink;

namespace {

// The home trash, or a folder of it.
QString trash(const QString &sub = QString())
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash"_s + sub;
}

QString errorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool exchange(const QString &a, const QString &b)
{
    return ::renameat2(AT_FDCWD, QFile::encodeName(a).constData(), AT_FDCWD, QFile::encodeName(b).constData(),
                       RENAME_EXCHANGE)
           == 0;
}

// A file system mounted on a folder of the sandbox for the life of the
// object (root only); unmounted whatever the test did, also when a faulty
// removal moved the tree that holds it (the mount is found through a
// descriptor opened on it, not by its path).
class ScopedMount {
public:
    ScopedMount(const QString &source, const QString &target, bool bind)
    {
        const QByteArray at = QFile::encodeName(target);
        if (::mount(bind ? QFile::encodeName(source).constData() : "reelkit-test", at.constData(),
                    bind ? nullptr : "tmpfs", bind ? MS_BIND : 0, bind ? nullptr : "size=1m")
            == 0)
            m_fd = ::open(at.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    ~ScopedMount()
    {
        if (m_fd < 0)
            return;
        ::umount2(("/proc/self/fd/" + std::to_string(m_fd)).c_str(), MNT_DETACH);
        ::close(m_fd);
    }
    ScopedMount(const ScopedMount &) = delete;
    ScopedMount &operator=(const ScopedMount &) = delete;
    bool mounted() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// count folders, each named name, nested below the folder open at fd; a
// descriptor on the deepest (the caller closes it), -1 on failure.
int nest(int fd, const char *name, int count)
{
    int at = ::dup(fd);
    for (int i = 0; at >= 0 && i < count; ++i) {
        const int next = ::mkdirat(at, name, 0700) == 0 ? ::openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC) : -1;
        ::close(at);
        at = next;
    }
    return at;
}

} // namespace

TEST(RmCocoa, DeletesWithoutFollowingLinksAndSaysWhatWasNotThere)
{
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + u"/canary/bird"_s, "tweet");
    test::writeFile(s + u"/tree/.hidden"_s, "h");
    test::writeFile(s + u"/tree/a/b/c.mov"_s, "c");
    const QString tree = s + u"/tree"_s, dangling = s + u"/dangling"_s, socket = s + u"/sock"_s;
    const QString missing = s + u"/missing"_s;
    ASSERT_TRUE(test::makeFifo(tree + u"/a/pipe"_s) && makeLink(s + u"/canary"_s, tree + u"/a/toCanary"_s)
                && makeLink(canary, tree + u"/birdLink"_s) && makeLink(s + u"/nowhere"_s, dangling)
                && test::makeSocket(socket));
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    // There but not present (a socket cannot be opened, even by root): it is
    // deleted too, after the line that says so; a plain deletion is silent.
    EXPECT_TRUE(rmCocoa(tree) && rmCocoa(socket));
    EXPECT_EQ(test::takeLog(), QStringList{u"Cocoa:exists!!!     :-( "_s + socket});
    // A dangling link goes as the link; nothing there is a success. Neither is
    // notified as changed.
    setDEBUG(1);
    EXPECT_TRUE(rmCocoa(dangling) && rmCocoa(missing));
    EXPECT_TRUE(test::logHas(u"Cocoa:does not exist;-) ERR: nil ("_s + dangling + u")"_s));
    setFileSystemChangedHook(previous);
    EXPECT_EQ(seen, (QStringList{tree, tree, socket, socket, dangling, missing})) << "looked at, then changed";
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
    const struct {
        const char *name;
        QString item, trashedAs, recorded;
        bool takenInFiles = false;
    } rows[] = {
        {"the trash is made", u"/stuck 100%.mov"_s, u"stuck 100%.mov"_s, u"/stuck%20100%25.mov"_s},
        {"the trash is there", u"/clip"_s, u"clip"_s, u"/clip"_s},
        {"a second item of a name", u"/again/stuck 100%.mov"_s, u"stuck 100%.2.mov"_s, u"/again/stuck%20100%25.mov"_s},
        {"a name held in files without a record", u"/taken.mov"_s, u"taken.2.mov"_s, u"/taken.mov"_s, true},
        {"a hidden name", u"/.hidden"_s, u".hidden"_s, u"/.hidden"_s},
        {"a hidden name again", u"/again/.hidden"_s, u".hidden.2"_s, u"/again/.hidden"_s},
    };
    test::forEachCase(rows, [&](const auto &row) {
        if (row.takenInFiles)
            test::writeFile(trash(u"/files"_s) + row.item, "theirs");
        const QString item = test::writeFile(s + row.item, row.item.toUtf8());
        EXPECT_TRUE(rmCocoa(item));
        EXPECT_FALSE(existsNoFollow(item));
        EXPECT_EQ(test::readFile(trash(u"/files/"_s) + row.trashedAs), row.item.toUtf8());
        const QString info = QString::fromUtf8(test::readFile(trash(u"/info/"_s) + row.trashedAs + u".trashinfo"_s));
        const QRegularExpression record(u"^\\[Trash Info\\]\nPath=%1\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$"_s.arg(
            QRegularExpression::escape(s + row.recorded)));
        EXPECT_TRUE(record.match(info).hasMatch()) << info.toStdString();
        EXPECT_EQ(test::takeLog(), tried);
        if (row.takenInFiles)
            EXPECT_EQ(test::readFile(trash(u"/files"_s) + row.item), QByteArray("theirs"));
    });
    EXPECT_EQ(QDir(trash(u"/info"_s)).entryList(QDir::Files | QDir::Hidden).size(), 6)
        << "no record is left of a name given up";
    for (const QString &folder : {trash(), trash(u"/files"_s), trash(u"/info"_s)})
        EXPECT_EQ(test::modeOf(folder), 0700) << "nobody else may look into " << folder.toStdString();

    // moveToTrash says whether the item went.
    EXPECT_TRUE(moveToTrash(test::writeFile(s + u"/old.txt"_s, "old")));
    EXPECT_EQ(test::readFile(trash(u"/files/old.txt"_s)), QByteArray("old"));
    EXPECT_FALSE(moveToTrash(s + u"/missing"_s) || moveToTrash(QString()));

    // A trash that fails leaves the item, and the reason is logged.
    const QString kept = test::writeFile(s + u"/kept.mov"_s, "data");
    deleter.trashSucceeds = false;
    EXPECT_FALSE(rmCocoa(kept));
    EXPECT_EQ(test::takeLog(), tried + QStringList{u"File current        :-( failure"_s});
    deleter.trashSucceeds = true;
    test::ScopedEnv dataHome("XDG_DATA_HOME", s + u"/data"_s);
    ASSERT_TRUE(QDir().mkpath(s + u"/elsewhere"_s) && QDir().mkpath(s + u"/data"_s));
    ASSERT_TRUE(makeLink(s + u"/elsewhere"_s, s + u"/data/Trash"_s));
    EXPECT_FALSE(rmCocoa(kept)) << "a trash that is a link is never used";
    EXPECT_TRUE(existsNoFollow(kept) && QDir(s + u"/elsewhere"_s).isEmpty());
    EXPECT_EQ(test::takeLog(), tried + (QStringList{u"File current        :-( trash: "_s + errorText(ENOTDIR),
                                                    u"File current        :-( failure"_s}));
    QString why;
    EXPECT_FALSE(systemRemovalBackend().trashAfterFailure(s + u"/missing"_s, &why));
    EXPECT_EQ(why, errorText(ENOENT));
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
    EXPECT_EQ(error, locked + u": "_s + errorText(EACCES));
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    EXPECT_TRUE(existsNoFollow(locked + u"/x"_s));
}

TEST(SystemRemovalBackend, WalksTreesTheMountTableCannotName)
{
    // Below a path longer than the kernel names, mount points are looked for
    // by walking the tree for a change of device: "." and ".." are not walked
    // again, and a tree deeper than the walk goes counts as holding one.
    rlimit saved {};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    if (saved.rlim_max != RLIM_INFINITY && saved.rlim_max < 4400)
        GTEST_SKIP() << "the walk keeps a descriptor open per level";
    rlimit raised = saved;
    raised.rlim_cur = raised.rlim_max == RLIM_INFINITY ? 8192 : std::min<rlim_t>(raised.rlim_max, 8192);
    ::setrlimit(RLIMIT_NOFILE, &raised);
    const QString top = test::scratchDir() + u"/long"_s;
    ASSERT_TRUE(QDir().mkpath(top));
    const int topFd = ::open(QFile::encodeName(top).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const QByteArray part(250, 'l');
    const int parentFd = nest(topFd, part.constData(), 17);
    ::close(topFd);
    ASSERT_GE(parentFd, 0);
    const QString parent = top + QString(u'/' + QString::fromLatin1(part)).repeated(17);

    // Each item holds a file and a chain of folders named ".d"; what the walk
    // refuses is left whole.
    const auto removed = [&](const char *item) {
        QString error;
        const bool ok = systemRemovalBackend().remove(parent + u'/' + QLatin1String(item), &error);
        struct stat st {};
        EXPECT_EQ(::fstatat(parentFd, item, &st, AT_SYMLINK_NOFOLLOW) != 0, ok);
        EXPECT_TRUE(ok || error.endsWith(u": "_s + errorText(EXDEV))) << error.toStdString();
        return ok;
    };
    int deepest = -1;
    for (const auto &[item, depth] : {std::pair{"shallow", 1}, {"deep", 4097}}) {
        ::mkdirat(parentFd, item, 0700);
        const int itemFd = ::openat(parentFd, item, O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(::openat(itemFd, "f", O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ::close(deepest);
        deepest = nest(itemFd, ".d", depth);
        ::close(itemFd);
    }
    ASSERT_GE(deepest, 0);
    EXPECT_TRUE(removed("shallow"));
    EXPECT_FALSE(removed("deep")) << "4097 levels below the item";
    const int above = ::openat(deepest, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
    ::close(deepest);
    ASSERT_EQ(::unlinkat(above, ".d", AT_REMOVEDIR), 0);
    ::close(above);
    EXPECT_TRUE(removed("deep")) << "4096 levels below the item";
    ::close(parentFd);
    QString error;
    EXPECT_TRUE(systemRemovalBackend().remove(top, &error)) << error.toStdString();
    ::setrlimit(RLIMIT_NOFILE, &saved);
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

    int tries = 0, moved = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (tries < 100 && std::chrono::steady_clock::now() < deadline) {
        ++tries;
        if (QFileInfo(real).isSymLink())
            ASSERT_TRUE(exchange(real, swap));
        test::writeFile(real + u"/home/keep"_s, "decoy");
        std::atomic<bool> stop{false};
        std::thread swapper([&] {
            while (!stop.load())
                exchange(real, swap);
        });
        const bool gone = rmCocoa(real + u"/home"_s);
        stop = true;
        swapper.join();
        ASSERT_EQ(test::readFile(victim + u"/keep"_s), QByteArray("victim")) << "try " << tries;
        moved += gone;
    }
    for (const QString &name : QDir(trash(u"/files"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        EXPECT_EQ(test::readFile(trash(u"/files/"_s) + name + u"/keep"_s), QByteArray("decoy")) << name.toStdString();
    EXPECT_GT(tries, 10);
    RecordProperty("tries", tries);
    RecordProperty("moved", moved);
}

TEST(RmCocoa, ATreeHoldingAMountPointIsLeftWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting needs root";
    const QString s = test::scratchDir();
    test::writeFile(s + u"/elsewhere/theirs.mov"_s, "theirs");
    const struct {
        const char *fault;
        bool bind;
    } kinds[] = {{"a volume on another device", false}, {"a bind mount of the same file system", true}};
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.fault);
        const QString tree = s + u"/tree"_s;
        // The mount table escapes the space; an undecoded path would hide the mount.
        const QString point = tree + u"/sub/my mnt"_s;
        test::writeFile(tree + u"/a.mov"_s, "a");
        ASSERT_TRUE(QDir().mkpath(point));
        ScopedMount mount(s + u"/elsewhere"_s, point, kind.bind);
        if (!mount.mounted())
            GTEST_SKIP() << "cannot mount here";
        const QString inside = test::writeFile(point + u"/inside.mov"_s, "inside");
        const QString owner = kind.bind ? s + u"/elsewhere"_s : point;

        // Nothing is deleted, nothing goes to any trash, on either side.
        for (const QString &path : {tree, tree + u"/sub"_s, point}) {
            SCOPED_TRACE(path.toStdString());
            test::clearLog();
            EXPECT_FALSE(rmCocoa(path));
            EXPECT_TRUE(test::logHas(u"File current        :-( failure"_s));
            EXPECT_EQ(test::readFile(tree + u"/a.mov"_s), QByteArray("a"));
            EXPECT_EQ(test::readFile(inside), QByteArray("inside"));
        }
        // An item on the volume that cannot be deleted stays too: the volume
        // gets no trash folder of its own.
        if (!kind.bind) {
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
