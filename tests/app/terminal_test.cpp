// The terminal form run as the program itself: exit codes, messages,
// progress lines and the built-in sample, without any display.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"

#include <options.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace convert;
using convert::test::makeClip;
using convert::test::runProgram;
using convert::test::RunResult;

namespace {

RunResult convertWith(const QStringList &arguments)
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
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");

    const struct {
        QStringList arguments;
        int exitCode;
        QString message;
    } cases[] = {
        {{QStringLiteral("--bogus")}, kExitUsage,
         QStringLiteral("reelkit-convert: unknown option '--bogus'\nTry 'reelkit-convert --help'.\n")},
        {{QStringLiteral("--size")}, kExitUsage, QStringLiteral("--size needs a value")},
        {{QStringLiteral("--size"), QStringLiteral("5"), QStringLiteral("--bitrate"), QStringLiteral("900"), clip},
         kExitUsage, QStringLiteral("either --size or --bitrate")},
        {{QStringLiteral("--preset"), QStringLiteral("vhs"), clip}, kExitUsage, QStringLiteral("unknown preset 'vhs'")},
        {{QStringLiteral("--preset"), QStringLiteral("dvd-pal"), QStringLiteral("--size"), QStringLiteral("1"),
          QStringLiteral("-o"), out, clip},
         kExitUsage, QStringLiteral("1 MB is too small for 0h00'12\" of video: it leaves 486 kb/s for the picture, "
                                    "and dvd-pal needs at least 1000 kb/s (about 2 MB)")},
        {{QStringLiteral("--preset"), QStringLiteral("dvd-ntsc"), QStringLiteral("--bitrate"), QStringLiteral("500"),
          QStringLiteral("-o"), out, clip},
         kExitUsage, QStringLiteral("500 kb/s is outside what dvd-ntsc takes")},
        {{QStringLiteral("missing.mkv")}, kExitBadSource, QStringLiteral("reelkit-convert: cannot read missing.mkv\n")},
        {{text, clip}, kExitBadSource, QStringLiteral("cannot be read")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const RunResult result = convertWith(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
    // Nothing was converted by any of them.
    EXPECT_TRUE(!reel::testPresenceC(out) || convert::test::namesIn(out).isEmpty());
}

TEST(Terminal, MissingToolsAreNamed)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), tinyClip(2));
    const reel::test::ScopedBundle bare(reel::test::makeBundle(QStringLiteral("Bare"), {}, false));
    const RunResult result = convertWith({clip});
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
    const RunResult result = convertWith({QStringLiteral("clip.mkv")});
    EXPECT_EQ(result.exitCode, kExitMissingTool) << result.err.toStdString();
    EXPECT_EQ(reel::test::readFile(precious), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_TRUE(QFileInfo(log).isFile());
}

TEST(Terminal, TheWindowWithoutADisplayIsRefusedPlainly)
{
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv noDisplay("DISPLAY", nullptr);
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    const RunResult result = convertWith({QStringLiteral("--window")});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("reelkit-convert: the window needs a display")))
        << result.err.toStdString();
}

TEST(Terminal, HelpListsTheOptionsAndPresets)
{
    const RunResult result = convertWith({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, kExitOk);
    EXPECT_TRUE(result.out.startsWith(
        QStringLiteral("Usage: reelkit-convert [--preset P] [--size MB | --bitrate KBPS] [-o DIR]")));
    for (const char *word : {"dvd-pal", "dvd-ntsc", "mp4", "--overwrite", "Exit codes"})
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

TEST(Terminal, WithoutFilesTheSampleIsConvertedWithoutAnyDisplay)
{
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv noDisplay("DISPLAY", nullptr);
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);
    const QString out = reel::test::scratchDir() + QStringLiteral("/converted");
    const RunResult result = convertWith({QStringLiteral("-o"), out});
    ASSERT_EQ(result.exitCode, kExitOk) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("No file given: converting a 5-second sample")));
    // Not a terminal: plain lines, no bar redrawn with carriage returns.
    EXPECT_TRUE(result.out.contains(QStringLiteral("progress: reelkit sample 100% (overall 100%")));
    EXPECT_FALSE(result.out.contains(QLatin1Char('\r')));
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 of 1 converted")));
    EXPECT_TRUE(reel::testPresenceC(out + QStringLiteral("/reelkit sample.mp4")));
    // The toolkit's diagnostic lines went to the log file, not to the user.
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

TEST(Terminal, AnExistingOutputIsKeptUnlessOverwriteIsGiven)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), tinyClip(2));
    const QString out = reel::test::scratchDir() + QStringLiteral("/out");
    const QString output = out + QStringLiteral("/clip.mp4");
    reel::test::writeFile(output, "precious");

    const RunResult kept = convertWith({QStringLiteral("-o"), out, clip});
    EXPECT_EQ(kept.exitCode, kExitOutputExists);
    const QString said = output + QStringLiteral(" already exists and is kept (give --overwrite to replace it)");
    EXPECT_TRUE(kept.err.contains(said))
        << kept.err.toStdString();
    EXPECT_EQ(reel::test::readFile(output), QByteArray("precious"));

    const RunResult replaced = convertWith({QStringLiteral("--overwrite"), QStringLiteral("-o"), out, clip});
    EXPECT_EQ(replaced.exitCode, kExitOk) << replaced.err.toStdString();
    EXPECT_EQ(reel::test::readFile(output).mid(4, 4), QByteArray("ftyp"));
    EXPECT_EQ(convert::test::namesIn(out), QStringList{QStringLiteral("clip.mp4")});
}

TEST(Terminal, AnInterruptCancelsAndRemovesThePartialOutput)
{
    SampleClip clip;
    clip.seconds = 30;
    clip.width = 320;
    clip.height = 240;
    const QString source = makeClip(QStringLiteral("long.mkv"), clip);
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
        120000));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(120000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), kExitInterrupted) << program.readAllStandardError().toStdString();
    const QString said = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(said.contains(QStringLiteral("partial output was removed"))) << said.toStdString();
    EXPECT_EQ(convert::test::namesIn(out), QStringList());
}
