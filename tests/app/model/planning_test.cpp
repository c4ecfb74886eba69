// What is decided before anything runs: presets, the budget, the picture,
// the tracks, what ffprobe said, the command line, the batch plan, the file
// names, the disc's chapters and budget, and the subtitles.
#include "clips.h"
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"
#include "tables.h"

#include <model/budget.h>
#include <model/command.h>
#include <model/disc.h>
#include <model/options.h>
#include <model/picture.h>
#include <model/placement.h>
#include <model/plan.h>
#include <model/presets.h>
#include <model/source.h>
#include <model/subtitles.h>
#include <model/tracks.h>
#include <model/verify.h>

#include <gtest/gtest.h>

#include <QDir>


using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

Preset preset(const char *id)
{
    return presetById(QString::fromUtf8(id)).value();
}

QStringList args(std::initializer_list<const char *> words)
{
    QStringList list{u"reelkit-convert"_s};
    for (const char *word : words)
        list << QString::fromUtf8(word);
    return list;
}

// A picture of that shape and scan at that rate.
SourceInfo pictureSource(double shape, FieldOrder order = FieldOrder::Progressive, float fps = 25)
{
    SourceInfo source = sourceWith({stream(0, "video", "h264")});
    source.streams[0].fps = fps;
    source.streams[0].fieldOrder = order;
    source.displayAspect = float(shape);
    source.fieldOrder = order;
    return source;
}

JobSettings planned(const SourceInfo &source, const char *id, const Budget &budget)
{
    JobSettings job;
    QString problem;
    EXPECT_TRUE(planJob(source, preset(id), budget, {}, &job, &problem)) << problem.toStdString();
    return job;
}

QString valueAfter(const QStringList &words, const char *option)
{
    const qsizetype at = words.indexOf(QString::fromUtf8(option));
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

// A film of that length as ffprobe describes it, with sound.
SourceInfo film(float seconds)
{
    return sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac")}, seconds);
}

QString cueList(const QList<Cue> &cues)
{
    QStringList shown;
    for (const Cue &cue : cues)
        shown << u"%1-%2 %3"_s.arg(cue.startMs).arg(cue.endMs).arg(QString(cue.text).replace(u'\n', u'/'));
    return shown.join(u'|');
}

} // namespace

TEST(Presets, RatesAsFfmpegTakesThem)
{
    const struct {
        float fps;
        const char *name; // as ffmpeg takes it
    } rates[] = {{25.0f, "25"}, {29.97f, "30000/1001"}, {23.98f, "24000/1001"}, {12.5f, "25/2"}};
    reel::test::forEachCase(rates, [](const auto &c) { EXPECT_EQ(ffmpegRate(c.fps), QString::fromUtf8(c.name)); });
    // Rounded to the second as a person reads it, and to the hundredth.
    EXPECT_EQ(durationText(62.5f), u"0h01'03\" (0:01:02.50)"_s);
}

TEST(Commands, BothPassesDecodeTheSameFramesAndOnlyTheLastWrites)
{
    const SourceInfo source = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac"),
                                          stream(2, "audio", "aac", true, "eng"), stream(3, "subtitle", "subrip")});
    for (const char *id : {"mp4", "mp4-hevc"}) {
        SCOPED_TRACE(id);
        const JobSettings job = planned(source, id, bitrateBudget(900));
        ASSERT_EQ(passCount(job), 2);
        const QString out = u"/out/a.mp4"_s;
        const QStringList first = passArguments(job, 1, u"/tmp/with:colon/log"_s, out);
        const QStringList second = passArguments(job, 2, u"/tmp/with:colon/log"_s, out);
        // Frame timing and filters decide which frames the encoder sees.
        for (const char *option : {"-vf", "-fps_mode", "-b:v", "-i"})
            EXPECT_EQ(valueAfter(first, option), valueAfter(second, option)) << option;
        EXPECT_EQ(valueAfter(first, "-fps_mode"), u"vfr"_s);
        EXPECT_EQ(first.last(), u"/dev/null"_s);
        EXPECT_TRUE(first.contains(u"-an"_s));
        EXPECT_EQ(second.last(), out);
        EXPECT_TRUE(second.contains(u"0:2"_s));
        EXPECT_FALSE(second.contains(u"0:1"_s));
        EXPECT_EQ(valueAfter(second, "-c:s"), u"mov_text"_s);
    }
    // x265 reads its statistics path from a colon-separated list.
    const JobSettings hevc = planned(source, "mp4-hevc", bitrateBudget(900));
    EXPECT_TRUE(valueAfter(passArguments(hevc, 1, u"/tmp/with:colon/log"_s, QString()), "-x265-params")
                    .endsWith(u":pass=1:stats=/tmp/with\\:colon/log-0.log"_s));

    // A quality is one pass; a silent source maps no sound.
    const JobSettings quality = planned(sourceWith({stream(0, "video", "h264")}), "mp4", qualityBudget(20));
    EXPECT_EQ(passCount(quality), 1);
    const QStringList only = passArguments(quality, 1, QString(), u"/out/a.mp4"_s);
    EXPECT_EQ(valueAfter(only, "-crf"), u"20"_s);
    EXPECT_FALSE(only.contains(u"-pass"_s));
    EXPECT_FALSE(only.contains(u"-c:a:0"_s));
    // A file whose sound comes first still gets its sound encoded.
    const JobSettings soundFirst =
        planned(sourceWith({stream(0, "audio", "aac"), stream(1, "video", "h264")}), "mp4", qualityBudget(20));
    EXPECT_EQ(valueAfter(passArguments(soundFirst, 1, QString(), u"/out/a.mp4"_s), "-c:a:0"), u"aac"_s);

    EXPECT_EQ(shellLine(u"/bin/ffmpeg"_s, {u"-i"_s, u"/my films/it's.mkv"_s, u"scale=trunc(iw/2)*2"_s, u"|"_s}),
              u"/bin/ffmpeg -i '/my films/it'\\''s.mkv' 'scale=trunc(iw/2)*2' '|'"_s);
}

TEST(Commands, EachSoundTrackIsEncodedOrCopiedAndOneIsMarkedDefault)
{
    StreamInfo small = stream(2, "audio", "aac", false, "eng");
    small.channels = 2;
    small.kbps = 128;
    StreamInfo large = small;
    large.index = 3;
    large.kbps = 256;
    const SourceInfo source = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "ac3", true, "fre"), small, large});
    JobSettings job = planned(source, "mp4", qualityBudget(23));
    job.tracks = chooseTracks(source, preset("mp4"), TrackRequest{.audio = TrackRequest::Pick::Listed,
                                                                   .audioListed = {u"3"_s, u"2"_s, u"1"_s}});
    const QStringList words = passArguments(job, 1, QString(), u"/out/a.mp4"_s);
    const QString line = words.join(u' ');
    EXPECT_TRUE(line.contains(u"-map 0:0 -map 0:3 -map 0:2 -map 0:1 "_s)) << line.toStdString();
    // An AAC track within the presets' sound is copied; one above it, or
    // another codec, is encoded.
    EXPECT_EQ(valueAfter(words, "-c:a:0"), u"aac"_s);
    EXPECT_EQ(valueAfter(words, "-c:a:1"), u"copy"_s);
    EXPECT_EQ(valueAfter(words, "-c:a:2"), u"aac"_s);
    EXPECT_FALSE(words.contains(u"-filter:a:1"_s));
    EXPECT_EQ(valueAfter(words, "-disposition:a:0"), u"default"_s);
    EXPECT_EQ(valueAfter(words, "-disposition:a:2"), u"0"_s);
    // Evened sound stands in for the first track, and is never copied.
    job.soundInput = u"/work/even.wav"_s;
    job.tracks.audio = {2, 1};
    const QStringList evened = passArguments(job, 1, QString(), u"/out/a.mp4"_s);
    EXPECT_TRUE(evened.join(u' ').contains(u"-map 1:a:0 -map 0:1 "_s)) << evened.join(u' ').toStdString();
    EXPECT_EQ(valueAfter(evened, "-c:a:0"), u"aac"_s);
    EXPECT_EQ(valueAfter(soundArguments(job, u"/work/a.wav"_s), "-map"), u"0:2"_s);
}

