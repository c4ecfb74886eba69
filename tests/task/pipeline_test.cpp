// The runners: tools started without a shell (taskArrayPipes,
// taskArray1PipeMax) and a line run by the shell (taskWithStr).
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"
#include "toolscript.h"

#include <reel/core/bundle.h>
#include <reel/core/constants.h>
#include <reel/dialogs/recordingpresenter.h>
#include <reel/task/environment.h>
#include <reel/task/pipeline.h>
#include <reel/task/shellrun.h>
#include <reel/task/spawn_p.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <functional>
#include <future>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

// No child, not even a running one that could become a zombie.
bool noChildLeft()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
}
int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()) - 1;
}


const QString sh = u"/bin/sh"_s, c = u"-c"_s, bar = u"|"_s, nil;

// The text, told apart from nil.
std::string shown(const QString &text)
{
    return text.isNull() ? "(nil)" : '\'' + text.toStdString() + '\'';
}

// The words of a line that has no quoting.
QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(u' ');
}

} // namespace

// Which tool reads the program's input, whose errors join the result, and
// which environment each tool gets, through each entry point.
TEST(Runners, InputErrorsAndEnvironmentOfEachEntryPoint)
{
    setTMPFOLDER(u"/tmp/x"_s);
    const QString fonts = u"/tmp/x/app.app/Contents/Resources/fonts"_s;
    const QString data = test::homePath() + u"/.local/share"_s;
    test::ScopedEnv mine("FONTCONFIG_PATH", "mine");
    test::ScopedEnv ctype("LC_CTYPE", "C");
    const QString s = test::scratchDir();
    const QString in = test::writeFile(s + u"/in.txt"_s, "in\n");
    // Each tool passes its input on, writes an error, then its fonts folder.
    const QString tool = u"cat; echo %1 >&2; echo $FONTCONFIG_PATH"_s;
    const QStringList two{sh, c, tool.arg(u"e1"_s), bar, sh, c, tool.arg(u"e2"_s)};
    QString kept;
    // Entry point, its output, what reached the program's error stream.
    const std::tuple<const char *, std::function<QString()>, QString, QByteArray> cases[] = {
        {"taskWithStr", [] { return taskWithStr(u"cat; echo e >&2; echo $LC_CTYPE $FONTCONFIG_FILE $FONTCONFIG_PATH"_s, nil); },
         u"in\nen_US.UTF-8 %1/reelkit-tests/fonts.conf %2"_s.arg(data, fonts), "e\n"},
        {"taskArrayPipes", [&] { return taskArrayPipes(two); }, u"in\n%1\ne2\n%1\n"_s.arg(fonts), "e1\n"},
        {"taskArray1PipeMax", [&] { return taskArray1PipeMax(two, false); }, fonts + u"\nmine\n"_s, "e1\ne2\n"},
        {"taskArray1PipeMax joining errors", [&] { return taskArray1PipeMax(two, true); }, fonts + u"\ne2\nmine\n"_s, "e1\n"},
        {"taskArray1PipeMax keeping errors", [&] { return taskArray1PipeMaxKeepingErrors(two, &kept); },
         fonts + u"\nmine\n"_s, "e1\n"},
    };
    for (const auto &[name, run, output, errors] : cases) {
        const QString errorsFile = s + u'/' + QLatin1String(name);
        {
            const test::ScopedStream input(STDIN_FILENO, in, O_RDONLY);
            const test::ScopedStream capture(STDERR_FILENO, errorsFile, O_WRONLY | O_CREAT | O_TRUNC);
            EXPECT_EQ(run(), output) << name;
        }
        EXPECT_EQ(test::readFile(errorsFile), errors) << name;
    }
    EXPECT_EQ(kept, u"e2\n"_s);
    // Kept errors stop at 64 KiB; the tool writing more is not held up.
    EXPECT_EQ(taskArray1PipeMaxKeepingErrors({sh, c, u"head -c 100000 /dev/zero | tr '\\0' x >&2; echo done"_s}, &kept),
              u"done\n"_s);
    EXPECT_EQ(kept, QString(64 * 1024, u'x'));
    // The program's own environment is left as it was.
    EXPECT_EQ(qgetenv("LC_CTYPE"), QByteArray("C"));
    // XDG_DATA_HOME moves the fonts file only when it is absolute.
    const std::pair<const char *, QString> xdg[] = {{"/elsewhere", u"/elsewhere"_s}, {"relative/data", data}, {nullptr, data}};
    for (const auto &[value, folder] : xdg) {
        test::ScopedEnv env("XDG_DATA_HOME", value);
        EXPECT_EQ(toolFontconfigFile(), folder + u"/reelkit-tests/fonts.conf"_s) << value;
    }
}

