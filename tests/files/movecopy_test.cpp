// Moving, copying, linking and making folders, inside the sandbox.
#include "backends.h"
#include "filestate.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/folders.h>
#include <reel/files/movecopy.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::existsNoFollow;
using test::modeOf;

namespace {

const struct Op {
    const char *name;
    bool (*run)(const QString &, const QString &, const QString &);
    bool keepsSource;
} kOps[] = {{"mvCocoa", mvCocoa, false}, {"cpCocoa", cpCocoa, true}};

} // namespace

TEST(MoveCopy, OverwriteOnlyWithExactlyYAndTellTheTruth)
{
    for (const Op &op : kOps) {
        SCOPED_TRACE(op.name);
        const QString s = test::scratchDir() + u'/' + QLatin1String(op.name);
        const QString src = test::writeFile(s + u"/src.mov"_s, "new");
        const QString dst = test::writeFile(s + u"/dst.mov"_s, "old");
        for (const QString &flag : {QString(), u""_s, u"Y"_s, u"-y"_s, u"yes"_s}) {
            EXPECT_FALSE(op.run(src, dst, flag)) << flag.toStdString();
            EXPECT_EQ(test::readFile(dst), QByteArray("old"));
        }
        // The move says so whatever the debug level, the copy only with it.
        EXPECT_EQ(test::takeLog(), op.keepsSource ? QStringList() : QStringList(5, u"New already exists   :-( "_s + dst));
        setDEBUG(1);
        EXPECT_FALSE(op.run(src, dst, QString()));
        EXPECT_EQ(test::logHas(u"New already exists  :-( "_s + dst), op.keepsSource);
        setDEBUG(0);

        test::clearLog();
        EXPECT_FALSE(op.run(s + u"/none"_s, s + u"/x"_s, u"y"_s));
        EXPECT_EQ(test::takeLog(), QStringList{u"File current        :-( does not exist: "_s + s + u"/none"_s});
        const QString into = s + u"/no/such/folder/x.mov"_s;
        EXPECT_FALSE(op.run(src, into, QString()));
        EXPECT_FALSE(existsNoFollow(into));
        const QStringList lines = test::takeLog();
        EXPECT_TRUE(lines.size() == 1 && lines.first().contains(into)) << "the platform's error is logged";
        EXPECT_FALSE(op.run(QString(), src, QString()) || op.run(src, QString(), QString()));

        EXPECT_TRUE(op.run(src, dst, u"y"_s));
        EXPECT_EQ(test::readFile(dst), QByteArray("new"));
        EXPECT_EQ(existsNoFollow(src), op.keepsSource);
    }
}

TEST(MoveCopy, FoldersLinksAndTilde)
{
    const QString home = test::homePath();
    test::writeFile(home + u"/tree/a/b.mov"_s, "b");
    test::writeFile(home + u"/tree/.hidden"_s, "h");
    test::makeLink(u"a/b.mov"_s, home + u"/tree/rel"_s);
    EXPECT_TRUE(cpCocoa(u"~/tree"_s, u"~/copy"_s, QString()));
    EXPECT_EQ(test::readFile(home + u"/copy/a/b.mov"_s) + test::readFile(home + u"/copy/.hidden"_s), "bh");
    EXPECT_EQ(srcFromLn(home + u"/copy/rel"_s), u"a/b.mov"_s) << "links stay links";
    EXPECT_TRUE(mvCocoa(u"~/copy"_s, u"~/moved"_s, QString()));
    EXPECT_FALSE(existsNoFollow(home + u"/copy"_s));
    EXPECT_EQ(test::readFile(home + u"/moved/a/b.mov"_s), QByteArray("b"));

    // A folder that holds a pipe is not copied: reading it would wait.
    test::makeFifo(home + u"/tree/a/pipe"_s);
    EXPECT_FALSE(cpCocoa(u"~/tree"_s, u"~/copy2"_s, QString()));
    EXPECT_FALSE(existsNoFollow(home + u"/copy2"_s));
}

TEST(MoveCopy, ADangerousOrUnreadableDestinationIsNotReplaced)
{
    // The guard refuses the home folder as a destination to clear; the
    // operation then fails instead of claiming success.
    const QString s = test::scratchDir();
    const QString src = test::writeFile(s + u"/src"_s, "x");
    {
        test::StrictRecorder recorder;
        ScopedRemovalBackend scoped(recorder);
        EXPECT_FALSE(mvCocoa(src, u"~"_s, u"y"_s));
        EXPECT_FALSE(cpCocoa(src, u"~/"_s, u"y"_s));
    }
    // A dangling link exists, though it is not present: it is never replaced.
    const QString dangling = s + u"/dangling"_s;
    test::makeLink(s + u"/nowhere"_s, dangling);
    EXPECT_FALSE(mvCocoa(src, dangling, QString()));
    EXPECT_FALSE(cpCocoa(src, dangling, QString()));
    EXPECT_EQ(srcFromLn(dangling), s + u"/nowhere"_s);
    EXPECT_TRUE(existsNoFollow(src));
}

