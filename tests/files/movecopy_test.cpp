#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/movecopy.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace reel;
using test::exists;

namespace {

using Operation = bool (*)(const QString &, const QString &, const QString &);

struct Op {
    const char *name;
    Operation run;
    bool keepsSource;
};
const Op kOps[] = {{"mvCocoa", mvCocoa, false}, {"cpCocoa", cpCocoa, true}};

} // namespace

TEST(MoveCopy, OverwriteOnlyWithExactlyY)
{
    for (const Op &op : kOps) {
        SCOPED_TRACE(op.name);
        const QString s = test::scratchDir() + QLatin1Char('/') + QLatin1String(op.name);
        const QString src = test::writeFile(s + QStringLiteral("/src.mov"), "new");
        const QString dst = test::writeFile(s + QStringLiteral("/dst.mov"), "old");
        for (const QString &flag : {QString(), QStringLiteral(""), QStringLiteral("Y"), QStringLiteral("-y"), QStringLiteral("yes")}) {
            test::clearLog();
            EXPECT_FALSE(op.run(src, dst, flag)) << flag.toStdString();
            EXPECT_EQ(test::readFile(dst), QByteArray("old"));
        }
        // The move says so whatever the debug level, the copy only with it.
        const QString moveLine = QStringLiteral("New already exists   :-( ") + dst;
        EXPECT_EQ(test::logHas(moveLine), !op.keepsSource);
        EXPECT_TRUE(op.keepsSource ? test::logLines().isEmpty() : true);
        setDEBUG(1);
        test::clearLog();
        EXPECT_FALSE(op.run(src, dst, QString()));
        if (op.keepsSource)
            EXPECT_TRUE(test::logHas(QStringLiteral("New already exists  :-( ") + dst));
        setDEBUG(0);

        EXPECT_TRUE(op.run(src, dst, QStringLiteral("y")));
        EXPECT_EQ(test::readFile(dst), QByteArray("new"));
        EXPECT_EQ(exists(src), op.keepsSource);
    }
}

TEST(MoveCopy, MissingSourceAndMissingFolderTellTheTruth)
{
    for (const Op &op : kOps) {
        SCOPED_TRACE(op.name);
        const QString s = test::scratchDir() + QLatin1Char('/') + QLatin1String(op.name);
        const QString src = test::writeFile(s + QStringLiteral("/src.mov"), "data");
        test::clearLog();
        EXPECT_FALSE(op.run(s + QStringLiteral("/none"), s + QStringLiteral("/x"), QStringLiteral("y")));
        EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("File current        :-( does not exist: ") + s + QStringLiteral("/none")});

        test::clearLog();
        const QString into = s + QStringLiteral("/no/such/folder/x.mov");
        EXPECT_FALSE(op.run(src, into, QString()));
        EXPECT_FALSE(exists(into));
        EXPECT_TRUE(exists(src));
        ASSERT_EQ(test::logLines().size(), 1) << "the platform's error is logged";
        EXPECT_TRUE(test::logLines().first().contains(into));

        EXPECT_FALSE(op.run(QString(), src, QString()));
        EXPECT_FALSE(op.run(src, QString(), QString()));
    }
}

TEST(MoveCopy, FoldersLinksAndTilde)
{
    const QString home = test::homePath();
    test::writeFile(home + QStringLiteral("/tree/a/b.mov"), "b");
    test::writeFile(home + QStringLiteral("/tree/.hidden"), "h");
    test::makeLink(QStringLiteral("a/b.mov"), home + QStringLiteral("/tree/rel"));
    setDEBUG(1);
    EXPECT_TRUE(cpCocoa(QStringLiteral("~/tree"), QStringLiteral("~/copy"), QString()));
    EXPECT_TRUE(test::logHas(QStringLiteral("File copied         :-) ") + home + QStringLiteral("/copy")));
    EXPECT_EQ(test::readFile(home + QStringLiteral("/copy/a/b.mov")), QByteArray("b"));
    EXPECT_EQ(test::readFile(home + QStringLiteral("/copy/.hidden")), QByteArray("h"));
    EXPECT_EQ(srcFromLn(home + QStringLiteral("/copy/rel")), QStringLiteral("a/b.mov")) << "links stay links";

    EXPECT_TRUE(mvCocoa(QStringLiteral("~/copy"), QStringLiteral("~/moved"), QString()));
    EXPECT_TRUE(test::logHas(QStringLiteral("File moved          :-) ") + home + QStringLiteral("/moved")));
    EXPECT_FALSE(exists(home + QStringLiteral("/copy")));
    EXPECT_EQ(test::readFile(home + QStringLiteral("/moved/a/b.mov")), QByteArray("b"));

    // A folder that holds a pipe is not copied: reading it would wait.
    test::makeFifo(home + QStringLiteral("/tree/a/pipe"));
    EXPECT_FALSE(cpCocoa(QStringLiteral("~/tree"), QStringLiteral("~/copy2"), QString()));
    EXPECT_FALSE(exists(home + QStringLiteral("/copy2")));
}

