// Conversions end to end with the real tools: an MP4 and a DVD stream, the
// progress on the way, cancel, sources that must never be overwritten,
// discs with their subtitles, and the sound evened out.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <jobs/authoring.h>
#include <jobs/batch.h>
#include <jobs/job.h>
#include <model/options.h>
#include <model/plan.h>
#include <model/tools.h>
#include <probing/probe.h>
#include <probing/toolfonts.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

// A two-pass MP4 of a target size from a file with two sound tracks and
// subtitles, then a one-pass MP4 of a quality, as one batch.
TEST(Conversion, AnMp4OfTheSizeAskedAndTheProgressOnTheWay)
{
    const Preset mp4 = presetById(u"mp4"_s).value();
    const QString tracks = sharedClip(Clip::Tracks);
    const Plan twoPass = planJobs({probeSource(tracks)}, mp4, sizeBudget(1), {}, outFolder());
    const Plan onePass = planJobs({probeSource(sharedClip(Clip::Silent))}, mp4, qualityBudget(30), {}, outFolder());
    ASSERT_EQ((twoPass.jobs + onePass.jobs).size(), 2);
    ConversionBatch batch(twoPass.jobs + onePass.jobs);
    QList<QList<float>> jobValues(2);
    QList<float> overall;
    QObject::connect(&batch, &ConversionBatch::progressChanged, [&](int index, float job, float all) {
        jobValues[index] << job;
        overall << all;
    });
    QSignalSpy finished(&batch, &ConversionBatch::finished);
    batch.start();
    ASSERT_TRUE(finished.wait(kWaitMs));

    EXPECT_EQ(batch.finishedCount(), 2);
    EXPECT_TRUE(batch.failures().isEmpty()) << batch.failures().join(u'\n').toStdString();
    for (const QList<float> &values : jobValues) {
        EXPECT_TRUE(std::is_sorted(values.cbegin(), values.cend()));
        EXPECT_EQ(values.last(), 100.0f);
    }
    // The first pass's end shows as half the two-pass job.
    EXPECT_TRUE(std::any_of(jobValues[0].cbegin(), jobValues[0].cend(), [](float v) { return v >= 45 && v <= 55; }));
    EXPECT_TRUE(std::is_sorted(overall.cbegin(), overall.cend()));

    // The sound track marked default is the one kept; the subtitles are text.
    const QString output = twoPass.jobs.first().output;
    EXPECT_NEAR(probe(output, u"format=duration"_s).toDouble(), probe(tracks, u"format=duration"_s).toDouble(), 0.1);
    EXPECT_EQ(probe(output, u"stream=codec_type"_s), u"video,audio,subtitle"_s);
    EXPECT_EQ(probe(output, u"stream_tags=language"_s, u"a"_s), u"eng"_s);
    EXPECT_EQ(probe(output, u"stream=codec_name"_s, u"s"_s), u"mov_text"_s);
    EXPECT_NEAR(reel::poidsFile(output, u"O"_s) / (1024.0 * 1024.0), 1.0, 0.05);
}

// The two-language clip (French, then English marked default, and English
// subtitles) with the sound and subtitles asked for on the command line.
TEST(Conversion, TheSoundAndSubtitleTracksAsked)
{
    const QString clip = sharedClip(Clip::Tracks);
    ASSERT_FALSE(clip.isNull());
    const struct {
        const char *name;
        QStringList arguments;
        const char *streams, *languages, *marked; // as ffprobe lists them; the sound's languages and defaults
    } cases[] = {
        {"all", {u"--audio"_s, u"all"_s, u"-q"_s, u"30"_s}, "video,audio,audio,subtitle", "fre,eng", "0,1"},
        {"by language, the first marked", {u"--audio"_s, u"en,fr"_s, u"--subtitle"_s, u"none"_s}, "video,audio,audio",
         "eng,fre", "1,0"},
        {"one by number", {u"--audio=1"_s, u"--subtitle=eng"_s}, "video,audio,subtitle", "fre", "1"},
        // A program stream keeps no languages (the disc does), and starts
        // with its navigation packets.
        {"a disc's", {u"-p"_s, u"dvd-pal"_s, u"--audio"_s, u"all"_s, u"--disc"_s}, "data,video,audio,audio", "", "0,0"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const ProgramRun run = convertWith(c.arguments + QStringList{u"-o"_s, folder, clip});
        ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
        const QString output = folder + u'/' + namesIn(folder).filter(QRegularExpression(u"\\.(mp4|mpg)$"_s)).value(0);
        EXPECT_EQ(probe(output, u"stream=codec_type"_s), QString::fromUtf8(c.streams));
        EXPECT_EQ(probe(output, u"stream_tags=language"_s, u"a"_s), QString::fromUtf8(c.languages));
        EXPECT_EQ(probe(output, u"stream_disposition=default"_s, u"a"_s), QString::fromUtf8(c.marked));
    });
    const ProgramRun missing = convertWith({u"--audio"_s, u"7"_s, u"-o"_s, outFolder(u"none"_s), clip});
    EXPECT_EQ(missing.exitCode, kExitUsage);
    EXPECT_TRUE(missing.err.contains(u"tracks: no sound track #7: its sound tracks are #1, #2"_s)) << missing.err.toStdString();
}

