// The terminal form run as the program itself: exit codes and messages, the
// bar on a terminal, the dry run, the built-in sample and interrupts.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <options.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

TEST(Terminal, MistakesExitWithTheirCodeAndAPlainMessage)
{
    SampleClip tiny;
    tiny.seconds = 12;
    tiny.width = 64;
    tiny.height = 48;
    tiny.audio = false;
    const QString clip = makeClip(u"long.mkv"_s, tiny);
    ASSERT_FALSE(clip.isNull());
    const QString s = reel::test::scratchDir();
    const QString text = reel::test::writeFile(s + u"/notes.txt"_s, "words\n");
    const QString fifo = s + u"/pipe.mkv"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString empty = outFolder(u"empty"_s);
    const QString out = s + u"/out"_s;
    const QString kept = reel::test::writeFile(s + u"/kept/long.mp4"_s, "precious");
    const QString bare = reel::test::makeBundle(u"Bare"_s, {}, false);
    // No platform plugin forced: the program looks for a display itself.
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);

    const struct {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString says; // on the error output
        const char *display = nullptr;
        bool withoutTools = false;
    } cases[] = {
        {"unknown option", {u"--bogus"_s}, kExitUsage,
         u"reelkit-convert: unknown option '--bogus'\nTry 'reelkit-convert --help'.\n"_s},
        // A silent clip's picture gets the sound's share too: 1 MB over
        // 12 s is 699 kb/s, 671 once the DVD's packing is paid.
        {"a size too small", {u"--preset"_s, u"dvd-pal"_s, u"--size"_s, u"1"_s, u"-o"_s, out, clip}, kExitUsage,
         u"1 MB is too small for 0h00'12\" of video: it leaves 671 kb/s for the picture, and dvd-pal needs at least "
         "1000 kb/s (about 2 MB)"_s},
        {"a disc too large", {u"-p"_s, u"dvd-pal"_s, u"--disc"_s, u"-s"_s, u"5000"_s, u"-o"_s, out, clip}, kExitUsage,
         u"a target size of 4393 MB fits\nGive --size 4393 or --dual-layer.\n"_s},
        {"a missing source", {u"missing.mkv"_s}, kExitBadSource, u"reelkit-convert: cannot read missing.mkv\n"_s},
        {"a bad source among good ones", {text, clip}, kExitBadSource, u"cannot be read"_s},
        // A named pipe would keep ffprobe waiting for ever.
        {"a named pipe", {u"-o"_s, out, fifo}, kExitBadSource,
         u"pipe.mkv is a named pipe, not a regular file; only files can be converted"_s},
        {"a folder without videos", {u"-o"_s, out, empty}, kExitBadSource, u"no videos found in "_s + empty},
        {"an existing output", {u"-o"_s, s + u"/kept"_s, clip}, kExitOutputExists,
         kept + u" already exists and is kept (give --overwrite to replace it)"_s},
        {"no tools", {clip}, kExitMissingTool, u"missing tools: ffmpeg, ffprobe"_s, nullptr, true},
        {"the window without a display", {u"--window"_s}, kExitUsage,
         u"reelkit-convert: the window needs a display (DISPLAY or WAYLAND_DISPLAY); without one"_s},
        // A display that nobody serves: Qt itself would abort.
        {"the window on a display nobody serves", {u"--window"_s}, kExitUsage,
         u"reelkit-convert: the window needs a display, and no display answers at DISPLAY=':4711'; without one, give "
         "the files to convert in the terminal\n"_s, ":4711"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const reel::test::ScopedEnv display("DISPLAY", c.display);
        std::optional<reel::test::ScopedBundle> withoutTools;
        if (c.withoutTools)
            withoutTools.emplace(bare);
        QElapsedTimer clock;
        clock.start();
        const ProgramRun result = convertWith(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.says)) << result.err.toStdString();
        EXPECT_LT(clock.elapsed(), 60000); // a hang would reach the runner's two minutes
    });
    // Nothing was converted by any of them.
    EXPECT_FALSE(reel::testPresenceC(out) && !namesIn(out).isEmpty());
    EXPECT_EQ(reel::test::readFile(kept), QByteArray("precious"));

    const ProgramRun help = convertWith({u"-h"_s});
    EXPECT_EQ(help.exitCode, kExitOk);
    EXPECT_TRUE(help.out.startsWith(u"Usage: reelkit-convert [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y] [-n]"_s));
    for (const char *word : {"dvd-pal", "dvd-ntsc", "mp4-hevc", "--quality", "--dry-run", "--overwrite", "Exit codes",
                             "MB of 1024 x 1024 bytes"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
}

TEST(Terminal, ALinkPlantedAsTheLogIsNeverWrittenThrough)
{
    // The converter makes a new log in its temporary folder on every run;
    // a link left under the log's name must not make it truncate the
    // link's target. (A named bundle without tools: the run stops early, and
    // this process and the converter agree on the folder.)
    const reel::test::ScopedBundle bare(reel::test::makeBundle(u"Bare"_s, {{u"CFBundleName"_s, u"Bare"_s}}, false));
    const QString precious = reel::test::writeFile(reel::test::scratchDir() + u"/precious"_s, "precious");
    const QString log = reel::getTMPFOLDER() + u"/reelkit-convert.log"_s;
    ASSERT_TRUE(QFile::link(precious, log));
    const ProgramRun result = convertWith({u"clip.mkv"_s});
    EXPECT_EQ(result.exitCode, kExitMissingTool) << result.err.toStdString();
    EXPECT_EQ(reel::test::readFile(precious), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_TRUE(QFileInfo(log).isFile());
}

// A bare start where DISPLAY names no server, on a terminal of 80 columns:
// the terminal form takes over and converts the sample, its bar fitting one
// line and drawn again over itself.
TEST(Terminal, WithoutADisplayThatAnswersTheSampleIsConvertedInTheTerminal)
{
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv display("DISPLAY", ":4711");
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    int master = -1;
    int slave = -1;
    struct winsize size = {};
    size.ws_col = 80;
    size.ws_row = 24;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, &size), 0);

    // No argument at all, as from a desktop menu: the output goes to the
    // working folder.
    QProcess program;
    program.setProgram(QStringLiteral(REELKIT_CONVERT_EXE));
    program.setWorkingDirectory(reel::test::scratchDir());
    program.setStandardInputFile(QProcess::nullDevice());
    program.setChildProcessModifier([slave] { ::dup2(slave, STDOUT_FILENO); });
    program.start();
    ASSERT_TRUE(program.waitForStarted());
    ::close(slave);
    QByteArray screen;
    for (;;) {
        struct pollfd ready = {master, POLLIN, 0};
        if (::poll(&ready, 1, 100) > 0) {
            char buffer[4096];
            const ssize_t got = ::read(master, buffer, sizeof buffer);
            if (got <= 0)
                break; // every writer has gone
            screen.append(buffer, got);
        } else if (program.state() == QProcess::NotRunning) {
            break;
        }
        program.waitForFinished(0);
    }
    ::close(master);
    ASSERT_TRUE(program.waitForFinished(300000));
    const QString err = QString::fromUtf8(program.readAllStandardError());
    ASSERT_EQ(program.exitCode(), kExitOk) << err.toStdString();

    const QString text = QString::fromUtf8(screen);
    EXPECT_TRUE(text.startsWith(u"No file given: converting a 5-second sample"_s)) << text.toStdString();
    int bars = 0;
    for (const QString &piece : text.split(QRegularExpression(u"[\r\n]"_s))) {
        if (!piece.startsWith(u"  ["_s))
            continue;
        ++bars;
        EXPECT_LE(piece.size(), 79) << piece.toStdString();
        EXPECT_TRUE(piece.contains(u'%')) << piece.toStdString();
    }
    EXPECT_GE(bars, 2) << text.toStdString();
    // Each bar but the first is drawn over the one before: no line break
    // between them.
    const qsizetype first = text.indexOf(u"\r  ["_s);
    ASSERT_GE(first, 0);
    EXPECT_FALSE(text.mid(first, text.lastIndexOf(u"\r  ["_s) - first).contains(u'\n')) << text.toStdString();
    EXPECT_TRUE(text.contains(u"1 of 1 converted"_s)) << text.toStdString();
    EXPECT_TRUE(reel::testPresenceC(reel::test::scratchDir() + u"/reelkit sample.mp4"_s));
    // One line says why; the toolkit's diagnostic lines went to the log file.
    EXPECT_EQ(err, u"reelkit-convert: the window needs a display, and no display answers at DISPLAY=':4711'; "
                   "converting in the terminal instead\n"_s);
}

