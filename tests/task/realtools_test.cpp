// The progress readers, against worked examples, the shell pipeline they
// replace and what the installed media tools really print; the runners inside
// a running GUI event loop, beside Qt's own processes.
#include "bundles.h"
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"
#include "tables.h"
#include "toolscript.h"

#include <reel/core/bundle.h>
#include <reel/core/format.h>
#include <reel/core/scan.h>
#include <reel/task/pipeline.h>
#include <reel/task/progress.h>
#include <reel/task/shellrun.h>
#include <reel/task/versions.h>

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include <tuple>
#include <utility>


using namespace reel;
using namespace Qt::StringLiterals;

namespace {

// The player's progress as the original shell line with bc computes it.
float mplayerThroughTheShell(const QString &text, int total)
{
    return floatValue(taskWithStr(
        format("/bin/echo \"scale=6; `/bin/echo \"%@\"  | grep A: | strings | tail -1 | awk -F A:  "
               "'{print $2}' | awk -F '(' '{print $1}' | awk  '{print $1}'` /%d * 100\" | bc -l",
               text, total),
        QString()));
}


// A tool's path and its arguments, which hold no spaces.
QStringList run(const char *name, const char *arguments)
{
    const QString tool = Bundle::main().resourcePath() + QStringLiteral("/tools/") + QString::fromUtf8(name);
    return QStringList{tool} + QString::fromUtf8(arguments).split(QLatin1Char(' '));
}

// The last line of output holding marker, lines cut at CR and LF.
QString lastLineWith(const QString &output, const QString &marker)
{
    const QStringList lines = output.split(QRegularExpression(QStringLiteral("[\r\n]"))).filter(marker);
    return lines.isEmpty() ? QString() : lines.last();
}

} // namespace

TEST(Progress, Readers)
{
    const std::tuple<float (*)(const QString &), const char *, float> cases[] = {
        {progressFfmpeg, "frame=  250 fps= 25 q=2.0 size=    1024kB time=00:01:05.50 bitrate= 128.0kbits/s", 65.5f},
        {progressFfmpeg, "size=    1024kB time=12.50 bitrate= 128.0kbits/s", 0},
        {progressFfmpeg, "time=01:00:00.00 x\rtime=00:00:01.00 x", 3600},
        {progressFfmpeg, "time=00:05.40 bitrate=", 0}, {progressFfmpeg, "time=1:2:3:4", 0},
        {progressFfmpeg, "time=N/A bitrate=N/A", 0}, {progressFfmpeg, "time=00:00:05.40", 5.4f},
        {progressFfmpeg, "time= 00:00:05.40 x", 0}, // the figure ends at the first blank
        {progressMov2wavMux2mov, "pourcentage    : 42.5", 42.5f}, {progressMov2wavMux2mov, "pourcentage   : 42.5", 0},
        {progressMov2wavMux2mov, "pourcentage    : \n -7e1 x", -70}, {progressMovencoder, "Processing (37%)", 37},
        {progressNormalize, "computing levels (batch 12.5% done)", 12.5f}, {progressFfmpeg, nullptr, 0},
        {progressMov2wavMux2mov, nullptr, 0}, {progressNormalize, nullptr, 0}, {progressMovencoder, nullptr, 0}};
    for (const auto &[reader, text, expected] : cases)
        EXPECT_EQ(reader(QString::fromUtf8(text)), expected) << (text ? text : "(null)");
    EXPECT_EQ(progresses(QStringLiteral("time=00:00:01.00"), QString()), 0);

    const std::tuple<const char *, float, int, float> mpeg2enc[] = {
        {"INFO: [mpeg2enc] Enc1 500 500( 9) P", 25, 40, 50}, {nullptr, 25, 40, 0}, {"Enc1 500", 0, 40, 0}, {"Enc1 500", 25, 0, 0}};
    for (const auto &[text, rate, total, expected] : mpeg2enc)
        EXPECT_EQ(progressMpeg2enc(QString::fromUtf8(text), rate, total), expected) << (text ? text : "(null)") << " " << rate << " " << total;
    EXPECT_TRUE(test::logHas(QStringLiteral("progressMpeg2enc    :-( rate 25.000000 total 0")));

}