TEST(MoveCopy, ADangerousDestinationIsNotReplaced)
{
    // The guard refuses the home folder as a destination to clear; the
    // operation then fails instead of claiming success.
    const QString src = test::writeFile(test::scratchDir() + QStringLiteral("/src"), "x");
    test::StrictRecorder recorder;
    ScopedRemovalBackend scoped(recorder);
    EXPECT_FALSE(mvCocoa(src, QStringLiteral("~"), QStringLiteral("y")));
    EXPECT_FALSE(cpCocoa(src, QStringLiteral("~/"), QStringLiteral("y")));
    EXPECT_TRUE(exists(src));
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST(MoveCopy, AnExistingButUnreadableDestinationIsNeverReplaced)
{
    const QString s = test::scratchDir();
    const QString src = test::writeFile(s + QStringLiteral("/src"), "x");
    const QString dangling = s + QStringLiteral("/dangling");
    test::makeLink(s + QStringLiteral("/nowhere"), dangling);
    EXPECT_FALSE(mvCocoa(src, dangling, QString()));
    EXPECT_FALSE(cpCocoa(src, dangling, QString()));
    EXPECT_EQ(srcFromLn(dangling), s + QStringLiteral("/nowhere"));
    EXPECT_TRUE(exists(src));
}

TEST(MoveCopy, NeverDestroysTheSourceItself)
{
    // Clearing these destinations would delete the source before it moved.
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/dir/clip.mov"), "clip");
    test::makeLink(file, s + QStringLiteral("/current.mov"));
    struct Case {
        QString from, to;
    };
    const std::vector<Case> cases{
        {file, file},
        {file, s + QStringLiteral("/dir/./clip.mov")},
        {file, s + QStringLiteral("/dir")},
        {s + QStringLiteral("/dir"), s + QStringLiteral("/dir/sub")}, // into itself
        {s + QStringLiteral("/current.mov"), file},                  // over the link's own data
    };
    for (const Op &op : kOps) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(op.name) + " " + c.from.toStdString() + " -> " + c.to.toStdString());
            test::clearLog();
            EXPECT_FALSE(op.run(c.from, c.to, QStringLiteral("y")));
            EXPECT_EQ(test::readFile(file), QByteArray("clip"));
            ASSERT_EQ(test::logLines().size(), 1);
            EXPECT_TRUE(test::logLines().first().startsWith(QLatin1String(op.keepsSource ? "cannot copy" : "cannot move")));
        }
    }
    EXPECT_FALSE(exists(s + QStringLiteral("/dir/sub")));
    EXPECT_EQ(srcFromLn(s + QStringLiteral("/current.mov")), file);
}

TEST(Links, MakeReadAndAliases)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/f"), "x");
    EXPECT_TRUE(ln_sCocoa(QStringLiteral("f"), s + QStringLiteral("/l")));
    EXPECT_EQ(srcFromLn(s + QStringLiteral("/l")), QStringLiteral("f"));
    EXPECT_FALSE(ln_sCocoa(QStringLiteral("f"), s + QStringLiteral("/l"))) << "something is already there";
    EXPECT_TRUE(srcFromLn(file).isNull());
    EXPECT_TRUE(srcFromLn(s + QStringLiteral("/missing")).isNull());
    EXPECT_TRUE(srcFromLn(QString()).isNull());
    EXPECT_FALSE(ln_sCocoa(QString(), s + QStringLiteral("/m")));
    EXPECT_EQ(pathByResolvingAlias(file), file);
    EXPECT_EQ(pathByResolvingAlias(s), s);
}
