// Conversions end to end with the real tools: sizes, durations, the DVD
// stream, progress, cancel and existing outputs.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"

#include <batch.h>
#include <job.h>
#include <plan.h>
#include <tools.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>

#include <cmath>

using namespace convert;
using convert::test::makeClip;
using convert::test::namesIn;
using convert::test::probe;
using convert::test::outFolder;
using convert::test::sizeBudget;
using convert::test::bitrateBudget;

namespace {

constexpr int kWaitMs = 120000;

JobSettings planOne(const QString &clip, const QString &presetId, const Budget &budget, const QString &destination)
{
    const Plan plan = planJobs({probeSource(clip)}, presetById(presetId).value(), budget, destination);
    EXPECT_TRUE(plan.problems.isEmpty()) << plan.problems.join(QLatin1Char('\n')).toStdString();
    return plan.jobs.value(0);
}

// Runs the job to its end and gives every progress value it reported.
QList<float> runToEnd(ConversionJob &job)
{
    QList<float> values;
    QObject::connect(&job, &ConversionJob::progressChanged, [&values](float percent) { values << percent; });
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start();
    if (!job.isDone())
        EXPECT_TRUE(finished.wait(kWaitMs));
    return values;
}

void expectRising(const QList<float> &values, const char *what)
{
    for (qsizetype i = 1; i < values.size(); ++i)
        EXPECT_GE(values.at(i), values.at(i - 1)) << what << " at " << i;
}

} // namespace

TEST(Conversion, TargetSizeLandsWithinTenPercentAndKeepsTheDuration)
{
    const QString clip = makeClip(QStringLiteral("grain.mkv"), test::grainyClip());
    ASSERT_FALSE(clip.isNull());
    const double sourceDuration = probe(clip, QStringLiteral("format=duration")).toDouble();
    ASSERT_GT(sourceDuration, 2.9);

    const struct {
        const char *preset;
        int sizeMB;
    } cases[] = {{"mp4", 1}, {"dvd-pal", 2}, {"dvd-ntsc", 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.preset);
        const QString id = QString::fromUtf8(c.preset);
        JobSettings settings = planOne(clip, id, sizeBudget(c.sizeMB), outFolder(id));
        ConversionJob job(settings);
        runToEnd(job);
        ASSERT_EQ(job.state(), ConversionJob::State::Finished) << job.error().toStdString();

        const double size = reel::poidsFile(settings.output, QStringLiteral("O"));
        const double target = double(c.sizeMB) * 1024 * 1024;
        EXPECT_LT(std::fabs(size - target) / target, 0.10) << size << " bytes for " << target;
        const double duration = probe(settings.output, QStringLiteral("format=duration")).toDouble();
        EXPECT_LT(std::fabs(duration - sourceDuration), 0.1) << duration;
    }
}