namespace {

// How much two outputs' pictures differ at a time: the share of their
// pixels whose grey levels are more than a third of the scale apart, as
// drawn letters are and an encoder's differences are not.
double pictureDifference(const QString &a, const QString &b, double seconds)
{
    QList<QByteArray> frames;
    for (const QString &video : {a, b}) {
        const QString raw = video + u".raw"_s;
        ffmpeg({u"-ss"_s, QString::number(seconds), u"-i"_s, video, u"-frames:v"_s, u"1"_s, u"-f"_s, u"rawvideo"_s,
                u"-pix_fmt"_s, u"gray"_s, raw});
        frames << reel::test::readFile(raw);
    }
    if (frames.at(0).size() != frames.at(1).size() || frames.at(0).isEmpty())
        return -1;
    qsizetype apart = 0;
    for (qsizetype i = 0; i < frames.at(0).size(); ++i)
        apart += std::abs(int(quint8(frames.at(0).at(i))) - int(quint8(frames.at(1).at(i)))) > 85;
    return double(apart) / double(frames.at(0).size());
}

} // namespace

// Text subtitles (the clip's SubRip track, from a folder whose name a filter
// graph would misread) and picture subtitles (a disc's, made from SubRip by
// spumux) drawn into the picture: it changes where a cue is shown, and only
// there. The cue "Hello" runs from 0.5 s to 1.5 s.
TEST(Conversion, SubtitlesDrawnIntoThePictureWhereTheirCuesAre)
{
    const QString odd = outFolder(u"it's: [odd], name"_s);
    const QString text = odd + u"/tracks.mkv"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Tracks), text));
    const QString disc = outFolder(u"disc"_s);
    reel::test::writeFile(disc + u"/silent.srt"_s, "1\n00:00:00,500 --> 00:00:01,500\nHello\n");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), disc + u"/silent.mp4"_s));
    const ProgramRun authored = convertWith({u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"3000"_s, u"--disc"_s, u"-o"_s, disc,
                                             disc + u"/silent.mp4"_s});
    ASSERT_EQ(authored.exitCode, kExitOk) << authored.err.toStdString();
    const QString vob = disc + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s;
    const QString pictures = probe(vob, u"stream=index"_s, u"s"_s);
    ASSERT_FALSE(pictures.isEmpty());
    const struct {
        const char *name;
        QString source, burn;
    } cases[] = {
        {"text", text, u"eng"_s},
        {"pictures", vob, pictures},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString plain = outFolder(u"plain %1"_s.arg(QString::fromUtf8(c.name)));
        const QString drawn = outFolder(u"drawn %1"_s.arg(QString::fromUtf8(c.name)));
        const QStringList common{u"-q"_s, u"18"_s, u"--subtitle"_s, u"none"_s};
        ASSERT_EQ(convertWith(common + QStringList{u"-o"_s, plain, c.source}).exitCode, kExitOk);
        const ProgramRun run = convertWith(common + QStringList{u"--burn-subtitle"_s, c.burn, u"-o"_s, drawn, c.source});
        ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
        const QString name = u"/"_s + namesIn(drawn).value(0);
        EXPECT_EQ(probe(drawn + name, u"stream=codec_type"_s, u"s"_s), QString());
        // "World" follows from 2.0 s in the text.
        EXPECT_GT(pictureDifference(plain + name, drawn + name, 1.0), 0.0005);
        EXPECT_LT(pictureDifference(plain + name, drawn + name, 1.8), 0.0002);
    });

    // On another DVD the title's own subpictures stay, beside the disc's.
    const QString again = outFolder(u"again"_s);
    ASSERT_TRUE(QFile::copy(vob, again + u"/title.vob"_s));
    reel::test::writeFile(again + u"/title.srt"_s, "1\n00:00:00,500 --> 00:00:01,500\nAgain\n");
    const ProgramRun kept = convertWith({u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"3000"_s, u"--disc"_s, u"-o"_s, again,
                                         again + u"/title.vob"_s});
    ASSERT_EQ(kept.exitCode, kExitOk) << kept.err.toStdString();
    EXPECT_EQ(probe(again + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s, u"stream=codec_name"_s, u"s"_s),
              u"dvd_subtitle,dvd_subtitle"_s);
}

