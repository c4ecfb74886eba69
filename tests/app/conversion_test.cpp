// Conversions end to end with the real tools: the clips people have through
// every kind of preset, sizes, durations, the DVD stream, progress, cancel,
// existing outputs and sources that must never be overwritten.
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

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace convert;
using convert::test::bitrateBudget;
using convert::test::Clip;
using convert::test::makeClip;
using convert::test::namesIn;
using convert::test::outFolder;
using convert::test::probe;
using convert::test::qualityBudget;
using convert::test::sharedClip;
using convert::test::sizeBudget;

namespace {

constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

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

double ratioOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2 || parts.at(1).toDouble() == 0)
        return 1;
    return parts.at(0).toDouble() / parts.at(1).toDouble();
}

} // namespace

// The files phones, cameras and downloads produce, through an MP4 preset and
// a DVD preset each.
TEST(Conversion, TheClipsPeopleHaveConvertWithEveryKindOfPreset)
{
    constexpr double kFourThree = 4.0 / 3.0;
    constexpr double kPortrait = 9.0 / 16.0;
    const QStringList pictureAndSound{QStringLiteral("video"), QStringLiteral("audio")};
    const struct {
        Clip clip;
        const char *name;
        const char *preset;
        Budget budget;
        QStringList types;      // the output's tracks, in order (DVD navigation left out)
        double shape;           // the picture as the source shows it
        const char *dvdAspect;  // the DVD's display-aspect flag; null for MP4
        const char *fieldOrder;
    } cases[] = {
        {Clip::Ntsc2997, "29.97 fps MKV", "mp4", sizeBudget(1), pictureAndSound, kFourThree, nullptr, "progressive"},
        {Clip::Ntsc2997, "29.97 fps MKV", "dvd-ntsc", sizeBudget(2), pictureAndSound, kFourThree, "4:3", "progressive"},
        {Clip::Vfr, "VFR", "mp4", sizeBudget(1), pictureAndSound, kFourThree, nullptr, "progressive"},
        {Clip::Vfr, "VFR", "mp4-hevc", sizeBudget(1), pictureAndSound, kFourThree, nullptr, "progressive"},
        {Clip::Vfr, "VFR", "dvd-pal", sizeBudget(2), pictureAndSound, kFourThree, "4:3", "progressive"},
        {Clip::Tracks, "two sound tracks and subtitles", "mp4", qualityBudget(23),
         {QStringLiteral("video"), QStringLiteral("audio"), QStringLiteral("subtitle")}, kFourThree, nullptr,
         "progressive"},
        {Clip::Tracks, "two sound tracks and subtitles", "dvd-pal", sizeBudget(2), pictureAndSound, kFourThree, "4:3",
         "progressive"},
        {Clip::Vertical, "vertical", "mp4", qualityBudget(23), pictureAndSound, kPortrait, nullptr, "progressive"},
        {Clip::Vertical, "vertical", "dvd-pal", sizeBudget(2), pictureAndSound, kPortrait, "4:3", "progressive"},
        {Clip::Rotated, "rotated", "mp4", qualityBudget(23), pictureAndSound, kPortrait, nullptr, "progressive"},
        {Clip::Rotated, "rotated", "dvd-ntsc", bitrateBudget(4000), pictureAndSound, kPortrait, "4:3", "progressive"},
        {Clip::Interlaced, "480i", "mp4", qualityBudget(23), pictureAndSound, kFourThree, nullptr, "progressive"},
        {Clip::Interlaced, "480i", "dvd-ntsc", sizeBudget(2), pictureAndSound, kFourThree, "4:3", "tt"},
        {Clip::Interlaced, "480i", "dvd-pal", bitrateBudget(4000), pictureAndSound, kFourThree, "4:3", "progressive"},
        {Clip::Silent, "video only", "mp4", sizeBudget(1), {QStringLiteral("video")}, kFourThree, nullptr,
         "progressive"},
        {Clip::Silent, "video only", "dvd-ntsc", sizeBudget(2), {QStringLiteral("video")}, kFourThree, "4:3",
         "progressive"},
        {Clip::Hevc10, "10-bit HEVC", "mp4", qualityBudget(23), pictureAndSound, kFourThree, nullptr, "progressive"},
        {Clip::Hevc10, "10-bit HEVC", "dvd-pal", sizeBudget(2), pictureAndSound, kFourThree, "4:3", "progressive"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " through " + c.preset);
        const QString clip = sharedClip(c.clip);
        ASSERT_FALSE(clip.isNull());
        const double sourceDuration = test::facts(clip).duration;
        ASSERT_GT(sourceDuration, 1.9);

        const QString id = QString::fromUtf8(c.preset);
        const JobSettings settings = planOne(clip, id, c.budget, outFolder(id));
        ConversionJob job(settings);
        runToEnd(job);
        ASSERT_EQ(job.state(), ConversionJob::State::Finished) << job.error().toStdString();
        const QString output = settings.output;
        const test::Facts out = test::facts(output);

        EXPECT_NEAR(out.duration, sourceDuration, 0.1);
        QStringList types = out.types;
        types.removeAll(QStringLiteral("data"));
        EXPECT_EQ(types, c.types);
        EXPECT_EQ(out.fieldOrder, QString::fromUtf8(c.fieldOrder));
        if (c.clip == Clip::Tracks && !c.dvdAspect) {
            // The sound track marked default is the one kept; the subtitles
            // are text.
            EXPECT_EQ(out.audioLanguage, QStringLiteral("eng"));
            EXPECT_EQ(out.subtitleCodec, QStringLiteral("mov_text"));
        }
        if (c.budget.mode == Budget::Mode::TargetSize) {
            const double size = reel::poidsFile(output, QStringLiteral("O"));
            const double target = double(c.budget.sizeMB) * 1024 * 1024;
            EXPECT_NEAR(size / target, 1.0, 0.05) << size << " bytes for " << target;
        }
        if (!c.dvdAspect) {
            EXPECT_NEAR(out.shownAspect / c.shape, 1.0, 0.01);
            continue;
        }
        // A DVD frame of its own shape, flagged so, with the source's shape
        // inside it between black bars.
        EXPECT_EQ(out.displayAspectFlag, QString::fromUtf8(c.dvdAspect));
        EXPECT_NEAR(out.shownAspect / ratioOf(QString::fromUtf8(c.dvdAspect)), 1.0, 0.01);
        const test::Area area = test::pictureArea(output);
        ASSERT_GT(area.height, 0);
        EXPECT_NEAR(area.width * out.sampleAspect / area.height / c.shape, 1.0, 0.02) << area.width << "x" << area.height;
    }
}