// What dvdauthor 0.7 prints while it authors two titlesets (its progress
// lines end in a carriage return, cut off with the line): only the VOBU
// lines carry the marker and a figure.
TEST(Progress, DvdauthorLines)
{
    const struct {
        const char *name;
        const char *line;
        bool progress; // holds the marker
        float megabytes;
    } cases[] = {
        {"a titleset's first VOBUs", "STAT: VOBU 7 at 1MB, 1 PGCs", true, 1},
        {"further in", "STAT: VOBU 42 at 16MB, 1 PGCs", true, 16},
        {"nothing written yet", "STAT: VOBU 1 at 0MB, 1 PGCs", true, 0},
        {"the fixing pass", "STAT: fixing VOBU at 5MB (17/42, 38%)", false, 0},
        {"the end of the fixing pass", "STAT: fixed 42 VOBUs                         ", false, 0},
        {"a titleset begun", "STAT: Picking VTS 02", false, 0},
        {"a file read", "STAT: Processing b.mpg...", false, 0},
        {"a remark", "INFO: Video pts = 0.540 .. 3.540", false, 0},
        {"the chapters", "CHAPTERS: VTS[1/1] 0.000", false, 0},
        {"its name and version", "DVDAuthor::dvdauthor, version 0.7.2.", false, 0},
        {"an error", "ERR:  Cannot open DVD/VIDEO_TS/VTS_01_0.IFO", false, 0},
        {"no text", nullptr, false, 0},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(progressDvdauthor(line), c.megabytes);
        EXPECT_EQ(line.contains(progressDvdauthorGrepStr()), c.progress);
    });
}

TEST(Progress, MplayerAgreesWithTheShellPipeline)
{
    const std::pair<const char *, int> cases[] = {
        {"A:  30.0 V:  30.0 A-V:  0.000 ct:  0.040 750/750  4%  1%  0.5% 0 0", 120},
        {"A:   1.0 (01.0) of 120.0 (02:00.0)  0.2%\rA:  12.3 (12.2) of 120.0 (02:00.0)  0.3%\r\n", 120},
        {"Playing clip.avi\nA:  10.5 V:  10.5\nExiting... (End of file)\n", 7},
        {"A:   2.0 V:   2.0 A-V:  0.043\x1b[J\r\n\n\nExiting...", 2}, {"A: 5.0 V: 5.0\nA: 7.25 A: 9.0\n", 3},
        // The last printable piece is too short; non-ASCII cuts the piece too.
        {"A:  30.0\x01\x02V:", 120}, {"A:  30.0 \xe9t\xe9", 120}, {"A:  -4.5 V: x", -9}, {"A:  .5 V: x", 1},
        {"A:  0.0 V: x", 120}, {"A:  1234567.123456789 V: x", 7}, {"A:  30.0 V: x", 0}, {"A:  V:  30.0", 120},
        // Percentages past 64-bit integers.
        {"A:  444444444444444444 V: 1.0", 3}, {"A:  -99999999999999999.9 V:", -1},
    };
    for (const auto &[latin1, total] : cases) {
        const QString text = QString::fromLatin1(latin1);
        EXPECT_EQ(progressMplayer(text, total), mplayerThroughTheShell(text, total)) << latin1 << " / " << total;
    }
    EXPECT_EQ(progressMplayer(QStringLiteral("A:  30.0 V:  30.0 A-V:  0.000"), 120), 25);
}

TEST(Progress, MplayerNeverRunsItsText)
{
    const QString marker = test::scratchDir() + QStringLiteral("/ran");
    for (const char *form : {"A: 1.0 \"; touch %1; \"", "A: `touch %1`", "A: $(touch %1)"})
        EXPECT_EQ(progressMplayer(QString::fromUtf8(form).arg(marker), 10), form[3] == '1' ? 10 : 0) << form;
    EXPECT_FALSE(QFile::exists(marker));
}