TEST(Runners, WordsPassUnchanged)
{
    const QString tool = test::writeScript(test::scratchDir() + u"/tool with space's"_s, "printf '%s|' \"$@\"\n");
    const QString home = test::homePath();
    const QString odd = u"it's a \"quoted\" `file` *.txt"_s;
    const QVariantList list{tool, u"~/folder"_s, u"http://host/~user"_s, u"a~b"_s, u"$HOME"_s, odd, 3};
    const QString expected = home + u"/folder|http://host/~user|a~b|$HOME|"_s + odd + u"|3|"_s;
    EXPECT_EQ(taskArrayPipes(list), expected);
    EXPECT_EQ(taskArray1PipeMax(list, false), expected);
    // A tool path under the home folder is started from where the presence test found it.
    QFile::copy(tool, home + u"/tool"_s);
    EXPECT_EQ(taskArray1PipeMax(words("~/tool x"), false), u"x|"_s);
    EXPECT_EQ(taskArrayPipes(words("~/tool x | ~/tool y")), u"y|"_s);
    // A braced list of strings reaches the string form without naming a type.
    EXPECT_EQ(taskArray1PipeMax({"/bin/echo", "a"}, true), u"a\n"_s);
}

TEST(Runners, ListsThatBreakTheRules)
{
    const QString missing = test::scratchDir() + u"/missing"_s;
    const QString echo = u"/bin/echo"_s, pwd = u"/bin/pwd"_s, x = u"x"_s;
    const QString here = QDir::currentPath() + u'\n';
    // list, taskArrayPipes, taskArray1PipeMax with errors joined, the missing tool logged
    const std::tuple<QStringList, QString, QString, bool> cases[] = {
        {{}, nil, nil, false}, {{missing, x}, nil, nil, false}, {{pwd}, here, nil, false},
        {{echo}, nil, nil, false}, {{echo, u" "_s}, nil, nil, false}, // a lone line feed or blank is no output
        {{echo, x}, u"x\n"_s, u"x\n"_s, false}, {{echo, u"-n"_s, u"  "_s}, u"  "_s, u"  "_s, false},
        {{bar, echo}, nil, nil, false}, {{echo, x, bar}, nil, nil, false}, {{echo, x, bar, bar, u"/bin/cat"_s}, nil, nil, false},
        {{echo, x, bar, missing}, nil, nil, true}, {{pwd, bar, u"/bin/cat"_s}, here, nil, false},
    };
    for (const auto &[list, expectedPipes, expectedOnePipe, missingLogged] : cases) {
        const std::string label = list.join(u' ').toStdString();
        test::clearLog();
        EXPECT_EQ(shown(taskArrayPipes(list)), shown(expectedPipes)) << label;
        EXPECT_EQ(test::logHas(u"taskArrayPipes      :-( tool !present '"_s + missing + u'\''), missingLogged) << label;
        EXPECT_EQ(shown(taskArray1PipeMax(list, true)), shown(expectedOnePipe)) << label;
    }
}

TEST(Runners, ASecondPipeWordOfTaskArray1PipeMaxShowsTheCriticalAlert)
{
    RecordingPresenter alerts;
    ScopedAlertPresenter use(&alerts);
    const QVariantList list{u"/bin/echo"_s, u"a b"_s, bar, u"/usr/bin/tr"_s, u"a"_s, 3, bar, u"/usr/bin/rev"_s};
    EXPECT_TRUE(taskArray1PipeMax(list, true).isNull());
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(std::tuple(alerts.last().title, alerts.last().message, alerts.last().critical),
              std::tuple(u"taskArray1PipeMax is limited to one pipe only (actually) :-("_s,
                         u"/bin/echo a b | /usr/bin/tr a 3 | /usr/bin/rev"_s, true));
    EXPECT_EQ(taskArrayPipes(list), u"b 3\n"_s) << "the same list runs as a pipeline of three";
}

