#include "logcapture.h"
#include "sandbox.h"
#include "streams.h"

#include <reel/core/bundle.h>
#include <reel/core/constants.h>
#include <reel/core/debug.h>
#include <reel/task/environment.h>
#include <reel/task/shellrun.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;

TEST(TaskWithStr, OutputKeepsAllButOneFinalLineFeed)
{
    const std::tuple<const char *, QString, bool> cases[] = {
        // line, output (null: nil), the blank output logged
        {"printf abc", QStringLiteral("abc"), false},         {"printf 'abc\\n'", QStringLiteral("abc"), false},
        {"printf 'abc\\n\\n'", QStringLiteral("abc\n"), false}, {"printf 'abc\\r\\n'", QStringLiteral("abc\r"), false},
        {"printf 'caf\\303\\251'", QStringLiteral("café"), false},
        {"printf '\\n'", QString(), true}, {"true", QString(), true},
        {"printf '\\377abc'", QString(), false}, // not UTF-8
        {"printf 'caf\\303'", QString(), false},  // cut inside a character
    };
    for (const auto &[line, expected, blankLogged] : cases) {
        test::clearLog();
        const QString result = taskWithStr(QString::fromUtf8(line), QString());
        EXPECT_EQ(result, expected) << line;
        EXPECT_EQ(result.isNull(), expected.isNull()) << line;
        EXPECT_EQ(test::logHas(QStringLiteral("stringOutput        :-/ ''")), blankLogged) << line;
    }
}

TEST(TaskWithStr, ErrorsAndInputAreTheProgramsOwn)
{
    const QString s = test::scratchDir();
    test::writeFile(s + QStringLiteral("/in.txt"), "from the program\n");
    {
        test::ScopedStream input(STDIN_FILENO, s + QStringLiteral("/in.txt"), false);
        test::ScopedStream errors(STDERR_FILENO, s + QStringLiteral("/err.txt"), true);
        EXPECT_EQ(taskWithStr(QStringLiteral("cat; echo oops >&2"), QString()), QStringLiteral("from the program"));
        EXPECT_EQ(taskWithStr(QStringLiteral("echo joined 2>&1 >&2"), QString()), QStringLiteral("joined"));
    }
    EXPECT_EQ(test::readFile(s + QStringLiteral("/err.txt")), QByteArray("oops\n"));
}

TEST(TaskWithStr, WorkingDirectory)
{
    setDEBUG(1);
    const QString s = test::scratchDir();
    const QString folder = s + QStringLiteral("/a folder");
    QDir().mkpath(folder);
    QDir().mkpath(test::homePath() + QStringLiteral("/sub"));
    const QString here = QDir::currentPath();

    EXPECT_EQ(taskWithStr(QStringLiteral("pwd"), folder), folder);
    EXPECT_TRUE(test::logHas(QStringLiteral("cd : ") + folder));
    EXPECT_EQ(taskWithStr(QStringLiteral("pwd"), QStringLiteral("~/sub")), test::homePath() + QStringLiteral("/sub"));

    test::clearLog();
    EXPECT_EQ(taskWithStr(QStringLiteral("pwd"), s + QStringLiteral("/missing")), here);
    EXPECT_EQ(taskWithStr(QStringLiteral("pwd"), QStringLiteral("")), here);
    EXPECT_EQ(taskWithStr(QStringLiteral("pwd"), QString()), here);
    EXPECT_FALSE(test::logContains(QStringLiteral("cd : ")));
    EXPECT_TRUE(test::logHas(QStringLiteral("laTask release")));
    EXPECT_TRUE(test::logHas(QStringLiteral("stringOutput        :   '") + here + QStringLiteral("\n'")));

    // A file is no place to run in: nothing runs.
    const QString file = test::writeFile(s + QStringLiteral("/file"), "x");
    EXPECT_TRUE(taskWithStr(QStringLiteral("touch '") + s + QStringLiteral("/ran'"), file).isNull());
    EXPECT_FALSE(QFile::exists(s + QStringLiteral("/ran")));
    EXPECT_TRUE(test::logHas(QStringLiteral("taskWithStr         :-( not a folder '") + file + QLatin1Char('\'')));
}

