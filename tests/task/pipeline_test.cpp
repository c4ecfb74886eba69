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

#include <chrono>
#include <csignal>
#include <future>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;

namespace {

QString sh() { return QStringLiteral("/bin/sh"); }
QString c() { return QStringLiteral("-c"); }
QString bar() { return QStringLiteral("|"); }

// The words of a line that has no quoting.
QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '));
}

} // namespace

TEST(Pipelines, OnlyTheLastToolsErrorsJoinTheResult)
{
    const QString errors = test::scratchDir() + QStringLiteral("/err.txt");
    const QStringList list{sh(), c(), QStringLiteral("echo first-err >&2; echo data"), bar(), sh(), c(),
                           QStringLiteral("cat; echo last-err >&2")};
    QString pipes, joined, alone, errorsOnly;
    {
        test::ScopedStream capture(STDERR_FILENO, errors, true);
        pipes = taskArrayPipes(list);
        joined = taskArray1PipeMax(list, true);
        alone = taskArray1PipeMax(list, false);
        errorsOnly = taskArray1PipeMax(QStringList{sh(), c(), QStringLiteral("echo only-err >&2")}, false);
    }
    EXPECT_EQ(pipes, QStringLiteral("data\nlast-err\n"));
    EXPECT_EQ(joined, QStringLiteral("data\nlast-err\n"));
    EXPECT_EQ(alone, QStringLiteral("data\n"));
    EXPECT_TRUE(errorsOnly.isNull());
    EXPECT_EQ(test::readFile(errors), QByteArray("first-err\nfirst-err\nfirst-err\nlast-err\nonly-err\n"));
}

TEST(Pipelines, WhoReadsTheProgramsInputAndWhoGetsTheToolEnvironment)
{
    const QString in = test::writeFile(test::scratchDir() + QStringLiteral("/in.txt"), "hello world\n");
    test::ScopedStream input(STDIN_FILENO, in, false);
    // Three tools, the first reading the program's input.
    EXPECT_EQ(taskArrayPipes(words("/bin/cat | /usr/bin/tr a-z A-Z | /usr/bin/rev")), QStringLiteral("DLROW OLLEH\n"));
    EXPECT_TRUE(test::logHas(QStringLiteral("taskArrayPipes      - deb")));
    EXPECT_TRUE(test::noChildToReap());
    // taskArray1PipeMax's first tool reads an empty input of its own.
    EXPECT_EQ(taskArray1PipeMax(words("/bin/readlink /proc/self/fd/0"), false), QStringLiteral("/dev/null\n"));

    test::ScopedEnv mine("FONTCONFIG_PATH", "mine");
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
    EXPECT_EQ(taskArray1PipeMax(words("~/tool x"), false), QStringLiteral("x|"));
    EXPECT_EQ(taskArrayPipes(words("~/tool x | ~/tool y")), QStringLiteral("y|"));
}