TEST(Budget, QualitiesTargetSizesAndBitrates)
{
    // Worked by hand: a target of S MB over 10 s leaves S x 1024 x 1024 x 8 /
    // 1000 kilobits, less 192 kb/s of sound, less the container's share; an
    // estimate is the picture plus its share and the sound, in MB of
    // 1024 x 1024 bytes.
    const float duration = 10;
    const struct {
        const char *name;
        const char *preset;
        Budget budget;
        int soundTracks;
        bool ok;
        int videoKbps;
        double estimatedMB; // -1: unknown
        bool capped;
        const char *messageFragment;
    } cases[] = {
        {"a size with sound", "mp4", sizeBudget(5), true, true, 4002, 5, false, ""},
        {"a size without sound", "mp4", sizeBudget(5), false, true, 4194, 5, false, ""},
        {"a size with two sound tracks", "mp4", sizeBudget(5), 2, true, 3810, 5, false, ""},
        {"a DVD's size", "dvd-pal", sizeBudget(6), true, true, 4647, 6, false, ""},
        {"a size below the DVD's least bitrate", "dvd-pal", sizeBudget(1), true, false, 0, 0, false,
         "1 MB is too small for 0h00'10\" of video: it leaves 620 kb/s for the picture, and dvd-pal needs at least "
         "1000 kb/s (about 2 MB)"},
        {"a size above the DVD's top bitrate", "dvd-pal", sizeBudget(50), true, true, 8000, 10.1630, true, "stops at 8000"},
        {"no size", "mp4", sizeBudget(0), true, false, 0, 0, false, "at least 1 MB"},
        {"a bitrate", "mp4", bitrateBudget(1500), true, true, 1500, 2.0170, false, ""},
        {"a DVD's bitrate", "dvd-pal", bitrateBudget(4000), true, true, 4000, 5.1959, false, ""},
        {"a bitrate above the DVD's", "dvd-ntsc", bitrateBudget(9000), true, false, 0, 0, false, "1000 to 8000"},
        {"a quality", "mp4", qualityBudget(23), true, true, 0, -1, false, ""},
        {"a quality past the scale", "mp4", qualityBudget(52), true, false, 0, 0, false, "0 (best) to 51"},
        {"a quality for a DVD", "dvd-pal", qualityBudget(23), true, false, 0, 0, false, "no quality mode"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const BudgetPlan plan = planBudget(preset(c.preset), c.budget, duration, c.soundTracks);
        ASSERT_EQ(plan.ok, c.ok) << plan.message.toStdString();
        EXPECT_TRUE(plan.message.contains(QString::fromUtf8(c.messageFragment))) << plan.message.toStdString();
        if (!c.ok)
            return;
        EXPECT_EQ(plan.videoKbps, c.videoKbps);
        EXPECT_NEAR(plan.estimatedMB, c.estimatedMB, 0.0001);
        EXPECT_EQ(plan.capped, c.capped);
        if (c.budget.mode == Budget::Mode::Quality)
            EXPECT_EQ(plan.crf, c.budget.crf);
    });
    // 1 MB over 43.6 s is 8388.6 kilobits, of which the sound takes 8371.2.
    EXPECT_TRUE(planBudget(preset("mp4"), sizeBudget(1), 43.6f).message.contains(u"the sound alone fills it"_s));
    EXPECT_TRUE(planBudget(preset("mp4"), sizeBudget(10), 0).message.contains(u"duration of the source is unknown"_s));
}

TEST(Picture, DvdFramesKeepTheShapeBetweenBarsAndTheFieldsWhenTheyCan)
{
    // Worked by hand: a 4:3 frame of 720 pixels shows a 9:16 picture 720 x
    // (9/16) / (4/3) = 303.75 pixels wide; a 16:9 frame of 480 lines shows
    // a 2.35:1 picture 480 x (16/9) / 2.35 = 363.1 lines high.
    using F = FieldOrder;
    const struct {
        const char *name;
        const char *preset;
        double shape;
        F source;
        float fps;
        const char *picture; // "aspect width x height" in the frame; null for an MP4
        const char *pad;     // "" when the picture fills the frame
        F output;            // deinterlaced when interlaced fields become progressive
    } cases[] = {
        {"phone video upright", "dvd-pal", 9.0 / 16.0, F::Progressive, 25, "4:3 304x576", "pad=720:576:208:0:black",
         F::Progressive},
        {"wide television", "dvd-pal", 16.0 / 9.0, F::Progressive, 25, "16:9 720x576", "", F::Progressive},
        {"cinema scope", "dvd-ntsc", 2.35, F::Progressive, 25, "16:9 720x364", "pad=720:480:0:58:black", F::Progressive},
        {"within a percent of 16:9", "dvd-pal", 1.78, F::Progressive, 25, "16:9 720x576", "", F::Progressive},
        {"480i to NTSC DVD", "dvd-ntsc", 4.0 / 3.0, F::TopFirst, 29.97f, "4:3 720x480", "", F::TopFirst},
        {"DV (bottom first) to NTSC DVD", "dvd-ntsc", 4.0 / 3.0, F::BottomFirst, 29.97f, "4:3 720x480", "", F::BottomFirst},
        {"480i to PAL DVD", "dvd-pal", 4.0 / 3.0, F::TopFirst, 29.97f, "4:3 720x576", "", F::Progressive},
        {"576i to MP4", "mp4", 4.0 / 3.0, F::TopFirst, 25, nullptr, "", F::Progressive},
        {"unknown scan to MP4", "mp4", 4.0 / 3.0, F::Unknown, 25, nullptr, "", F::Progressive},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const PicturePlan plan = planPicture(pictureSource(c.shape, c.source, c.fps), preset(c.preset));
        if (c.picture) {
            EXPECT_EQ(u"%1 %2x%3"_s.arg(plan.aspect).arg(plan.pictureWidth).arg(plan.pictureHeight),
                      QString::fromUtf8(c.picture));
            EXPECT_EQ(plan.filters.last(), u"setdar=%1"_s.arg(plan.aspect).replace(':', '/'));
        }
        const QString pad = QString::fromUtf8(c.pad);
        EXPECT_EQ(plan.filters.filter(u"pad="_s), pad.isEmpty() ? QStringList() : QStringList{pad});
        EXPECT_EQ(plan.output, c.output);
        const bool deinterlace = isInterlaced(c.source) && !isInterlaced(c.output);
        EXPECT_EQ(plan.deinterlace, deinterlace);
        EXPECT_EQ(!plan.filters.filter(u"bwdif"_s).isEmpty(), deinterlace);
        // Fields kept apart are scaled apart.
        EXPECT_EQ(!plan.filters.filter(u"interl=1"_s).isEmpty(), isInterlaced(c.output));
    });
}

