// Conversions end to end with the real tools: an MP4 and a DVD stream, the
// progress on the way, cancel, what ffprobe says of sources, and outputs and
// sources that must never be overwritten.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <batch.h>
#include <job.h>
#include <plan.h>
#include <tools.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

JobSettings planOne(const QString &clip, const QString &presetId, const Budget &budget, const QString &destination)
{
    const Plan plan = planJobs({probeSource(clip)}, presetById(presetId).value(), budget, destination);
    EXPECT_TRUE(plan.problems.isEmpty()) << plan.problems.join(u'\n').toStdString();
    return plan.jobs.value(0);
}

void runToEnd(ConversionJob &job)
{
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start();
    if (!job.isDone())
        EXPECT_TRUE(finished.wait(kWaitMs));
}

void expectRising(const QList<float> &values, const char *what)
{
    for (qsizetype i = 1; i < values.size(); ++i)
        EXPECT_GE(values.at(i), values.at(i - 1)) << what << " at " << i;
}

} // namespace

// A two-pass MP4 of a target size from a file with two sound tracks and
// subtitles, then a one-pass MP4 of a quality, as one batch.
TEST(Conversion, AnMp4OfTheSizeAskedAndTheProgressOnTheWay)
{
    const Preset mp4 = presetById(u"mp4"_s).value();
    const QString tracks = sharedClip(Clip::Tracks);
    const Plan twoPass = planJobs({probeSource(tracks)}, mp4, sizeBudget(1), outFolder());
    const Plan onePass = planJobs({probeSource(sharedClip(Clip::Silent))}, mp4, qualityBudget(30), outFolder());
    ASSERT_EQ(twoPass.jobs.size(), 1);
    ASSERT_EQ(onePass.jobs.size(), 1);
    ASSERT_EQ(passCount(twoPass.jobs.first()), 2);
    ASSERT_EQ(passCount(onePass.jobs.first()), 1);

    ConversionBatch batch(twoPass.jobs + onePass.jobs);
    QList<QList<float>> jobValues(2);
    QList<float> overall;
    QList<int> started;
    QObject::connect(&batch, &ConversionBatch::jobStarted, [&](int index) { started << index; });
    QObject::connect(&batch, &ConversionBatch::progressChanged, [&](int index, float job, float all) {
        jobValues[index] << job;
        overall << all;
    });
    QSignalSpy finished(&batch, &ConversionBatch::finished);
    batch.start();
    ASSERT_TRUE(finished.wait(kWaitMs));

    EXPECT_EQ(started, (QList<int>{0, 1}));
    EXPECT_EQ(batch.finishedCount(), 2);
    EXPECT_TRUE(batch.failures().isEmpty()) << batch.failures().join(u'\n').toStdString();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(jobValues[i].isEmpty());
        expectRising(jobValues[i], "job");
        EXPECT_EQ(jobValues[i].last(), 100.0f);
        EXPECT_TRUE(std::any_of(jobValues[i].cbegin(), jobValues[i].cend(), [](float v) { return v > 0 && v < 100; }));
    }
    // The first pass's end shows as half the two-pass job.
    EXPECT_TRUE(std::any_of(jobValues[0].cbegin(), jobValues[0].cend(), [](float v) { return v >= 45 && v <= 55; }));
    expectRising(overall, "overall");
    EXPECT_FLOAT_EQ(batch.overallProgress(), 100.0f);
    EXPECT_EQ(batch.remainingSeconds(), 0);

    // The sound track marked default is the one kept; the subtitles are text.
    const QString output = twoPass.jobs.first().output;
    EXPECT_NEAR(probe(output, u"format=duration"_s).toDouble(), probe(tracks, u"format=duration"_s).toDouble(), 0.1);
    EXPECT_EQ(probe(output, u"stream=codec_type"_s), u"video,audio,subtitle"_s);
    EXPECT_EQ(probe(output, u"stream_tags=language"_s, u"a"_s), u"eng"_s);
    EXPECT_EQ(probe(output, u"stream=codec_name"_s, u"s"_s), u"mov_text"_s);
    EXPECT_NEAR(reel::poidsFile(output, u"O"_s) / (1024.0 * 1024.0), 1.0, 0.05);
}

