#include <reel/core/debug.h>
#include <reel/numbers/bitrate.h>

#include "logcapture.h"

#include <gtest/gtest.h>

#include <limits>

using namespace reel;

TEST(BitrateCalculator, VideoBitrateLeftAfterTheAudioBudget)
{
    const struct {
        float duration;
        int sizeMB;
        int expected;
    } cases[] = {
        {5400.f, 700, 895}, {60.f, 10, 1206}, {3600.f, 100, 41}, {7200.f, 100, -75}, {1.f, 0, -192},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bitrateCalculator(c.duration, c.sizeMB), c.expected) << c.duration << " " << c.sizeMB;
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(BitrateCalculator, TraceLines)
{
    setDEBUG(1);
    bitrateCalculator(5400.f, 700);
    EXPECT_EQ(test::logLines(), (QStringList{
                                    QStringLiteral("duration            : 5400.00\""),
                                    QStringLiteral("poidsAVMax          : 700 MB > 5872026 bits"),
                                    QStringLiteral("poidsA              : 124 MB (1036800 bits)"),
                                    QStringLiteral("poidsV              : 4835226"),
                                    QStringLiteral("bitrate Limited     : 895 kb/s"),
                                }));
}

TEST(BitrateCalculator, DurationOutsideTheContractGivesZero)
{
    for (float duration : {0.f, -5.f, std::numeric_limits<float>::quiet_NaN(), 1e-30f,
                           std::numeric_limits<float>::infinity()})
        EXPECT_EQ(bitrateCalculator(duration, 700), 0) << duration;
    EXPECT_EQ(test::logLines().size(), 5);
    EXPECT_TRUE(test::logHas(QStringLiteral("bitrateCalculator   :-( duration 0.000000, 0 kb/s returned")));
}

TEST(Bitrate2MB, SizeOfAStream)
{
    const struct {
        float duration;
        int bitrate;
        int expected;
    } cases[] = {
        {5400.f, 1000, 676}, {3600.f, 128, 58}, {0.05f, 1000, 0}, {1.f, 8000, 2}, {0.1f, 8000, 1},
        {std::numeric_limits<float>::quiet_NaN(), 1000, 0}, {-10.f, 1000, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bitrate2MB(c.duration, c.bitrate), c.expected) << c.duration << " " << c.bitrate;
    EXPECT_TRUE(test::logLines().isEmpty());

    EXPECT_EQ(bitrate2MB(1e9f, 1000000), 0);
    EXPECT_EQ(bitrate2MB(std::numeric_limits<float>::infinity(), 1), 0);
    EXPECT_EQ(test::logLines().size(), 2);
}
