// What is decided before anything runs: presets, the size budget, the
// command line and the batch plan.
#include "clips.h"
#include "sandbox.h"

#include <budget.h>
#include <options.h>
#include <plan.h>
#include <presets.h>

#include <reel/media.h>
#include <reel/numbers.h>

#include <gtest/gtest.h>

using namespace convert;
using convert::test::bitrateBudget;
using convert::test::sizeBudget;

namespace {

Preset preset(const char *id)
{
    return presetById(QString::fromUtf8(id)).value();
}

QStringList args(std::initializer_list<const char *> words)
{
    QStringList list{QStringLiteral("reelkit-convert")};
    for (const char *word : words)
        list << QString::fromUtf8(word);
    return list;
}

} // namespace

TEST(Presets, DvdRatesComeFromTheStandardTableAndReachFfmpegExactly)
{
    const QVariantList rates = reel::standardsFpsArray();
    EXPECT_EQ(preset("dvd-pal").fps, rates.at(1).toFloat());
    EXPECT_EQ(preset("dvd-ntsc").fps, rates.at(7).toFloat());
    EXPECT_EQ(preset("dvd-pal").height, 576);
    EXPECT_EQ(preset("dvd-ntsc").height, 480);

    const struct {
        float fps;
        const char *expected;
    } cases[] = {{25.0f, "25"}, {29.97f, "30000/1001"}, {23.98f, "24000/1001"}, {11.99f, "12000/1001"},
                 {14.98f, "15000/1001"}, {12.5f, "25/2"}, {30.0f, "30"}};
    for (const auto &c : cases)
        EXPECT_EQ(ffmpegRate(c.fps), QString::fromUtf8(c.expected)) << c.fps;
    EXPECT_FALSE(presetById(QStringLiteral("vhs")));
}

TEST(Presets, OnlyTheLastPassWritesTheOutput)
{
    SourceInfo source;
    source.path = QStringLiteral("/videos/a.mkv");
    source.duration = 3;
    source.hasAudio = true;
    const Preset mp4 = preset("mp4");
    ASSERT_EQ(passCount(mp4), 2);
    const QString log = QStringLiteral("/tmp/log");
    const QString out = QStringLiteral("/out/a.mp4");
    const QStringList first = passArguments(mp4, source, 900, 1, log, out);
    const QStringList second = passArguments(mp4, source, 900, 2, log, out);
    EXPECT_EQ(first.last(), QStringLiteral("/dev/null"));
    EXPECT_TRUE(first.contains(QStringLiteral("-an")));
    EXPECT_EQ(second.last(), out);
    EXPECT_TRUE(second.contains(QStringLiteral("900k")));
    EXPECT_TRUE(second.contains(QStringLiteral("0:a:0")));

    source.hasAudio = false;
    const QString mpg = QStringLiteral("/out/a.mpg");
    const QStringList silent = passArguments(preset("dvd-pal"), source, 4000, 1, QString(), mpg);
    EXPECT_FALSE(silent.contains(QStringLiteral("0:a:0")));
    EXPECT_FALSE(silent.contains(QStringLiteral("ac3")));
    EXPECT_EQ(silent.last(), mpg);
}

