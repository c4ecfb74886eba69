// The terminal form run as the program itself: exit codes, messages,
// progress lines and the bar on a terminal, the dry run and the built-in
// sample, without any display.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"

#include <options.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace convert;
using convert::test::Clip;
using convert::test::makeClip;
using convert::test::runProgram;
using convert::test::ProgramRun;
using convert::test::sharedClip;

namespace {

ProgramRun convertWith(const QStringList &arguments)
{
    return runProgram(QStringLiteral(REELKIT_CONVERT_EXE), arguments, reel::test::scratchDir());
}

SampleClip tinyClip(double seconds)
{
    SampleClip settings;
    settings.seconds = seconds;
    settings.width = 64;
    settings.height = 48;
    settings.audio = false;
    return settings;
}

} // namespace

TEST(Terminal, MistakesExitWithTheirCodeAndAPlainMessage)
{
    const QString clip = makeClip(QStringLiteral("long.mkv"), tinyClip(12));
    ASSERT_FALSE(clip.isNull());
    const QString text = reel::test::writeFile(reel::test::scratchDir() + QStringLiteral("/notes.txt"), "words\n");
    const QString fifo = reel::test::scratchDir() + QStringLiteral("/pipe.mkv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString empty = reel::test::scratchDir() + QStringLiteral("/empty");
    QDir().mkpath(empty);
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");

    const struct {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{QStringLiteral("--bogus")}, kExitUsage,
         QStringLiteral("reelkit-convert: unknown option '--bogus'\nTry 'reelkit-convert --help'.\n")},
        // A silent clip's picture gets the sound's share too: 1 MB over
        // 12 s is 699 kb/s, 671 once the DVD's packing is paid.
        {{QStringLiteral("--preset"), QStringLiteral("dvd-pal"), QStringLiteral("--size"), QStringLiteral("1"),
          QStringLiteral("-o"), out, clip},
         kExitUsage, QStringLiteral("1 MB is too small for 0h00'12\" of video: it leaves 671 kb/s for the picture, "
                                    "and dvd-pal needs at least 1000 kb/s (about 2 MB)")},
        {{QStringLiteral("--preset"), QStringLiteral("dvd-ntsc"), QStringLiteral("--bitrate"), QStringLiteral("500"),
          QStringLiteral("-o"), out, clip},
         kExitUsage, QStringLiteral("500 kb/s is outside what dvd-ntsc takes")},
        {{QStringLiteral("-p"), QStringLiteral("dvd-ntsc"), QStringLiteral("-q"), QStringLiteral("20"),
          QStringLiteral("-o"), out, clip},
         kExitUsage, QStringLiteral("dvd-ntsc has no quality mode")},
        {{QStringLiteral("missing.mkv")}, kExitBadSource, QStringLiteral("reelkit-convert: cannot read missing.mkv\n")},
        {{text, clip}, kExitBadSource, QStringLiteral("cannot be read")},
        // A named pipe would keep ffprobe waiting for ever.
        {{QStringLiteral("-o"), out, fifo}, kExitBadSource,
         QStringLiteral("pipe.mkv is a named pipe, not a regular file; only files can be converted")},
        {{QStringLiteral("-o"), out, empty}, kExitBadSource, QStringLiteral("no videos found in ") + empty},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        QElapsedTimer clock;
        clock.start();
        const ProgramRun result = convertWith(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
        EXPECT_LT(clock.elapsed(), 60000); // a hang would reach the runner's two minutes
    }
    // Nothing was converted by any of them.
    EXPECT_TRUE(!reel::testPresenceC(out) || convert::test::namesIn(out).isEmpty());
}

TEST(Terminal, MissingToolsAreNamed)
{
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle bare(reel::test::makeBundle(QStringLiteral("Bare"), {}, false));
    const ProgramRun result = convertWith({clip});
    EXPECT_EQ(result.exitCode, kExitMissingTool);
    EXPECT_TRUE(result.err.contains(QStringLiteral("missing tools: ffmpeg, ffprobe"))) << result.err.toStdString();
}

TEST(Terminal, ALinkPlantedAsTheLogIsNeverWrittenThrough)
{
    // The converter makes a new log in its temporary folder on every run;
    // a link left under the log's name must not make it truncate the
    // link's target. (A named bundle without tools: the run stops early, and
    // this process and the converter agree on the folder.)
    const reel::test::ScopedBundle bare(reel::test::makeBundle(
        QStringLiteral("Bare"), {{QStringLiteral("CFBundleName"), QStringLiteral("Bare")}}, false));
    const QString precious = reel::test::writeFile(reel::test::scratchDir() + QStringLiteral("/precious"), "precious");
    const QString log = reel::getTMPFOLDER() + QStringLiteral("/reelkit-convert.log");
    ASSERT_TRUE(QFile::link(precious, log));
    const ProgramRun result = convertWith({QStringLiteral("clip.mkv")});
    EXPECT_EQ(result.exitCode, kExitMissingTool) << result.err.toStdString();
    EXPECT_EQ(reel::test::readFile(precious), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_TRUE(QFileInfo(log).isFile());
}

TEST(Terminal, TheWindowWithoutADisplayIsRefusedPlainly)
{
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    const struct {
        const char *display;
        const char *message;
    } cases[] = {
        {nullptr, "reelkit-convert: the window needs a display (DISPLAY or WAYLAND_DISPLAY); without one"},
        // A display that nobody serves: Qt itself would abort.
        {":4711", "reelkit-convert: the window needs a display, and no display answers at DISPLAY=':4711'; "
                  "without one, give the files to convert in the terminal\n"},
    };
    for (const auto &c : cases) {
        const reel::test::ScopedEnv display("DISPLAY", c.display);
        const ProgramRun result = convertWith({QStringLiteral("--window")});
        EXPECT_EQ(result.exitCode, kExitUsage) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.message))) << result.err.toStdString();
    }
}