TEST(Conversion, DvdOutputIsAProgramStreamThatDvdauthorTakes)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), test::grainyClip());
    ASSERT_FALSE(clip.isNull());
    const struct {
        const char *preset;
        const char *format;
        const char *height;
        const char *rate;
    } cases[] = {{"dvd-pal", "PAL", "576", "25/1"}, {"dvd-ntsc", "NTSC", "480", "30000/1001"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.preset);
        const QString folder = outFolder(QString::fromUtf8(c.preset));
        JobSettings settings = planOne(clip, QString::fromUtf8(c.preset), bitrateBudget(4000), folder);
        ConversionJob job(settings);
        runToEnd(job);
        ASSERT_EQ(job.state(), ConversionJob::State::Finished) << job.error().toStdString();

        EXPECT_TRUE(reel::fileCocoa(settings.output, 1));
        EXPECT_EQ(probe(settings.output, QStringLiteral("stream=height"), QStringLiteral("v:0")),
                  QString::fromUtf8(c.height));
        EXPECT_EQ(probe(settings.output, QStringLiteral("stream=r_frame_rate"), QStringLiteral("v:0")),
                  QString::fromUtf8(c.rate));
        EXPECT_EQ(probe(settings.output, QStringLiteral("stream=codec_name"), QStringLiteral("a:0")),
                  QStringLiteral("ac3"));

        const reel::test::ScopedEnv videoFormat("VIDEO_FORMAT", c.format);
        const QString dvd = reel::test::scratchDir() + QStringLiteral("/dvd-") + QString::fromUtf8(c.format);
        const test::RunResult title = test::runProgram(
            toolPath(QStringLiteral("dvdauthor")), {QStringLiteral("-o"), dvd, QStringLiteral("-t"), settings.output});
        EXPECT_EQ(title.exitCode, 0) << title.err.toStdString();
        EXPECT_FALSE(title.err.contains(QStringLiteral("Discontinuity"))) << title.err.toStdString();
        const test::RunResult toc = test::runProgram(toolPath(QStringLiteral("dvdauthor")),
                                                     {QStringLiteral("-o"), dvd, QStringLiteral("-T")});
        EXPECT_EQ(toc.exitCode, 0) << toc.err.toStdString();
        EXPECT_TRUE(reel::testPresenceC(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB")));
        EXPECT_TRUE(reel::testPresenceC(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
    }
}

TEST(Conversion, ProgressRisesToOneHundredForEachJobAndTheBatch)
{
    SampleClip settings = test::grainyClip();
    const QString first = makeClip(QStringLiteral("first.mkv"), settings);
    settings.seconds = 2;
    settings.audio = false;
    const QString second = makeClip(QStringLiteral("second.mkv"), settings);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    const Plan plan = planJobs({probeSource(first), probeSource(second)}, presetById(QStringLiteral("mp4")).value(),
                               bitrateBudget(800), outFolder());
    ASSERT_EQ(plan.jobs.size(), 2);

    ConversionBatch batch(plan.jobs);
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
    EXPECT_TRUE(batch.failures().isEmpty());
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(jobValues[i].isEmpty());
        expectRising(jobValues[i], "job");
        EXPECT_EQ(jobValues[i].last(), 100.0f);
        // The first pass's end shows before the second pass starts.
        EXPECT_TRUE(std::any_of(jobValues[i].cbegin(), jobValues[i].cend(), [](float v) { return v > 0 && v < 100; }));
        EXPECT_EQ(batch.job(i)->progress(), 100.0f);
    }
    expectRising(overall, "overall");
    EXPECT_FLOAT_EQ(overall.last(), 100.0f);
    EXPECT_FLOAT_EQ(batch.overallProgress(), 100.0f);
    EXPECT_EQ(batch.remainingSeconds(), 0);
}

TEST(Conversion, CancelStopsTheToolAndLeavesNoPartialFile)
{
    SampleClip settings;
    settings.seconds = 30;
    settings.width = 320;
    settings.height = 240;
    const QString clip = makeClip(QStringLiteral("long.mkv"), settings);
    ASSERT_FALSE(clip.isNull());

    for (const char *id : {"dvd-pal", "mp4"}) {
        SCOPED_TRACE(id);
        const QString folder = outFolder();
        const JobSettings jobSettings = planOne(clip, QString::fromUtf8(id), bitrateBudget(2000), folder);
        ConversionJob job(jobSettings);
        QSignalSpy finished(&job, &ConversionJob::finished);
        // Cancelled as soon as the output has begun, mid-way through the run.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!job.temporaryPath().isEmpty() && reel::poidsFile(job.temporaryPath(), QStringLiteral("O")) > 0) {
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
        const QStringList passlogs = namesIn(reel::getTMPFOLDER()).filter(QStringLiteral("passlog"));
        EXPECT_EQ(passlogs, QStringList());
        reel::rmCocoa(folder);
    }

    // A job cancelled before its start never runs.
    ConversionJob waiting(planOne(clip, QStringLiteral("mp4"), bitrateBudget(2000), outFolder()));
    QSignalSpy finished(&waiting, &ConversionJob::finished);
    waiting.cancel();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(waiting.state(), ConversionJob::State::Cancelled);
    EXPECT_TRUE(waiting.temporaryPath().isEmpty());
}

TEST(Conversion, AnExistingOutputIsReplacedOnlyWhenAllowed)
{
    SampleClip settings = test::grainyClip();
    settings.seconds = 2;
    const QString clip = makeClip(QStringLiteral("clip.mkv"), settings);
    ASSERT_FALSE(clip.isNull());
    const QString folder = outFolder();
    JobSettings jobSettings = planOne(clip, QStringLiteral("mp4"), bitrateBudget(500), folder);
    ASSERT_FALSE(jobSettings.outputExists);
    // The file appears after the plan, as when another program writes it.
    reel::test::writeFile(jobSettings.output, "precious");

    ConversionJob kept(jobSettings);
    runToEnd(kept);
    EXPECT_EQ(kept.state(), ConversionJob::State::Failed);
    EXPECT_TRUE(kept.error().contains(QStringLiteral("already exists"))) << kept.error().toStdString();
    EXPECT_EQ(reel::test::readFile(jobSettings.output), QByteArray("precious"));
    EXPECT_EQ(namesIn(folder), QStringList{reel::lastPathComponent(jobSettings.output)});

    jobSettings.overwrite = true;
    ConversionJob replaced(jobSettings);
    runToEnd(replaced);
    ASSERT_EQ(replaced.state(), ConversionJob::State::Finished) << replaced.error().toStdString();
    EXPECT_EQ(reel::test::readFile(jobSettings.output).mid(4, 4), QByteArray("ftyp"));
    EXPECT_EQ(namesIn(folder), QStringList{reel::lastPathComponent(jobSettings.output)});
}

TEST(Conversion, WithoutFfmpegTheJobFailsAndSaysWhy)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), test::grainyClip());
    ASSERT_FALSE(clip.isNull());
    const JobSettings settings = planOne(clip, QStringLiteral("mp4"), bitrateBudget(500), outFolder());

    const reel::test::ScopedBundle bare(reel::test::makeBundle(QStringLiteral("Bare"), {}, false));
    EXPECT_EQ(missingTools(), (QStringList{QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}));
    ConversionJob job(settings);
    runToEnd(job);
    EXPECT_EQ(job.state(), ConversionJob::State::Failed);
    EXPECT_TRUE(job.error().contains(QStringLiteral("missing tool: ffmpeg"))) << job.error().toStdString();
    EXPECT_EQ(namesIn(reel::stringByDeletingLastPathComponent(settings.output)), QStringList());
}

