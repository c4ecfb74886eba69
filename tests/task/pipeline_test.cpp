#include "logcapture.h"
#include "sandbox.h"
#include "streams.h"

#include <reel/core/constants.h>
#include <reel/core/debug.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/prefs/preferences.h>
#include <reel/task/pipeline.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

using namespace reel;

namespace {

QString sh() { return QStringLiteral("/bin/sh"); }
QString c() { return QStringLiteral("-c"); }
QString bar() { return QStringLiteral("|"); }

QStringList words(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result.append(QString::fromUtf8(word));
    return result;
}

} // namespace

TEST(TaskArrayPipes, ThreeToolsReadTheProgramsInput)
{
    const QString s = test::scratchDir();
    test::writeFile(s + QStringLiteral("/in.txt"), "hello world\n");
    test::ScopedStream input(STDIN_FILENO, s + QStringLiteral("/in.txt"), false);
    EXPECT_EQ(taskArrayPipes(words({"/bin/cat", "|", "/usr/bin/tr", "a-z", "A-Z", "|", "/usr/bin/rev"})),
              QStringLiteral("DLROW OLLEH\n"));
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArrayPipes      - deb")));
    EXPECT_TRUE(test::noChildToReap());
}

TEST(TaskArrayPipes, OnlyTheLastToolsErrorsJoinTheResult)
{
    const QString errors = test::scratchDir() + QStringLiteral("/err.txt");
    QString result;
    {
        test::ScopedStream capture(STDERR_FILENO, errors, true);
        result = taskArrayPipes(QStringList{sh(), c(), QStringLiteral("echo first-err >&2; echo data"), bar(), sh(), c(),
                                            QStringLiteral("cat; echo last-err >&2")});
    }
    EXPECT_EQ(result, QStringLiteral("data\nlast-err\n"));
    EXPECT_EQ(test::readFile(errors), QByteArray("first-err\n"));
}

TEST(TaskArray1PipeMax, ErrorsJoinOnlyWhenAsked)
{
    const QString errors = test::scratchDir() + QStringLiteral("/err.txt");
    const QStringList list{sh(), c(), QStringLiteral("echo first-err >&2; echo data"), bar(), sh(), c(),
                           QStringLiteral("cat; echo last-err >&2")};
    QString joined;
    QString alone;
    QString errorsOnly;
    {
        test::ScopedStream capture(STDERR_FILENO, errors, true);
        joined = taskArray1PipeMax(list, true);
        alone = taskArray1PipeMax(list, false);
        errorsOnly = taskArray1PipeMax(QStringList{sh(), c(), QStringLiteral("echo only-err >&2")}, false);
    }
    EXPECT_EQ(joined, QStringLiteral("data\nlast-err\n"));
    EXPECT_EQ(alone, QStringLiteral("data\n"));
    EXPECT_TRUE(errorsOnly.isNull());
    EXPECT_EQ(test::readFile(errors), QByteArray("first-err\nfirst-err\nlast-err\nonly-err\n"));
}

TEST(TaskArray1PipeMax, FirstToolReadsNothingAndOnlyItGetsTheToolEnvironment)
{
    const QString s = test::scratchDir();
    test::writeFile(s + QStringLiteral("/in.txt"), "program input\n");
    test::ScopedStream input(STDIN_FILENO, s + QStringLiteral("/in.txt"), false);
    test::ScopedEnv mine("FONTCONFIG_PATH", "mine");
    EXPECT_EQ(taskArray1PipeMax(words({"/bin/readlink", "/proc/self/fd/0"}), false), QStringLiteral("/dev/null\n"));
    EXPECT_EQ(taskArray1PipeMax(QStringList{sh(), c(), QStringLiteral("cat; echo $FONTCONFIG_PATH"), bar(), sh(), c(),
                                            QStringLiteral("cat; echo $FONTCONFIG_PATH")},
                                false),
              QStringLiteral("%1/app.app/Contents/Resources/fonts\nmine\n").arg(getTMPFOLDER()));
    // taskArrayPipes gives every tool the tool environment.
    EXPECT_EQ(taskArrayPipes(QStringList{sh(), c(), QStringLiteral("echo $FONTCONFIG_PATH"), bar(), sh(), c(),
                                         QStringLiteral("cat; echo $FONTCONFIG_PATH")}),
              QStringLiteral("%1/app.app/Contents/Resources/fonts\n").arg(getTMPFOLDER()).repeated(2));
}