TEST(Picture, SizeCropNoiseAndScanAsAsked)
{
    using F = FieldOrder;
    using Crop = PictureRequest::Crop;
    using Scan = PictureRequest::Deinterlace;
    const auto frame = [](int width, int height, F order = F::Progressive, Bars bars = {}) {
        SourceInfo source = pictureSource(double(width) / height, order);
        source.width = width;
        source.height = height;
        source.blackBars = bars;
        return source;
    };
    const PictureRequest hd{.maxWidth = 1280, .maxHeight = 720};
    const PictureRequest letterbox{.crop = Crop::Given, .given = {140, 140, 0, 0}};
    const struct {
        const char *name;
        SourceInfo source;
        PictureRequest request;
        const char *preset;
        const char *size;     // of the output frame
        const char *filters;  // the chain, joined by ";"
        const char *problem = "";
    } cases[] = {
        {"1080p to 720p", frame(1920, 1080), hd, "mp4", "1280x720", "scale=1280:720"},
        {"a phone held upright into the same box", frame(1080, 1920), hd, "mp4", "720x1280", "scale=720:1280"},
        {"never larger than the source", frame(640, 360), hd, "mp4", "640x360", "scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"a height alone, the width made even", frame(1920, 1080), {.maxHeight = 480}, "mp4", "854x480", "scale=854:480"},
        {"bars given", frame(1920, 1080), letterbox, "mp4", "1920x800", "crop=1920:800:0:140;scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"bars found", frame(1920, 1080, F::Progressive, {140, 140, 0, 0}), {.crop = Crop::Auto}, "mp4", "1920x800",
         "crop=1920:800:0:140;scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"bars of odd sizes cut to even ones", frame(1920, 1080), {.crop = Crop::Given, .given = {141, 139, 3, 1}}, "mp4",
         "1918x802", "crop=1918:802:2:140;scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"bars that leave no picture", frame(1920, 1080), {.crop = Crop::Given, .given = {600, 600, 0, 0}}, "mp4", "0x0",
         "", "cropping 600:600:0:0 leaves no picture of 1920x1080"},
        {"noise, lightly", frame(640, 360), {.denoise = PictureRequest::Denoise::Light}, "mp4", "640x360",
         "hqdn3d=2:1.5:3:2.25;scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"deinterlaced though no one could tell", frame(640, 360, F::Unknown), {.deinterlace = Scan::On}, "mp4",
         "640x360", "bwdif=mode=send_frame:parity=auto:deint=all;scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        {"fields left as they are", frame(640, 360, F::TopFirst), {.deinterlace = Scan::Off}, "mp4", "640x360",
         "scale=trunc(iw/2)*2:trunc(ih/2)*2"},
        // Without its bars the picture is 2.4:1: a 16:9 frame with its own bars.
        {"a letterbox cropped onto a DVD", frame(1920, 1080), letterbox, "dvd-pal", "720x576",
         "crop=1920:800:0:140;fps=25;scale=720:428;pad=720:576:0:74:black;setdar=16/9"},
        // Noise is not taken out of fields kept apart.
        {"noise in fields kept for a DVD", frame(720, 576, F::TopFirst), {.denoise = PictureRequest::Denoise::Strong},
         "dvd-pal", "720x576", "fps=25;scale=676:576:interl=1;pad=720:576:22:0:black;setdar=4/3"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const PicturePlan plan = planPicture(c.source, preset(c.preset), false, c.request);
        EXPECT_EQ(plan.problem, QString::fromUtf8(c.problem));
        EXPECT_EQ(u"%1x%2"_s.arg(plan.width).arg(plan.height), QString::fromUtf8(c.size));
        EXPECT_EQ(plan.filters.join(u';'), QString::fromUtf8(c.filters));
    });
}

TEST(Picture, WordsOfTheCommandLineAndWhatCropdetectSays)
{
    const struct {
        const char *name, *maxSize, *height, *crop, *denoise, *scan;
        const char *error; // fragment; "" when read
    } cases[] = {
        {"all read", "1280X720", "", "12:12:0:0", "strong", "ON", ""},
        {"a size without its height", "1280", "", "", "", "", "--max-size takes"},
        {"a size too small", "8x8", "", "", "", "", "--max-size takes"},
        {"a height in words", "", "tall", "", "", "", "--height takes"},
        {"three sides", "", "", "1:2:3", "", "", "--crop takes"},
        {"negative bars", "", "", "-1:0:0:0", "", "", "--crop takes"},
        {"a strength unknown", "", "", "", "medium", "", "--denoise takes"},
        {"a scan unknown", "", "", "", "", "sometimes", "--deinterlace takes"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        PictureRequest request;
        QString error;
        const bool read = readPictureWords(QString::fromUtf8(c.maxSize), QString::fromUtf8(c.height),
                                           QString::fromUtf8(c.crop), QString::fromUtf8(c.denoise),
                                           QString::fromUtf8(c.scan), &request, &error);
        EXPECT_EQ(read, !*c.error);
        EXPECT_EQ(error.left(int(qstrlen(c.error))), QString::fromUtf8(c.error));
    });
    // The last line of a run counts; one that does not fit the picture is none.
    const QString log = u"[Parsed_cropdetect_0 @ 0x5] x1:0 x2:1919 y1:138 y2:941 w:1920 h:800 x:0 y:140 pts:1 t:0.04 "
                        "crop=1920:800:0:140\n[Parsed_cropdetect_0 @ 0x5] crop=1916:800:2:140\n"_s;
    EXPECT_EQ(barsFromCropdetect(log, 1920, 1080), (Bars{140, 140, 2, 2}));
    EXPECT_EQ(barsFromCropdetect(log, 1280, 720), Bars{});
    EXPECT_EQ(barsFromCropdetect(u"crop=0:0:0:0"_s, 1920, 1080), Bars{});
    // A dark scene at one point does not cut the others' picture.
    EXPECT_EQ(commonBars({Bars{140, 140, 0, 0}, Bars{300, 290, 200, 200}, Bars{138, 142, 0, 0}}), (Bars{138, 140, 0, 0}));
    EXPECT_EQ(parseOptions(args({"-p", "dvd-pal", "--max-size", "1280x720"})).error,
              u"--max-size and --height are for MP4 presets: a DVD's frame is fixed"_s);
}

TEST(Tracks, TheDefaultSoundTextSubtitlesAndWhatWasDropped)
{
    const QList<StreamInfo> many{stream(0, "video", "h264"), stream(1, "audio", "aac", false, "fre"),
                                 stream(2, "audio", "ac3", true, "eng"), stream(3, "subtitle", "subrip", false, "eng"),
                                 stream(4, "subtitle", "hdmv_pgs_subtitle"), stream(5, "attachment", "ttf")};
    StreamInfo cover = stream(1, "video", "png");
    cover.attachedPicture = true;
    const struct {
        const char *name;
        QList<StreamInfo> streams;
        const char *preset;
        const char *summary;
    } cases[] = {
        {"second track marked default, picture subtitles", many, "mp4",
         "kept video #0 (h264, 320x240), audio #2 (ac3, eng, default), subtitles #3 (subrip, eng) as MP4 text subtitles; "
         "dropped audio #1 (aac, fre): one sound track is kept, subtitles #4 (hdmv_pgs_subtitle): picture subtitles"},
        {"DVD", many, "dvd-pal", "DVD subtitles are made when the disc is authored"},
        {"none marked default", {stream(0, "video", "h264"), stream(1, "audio", "aac"), stream(2, "audio", "aac")},
         "mp4", "kept video #0 (h264, 320x240), audio #1 (aac); dropped audio #2 (aac): one sound track is kept"},
        {"silent", {stream(0, "video", "h264")}, "mp4", "kept video #0 (h264, 320x240) (no sound)"},
        {"cover art", {stream(0, "video", "h264"), cover}, "mp4", "a cover picture"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const QString summary = trackSummary(chooseTracks(sourceWith(c.streams), preset(c.preset)));
        EXPECT_TRUE(summary.contains(QString::fromUtf8(c.summary))) << summary.toStdString();
    });
    // A silent source spends nothing on sound (as the budget's worked example).
    EXPECT_EQ(planned(sourceWith({stream(0, "video", "h264")}), "mp4", sizeBudget(5)).videoKbps, 4194);
}

TEST(Tracks, ChosenByNumberOrLanguageInTheOrderAsked)
{
    QList<StreamInfo> streams{stream(0, "video", "h264"),          stream(1, "audio", "aac", true, "fre"),
                              stream(2, "audio", "ac3", false, "eng"), stream(3, "subtitle", "subrip", false, "eng"),
                              stream(4, "subtitle", "ass", false, "fre"), stream(5, "subtitle", "hdmv_pgs_subtitle", false, "eng")};
    QList<StreamInfo> nine{stream(0, "video", "h264")};
    for (int i = 1; i <= 9; ++i)
        nine << stream(i, "audio", "aac");
    const struct {
        const char *name;
        QList<StreamInfo> streams;
        const char *preset, *audio, *subtitles; // the option's value; "" when not given
        QList<int> kept;                        // sound tracks, in the output's order
        int marked;                             // the one marked default
        QList<int> subtitled;
        const char *says = "";                  // in the summary, the remarks or the refusal
    } cases[] = {
        {"as before", streams, "mp4", "", "", {1}, 1, {3, 4}, "audio #2 (ac3, eng): one sound track is kept"},
        {"all, the source's default kept as such", streams, "mp4", "all", "", {1, 2}, 1, {3, 4}},
        {"a two-letter code", streams, "mp4", "en", "", {2}, 2, {3, 4}, "audio #1 (aac, fre, default): not asked for"},
        {"either three-letter code", streams, "mp4", "eng,fra", "", {2, 1}, 2, {3, 4}},
        {"numbers in the order given", streams, "mp4", "2,1,2", "", {2, 1}, 2, {3, 4}},
        {"a language the video lacks", streams, "mp4", "ger", "", {1}, 1, {3, 4}, "no sound in ger: the default track is kept"},
        {"a number that is no sound track", streams, "mp4", "3", "", {}, -1, {}, "no sound track #3: its sound tracks are #1, #2"},
        {"no sound", streams, "mp4", "none", "", {}, -1, {3, 4}, "(no sound)"},
        {"no subtitles", streams, "mp4", "", "none", {1}, 1, {}, "subtitles #3 (subrip, eng): no subtitles asked for"},
        {"subtitles by language", streams, "mp4", "", "fr,en", {1}, 1, {4, 3},
         "subtitles #5 (hdmv_pgs_subtitle, eng): picture subtitles cannot become MP4 text subtitles"},
        {"a subtitle number that is no subtitle track", streams, "mp4", "", "2", {}, -1, {},
         "no subtitle track #2: its subtitle tracks are #3, #4, #5"},
        {"nine sound tracks on a DVD", nine, "dvd-pal", "all", "", {1, 2, 3, 4, 5, 6, 7, 8}, 1, {},
         "audio #9 (aac): a DVD holds 8 sound tracks"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        TrackRequest request;
        QString error;
        if (*c.audio)
            ASSERT_TRUE(readTrackWords(QString::fromUtf8(c.audio), false, &request.audio, &request.audioListed, &error));
        if (*c.subtitles)
            ASSERT_TRUE(readTrackWords(QString::fromUtf8(c.subtitles), true, &request.subtitles, &request.subtitlesListed,
                                       &error));
        const TrackChoice choice = chooseTracks(sourceWith(c.streams), preset(c.preset), request);
        const QString said = trackSummary(choice) + u"|"_s + choice.remarks.join(u'|') + u"|"_s + choice.problem;
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
        if (!choice.problem.isEmpty())
            return;
        EXPECT_EQ(choice.audio, c.kept);
        EXPECT_EQ(choice.defaultAudio, c.marked);
        EXPECT_EQ(choice.subtitles, c.subtitled);
    });
}

// The window picks tracks video by video: a video's own pick replaces the
// run's for that video only.
TEST(Tracks, AVideosOwnPickReplacesTheRunsForItAlone)
{
    SourceInfo a = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac", true, "fre"),
                               stream(2, "audio", "ac3", false, "eng"), stream(3, "subtitle", "subrip", false, "eng")});
    a.path = u"/films/a.mkv"_s;
    SourceInfo b = a;
    b.path = u"/films/b.mkv"_s;
    JobChoices choices;
    choices.tracks.audio = TrackRequest::Pick::All;
    choices.tracksBySource.insert(a.path, TrackRequest{.audio = TrackRequest::Pick::Listed, .subtitles = TrackRequest::Pick::None,
                                                       .audioListed = {u"2"_s}});
    const Plan plan = planJobs({a, b}, preset("mp4"), qualityBudget(23), choices, u"/films/out"_s, true, {}, -1);
    ASSERT_EQ(plan.jobs.size(), 2) << plan.problems.join(u'|').toStdString();
    EXPECT_EQ(plan.jobs.at(0).tracks.audio, QList<int>{2});
    EXPECT_EQ(plan.jobs.at(0).tracks.subtitles, QList<int>());
    EXPECT_EQ(plan.jobs.at(1).tracks.audio, (QList<int>{1, 2}));
    EXPECT_EQ(plan.jobs.at(1).tracks.subtitles, QList<int>{3});
}

