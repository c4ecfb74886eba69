#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"
#include "streams.h"

#include <reel/core/debug.h>
#include <reel/task/progress.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <tuple>
#include <utility>

using namespace reel;

TEST(Progress, Readers)
{
    const std::tuple<float (*)(const QString &), const char *, float> cases[] = {
        {progressFfmpeg, "frame=  250 fps= 25 q=2.0 size=    1024kB time=00:01:05.50 bitrate= 128.0kbits/s", 65.5f},
        {progressFfmpeg, "size=    1024kB time=12.50 bitrate= 128.0kbits/s", 0},
        {progressFfmpeg, "time=01:00:00.00 x\rtime=00:00:01.00 x", 3600},
        {progressFfmpeg, "time=00:05.40 bitrate=", 0},        {progressFfmpeg, "time=1:2:3:4", 0},
        {progressFfmpeg, "time=N/A bitrate=N/A", 0},          {progressFfmpeg, "time=00:00:05.40", 5.4f},
        {progressFfmpeg, "time= 00:00:05.40 x", 0}, // the figure ends at the first blank
        {progressFfmpeg, "frame= 1", 0},                      {progressMov2wavMux2mov, "pourcentage    : 42.5", 42.5f},
        {progressMov2wavMux2mov, "pourcentage   : 42.5", 0},  {progressMov2wavMux2mov, "pourcentage    : \n -7e1 x", -70},
        {progressMov2wavMux2mov, "pourcentage    : done", 0}, {progressMovencoder, "Processing (37%)", 37},
        {progressNormalize, "computing levels (batch 12.5% done)", 12.5f},
    };
    for (const auto &[reader, text, expected] : cases)
        EXPECT_EQ(reader(QString::fromUtf8(text)), expected) << text;
    for (auto reader : {progressFfmpeg, progressMov2wavMux2mov, progressNormalize, progressMovencoder})
        EXPECT_EQ(reader(QString()), 0);
    EXPECT_EQ(progresses(QStringLiteral("time=00:00:01.00"), QString()), 0);

    EXPECT_EQ(progressMpeg2enc(QStringLiteral("INFO: [mpeg2enc] Enc1 500 500( 9) P"), 25, 40), 50);
    EXPECT_EQ(progressMpeg2enc(QString(), 25, 40), 0);
    EXPECT_EQ(progressMpeg2enc(QStringLiteral("Enc1 500"), 0, 40), 0);
    EXPECT_EQ(progressMpeg2enc(QStringLiteral("Enc1 500"), 25, 0), 0);
    EXPECT_TRUE(test::logHas(QStringLiteral("progressMpeg2enc    :-( rate 25.000000 total 0")));

    test::clearLog();
    setDEBUG(1);
    progressFfmpeg(QStringLiteral("time=1:2 bitrate="));
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("ffm… 1:2 > returnedFloat : 0.000000")});
}

TEST(Progress, MplayerAgreesWithTheShellPipeline)
{
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("A:  30.0 V:  30.0 A-V:  0.000 ct:  0.040 750/750  4%  1%  0.5% 0 0"), 120},
        {QStringLiteral("A:   1.0 (01.0) of 120.0 (02:00.0)  0.2%\rA:  12.3 (12.2) of 120.0 (02:00.0)  0.3%\r\n"), 120},
        {QStringLiteral("Playing clip.avi\nA:  10.5 V:  10.5\nExiting... (End of file)\n"), 7},
        {QStringLiteral("A:   2.0 V:   2.0 A-V:  0.043\x1b[J\r\n\n\nExiting..."), 2},
        {QStringLiteral("A: 5.0 V: 5.0\nA: 7.25 A: 9.0\n"), 3}, {QStringLiteral("A: 9.0\nno marker here\n"), 3},
        {QStringLiteral("A:  30.0\x01\x02V:"), 120}, // the last printable piece is too short
        {QStringLiteral("A:  30.0 \xe9t\xe9"), 120},  // non-ASCII cuts the piece too
        {QStringLiteral("A:  -4.5 V: x"), 120},       {QStringLiteral("A:  -4.5 V: x"), -9},
        {QStringLiteral("A:  .5 V: x"), 1},           {QStringLiteral("A:  0.0 V: x"), 120},
        {QStringLiteral("A:  1234567.123456789 V: x"), 7}, {QStringLiteral("A:  30.0 V: x"), 0},
        {QStringLiteral("A:  V:  30.0"), 120},        {QStringLiteral("A:  12:30 V:"), 120},
        {QStringLiteral("V:  30.0"), 120},            {QStringLiteral("A:"), 120}, {QStringLiteral(""), 120},
        // Percentages past 64-bit integers.
        {QStringLiteral("A:  444444444444444444 V: 1.0"), 3}, {QStringLiteral("A:  999999999999999999 V:"), 1},
        {QStringLiteral("A:  -99999999999999999.9 V:"), -1},
    };
    for (const auto &[text, total] : cases)
        EXPECT_EQ(progressMplayer(text, total), test::mplayerThroughTheShell(text, total))
            << text.toStdString() << " / " << total;
    EXPECT_EQ(progressMplayer(QStringLiteral("A:  30.0 V:  30.0 A-V:  0.000"), 120), 25);
    EXPECT_EQ(progressMplayer(QString(), 120), 0);
}

TEST(Progress, MplayerNeverRunsItsText)
{
    const QString marker = test::scratchDir() + QStringLiteral("/ran");
    for (const QString &text : {QStringLiteral("A: 1.0 \"; touch ") + marker + QStringLiteral("; \""),
                                QStringLiteral("A: `touch ") + marker + QStringLiteral("`"),
                                QStringLiteral("A: $(touch ") + marker + QStringLiteral(")")})
        EXPECT_EQ(progressMplayer(text, 10), text.contains(QLatin1String("1.0")) ? 10 : 0) << text.toStdString();
    EXPECT_FALSE(QFile::exists(marker));
}

TEST(Progress, MplayerFiguresTheFuzzerFoundAgreeWithTheShellPipeline)
{
    // The fuzz target puts the first plain decimal of its input into a status
    // line and compares with the calculator's arithmetic.
    static const QRegularExpression decimal(QStringLiteral("-?(?:[0-9]{1,18}(?:\\.[0-9]*)?|\\.[0-9]{1,18})(?![0-9])"));
    for (const test::FuzzFinding &f : test::fuzzFindings("tooloutput")) {
        if (f.reader() != 'm')
            continue;
        const QString text = QString::fromUtf8(f.rest());
        EXPECT_EQ(progressMplayer(text, 120), test::mplayerThroughTheShell(text, 120)) << f.name.toStdString();
        const QString line = QStringLiteral("A: ") + decimal.match(text).captured(0) + QStringLiteral(" V: 1.0");
        for (int total : {120, 3, -7})
            EXPECT_EQ(progressMplayer(line, total), test::mplayerThroughTheShell(line, total))
                << f.name.toStdString() << " " << total;
    }
}