TEST(Pipelines, ListsThatBreakTheRules)
{
    const QString missing = test::scratchDir() + QStringLiteral("/missing");
    const QString echo = QStringLiteral("/bin/echo");
    const QString pwd = QStringLiteral("/bin/pwd");
    const QString here = QDir::currentPath() + QLatin1Char('\n');
    const QString nil, x = QStringLiteral("x");
    const std::tuple<QStringList, QString, QString, bool> cases[] = {
        // list, taskArrayPipes, taskArray1PipeMax with errors joined, the missing tool logged
        {{}, nil, nil, false},
        {{missing, x}, nil, nil, false},
        {{echo}, nil, nil, false}, // a lone line feed is no output
        {{pwd}, here, nil, false},
        {{echo, x}, QStringLiteral("x\n"), QStringLiteral("x\n"), false},
        {{echo, QStringLiteral("-n"), QStringLiteral(" ")}, nil, nil, false},
        {{echo, QStringLiteral(" ")}, nil, nil, false},
        {{echo, QStringLiteral("-n"), QStringLiteral("  ")}, QStringLiteral("  "), QStringLiteral("  "), false},
        {{bar(), echo}, nil, nil, false},
        {{echo, x, bar()}, nil, nil, false},
        {{echo, x, bar(), bar(), QStringLiteral("/bin/cat")}, nil, nil, false},
        {{echo, x, bar(), missing}, nil, nil, true},
        {{pwd, bar(), QStringLiteral("/bin/cat")}, here, nil, false},
        {{sh(), c(), QStringLiteral("printf '\\377'")}, nil, nil, false},
    };
    for (const auto &[list, expectedPipes, expectedOnePipe, missingLogged] : cases) {
        const std::string label = list.join(QLatin1Char(' ')).toStdString();
        test::clearLog();
        const QString pipes = taskArrayPipes(list);
        EXPECT_EQ(pipes, expectedPipes) << label;
        EXPECT_EQ(pipes.isNull(), expectedPipes.isNull()) << label;
        EXPECT_EQ(test::logHas(QStringLiteral("taskArrayPipes      :-( tool !present '") + missing + QLatin1Char('\'')),
                  missingLogged) << label;
        const QString onePipe = taskArray1PipeMax(list, true);
        EXPECT_EQ(onePipe, expectedOnePipe) << label;
        EXPECT_EQ(onePipe.isNull(), expectedOnePipe.isNull()) << label;
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

    EXPECT_EQ(array2Str(QVariantList{QStringLiteral("a b"), 3}), QStringLiteral("a b 3"));
    EXPECT_EQ(array2Str(QVariantList{QStringLiteral("x")}), QStringLiteral("x"));
    EXPECT_TRUE(array2Str(QStringList{}).isEmpty() && !array2Str(QStringList{}).isNull());
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
    EXPECT_EQ(taskArrayPipes(QStringList{QStringLiteral("/usr/bin/yes"), bar(), sh(), c(), QStringLiteral("head -c 5; kill -KILL $$")}),
              QStringLiteral("y\ny\ny"));
    EXPECT_TRUE(taskArrayPipes(QStringList{sh(), c(), QStringLiteral("kill -KILL $$"), bar(), QStringLiteral("/bin/cat")}).isNull());

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

// A tool starts as under a shell, whatever the program did to its own
// signals and descriptors: the started child shares the program's memory
// until the tool runs, and must leave nothing of the program's behind.
TEST(Pipelines, ToolsStartCleanOfTheProgramsSignalsAndDescriptors)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction handle {};
    handle.sa_handler = [](int) {};
    struct sigaction oldPipe {};
    struct sigaction oldUsr1 {};
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &oldPipe), 0);
    ASSERT_EQ(::sigaction(SIGUSR1, &handle, &oldUsr1), 0);
    sigset_t blocked;
    sigset_t oldMask;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR2);
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &blocked, &oldMask), 0);
    const int leaked = ::open("/dev/null", O_RDONLY); // no close-on-exec
    ASSERT_GE(leaked, 0);

    const std::pair<const char *, QStringList> cases[] = {
        {"the only tool", words("/bin/grep -E ^Sig(Blk|Ign): /proc/self/status")},
        {"the first of two", words("/bin/grep -E ^Sig(Blk|Ign): /proc/self/status | /bin/cat")},
    };
    for (const auto &[which, list] : cases) {
        const QString status = taskArrayPipes(list);
        // Nothing blocked; a broken pipe not ignored (SIGPIPE, bit 13 from 1).
        EXPECT_TRUE(status.contains(QStringLiteral("SigBlk:\t0000000000000000\n"))) << which << status.toStdString();
        const qsizetype at = status.indexOf(QStringLiteral("SigIgn:\t"));
        ASSERT_GE(at, 0) << which;
        const quint64 ignored = status.mid(at + 8, 16).toULongLong(nullptr, 16);
        EXPECT_EQ(ignored & (quint64(1) << (SIGPIPE - 1)), 0u) << which << status.toStdString();
    }
    // ls opens the folder it lists as 3: nothing else is open.
    EXPECT_EQ(taskArrayPipes(words("/bin/ls /proc/self/fd")), QStringLiteral("0\n1\n2\n3\n"));
    EXPECT_EQ(taskArrayPipes(words("/bin/ls /proc/self/fd | /bin/cat")), QStringLiteral("0\n1\n2\n3\n"));

    ::close(leaked);
    ::pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
    ::sigaction(SIGUSR1, &oldUsr1, nullptr);
    ::sigaction(SIGPIPE, &oldPipe, nullptr);
}