TEST(Sources, WhatCannotBeConvertedIsSaidPlainly)
{
    const QString folder = reel::test::scratchDir();
    const QString text = reel::test::writeFile(folder + QStringLiteral("/notes.txt"), "not a video\n");
    const QString sound = folder + QStringLiteral("/tone.wav");
    test::runProgram(toolPath(QStringLiteral("ffmpeg")),
                     {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("sine=duration=1"), sound});
    ASSERT_TRUE(reel::testPresenceC(sound));

    const struct {
        QString path;
        const char *fragment;
    } cases[] = {
        {folder + QStringLiteral("/missing.mkv"), "cannot read"},
        {folder, "is a folder"},
        {text, "cannot be read"},
        {sound, "holds no video"},
        {QString(), "cannot read"},
    };
    for (const auto &c : cases) {
        const SourceInfo info = probeSource(c.path);
        EXPECT_FALSE(info.usable()) << c.path.toStdString();
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.fragment))) << info.error.toStdString();
    }

    const QString clip = makeClip(QStringLiteral("My_Holiday-PAL.mkv"), test::grainyClip());
    const SourceInfo info = probeSource(clip);
    ASSERT_TRUE(info.usable()) << info.error.toStdString();
    EXPECT_EQ(info.title, QStringLiteral("My Holiday"));
    EXPECT_NEAR(info.duration, 3.0, 0.05);
    EXPECT_EQ(info.width, 320);
    EXPECT_EQ(info.height, 240);
    EXPECT_NEAR(info.displayAspect, 4.0 / 3.0, 0.01);
    EXPECT_TRUE(info.hasAudio);
    EXPECT_GT(info.sizeMB, 0);
    EXPECT_EQ(durationText(62.5f), QStringLiteral("0h01'03\" (0:01:02.50)"));
}