// A 1080p clip made 720p, and a letterboxed one (a 2.35:1 picture in a
// 16:9 frame) without its bars, found by cropdetect: no bars are left to
// find in the output.
TEST(Conversion, APictureMadeSmallerAndItsBarsCut)
{
    const QString s = reel::test::scratchDir();
    const QString full = s + u"/full hd.mp4"_s, boxed = s + u"/boxed.mp4"_s;
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=1920x1080:rate=25:duration=1"_s)
                       + QStringList{u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, full}));
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=640x272:rate=25:duration=2"_s)
                       + QStringList{u"-vf"_s, u"pad=640:360:0:44:black"_s, u"-c:v"_s, u"libx264"_s, u"-preset"_s,
                                     u"ultrafast"_s, boxed}));
    EXPECT_EQ(measureBlackBars(probeSource(boxed)), (Bars{44, 44, 0, 0}));
    const struct {
        const char *name;
        QString source;
        QStringList arguments;
        const char *size;
    } cases[] = {
        {"720p", full, {u"--max-size"_s, u"1280x720"_s}, "1280,720"},
        {"bars cut", boxed, {u"--crop"_s, u"auto"_s}, "640,272"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const ProgramRun run = convertWith(c.arguments + QStringList{u"-q"_s, u"30"_s, u"-o"_s, folder, c.source});
        ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
        const QString output = folder + u'/' + namesIn(folder).value(0);
        EXPECT_EQ(probe(output, u"stream=width,height"_s, u"v:0"_s), QString::fromUtf8(c.size));
        SourceInfo converted = probeSource(output);
        ASSERT_TRUE(converted.usable()) << converted.error.toStdString();
        EXPECT_FALSE(measureBlackBars(converted).any());
    });
}

TEST(Conversion, APartOfTheVideoLastsWhatWasAskedWithinAFrame)
{
    const QString clip = reel::test::scratchDir() + u"/six seconds.mp4"_s;
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=320x240:rate=25:duration=6"_s) + lavfi(u"sine=duration=6"_s)
                       + QStringList{u"-c:v"_s, u"libx264"_s, u"-g"_s, u"250"_s, u"-preset"_s, u"ultrafast"_s,
                                     u"-shortest"_s, clip}));
    const struct {
        const char *name;
        QStringList arguments;
        double seconds;
    } cases[] = {
        {"a start far from a key frame, for a while", {u"--start"_s, u"2.5"_s, u"--duration"_s, u"0:02"_s}, 2},
        {"two passes to a stop", {u"--start"_s, u"1"_s, u"--stop"_s, u"4.2"_s, u"-s"_s, u"1"_s}, 3.2},
        {"from a start to the end", {u"--start"_s, u"4s"_s}, 2},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const ProgramRun run = convertWith(c.arguments + QStringList{u"-o"_s, folder, clip});
        ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
        const QString output = folder + u'/' + namesIn(folder).value(0);
        EXPECT_NEAR(probe(output, u"stream=duration"_s, u"v:0"_s).toDouble(), c.seconds, 0.04);
        EXPECT_NEAR(probe(output, u"stream=duration"_s, u"a:0"_s).toDouble(), c.seconds, 0.05);
    });
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
        EXPECT_TRUE(reel::testPresenceC(dvd + u"/VIDEO_TS/VIDEO_TS.IFO"_s));
    });
}

