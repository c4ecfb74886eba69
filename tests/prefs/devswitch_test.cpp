#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/describe.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace reel::test;

namespace {

const QString kMarker = QStringLiteral("reelkit-videoworkshop.org");

} // namespace

TEST(DevSwitch, AnswersFromTheIdPreference)
{
    const struct {
        QVariant id;
        bool on;
    } cases[] = {
        {kMarker, true},
        {QStringLiteral("user ") + kMarker + QStringLiteral(" at home"), true},
        {kMarker.toUpper(), false},
        {QStringLiteral("reelkit-videoworkshop"), false},
        {QStringLiteral(""), false},
        {25, false},
        {kMarker.toUtf8(), false},
        {QVariantList{kMarker}, false},
        {QVariantMap{{kMarker, kMarker}}, false},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(prefWrite(QStringLiteral("id"), c.id));
        EXPECT_EQ(getDEBUGMOI(), c.on) << describe(c.id).toStdString();
    }
    // Read on every call: a deleted preference turns the switch off at once.
    ASSERT_TRUE(prefWrite(QStringLiteral("id"), kMarker));
    ASSERT_TRUE(getDEBUGMOI());
    ASSERT_TRUE(prefDelete(QStringLiteral("id")));
    EXPECT_FALSE(getDEBUGMOI());
}

TEST(DevSwitch, WithoutAnIdNothingMoreIsRead)
{
    setDEBUG(1);
    EXPECT_FALSE(getDEBUGMOI());
    EXPECT_TRUE(logLines().isEmpty());
    ASSERT_TRUE(prefWrite(QStringLiteral("id"), QStringLiteral("x")));
    clearLog();
    EXPECT_FALSE(getDEBUGMOI());
    EXPECT_EQ(logCount(QStringLiteral("prefRead            : x")), 2);
}