TEST(Progress, FiguresTheFuzzerFoundGetTheirAnswers)
{
    // Each finding of the tool-output fuzz target with what the player's
    // reader answers for it, and for a status line holding its first plain
    // decimal (as the target builds one) over 120; both agree with the
    // calculator's arithmetic. The interlace test's log ("i") is the
    // converter's to read, not this suite's.
    const struct {
        const char *name;
        char reader;
        float percent, linePercent;
    } findings[] = {
        {"idet-frame-counts-past-64-bits.txt", 'i', 0, 0},
        {"mplayer-percentage-past-64-bits.txt", 'm', 0, 370370370370370370.0f},
    };
    static const QRegularExpression decimal(QStringLiteral("-?(?:[0-9]{1,18}(?:\\.[0-9]*)?|\\.[0-9]{1,18})(?![0-9])"));
    QStringList listed, found;
    for (const auto &row : findings)
        listed << QString::fromLatin1(row.name);
    for (const test::FuzzFinding &f : test::fuzzFindings("tooloutput")) {
        SCOPED_TRACE(f.name.toStdString());
        found << f.name;
        const auto row = std::find_if(std::begin(findings), std::end(findings),
                                      [&](const auto &r) { return f.name == QLatin1String(r.name); });
        if (row == std::end(findings) || row->reader != 'm')
            continue;
        ASSERT_EQ(f.reader(), 'm');
        const QString text = QString::fromUtf8(f.rest());
        EXPECT_FLOAT_EQ(progressMplayer(text, 120), row->percent);
        EXPECT_EQ(progressMplayer(text, 120), mplayerThroughTheShell(text, 120));
        const QString line = QStringLiteral("A: ") + decimal.match(text).captured(0) + QStringLiteral(" V: 1.0");
        EXPECT_FLOAT_EQ(progressMplayer(line, 120), row->linePercent) << line.toStdString();
        for (int total : {120, 3, -7})
            EXPECT_EQ(progressMplayer(line, total), mplayerThroughTheShell(line, total)) << total;
    }
    EXPECT_EQ(found, listed) << "a new finding needs its answer here";
}

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
    ASSERT_FALSE(statusText.contains(QRegularExpression(QStringLiteral("[\"`$\\\\]")))) << played.toStdString();
    const float percent = progressMplayer(statusText, 2);
    EXPECT_NEAR(percent, 100, 5);
    EXPECT_EQ(percent, mplayerThroughTheShell(statusText, 2));
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
    {
        test::ScopedBundle use(test::makeBundle(QStringLiteral("Authoring"), {}, true));
        for (const bool spumux : {true, false})
            EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(spumux), 0.0702f) << spumux;
    }
    // Stand-ins print other help texts; without them nothing is run.
    const QString bundle = test::makeBundle(QStringLiteral("Scripted"), {}, false);
    test::ScopedBundle use(bundle);
    const std::pair<QByteArray, float> cases[] = {
        {"", 0}, {"echo 'tool, version 0.6.14.' >&2", 0.0614f}, {"echo 'version x'; echo 'other version 0.0'", 0},
        {"echo 'version 0.0.0'; echo 'tool version 0.6.1'; echo 'version 0.7'", 0.0601f}, {"true", 0},
        {"echo 'version 0.7.2, the first word'", 0.0702f}};
    for (const auto &[help, expected] : cases) {
        test::clearLog();
        for (const char *name : {"spumux", "dvdauthor"})
            if (!help.isEmpty())
                test::writeScript(bundle + QStringLiteral("/Contents/Resources/tools/") + QString::fromUtf8(name), help + "\n");
        for (const bool spumux : {true, false})
            EXPECT_FLOAT_EQ(versionSpumuxDvdauthor(spumux), expected) << help.toStdString() << spumux;
        EXPECT_EQ(test::logContains(QStringLiteral("taskArrayPipes")), !help.isEmpty()) << help.toStdString();
    }
}

TEST(EventLoop, RunnersBlockInsideTheLoopBesideQtProcesses)
{
    // Qt's processes still work after ours (its own child handling in place).
    const auto qtEcho = [] {
        QProcess process;
        process.start(u"/bin/echo"_s, {u"qt"_s});
        return process.waitForFinished(-1) ? process.readAllStandardOutput() : QByteArray();
    };
    int ticks = 0;
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    QTimer::singleShot(0, [&] {
        const int before = ticks;
        EXPECT_EQ(taskWithStr(u"sleep 0.2; echo done"_s, QString()), u"done"_s);
        EXPECT_EQ(taskArrayPipes(QStringList{u"/bin/sh"_s, u"-c"_s, u"sleep 0.2; echo a"_s, u"|"_s, u"/usr/bin/tr"_s, u"a"_s, u"b"_s}),
                  u"b\n"_s);
        EXPECT_EQ(ticks, before) << "a runner turned the loop";
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(qtEcho(), QByteArray("qt\n"));
}