TEST(Budget, TargetSizesAndBitrates)
{
    const float duration = 10;
    const struct {
        const char *preset;
        Budget budget;
        bool ok;
        int videoKbps;   // expected when ok; -1: from bitrateCalculator
        int estimatedMB; // expected when ok; -1: from bitrate2MB
        bool capped;
        const char *messageFragment;
    } cases[] = {
        {"mp4", sizeBudget(5), true, -1, 5, false, ""},
        {"mp4", sizeBudget(1), true, -1, 1, false, ""},
        {"dvd-pal", sizeBudget(1), false, 0, 0, false, "too small"},
        {"dvd-pal", sizeBudget(6), true, 4647, 6, false, ""},
        {"dvd-pal", sizeBudget(50), true, 8000, -1, true, "stops at 8000"},
        {"mp4", sizeBudget(0), false, 0, 0, false, "at least 1 MB"},
        {"mp4", bitrateBudget(1500), true, 1500, -1, false, ""},
        {"mp4", bitrateBudget(50), false, 0, 0, false, "outside"},
        {"dvd-ntsc", bitrateBudget(9000), false, 0, 0, false, "1000 to 8000"},
    };
    for (const auto &c : cases) {
        const Preset p = preset(c.preset);
        const BudgetPlan plan = planBudget(p, c.budget, duration);
        SCOPED_TRACE(std::string(c.preset) + " " + std::to_string(c.budget.sizeMB) + " MB / "
                     + std::to_string(c.budget.videoKbps) + " kb/s");
        ASSERT_EQ(plan.ok, c.ok) << plan.message.toStdString();
        EXPECT_TRUE(plan.message.contains(QString::fromUtf8(c.messageFragment))) << plan.message.toStdString();
        if (!c.ok)
            continue;
        // A target size: the calculator's figure less the container's share.
        const int share = 100 - p.containerPercent;
        const int whole = reel::bitrateCalculator(duration, c.budget.sizeMB);
        const int kbps = c.videoKbps >= 0 ? c.videoKbps : whole * share / 100;
        EXPECT_EQ(plan.videoKbps, kbps);
        const int mb = c.estimatedMB >= 0 ? c.estimatedMB : reel::bitrate2MB(duration, kbps + kAudioKbps);
        EXPECT_EQ(plan.estimatedMB, mb);
        EXPECT_EQ(plan.capped, c.capped);
    }
}

TEST(Budget, TooSmallNamesTheSmallestSizeThatWorks)
{
    for (const char *id : {"mp4", "dvd-pal"}) {
        for (float duration : {3.0f, 10.0f, 95.5f}) {
            const Preset p = preset(id);
            const int smallest = minimumSizeMB(p, duration);
            EXPECT_TRUE(planBudget(p, sizeBudget(smallest), duration).ok) << id << " " << duration;
            if (smallest > 1) {
                const BudgetPlan refused = planBudget(p, sizeBudget(smallest - 1), duration);
                EXPECT_FALSE(refused.ok);
                EXPECT_TRUE(refused.message.contains(QStringLiteral("about %1 MB").arg(smallest)))
                    << refused.message.toStdString();
            }
        }
    }
    EXPECT_FALSE(planBudget(preset("mp4"), sizeBudget(10), 0).ok);
    EXPECT_EQ(minimumSizeMB(preset("mp4"), 0), 0);
}

TEST(CommandLine, OptionsAndMistakes)
{
    const struct {
        QStringList arguments;
        const char *error; // fragment; "" for a good line
    } cases[] = {
        {args({"--preset", "dvd-pal", "--size", "40", "-o", "/out", "a.mkv", "b.mkv"}), ""},
        {args({"--preset=dvd-ntsc", "--bitrate=4000", "--", "-odd name.mkv"}), ""},
        {args({"--bogus"}), "unknown option '--bogus'"},
        {args({"--size"}), "--size needs a value"},
        {args({"--size", "ten"}), "not 'ten'"},
        {args({"--bitrate", "-5"}), "above 0"},
        {args({"--size", "5", "--bitrate", "900"}), "either --size or --bitrate"},
        {args({"--preset", "vhs"}), "unknown preset 'vhs'"},
        {args({"--overwrite=yes"}), "takes no value"},
        {args({"-o", ""}), "needs a folder"},
        {args({"--window", "--terminal"}), "exclude each other"},
    };
    for (const auto &c : cases) {
        const Options options = parseOptions(c.arguments);
        const QString expected = QString::fromUtf8(c.error);
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        if (expected.isEmpty())
            EXPECT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        else
            EXPECT_TRUE(options.error.contains(expected)) << options.error.toStdString();
    }

    const Options full = parseOptions(cases[0].arguments);
    EXPECT_EQ(full.presetId, QStringLiteral("dvd-pal"));
    EXPECT_EQ(full.budget.mode, Budget::Mode::TargetSize);
    EXPECT_EQ(full.budget.sizeMB, 40);
    EXPECT_EQ(full.outputDir, QStringLiteral("/out"));
    EXPECT_EQ(full.files, (QStringList{QStringLiteral("a.mkv"), QStringLiteral("b.mkv")}));
    const Options inlined = parseOptions(cases[1].arguments);
    EXPECT_EQ(inlined.budget.videoKbps, 4000);
    EXPECT_EQ(inlined.files, QStringList{QStringLiteral("-odd name.mkv")});
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
        {args({"--terminal"}), true, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wantsWindow(parseOptions(c.arguments), c.display), c.window) << c.arguments.join(' ').toStdString();

    const Options none = parseOptions(args({}));
    const Budget budget = effectiveBudget(none, preset("dvd-pal"));
    EXPECT_EQ(budget.mode, Budget::Mode::Bitrate);
    EXPECT_EQ(budget.videoKbps, preset("dvd-pal").defaultVideoKbps);
}

