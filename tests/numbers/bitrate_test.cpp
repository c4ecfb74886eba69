#include "values.h"

#include <reel/numbers/bitrate.h>

TEST(Bitrate, VideoBitrateLeftAfterTheAudioAndSizeOfAStream)
{
    const std::tuple<float, int, int> budgets[] = {
        {5400.f, 700, 895}, {60.f, 10, 1206}, {3600.f, 100, 41}, {7200.f, 100, -75}, {1.f, 0, -192},
        // A duration outside the contract: 0, said in the log.
        {0.f, 700, 0}, {-5.f, 700, 0}, {kNaN, 700, 0}, {1e-30f, 700, 0}, {kInf, 700, 0}};
    for (const auto &[duration, sizeMB, expected] : budgets)
        EXPECT_EQ(bitrateCalculator(duration, sizeMB), expected) << duration << " " << sizeMB;
    EXPECT_EQ(test::takeLog().value(0), "bitrateCalculator   :-( duration 0.000000, 0 kb/s returned");

    const std::tuple<float, int, int> sizes[] = {{5400.f, 1000, 676}, {3600.f, 128, 58}, {0.05f, 1000, 0},
                                                 {1.f, 8000, 2},      {0.1f, 8000, 1},   {kNaN, 1000, 0},
                                                 {-10.f, 1000, 0},
                                                 // Beyond the int range: 0, said in the log.
                                                 {1e9f, 1000000, 0}, {kInf, 1, 0}};
    for (const auto &[duration, bitrate, expected] : sizes)
        EXPECT_EQ(bitrate2MB(duration, bitrate), expected) << duration << " " << bitrate;
    EXPECT_EQ(test::takeLog().size(), 2);
}