TEST(Tracks, OneSubtitleTrackDrawnIntoThePicture)
{
    const QList<StreamInfo> streams{stream(0, "video", "h264"), stream(1, "audio", "aac"),
                                    stream(2, "subtitle", "subrip", false, "eng"), stream(3, "subtitle", "ass", false, "fre"),
                                    stream(4, "subtitle", "hdmv_pgs_subtitle", false, "ger"), stream(5, "subtitle", "eia_608")};
    const struct {
        const char *name, *burn, *preset;
        int drawn, ordinal;
        bool picture;
        QList<int> soft;
        const char *says = "";
    } cases[] = {
        {"text by language", "fr", "mp4", 3, 1, false, {2}, "subtitles #3 (ass, fre) drawn into the picture"},
        {"pictures by number", "4", "mp4", 4, 2, true, {2, 3}},
        {"on a DVD", "eng", "dvd-pal", 2, 0, false, {}},
        {"a language the video lacks", "spa", "mp4", -1, -1, false, {2, 3}, "no subtitles in spa to draw"},
        {"closed captions", "5", "mp4", -1, -1, false, {2, 3}, "subtitles #5 (eia_608) cannot be drawn"},
        {"a number that is no subtitle track", "1", "mp4", -1, -1, false, {}, "no subtitle track #1"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        TrackRequest request;
        QString error;
        ASSERT_TRUE(readBurnWord(QString::fromUtf8(c.burn), &request.burn, &error)) << error.toStdString();
        const TrackChoice choice = chooseTracks(sourceWith(streams), preset(c.preset), request);
        const QString said = trackSummary(choice) + u"|"_s + choice.remarks.join(u'|') + u"|"_s + choice.problem;
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
        EXPECT_EQ(choice.burn, c.drawn);
        EXPECT_EQ(choice.burnOrdinal, c.ordinal);
        EXPECT_EQ(choice.burnPicture, c.picture);
        if (choice.problem.isEmpty())
            EXPECT_EQ(choice.subtitles, c.soft);
    });
    QString burn, error;
    for (const char *refused : {"all", "none", "eng,fre"})
        EXPECT_FALSE(readBurnWord(QString::fromUtf8(refused), &burn, &error)) << refused;
}

TEST(Commands, SubtitlesDrawnAsTextInTheChainOrOverlaidBeforeIt)
{
    SourceInfo source = sourceWith({stream(0, "video", "h264"), stream(1, "subtitle", "hdmv_pgs_subtitle"),
                                    stream(2, "subtitle", "subrip")});
    source.path = u"/films/it's: [odd], \\name.mkv"_s;
    const struct {
        const char *name, *burn, *preset;
        const char *graph; // the -vf chain's end, or the whole -filter_complex graph's start
        bool overlay;
    } cases[] = {
        {"text on an MP4", "2", "mp4", ",subtitles=filename='/films/it\\'\\''s\\: [odd], \\\\name.mkv':si=1", false},
        {"text on a DVD, before its shape flag", "2", "dvd-pal", ":si=1,setdar=4/3", false},
        {"pictures", "1", "mp4", "[0:0][0:s:0]overlay=eof_action=pass,scale=", true},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        JobSettings job = planned(source, c.preset, c.overlay ? qualityBudget(20) : bitrateBudget(4000));
        job.tracks = chooseTracks(source, preset(c.preset), TrackRequest{.burn = QString::fromUtf8(c.burn)});
        const QStringList words = passArguments(job, 1, u"/tmp/log"_s, u"/out/a"_s);
        const QString graph = QString::fromUtf8(c.graph);
        if (c.overlay) {
            EXPECT_TRUE(valueAfter(words, "-filter_complex").startsWith(graph)) << words.join(u' ').toStdString();
            EXPECT_TRUE(valueAfter(words, "-filter_complex").endsWith(u"[v]"_s));
            EXPECT_EQ(valueAfter(words, "-map"), u"[v]"_s);
            EXPECT_FALSE(words.contains(u"-vf"_s));
        } else {
            EXPECT_TRUE(valueAfter(words, "-vf").endsWith(graph)) << valueAfter(words, "-vf").toStdString();
            EXPECT_FALSE(words.contains(u"-filter_complex"_s));
        }
        // A part that starts later meets its cues on the source's clock.
        job.trim.start = 90;
        EXPECT_EQ(passArguments(job, 1, u"/tmp/log"_s, u"/out/a"_s).join(u' ').contains(u"setpts=PTS+90.000/TB,subtitles="_s),
                  !c.overlay);
    });
}

TEST(Tracks, WordsThatNameNoTrackAreRefused)
{
    const struct {
        const char *name, *value;
        bool subtitles;
    } cases[] = {
        {"a language no one speaks", "zz", false},
        {"a word", "english", false},
        {"an empty item", "eng,,fre", false},
        {"a negative number", "-1", false},
        {"default is the subtitles' own", "default", true},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        TrackRequest::Pick pick = TrackRequest::Pick::Default;
        QStringList listed;
        QString error;
        EXPECT_FALSE(readTrackWords(QString::fromUtf8(c.value), c.subtitles, &pick, &listed, &error));
        EXPECT_TRUE(error.contains(u"separated by commas"_s)) << error.toStdString();
    });
    EXPECT_TRUE(sameLanguage(u"ger"_s, u"deu"_s));
    EXPECT_FALSE(sameLanguage(u""_s, u"und"_s));
}

TEST(Probe, WhatFfprobeSaysIsReadAndNonsenseIsRefused)
{
    using F = FieldOrder;
    const struct {
        const char *name;
        const char *json;
        const char *error;   // fragment; "" when usable
        const char *picture; // "width x height, shape"
        F order;
        const char *steady = ""; // the filter of a sized MP4 that makes changing frame intervals steady
    } cases[] = {
        {"not JSON", "frame=1 fps=2", "could be understood", "0x0, 0.000", F::Unknown},
        {"no streams", "{}", "holds no video", "0x0, 0.000", F::Unknown},
        {"streams of the wrong kind", R"({"streams":"video","format":{"duration":"3"}})", "holds no video",
         "0x0, 0.000", F::Unknown},
        {"a picture without a size", R"({"streams":[{"index":0,"codec_type":"video","width":-5,"height":10}]})",
         "holds no video", "0x0, 0.000", F::Unknown},
        {"sound with a cover picture",
         R"({"streams":[{"index":0,"codec_type":"audio"},{"index":1,"codec_type":"video","width":64,"height":64,"disposition":{"default":0,"attached_pic":1}}],"format":{"duration":"1"}})",
         "holds no video", "0x0, 0.000", F::Unknown},
        {"no duration", R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240}],"format":{"duration":"N/A"}})",
         "no duration", "320x240, 1.333", F::Unknown},
        {"anamorphic and interlaced",
         R"({"streams":[{"index":0,"codec_type":"video","width":720,"height":576,"sample_aspect_ratio":"64:45","field_order":"tt"}],"format":{"duration":"12.5"}})",
         "", "720x576, 1.778", F::TopFirst},
        {"turned a quarter by its display matrix",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":180,"side_data_list":[{"side_data_type":"Display Matrix","rotation":-90}],"field_order":"progressive"}],"format":{"duration":"2"}})",
         "", "180x320, 0.563", F::Progressive},
        {"an old rotate tag and a bottom-first scan",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":180,"tags":{"rotate":"270"},"field_order":"tb"}],"format":{"duration":"2"}})",
         "", "180x320, 0.563", F::BottomFirst},
        {"absurd numbers",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240,"sample_aspect_ratio":"0:1","avg_frame_rate":"1/0","side_data_list":[{"rotation":1e300}]}],"format":{"duration":"1e300"}})",
         "no duration", "320x240, 1.333", F::Unknown},
        {"a phone's frames at changing intervals",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240,"avg_frame_rate":"825/47","r_frame_rate":"30/1"}],"format":{"duration":"3"}})",
         "", "320x240, 1.333", F::Unknown, "fps=30/1"},
        {"an interlaced picture, its field rate as base",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240,"avg_frame_rate":"30000/1001","r_frame_rate":"60000/1001"}],"format":{"duration":"3"}})",
         "", "320x240, 1.333", F::Unknown},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        SourceInfo info{.path = u"/videos/a.mkv"_s};
        readProbeJson(QByteArray(c.json), info);
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.error))) << info.error.toStdString();
        EXPECT_EQ(info.usable(), !*c.error);
        EXPECT_EQ(u"%1x%2, %3"_s.arg(info.width).arg(info.height).arg(info.displayAspect, 0, 'f', 3),
                  QString::fromUtf8(c.picture));
        EXPECT_EQ(info.fieldOrder, c.order);
        if (info.usable()) {
            EXPECT_EQ(info.video()->variableRate, *c.steady != 0);
            EXPECT_EQ(planPicture(info, preset("mp4"), true).filters.filter(u"fps="_s).join(QString()),
                      QString::fromUtf8(c.steady));
            EXPECT_TRUE(planPicture(info, preset("mp4"), false).filters.filter(u"fps="_s).isEmpty());
        }
    });
}