TEST(Terminal, HelpListsTheOptionsPresetsAndTheSizeUnit)
{
    const ProgramRun result = convertWith({QStringLiteral("-h")});
    EXPECT_EQ(result.exitCode, kExitOk);
    EXPECT_TRUE(result.out.startsWith(
        QStringLiteral("Usage: reelkit-convert [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y] [-n]")));
    for (const char *word : {"dvd-pal", "dvd-ntsc", "mp4-hevc", "--quality", "--dry-run", "--overwrite", "Exit codes",
                             "MB of 1024 x 1024 bytes"})
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

// A bare start where DISPLAY names no server: the terminal form takes over
// and converts the sample.
TEST(Terminal, WithoutADisplayThatAnswersTheSampleIsConvertedInTheTerminal)
{
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv display("DISPLAY", ":4711");
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    // No argument at all, as from a desktop menu: the output goes to the
    // working folder.
    const ProgramRun result = convertWith({});
    ASSERT_EQ(result.exitCode, kExitOk) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("No file given: converting a 5-second sample")));
    // Not a terminal: plain lines, no bar redrawn with carriage returns.
    EXPECT_TRUE(result.out.contains(QStringLiteral("progress: reelkit sample 100% (overall 100%")));
    EXPECT_FALSE(result.out.contains(QLatin1Char('\r')));
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 of 1 converted")));
    EXPECT_TRUE(reel::testPresenceC(reel::test::scratchDir() + QStringLiteral("/reelkit sample.mp4")));
    // One line says why; the toolkit's diagnostic lines went to the log file.
    EXPECT_EQ(result.err, QStringLiteral("reelkit-convert: the window needs a display, and no display answers at "
                                         "DISPLAY=':4711'; converting in the terminal instead\n"));
}

TEST(Terminal, ADryRunShowsThePlanTracksAndCommandsAndChangesNothing)
{
    const QString clip = sharedClip(Clip::Tracks);
    const QString out = reel::test::scratchDir() + QStringLiteral("/not yet");
    const ProgramRun result = convertWith({QStringLiteral("-n"), QStringLiteral("-s"), QStringLiteral("1"),
                                          QStringLiteral("-o"), out, clip});
    ASSERT_EQ(result.exitCode, kExitOk) << result.err.toStdString();
    for (const QString &said :
         {QStringLiteral("tracks: kept video #0 (h264, 320x240), audio #2 (aac, eng, default), subtitles #3 (subrip, "
                         "eng) as MP4 text subtitles; dropped audio #1 (aac, fre): one sound track is kept"),
          QStringLiteral("ffmpeg pass 1 of 2: "), QStringLiteral("ffmpeg pass 2 of 2: "),
          QStringLiteral("'%1/tracks.mp4'").arg(out), QStringLiteral("Dry run: nothing was converted")})
        EXPECT_TRUE(result.out.contains(said)) << said.toStdString() << "\n" << result.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(Terminal, AnExistingOutputIsKeptUnlessOverwriteIsGiven)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), tinyClip(2));
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");
    const QString output = out + QStringLiteral("/clip.mp4");
    reel::test::writeFile(output, "precious");

    const ProgramRun kept = convertWith({QStringLiteral("-o"), out, clip});
    EXPECT_EQ(kept.exitCode, kExitOutputExists);
    const QString said = output + QStringLiteral(" already exists and is kept (give --overwrite to replace it)");
    EXPECT_TRUE(kept.err.contains(said)) << kept.err.toStdString();
    EXPECT_EQ(reel::test::readFile(output), QByteArray("precious"));

    const ProgramRun replaced = convertWith({QStringLiteral("-y"), QStringLiteral("-o"), out, clip});
    EXPECT_EQ(replaced.exitCode, kExitOk) << replaced.err.toStdString();
    EXPECT_EQ(reel::test::readFile(output).mid(4, 4), QByteArray("ftyp"));
    EXPECT_EQ(convert::test::namesIn(out), QStringList{QStringLiteral("clip.mp4")});
}

