// The readers against what the installed media tools really print.
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"
#include "streams.h"

#include <reel/core/bundle.h>
#include <reel/core/debug.h>
#include <reel/task/pipeline.h>
#include <reel/task/progress.h>
#include <reel/task/versions.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <utility>

using namespace reel;

namespace {

QString tool(const char *name)
{
    return Bundle::main().resourcePath() + QStringLiteral("/tools/") + QString::fromUtf8(name);
}

// A tool's path and its arguments, which hold no spaces.
QStringList run(const char *name, const char *arguments)
{
    return QStringList{tool(name)} + QString::fromUtf8(arguments).split(QLatin1Char(' '));
}

// The last line of output holding marker, lines cut at CR and LF.
QString lastLineWith(const QString &output, const QString &marker)
{
    const QStringList lines = output.split(QRegularExpression(QStringLiteral("[\r\n]"))).filter(marker);
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

TEST(RealTools, FfmpegAndMplayerProgress)
{
    // A two-second clip with picture and sound; ffmpeg's status lines come back too.
    const QString clip = test::scratchDir() + QStringLiteral("/clip.avi");
    const QString status = taskArrayPipes(run("ffmpeg", "-nostdin -hide_banner -f lavfi -i testsrc=size=64x48:rate=25:duration=2 "
                                              "-f lavfi -i sine=duration=2 -c:v mpeg4 -c:a mp2 -shortest -y") << clip);
    ASSERT_TRUE(QFile::exists(clip)) << status.toStdString();
    const QString last = lastLineWith(status, progressFfmpegGrepStr());
    ASSERT_FALSE(last.isEmpty()) << status.toStdString();
    EXPECT_NEAR(progressFfmpeg(last), 2.0, 0.1) << last.toStdString();

    const QString played = taskArrayPipes(run("mplayer", "-nolirc -noconsolecontrols -speed 10 -vo null -ao null") << clip);
    // The status lines only: the rest of the player's talk may hold quotes
    // the shell form would act on.
    const QString statusText = played.split(QLatin1Char('\n')).filter(QStringLiteral("A:")).join(QLatin1Char('\n'));
    ASSERT_FALSE(statusText.isEmpty()) << played.toStdString();
    ASSERT_FALSE(statusText.contains(QRegularExpression(QStringLiteral("[\"`$\\\\]"))));
    const float percent = progressMplayer(statusText, 2);
    EXPECT_NEAR(percent, 100, 5);
    EXPECT_EQ(percent, test::mplayerThroughTheShell(statusText, 2));
}

TEST(RealTools, Mpeg2encProgress)
{
    const QString out = test::scratchDir() + QStringLiteral("/out.m2v");
    const QString output = taskArrayPipes(
        run("ffmpeg", "-nostdin -loglevel error -f lavfi -i testsrc=size=352x288:rate=25:duration=1 -pix_fmt yuv420p "
                      "-f yuv4mpegpipe - |")
        + run("mpeg2enc", "-v 2 -f 8 -o") << out);
    ASSERT_TRUE(QFile::exists(out)) << output.toStdString();
    const QString last = lastLineWith(output, QStringLiteral("Enc1"));
    ASSERT_FALSE(last.isEmpty()) << output.toStdString();
    // 25 frames numbered from 0: the last is 24 of 25 a second, over one second.
    EXPECT_NEAR(progressMpeg2enc(last, 25, 1), 96, 1e-3) << last.toStdString();
}

TEST(RealTools, VersionsOfTheAuthoringTools)
{
    setDEBUG(1);
    {
        test::ScopedBundle use(test::makeBundle(QStringLiteral("Authoring"), {}, true));
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(true), 0.0702f);
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(false), 0.0702f);
        EXPECT_TRUE(test::logContains(QStringLiteral("versionSpumux       : DVDAuthor::spumux, version 0.7.2.")));
        EXPECT_TRUE(test::logHas(QStringLiteral("versionSpumuxDvdauth: 0.070200")));
    }
    // Stand-ins print other help texts; without them nothing is run.
    const QString bundle = test::makeBundle(QStringLiteral("Scripted"), {}, false);
    test::ScopedBundle use(bundle);
    const std::pair<QByteArray, float> cases[] = {
        {"", 0}, {"echo 'tool, version 0.7.1.'", 0.0701f}, {"echo 'tool, version 0.6.14.' >&2", 0.0614f},
        {"echo 'version 0.6.1'", 0.0601f}, {"echo 'version 0.0.0'; echo 'tool version 0.6.1'; echo 'version 0.7'", 0.0601f},
        {"echo 'version x'; echo 'other version 0.0'", 0}, {"echo 'no figure here'", 0}, {"true", 0},
    };
    for (const auto &[help, expected] : cases) {
        test::clearLog();
        for (const char *name : {"spumux", "dvdauthor"})
            if (!help.isEmpty())
                test::writeScript(bundle + QStringLiteral("/Contents/Resources/tools/") + QString::fromUtf8(name), help + "\n");
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(true), expected) << help.toStdString();
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(false), expected) << help.toStdString();
        EXPECT_EQ(test::logContains(QStringLiteral("taskArrayPipes")), !help.isEmpty()) << help.toStdString();
    }
}