TEST(Conversion, CancelStopsTheToolAndLeavesNoPartialFile)
{
    // Cancelled as soon as the output of the first of two passes has begun.
    const QString folder = outFolder();
    ConversionJob job(planOne(sharedClip(Clip::Long), u"mp4"_s, bitrateBudget(2000), folder));
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
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, root + u"/link/"_s, {}), film));
    source.title = u"hard"_s;
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, real, {}), film));
    source.title = u"alias"_s;
    EXPECT_FALSE(isSameFile(outputPathFor(source, mp4, root, {}), film));

    // ...and by the job, should an output be named the source anyway.
    for (const QString &output : {real + u"/hard.mp4"_s, root + u"/alias.mp4"_s, root + u"/link/../real/film.mp4"_s}) {
        SCOPED_TRACE(output.toStdString());
        JobSettings job = planOne(film, u"mp4"_s, qualityBudget(30), real);
        job.output = output;
        job.overwrite = true;
        ConversionJob conversion(job);
        runToEnd(conversion);
        EXPECT_EQ(conversion.state(), ConversionJob::State::Failed);
        EXPECT_TRUE(conversion.error().contains(u"is the source itself"_s)) << conversion.error().toStdString();
        EXPECT_TRUE(reel::test::readFile(film) == before);
    }
}

// Videos with subtitles beside them become one disc and its image, among
// them subtitle files that once broke spumux: each title keeps its
// subpicture stream and its length, the cues thinned before spumux are
// counted, and a video without subtitles gets none.
TEST(Disc, VideosBecomeADiscWithTheirSubtitlesAndAnImage)
{
    const QString s = reel::test::scratchDir();
    const auto srt = [](const QList<Cue> &cues) { return writeSrt(cues).toUtf8(); };
    QList<Cue> milliseconds{Cue{0, 1000, u"Hello"_s}};
    for (int i = 0; i < 10000; ++i)
        milliseconds << Cue{1000 + i, 1001 + i, QString::number(i)};
    QList<Cue> dense; // within 2 s, half a second each
    for (int i = 0; i < 10000; ++i)
        dense << Cue{i / 5, i / 5 + 500, u"line %1"_s.arg(i)};
    const struct {
        const char *name;
        Clip clip;
        QByteArray text;      // the subtitles beside it, in UTF-8; null: none
        const char *encoding; // the file's, when not UTF-8
        QString says;         // in the line of its subtitles
    } cases[] = {
        {"Russian written on Windows", Clip::Ntsc2997,
         u"1\r\n00:00:00,300 --> 00:00:01,400\r\nПривет, мир!\r\n\r\n2\r\n00:00:01,500 --> 00:00:02,600\r\n"
         "<i>Вторая</i> строка субтитров\r\n\r\n3\r\n00:00:09,000 --> 00:00:10,000\r\nПосле конца\r\n"_s.toUtf8(),
         "WINDOWS-1251", u"(3 cues, Cyrillic (Windows), 1 left out)"_s},
        {"Shift JIS Japanese, in a font spumux survives", Clip::Silent,
         u"1\r\n00:00:00,300 --> 00:00:01,400\r\nこんにちは、世界！\r\n\r\n2\r\n00:00:01,500 --> 00:00:02,600\r\n"
         "日本語の 字幕 です\r\n"_s.toUtf8(), "SHIFT_JIS", u"(2 cues, Japanese (Shift JIS))"_s},
        // The first cue takes seven, the others are past the end or alone.
        {"ten thousand millisecond cues", Clip::Silent, srt(milliseconds), nullptr,
         u"(10001 cues, UTF-8, 9993 left out)"_s},
        // Joined eight at a time, then cut to a few milliseconds by the next.
        {"ten thousand cues within two seconds", Clip::Silent, srt(dense), nullptr,
         u"(10000 cues, UTF-8, 9992 left out)"_s},
        {"a cue exactly one frame long", Clip::Silent,
         srt({Cue{1000, 1040, u"one frame"_s}, Cue{2000, 2039, u"less"_s}}), nullptr, u"(2 cues, UTF-8, 1 left out)"_s},
        {"no subtitles", Clip::Silent, {}, nullptr, {}},
    };
    const QString folder = outFolder();
    QStringList arguments{u"-p"_s, u"dvd-pal"_s, u"--disc"_s, u"-b"_s, u"2000"_s, u"-o"_s, folder};
    QStringList names{u"DVD"_s, u"DVD.iso"_s};
    for (qsizetype i = 0; i < std::size(cases); ++i) {
        const QString clip = sharedClip(cases[i].clip);
        arguments << s + u"/Title %1."_s.arg(i + 1) + QFileInfo(clip).suffix();
        names << u"Title %1.mpg"_s.arg(i + 1);
        ASSERT_TRUE(QFile::copy(clip, arguments.last()));
        const QString beside = s + u"/Title %1.srt"_s.arg(i + 1);
        if (cases[i].encoding) {
            const QString utf8 = reel::test::writeFile(s + u"/utf8.srt"_s, cases[i].text);
            ASSERT_EQ(runProgram(u"iconv"_s, {u"-f"_s, u"UTF-8"_s, u"-t"_s, QString::fromUtf8(cases[i].encoding), u"-o"_s,
                                              beside, utf8}).exitCode, 0);
        } else if (!cases[i].text.isNull()) {
            reel::test::writeFile(beside, cases[i].text);
        }
    }
    const ProgramRun run = convertWith(arguments);
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString() << run.out.toStdString();
    EXPECT_FALSE(run.err.contains(u"could not be rendered"_s)) << run.err.toStdString();
    for (qsizetype i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        const QString vob = folder + u"/DVD/VIDEO_TS/VTS_0%1_1.VOB"_s.arg(i + 1);
        EXPECT_NEAR(probe(vob, u"format=duration"_s).toDouble(), 3.0, 0.2);
        EXPECT_EQ(probe(vob, u"stream=codec_type"_s).contains(u"subtitle"_s), !cases[i].says.isEmpty());
        if (!cases[i].says.isEmpty())
            EXPECT_TRUE(run.out.contains(u"subtitles of Title %1: %2/Title %1.srt %3"_s.arg(i + 1).arg(s, cases[i].says)))
                << run.out.toStdString();
    }
    // The image, made by the xorriso the machine has (the bundle has none),
    // and nothing else, hidden or not.
    EXPECT_GT(reel::poidsFile(folder + u"/DVD.iso"_s, u"O"_s),
              reel::poidsFile(folder + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s, u"O"_s));
    EXPECT_EQ(namesIn(folder), names);
    EXPECT_EQ(namesIn(folder + u"/DVD"_s), (QStringList{u"AUDIO_TS"_s, u"VIDEO_TS"_s}));
    // spumux found the program's fonts through the link to its bundle.
    QDirIterator link(reel::systemTemporaryFolder(), {u"app.app"_s}, QDir::System | QDir::AllEntries, QDirIterator::Subdirectories);
    ASSERT_TRUE(link.hasNext());
    EXPECT_TRUE(QFileInfo(link.next()).isSymLink());
}

