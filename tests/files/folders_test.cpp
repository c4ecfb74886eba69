#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/folders.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace reel;

namespace {

int modeOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

} // namespace

TEST(MkdirCocoa, MakesOpenFoldersWithTheirParents)
{
    const mode_t oldMask = ::umask(022);
    setDEBUG(1);
    EXPECT_TRUE(mkdirCocoa(QStringLiteral("~/a/b/c")));
    ::umask(oldMask);
    const QString home = test::homePath();
    for (const char *sub : {"/a", "/a/b", "/a/b/c"})
        EXPECT_EQ(modeOf(home + QLatin1String(sub)), 0777) << sub;
    EXPECT_EQ(test::logLines(), (QStringList{QStringLiteral("mkdir               :    '~/a/b/c'"),
                                             QStringLiteral("mkdir               :-)  '~/a/b/c'")}));

    // An existing folder is a success and keeps its mode.
    setDEBUG(0);
    test::clearLog();
    QDir().mkpath(home + QStringLiteral("/kept"));
    ::chmod(QFile::encodeName(home + QStringLiteral("/kept")).constData(), 0700);
    EXPECT_TRUE(mkdirCocoa(QStringLiteral("~/kept/")));
    EXPECT_EQ(modeOf(home + QStringLiteral("/kept")), 0700);
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_FALSE(mkdirCocoa(QString()));
}

TEST(MkdirCocoa, FailsUnderAFileWithBothLines)
{
    const QString file = test::writeFile(test::scratchDir() + QStringLiteral("/file"), "x");
    const QString path = file + QStringLiteral("/sub");
    EXPECT_FALSE(mkdirCocoa(path));
    EXPECT_EQ(test::logLines(),
              (QStringList{QStringLiteral("mkdir               :-(  '") + path + QStringLiteral("'"),
                           QStringLiteral("mkdir               :-(( '") + path + QStringLiteral("'")}));
}

TEST(ChmodCocoa, ModesAndTheRecursionLine)
{
    const QString path = test::writeFile(test::scratchDir() + QStringLiteral("/f"), "x");
    struct Case {
        int mode;
        QString flag;
        int expected;
        bool logged;
    };
    const std::vector<Case> cases{
        {777, QString(), 0777, false}, {755, QString(), 0755, false}, {644, QString(), 0755, false},
        {777, QStringLiteral("r"), 0777, true}, {777, QStringLiteral("R"), 0777, true}, {0777, QStringLiteral("x"), 0755, false},
    };
    for (const Case &c : cases) {
        test::clearLog();
        ::chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_TRUE(chmodCocoa(path, c.mode, c.flag));
        EXPECT_EQ(modeOf(path), c.expected) << c.mode;
        EXPECT_EQ(test::logHas(QStringLiteral("faudra voir comment faire de la récursivité …")), c.logged);
    }
    EXPECT_FALSE(chmodCocoa(QString(), 777, QString()));
    EXPECT_FALSE(chmodCocoa(test::scratchDir() + QStringLiteral("/missing"), 777, QString())) << "tells the truth";
}

TEST(DroitsAcces, TriesAScratchFolderAndLeavesNothing)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + QStringLiteral("/clip.mov"), "x");
    const QStringList before = QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    EXPECT_TRUE(droitsAcces(s));
    EXPECT_TRUE(test::logHas(QStringLiteral("droitsAcces         ? 1 (") + s + QStringLiteral(")")));
    test::clearLog();
    EXPECT_TRUE(droitsAcces(file)) << "a file tests its folder";
    EXPECT_TRUE(test::logHas(QStringLiteral("droitsAcces         ? 1 (") + s + QStringLiteral(")")));
    EXPECT_EQ(QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);

    // A "folder" that is a regular file accepts nothing.
    test::clearLog();
    EXPECT_FALSE(droitsAcces(file + QStringLiteral("/x")));
    EXPECT_TRUE(test::logHas(QStringLiteral("droitsAcces         ? 0 (") + file + QStringLiteral(")")));
    EXPECT_FALSE(droitsAcces(QString()));

    setDEBUG(1);
    test::clearLog();
    droitsAcces(s);
    EXPECT_TRUE(test::logContains(QStringLiteral("testStr : _VKdir")));
}