TEST(Pipelines, WordsPassUnchanged)
{
    const QString s = test::scratchDir();
    const QString odd = s + QStringLiteral("/it's a \"quoted\" $HOME `file` *.txt");
    test::writeFile(odd, "odd content\n");
    const QString tool = test::writeScript(s + QStringLiteral("/tool with space's"), "printf '%s|' \"$@\"\n");
    const QString home = test::homePath();
    const QVariantList list{tool, QStringLiteral("~/folder"), QStringLiteral("http://host/~user"), QStringLiteral("a~b"),
                            QStringLiteral("$HOME"), 3};
    const QString expected = home + QStringLiteral("/folder|http://host/~user|a~b|$HOME|3|");
    EXPECT_EQ(taskArrayPipes(list), expected);
    EXPECT_EQ(taskArray1PipeMax(list, false), expected);
    EXPECT_EQ(taskArrayPipes(QStringList{QStringLiteral("/bin/cat"), odd}), QStringLiteral("odd content\n"));

    // A tool path under the home folder is started from where the presence test found it.
    QFile::copy(tool, home + QStringLiteral("/tool"));
    EXPECT_EQ(taskArray1PipeMax(words({"~/tool", "x"}), false), QStringLiteral("x|"));
    EXPECT_EQ(taskArrayPipes(words({"~/tool", "x", "|", "~/tool", "y"})), QStringLiteral("y|"));
}

TEST(Pipelines, ListsThatBreakTheRules)
{
    const QString missing = test::scratchDir() + QStringLiteral("/missing");
    const QString echo = QStringLiteral("/bin/echo");
    const QString pwd = QStringLiteral("/bin/pwd");
    const QString here = QDir::currentPath() + QLatin1Char('\n');
    struct Case {
        QStringList list;
        QString pipes;    // taskArrayPipes
        QString onePipe;  // taskArray1PipeMax, errors joined
        bool missingLogged;
    };
    const std::vector<Case> cases{
        {{}, QString(), QString(), false},
        {{missing, QStringLiteral("x")}, QString(), QString(), false},
        {{echo}, QString(), QString(), false}, // a lone line feed is no output
        {{pwd}, here, QString(), false},
        {{echo, QStringLiteral("x")}, QStringLiteral("x\n"), QStringLiteral("x\n"), false},
        {{echo, QStringLiteral("-n"), QStringLiteral(" ")}, QString(), QString(), false},
        {{echo, QStringLiteral(" ")}, QString(), QString(), false},
        {{echo, QStringLiteral("-n"), QStringLiteral("  ")}, QStringLiteral("  "), QStringLiteral("  "), false},
        {{bar(), echo}, QString(), QString(), false},
        {{echo, QStringLiteral("x"), bar()}, QString(), QString(), false},
        {{echo, QStringLiteral("x"), bar(), bar(), QStringLiteral("/bin/cat")}, QString(), QString(), false},
        {{echo, QStringLiteral("x"), bar(), missing}, QString(), QString(), true},
        {{pwd, bar(), QStringLiteral("/bin/cat")}, here, QString(), false},
        {{sh(), c(), QStringLiteral("printf '\\377'")}, QString(), QString(), false},
    };
    for (const Case &k : cases) {
        const std::string label = k.list.join(QLatin1Char(' ')).toStdString();
        test::clearLog();
        const QString pipes = taskArrayPipes(k.list);
        EXPECT_EQ(pipes, k.pipes) << label;
        EXPECT_EQ(pipes.isNull(), k.pipes.isNull()) << label;
        EXPECT_EQ(test::logHas(QStringLiteral("taskArrayPipes      :-( tool !present '") + missing + QLatin1Char('\'')),
                  k.missingLogged)
            << label;
        const QString onePipe = taskArray1PipeMax(k.list, true);
        EXPECT_EQ(onePipe, k.onePipe) << label;
        EXPECT_EQ(onePipe.isNull(), k.onePipe.isNull()) << label;
        EXPECT_EQ(test::logCount(QStringLiteral("taskArray1PipeMax   - deb")), 1) << label;
    }
    EXPECT_TRUE(taskArrayPipes(QVariantList{}).isNull());
}

