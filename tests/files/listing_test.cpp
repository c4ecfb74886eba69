#include "backends.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/listing.h>

#include <gtest/gtest.h>

#include <QDir>

using namespace reel;

namespace {

QStringList under(const QString &folder, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << folder + QLatin1Char('/') + name;
    return out;
}

} // namespace

TEST(LsCocoa, FullSortedPathsHiddenIncluded)
{
    const QString home = test::homePath();
    const QString d = home + QStringLiteral("/list");
    for (const char *name : {"b.mov", "a.MOV", ".hidden", "Z", "noext", "\xc3\xa9t\xc3\xa9.mpg"})
        test::writeFile(d + QLatin1Char('/') + QString::fromUtf8(name), "x");
    QDir().mkpath(d + QStringLiteral("/folder"));
    const QStringList all = under(d, {QStringLiteral(".hidden"), QStringLiteral("Z"), QStringLiteral("a.MOV"),
                                      QStringLiteral("b.mov"), QStringLiteral("folder"), QStringLiteral("noext"),
                                      QStringLiteral("été.mpg")});
    EXPECT_EQ(lsCocoa(QStringLiteral("~/list")), all);
    EXPECT_EQ(lsCocoa(d + QStringLiteral("/")), all);
    EXPECT_TRUE(lsCocoa(QString()).isEmpty());
    QDir().mkpath(home + QStringLiteral("/empty"));
    EXPECT_TRUE(lsCocoa(home + QStringLiteral("/empty")).isEmpty());
    EXPECT_TRUE(lsCocoa(d + QStringLiteral("/b.mov")).isEmpty());
    EXPECT_TRUE(lsCocoa(d + QStringLiteral("/missing")).isEmpty());

    EXPECT_EQ(lsGrepCocoa(d, QStringLiteral("mov")), under(d, {QStringLiteral("a.MOV"), QStringLiteral("b.mov")}));
    const QStringList bare = under(d, {QStringLiteral(".hidden"), QStringLiteral("Z"), QStringLiteral("folder"), QStringLiteral("noext")});
    EXPECT_EQ(lsGrepCocoa(d, QString()), bare);
    EXPECT_EQ(lsGrepCocoa(d, QStringLiteral("")), bare);
    EXPECT_TRUE(lsGrepCocoa(d, QStringLiteral("avi")).isEmpty());
    EXPECT_TRUE(lsGrepCocoa(QString(), QStringLiteral("mov")).isEmpty());

    EXPECT_EQ(fileFromFolder(d, QStringLiteral("mov")), d + QStringLiteral("/b.mov"));
    EXPECT_EQ(fileFromFolder(d, QStringLiteral("MOV")), d + QStringLiteral("/a.MOV"));
    EXPECT_EQ(fileFromFolder(d, QStringLiteral("avi")), QStringLiteral(""));
    EXPECT_EQ(fileFromFolder(QStringLiteral("~/list"), QStringLiteral("mov")), QStringLiteral("")) << "not expanded";
    EXPECT_EQ(fileFromFolder(QString(), QStringLiteral("mov")), QStringLiteral(""));
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(LsCocoa, DebugLines)
{
    const QString d = test::scratchDir();
    test::writeFile(d + QStringLiteral("/a.mov"), "x");
    setDEBUG(1);
    lsGrepCocoa(d, QStringLiteral("mov"));
    const QString item = d + QStringLiteral("/a.mov");
    EXPECT_TRUE(test::logHas(QStringLiteral("lsCocoa             - debut : ") + d));
    EXPECT_TRUE(test::logContains(QStringLiteral("lsCocoa             - fin : 1 items : (")));
    EXPECT_TRUE(test::logHas(QStringLiteral("lsGrepCocoa extStr  :'mov' ? ext=mov file=") + item));
    EXPECT_TRUE(test::logContains(QStringLiteral("lsGrepCocoa return  : ")));
    test::clearLog();
    fileFromFolder(d, QStringLiteral("mov"));
    EXPECT_TRUE(test::logHas(QStringLiteral("fichier: a.mov, extension : mov")));
    EXPECT_TRUE(test::logHas(QStringLiteral("fileFromFolder str : ") + item));
}

TEST(LsCocoaRecursive, DepthFirstAndEndsOnLoops)
{
    const QString d = test::scratchDir() + QStringLiteral("/t");
    test::writeFile(d + QStringLiteral("/b/x.mov"), "x");
    test::writeFile(d + QStringLiteral("/b/c/y.mov"), "y");
    test::writeFile(d + QStringLiteral("/a.mov"), "a");
    QDir().mkpath(d + QStringLiteral("/empty"));
    test::makeLink(QStringLiteral(".."), d + QStringLiteral("/b/c/up"));
    test::makeLink(d, d + QStringLiteral("/self"));
    EXPECT_EQ(lsCocoaRecursive(d), under(d, {QStringLiteral("a.mov"), QStringLiteral("b"), QStringLiteral("b/c"),
                                             QStringLiteral("b/c/up"), QStringLiteral("b/c/y.mov"), QStringLiteral("b/x.mov"),
                                             QStringLiteral("empty"), QStringLiteral("self")}));
    EXPECT_TRUE(lsCocoaRecursive(d + QStringLiteral("/empty")).isEmpty());
    EXPECT_TRUE(lsCocoaRecursive(d + QStringLiteral("/a.mov")).isEmpty());
    EXPECT_TRUE(lsCocoaRecursive(QString()).isEmpty());
}

TEST(FindCocoa, BreadthFirstFilesMatchingThePath)
{
    const QString d = test::scratchDir() + QStringLiteral("/f");
    test::writeFile(d + QStringLiteral("/Film/one.mov"), "1");
    test::writeFile(d + QStringLiteral("/Film/deep/two.mov"), "2");
    test::writeFile(d + QStringLiteral("/film/three.mov"), "3");
    test::writeFile(d + QStringLiteral("/Filmstrip.txt"), "4");
    test::writeFile(d + QStringLiteral("/other.mov"), "5");
    QDir().mkpath(d + QStringLiteral("/Film/emptyFilm"));
    test::makeLink(QStringLiteral(".."), d + QStringLiteral("/Film/deep/up")); // back up the tree
    test::makeLink(d + QStringLiteral("/film"), d + QStringLiteral("/linkToFilm"));

    struct Case {
        QString text, flag;
        QStringList found;
    };
    const std::vector<Case> cases{
        {QStringLiteral("Film"), QString(),
         under(d, {QStringLiteral("Filmstrip.txt"), QStringLiteral("Film/one.mov"), QStringLiteral("Film/deep/two.mov")})},
        {QStringLiteral("film"), QStringLiteral("i"),
         under(d, {QStringLiteral("Filmstrip.txt"), QStringLiteral("Film/one.mov"), QStringLiteral("film/three.mov"),
                   QStringLiteral("Film/deep/two.mov")})},
        {QStringLiteral("FILM"), QStringLiteral("I"), {}},
        {QStringLiteral("three"), QString(), under(d, {QStringLiteral("film/three.mov")})},
        {QStringLiteral(".mov"), QString(),
         under(d, {QStringLiteral("other.mov"), QStringLiteral("Film/one.mov"), QStringLiteral("film/three.mov"),
                   QStringLiteral("Film/deep/two.mov")})},
        {QStringLiteral(""), QString(), {}},
        {QString(), QString(), {}},
    };
    for (const Case &c : cases) {
        test::clearLog();
        EXPECT_EQ(findCocoa(d, c.text, c.flag), c.found) << c.text.toStdString() << " " << c.flag.toStdString();
        EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("findCocoa           - fin : %1 items").arg(c.found.size())});
    }
    EXPECT_TRUE(findCocoa(QString(), QStringLiteral("x"), QString()).isEmpty());
    EXPECT_TRUE(findCocoa(d + QStringLiteral("/missing"), QStringLiteral("x"), QString()).isEmpty());
}
