#include <reel/dialogs/passclock.h>

#include <gtest/gtest.h>

#include <climits>

using namespace reel;

TEST(AlertPassClock, PassesCountedInSinglePrecision)
{
    const struct {
        int seconds;
        int passes;
    } cases[] = {{1, 10}, {2, 20}, {3, 31}, {5, 51}, {10, 100}, {60, 601}, {0, 0}, {-1, 0}, {INT_MIN, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(alertPassesForLimit(c.seconds), c.passes) << c.seconds;
}

TEST(AlertPassClock, EndsWhereTheClockStopsAdvancing)
{
    // From 2^21 s on, adding 0.1 s rounds back to the same float: a longer
    // limit ends there instead of never.
    const int stalled = alertPassesForLimit(INT_MAX);
    EXPECT_EQ(alertPassesForLimit(3000000), stalled);
    EXPECT_EQ(stalled, alertPassesForLimit(2097152) + 1);
}