TEST(TaskArray1PipeMax, SecondPipeWordShowsTheCriticalAlert)
{
    RecordingPresenter alerts;
    ScopedAlertPresenter use(&alerts);
    const QVariantList list{QStringLiteral("/bin/echo"), QStringLiteral("a b"), bar(), QStringLiteral("/usr/bin/tr"),
                            QStringLiteral("a"), 3, bar(), QStringLiteral("/usr/bin/rev")};
    EXPECT_TRUE(taskArray1PipeMax(list, true).isNull());
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("taskArray1PipeMax is limited to one pipe only (actually) :-("));
    EXPECT_EQ(alerts.last().message, QStringLiteral("/bin/echo a b | /usr/bin/tr a 3 | /usr/bin/rev"));
    EXPECT_TRUE(alerts.last().critical);
    EXPECT_EQ(alerts.last().kind, AlertRequest::Kind::Modal);
    EXPECT_EQ(alerts.last().window, nullptr);
    // The same list runs as a pipeline of three.
    EXPECT_EQ(taskArrayPipes(list), QStringLiteral("b 3\n"));
    EXPECT_EQ(alerts.count(), 1);
}

TEST(Pipelines, Array2Str)
{
    EXPECT_EQ(array2Str(QVariantList{QStringLiteral("a b"), 3}), QStringLiteral("a b 3"));
    EXPECT_EQ(array2Str(QVariantList{QStringLiteral("x")}), QStringLiteral("x"));
    EXPECT_EQ(array2Str(QVariantList{}), QStringLiteral(""));
    EXPECT_FALSE(array2Str(QStringList{}).isNull());
}