TEST(Probe, TheInterlaceTestNeedsOneClearFieldOrder)
{
    // Lines of ffmpeg's idet filter on real pictures.
    const struct {
        const char *name;
        const char *log;
        FieldOrder verdict;
    } cases[] = {
        {"480i", "[Parsed_idet_0 @ 0x5574ef76f3c0] Multi frame detection: TFF: 60 BFF: 0 Progressive: 0 Undetermined: 0",
         FieldOrder::TopFirst},
        {"DV", "Multi frame detection: TFF: 2 BFF: 140 Progressive: 3 Undetermined: 5", FieldOrder::BottomFirst},
        {"moving test pattern", "Multi frame detection: TFF: 49 BFF: 45 Progressive: 8 Undetermined: 0", FieldOrder::Progressive},
        {"film", "Multi frame detection: TFF: 0 BFF: 0 Progressive: 53 Undetermined: 49", FieldOrder::Progressive},
        {"black opening", "Multi frame detection: TFF: 0 BFF: 0 Progressive: 0 Undetermined: 102", FieldOrder::Unknown},
        // A replaced tool's nonsense: sums of these would overflow.
        {"counts no video reaches",
         "Multi frame detection: TFF: 9000000000000000000 BFF: 9000000000000000000 Progressive: 9000000000000000000 "
         "Undetermined: 0", FieldOrder::Unknown},
        {"a count past 64 bits", "Multi frame detection: TFF: 99999999999999999999 BFF: 0 Progressive: 0 Undetermined: 0",
         FieldOrder::Unknown},
    };
    reel::test::forEachCase(cases, [](const auto &c) { EXPECT_EQ(idetVerdict(QString::fromUtf8(c.log)), c.verdict); });
    EXPECT_TRUE(reel::test::logContains(u"idetVerdict         :-( frame counts out of range"_s));
}

TEST(Probe, FilesFoundByFuzzingGetTheirAnswers)
{
    // Inputs of the tool-output fuzz target that once did harm, each with the
    // converter's answer. The first byte picked the reader: "i" the interlace
    // test's log, answered with its verdict, "j" ffprobe's JSON, with its
    // refusal ("" for a usable source); the toolkit's readers answer the
    // others in its own tests.
    const struct {
        const char *name;
        const char *answer;
    } findings[] = {
        {"idet-frame-counts-past-64-bits.txt", "scan unknown"},
        {"mplayer-percentage-past-64-bits.txt", ""},
    };
    QStringList listed;
    for (const auto &c : findings)
        listed << QString::fromUtf8(c.name);
    QStringList kept;
    for (const reel::test::FuzzFinding &f : reel::test::fuzzFindings("tooloutput")) {
        SCOPED_TRACE(f.name.toStdString());
        kept << f.name;
        ASSERT_TRUE(listed.contains(f.name)) << "a new finding needs its answer here";
        SourceInfo info{.path = u"/videos/a.mkv"_s};
        if (f.reader() == 'j')
            readProbeJson(f.rest(), info);
        const QString answer = f.reader() == 'i' ? fieldOrderText(idetVerdict(QString::fromUtf8(f.rest()))) : info.error;
        EXPECT_EQ(answer, QString::fromUtf8(findings[listed.indexOf(f.name)].answer));
    }
    EXPECT_EQ(kept, listed);
}

TEST(CommandLine, OptionsAndMistakes)
{
    const struct {
        const char *name;
        QStringList arguments;
        const char *error; // fragment
    } cases[] = {
        {"a long option unknown", args({"--bogus"}), "unknown option '--bogus'"},
        {"a short option unknown", args({"-x", "a.mkv"}), "unknown option '-x'"},
        {"a value missing", args({"--size"}), "missing value after '--size'"},
        {"a size not a number", args({"--size", "ten"}), "not 'ten'"},
        {"a bitrate below 1", args({"--bitrate", "-5"}), "above 0"},
        {"a quality past the scale", args({"-q", "52"}), "0 (best) to 51"},
        {"two budgets", args({"--size", "5", "--bitrate", "900"}), "one of --quality, --size and --bitrate"},
        {"a preset unknown", args({"--preset", "vhs"}), "unknown preset 'vhs'"},
        {"a value for a switch", args({"--overwrite=yes"}), "unexpected value after '--overwrite'"},
        {"an empty folder", args({"-o", ""}), "needs a folder"},
        {"both front ends", args({"--window", "--terminal"}), "exclude each other"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const QString error = parseOptions(c.arguments).error;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error), Qt::CaseInsensitive)) << error.toStdString();
    });

    const Options full = parseOptions(args({"--preset", "dvd-pal", "--size", "40", "-o", "/out", "a.mkv", "b.mkv"}));
    EXPECT_TRUE(full.error.isEmpty()) << full.error.toStdString();
    EXPECT_EQ(full.presetId, u"dvd-pal"_s);
    EXPECT_EQ(full.budget.mode, Budget::Mode::TargetSize);
    EXPECT_EQ(full.budget.sizeMB, 40);
    EXPECT_EQ(full.files, (QStringList{u"a.mkv"_s, u"b.mkv"_s}));
    const Options inlined = parseOptions(args({"--preset=dvd-ntsc", "--bitrate=4000", "--", "-odd name.mkv"}));
    EXPECT_EQ(inlined.budget.videoKbps, 4000);
    EXPECT_EQ(inlined.files, QStringList{u"-odd name.mkv"_s});
    const Options brief = parseOptions(args({"-p", "mp4-hevc", "-q", "20", "-yn", "-o", "/out", "a.mkv"}));
    EXPECT_EQ(brief.presetId, u"mp4-hevc"_s);
    EXPECT_EQ(brief.budget.crf, 20);
    EXPECT_TRUE(brief.overwrite);
    EXPECT_TRUE(brief.dryRun);

    // The window for a bare start on a display, or when asked.
    const Options none = parseOptions(args({}));
    EXPECT_TRUE(wantsWindow(none, true));
    EXPECT_FALSE(wantsWindow(none, false));
    EXPECT_FALSE(wantsWindow(full, true));
    EXPECT_FALSE(wantsWindow(parseOptions(args({"--preset", "mp4"})), true));
    EXPECT_TRUE(wantsWindow(parseOptions(args({"--window", "a.mkv"})), false));
    EXPECT_FALSE(wantsWindow(parseOptions(args({"--terminal"})), true));
    EXPECT_EQ(effectiveBudget(none, preset("mp4")).mode, Budget::Mode::Quality);
    EXPECT_EQ(effectiveBudget(none, preset("dvd-pal")).mode, Budget::Mode::Bitrate);
}

TEST(Plan, OutputsAreNamedFromTheTitleAndNeverASource)
{
    SourceInfo source{.path = u"/films/My_Film-PAL.mp4"_s, .title = u"My Film"_s};
    const Preset mp4 = preset("mp4");
    EXPECT_EQ(outputPathFor(source, mp4, u"/out"_s, {}), u"/out/My Film.mp4"_s);
    EXPECT_EQ(outputPathFor(source, mp4, u"/out"_s, {u"/out/My Film.mp4"_s}), u"/out/My Film 2.mp4"_s);

    source.path = u"/films/My Film.mp4"_s;
    EXPECT_EQ(outputPathFor(source, mp4, u"/films"_s, {}), u"/films/My Film 2.mp4"_s);
    // Titles become names that Linux and cards take, cut to the byte limit at
    // a whole character, never inside one.
    const struct {
        const char *name;
        QString title, file;
    } titles[] = {
        {"slashes", u"a/b\\c"_s, u"a-b-c"_s},
        {"blanks and control characters", u"  tab\there\u0007 "_s, u"tabhere"_s},
        {"a hidden name", u".hidden"_s, u"video.hidden"_s},
        {"the byte limit within a character", QString(100, QChar(0x00e9)) + u"\U0001F600"_s + QString(100, QChar(0x00e9)),
         QString(100, QChar(0x00e9))},
    };
    reel::test::forEachCase(titles, [](const auto &c) { EXPECT_EQ(fileNameFromTitle(c.title, 200), c.file); });

    // a.mkv converted beside a.mp4, both in the batch: a.mkv's output would be
    // the other source.
    const QString folder = reel::test::scratchDir();
    SourceInfo mkv = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac")});
    mkv.path = reel::test::writeFile(folder + u"/a.mkv"_s, "x");
    SourceInfo mp4Source = mkv;
    mp4Source.path = reel::test::writeFile(folder + u"/a.mp4"_s, "y");
    const Plan plan = planJobs({mkv, mp4Source}, mp4, qualityBudget(23), {}, folder);
    ASSERT_EQ(plan.jobs.size(), 2);
    EXPECT_EQ(plan.jobs.at(0).output, folder + u"/a 2.mp4"_s);
    EXPECT_EQ(plan.jobs.at(1).output, folder + u"/a 3.mp4"_s);
    EXPECT_EQ(plan.unknownSizes, 2);

    // A source that cannot be read is named; a bitrate gives the room needed:
    // (1000 + 192) kb/s over 10 s is 1 490 000 bytes, 1.421 MB.
    const SourceInfo broken{.path = u"/films/b.txt"_s, .error = u"b.txt holds no video"_s};
    const Plan sized = planJobs({mkv, broken}, mp4, bitrateBudget(1000), {}, folder);
    EXPECT_EQ(sized.problems, QStringList{broken.error});
    EXPECT_NEAR(sized.requiredMB, 1.421, 0.001);
    EXPECT_TRUE(planJobs({mkv}, mp4, bitrateBudget(1000), {}, mkv.path).problems.value(0).contains(u"not a folder"_s));
}

