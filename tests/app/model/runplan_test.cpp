// The run plan both front ends start from: each refusal in the order the
// user meets it, and what a plan that goes sets on its jobs.
#include "clips.h"
#include "sandbox.h"
#include "tables.h"

#include <model/runplan.h>

#include <gtest/gtest.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

SourceInfo named(SourceInfo source, const QString &title)
{
    source.path = u"/videos/%1.mkv"_s.arg(title);
    source.title = title;
    return source;
}

RunRequest dvdRequest(const QString &folder, float duration, int freeMB)
{
    RunRequest request;
    request.sources = {named(sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac", true)}, duration), u"a"_s)};
    request.preset = presetById(u"dvd-pal"_s).value();
    request.budget = bitrateBudget(5000);
    request.destination = folder;
    request.freeMB = freeMB;
    request.disc = true;
    return request;
}

} // namespace

TEST(RunPlan, EachRefusalSaysWhy)
{
    const QString folder = outFolder();
    using Refusal = RunPlan::Refusal;
    const struct {
        const char *name;
        float duration;
        int freeMB;
        bool disc;
        int kbps;
        const char *missingTool; // "" for none
        Refusal refusal;
        const char *says;
    } cases[] = {
        // 10 s at 5000 kb/s with AC-3 sound: about 6 MB.
        {"room for it all", 10, 100, true, 5000, "", Refusal::None, ""},
        {"tools missing", 10, 100, true, 5000, "ffprobe", Refusal::MissingTools, "missing tool: ffprobe"},
        {"three hours on one disc", 3 * 3600, 100000, true, 5000, "", Refusal::DiscBudget, "A target size of"},
        {"a budget the preset refuses", 10, 100, false, 500, "", Refusal::Jobs, "1000 to 8000"},
        {"no room for the outputs", 10, 2, true, 5000, "", Refusal::NoRoom, "the outputs need about"},
        {"no room for the disc beside them", 10, 10, true, 5000, "", Refusal::NoRoomForDisc,
         "the videos, the disc folder and its image need about"},
        {"the same outputs without a disc", 10, 10, false, 5000, "", Refusal::None, ""},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        RunRequest request = dvdRequest(folder, c.duration, c.freeMB);
        request.disc = c.disc;
        request.budget = bitrateBudget(c.kbps);
        if (*c.missingTool)
            request.missingTools = {QString::fromUtf8(c.missingTool)};
        const RunPlan run = planRun(request);
        EXPECT_EQ(run.refusal, c.refusal);
        const QString said = run.plan.problems.join(u'\n');
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
        EXPECT_EQ(run.plan.problems.isEmpty(), c.refusal == Refusal::None);
    });
}

// A disc needs every video: an output in the way is numbered, unless it is
// to be replaced; normalize goes where there is sound.
TEST(RunPlan, ADiscNumbersOutputsInTheWayAndNormalizeNeedsSound)
{
    const QString folder = outFolder();
    reel::test::writeFile(folder + u"/a.mpg"_s, "in the way");
    RunRequest request = dvdRequest(folder, 10, 100);
    request.sources << named(sourceWith({stream(0, "video", "h264")}, 10), u"b"_s);
    request.normalize = true;
    request.verify = false;
    const struct {
        const char *name;
        bool number;
        const char *firstOutput;
        bool firstExists;
    } cases[] = {
        {"numbered", true, "/a 2.mpg", false},
        {"left for the caller to settle", false, "/a.mpg", true},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        request.numberOutputsInTheWay = c.number;
        const RunPlan run = planRun(request);
        ASSERT_EQ(run.plan.jobs.size(), 2);
        EXPECT_EQ(run.plan.jobs.at(0).output, folder + QString::fromUtf8(c.firstOutput));
        EXPECT_EQ(run.plan.jobs.at(0).outputExists, c.firstExists);
        EXPECT_EQ(run.plan.jobs.at(1).output, folder + u"/b.mpg"_s);
        EXPECT_TRUE(run.plan.jobs.at(0).normalize);
        EXPECT_FALSE(run.plan.jobs.at(1).normalize);
        EXPECT_FALSE(run.plan.jobs.at(0).verify);
    });
}