TEST(TaskWithStr, ToolsFolderIsReachedThroughTheTemporaryFolder)
{
    const QString tmp = test::scratchDir() + QStringLiteral("/tmpfolder");
    setTMPFOLDER(tmp);
    const QString copy = tmp + QStringLiteral("/app.app/Contents/Resources/tools");
    test::writeScript(copy + QStringLiteral("/hello"), "echo hi\n");
    const QString resources = Bundle::main().resourcePath();
    const QString tools = resources + QStringLiteral("/tools");
    ASSERT_EQ(toolsFolderInTemporaryFolder(), copy);

    EXPECT_EQ(taskWithStr(tools + QStringLiteral("/hello; ") + tools + QStringLiteral("/hello; echo ") + tools, QString()),
              QStringLiteral("hi\nhi\n") + copy);

    // The same folder written another way is not the text that is replaced.
    const QString link = test::scratchDir() + QStringLiteral("/res");
    ASSERT_TRUE(QFile::link(resources, link));
    for (const QString &other : {resources + QStringLiteral("//tools"), link + QStringLiteral("/tools")})
        EXPECT_EQ(taskWithStr(QStringLiteral("echo ") + other, QString()), other);
}

TEST(TaskWithStr, ChildrenInheritOnlyTheStandardStreams)
{
    const int inheritable = ::open("/dev/null", O_RDONLY);
    ASSERT_GT(inheritable, 2);
    const int before = test::openDescriptorCount();
    EXPECT_EQ(taskWithStr(QStringLiteral("[ -e /proc/$$/fd/%1 ] && echo open || echo closed").arg(inheritable), QString()),
              QStringLiteral("closed"));
    EXPECT_EQ(test::openDescriptorCount(), before);
    ::close(inheritable);
    EXPECT_TRUE(test::noChildToReap());
}

TEST(TaskWithStr, ToolEnvironment)
{
    setTMPFOLDER(QStringLiteral("/tmp/x"));
    test::ScopedEnv ctype("LC_CTYPE", "C");
    const QString data = test::homePath() + QStringLiteral("/.local/share");
    EXPECT_EQ(taskWithStr(QStringLiteral("echo $LC_CTYPE $FONTCONFIG_FILE $FONTCONFIG_PATH"), QString()),
              QStringLiteral("en_US.UTF-8 ") + data + QStringLiteral("/reelkit-tests/fonts.conf /tmp/x/app.app/Contents/Resources/fonts"));

    test::ScopedEnv xdg("XDG_DATA_HOME", "/elsewhere/data");
    EXPECT_EQ(toolFontconfigFile(), QStringLiteral("/elsewhere/data/reelkit-tests/fonts.conf"));
    test::ScopedEnv relative("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(toolFontconfigFile(), data + QStringLiteral("/reelkit-tests/fonts.conf"));
    test::ScopedEnv unset("XDG_DATA_HOME", QByteArray());
    EXPECT_EQ(toolFontconfigFile(), data + QStringLiteral("/reelkit-tests/fonts.conf"));
    // The program's own environment is left as it was.
    EXPECT_EQ(qgetenv("LC_CTYPE"), QByteArray("C"));
}

TEST(IsStringSafe4TaskWithStr, DecidedOnTheTextAlone)
{
    const QString marker = test::scratchDir() + QStringLiteral("/ran");
    for (const QString &word : {QStringLiteral("|"), QStringLiteral("clip_01.mov"), QStringLiteral("été.mov"),
                                QStringLiteral("/tmp/a-b+c,d=e%f@g:h.mov"), QStringLiteral("a~b#c"),
                                QStringLiteral("clip\U0001F3AC.mov")})
        EXPECT_TRUE(isStringSafe4TaskWithStr(word)) << word.toStdString();
    const QStringList unsafe{
        QString(), QStringLiteral(""), QStringLiteral("my file"), QStringLiteral("$HOME"), QStringLiteral("a|b"),
        QStringLiteral("||"), QStringLiteral("a;touch ") + marker, QStringLiteral("`touch x`"), QStringLiteral("a&b"),
        QStringLiteral("a>b"), QStringLiteral("a<b"), QStringLiteral("(a)"), QStringLiteral("it's"),
        QStringLiteral("say\"x\""), QStringLiteral("back\\slash"), QStringLiteral("*.mov"), QStringLiteral("clip?.mov"),
        QStringLiteral("[ab].mov"), QStringLiteral("{a,b}"), QStringLiteral("~"), QStringLiteral("~/x"),
        QStringLiteral("#x"), QStringLiteral("tab\there"), QStringLiteral("line\nfeed"), QStringLiteral("bell\a"),
        QStringLiteral("nbsp\u00a0x"),
        // Unpaired surrogates: encoded as "?", which the shell globs.
        QStringLiteral("a") + QChar(0xD800), QString(QChar(0xDC00)) + QStringLiteral("b"),
        QStringLiteral("x") + QChar(0xDBFF) + QStringLiteral("y"), QString(QChar(0xDC00)) + QChar(0xD800)};
    for (const QString &word : unsafe)
        EXPECT_FALSE(isStringSafe4TaskWithStr(word)) << word.toStdString();
    EXPECT_FALSE(QFile::exists(marker)) << "nothing is run";
}