TEST(Conversion, DvdOutputIsAProgramStreamThatDvdauthorTakes)
{
    const QString clip = sharedClip(Clip::Ntsc2997);
    ASSERT_FALSE(clip.isNull());
    const struct {
        const char *name, *format, *height, *rate;
    } cases[] = {{"dvd-pal", "PAL", "576", "25/1"}, {"dvd-ntsc", "NTSC", "480", "30000/1001"}};
    reel::test::forEachCase(cases, [&](const auto &c) {
        const JobSettings settings = planOne(clip, QString::fromUtf8(c.name), bitrateBudget(4000), outFolder(c.name));
        ConversionJob job(settings);
        runToEnd(job);
        ASSERT_EQ(job.state(), ConversionJob::State::Finished) << job.error().toStdString();
        EXPECT_TRUE(reel::fileCocoa(settings.output, 1));
        EXPECT_EQ(probe(settings.output, u"stream=height"_s, u"v:0"_s), QString::fromUtf8(c.height));
        EXPECT_EQ(probe(settings.output, u"stream=r_frame_rate"_s, u"v:0"_s), QString::fromUtf8(c.rate));
        EXPECT_EQ(probe(settings.output, u"stream=display_aspect_ratio"_s, u"v:0"_s), u"4:3"_s);
        EXPECT_EQ(probe(settings.output, u"stream=codec_name"_s, u"a:0"_s), u"ac3"_s);
        EXPECT_NEAR(probe(settings.output, u"format=duration"_s).toDouble(), 3.0, 0.1);

        const reel::test::ScopedEnv videoFormat("VIDEO_FORMAT", c.format);
        const QString dvd = reel::test::scratchDir() + u"/dvd-"_s + QString::fromUtf8(c.format);
        const ProgramRun title = runProgram(toolPath(u"dvdauthor"_s), {u"-o"_s, dvd, u"-t"_s, settings.output});
        EXPECT_EQ(title.exitCode, 0) << title.err.toStdString();
        EXPECT_FALSE(title.err.contains(u"Discontinuity"_s)) << title.err.toStdString();
        EXPECT_EQ(runProgram(toolPath(u"dvdauthor"_s), {u"-o"_s, dvd, u"-T"_s}).exitCode, 0);
        EXPECT_TRUE(reel::testPresenceC(dvd + u"/VIDEO_TS/VTS_01_1.VOB"_s));
        EXPECT_TRUE(reel::testPresenceC(dvd + u"/VIDEO_TS/VIDEO_TS.IFO"_s));
    });
}

TEST(Conversion, CancelStopsTheToolAndLeavesNoPartialFile)
{
    const QString clip = sharedClip(Clip::Long);
    ASSERT_FALSE(clip.isNull());
    // Cancelled as soon as the output of the first of two passes has begun.
    const QString folder = outFolder();
    ConversionJob job(planOne(clip, u"mp4"_s, bitrateBudget(2000), folder));
    QSignalSpy finished(&job, &ConversionJob::finished);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!job.temporaryPath().isEmpty() && reel::poidsFile(job.temporaryPath(), u"O"_s) > 0) {
            watch.stop();
            job.cancel();
        }
    });
    watch.start(10);
    job.start();
    ASSERT_TRUE(finished.wait(kWaitMs));
    EXPECT_EQ(job.state(), ConversionJob::State::Cancelled) << job.error().toStdString();
    EXPECT_LT(job.progress(), 100.0f);
    EXPECT_EQ(namesIn(folder), QStringList());
    EXPECT_EQ(namesIn(reel::getTMPFOLDER()).filter(u"passlog"_s), QStringList());

    // A job cancelled before its start never runs.
    ConversionJob waiting(planOne(clip, u"mp4"_s, bitrateBudget(2000), folder));
    QSignalSpy ended(&waiting, &ConversionJob::finished);
    waiting.cancel();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(waiting.state(), ConversionJob::State::Cancelled);
    EXPECT_TRUE(waiting.temporaryPath().isEmpty());
}