TEST(Pipelines, ToolsThatEndBadly)
{
    const QString s = test::scratchDir();
    const QString notExecutable = test::writeFile(s + QStringLiteral("/plain"), "echo never\n");
    test::ScopedEndlessInput input;
    const int before = test::openDescriptorCount();

    // Killed by a signal: whatever was written is the result.
    EXPECT_EQ(taskArrayPipes(QStringList{sh(), c(), QStringLiteral("echo partial; kill -KILL $$; echo never")}),
              QStringLiteral("partial\n"));
    EXPECT_EQ(taskArrayPipes(words({"/usr/bin/yes", "|", "/bin/sh", "-c", "head -c 5; kill -KILL $$"})),
              QStringLiteral("y\ny\ny"));
    EXPECT_TRUE(taskArrayPipes(words({"/bin/sh", "-c", "kill -KILL $$", "|", "/bin/cat"})).isNull());

    // A tool that cannot be started: the one already reading the endless input is stopped.
    test::clearLog();
    EXPECT_TRUE(taskArrayPipes(QStringList{QStringLiteral("/bin/cat"), bar(), notExecutable}).isNull());
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArrayPipes      :-( cannot start '%1' - Permission denied").arg(notExecutable)));
    EXPECT_TRUE(taskArray1PipeMax(QStringList{notExecutable, QStringLiteral("x")}, true).isNull());
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArray1PipeMax   :-( cannot start '%1' - Permission denied").arg(notExecutable)));
    // A NUL cannot be passed to a tool: the word would be cut.
    EXPECT_TRUE(taskArrayPipes(QStringList{QStringLiteral("/bin/echo"), QStringLiteral("a") + QChar(0) + QStringLiteral("b")}).isNull());
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArrayPipes      :-( NUL in the words of '/bin/echo'")));

    EXPECT_EQ(test::openDescriptorCount(), before);
    EXPECT_TRUE(test::noChildToReap());
}

TEST(Pipelines, CharactersCutBetweenReadsStayWhole)
{
    // Three bytes a line: the first read of 64 KiB ends inside a character.
    const QString e = QStringLiteral("\u00e9");
    const QString whole = taskArrayPipes(QStringList{sh(), c(), QStringLiteral("yes %1 | head -c 200001").arg(e)});
    EXPECT_EQ(whole, (e + QLatin1Char('\n')).repeated(66667));
    // The output itself ends inside a character: not UTF-8.
    EXPECT_TRUE(taskArrayPipes(QStringList{sh(), c(), QStringLiteral("yes %1 | head -c 199999").arg(e)}).isNull());
}

TEST(Pipelines, OutputIsDecodedAsItArrives)
{
    const struct {
        const char *script;
        QString expected; // null: nil
    } cases[] = {
        // The byte-order mark goes only at the very start, also when the
        // text comes in many reads.
        {"printf '\\357\\273\\277abc'", QStringLiteral("abc")},
        {"printf '\\357\\273\\277'; sleep 0.1; printf x; sleep 0.1; printf '\\357\\273\\277'",
         QString::fromUtf16(u"x\ufeff")},
        {"printf '\\357\\273\\277'", QString()}, // nothing but the mark is no output
        // A byte that is no UTF-8 early in a long output: nil, and the tool
        // is still read to its end rather than left blocked.
        {"printf 'ab\\377'; head -c 3000000 /dev/zero | tr '\\0' y", QString()},
        // A character cut by a pause of the tool stays whole.
        {"printf '\\303'; sleep 0.1; printf '\\251!'", QString::fromUtf16(u"\u00e9!")},
    };
    for (const auto &c : cases) {
        const QString result = taskArrayPipes(QStringList{sh(), QStringLiteral("-c"), QString::fromUtf8(c.script)});
        EXPECT_EQ(result, c.expected) << c.script;
        EXPECT_EQ(result.isNull(), c.expected.isNull()) << c.script;
    }
}

TEST(Pipelines, LargeOutputIsReadWhileTheToolsRun)
{
    constexpr qint64 kSize = 200LL * 1024 * 1024;
    const QString line = QStringLiteral("0123456789abcdef\n");
    const qint64 before = test::residentBytes();
    const QString result = taskArrayPipes(QStringList{QStringLiteral("/usr/bin/yes"), line.chopped(1), bar(),
                                                      QStringLiteral("/usr/bin/head"), QStringLiteral("-c"),
                                                      QString::number(kSize)});
    const qint64 peak = test::peakResidentBytes();
    ASSERT_EQ(result.size(), kSize);
    EXPECT_TRUE(result.startsWith(line));
    EXPECT_TRUE(result.endsWith(line + line.left(kSize % line.size())));
    EXPECT_EQ(result.count(QLatin1Char('\n')), kSize / line.size());
    // The bytes once and the text once (two bytes a character), and little else.
    EXPECT_LT(peak - before, 4 * kSize) << "peak " << peak << " before " << before;
}

TEST(Pipelines, Trace)
{
    setDEBUG(1);
    const QStringList list{QStringLiteral("/bin/echo"), QStringLiteral("x"), bar(), QStringLiteral("/usr/bin/rev")};
    EXPECT_EQ(taskArrayPipes(list), QStringLiteral("x\n"));
    for (const char *line : {"taskArrayPipes      - deb", "taskArrayPipes      - 1"})
        EXPECT_TRUE(test::logHas(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(test::logHas(QStringLiteral("separatedArgsByTasksMa : (\n    (\n        /bin/echo,\n        x\n    ),\n"
                                            "    (\n        /usr/bin/rev\n    )\n)")));
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArrayPipes      : ma (\n    /usr/bin/rev\n)")));
    EXPECT_TRUE(test::logContains(QStringLiteral("env post            : {")));
    EXPECT_TRUE(test::logContains(QStringLiteral("    LC_CTYPE = en_US.UTF-8;")));

    test::clearLog();
    EXPECT_EQ(taskArray1PipeMax(list, false), QStringLiteral("x\n"));
    EXPECT_EQ(test::logLines(),
              QStringList({QStringLiteral("taskArray1PipeMax   - deb"), QStringLiteral("taskArray1PipeMax   - 1"),
                           QStringLiteral("taskArray1PipeMax   - 1-0 : '/usr/bin/rev'"), QStringLiteral("taskArray1PipeMax   - 1-2"),
                           QStringLiteral("taskArray1PipeMax   - 2"), QStringLiteral("taskArray1PipeMax   - 3")}));

    // On the makers' machines the argument lists show without the debug level.
    setDEBUG(0);
    ASSERT_TRUE(prefWrite(QStringLiteral("id"), QStringLiteral("someone@reelkit-videoworkshop.org")));
    test::clearLog();
    EXPECT_EQ(taskArray1PipeMax(list, false), QStringLiteral("x\n"));
    EXPECT_EQ(test::logLines(), QStringList({QStringLiteral("taskArray1PipeMax   - deb"),
                                             QStringLiteral("taskArray1PipeMax   - task args : (\n    x\n)"),
                                             QStringLiteral("taskArray1PipeMax   - task Piped args : (\n)")}));
}