// Under a pseudo-terminal of 80 columns the bar fits one line and is drawn
// again over itself.
TEST(Terminal, TheBarFitsAnEightyColumnTerminal)
{
    int master = -1;
    int slave = -1;
    struct winsize size = {};
    size.ws_col = 80;
    size.ws_row = 24;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, &size), 0);
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");

    QProcess program;
    program.setProgram(QStringLiteral(REELKIT_CONVERT_EXE));
    program.setArguments({QStringLiteral("-s"), QStringLiteral("1"), QStringLiteral("-o"), out,
                          sharedClip(Clip::Ntsc2997)});
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
    EXPECT_EQ(program.exitCode(), kExitOk) << program.readAllStandardError().toStdString();

    const QString text = QString::fromUtf8(screen);
    int bars = 0;
    for (const QString &piece : text.split(QRegularExpression(QStringLiteral("[\r\n]")))) {
        if (!piece.startsWith(QStringLiteral("  [")))
            continue;
        ++bars;
        EXPECT_LE(piece.size(), 79) << piece.toStdString();
        EXPECT_TRUE(piece.contains(QLatin1Char('%'))) << piece.toStdString();
    }
    EXPECT_GE(bars, 2) << text.toStdString();
    // Each bar but the first is drawn over the one before: no line break
    // between them.
    const qsizetype first = text.indexOf(QStringLiteral("\r  ["));
    const qsizetype last = text.lastIndexOf(QStringLiteral("\r  ["));
    ASSERT_GE(first, 0);
    EXPECT_FALSE(text.mid(first, last - first).contains(QLatin1Char('\n'))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1 of 1 converted"))) << text.toStdString();
}

// Ctrl-C while ffprobe hangs (a stalled share): the program ends, and the
// probe with it.
TEST(Terminal, AnInterruptEndsAProbeThatHangs)
{
    const QString bundle = reel::test::makeBundle(QStringLiteral("Slow"), {}, true);
    const QString tools = bundle + QStringLiteral("/Contents/Resources/tools");
    const QString pidFile = reel::test::scratchDir() + QStringLiteral("/ffprobe.pid");
    QFile::remove(tools + QStringLiteral("/ffprobe"));
    const QString fake = reel::test::writeFile(
        tools + QStringLiteral("/ffprobe"), QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec sleep 60\n").arg(pidFile).toUtf8());
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const reel::test::ScopedBundle slow(bundle);

    QProcess program;
    program.setProgram(QStringLiteral(REELKIT_CONVERT_EXE));
    program.setArguments({QStringLiteral("-o"), reel::test::scratchDir(), sharedClip(Clip::Silent)});
    program.setStandardInputFile(QProcess::nullDevice());
    program.start();
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile) && reel::test::readFile(pidFile).size() > 1; },
                                60000));
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(30000)); // the fake tool would hold it for 60 s
    EXPECT_EQ(program.exitCode(), kExitInterrupted) << program.readAllStandardError().toStdString();
    const pid_t probe = reel::test::readFile(pidFile).trimmed().toInt();
    ASSERT_GT(probe, 0);
    EXPECT_TRUE(QTest::qWaitFor([probe] { return ::kill(probe, 0) == -1 && errno == ESRCH; }, 10000));
}

TEST(Terminal, AnInterruptCancelsAndRemovesThePartialOutput)
{
    const QString source = sharedClip(Clip::Long);
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");

    QProcess program;
    program.setProgram(QStringLiteral(REELKIT_CONVERT_EXE));
    program.setArguments({QStringLiteral("--preset"), QStringLiteral("dvd-pal"), QStringLiteral("-o"), out, source});
    program.setStandardInputFile(QProcess::nullDevice());
    program.start();
    ASSERT_TRUE(program.waitForStarted());
    // Interrupted once the partial output has begun.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList names = convert::test::namesIn(out);
            const QString partial = names.isEmpty() ? QString() : out + QLatin1Char('/') + names.first();
            return program.state() != QProcess::Running || reel::poidsFile(partial, QStringLiteral("O")) > 0;
        },
        300000));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(300000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), kExitInterrupted) << program.readAllStandardError().toStdString();
    const QString said = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(said.contains(QStringLiteral("partial output was removed"))) << said.toStdString();
    EXPECT_EQ(convert::test::namesIn(out), QStringList());
}