TEST(Terminal, ADryRunShowsThePlanTracksAndCommandsAndChangesNothing)
{
    const QString out = reel::test::scratchDir() + u"/not yet"_s;
    const ProgramRun result = convertWith({u"-n"_s, u"-s"_s, u"1"_s, u"-o"_s, out, sharedClip(Clip::Tracks)});
    ASSERT_EQ(result.exitCode, kExitOk) << result.err.toStdString();
    for (const QString &said :
         {u"tracks: kept video #0 (h264, 320x240), audio #2 (aac, eng, default), subtitles #3 (subrip, eng) as MP4 "
          "text subtitles; dropped audio #1 (aac, fre): one sound track is kept"_s,
          u"ffmpeg pass 1 of 2: "_s, u"ffmpeg pass 2 of 2: "_s, u"'%1/tracks.mp4'"_s.arg(out),
          u"Dry run: nothing was converted"_s})
        EXPECT_TRUE(result.out.contains(said)) << said.toStdString() << "\n" << result.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

// Ctrl-C while ffprobe hangs (a stalled share): the program ends, and the
// probe with it.
TEST(Terminal, AnInterruptEndsAProbeThatHangs)
{
    const QString pidFile = reel::test::scratchDir() + u"/ffprobe.pid"_s;
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle slow(hangingProbeBundle(pidFile));
    QProcess program;
    program.setProgram(QStringLiteral(REELKIT_CONVERT_EXE));
    program.setArguments({u"-o"_s, reel::test::scratchDir(), clip});
    program.setStandardInputFile(QProcess::nullDevice());
    program.start();
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return reel::test::readFile(pidFile).size() > 1; }, 60000));
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(30000)); // the stand-in would hold it for 60 s
    EXPECT_EQ(program.exitCode(), kExitInterrupted) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(processGone(pidFile));
}