TEST(Disc, ChaptersEveryFewMinutesAndASetTooLargeRefusedWithTheSizeThatFits)
{
    const struct {
        const char *name;
        float duration;
        int minutes;
        QStringList marks;
    } cases[] = {
        {"every five minutes", 725, 5, {u"0"_s, u"0:05:00"_s, u"0:10:00"_s}},
        {"none in a title's last ten seconds", 605, 5, {u"0"_s, u"0:05:00"_s}},
        {"past an hour", 3700, 30, {u"0"_s, u"0:30:00"_s, u"1:00:00"_s}},
        {"none asked", 725, 0, {u"0"_s}},
    };
    reel::test::forEachCase(cases, [](const auto &c) { EXPECT_EQ(chapterMarks(c.duration, c.minutes), c.marks); });
    // A DVD title has at most 99 chapters.
    EXPECT_EQ(chapterMarks(10 * 3600, 1).size(), 99);

    const Preset pal = *presetById(u"dvd-pal"_s);
    // 2 295 104 sectors of 2048 bytes are 4482 MB; 2 % stay for the IFO
    // files, the file system and the subpictures: 4393 MB for videos.
    const Budget usual = bitrateBudget(5000);
    // Two hours at 5000 kb/s: 4635 MB each with the DVD's packing and the
    // sound. The target that fits: (4393 x 8388.608 kbit - 14400 s x 192)
    // / 14400 s = 2367 kb/s, 2272 once the packing is paid.
    const DiscBudget two = planDiscBudget({film(7200), film(7200)}, pal, usual, DiscSettings{});
    EXPECT_FALSE(two.ok);
    EXPECT_TRUE(two.problem.contains(QStringLiteral("need about 9.1 GB at 5000 kb/s: 4.8 GB more than a single-layer "
                                                    "DVD (4.7 GB) has for videos (4393 MB). A target size of 4393 MB "
                                                    "fits them (2272 kb/s for each picture)")))
        << two.problem.toStdString();
    EXPECT_EQ(two.suggestedSizeMB, 4393);

    // The suggested size is taken, and shared as one bitrate.
    const DiscBudget shared = planDiscBudget({film(7200), film(7200)}, pal, sizeBudget(4393), DiscSettings{});
    ASSERT_TRUE(shared.ok) << shared.problem.toStdString();
    EXPECT_EQ(shared.sharedKbps, 2272);
    EXPECT_LE(shared.totalMB, 4393);

    // Ten hours do not fit even at 1000 kb/s: a dual-layer disc holds them.
    const DiscBudget ten = planDiscBudget({film(36000)}, pal, usual, DiscSettings{});
    EXPECT_TRUE(ten.suggestDualLayer);
    EXPECT_TRUE(ten.problem.contains(u"a dual-layer disc does, with a target size of 7985 MB"_s))
        << ten.problem.toStdString();

    const struct {
        const char *name;
        QList<SourceInfo> sources;
        QString preset;
        Budget budget;
        bool dual;
        QString says;
    } refused[] = {
        {"a size past the disc", {film(60)}, u"dvd-pal"_s, sizeBudget(5000), false,
         u"5000 MB is 607 MB more than a single-layer DVD (4.7 GB) has for videos (4393 MB); a target size of 4393 MB fits"_s},
        {"past a dual-layer disc", {film(20 * 3600)}, u"dvd-pal"_s, usual, true, u"leave some videos out"_s},
        {"not a DVD preset", {film(60)}, u"mp4"_s, usual, false, u"a disc is made with a DVD preset"_s},
        // dvdauthor's menu commands hold 63 titles, fewer than a DVD's 99.
        {"64 titles", QList<SourceInfo>(64, film(60)), u"dvd-pal"_s, usual, false,
         u"at most 63 titles, and 64 videos were given: leave 1 out"_s},
    };
    reel::test::forEachCase(refused, [&](const auto &c) {
        const DiscBudget budget =
            planDiscBudget(c.sources, *presetById(c.preset), c.budget, DiscSettings{c.dual, 5, u"DVD"_s});
        EXPECT_FALSE(budget.ok);
        EXPECT_TRUE(budget.problem.contains(c.says)) << budget.problem.toStdString();
    });
}

TEST(Disc, EachSoundTrackNamesItsLanguageWhereItIsKnown)
{
    JobSettings job;
    job.source = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "ac3", false, "fre"),
                             stream(2, "audio", "ac3"), stream(3, "audio", "ac3", false, "ger")});
    job.tracks.audio = {3, 2, 1};
    EXPECT_EQ(discLanguages(job), (QStringList{u"de"_s, QString(), u"fr"_s}));
    AuthoredTitle title{.mpeg = u"t1.mpg"_s, .aspect = u"4:3"_s, .chapters = {u"0"_s}, .audioLanguages = discLanguages(job)};
    EXPECT_TRUE(dvdauthorXml(u"DVD"_s, {title}, u"pal"_s)
                    .contains(u"<audio lang=\"de\"/>\n      <audio/>\n      <audio lang=\"fr\"/>\n"_s));
    title.audioLanguages = {QString()};
    EXPECT_FALSE(dvdauthorXml(u"DVD"_s, {title}, u"pal"_s).contains(u"<audio"_s));
}

TEST(Disc, ADvdKeepsItsOwnSubpicturesOnAFrameOfTheirSize)
{
    SourceInfo source = sourceWith({stream(0, "video", "mpeg2video"), stream(1, "audio", "ac3"),
                                    stream(2, "subtitle", "dvd_subtitle", false, "fre"),
                                    stream(3, "subtitle", "hdmv_pgs_subtitle"), stream(4, "subtitle", "subrip")});
    source.width = source.streams[0].width = 720;
    source.height = source.streams[0].height = 576;
    source.displayAspect = 4.0f / 3;
    const struct {
        const char *name, *preset;
        bool crop;
        QList<int> kept;
        const char *said; // fragment of the tracks' words or the remark
    } cases[] = {
        {"its own frame", "dvd-pal", false, {2}, "subtitles #2 (dvd_subtitle, fre) as DVD subpictures"},
        {"another frame", "dvd-ntsc", false, {}, "#2 (dvd_subtitle, fre): DVD subpictures drawn for another frame than 720x480"},
        {"pictures of another kind", "dvd-pal", false, {2}, "#3 (hdmv_pgs_subtitle): only DVD subpictures go onto a DVD"},
        {"a cropped picture", "dvd-pal", true, {}, "they would not sit on a cropped picture"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        JobChoices choices;
        if (c.crop)
            choices.picture = PictureRequest{.crop = PictureRequest::Crop::Given, .given = Bars{8, 8, 0, 0}};
        JobSettings job;
        QString problem;
        ASSERT_TRUE(planJob(source, preset(c.preset), bitrateBudget(4000), choices, &job, &problem)) << problem.toStdString();
        EXPECT_EQ(job.tracks.subtitles.value(0, -1), c.kept.value(0, -1));
        EXPECT_EQ(job.tracks.subtitles.size(), c.kept.size());
        EXPECT_TRUE((trackSummary(job.tracks) + problem).contains(QString::fromUtf8(c.said)))
            << (trackSummary(job.tracks) + problem).toStdString();
        const QString words = passArguments(job, 1, {}, u"/o.mpg"_s).join(u' ');
        EXPECT_EQ(words.contains(u"-map 0:2"_s) && words.contains(u"-c:s copy"_s), !c.kept.isEmpty()) << words.toStdString();
        EXPECT_EQ(words.contains(u"-sn"_s), c.kept.isEmpty());
    });
    // The disc's own subtitles follow the source's, and are the ones shown.
    const AuthoredTitle title{.mpeg = u"t1.mpg"_s, .aspect = u"4:3"_s, .chapters = {u"0"_s},
                              .subpictureLanguages = {u"fr"_s, QString()}, .subtitled = true};
    EXPECT_TRUE(dvdauthorXml(u"DVD"_s, {title}, u"pal"_s)
                    .contains(u"<subpicture lang=\"fr\"/>\n      <subpicture/>\n      <subpicture/>\n      <pgc>\n"
                              "        <pre>subtitle = 66;</pre>"_s));
}