// reelkit-convert --overwrite -o real link/film.mp4, with link -> real:
// however the paths are written, the output is never the source.
TEST(Conversion, TheSourceIsNeverTheOutputWhateverTheLinks)
{
    const QString root = reel::test::scratchDir();
    const QString real = outFolder(u"real"_s);
    const QString film = real + u"/film.mp4"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), film));
    ASSERT_TRUE(QFile::link(real, root + u"/link"_s));
    ASSERT_TRUE(QFile::link(film, root + u"/alias.mp4"_s));
    ASSERT_EQ(::link(QFile::encodeName(film).constData(), QFile::encodeName(real + u"/hard.mp4"_s).constData()), 0);
    const QByteArray before = reel::test::readFile(film);

    // The exact command of the report, through the terminal form.
    const ProgramRun run = convertWith({u"--overwrite"_s, u"-o"_s, real, u"link/film.mp4"_s}, root);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(reel::test::readFile(film) == before);
    EXPECT_TRUE(reel::testPresenceC(real + u"/film 2.mp4"_s));
    // Not a terminal: plain progress lines, no bar redrawn with carriage returns.
    EXPECT_TRUE(run.out.contains(u"progress: film 100% (overall 100%"_s)) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(u'\r'));

    // Every way of naming the source is seen through by the plan...
    const Preset mp4 = presetById(u"mp4"_s).value();
    SourceInfo source = probeSource(root + u"/link/film.mp4"_s);
    ASSERT_TRUE(source.usable());
    for (const QString &destination : {real, root + u"/link"_s, root + u"/link/"_s})
        EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, destination, {}), film)) << destination.toStdString();
    source.title = u"hard"_s;
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, real, {}), film));
    source.title = u"alias"_s;
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, root, {}), film));

    // ...and by the job, should an output be named the source anyway.
    for (const QString &output : {real + u"/hard.mp4"_s, root + u"/alias.mp4"_s, root + u"/link/../real/film.mp4"_s}) {
        JobSettings job = planOne(film, u"mp4"_s, qualityBudget(30), real);
        job.output = output;
        job.overwrite = true;
        ConversionJob conversion(job);
        runToEnd(conversion);
        EXPECT_EQ(conversion.state(), ConversionJob::State::Failed) << output.toStdString();
        EXPECT_TRUE(conversion.error().contains(u"is the source itself"_s)) << conversion.error().toStdString();
        EXPECT_TRUE(reel::test::readFile(film) == before);
    }
}

TEST(Conversion, AFailureSaysWhyInFfmpegsOwnWords)
{
    // Lines as ffmpeg 5.1 writes them when it fails.
    const struct {
        QStringList lines;
        const char *name; // the reason given
    } cases[] = {
        {{u"[libx264 @ 0x55d0a1b2c3c0] Incomplete MB-tree stats file."_s,
          u"Error submitting video frame to the encoder"_s},
         "libx264: Incomplete MB-tree stats file."},
        {{u"[libx264 @ 0x5601] width not divisible by 2 (321x240)"_s,
          u"Error initializing output stream 0:0 -- Error while opening encoder for output stream #0:0 - maybe "
          "incorrect parameters such as bit_rate, rate, width or height"_s, u"Conversion failed!"_s},
         "libx264: width not divisible by 2 (321x240)"},
        {{u"Stream map '0:9' matches no streams."_s, u"To ignore this, add a trailing '?' to the map."_s},
         "Stream map '0:9' matches no streams."},
        {{u"/videos/a.mkv: Invalid data found when processing input"_s},
         "/videos/a.mkv: Invalid data found when processing input"},
        {{u"Conversion failed!"_s}, "Conversion failed!"},
        {{}, ""},
    };
    reel::test::forEachCase(cases, [](const auto &c) { EXPECT_EQ(ffmpegFailureReason(c.lines), QString::fromUtf8(c.name)); });

}

// A job that cannot run fails, says why and leaves nothing behind.
TEST(Conversion, AJobThatCannotRunSaysWhy)
{
    const QString bare = reel::test::makeBundle(u"Bare"_s, {}, false);
    // An ffmpeg nobody may run: it is there, but it cannot be started.
    const QString unstartable = bundleWithTool(u"ffmpeg"_s, "#!/bin/sh\n");
    QFile::setPermissions(unstartable + u"/Contents/Resources/tools/ffmpeg"_s, QFile::ReadOwner | QFile::WriteOwner);
    const QString folder = outFolder();
    const JobSettings planned = planOne(sharedClip(Clip::Silent), u"mp4"_s, qualityBudget(30), folder);
    ASSERT_FALSE(planned.outputExists);
    const struct {
        const char *name;
        const char *says;
        int audio = 0;    // a sound track the source lacks, when not 0
        QString bundle;   // the tools run, when not the test's own
        QByteArray appears; // written at the output after the plan
    } cases[] = {
        // ffmpeg's reason, not its last line.
        {"ffmpeg fails", "Stream map '0:9' matches no streams", 9},
        {"ffmpeg is missing", "missing tool: ffmpeg", 0, bare},
        {"ffmpeg cannot be started", "ffmpeg could not be started", 0, unstartable},
        // Another program writes the output meanwhile: it is kept.
        {"an output appeared after the plan", "already exists", 0, {}, "precious"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        JobSettings settings = planned;
        if (c.audio)
            settings.tracks.audio = c.audio;
        std::optional<reel::test::ScopedBundle> tools;
        if (!c.bundle.isEmpty())
            tools.emplace(c.bundle);
        if (!c.appears.isEmpty())
            reel::test::writeFile(settings.output, c.appears);
        ConversionJob job(settings);
        runToEnd(job);
        EXPECT_EQ(job.state(), ConversionJob::State::Failed);
        EXPECT_TRUE(job.error().contains(QString::fromUtf8(c.says))) << job.error().toStdString();
        EXPECT_EQ(namesIn(folder), c.appears.isEmpty() ? QStringList() : QStringList{reel::lastPathComponent(settings.output)});
        EXPECT_EQ(reel::test::readFile(settings.output), c.appears);
    });
}

