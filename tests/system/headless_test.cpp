// What a program without a Qt application object gets.
#include "logcapture.h"

#include <reel/system/machine.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace reel;

TEST(Headless, NoApplicationNoAcceleratedDisplay)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_FALSE(quartzExtremeCard());
    EXPECT_EQ(test::logLines().size(), 3);
}