TEST(Subtitles, EachVideoGetsItsOwnFileOrNone)
{
    const QString s = reel::test::scratchDir();
    reel::test::writeFile(s + u"/a.srt"_s, "1\n00:00:01,000 --> 00:00:02,000\nHi\n");
    reel::test::writeFile(s + u"/b.SRT"_s, QByteArray("\x00\xff\xfe\x00\x81", 5).repeated(50));
    reel::test::writeFile(s + u"/notes.srt"_s, "Just some notes.\n");
    QDir(s).mkpath(u"folder.srt"_s);
    const QString a = s + u"/a.mkv"_s, b = s + u"/b.mkv"_s, c = s + u"/c.mkv"_s;
    const struct {
        const char *name;
        QStringList given;
        QStringList subtitled;  // videos that get subtitles
        QStringList problems;   // the file and why, of each problem in order
    } cases[] = {
        {"the files beside the videos; a broken one left out", {}, {a}, {u"b.SRT cannot be read"_s}},
        // Given files come before those beside the videos.
        {"given files that give nothing", {s + u"/notes.srt"_s, s + u"/missing.srt"_s, s + u"/folder.srt"_s}, {},
         {u"notes.srt hold no cue"_s, u"missing.srt cannot be read (no such file)"_s,
          u"folder.srt cannot be read (not a regular file)"_s}},
        {"a given file too many", QStringList(4, s + u"/a.srt"_s), {a, b, c}, {u"no video of their own"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &tc) {
        QStringList problems;
        QStringList subtitled = subtitlesFor({a, b, c}, tc.given, &problems).keys();
        subtitled.sort();
        EXPECT_EQ(subtitled, tc.subtitled);
        ASSERT_EQ(problems.size(), tc.problems.size()) << problems.join(u'|').toStdString();
        for (qsizetype i = 0; i < problems.size(); ++i)
            EXPECT_TRUE(problems.at(i).contains(tc.problems.at(i))) << problems.at(i).toStdString();
    });
}

TEST(Subtitles, FilesFromTheWildGiveTheirCues)
{
    const struct {
        const char *name;
        QString text;
        QString cues; // "start-end text", a text's line breaks as "/"
        int skipped;
    } cases[] = {
        {"byte-order mark and CR LF", u"\uFEFF1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n\r\n"_s, u"1000-2000 Hello"_s, 0},
        {"bare CR line ends", u"1\r00:00:01,000 --> 00:00:02,000\rA\rB\r\r"_s, u"1000-2000 A/B"_s, 0},
        {"styling taken off",
         u"1\n00:00:01,000 --> 00:00:02,000\n<i>It</i> is <font color=\"#ff0\">red</font> {\\an8}&amp; up\n"_s,
         u"1000-2000 It is red &amp; up"_s, 0},
        {"no numbers, no blank lines, dots and short fractions",
         QStringLiteral("00:00:01.5 --> 00:00:02.25\nfirst\n00:00:03,000 --> 00:00:04,000 X1:10 X2:20\nsecond\n7\n"
                        "00:00:05,000 --> 00:00:06,000\nthird"),
         u"1500-2250 first|3000-4000 second|5000-6000 third"_s, 0},
        {"bad times and empty cues left out",
         QStringLiteral("1\n00:00:05,000 --> 00:00:04,000\nbackwards\n\n2\n00:61:00,000 --> 00:62:00,000\nno such minute\n\n"
                        "3\n00:00:07,000 --> 00:00:08,000\n\n4\n00:00:09,000 --> 00:00:10,000\n<b></b>\n\n"),
         {}, 4},
        {"a timing line written inside a text", u"1\n00:00:01,000 --> 00:00:02,000\n<i>00:00:03,000 --> x</i>\n"_s,
         u"1000-2000 00:00:03,000 -> x"_s, 0},
        {"a long arrow in a text", u"1\n00:00:01,000 --> 00:00:02,000\nwait ------> here\n"_s, u"1000-2000 wait -> here"_s, 0},
        {"a huge index with no blank line before it",
         u"00:00:01,000 --> 00:00:02,000\nA\n99999999999999999999\n00:00:03,000 --> 00:00:04,000\nB\n"_s,
         u"1000-2000 A|3000-4000 B"_s, 0},
        {"the last time a file can hold, and a millisecond past it",
         u"1\n277:46:39,000 --> 277:46:39,999\nlast\n\n2\n277:46:39,000 --> 277:46:40,000\npast\n"_s,
         u"999999000-999999999 last"_s, 1},
        {"NUL and bell bytes in a text", u"1\n00:00:01,000 --> 00:00:02,000\nA\0B\aC\n"_s, u"1000-2000 ABC"_s, 0},
        {"more lines than a subpicture holds", u"1\n00:00:01,000 --> 00:00:02,000\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"_s,
         u"1000-2000 1/2/3/4/5/6/7/8"_s, 0},
        {"a line longer than a subpicture holds", u"1\n00:00:01,000 --> 00:00:02,000\n"_s + QString(600, u'x'),
         u"1000-2000 "_s + QString(500, u'x'), 0},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        reel::test::saveFuzzSeed("srt", QString::fromUtf8(c.name).replace(u' ', u'-') + u".srt"_s, c.text.toUtf8());
        const SrtRead read = parseSrt(c.text);
        EXPECT_EQ(read.skipped, c.skipped);
        EXPECT_EQ(cueList(read.cues), c.cues);
    });

    // A file of endless cues costs no more than the limit.
    QString many;
    for (int i = 0; i <= kMaxCues; ++i)
        many += u"%1 --> %2\nx\n\n"_s.arg(srtTime(i * 1000), srtTime(i * 1000 + 500));
    const SrtRead capped = parseSrt(many);
    EXPECT_EQ(capped.cues.size(), kMaxCues);
    EXPECT_EQ(capped.skipped, 1);
    EXPECT_EQ(writeSrt({Cue{9000, 10000, u"end"_s}}), u"1\n00:00:09,000 --> 00:00:10,000\nend\n\n"_s);
}

TEST(Subtitles, CuesShorterThanAFrameJoinANeighbourOrAreLeftOut)
{
    constexpr double pal = 40, ntsc = 1001.0 / 30;
    const QString eight = u"1\n2\n3\n4\n5\n6\n7\n8"_s;
    QList<Cue> backToBack; // a millisecond each
    for (int i = 0; i < 10000; ++i)
        backToBack << Cue{i, i + 1, QString::number(i)};
    const struct {
        const char *name;
        QList<Cue> cues;
        double frame;
        QString shown; // as cueList gives it, on a video of 10 s
        int leftOut;
    } cases[] = {
        {"in order, one at a time, none past the end, two speakers at once in one",
         {Cue{4000, 6000, u"later"_s}, Cue{1000, 5000, u"long"_s}, Cue{1100, 2000, u"- Hi!"_s}, Cue{9000, 12000, u"end"_s},
          Cue{10000, 11000, u"after"_s}}, pal, u"1000-4000 long/- Hi!|4000-6000 later|9000-10000 end"_s, 1},
        {"a cue exactly one frame long kept", {Cue{1000, 1040, u"a"_s}}, pal, u"1000-1040 a"_s, 0},
        {"a millisecond cue right after a cue joins it", {Cue{1000, 2000, u"a"_s}, Cue{2000, 2001, u"b"_s}}, pal,
         u"1000-2001 a/b"_s, 0},
        {"a millisecond cue just before a cue joins it", {Cue{1000, 1001, u"a"_s}, Cue{1020, 2000, u"b"_s}}, pal,
         u"1000-2000 a/b"_s, 0},
        {"a short cue a frame away from the others left out",
         {Cue{1000, 2000, u"a"_s}, Cue{2040, 2060, u"b"_s}, Cue{3000, 4000, u"c"_s}}, pal, u"1000-2000 a|3000-4000 c"_s, 1},
        {"a short cue whose text would pass the limits left out", {Cue{1000, 2000, eight}, Cue{2000, 2010, u"x"_s}}, pal,
         u"1000-2000 1/2/3/4/5/6/7/8"_s, 1},
        {"short cues together make a frame", {Cue{1000, 1020, u"a"_s}, Cue{1020, 1040, u"b"_s}}, pal, u"1000-1040 a/b"_s, 0},
        {"an NTSC frame: 33 ms is shorter, 34 ms is not", {Cue{1000, 1033, u"a"_s}, Cue{3000, 3034, u"b"_s}}, ntsc,
         u"3000-3034 b"_s, 1},
        {"cut short by the end, or past it, left out",
         {Cue{5000, 6000, u"a"_s}, Cue{9980, 12000, u"b"_s}, Cue{10000, 11000, u"c"_s}}, pal, u"5000-6000 a"_s, 2},
        {"cut short by the next cue, then joined to the one before", {Cue{1000, 3000, u"a"_s}, Cue{1210, 1215, u"b"_s},
                                                                      Cue{1215, 2000, u"c"_s}}, pal, u"1000-1215 a/b|1215-2000 c"_s, 0},
        {"ten thousand millisecond cues back to back all left out", backToBack, pal, QString(), 10000},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const DiscCues disc = cuesForDisc(c.cues, 10000, c.frame);
        EXPECT_EQ(cueList(disc.cues), c.shown);
        EXPECT_EQ(disc.leftOut, c.leftOut);
    });
}

TEST(Subtitles, FilesFoundByFuzzingGetTheirAnswers)
{
    // Inputs that once made the reader crash or hang, each with its cues:
    // a nest of tags loses its brackets after a few passes, and the line is
    // cut to what a subpicture holds.
    const struct {
        const char *name;
        QString cues;
    } findings[] = {
        {"srt-arrow-of-twenty-thousand-dashes.srt", u"1000-2000 ->"_s},
        {"srt-tags-nested-thousands-deep.srt", u"1000-2000 "_s + u"i>"_s.repeated(250)},
    };
    const QDir dir(reel::test::testDataPath() + u"/fuzz"_s);
    QStringList listed;
    reel::test::forEachCase(findings, [&](const auto &c) {
        listed << QString::fromUtf8(c.name);
        const QByteArray bytes = reel::test::readFile(dir.filePath(listed.last()));
        ASSERT_FALSE(bytes.isEmpty());
        const SrtRead read = parseSrt(QString::fromUtf8(bytes));
        EXPECT_EQ(read.skipped, 0);
        EXPECT_EQ(cueList(read.cues), c.cues);
        EXPECT_EQ(cueList(cuesForDisc(read.cues, 10000, 40).cues), c.cues);
    });
    EXPECT_EQ(dir.entryList({u"srt-*.srt"_s}, QDir::Files, QDir::Name), listed) << "a new finding needs its answer here";
}

