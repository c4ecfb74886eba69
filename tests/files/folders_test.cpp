#include "filestate.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/folders.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::modeOf;

TEST(MkdirCocoa, MakesOpenFoldersWithTheirParentsOrSaysWhyNot)
{
    const mode_t oldMask = ::umask(022);
    setDEBUG(1);
    EXPECT_TRUE(mkdirCocoa(u"~/a/b/c"_s));
    ::umask(oldMask);
    const QString home = test::homePath();
    for (const char *sub : {"/a", "/a/b", "/a/b/c"})
        EXPECT_EQ(modeOf(home + QLatin1String(sub)), 0777) << sub;
    EXPECT_EQ(test::takeLog(),
              (QStringList{u"mkdir               :    '~/a/b/c'"_s, u"mkdir               :-)  '~/a/b/c'"_s}));

    // An existing folder is a success, silent without debug, and keeps its mode.
    setDEBUG(0);
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

TEST(ChmodCocoa, ModesAndTheRecursionLine)
{
    const QString path = test::writeFile(test::scratchDir() + u"/f"_s, "x");
    const struct {
        int mode;
        QString flag;
        int expected;
        bool logged;
    } cases[] = {
        {777, QString(), 0777, false}, {755, QString(), 0755, false},  {644, QString(), 0755, false},
        {777, u"r"_s, 0777, true},     {777, u"R"_s, 0777, true},      {0777, u"x"_s, 0755, false},
    };
    for (const auto &c : cases) {
        test::clearLog();
        ::chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_TRUE(chmodCocoa(path, c.mode, c.flag));
        EXPECT_EQ(modeOf(path), c.expected) << c.mode;
        EXPECT_EQ(test::logHas(u"faudra voir comment faire de la récursivité …"_s), c.logged);
    }
    EXPECT_FALSE(chmodCocoa(QString(), 777, QString()));
    EXPECT_FALSE(chmodCocoa(test::scratchDir() + u"/missing"_s, 777, QString())) << "tells the truth";
}

TEST(DroitsAcces, TriesAScratchFolderAndLeavesNothing)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/clip.mov"_s, "x");
    const auto items = [&] { return QDir(s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    const QStringList before = items();
    setDEBUG(1);
    // A file tests its folder; a "folder" that is a regular file accepts nothing.
    const struct {
        QString path;
        bool ok;
        QString line;
    } cases[] = {
        {s, true, u"droitsAcces         ? 1 ("_s + s + u")"_s},
        {file, true, u"droitsAcces         ? 1 ("_s + s + u")"_s},
        {file + u"/x"_s, false, u"droitsAcces         ? 0 ("_s + file + u")"_s},
    };
    for (const auto &c : cases) {
        test::clearLog();
        EXPECT_EQ(droitsAcces(c.path), c.ok) << c.path.toStdString();
        EXPECT_TRUE(test::logHas(c.line)) << c.path.toStdString();
        EXPECT_TRUE(test::logContains(u"testStr : _VKdir"_s));
    }
    EXPECT_EQ(items(), before);
    EXPECT_FALSE(droitsAcces(QString()));
}