TEST(Runners, ToolsThatEndBadly)
{
    const QString notExecutable = test::writeFile(test::scratchDir() + u"/plain"_s, "echo never\n");
    const int before = openDescriptorCount();
    // Killed by a signal: whatever was written is the result.
    EXPECT_EQ(taskArrayPipes(QStringList{sh, c, u"echo partial; kill -KILL $$; echo never"_s}), u"partial\n"_s);
    EXPECT_EQ(taskArrayPipes(QStringList{u"/usr/bin/yes"_s, bar, sh, c, u"head -c 5; kill -KILL $$"_s}), u"y\ny\ny"_s);
    EXPECT_TRUE(taskArrayPipes(QStringList{sh, c, u"kill -KILL $$"_s, bar, u"/bin/cat"_s}).isNull());
    // A tool that cannot be started: the one already started is stopped.
    EXPECT_TRUE(taskArrayPipes(QStringList{u"/bin/sleep"_s, u"30"_s, bar, notExecutable}).isNull());
    EXPECT_TRUE(taskArray1PipeMax(QStringList{notExecutable, u"x"_s}, true).isNull());
    for (const char *runner : {"taskArrayPipes     ", "taskArray1PipeMax  "})
        EXPECT_TRUE(test::logHas(u"%1 :-( cannot start '%2' - Permission denied"_s.arg(QLatin1String(runner), notExecutable)));
    // A NUL cannot be passed to a tool: the word would be cut.
    EXPECT_TRUE(taskArrayPipes(QStringList{u"/bin/echo"_s, u"a"_s + QChar(0) + u"b"_s}).isNull());
    EXPECT_TRUE(test::logHas(u"taskArrayPipes      :-( NUL in the words of '/bin/echo'"_s));
    // Nor an unpaired surrogate, which UTF-8 would give as "?": another name.
    const QString lone = u"a"_s + QChar(0xD800);
    const std::pair<const char *, std::function<QString()>> surrogates[] = {
        {"taskArrayPipes     ", [&] { return taskArrayPipes(QStringList{u"/bin/echo"_s, lone}); }},
        {"taskArray1PipeMax  ", [&] { return taskArray1PipeMax(QStringList{u"/bin/echo"_s, u"x"_s, bar, u"/bin/echo"_s, lone}, true); }},
        {"taskWithStr        ", [&] { return taskWithStr(u"echo "_s + lone, nil); }},
    };
    for (const auto &[runner, run] : surrogates) {
        EXPECT_TRUE(run().isNull()) << runner;
        EXPECT_TRUE(test::logContains(QLatin1String(runner) + u" :-( unpaired surrogate in the words of "_s)) << runner;
    }
    EXPECT_EQ(openDescriptorCount(), before);
    EXPECT_TRUE(noChildLeft());
}

// A tool starts as under a shell, whatever the program did to its own
// signals and descriptors: the started child shares the program's memory
// until the tool runs, and must leave nothing of the program's behind.
TEST(Pipelines, ToolsStartCleanOfTheProgramsSignalsAndDescriptors)
{
    struct sigaction ignore {}, handle {}, oldPipe {}, oldUsr1 {};
    ignore.sa_handler = SIG_IGN;
    handle.sa_handler = [](int) {};
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &oldPipe), 0);
    ASSERT_EQ(::sigaction(SIGUSR1, &handle, &oldUsr1), 0);
    sigset_t blocked, oldMask;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR2);
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &blocked, &oldMask), 0);
    const int leaked = ::open("/dev/null", O_RDONLY); // no close-on-exec
    ASSERT_GE(leaked, 0);

    for (const char *line : {"/bin/grep -E ^Sig(Blk|Ign): /proc/self/status", // the only tool
                             "/bin/grep -E ^Sig(Blk|Ign): /proc/self/status | /bin/cat"}) { // the first of two
        const QString status = taskArrayPipes(words(line));
        // Nothing blocked; a broken pipe not ignored (SIGPIPE, bit 13 from 1).
        EXPECT_TRUE(status.contains(u"SigBlk:\t0000000000000000\n"_s)) << line << status.toStdString();
        const qsizetype at = status.indexOf(u"SigIgn:\t"_s);
        ASSERT_GE(at, 0) << line;
        EXPECT_EQ(status.mid(at + 8, 16).toULongLong(nullptr, 16) & (quint64(1) << (SIGPIPE - 1)), 0u) << line;
    }
    // ls opens the folder it lists as 3: nothing else is open.
    EXPECT_EQ(taskArrayPipes(words("/bin/ls /proc/self/fd")), u"0\n1\n2\n3\n"_s);
    EXPECT_EQ(taskArrayPipes(words("/bin/ls /proc/self/fd | /bin/cat")), u"0\n1\n2\n3\n"_s);

    ::close(leaked);
    ::pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
    ::sigaction(SIGUSR1, &oldUsr1, nullptr);
    ::sigaction(SIGPIPE, &oldPipe, nullptr);
}