TEST(Conversion, DvdOutputIsAProgramStreamThatDvdauthorTakes)
{
    const QString clip = sharedClip(Clip::Ntsc2997);
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
        const test::ProgramRun title = test::runProgram(
            toolPath(QStringLiteral("dvdauthor")), {QStringLiteral("-o"), dvd, QStringLiteral("-t"), settings.output});
        EXPECT_EQ(title.exitCode, 0) << title.err.toStdString();
        EXPECT_FALSE(title.err.contains(QStringLiteral("Discontinuity"))) << title.err.toStdString();
        const test::ProgramRun toc = test::runProgram(toolPath(QStringLiteral("dvdauthor")),
                                                     {QStringLiteral("-o"), dvd, QStringLiteral("-T")});
        EXPECT_EQ(toc.exitCode, 0) << toc.err.toStdString();
        EXPECT_TRUE(reel::testPresenceC(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB")));
        EXPECT_TRUE(reel::testPresenceC(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
    }
}

TEST(Conversion, ProgressRisesToOneHundredForEachJobAndTheBatch)
{
    // One two-pass job and one single-pass job.
    const Preset mp4 = presetById(QStringLiteral("mp4")).value();
    const Plan twoPass = planJobs({probeSource(sharedClip(Clip::Ntsc2997))}, mp4, bitrateBudget(800), outFolder());
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
    EXPECT_TRUE(batch.failures().isEmpty()) << batch.failures().join(QLatin1Char('\n')).toStdString();
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(jobValues[i].isEmpty());
        expectRising(jobValues[i], "job");
        EXPECT_EQ(jobValues[i].last(), 100.0f);
        EXPECT_TRUE(std::any_of(jobValues[i].cbegin(), jobValues[i].cend(), [](float v) { return v > 0 && v < 100; }));
        EXPECT_EQ(batch.job(i)->progress(), 100.0f);
    }
    // The first pass's end shows as half the two-pass job.
    EXPECT_TRUE(std::any_of(jobValues[0].cbegin(), jobValues[0].cend(), [](float v) { return v >= 45 && v <= 55; }));
    expectRising(overall, "overall");
    EXPECT_FLOAT_EQ(overall.last(), 100.0f);
    EXPECT_FLOAT_EQ(batch.overallProgress(), 100.0f);
    EXPECT_EQ(batch.remainingSeconds(), 0);
}

TEST(Conversion, CancelStopsTheToolAndLeavesNoPartialFile)
{
    const QString clip = sharedClip(Clip::Long);
    ASSERT_FALSE(clip.isNull());

    const struct {
        const char *preset;
        Budget budget;
    } cases[] = {{"dvd-pal", bitrateBudget(2000)}, {"mp4", bitrateBudget(2000)}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.preset);
        const QString folder = outFolder();
        const JobSettings jobSettings = planOne(clip, QString::fromUtf8(c.preset), c.budget, folder);
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
    const QString clip = sharedClip(Clip::Silent);
    ASSERT_FALSE(clip.isNull());
    const QString folder = outFolder();
    JobSettings jobSettings = planOne(clip, QStringLiteral("mp4"), qualityBudget(35), folder);
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

// reelkit-convert --overwrite -o real link/film.mp4, with link -> real:
// however the paths are written, the output is never the source.
TEST(Conversion, TheSourceIsNeverTheOutputWhateverTheLinks)
{
    const QString root = reel::test::scratchDir();
    const QString real = outFolder(QStringLiteral("real"));
    const QString film = real + QStringLiteral("/film.mp4");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Vfr), film));
    ASSERT_TRUE(QFile::link(real, root + QStringLiteral("/link")));
    ASSERT_TRUE(QFile::link(film, root + QStringLiteral("/alias.mp4")));
    ASSERT_EQ(::link(QFile::encodeName(film).constData(), QFile::encodeName(real + QStringLiteral("/hard.mp4")).constData()), 0);
    const QByteArray before = test::checksum(film);

    // The exact command of the report, through the terminal form.
    const test::ProgramRun run =
        test::runProgram(QStringLiteral(REELKIT_CONVERT_EXE),
                         {QStringLiteral("--overwrite"), QStringLiteral("-o"), real, QStringLiteral("link/film.mp4")},
                         root);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(test::checksum(film), before);
    EXPECT_TRUE(reel::testPresenceC(real + QStringLiteral("/film 2.mp4")));

    // Every way of naming the source is seen through by the plan...
    const Preset mp4 = presetById(QStringLiteral("mp4")).value();
    SourceInfo source = probeSource(root + QStringLiteral("/link/film.mp4"));
    ASSERT_TRUE(source.usable());
    for (const QString &destination : {real, root + QStringLiteral("/link"), root + QStringLiteral("/link/")}) {
        const QString output = outputPathFor(source, mp4, destination, {});
        EXPECT_FALSE(isSameFile(output, film)) << output.toStdString();
    }
    source.title = QStringLiteral("hard");
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, real, {}), film));
    source.title = QStringLiteral("alias");
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, root, {}), film));

    // ...and by the job, should an output be named the source anyway.
    const struct {
        QString output;
    } named[] = {{real + QStringLiteral("/hard.mp4")}, {root + QStringLiteral("/alias.mp4")},
                 {root + QStringLiteral("/link/../real/film.mp4")}};
    for (const auto &n : named) {
        JobSettings job = planOne(film, QStringLiteral("mp4"), qualityBudget(30), real);
        job.output = n.output;
        job.overwrite = true;
        ConversionJob conversion(job);
        runToEnd(conversion);
        EXPECT_EQ(conversion.state(), ConversionJob::State::Failed) << n.output.toStdString();
        EXPECT_TRUE(conversion.error().contains(QStringLiteral("is the source itself"))) << conversion.error().toStdString();
        EXPECT_EQ(test::checksum(film), before);
    }
}