TEST(Sources, WhatCannotBeConvertedIsSaidPlainly)
{
    const QString folder = reel::test::scratchDir();
    const QString fifo = folder + u"/pipe.mkv"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString name; // the path
        const char *says;
    } cases[] = {
        {folder + u"/missing.mkv"_s, "cannot read"},
        {folder, "is a folder"},
        {reel::test::writeFile(folder + u"/notes.txt"_s, "not a video\n"), "cannot be read"},
        {reel::test::writeFile(folder + u"/empty.mp4"_s, ""), "cannot be read"},
        {fifo, "is a named pipe, not a regular file"},
        {u"/dev/null"_s, "is a device, not a regular file"},
        {QString(), "cannot read"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const SourceInfo info = probeSource(c.name);
        EXPECT_FALSE(info.usable());
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.says))) << info.error.toStdString();
    });

    const QString clip = folder + u"/My_Holiday-PAL.mkv"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), clip));
    const SourceInfo info = probeSource(clip);
    ASSERT_TRUE(info.usable()) << info.error.toStdString();
    EXPECT_EQ(info.title, u"My Holiday"_s);
    EXPECT_NEAR(info.duration, 3.0, 0.05);
    EXPECT_NEAR(info.video()->fps, 30000.0 / 1001.0, 0.001);
    EXPECT_EQ(info.width, 320);
    EXPECT_EQ(info.height, 240);
    EXPECT_NEAR(info.displayAspect, 4.0 / 3.0, 0.01);
    EXPECT_TRUE(info.hasAudio);
    EXPECT_GT(info.sizeMB, 0);
    // An AVI does not say how its picture was scanned: the interlace test is asked.
    const QString avi = folder + u"/old.avi"_s;
    ASSERT_TRUE(ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc2=size=64x48:rate=25:duration=1"_s, u"-c:v"_s, u"mpeg4"_s, avi}));
    const SourceInfo old = probeSource(avi);
    EXPECT_TRUE(old.usable()) << old.error.toStdString();
    EXPECT_TRUE(old.fieldOrderTested);
    const SourceInfo tracks = probeSource(sharedClip(Clip::Tracks));
    ASSERT_EQ(tracks.streams.size(), 4);
    EXPECT_TRUE(tracks.streams.at(2).isDefault);
    EXPECT_EQ(tracks.streams.at(2).language, u"eng"_s);
    EXPECT_EQ(tracks.streams.at(3).codec, u"subrip"_s);
}

// A probe that never answers, as on a stalled network share: the time limit
// and a cancel both end it, and no tool is left behind.
TEST(Sources, AProbeEndsAtItsTimeLimitOrWhenCancelled)
{
    const QString clip = sharedClip(Clip::Silent);
    const QString pidFile = reel::test::scratchDir() + u"/ffprobe.pid"_s;
    const reel::test::ScopedBundle slow(hangingProbeBundle(pidFile));
    const struct {
        const char *name;
        RunLimits limits;
        const char *says;
    } cases[] = {
        {"time limit", RunLimits{1000, {}}, "ffprobe gave no answer within 1 s"},
        {"cancel", RunLimits{60000, [asked = 0]() mutable { return ++asked > 6; }}, "ffprobe was cancelled"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        QFile::remove(pidFile);
        QElapsedTimer clock;
        clock.start();
        const SourceInfo info = probeSource(clip, c.limits);
        EXPECT_LT(clock.elapsed(), 30000); // a hang would take the 60 s of the stand-in
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.says))) << info.error.toStdString();
        EXPECT_TRUE(processGone(pidFile));
    });
}