// The child reads the handlers it must undo from its status file in one go.
TEST(Pipelines, CaughtSignalsComeFromTheStatusLine)
{
    const struct {
        std::string_view status;
        std::optional<quint64> mask;
    } rows[] = {
        {"Name:\tx\nSigIgn:\t0000000000001000\nSigCgt:\t0000000180014a02\nCapInh:\t0\n", 0x180014a02u},
        {"Name:\tx\nSigCgt:\tffffffffffffffff\n", ~quint64(0)},
        {"Name:\tx\nSigCgt:\t000000018001\n", std::nullopt},       // cut short
        {"Name:\tx\nSigCgt:\t0000000180014a02", std::nullopt},     // the read stopped here
        {"Name:\tx\nSigCgt:\t00000001800x4a02\n", std::nullopt},  // not hexadecimal
        {"Name:\tx\nSigCgt:\t00000001800144a02\n", std::nullopt}, // 17 digits
        {"Name:\tx\nSigIgn:\t0000000000000000\n", std::nullopt},
        {"SigCgt:\t0000000000000001\n", std::nullopt}, // not a line of its own
        {"", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(task::detail::caughtSignalMask(row.status), row.mask) << row.status;

    struct sigaction handle {}, old {};
    handle.sa_handler = [](int) {};
    ASSERT_EQ(::sigaction(SIGUSR2, &handle, &old), 0);
    QFile file(u"/proc/self/status"_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray status = file.readAll();
    ::sigaction(SIGUSR2, &old, nullptr);
    const std::optional<quint64> mask = task::detail::caughtSignalMask(std::string_view(status.data(), status.size()));
    ASSERT_TRUE(mask.has_value());
    EXPECT_EQ((*mask >> (SIGUSR2 - 1)) & 1, 1u);
    EXPECT_EQ((*mask >> (SIGKILL - 1)) & 1, 0u);
}

TEST(Runners, ReturnWhenTheLastToolEnds)
{
    // An earlier tool that outlives the last one is neither waited for nor
    // left as a child that would become a zombie.
    for (const bool onePipe : {false, true}) {
        auto run = std::async(std::launch::async, [onePipe] {
            const QStringList list = words("/bin/sleep 20 | /bin/echo hi");
            return onePipe ? taskArray1PipeMax(list, false) : taskArrayPipes(list);
        });
        EXPECT_EQ(run.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "waited for sleep " << onePipe;
        EXPECT_EQ(run.get(), u"hi\n"_s);
        EXPECT_TRUE(noChildLeft()) << onePipe;
    }
}

TEST(Runners, OutputIsDecodedAsItArrives)
{
    const std::pair<const char *, QString> cases[] = { // script, output (null: nil)
        // The byte-order mark goes only at the very start, also when the text comes in many reads;
        // nothing but the mark is no output.
        {"printf '\\357\\273\\277'; sleep 0.1; printf x; sleep 0.1; printf '\\357\\273\\277'", u"x\ufeff"_s},
        {"printf '\\357\\273\\277'", nil},
        // A byte that is no UTF-8 early in a long output: nil, and the tool
        // is still read to its end rather than left blocked.
        {"printf 'ab\\377'; head -c 3000000 /dev/zero | tr '\\0' y", nil},
        // A character cut by a pause of the tool, or by the end of a 64 KiB
        // read (three bytes a line), stays whole; cut by the end of the
        // output it is no UTF-8.
        {"printf '\\303'; sleep 0.1; printf '\\251!'", u"\u00e9!"_s},
        {"yes \u00e9 | head -c 200001", u"\u00e9\n"_s.repeated(66667)},
        {"yes \u00e9 | head -c 199999", nil},
    };
    for (const auto &[script, expected] : cases)
        EXPECT_EQ(shown(taskArrayPipes(QStringList{sh, c, QString::fromUtf8(script)})), shown(expected)) << script;
}

// Past the limit the last tool is stopped, whatever it still means to
// write, and the run gives nil with a line saying so.
TEST(Runners, OutputPastTheLimitStopsTheRun)
{
    const qint64 saved = setToolOutputLimit(1000);
    EXPECT_EQ(saved, qint64(1) << 30);
    const QString yes = u"/usr/bin/yes"_s;
    const struct {
        const char *name;
        QStringList list;
        QString text; // null: stopped
        bool onePipe = false;
    } cases[] = {
        {"the limit itself is taken", {sh, c, u"head -c 1000 /dev/zero | tr '\\0' a"_s}, QString(1000, u'a')},
        {"one byte more", {sh, c, u"head -c 1001 /dev/zero | tr '\\0' a"_s}, nil},
        {"a tool that never ends", {yes}, nil},
        {"output that is no UTF-8 counts too", {sh, c, u"printf '\\377'; exec /usr/bin/yes"_s}, nil},
        {"a child of the tool writes on", {sh, c, u"/usr/bin/yes & wait"_s}, nil},
        {"the last of two", {yes, bar, u"/bin/cat"_s}, nil},
        {"one pipe at most", {yes, u"y"_s}, nil, true},
    };
    test::forEachCase(cases, [&](const auto &row) {
        test::clearLog();
        const QString text = row.onePipe ? taskArray1PipeMax(row.list, true) : taskArrayPipes(row.list);
        EXPECT_EQ(shown(text), shown(row.text));
        const QString runner = row.onePipe ? u"taskArray1PipeMax   "_s : u"taskArrayPipes      "_s;
        EXPECT_EQ(test::logHas(u"%1:-( output over the limit of 1000 bytes, '%2' stopped"_s.arg(runner, row.list.value(row.list.indexOf(bar) + 1))),
                  row.text.isNull());
    });
    EXPECT_TRUE(noChildLeft());
    setToolOutputLimit(-5);
    EXPECT_EQ(setToolOutputLimit(saved), 0);
}

TEST(TaskWithStr, OutputKeepsAllButOneFinalLineFeed)
{
    const std::tuple<const char *, QString, bool> cases[] = {
        // line, output (null: nil), the blank output logged
        {"printf abc", u"abc"_s, false}, {"printf 'abc\\n\\n'", u"abc\n"_s, false}, {"printf 'abc\\r\\n'", u"abc\r"_s, false},
        {"printf 'caf\\303\\251'", u"café"_s, false}, {"printf '\\n'", nil, true},
        {"printf 'caf\\303'", nil, false}, // cut inside a character: not UTF-8
    };
    for (const auto &[line, expected, blankLogged] : cases) {
        test::clearLog();
        EXPECT_EQ(shown(taskWithStr(QString::fromUtf8(line), nil)), shown(expected)) << line;
        EXPECT_EQ(test::logHas(u"stringOutput        :-/ ''"_s), blankLogged) << line;
    }
}

TEST(TaskWithStr, WorkingDirectory)
{
    const QString s = test::scratchDir();
    const QString folder = s + u"/a folder"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(test::homePath() + u"/sub"_s));
    EXPECT_EQ(taskWithStr(u"pwd"_s, folder), folder);
    EXPECT_EQ(taskWithStr(u"pwd"_s, u"~/sub"_s), test::homePath() + u"/sub"_s);
    for (const QString &nowhere : {s + u"/missing"_s, u""_s, nil})
        EXPECT_EQ(taskWithStr(u"pwd"_s, nowhere), QDir::currentPath()) << nowhere.toStdString();
    // A file is no place to run in: nothing runs.
    const QString file = test::writeFile(s + u"/file"_s, "x");
    EXPECT_TRUE(taskWithStr(u"touch '"_s + s + u"/ran'"_s, file).isNull());
    EXPECT_FALSE(QFile::exists(s + u"/ran"_s));
    EXPECT_TRUE(test::logHas(u"taskWithStr         :-( not a folder '"_s + file + u'\''));
}

TEST(TaskWithStr, ToolsFolderIsReachedThroughTheTemporaryFolder)
{
    const QString tmp = test::scratchDir() + u"/tmpfolder"_s;
    setTMPFOLDER(tmp);
    const QString copy = tmp + u"/app.app/Contents/Resources/tools"_s;
    test::writeScript(copy + u"/hello"_s, "echo hi\n");
    const QString resources = Bundle::main().resourcePath();
    const QString tools = resources + u"/tools"_s;
    ASSERT_EQ(toolsFolderInTemporaryFolder(), copy);
    EXPECT_EQ(taskWithStr(tools + u"/hello; "_s + tools + u"/hello; echo "_s + tools, nil), u"hi\nhi\n"_s + copy);
    // The same folder written another way is not the text that is replaced.
    EXPECT_EQ(taskWithStr(u"echo "_s + resources + u"//tools"_s, nil), resources + u"//tools"_s);
}

TEST(TaskWithStr, ATemporaryFolderTheShellWouldActOnIsQuotedWhereItStands)
{
    const QString s = test::scratchDir();
    const QString tmp = s + u"/it's \"$(touch canary)\" `touch canary` a\\b $HOME\nc"_s;
    ASSERT_TRUE(QDir().mkpath(tmp));
    const test::ScopedEnv env("TMPDIR", tmp);
    const QString copy = toolsFolderInTemporaryFolder();
    ASSERT_TRUE(copy.startsWith(tmp + u'/')) << copy.toStdString();
    test::writeScript(copy + u"/hello"_s, "echo hi\n");
    const QString tools = Bundle::main().resourcePath() + u"/tools"_s;
    struct Case {
        const char *name;
        QString line;
        QString output; // nil: refused, nothing run
    };
    const Case cases[] = {
        {"a tool of the copy runs though its path has blanks", tools + u"/hello"_s, u"hi"_s},
        {"outside quotes, in '...' and in \"...\" the path is taken literally",
         u"printf '%s|' "_s + tools + u"/x '"_s + tools + u"/y' \""_s + tools + u"/z\""_s,
         copy + u"/x|"_s + copy + u"/y|"_s + copy + u"/z|"_s},
        {"in a command substitution", u"echo \"$(echo "_s + tools + u")\""_s, nil},
        {"in backquotes", u"echo `echo "_s + tools + u"`"_s, nil},
        {"in a here-document", u"cat <<E\n"_s + tools + u"\nE"_s, nil},
        {"after a backslash", u"echo \\"_s + tools, nil},
        {"in a comment its line feed would end", u"true # "_s + tools, nil},
    };
    test::forEachCase(cases, [&](const Case &row) {
        test::clearLog();
        EXPECT_EQ(shown(taskWithStr(row.line, s)), shown(row.output));
        EXPECT_EQ(test::logContains(u"taskWithStr         :-( cannot quote the tools folder"_s), row.output.isNull());
    });
    EXPECT_FALSE(QFile::exists(s + u"/canary"_s));
}

TEST(TaskWithStr, WithoutATemporaryFolderALineNamingTheToolsDoesNotRun)
{
    setTMPFOLDER(u""_s);
    const QString s = test::scratchDir();
    EXPECT_TRUE(toolsFolderInTemporaryFolder().isNull());
    EXPECT_TRUE(toolFontconfigPath().isNull());
    // The fonts folder is left out, not taken from the program.
    const test::ScopedEnv mine("FONTCONFIG_PATH", "mine");
    EXPECT_EQ(taskWithStr(u"echo \"[$FONTCONFIG_PATH]\""_s, s), u"[]"_s);
    const QString line = u"touch ran; "_s + Bundle::main().resourcePath() + u"/tools/x"_s;
    EXPECT_TRUE(taskWithStr(line, s).isNull());
    EXPECT_TRUE(test::logHas(u"taskWithStr         :-( no temporary folder for the tools of '"_s + line + u'\''));
    EXPECT_FALSE(QFile::exists(s + u"/ran"_s));
}

TEST(IsStringSafe4TaskWithStr, DecidedOnTheTextAlone)
{
    for (const QString &word : {u"|"_s, u"été.mov"_s, u"/tmp/a-b+c,d=e%f@g:h.mov"_s, u"a~b#c"_s, u"clip\U0001F3AC.mov"_s})
        EXPECT_TRUE(isStringSafe4TaskWithStr(word)) << word.toStdString();
    // Unpaired surrogates are encoded as "?", which the shell globs.
    QStringList unsafe{nil, u""_s, u"||"_s, u"~"_s, u"~/x"_s, u"#x"_s, u"a"_s + QChar(0xD800), QChar(0xDC00) + u"b"_s,
                       QString(QChar(0xDC00)) + QChar(0xD800)};
    // What the shell acts on anywhere in a word: its special characters,
    // blanks and control characters.
    for (const QChar special : u"'\"\\$`;&|<>(){}*?[ \t\n\a\u00a0"_s)
        unsafe << u"a"_s + special + u"b"_s;
    for (const QString &word : unsafe)
        EXPECT_FALSE(isStringSafe4TaskWithStr(word)) << word.toStdString();
}
