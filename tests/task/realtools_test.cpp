// The readers against what the installed media tools really print.
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/bundle.h>
#include <reel/core/debug.h>
#include <reel/core/format.h>
#include <reel/core/scan.h>
#include <reel/task/pipeline.h>
#include <reel/task/progress.h>
#include <reel/task/shellrun.h>
#include <reel/task/versions.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

using namespace reel;

namespace {

QString tool(const char *name)
{
    return Bundle::main().resourcePath() + QStringLiteral("/tools/") + QString::fromUtf8(name);
}

// The last line of output holding marker, lines cut at CR and LF.
QString lastLineWith(const QString &output, const QString &marker)
{
    const QStringList lines = output.split(QRegularExpression(QStringLiteral("[\r\n]")));
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (it->contains(marker))
            return *it;
    return QString();
}

// A two-second clip with picture and sound, made by ffmpeg; its own status
// output comes back too.
QString makeClip(const QString &path, QString *status)
{
    *status = taskArrayPipes(QStringList{tool("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                                         QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                         QStringLiteral("testsrc=size=64x48:rate=25:duration=2"), QStringLiteral("-f"),
                                         QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=2"),
                                         QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                                         QStringLiteral("mp2"), QStringLiteral("-shortest"), QStringLiteral("-y"), path});
    return path;
}

} // namespace

TEST(RealTools, FfmpegAndMplayerProgress)
{
    QString status;
    const QString clip = makeClip(test::scratchDir() + QStringLiteral("/clip.avi"), &status);
    ASSERT_TRUE(QFile::exists(clip)) << status.toStdString();
    const QString last = lastLineWith(status, progressFfmpegGrepStr());
    ASSERT_FALSE(last.isEmpty()) << status.toStdString();
    EXPECT_NEAR(progressFfmpeg(last), 2.0, 0.1) << last.toStdString();

    const QString played = taskArrayPipes(QStringList{tool("mplayer"), QStringLiteral("-nolirc"), QStringLiteral("-noconsolecontrols"), QStringLiteral("-speed"), QStringLiteral("10"), QStringLiteral("-vo"),
                                                      QStringLiteral("null"), QStringLiteral("-ao"), QStringLiteral("null"), clip});
    // The status lines only: the rest of the player's talk may hold quotes
    // the shell form would act on.
    QStringList statusLines;
    for (const QString &line : played.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("A:")))
            statusLines.append(line);
    const QString statusText = statusLines.join(QLatin1Char('\n'));
    ASSERT_FALSE(statusText.isEmpty()) << played.toStdString();
    ASSERT_FALSE(statusText.contains(QRegularExpression(QStringLiteral("[\"`$\\\\]"))));
    const float percent = progressMplayer(statusText, 2);
    EXPECT_NEAR(percent, 100, 5);
    const QString shell = format("/bin/echo \"scale=6; `/bin/echo \"%@\"  | grep A: | strings | tail -1 | awk -F A:  "
                                 "'{print $2}' | awk -F '(' '{print $1}' | awk  '{print $1}'` /%d * 100\" | bc -l",
                                 statusText, 2);
    EXPECT_EQ(percent, floatValue(taskWithStr(shell, QString())));
}

TEST(RealTools, Mpeg2encProgress)
{
    const QString out = test::scratchDir() + QStringLiteral("/out.m2v");
    const QString output = taskArrayPipes(QStringList{
        tool("ffmpeg"), QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc=size=352x288:rate=25:duration=1"),
        QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-f"), QStringLiteral("yuv4mpegpipe"),
        QStringLiteral("-"), QStringLiteral("|"), tool("mpeg2enc"), QStringLiteral("-v"), QStringLiteral("2"),
        QStringLiteral("-f"), QStringLiteral("8"), QStringLiteral("-o"), out});
    ASSERT_TRUE(QFile::exists(out)) << output.toStdString();
    const QString last = lastLineWith(output, QStringLiteral("Enc1"));
    ASSERT_FALSE(last.isEmpty()) << output.toStdString();
    // 25 frames numbered from 0: the last is 24 of 25 a second, over one second.
    EXPECT_NEAR(progressMpeg2enc(last, 25, 1), 96, 1e-3) << last.toStdString();
}

TEST(RealTools, VersionsOfTheAuthoringTools)
{
    setDEBUG(1);
    const QString bundle = test::makeBundle(QStringLiteral("Authoring"), {{QStringLiteral("CFBundleName"), QStringLiteral("Authoring")}}, true);
    {
        test::ScopedBundle use(bundle);
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(true), 0.0702f);
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(false), 0.0702f);
        EXPECT_TRUE(test::logContains(QStringLiteral("versionSpumux       : DVDAuthor::spumux, version 0.7.2.")));
        EXPECT_TRUE(test::logHas(QStringLiteral("versionSpumuxDvdauth: 0.070200")));
    }

    const QString bare = test::makeBundle(QStringLiteral("Bare"), {{QStringLiteral("CFBundleName"), QStringLiteral("Bare")}}, false);
    test::ScopedBundle use(bare);
    test::clearLog();
    EXPECT_EQ(versionSpumuxDvdauthor(true), 0);
    EXPECT_EQ(versionSpumuxDvdauthor(false), 0);
    EXPECT_FALSE(test::logContains(QStringLiteral("taskArrayPipes"))) << "nothing is run";
}

TEST(RealTools, VersionLinesOfScriptedTools)
{
    const QString bundle = test::makeBundle(QStringLiteral("Scripted"), {{QStringLiteral("CFBundleName"), QStringLiteral("Scripted")}}, false);
    const QString tools = bundle + QStringLiteral("/Contents/Resources/tools/");
    test::ScopedBundle use(bundle);
    struct Case {
        QByteArray help;
        float expected;
    };
    const std::vector<Case> cases{
        {"echo 'tool, version 0.7.1.'", 0.0701f},
        {"echo 'tool, version 0.6.14.' >&2", 0.0614f},
        {"echo 'version 0.0.0'; echo 'tool version 0.6.1'; echo 'version 0.7'", 0.0601f},
        {"echo 'version x'; echo 'other version 0.0'", 0},
        {"echo 'no figure here'", 0},
        {"true", 0},
    };
    for (const Case &c : cases) {
        for (const char *name : {"spumux", "dvdauthor"})
            test::writeFile(tools + QString::fromUtf8(name), "#!/bin/sh\n" + c.help + "\n");
        for (const char *name : {"spumux", "dvdauthor"})
            QFile::setPermissions(tools + QString::fromUtf8(name), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(true), c.expected) << c.help.toStdString();
        EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(false), c.expected) << c.help.toStdString();
    }
}
