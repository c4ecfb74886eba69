// Deleting what the guard lets through: the deleter, the trash fallback and
// the log lines, all inside the sandbox.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::exists;
using test::makeLink;

namespace {

QString trashFiles()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/files"_s;
}

QByteArray trashed(const QString &name)
{
    return test::readFile(trashFiles() + u"/"_s + name);
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
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        ::umount2(self.c_str(), MNT_DETACH);
        ::close(m_fd);
    }
    ScopedMount(const ScopedMount &) = delete;
    ScopedMount &operator=(const ScopedMount &) = delete;
    bool mounted() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

TEST(RmCocoa, DeletesWholeTreesWithoutFollowingLinksAndNotifies)
{
    setDEBUG(1);
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + u"/canary/bird"_s, "tweet");
    test::writeFile(s + u"/tree/.hidden"_s, "h");
    test::writeFile(s + u"/tree/a/b/c.mov"_s, "c");
    ASSERT_TRUE(test::makeFifo(s + u"/tree/a/pipe"_s));
    ASSERT_TRUE(makeLink(s + u"/canary"_s, s + u"/tree/a/toCanary"_s));
    ASSERT_TRUE(makeLink(canary, s + u"/tree/birdLink"_s));
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });

    const QString tree = s + u"/tree"_s;
    EXPECT_TRUE(rmCocoa(tree));
    setFileSystemChangedHook(previous);
    EXPECT_FALSE(exists(tree));
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet")) << "links inside are removed, never followed";
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), tree);
    for (const QString &line : {u"rmCocoa             - debut - "_s + tree, u"File current        : exists: "_s + tree,
                                u"rmCocoa             - pre-fin"_s, u"rmCocoa             - fin - "_s + tree})
        EXPECT_TRUE(test::logHas(line)) << line.toStdString();

    setDEBUG(0);
    test::clearLog();
    const QString file = test::writeFile(s + u"/f.mov"_s, "f");
    EXPECT_TRUE(rmCocoa(file));
    EXPECT_FALSE(exists(file));
    EXPECT_TRUE(test::logLines().isEmpty()) << "a plain deletion is silent without debug";
}

TEST(RmCocoa, MissingPathsDanglingLinksAndUnreadableItems)
{
    setDEBUG(1);
    const QString s = test::scratchDir();
    EXPECT_TRUE(rmCocoa(s + u"/missing"_s));
    EXPECT_TRUE(test::logHas(u"rmCocoa d           : nil"_s));
    EXPECT_TRUE(test::logContains(u"Cocoa:does not exist:-/ ERR: "_s));

    test::clearLog();
    const QString dangling = s + u"/dangling"_s;
    ASSERT_TRUE(makeLink(s + u"/nowhere"_s, dangling));
    EXPECT_TRUE(rmCocoa(dangling));
    EXPECT_FALSE(exists(dangling));
    EXPECT_TRUE(test::logHas(u"Cocoa:does not exist;-) ERR: nil ("_s + dangling + u")"_s));
    EXPECT_FALSE(test::logContains(u"pre-fin"_s)) << "no notification for what was not there";

    // There but not present (a socket cannot be opened, even by root): it is
    // deleted too, after the line that says so.
    setDEBUG(0);
    test::clearLog();
    const QString socket = s + u"/sock"_s;
    ASSERT_TRUE(test::makeSocket(socket));
    ASSERT_FALSE(testPresenceC(socket));
    EXPECT_TRUE(rmCocoa(socket));
    EXPECT_FALSE(exists(socket));
    EXPECT_EQ(test::logLines(), QStringList{u"Cocoa:exists!!!     :-( "_s + socket});
}

TEST(RmCocoa, FallsBackToTheTrashAndTellsWhenBothFail)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/stuck 100%.mov"_s, "data");
    test::FailingDeleter deleter;
    {
        ScopedRemovalBackend scoped(deleter);
        EXPECT_TRUE(rmCocoa(file));
    }
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(trashed(u"stuck 100%.mov"_s), QByteArray("data"));
    // Nobody else may look into the trash.
    for (const QString &folder : {trashFiles() + u"/.."_s, trashFiles(), trashFiles() + u"/../info"_s}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0) << folder.toStdString();
        EXPECT_EQ(st.st_mode & 0777, 0700u) << folder.toStdString();
    }
    // The record a file manager restores it from (freedesktop.org trash).
    const QStringList info = QString::fromUtf8(test::readFile(trashFiles() + u"/../info/stuck 100%.mov.trashinfo"_s))
                                 .split(u'\n');
    ASSERT_EQ(info.size(), 4);
    EXPECT_EQ(info[0], u"[Trash Info]"_s);
    EXPECT_EQ(info[1], u"Path="_s + s + u"/stuck%20100%25.mov"_s);
    EXPECT_TRUE(QRegularExpression(u"^DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"_s).match(info[2]).hasMatch())
        << info[2].toStdString();
    EXPECT_EQ(info[3], u""_s);
    const QStringList trashLines{u"File current        :-( not deleted 1"_s, u"File current        :-/ …to trash"_s};
    EXPECT_EQ(test::logLines(), trashLines);

    test::clearLog();
    const QString kept = test::writeFile(s + u"/kept.mov"_s, "data");
    deleter.trashSucceeds = false;
    {
        ScopedRemovalBackend scoped(deleter);
        EXPECT_FALSE(rmCocoa(kept));
    }
    EXPECT_TRUE(exists(kept));
    EXPECT_EQ(test::logLines(), trashLines + QStringList{u"File current        :-( failure"_s});

    // moveToTrash itself says whether the item went.
    const QString old = test::writeFile(s + u"/old.txt"_s, "old");
    EXPECT_TRUE(moveToTrash(old));
    EXPECT_FALSE(exists(old));
    EXPECT_EQ(trashed(u"old.txt"_s), QByteArray("old"));
    EXPECT_FALSE(moveToTrash(s + u"/missing"_s));
    EXPECT_FALSE(moveToTrash(QString()));
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
    EXPECT_FALSE(exists(s + u"/dirLink"_s));
    // A link among the folders was not judged by the guard: nothing happens.
    for (const QString &bad : {s + u"/dirLink2/bird"_s, QString(), u""_s, u"relative"_s, s + u"/."_s, s + u"/.."_s,
                               s + u"/missing"_s}) {
        error.clear();
        EXPECT_FALSE(system.remove(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty()) << bad.toStdString();
    }
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet"));
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
    for (const QString &name : QDir(trashFiles()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        EXPECT_EQ(trashed(name + u"/keep"_s), QByteArray("decoy")) << name.toStdString();
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
        EXPECT_TRUE(QDir(trashFiles()).isEmpty());
    }
}