TEST(Trim, APartOfTheVideoAsTheCommandLineGivesIt)
{
    const struct {
        const char *name;
        std::initializer_list<const char *> words;
        double start, length;
        const char *error; // fragment; null when the words are good
    } cases[] = {
        {"a clock and seconds", {"--start", "1:30", "--duration", "10"}, 90, 10, nullptr},
        {"a stop in units", {"--start=0:01:30.5", "--stop", "2m"}, 90.5, 29.5, nullptr},
        {"a stop alone", {"--stop", "1h"}, 0, 3600, nullptr},
        {"a start alone", {"--start", "45s"}, 45, 0, nullptr},
        {"both ends", {"--stop", "10", "--duration", "5"}, 0, 0, "one of --stop and --duration"},
        {"a stop at the start", {"--start", "20", "--stop", "0:20"}, 0, 0, "not after the start"},
        {"nothing kept", {"--duration", "0"}, 0, 0, "longer than nothing"},
        {"a sign", {"--start", "-5"}, 0, 0, "not '-5'"},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        const Options options = parseOptions(args(c.words));
        if (c.error) {
            EXPECT_TRUE(options.error.contains(QString::fromUtf8(c.error))) << options.error.toStdString();
            return;
        }
        EXPECT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        EXPECT_DOUBLE_EQ(options.choices.trim.start, c.start);
        EXPECT_DOUBLE_EQ(options.choices.trim.length, c.length);
    });
}

TEST(Trim, TheBudgetTheReadingAndTheChecksCountThePartKept)
{
    JobChoices choices;
    choices.trim = TrimRequest{.start = 100, .length = 60};
    JobSettings job;
    QString problem;
    // 60 s of a 600 s film into 10 MB: the rate of 60 s.
    ASSERT_TRUE(planJob(film(600), preset("mp4"), Budget{Budget::Mode::TargetSize, 10, 0, 0}, choices, &job, &problem));
    EXPECT_EQ(job.videoKbps, planned(film(60), "mp4", Budget{Budget::Mode::TargetSize, 10, 0, 0}).videoKbps);
    EXPECT_FLOAT_EQ(expectationFor(job).videoSeconds, 60);
    for (int pass : {1, 2}) {
        const QStringList words = passArguments(job, pass, u"/w/log"_s, u"/w/out.mp4"_s);
        EXPECT_EQ(valueAfter(words, "-ss"), u"100.000"_s);
        EXPECT_EQ(valueAfter(words, "-t"), u"60.000"_s);
        EXPECT_LT(words.indexOf(u"-t"_s), words.indexOf(u"-i"_s)); // read from the input, before it
    }
    EXPECT_EQ(valueAfter(soundArguments(job, u"/w/s.wav"_s), "-ss"), u"100.000"_s);

    // To the end: what follows the start.
    choices.trim = TrimRequest{.start = 590};
    ASSERT_TRUE(planJob(film(600), preset("mp4"), defaultBudget(preset("mp4")), choices, &job, &problem));
    EXPECT_FLOAT_EQ(job.source.duration, 10);
    EXPECT_FALSE(passArguments(job, 1, {}, u"/w/out.mp4"_s).contains(u"-t"_s));
    choices.trim = TrimRequest{.start = 600};
    EXPECT_FALSE(planJob(film(600), preset("mp4"), defaultBudget(preset("mp4")), choices, &job, &problem));
    EXPECT_TRUE(problem.contains(u"after its end (0:10:00)"_s)) << problem.toStdString();

    // Cues on the part's own clock, cut at its edges.
    const QList<Cue> cues{{1000, 2000, u"before"_s}, {9000, 11000, u"across"_s}, {12000, 13000, u"in"_s},
                          {19500, 21000, u"out"_s}, {21000, 22000, u"after"_s}};
    EXPECT_EQ(cueList(trimCues(cues, TrimRequest{.start = 10, .length = 10})),
              u"0-1000 across|2000-3000 in|9500-10000 out"_s);
}

TEST(Presets, ContainerSoundAndSpeedAsThePresetOrTheLineSays)
{
    SourceInfo source = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "dts"), stream(2, "audio", "aac"),
                                    stream(3, "subtitle", "hdmv_pgs_subtitle"), stream(4, "subtitle", "mov_text")},
                                   60);
    source.streams[2].channels = 2;
    source.streams[2].kbps = 128;
    source.width = source.streams[0].width = 1920;
    source.height = source.streams[0].height = 1080;
    source.displayAspect = 16.0f / 9;
    const struct {
        const char *name;
        std::initializer_list<const char *> words;
        const char *expected; // words of the last pass, joined
        const char *refused;  // fragment of the line's error; null when it is good
    } cases[] = {
        {"mkv keeps every track as it is", {"-p", "mkv", "--audio", "all"},
         "-c:a:0 copy -disposition:a:0 default -c:a:1 copy -disposition:a:1 0 -c:s:0 copy -c:s:1 srt -dn -f matroska",
         nullptr},
        {"opus where it cannot copy", {"-p", "mkv", "--audio", "all", "--audio-codec", "opus", "--audio-bitrate", "96"},
         "-c:a:0 libopus -b:a:0 96k", nullptr},
        {"copy into an MP4 falls back to AAC for DTS", {"--audio", "1,2", "--audio-codec", "copy"},
         "-c:a:0 aac -b:a:0 192k -ar:a:0 48000 -ac:a:0 2 -disposition:a:0 default -c:a:1 copy", nullptr},
        {"AC-3 at the rate asked", {"--audio-codec", "ac3", "--audio-bitrate", "384"}, "-c:a:0 ac3 -b:a:0 384k", nullptr},
        {"a phone's screen, profile and level", {"-p", "phone-720p"},
         "scale=1280:720", nullptr},
        {"the speed", {"-p", "archive", "--speed", "veryslow"}, "-c:v libx265 -preset veryslow -crf 20", nullptr},
        {"opus in an MP4", {"--audio-codec", "opus"}, nullptr, "Opus sound goes in MKV"},
        {"a DVD's speed", {"-p", "dvd-pal", "--speed", "fast"}, nullptr, "a DVD's container, encoder and sound are fixed"},
        {"a speed unknown", {"--speed", "warp"}, nullptr, "ultrafast, superfast"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const Options options = parseOptions(args(c.words));
        if (c.refused) {
            EXPECT_TRUE(options.error.contains(QString::fromUtf8(c.refused))) << options.error.toStdString();
            return;
        }
        ASSERT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        const Preset preset = effectivePreset(options);
        JobSettings job;
        QString problem;
        ASSERT_TRUE(planJob(source, preset, effectiveBudget(options, preset), options.choices, &job, &problem));
        const QString words = passArguments(job, passCount(job), {}, u"/out/a"_s).join(u' ');
        EXPECT_TRUE(words.contains(QString::fromUtf8(c.expected))) << words.toStdString();
    });
    EXPECT_TRUE(passArguments(planned(source, "phone-720p", qualityBudget(23)), 1, {}, u"/o"_s).join(u' ').contains(
        u"-profile:v high -level:v 4.0"_s));
}

TEST(Presets, YoursSavedUsedAgainAndAMalformedFileRefusedWithItsLine)
{
    const Options saving = parseOptions(args({"-p", "mkv", "-q", "30", "--max-size", "640x480", "--normalize",
                                              "--save-preset", "Small one"}));
    ASSERT_TRUE(saving.error.isEmpty()) << saving.error.toStdString();
    QString error;
    ASSERT_FALSE(writeSavedPreset(SavedPreset{saving.savePreset, saving.presetWords}, &error).isEmpty()) << error.toStdString();

    // The line's own budget replaces the preset's; the rest is the preset's.
    const Options used = parseOptions(args({"--preset", "Small one", "-s", "50", "a.mkv"}));
    ASSERT_TRUE(used.error.isEmpty()) << used.error.toStdString();
    EXPECT_EQ(used.presetId, u"mkv"_s);
    EXPECT_EQ(used.budget.mode, Budget::Mode::TargetSize);
    EXPECT_EQ(used.choices.picture.maxWidth, 640);
    EXPECT_TRUE(used.normalize);
    EXPECT_TRUE(used.presetNote.contains(u"your preset 'Small one'"_s));
    EXPECT_TRUE(parseOptions(args({"--save-preset", "mp4"})).error.contains(u"built-in"_s));
    EXPECT_TRUE(parseOptions(args({"--save-preset", "../x"})).error.contains(u"cannot name a preset"_s));

    const QString head = u"<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<dict>\n"_s;
    const struct {
        const char *name;
        QString text;
        const char *error; // fragment
    } cases[] = {
        {"not XML", u"preset = mp4\n"_s, ", line 1: not an XML property list"},
        {"broken XML", head + u"<key>preset</key>\n<string>mp4</strin>\n</dict></plist>"_s, ", line 5:"},
        {"an unknown key", head + u"<key>preset</key><string>mp4</string>\n<key>colour</key><string>red</string>\n</dict></plist>"_s,
         ", line 5: unknown key 'colour'"},
        {"a word refused", head + u"<key>preset</key><string>mp4</string>\n\n<key>crop</key><string>lots</string>\n</dict></plist>"_s,
         ", line 6: --crop takes"},
        {"two budgets", head + u"<key>preset</key><string>mp4</string>\n<key>size</key><integer>9</integer>\n<key>quality</key><integer>9</integer>\n</dict></plist>"_s,
         ", line 5: give one of --quality"},
        {"no base", head + u"<key>preset</key><string>Small one</string>\n</dict></plist>"_s,
         ", line 4: preset 'Small one' is no built-in preset"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString file = reel::test::scratchDir() + u"/given.plist"_s;
        reel::test::writeFile(file, c.text.toUtf8());
        const Options options = parseOptions(args({"--preset-file", file.toUtf8().constData()}));
        EXPECT_TRUE(options.error.contains(file + QString::fromUtf8(c.error))) << options.error.toStdString();
    });
}