TEST(Conversion, AFailureSaysWhyInFfmpegsOwnWords)
{
    // Lines as ffmpeg 5.1 writes them when it fails.
    const struct {
        QStringList lines;
        const char *reason;
    } cases[] = {
        {{QStringLiteral("[libx264 @ 0x55d0a1b2c3c0] Incomplete MB-tree stats file."),
          QStringLiteral("Error submitting video frame to the encoder")},
         "libx264: Incomplete MB-tree stats file."},
        {{QStringLiteral("[libx264 @ 0x5601] width not divisible by 2 (321x240)"),
          QStringLiteral("Error initializing output stream 0:0 -- Error while opening encoder for output stream #0:0 "
                         "- maybe incorrect parameters such as bit_rate, rate, width or height"),
          QStringLiteral("Conversion failed!")},
         "libx264: width not divisible by 2 (321x240)"},
        {{QStringLiteral("Stream map '0:9' matches no streams."),
          QStringLiteral("To ignore this, add a trailing '?' to the map.")},
         "Stream map '0:9' matches no streams."},
        {{QStringLiteral("/videos/a.mkv: Invalid data found when processing input")},
         "/videos/a.mkv: Invalid data found when processing input"},
        {{QStringLiteral("Conversion failed!")}, "Conversion failed!"},
        {{}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ffmpegFailureReason(c.lines), QString::fromUtf8(c.reason)) << c.lines.join(QLatin1Char('|')).toStdString();

    // A job whose ffmpeg fails reports that line, not the last one.
    JobSettings settings = planOne(sharedClip(Clip::Silent), QStringLiteral("mp4"), qualityBudget(30), outFolder());
    settings.tracks.audio = 9;
    ConversionJob job(settings);
    runToEnd(job);
    EXPECT_EQ(job.state(), ConversionJob::State::Failed);
    EXPECT_TRUE(job.error().contains(QStringLiteral("Stream map '0:9' matches no streams"))) << job.error().toStdString();
    EXPECT_EQ(namesIn(outFolder()), QStringList());
}

TEST(Conversion, WithoutFfmpegTheJobFailsAndSaysWhy)
{
    const QString clip = sharedClip(Clip::Silent);
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
    const QString empty = reel::test::writeFile(folder + QStringLiteral("/empty.mp4"), "");
    const QString sound = folder + QStringLiteral("/tone.m4a");
    const QString fifo = folder + QStringLiteral("/pipe.mkv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Sound with a cover picture: a "video" stream that is no video.
    const QString cover = folder + QStringLiteral("/cover.png");
    test::runProgram(toolPath(QStringLiteral("ffmpeg")),
                     {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("color=size=64x64:duration=0.04"), QStringLiteral("-frames:v"),
                      QStringLiteral("1"), cover});
    test::runProgram(toolPath(QStringLiteral("ffmpeg")),
                     {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("sine=duration=1"), QStringLiteral("-i"), cover, QStringLiteral("-map"),
                      QStringLiteral("0"), QStringLiteral("-map"), QStringLiteral("1"), QStringLiteral("-c:v"),
                      QStringLiteral("png"), QStringLiteral("-disposition:v"), QStringLiteral("attached_pic"), sound});
    ASSERT_TRUE(reel::testPresenceC(sound));

    const struct {
        QString path;
        const char *fragment;
    } cases[] = {
        {folder + QStringLiteral("/missing.mkv"), "cannot read"},
        {folder, "is a folder"},
        {text, "cannot be read"},
        {empty, "cannot be read"},
        {sound, "holds no video"},
        {fifo, "is a named pipe, not a regular file"},
        {QStringLiteral("/dev/null"), "is a device, not a regular file"},
        {QString(), "cannot read"},
    };
    for (const auto &c : cases) {
        const SourceInfo info = probeSource(c.path);
        EXPECT_FALSE(info.usable()) << c.path.toStdString();
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.fragment))) << info.error.toStdString();
    }

    const QString clip = folder + QStringLiteral("/My_Holiday-PAL.mkv");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), clip));
    const SourceInfo info = probeSource(clip);
    ASSERT_TRUE(info.usable()) << info.error.toStdString();
    EXPECT_EQ(info.title, QStringLiteral("My Holiday"));
    EXPECT_NEAR(info.duration, 3.0, 0.05);
    EXPECT_NEAR(info.video()->fps, 30000.0 / 1001.0, 0.001);
    EXPECT_EQ(info.width, 320);
    EXPECT_EQ(info.height, 240);
    EXPECT_NEAR(info.displayAspect, 4.0 / 3.0, 0.01);
    EXPECT_TRUE(info.hasAudio);
    EXPECT_GT(info.sizeMB, 0);
    EXPECT_EQ(durationText(62.5f), QStringLiteral("0h01'03\" (0:01:02.50)"));

    // What ffprobe says of the clips people have.
    const SourceInfo turned = probeSource(sharedClip(Clip::Rotated));
    EXPECT_EQ(turned.video()->rotation, 90);
    EXPECT_EQ(turned.width, 180);
    EXPECT_EQ(turned.height, 320);
    const SourceInfo woven = probeSource(sharedClip(Clip::Interlaced));
    EXPECT_EQ(woven.fieldOrder, FieldOrder::TopFirst);
    EXPECT_NEAR(woven.displayAspect, 4.0 / 3.0, 0.01);
    const SourceInfo tracks = probeSource(sharedClip(Clip::Tracks));
    ASSERT_EQ(tracks.streams.size(), 4);
    EXPECT_TRUE(tracks.streams.at(2).isDefault);
    EXPECT_EQ(tracks.streams.at(2).language, QStringLiteral("eng"));
    EXPECT_EQ(tracks.streams.at(3).codec, QStringLiteral("subrip"));
}