// The font for a script DejaVu Sans lacks, among what fc-match lists, with
// a spumux that crashes on some fonts as real ones do.
TEST(Disc, SubtitleFontIsOneSpumuxSurvives)
{
    const QString s = reel::test::scratchDir();
    const QString crashes = s + u"/Crashes.ttf"_s, draws = s + u"/Draws.ttf"_s;
    const QString asked = s + u"/fc-match asked"_s;
    const QString bundle = bundleWithTool(
        u"spumux"_s, "#!/bin/sh\nfor last; do :; done\nif grep -q Crashes \"$last\"; then kill -SEGV $$; fi\nexit 0\n");
    const Preset pal = *presetById(u"dvd-pal"_s);
    const QList<Cue> japanese{Cue{0, 1000, u"こんにちは"_s}}, russian{Cue{0, 1000, u"Привет"_s}};
    const struct {
        const char *name;
        QList<Cue> cues;
        QString fonts; // what fc-match lists: file, tab, languages
        QString font;
        bool remark;   // that the letters show as boxes
    } cases[] = {
        {"a font that crashes spumux passed over", japanese, u"%1\tja|en\n%2\tja\n"_s.arg(crashes, draws), draws, false},
        {"a font without the language not tried", japanese, u"%1\tko|en\n"_s.arg(draws), u"DejaVu Sans"_s, true},
        {"every font of the language crashes spumux", japanese, u"%1\tja\n"_s.arg(crashes), u"DejaVu Sans"_s, true},
        {"text DejaVu Sans draws asks for nothing", russian, u"%1\tru\n"_s.arg(draws), u"DejaVu Sans"_s, false},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        QFile::remove(asked);
        reel::test::writeFile(bundle + u"/Contents/Resources/tools/fc-match"_s,
                              u"#!/bin/sh\necho \"$@\" > '%1'\nprintf '%2'\n"_s.arg(asked, c.fonts).toUtf8());
        QFile::setPermissions(bundle + u"/Contents/Resources/tools/fc-match"_s,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        reel::test::ScopedBundle scoped(bundle);
        QStringList remarks;
        EXPECT_EQ(subtitleFontFor(c.cues, pal, &remarks), c.font);
        // A second title in the same script adds no second remark.
        subtitleFontFor(c.cues, pal, &remarks);
        EXPECT_EQ(remarks.size(), c.remark ? 1 : 0) << remarks.join(u'|').toStdString();
        EXPECT_EQ(QFile::exists(asked), c.font != u"DejaVu Sans"_s || c.remark);
    });
}

