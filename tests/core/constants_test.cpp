#include <reel/core/bundle.h>
#include <reel/core/constants.h>

#include "sandbox.h"

#include <gtest/gtest.h>

using namespace reel;

TEST(Constants, DefaultTemporaryFolderIsBuiltOnEveryCallAndNeverStored)
{
    ASSERT_TRUE(TMPFOLDER.isNull());
    EXPECT_EQ(getTMPFOLDER(), qEnvironmentVariable("TMPDIR") + QStringLiteral("/reelkit-tests"));
    EXPECT_TRUE(TMPFOLDER.isNull());
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", test::sandboxRoot().toUtf8() + "/tmp/");
    EXPECT_EQ(getTMPFOLDER(), test::sandboxRoot() + QStringLiteral("/tmp/reelkit-tests"));
    qunsetenv("TMPDIR");
    EXPECT_EQ(getTMPFOLDER(), QStringLiteral("/tmp/reelkit-tests"));
    qputenv("TMPDIR", saved);
}

TEST(Constants, StoredTemporaryFolder)
{
    setTMPFOLDER(QStringLiteral("/tmp/x-does-not-exist"));
    EXPECT_EQ(getTMPFOLDER(), QStringLiteral("/tmp/x-does-not-exist"));
}

TEST(Constants, FlagsAndComponents)
{
    EXPECT_EQ(getOPENPERM(), 1);
    const struct {
        int set, get;
    } eightBits[] = {{0, 0}, {255, -1}, {256, 0}, {1, 1}};
    for (const auto &c : eightBits) {
        setOPENPERM(c.set);
        EXPECT_EQ(getOPENPERM(), c.get) << c.set;
    }
    const struct {
        int (*get)();
        void (*set)(int);
    } components[] = {
        {getWMV, setWMV},       {getDIVX, setDIVX},   {getAIC, setAIC}, {getPRORESdec, setPRORESdec},
        {getPRORES, setPRORES}, {getMPEG2, setMPEG2}, {getMTS, setMTS},
    };
    for (const auto &c : components) {
        EXPECT_EQ(c.get(), 0);
        c.set(-123456);
        EXPECT_EQ(c.get(), -123456);
        c.set(0);
    }
}