TEST(MoveCopy, NeverDestroysTheSourceItself)
{
    // Clearing these destinations would delete the source before it moved.
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/dir/clip.mov"_s, "clip");
    test::makeLink(file, s + u"/current.mov"_s);
    const std::pair<QString, QString> cases[] = {
        {file, file},
        {file, s + u"/dir/./clip.mov"_s},
        {file, s + u"/dir"_s},
        {s + u"/dir"_s, s + u"/dir/sub"_s}, // into itself
        {s + u"/current.mov"_s, file},      // over the link's own data
    };
    for (const Op &op : kOps) {
        for (const auto &[from, to] : cases) {
            SCOPED_TRACE(std::string(op.name) + " " + from.toStdString() + " -> " + to.toStdString());
            EXPECT_FALSE(op.run(from, to, u"y"_s));
            EXPECT_EQ(test::readFile(file), QByteArray("clip"));
            const QStringList lines = test::takeLog();
            ASSERT_EQ(lines.size(), 1);
            EXPECT_TRUE(lines.first().startsWith(QLatin1String(op.keepsSource ? "cannot copy" : "cannot move")));
        }
    }
    EXPECT_FALSE(existsNoFollow(s + u"/dir/sub"_s));
    EXPECT_EQ(srcFromLn(s + u"/current.mov"_s), file);
}

TEST(Links, MakeReadAndAliases)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/f"_s, "x");
    EXPECT_TRUE(ln_sCocoa(u"f"_s, s + u"/l"_s));
    EXPECT_EQ(srcFromLn(s + u"/l"_s), u"f"_s);
    EXPECT_FALSE(ln_sCocoa(u"f"_s, s + u"/l"_s) || ln_sCocoa(QString(), s + u"/m"_s)) << "something is there, or nil";
    EXPECT_TRUE(srcFromLn(file).isNull() && srcFromLn(s + u"/missing"_s).isNull() && srcFromLn(QString()).isNull());
    EXPECT_EQ(pathByResolvingAlias(file), file);
}

TEST(Folders, MkdirMakesOpenFoldersWithTheirParentsOrSaysWhyNot)
{
    const mode_t oldMask = ::umask(022);
    EXPECT_TRUE(mkdirCocoa(u"~/a/b/c"_s));
    ::umask(oldMask);
    const QString home = test::homePath();
    for (const char *sub : {"/a", "/a/b", "/a/b/c"})
        EXPECT_EQ(modeOf(home + QLatin1String(sub)), 0777) << sub;
    // An existing folder is a success, silent, and keeps its mode.
    QDir().mkpath(home + u"/kept"_s);
    ::chmod(QFile::encodeName(home + u"/kept"_s).constData(), 0700);
    EXPECT_TRUE(mkdirCocoa(u"~/kept/"_s));
    EXPECT_EQ(modeOf(home + u"/kept"_s), 0700);
    EXPECT_FALSE(mkdirCocoa(QString()));
    const QString path = test::writeFile(test::scratchDir() + u"/file"_s, "x") + u"/sub"_s;
    EXPECT_FALSE(mkdirCocoa(path));
    EXPECT_EQ(test::takeLog(), (QStringList{u"mkdir               :-(  '%1'"_s.arg(path),
                                            u"mkdir               :-(( '%1'"_s.arg(path)}));
}

TEST(Folders, ChmodSetsOneOfTwoModesAndOnlyLogsTheRecursion)
{
    const QString path = test::writeFile(test::scratchDir() + u"/f"_s, "x");
    const struct {
        int mode;
        QString flag;
        int expected;
        bool logged;
    } cases[] = {
        {777, QString(), 0777, false}, {644, QString(), 0755, false}, {777, u"r"_s, 0777, true},
        {777, u"R"_s, 0777, true},     {0777, u"x"_s, 0755, false},
    };
    for (const auto &c : cases) {
        ::chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_TRUE(chmodCocoa(path, c.mode, c.flag));
        EXPECT_EQ(modeOf(path), c.expected) << c.mode;
        EXPECT_EQ(test::takeLog().contains(u"faudra voir comment faire de la récursivité …"_s), c.logged);
    }
    EXPECT_FALSE(chmodCocoa(QString(), 777, QString()));
    EXPECT_FALSE(chmodCocoa(test::scratchDir() + u"/missing"_s, 777, QString())) << "tells the truth";
}

TEST(Folders, DroitsAccesTriesAScratchFolderAndLeavesNothing)
{
    // A file tests its folder; a "folder" that is a regular file accepts nothing.
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/clip.mov"_s, "x");
    const std::tuple<QString, bool, QString> cases[] = {
        {s, true, u"droitsAcces         ? 1 ("_s + s + u")"_s},
        {file, true, u"droitsAcces         ? 1 ("_s + s + u")"_s},
        {file + u"/x"_s, false, u"droitsAcces         ? 0 ("_s + file + u")"_s},
    };
    for (const auto &[path, ok, line] : cases) {
        EXPECT_EQ(droitsAcces(path), ok) << path.toStdString();
        EXPECT_TRUE(test::takeLog().contains(line)) << line.toStdString();
    }
    EXPECT_EQ(QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"clip.mov"_s});
    EXPECT_FALSE(droitsAcces(QString()));
}
