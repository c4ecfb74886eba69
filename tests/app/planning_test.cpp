// What is decided before anything runs: presets, the budget, the picture,
// the tracks, what ffprobe said, the command line and the batch plan.
#include "clips.h"
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"
#include "tables.h"

#include <budget.h>
#include <command.h>
#include <discovery.h>
#include <options.h>
#include <picture.h>
#include <plan.h>
#include <presets.h>
#include <source.h>
#include <tracks.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

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

QString valueAfter(const QStringList &words, const char *option)
{
    const qsizetype at = words.indexOf(QString::fromUtf8(option));
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QString();
}

} // namespace

TEST(Presets, RatesAsFfmpegTakesThem)
{
    const struct {
        float fps;
        const char *name; // as ffmpeg takes it
    } rates[] = {{25.0f, "25"}, {29.97f, "30000/1001"}, {23.98f, "24000/1001"}, {11.99f, "12000/1001"},
                 {14.98f, "15000/1001"}, {12.5f, "25/2"}, {30.0f, "30"}};
    reel::test::forEachCase(rates, [](const auto &c) { EXPECT_EQ(ffmpegRate(c.fps), QString::fromUtf8(c.name)); });
    EXPECT_FALSE(presetById(u"vhs"_s));
    // Rounded to the second as a person reads it, and to the hundredth.
    EXPECT_EQ(durationText(62.5f), u"0h01'03\" (0:01:02.50)"_s);
}

TEST(Commands, BothPassesDecodeTheSameFramesAndOnlyTheLastWrites)
{
    const SourceInfo source = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac"),
                                          stream(2, "audio", "aac", true, "eng"), stream(3, "subtitle", "subrip")});
    for (const char *id : {"mp4", "mp4-hevc"}) {
        SCOPED_TRACE(id);
        JobSettings job;
        QString problem;
        ASSERT_TRUE(planJob(source, preset(id), bitrateBudget(900), &job, &problem)) << problem.toStdString();
        ASSERT_EQ(passCount(job), 2);
        const QString out = u"/out/a.mp4"_s;
        const QStringList first = passArguments(job, 1, u"/tmp/with:colon/log"_s, out);
        const QStringList second = passArguments(job, 2, u"/tmp/with:colon/log"_s, out);
        // Frame timing and filters decide which frames the encoder sees.
        for (const char *option : {"-vf", "-fps_mode", "-b:v", "-i"})
            EXPECT_EQ(valueAfter(first, option), valueAfter(second, option)) << option;
        EXPECT_EQ(valueAfter(first, "-fps_mode"), u"vfr"_s);
        EXPECT_EQ(first.last(), u"/dev/null"_s);
        EXPECT_EQ(valueAfter(first, "-f"), u"null"_s);
        EXPECT_TRUE(first.contains(u"-an"_s));
        EXPECT_EQ(second.last(), out);
        EXPECT_TRUE(second.contains(u"0:2"_s));
        EXPECT_FALSE(second.contains(u"0:1"_s));
        EXPECT_EQ(valueAfter(second, "-c:s"), u"mov_text"_s);
    }
    // x265 reads its statistics path from a colon-separated list.
    JobSettings hevc;
    QString problem;
    ASSERT_TRUE(planJob(source, preset("mp4-hevc"), bitrateBudget(900), &hevc, &problem));
    EXPECT_TRUE(valueAfter(passArguments(hevc, 1, u"/tmp/with:colon/log"_s, QString()), "-x265-params")
                    .endsWith(u":pass=1:stats=/tmp/with\\:colon/log-0.log"_s));

    // A quality is one pass; a silent source maps no sound.
    JobSettings quality;
    ASSERT_TRUE(planJob(sourceWith({stream(0, "video", "h264")}), preset("mp4"), qualityBudget(20), &quality, &problem));
    EXPECT_EQ(passCount(quality), 1);
    const QStringList only = passArguments(quality, 1, QString(), u"/out/a.mp4"_s);
    EXPECT_EQ(valueAfter(only, "-crf"), u"20"_s);
    EXPECT_FALSE(only.contains(u"-pass"_s));
    EXPECT_FALSE(only.contains(u"-c:a"_s));
    EXPECT_EQ(only.last(), u"/out/a.mp4"_s);
    // A file whose sound comes first still gets its sound encoded.
    JobSettings soundFirst;
    ASSERT_TRUE(planJob(sourceWith({stream(0, "audio", "aac"), stream(1, "video", "h264")}), preset("mp4"),
                        qualityBudget(20), &soundFirst, &problem));
    EXPECT_EQ(valueAfter(passArguments(soundFirst, 1, QString(), u"/out/a.mp4"_s), "-c:a"), u"aac"_s);

    EXPECT_EQ(shellLine(u"/bin/ffmpeg"_s, {u"-i"_s, u"/my films/it's.mkv"_s, u"scale=trunc(iw/2)*2"_s, u"|"_s}),
              u"/bin/ffmpeg -i '/my films/it'\\''s.mkv' 'scale=trunc(iw/2)*2' '|'"_s);
}

