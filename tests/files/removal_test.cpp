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
#include <QFile>
#include <QStandardPaths>

using namespace reel;
using test::exists;
using test::makeLink;

namespace {

QString trashedFile(const QString &name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files/") + name;
}

} // namespace

TEST(RmCocoa, DeletesFilesAndWholeTreesWithDebugLines)
{
    setDEBUG(1);
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + QStringLiteral("/canary/bird"), "tweet");
    test::writeFile(s + QStringLiteral("/tree/.hidden"), "h");
    test::writeFile(s + QStringLiteral("/tree/a/b/c.mov"), "c");
    ASSERT_TRUE(test::makeFifo(s + QStringLiteral("/tree/a/pipe")));
    ASSERT_TRUE(makeLink(s + QStringLiteral("/canary"), s + QStringLiteral("/tree/a/toCanary")));
    ASSERT_TRUE(makeLink(canary, s + QStringLiteral("/tree/birdLink")));

    const QString tree = s + QStringLiteral("/tree");
    EXPECT_TRUE(rmCocoa(tree));
    EXPECT_FALSE(exists(tree));
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet")) << "links inside are removed, never followed";
    EXPECT_TRUE(test::logHas(QStringLiteral("rmCocoa             - debut - ") + tree));
    EXPECT_TRUE(test::logHas(QStringLiteral("File current        : exists: ") + tree));
    EXPECT_TRUE(test::logHas(QStringLiteral("rmCocoa             - pre-fin")));
    EXPECT_TRUE(test::logHas(QStringLiteral("rmCocoa             - fin - ") + tree));

    setDEBUG(0);
    test::clearLog();
    const QString file = test::writeFile(s + QStringLiteral("/f.mov"), "f");
    EXPECT_TRUE(rmCocoa(file));
    EXPECT_FALSE(exists(file));
    EXPECT_TRUE(test::logLines().isEmpty()) << "a plain deletion is silent without debug";
}

TEST(RmCocoa, MissingPathsAndDanglingLinks)
{
    setDEBUG(1);
    const QString s = test::scratchDir();
    const QString missing = s + QStringLiteral("/missing");
    EXPECT_TRUE(rmCocoa(missing));
    EXPECT_TRUE(test::logHas(QStringLiteral("rmCocoa d           : nil")));
    EXPECT_TRUE(test::logContains(QStringLiteral("Cocoa:does not exist:-/ ERR: ")));

    test::clearLog();
    const QString dangling = s + QStringLiteral("/dangling");
    ASSERT_TRUE(makeLink(s + QStringLiteral("/nowhere"), dangling));
    EXPECT_TRUE(rmCocoa(dangling));
    EXPECT_FALSE(exists(dangling));
    EXPECT_TRUE(test::logHas(QStringLiteral("Cocoa:does not exist;-) ERR: nil (") + dangling + QStringLiteral(")")));
    EXPECT_FALSE(test::logContains(QStringLiteral("pre-fin"))) << "no notification for what was not there";
}

TEST(RmCocoa, ItemsThatExistButCannotBeReadAreDeletedToo)
{
    const QString s = test::scratchDir();
    const QString socket = s + QStringLiteral("/sock");
    ASSERT_TRUE(test::makeSocket(socket));
    ASSERT_FALSE(testPresenceC(socket));
    EXPECT_TRUE(rmCocoa(socket));
    EXPECT_FALSE(exists(socket));
    EXPECT_TRUE(test::logHas(QStringLiteral("Cocoa:exists!!!     :-( ") + socket));

    // Unreadable for an ordinary user (root reads it and deletes it plainly).
    const QString locked = test::writeFile(s + QStringLiteral("/locked"), "x");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    EXPECT_TRUE(rmCocoa(locked));
    EXPECT_FALSE(exists(locked));
}

TEST(RmCocoa, FallsBackToTheTrash)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/stuck.mov"), "data");
    test::FailingDeleter deleter;
    {
        ScopedRemovalBackend scoped(deleter);
        EXPECT_TRUE(rmCocoa(file));
    }
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(test::readFile(trashedFile(QStringLiteral("stuck.mov"))), QByteArray("data"));
    EXPECT_EQ(test::logLines(), (QStringList{QStringLiteral("File current        :-( not deleted 1"),
                                             QStringLiteral("File current        :-/ …to trash")}));

    test::clearLog();
    const QString kept = test::writeFile(s + QStringLiteral("/kept.mov"), "data");
    deleter.trashSucceeds = false;
    {
        ScopedRemovalBackend scoped(deleter);
        EXPECT_FALSE(rmCocoa(kept));
    }
    EXPECT_TRUE(exists(kept));
    EXPECT_EQ(test::logLines().size(), 3);
    EXPECT_TRUE(test::logHas(QStringLiteral("File current        :-( failure")));
}

TEST(RmCocoa, NotifiesTheHookWithTheDeletedPath)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/n.mov"), "n");
    QStringList seen;
    const FileSystemChangedHook previous = setFileSystemChangedHook([&](const QString &path) { seen << path; });
    EXPECT_TRUE(rmCocoa(file));
    setFileSystemChangedHook(previous);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), file);
}

TEST(MoveToTrash, MovesIntoTheSandboxTrashAndTellsTheTruth)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/old.txt"), "old");
    EXPECT_TRUE(moveToTrash(file));
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(test::readFile(trashedFile(QStringLiteral("old.txt"))), QByteArray("old"));
    EXPECT_FALSE(moveToTrash(s + QStringLiteral("/missing")));
    EXPECT_FALSE(moveToTrash(QString()));
}

TEST(SystemRemovalBackend, RemovesLinksAsLinksAndRefusesNonsense)
{
    const QString s = test::scratchDir();
    const QString canary = test::writeFile(s + QStringLiteral("/canary/bird"), "tweet");
    ASSERT_TRUE(makeLink(s + QStringLiteral("/canary"), s + QStringLiteral("/dirLink")));
    RemovalBackend &system = systemRemovalBackend();
    QString error;
    EXPECT_TRUE(system.remove(s + QStringLiteral("/dirLink"), &error)) << error.toStdString();
    EXPECT_FALSE(exists(s + QStringLiteral("/dirLink")));
    EXPECT_EQ(test::readFile(canary), QByteArray("tweet"));

    // A link among the folders was not judged by the guard: nothing happens.
    ASSERT_TRUE(makeLink(s + QStringLiteral("/canary"), s + QStringLiteral("/dirLink2")));
    EXPECT_FALSE(system.remove(s + QStringLiteral("/dirLink2/bird"), &error));

    for (const QString &bad : {QString(), QStringLiteral(""), QStringLiteral("relative"), s + QStringLiteral("/."), s + QStringLiteral("/.."), s + QStringLiteral("/missing")}) {
        error.clear();
        EXPECT_FALSE(system.remove(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(exists(canary));
}
