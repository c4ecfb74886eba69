#include <reel/core/debug.h>
#include <reel/numbers/bitrate.h>

#include "logcapture.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace reel;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

} // namespace

TEST(BitrateCalculator, VideoBitrateLeftAfterTheAudioBudget)
{
    const std::tuple<float, int, int> cases[] = {
        {5400.f, 700, 895}, {60.f, 10, 1206}, {3600.f, 100, 41}, {7200.f, 100, -75}, {1.f, 0, -192}};
    for (const auto &[duration, sizeMB, expected] : cases)
        EXPECT_EQ(bitrateCalculator(duration, sizeMB), expected) << duration << " " << sizeMB;
    EXPECT_TRUE(test::logLines().isEmpty());

    // A duration outside the contract: 0, said in the log.
    for (float duration : {0.f, -5.f, kNaN, 1e-30f, kInf})
        EXPECT_EQ(bitrateCalculator(duration, 700), 0) << duration;
    EXPECT_EQ(test::logLines().size(), 5);
    EXPECT_TRUE(test::logHas(QStringLiteral("bitrateCalculator   :-( duration 0.000000, 0 kb/s returned")));

    test::clearLog();
    setDEBUG(1);
    bitrateCalculator(5400.f, 700);
    EXPECT_EQ(test::logLines(), (QStringList{QStringLiteral("duration            : 5400.00\""),
                                             QStringLiteral("poidsAVMax          : 700 MB > 5872026 bits"),
                                             QStringLiteral("poidsA              : 124 MB (1036800 bits)"),
                                             QStringLiteral("poidsV              : 4835226"),
                                             QStringLiteral("bitrate Limited     : 895 kb/s")}));
}

TEST(Bitrate2MB, SizeOfAStream)
{
    const std::tuple<float, int, int> cases[] = {{5400.f, 1000, 676}, {3600.f, 128, 58}, {0.05f, 1000, 0},
                                                 {1.f, 8000, 2},      {0.1f, 8000, 1},   {kNaN, 1000, 0},
                                                 {-10.f, 1000, 0}};
    for (const auto &[duration, bitrate, expected] : cases)
        EXPECT_EQ(bitrate2MB(duration, bitrate), expected) << duration << " " << bitrate;
    EXPECT_TRUE(test::logLines().isEmpty());

    // Beyond the int range: 0, said in the log.
    EXPECT_EQ(bitrate2MB(1e9f, 1000000), 0);
    EXPECT_EQ(bitrate2MB(kInf, 1), 0);
    EXPECT_EQ(test::logLines().size(), 2);
}