TEST(Budget, QualitiesTargetSizesAndBitrates)
{
    // Worked by hand: a target of S MB over 10 s leaves S x 1024 x 1024 x 8 /
    // 1000 kilobits, less 192 kb/s of sound, less the container's share; an
    // estimate is the picture plus its share and the sound, in MB of
    // 1024 x 1024 bytes.
    const float duration = 10;
    const struct {
        const char *preset;
        Budget budget;
        bool withAudio;
        bool ok;
        int videoKbps;
        double estimatedMB; // -1: unknown
        bool capped;
        const char *messageFragment;
    } cases[] = {
        {"mp4", sizeBudget(5), true, true, 4002, 5, false, ""},
        {"mp4", sizeBudget(5), false, true, 4194, 5, false, ""},
        {"dvd-pal", sizeBudget(6), true, true, 4647, 6, false, ""},
        {"dvd-pal", sizeBudget(1), true, false, 0, 0, false,
         "1 MB is too small for 0h00'10\" of video: it leaves 620 kb/s for the picture, and dvd-pal needs at least "
         "1000 kb/s (about 2 MB)"},
        {"dvd-pal", sizeBudget(50), true, true, 8000, 10.1630, true, "stops at 8000"},
        {"mp4", sizeBudget(0), true, false, 0, 0, false, "at least 1 MB"},
        {"mp4", bitrateBudget(1500), true, true, 1500, 2.0170, false, ""},
        {"mp4", bitrateBudget(1500), false, true, 1500, 1.7881, false, ""},
        {"dvd-pal", bitrateBudget(4000), true, true, 4000, 5.1959, false, ""},
        {"mp4", bitrateBudget(50), true, false, 0, 0, false, "outside"},
        {"dvd-ntsc", bitrateBudget(9000), true, false, 0, 0, false, "1000 to 8000"},
        {"mp4", qualityBudget(23), true, true, 0, -1, false, ""},
        {"mp4-hevc", qualityBudget(0), true, true, 0, -1, false, ""},
        {"mp4", qualityBudget(52), true, false, 0, 0, false, "0 (best) to 51"},
        {"dvd-pal", qualityBudget(23), true, false, 0, 0, false, "no quality mode"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.preset) + " " + std::to_string(c.budget.sizeMB) + " MB / "
                     + std::to_string(c.budget.videoKbps) + " kb/s / CRF " + std::to_string(c.budget.crf)
                     + (c.withAudio ? "" : ", silent"));
        const BudgetPlan plan = planBudget(preset(c.preset), c.budget, duration, c.withAudio);
        ASSERT_EQ(plan.ok, c.ok) << plan.message.toStdString();
        EXPECT_TRUE(plan.message.contains(QString::fromUtf8(c.messageFragment))) << plan.message.toStdString();
        if (!c.ok)
            continue;
        EXPECT_EQ(plan.videoKbps, c.videoKbps);
        EXPECT_NEAR(plan.estimatedMB, c.estimatedMB, 0.0001);
        EXPECT_EQ(plan.capped, c.capped);
        if (c.budget.mode == Budget::Mode::Quality)
            EXPECT_EQ(plan.crf, c.budget.crf);
    }
    // 1 MB over 43.6 s is 8388.6 kilobits, of which the sound takes 8371.2.
    EXPECT_TRUE(planBudget(preset("mp4"), sizeBudget(1), 43.6f).message.contains(u"the sound alone fills it"_s));
    EXPECT_TRUE(planBudget(preset("mp4"), sizeBudget(10), 0).message.contains(u"duration of the source is unknown"_s));
}

