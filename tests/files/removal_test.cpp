// Deleting what the guard lets through: the deleter, the trash fallback and
// the log lines, all inside the sandbox.
#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/presence.h>
#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QStandardPaths>

using namespace reel;
using namespace Qt::StringLiterals;
using test::exists;
using test::makeLink;

namespace {

QByteArray trashed(const QString &name)
{
    return test::readFile(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/files/"_s
                          + name);
}

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
    const QString file = test::writeFile(s + u"/stuck.mov"_s, "data");
    test::FailingDeleter deleter;
    {
        ScopedRemovalBackend scoped(deleter);
        EXPECT_TRUE(rmCocoa(file));
    }
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(trashed(u"stuck.mov"_s), QByteArray("data"));
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