TEST(Plan, OutputsAreNamedFromTheTitleAndNeverTheSourceItself)
{
    SourceInfo source;
    source.path = QStringLiteral("/films/My_Film-PAL.mp4");
    source.title = QStringLiteral("My Film");
    const Preset mp4 = preset("mp4");
    EXPECT_EQ(outputPathFor(source, mp4, QStringLiteral("/out"), {}), QStringLiteral("/out/My Film.mp4"));
    EXPECT_EQ(outputPathFor(source, preset("dvd-pal"), QStringLiteral("/out"), {}), QStringLiteral("/out/My Film.mpg"));
    EXPECT_EQ(outputPathFor(source, mp4, QStringLiteral("/out"), {QStringLiteral("/out/My Film.mp4")}),
              QStringLiteral("/out/My Film 2.mp4"));

    source.path = QStringLiteral("/films/My Film.mp4");
    EXPECT_EQ(outputPathFor(source, mp4, QStringLiteral("/films"), {}), QStringLiteral("/films/My Film 2.mp4"));
    source.title = QStringLiteral(".hidden");
    EXPECT_EQ(outputPathFor(source, mp4, QStringLiteral("/out"), {}), QStringLiteral("/out/video.hidden.mp4"));
}

TEST(Plan, RefusedSourcesAndExistingOutputs)
{
    const QString folder = reel::test::scratchDir();
    SourceInfo good;
    good.path = QStringLiteral("/films/a.mkv");
    good.title = QStringLiteral("a");
    good.duration = 10;
    SourceInfo twin = good;
    twin.path = QStringLiteral("/other/a.mkv");
    SourceInfo broken;
    broken.path = QStringLiteral("/films/b.txt");
    broken.error = QStringLiteral("b.txt holds no video");
    reel::test::writeFile(folder + QStringLiteral("/a.mp4"), "old");

    const Plan plan = planJobs({good, broken, twin}, preset("mp4"), bitrateBudget(1000), folder);
    ASSERT_EQ(plan.jobs.size(), 2);
    EXPECT_EQ(plan.problems, QStringList{broken.error});
    EXPECT_TRUE(plan.jobs.at(0).outputExists);
    EXPECT_FALSE(plan.jobs.at(0).overwrite);
    EXPECT_EQ(plan.jobs.at(1).output, folder + QStringLiteral("/a 2.mp4"));
    EXPECT_FALSE(plan.jobs.at(1).outputExists);
    EXPECT_EQ(plan.requiredMB, 2 * reel::bitrate2MB(10, 1000 + kAudioKbps));
    EXPECT_GE(plan.freeMB, 0);

    const Plan nowhere = planJobs({good}, preset("mp4"), bitrateBudget(1000), folder + QStringLiteral("/a.mp4"));
    EXPECT_TRUE(nowhere.jobs.isEmpty());
    ASSERT_EQ(nowhere.problems.size(), 1);
    EXPECT_TRUE(nowhere.problems.first().contains(QStringLiteral("not a folder")));
}