TEST(Picture, DvdFramesKeepTheSourcesShapeBetweenBars)
{
    // Worked by hand: a 4:3 frame of 720 pixels shows a 9:16 picture 720 x
    // (9/16) / (4/3) = 303.75 pixels wide; a 16:9 frame of 480 lines shows
    // a 2.35:1 picture 480 x (16/9) / 2.35 = 363.1 lines high.
    const struct {
        const char *name;
        const char *preset;
        double shape;
        const char *aspect;
        int pictureWidth;
        int pictureHeight;
        const char *pad; // "" when the picture fills the frame
    } cases[] = {
        {"phone video upright", "dvd-pal", 9.0 / 16.0, "4:3", 304, 576, "pad=720:576:208:0:black"},
        {"square", "dvd-ntsc", 1.0, "4:3", 540, 480, "pad=720:480:90:0:black"},
        {"television", "dvd-ntsc", 4.0 / 3.0, "4:3", 720, 480, ""},
        {"wide television", "dvd-pal", 16.0 / 9.0, "16:9", 720, 576, ""},
        {"cinema scope", "dvd-ntsc", 2.35, "16:9", 720, 364, "pad=720:480:0:58:black"},
        {"within a percent of 16:9", "dvd-pal", 1.78, "16:9", 720, 576, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PicturePlan plan = planPicture(pictureSource(c.shape), preset(c.preset));
        EXPECT_EQ(plan.aspect, QString::fromUtf8(c.aspect));
        EXPECT_EQ(plan.pictureWidth, c.pictureWidth);
        EXPECT_EQ(plan.pictureHeight, c.pictureHeight);
        const QString pad = QString::fromUtf8(c.pad);
        EXPECT_EQ(plan.filters.filter(u"pad="_s), pad.isEmpty() ? QStringList() : QStringList{pad});
        EXPECT_EQ(plan.filters.last(), u"setdar=%1"_s.arg(QString::fromUtf8(c.aspect)).replace(':', '/'));
    }
}

TEST(Picture, InterlacedPicturesAreDeinterlacedUnlessTheirFieldsCanStay)
{
    const struct {
        const char *name;
        const char *preset;
        FieldOrder source;
        float fps;
        bool deinterlace;
        FieldOrder output;
    } cases[] = {
        {"480i to NTSC DVD", "dvd-ntsc", FieldOrder::TopFirst, 29.97f, false, FieldOrder::TopFirst},
        {"DV (bottom first) to NTSC DVD", "dvd-ntsc", FieldOrder::BottomFirst, 29.97f, false, FieldOrder::BottomFirst},
        {"480i to PAL DVD", "dvd-pal", FieldOrder::TopFirst, 29.97f, true, FieldOrder::Progressive},
        {"576i to MP4", "mp4", FieldOrder::TopFirst, 25, true, FieldOrder::Progressive},
        {"progressive to NTSC DVD", "dvd-ntsc", FieldOrder::Progressive, 29.97f, false, FieldOrder::Progressive},
        {"unknown scan to MP4", "mp4", FieldOrder::Unknown, 25, false, FieldOrder::Progressive},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PicturePlan plan = planPicture(pictureSource(4.0 / 3.0, c.source, c.fps), preset(c.preset));
        EXPECT_EQ(plan.deinterlace, c.deinterlace);
        EXPECT_EQ(plan.output, c.output);
        EXPECT_EQ(!plan.filters.filter(u"bwdif"_s).isEmpty(), c.deinterlace);
        // Fields kept apart are scaled apart.
        EXPECT_EQ(!plan.filters.filter(u"interl=1"_s).isEmpty(), isInterlaced(c.output));
    }
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
        int audio;
        QList<int> subtitles;
        int dropped;
        const char *summaryFragment;
    } cases[] = {
        {"second track marked default", many, "mp4", 2, {3}, 3, "dropped audio #1 (aac, fre): one sound track is kept"},
        {"picture subtitles", many, "mp4", 2, {3}, 3, "subtitles #4 (hdmv_pgs_subtitle): picture subtitles"},
        {"DVD", many, "dvd-pal", 2, {}, 4, "DVD subtitles are made when the disc is authored"},
        {"none marked default", {stream(0, "video", "h264"), stream(1, "audio", "aac"), stream(2, "audio", "aac")},
         "mp4", 1, {}, 1, "kept video #0 (h264, 320x240), audio #1 (aac)"},
        {"silent", {stream(0, "video", "h264")}, "mp4", -1, {}, 0, "(no sound)"},
        {"cover art", {stream(0, "video", "h264"), cover}, "mp4", -1, {}, 1, "a cover picture"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TrackChoice choice = chooseTracks(sourceWith(c.streams), preset(c.preset));
        EXPECT_EQ(choice.video, 0);
        EXPECT_EQ(choice.audio, c.audio);
        EXPECT_EQ(choice.subtitles, c.subtitles);
        EXPECT_EQ(choice.dropped.size(), c.dropped);
        EXPECT_TRUE(trackSummary(choice).contains(QString::fromUtf8(c.summaryFragment)))
            << trackSummary(choice).toStdString();
    }
    // A silent source spends nothing on sound.
    JobSettings job;
    QString problem;
    ASSERT_TRUE(planJob(sourceWith({stream(0, "video", "h264")}), preset("mp4"), sizeBudget(5), &job, &problem));
    EXPECT_EQ(job.videoKbps, 4194);
}

TEST(Probe, WhatFfprobeSaysIsReadAndNonsenseIsRefused)
{
    const struct {
        const char *name;
        const char *json;
        const char *error; // fragment; "" when usable
        int width;
        int height;
        double aspect;
        FieldOrder order;
    } cases[] = {
        {"not JSON", "frame=1 fps=2", "could be understood", 0, 0, 0, FieldOrder::Unknown},
        {"empty", "", "could be understood", 0, 0, 0, FieldOrder::Unknown},
        {"a list", "[1,2]", "could be understood", 0, 0, 0, FieldOrder::Unknown},
        {"no streams", "{}", "holds no video", 0, 0, 0, FieldOrder::Unknown},
        {"streams of the wrong kind", R"({"streams":"video","format":{"duration":"3"}})", "holds no video", 0, 0, 0,
         FieldOrder::Unknown},
        {"a picture without a size", R"({"streams":[{"index":0,"codec_type":"video","width":-5,"height":10}]})",
         "holds no video", 0, 0, 0, FieldOrder::Unknown},
        {"sound with a cover picture",
         R"({"streams":[{"index":0,"codec_type":"audio"},{"index":1,"codec_type":"video","width":64,"height":64,"disposition":{"default":0,"attached_pic":1}}],"format":{"duration":"1"}})",
         "holds no video", 0, 0, 0, FieldOrder::Unknown},
        {"no duration", R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240}],"format":{"duration":"N/A"}})",
         "no duration", 320, 240, 4.0 / 3.0, FieldOrder::Unknown},
        {"anamorphic and interlaced",
         R"({"streams":[{"index":0,"codec_type":"video","width":720,"height":576,"sample_aspect_ratio":"64:45","field_order":"tt"}],"format":{"duration":"12.5"}})",
         "", 720, 576, 16.0 / 9.0, FieldOrder::TopFirst},
        {"turned a quarter by its display matrix",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":180,"side_data_list":[{"side_data_type":"Display Matrix","rotation":-90}],"field_order":"progressive"}],"format":{"duration":"2"}})",
         "", 180, 320, 9.0 / 16.0, FieldOrder::Progressive},
        {"an old rotate tag and a bottom-first scan",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":180,"tags":{"rotate":"270"},"field_order":"tb"}],"format":{"duration":"2"}})",
         "", 180, 320, 9.0 / 16.0, FieldOrder::BottomFirst},
        {"absurd numbers",
         R"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240,"sample_aspect_ratio":"0:1","avg_frame_rate":"1/0","side_data_list":[{"rotation":1e300}]}],"format":{"duration":"1e300"}})",
         "no duration", 320, 240, 4.0 / 3.0, FieldOrder::Unknown},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SourceInfo info;
        info.path = u"/videos/a.mkv"_s;
        readProbeJson(QByteArray(c.json), info);
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.error))) << info.error.toStdString();
        if (QByteArray(c.error).isEmpty())
            EXPECT_TRUE(info.usable());
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        EXPECT_NEAR(info.displayAspect, c.aspect, 0.001);
        EXPECT_EQ(info.fieldOrder, c.order);
    }
}