TEST(Pipelines, ReturnWhenTheLastToolEnds)
{
    using namespace std::chrono;
    // An earlier tool that outlives the last one is not waited for, and is
    // not left behind as a child that would become a zombie.
    const QStringList sleepy = words("/bin/sleep 3 | /bin/echo hi");
    for (const bool onePipe : {false, true}) {
        const auto start = steady_clock::now();
        EXPECT_EQ(onePipe ? taskArray1PipeMax(sleepy, false) : taskArrayPipes(sleepy), QStringLiteral("hi\n"));
        EXPECT_LT(steady_clock::now() - start, seconds(2)) << "waited for sleep; one pipe: " << onePipe;
        EXPECT_TRUE(test::noChildLeft()) << onePipe;
    }

    // The first tool reads the program's input, which stays open: the last
    // one has what it wants after two bytes.
    test::ScopedEndlessInput input;
    input.write("hello");
    auto run = std::async(std::launch::async, [] { return taskArrayPipes(words("/bin/cat | /usr/bin/head -c 2")); });
    const bool returned = run.wait_for(seconds(10)) == std::future_status::ready;
    if (!returned)
        input.end(); // cat ends, and the run with it
    EXPECT_TRUE(returned) << "waited for cat, which waits for more input";
    EXPECT_EQ(run.get(), QStringLiteral("he"));
    EXPECT_TRUE(test::noChildLeft());
}

TEST(Pipelines, OutputIsDecodedAsItArrives)
{
    const std::pair<const char *, QString> cases[] = { // script, output (null: nil)
        // The byte-order mark goes only at the very start, also when the
        // text comes in many reads.
        {"printf '\\357\\273\\277abc'", QStringLiteral("abc")},
        {"printf '\\357\\273\\277'; sleep 0.1; printf x; sleep 0.1; printf '\\357\\273\\277'",
         QString::fromUtf16(u"x\ufeff")},
        {"printf '\\357\\273\\277'", QString()}, // nothing but the mark is no output
        // A byte that is no UTF-8 early in a long output: nil, and the tool
        // is still read to its end rather than left blocked.
        {"printf 'ab\\377'; head -c 3000000 /dev/zero | tr '\\0' y", QString()},
        // A character cut by a pause of the tool, or by the end of a 64 KiB
        // read (three bytes a line), stays whole; cut by the end of the
        // output it is no UTF-8.
        {"printf '\\303'; sleep 0.1; printf '\\251!'", QString::fromUtf16(u"\u00e9!")},
        {"yes \u00e9 | head -c 200001", QString::fromUtf16(u"\u00e9\n").repeated(66667)},
        {"yes \u00e9 | head -c 199999", QString()},
    };
    for (const auto &[script, expected] : cases) {
        const QString result = taskArrayPipes(QStringList{sh(), c(), QString::fromUtf8(script)});
        EXPECT_EQ(result, expected) << script;
        EXPECT_EQ(result.isNull(), expected.isNull()) << script;
    }
}

TEST(Pipelines, LargeOutputIsReadWhileTheToolsRun)
{
    constexpr qint64 kSize = 200LL * 1024 * 1024;
    const QString line = QStringLiteral("0123456789abcdef\n");
    const QString result = taskArrayPipes(QStringList{QStringLiteral("/usr/bin/yes"), line.chopped(1), bar(),
                                                      QStringLiteral("/usr/bin/head"), QStringLiteral("-c"),
                                                      QString::number(kSize)});
    ASSERT_EQ(result.size(), kSize);
    EXPECT_TRUE(result.startsWith(line));
    EXPECT_TRUE(result.endsWith(line + line.left(kSize % line.size())));
    EXPECT_EQ(result.count(QLatin1Char('\n')), kSize / line.size());
}

TEST(Pipelines, Trace)
{
    setDEBUG(1);
    const QStringList list = words("/bin/echo x | /usr/bin/rev");
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
    EXPECT_EQ(test::logLines(), QStringList({QStringLiteral("taskArray1PipeMax   - deb"), QStringLiteral("taskArray1PipeMax   - 1"),
                                             QStringLiteral("taskArray1PipeMax   - 1-0 : '/usr/bin/rev'"),
                                             QStringLiteral("taskArray1PipeMax   - 1-2"), QStringLiteral("taskArray1PipeMax   - 2"),
                                             QStringLiteral("taskArray1PipeMax   - 3")}));

    // On the makers' machines the argument lists show without the debug level.
    setDEBUG(0);
    ASSERT_TRUE(prefWrite(QStringLiteral("id"), QStringLiteral("someone@reelkit-videoworkshop.org")));
    test::clearLog();
    EXPECT_EQ(taskArray1PipeMax(list, false), QStringLiteral("x\n"));
    EXPECT_EQ(test::logLines(), QStringList({QStringLiteral("taskArray1PipeMax   - deb"),
                                             QStringLiteral("taskArray1PipeMax   - task args : (\n    x\n)"),
                                             QStringLiteral("taskArray1PipeMax   - task Piped args : (\n)")}));
}