// What is left when the disc is cancelled, or its image tool fails after
// writing part of the image.
TEST(Disc, CancelDuringAuthoringLeavesNoDiscFolder)
{
    const QString folder = outFolder();
    const DiscJob job = discOf(folder, 2, 2);
    const QString failingImage = bundleWithTool(
        u"genisoimage"_s, "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\necho partial > \"$2\"\nexit 1\n");
    const struct {
        const char *name;
        bool cancel;
        DiscAuthoring::State state;
        QStringList names; // in the folder afterwards
    } cases[] = {
        {"cancelled while authoring", true, DiscAuthoring::State::Cancelled, {u"titles.mpg"_s}},
        // The disc is kept, but the image asked for is a problem: the run failed.
        {"an image tool that fails", false, DiscAuthoring::State::Finished, {u"DVD"_s, u"titles.mpg"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const auto tools = toolsOf(c.cancel ? QString() : failingImage);
        DiscAuthoring disc(job);
        QObject::connect(&disc, &DiscAuthoring::stepChanged, &disc, [&](const QString &step) {
            if (c.cancel && step == "Authoring the DVD"_L1)
                QTimer::singleShot(0, &disc, [&disc] { disc.cancel(); });
        });
        QSignalSpy finished(&disc, &DiscAuthoring::finished);
        disc.start();
        ASSERT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
        EXPECT_EQ(disc.state(), c.state) << disc.error().toStdString();
        EXPECT_EQ(namesIn(folder), c.names);
        EXPECT_EQ(disc.problems().join(u'|').contains(u"the ISO image could not be made: genisoimage failed with code 1"_s),
                  !c.cancel)
            << disc.problems().join(u'|').toStdString();
    });
}

TEST(Normalize, QuietSoundComesOutEven)
{
    // A whisper: a sine at a twentieth of full scale.
    const QString quiet = reel::test::scratchDir() + u"/quiet.mkv"_s;
    ffmpeg(lavfi(u"testsrc2=size=160x120:rate=25:duration=3"_s)
           + lavfi(u"sine=frequency=440:sample_rate=48000:duration=3"_s) + QStringList{u"-af"_s, u"volume=0.05"_s, u"-c:v"_s, u"mpeg4"_s, u"-c:a"_s, u"pcm_s16le"_s, quiet});
    const auto meanVolume = [](const QString &path) {
        const ProgramRun run = runProgram(toolPath(u"ffmpeg"_s), {u"-nostdin"_s, u"-i"_s, path, u"-vn"_s,
                                           u"-af"_s, u"volumedetect"_s, u"-f"_s, u"null"_s, u"-"_s});
        static const QRegularExpression mean(u"mean_volume: (-?[0-9.]+) dB"_s);
        return mean.match(run.err).captured(1).toDouble();
    };
    // An output of that name is replaced, as -y asks.
    const QString folder = outFolder();
    reel::test::writeFile(folder + u"/quiet.mp4"_s, "precious");
    const ProgramRun run = convertWith({u"--normalize"_s, u"-y"_s, u"-o"_s, folder, quiet});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
    // ffmpeg's sine peaks at an eighth of full scale: with the whisper, its
    // mean lies at -18 - 26 - 3 = -47 dBFS. normalize brings the sound to
    // its -12 dBFS.
    EXPECT_NEAR(meanVolume(quiet), -47.0, 1.0);
    EXPECT_NEAR(meanVolume(folder + u"/quiet.mp4"_s), -12.0, 1.5);
    EXPECT_EQ(namesIn(folder), QStringList{u"quiet.mp4"_s});
}