TEST(Probe, FramesAtChangingIntervalsAreMadeSteadyOnlyForASize)
{
    const struct {
        const char *name;
        const char *average;
        const char *base;
        bool variable;
        const char *steadyFilter; // of a two-pass MP4; "" for none
    } cases[] = {
        {"phone", "825/47", "30/1", true, "fps=30/1"},
        {"constant", "30000/1001", "30000/1001", false, ""},
        {"interlaced, its field rate as base", "30000/1001", "60000/1001", false, ""},
        {"a base far above any frame's rate", "24/1", "240/1", true, "fps=24/1"},
        {"no sensible base", "24/1", "90000/1", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SourceInfo info;
        info.path = u"/videos/a.mp4"_s;
        readProbeJson(uR"({"streams":[{"index":0,"codec_type":"video","width":320,"height":240,)"
                                     R"("avg_frame_rate":"%1","r_frame_rate":"%2"}],"format":{"duration":"3"}})"_s
                          .arg(QString::fromUtf8(c.average), QString::fromUtf8(c.base))
                          .toUtf8(),
                      info);
        ASSERT_TRUE(info.usable()) << info.error.toStdString();
        EXPECT_EQ(info.video()->variableRate, c.variable);
        const QStringList sized = planPicture(info, preset("mp4"), true).filters.filter(u"fps="_s);
        EXPECT_EQ(sized.join(QString()), QString::fromUtf8(c.steadyFilter));
        EXPECT_TRUE(planPicture(info, preset("mp4"), false).filters.filter(u"fps="_s).isEmpty());
    }
}

TEST(Probe, TheInterlaceTestNeedsOneClearFieldOrder)
{
    // Lines of ffmpeg's idet filter on real pictures.
    const struct {
        const char *name;
        const char *log;
        FieldOrder verdict;
    } cases[] = {
        {"480i", "[Parsed_idet_0 @ 0x5574ef76f3c0] Multi frame detection: TFF:    60 BFF:     0 Progressive:     0 "
                 "Undetermined:     0",
         FieldOrder::TopFirst},
        {"DV", "Multi frame detection: TFF: 2 BFF: 140 Progressive: 3 Undetermined: 5", FieldOrder::BottomFirst},
        {"moving test pattern", "Multi frame detection: TFF:    49 BFF:    45 Progressive:     8 Undetermined:     0",
         FieldOrder::Progressive},
        {"film", "Multi frame detection: TFF: 0 BFF: 0 Progressive: 53 Undetermined: 49", FieldOrder::Progressive},
        {"black opening", "Multi frame detection: TFF: 0 BFF: 0 Progressive: 0 Undetermined: 102", FieldOrder::Unknown},
        {"no test ran", "Error opening input file", FieldOrder::Unknown},
        // A replaced tool's nonsense: sums of these would overflow.
        {"counts no video reaches",
         "Multi frame detection: TFF: 9000000000000000000 BFF: 9000000000000000000 Progressive: 9000000000000000000 "
         "Undetermined: 0", FieldOrder::Unknown},
        {"a count past 64 bits", "Multi frame detection: TFF: 99999999999999999999 BFF: 0 Progressive: 0 Undetermined: 0",
         FieldOrder::Unknown},
    };
    for (const auto &c : cases)
        EXPECT_EQ(idetVerdict(QString::fromUtf8(c.log)), c.verdict) << c.name;
    EXPECT_TRUE(reel::test::logHas(QStringLiteral("idetVerdict         :-( frame counts out of range: Multi frame "
                                                  "detection: TFF: 99999999999999999999 BFF: 0 Progressive: 0 "
                                                  "Undetermined: 0")));
}

TEST(Probe, WhatTheFuzzerFoundIsReadWithoutHarm)
{
    // Inputs of the tool-output fuzz target: "i" before an interlace test's
    // log, "j" before ffprobe's JSON.
    for (const reel::test::FuzzFinding &f : reel::test::fuzzFindings("tooloutput")) {
        SCOPED_TRACE(f.name.toStdString());
        if (f.reader() == 'i') {
            idetVerdict(QString::fromUtf8(f.rest()));
        } else if (f.reader() == 'j') {
            SourceInfo info;
            info.path = u"/videos/a.mkv"_s;
            readProbeJson(f.rest(), info);
            if (info.usable()) {
                EXPECT_GT(info.width, 0);
                EXPECT_GT(info.height, 0);
                EXPECT_GT(info.duration, 0);
                for (const Preset &p : presets())
                    planPicture(info, p, true);
            }
        }
    }
}

TEST(CommandLine, OptionsAndMistakes)
{
    const struct {
        QStringList arguments;
        const char *error; // fragment; "" for a good line
    } cases[] = {
        {args({"--preset", "dvd-pal", "--size", "40", "-o", "/out", "a.mkv", "b.mkv"}), ""},
        {args({"--preset=dvd-ntsc", "--bitrate=4000", "--", "-odd name.mkv"}), ""},
        {args({"-p", "mp4-hevc", "-q", "20", "-yn", "-o", "/out", "a.mkv"}), ""},
        {args({"--bogus"}), "unknown option '--bogus'"},
        {args({"-x", "a.mkv"}), "unknown option '-x'"},
        {args({"--size"}), "missing value after '--size'"},
        {args({"--size", "ten"}), "not 'ten'"},
        {args({"--bitrate", "-5"}), "above 0"},
        {args({"-q", "52"}), "0 (best) to 51"},
        {args({"--size", "5", "--bitrate", "900"}), "one of --quality, --size and --bitrate"},
        {args({"-q", "20", "-s", "5"}), "one of --quality, --size and --bitrate"},
        {args({"--preset", "vhs"}), "unknown preset 'vhs'"},
        {args({"--overwrite=yes"}), "unexpected value after '--overwrite'"},
        {args({"-o", ""}), "needs a folder"},
        {args({"--window", "--terminal"}), "exclude each other"},
    };
    for (const auto &c : cases) {
        const Options options = parseOptions(c.arguments);
        const QString expected = QString::fromUtf8(c.error);
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        if (expected.isEmpty())
            EXPECT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        else
            EXPECT_TRUE(options.error.contains(expected, Qt::CaseInsensitive)) << options.error.toStdString();
    }

    const Options full = parseOptions(cases[0].arguments);
    EXPECT_EQ(full.presetId, u"dvd-pal"_s);
    EXPECT_EQ(full.budget.mode, Budget::Mode::TargetSize);
    EXPECT_EQ(full.budget.sizeMB, 40);
    EXPECT_EQ(full.outputDir, u"/out"_s);
    EXPECT_EQ(full.files, (QStringList{u"a.mkv"_s, u"b.mkv"_s}));
    const Options inlined = parseOptions(cases[1].arguments);
    EXPECT_EQ(inlined.budget.videoKbps, 4000);
    EXPECT_EQ(inlined.files, QStringList{u"-odd name.mkv"_s});
    const Options brief = parseOptions(cases[2].arguments);
    EXPECT_EQ(brief.presetId, u"mp4-hevc"_s);
    EXPECT_EQ(brief.budget.mode, Budget::Mode::Quality);
    EXPECT_EQ(brief.budget.crf, 20);
    EXPECT_TRUE(brief.overwrite);
    EXPECT_TRUE(brief.dryRun);
}

TEST(CommandLine, WindowOnlyForABareStartOnADisplayOrWhenAsked)
{
    const struct {
        QStringList arguments;
        bool display;
        bool window;
    } cases[] = {
        {args({}), true, true},
        {args({}), false, false},
        {args({"a.mkv"}), true, false},
        {args({"--preset", "mp4"}), true, false},
        {args({"--window", "a.mkv"}), false, true},
        {args({"-w"}), false, true},
        {args({"--terminal"}), true, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wantsWindow(parseOptions(c.arguments), c.display), c.window) << c.arguments.join(' ').toStdString();

    const Options none = parseOptions(args({}));
    EXPECT_EQ(effectiveBudget(none, preset("mp4")).mode, Budget::Mode::Quality);
    EXPECT_EQ(effectiveBudget(none, preset("dvd-pal")).mode, Budget::Mode::Bitrate);
}

TEST(Plan, OutputsAreNamedFromTheTitleAndNeverASource)
{
    SourceInfo source;
    source.path = u"/films/My_Film-PAL.mp4"_s;
    source.title = u"My Film"_s;
    const Preset mp4 = preset("mp4");
    EXPECT_EQ(outputPathFor(source, mp4, u"/out"_s, {}), u"/out/My Film.mp4"_s);
    EXPECT_EQ(outputPathFor(source, preset("dvd-pal"), u"/out"_s, {}), u"/out/My Film.mpg"_s);
    EXPECT_EQ(outputPathFor(source, mp4, u"/out"_s, {u"/out/My Film.mp4"_s}), u"/out/My Film 2.mp4"_s);

    source.path = u"/films/My Film.mp4"_s;
    EXPECT_EQ(outputPathFor(source, mp4, u"/films"_s, {}), u"/films/My Film 2.mp4"_s);
    source.title = u".hidden"_s;
    EXPECT_EQ(outputPathFor(source, mp4, u"/out"_s, {}), u"/out/video.hidden.mp4"_s);

    // a.mkv converted beside a.mp4, both in the batch: a.mkv's output would be
    // the other source.
    const QString folder = reel::test::scratchDir();
    SourceInfo mkv = sourceWith({stream(0, "video", "h264")});
    mkv.path = reel::test::writeFile(folder + u"/a.mkv"_s, "x");
    SourceInfo mp4Source = mkv;
    mp4Source.path = reel::test::writeFile(folder + u"/a.mp4"_s, "y");
    const Plan plan = planJobs({mkv, mp4Source}, mp4, qualityBudget(23), folder);
    ASSERT_EQ(plan.jobs.size(), 2);
    EXPECT_EQ(plan.jobs.at(0).output, folder + u"/a 2.mp4"_s);
    EXPECT_EQ(plan.jobs.at(1).output, folder + u"/a 3.mp4"_s);
    EXPECT_EQ(plan.unknownSizes, 2);
}

TEST(Plan, RefusedSourcesAndExistingOutputs)
{
    const QString folder = reel::test::scratchDir();
    SourceInfo good = sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac")});
    good.path = u"/films/a.mkv"_s;
    SourceInfo twin = good;
    twin.path = u"/other/a.mkv"_s;
    SourceInfo broken;
    broken.path = u"/films/b.txt"_s;
    broken.error = u"b.txt holds no video"_s;
    reel::test::writeFile(folder + u"/a.mp4"_s, "old");

    const Plan plan = planJobs({good, broken, twin}, preset("mp4"), bitrateBudget(1000), folder);
    ASSERT_EQ(plan.jobs.size(), 2);
    EXPECT_EQ(plan.problems, QStringList{broken.error});
    EXPECT_TRUE(plan.jobs.at(0).outputExists);
    EXPECT_FALSE(plan.jobs.at(0).overwrite);
    EXPECT_EQ(plan.jobs.at(1).output, folder + u"/a 2.mp4"_s);
    EXPECT_FALSE(plan.jobs.at(1).outputExists);
    // (1000 + 192) kb/s over 10 s is 1 490 000 bytes, 1.421 MB each.
    EXPECT_NEAR(plan.requiredMB, 2.842, 0.001);
    EXPECT_GE(plan.freeMB, 0);

    const Plan nowhere = planJobs({good}, preset("mp4"), bitrateBudget(1000), folder + u"/a.mp4"_s);
    EXPECT_TRUE(nowhere.jobs.isEmpty());
    ASSERT_EQ(nowhere.problems.size(), 1);
    EXPECT_TRUE(nowhere.problems.first().contains(u"not a folder"_s));
}

TEST(Discovery, FoldersAreSearchedForVideosByExtension)
{
    const QString root = reel::test::scratchDir() + u"/card"_s;
    // In the order of a listing: names sorted, each folder followed by its
    // contents.
    const QStringList videos{root + u"/A.MP4"_s, root + u"/DCIM/100/clip.mts"_s,
                             root + u"/VIDEO_TS/VTS_01_1.VOB"_s, root + u"/b.mkv"_s};
    for (const QString &video : videos)
        reel::test::writeFile(video, "v");
    reel::test::writeFile(root + u"/notes.txt"_s, "t");
    reel::test::writeFile(root + u"/.a.part1.mp4"_s, "unfinished");
    reel::test::writeFile(root + u"/.thumbnails/x.mp4"_s, "hidden");
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + u"/pipe.mkv"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(root + u"/DCIM"_s, root + u"/again"_s));
    const QString emptyFolder = reel::test::scratchDir() + u"/empty"_s;
    QDir().mkpath(emptyFolder);
    const QString loose = u"/elsewhere/loose.avi"_s;

    QStringList empty;
    EXPECT_EQ(discoverSources({root + u"/"_s, emptyFolder, loose}, &empty), videos + QStringList{loose});
    EXPECT_EQ(empty, QStringList{emptyFolder});
}