// A probe that never answers, as on a stalled network share: the time limit
// and a cancel both end it, and no tool is left behind.
TEST(Sources, AProbeEndsAtItsTimeLimitOrWhenCancelled)
{
    const QString bundle = reel::test::makeBundle(QStringLiteral("Slow"), {}, false);
    const QString tools = bundle + QStringLiteral("/Contents/Resources/tools");
    QDir().mkpath(tools);
    const QString pidFile = reel::test::scratchDir() + QStringLiteral("/ffprobe.pid");
    const QString fake = reel::test::writeFile(
        tools + QStringLiteral("/ffprobe"), QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec sleep 60\n").arg(pidFile).toUtf8());
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle slow(bundle);

    const struct {
        const char *name;
        RunLimits limits;
        const char *fragment;
    } cases[] = {
        {"time limit", RunLimits{1000, {}}, "ffprobe gave no answer within 1 s"},
        {"cancel", RunLimits{60000, [asked = 0]() mutable { return ++asked > 6; }}, "ffprobe was cancelled"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(pidFile);
        QElapsedTimer clock;
        clock.start();
        const SourceInfo info = probeSource(clip, c.limits);
        EXPECT_LT(clock.elapsed(), 30000); // a hang would take the 60 s of the fake tool
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.fragment))) << info.error.toStdString();
        const pid_t pid = reel::test::readFile(pidFile).trimmed().toInt();
        ASSERT_GT(pid, 0);
        EXPECT_EQ(::kill(pid, 0), -1);
        EXPECT_EQ(errno, ESRCH);
    }
}
