#include <reel/core/bundle.h>
#include <reel/core/constants.h>

#include "sandbox.h"

#include <gtest/gtest.h>

using namespace reel;

TEST(Constants, DefaultTemporaryFolderFollowsTheApplicationName)
{
    ASSERT_TRUE(TMPFOLDER.isNull());
    const QString expected = qEnvironmentVariable("TMPDIR") + QStringLiteral("/reelkit-tests");
    EXPECT_EQ(getTMPFOLDER(), expected);
    EXPECT_EQ(getTMPFOLDER(), getTMPFOLDER());
    EXPECT_TRUE(TMPFOLDER.isNull()) << "the default is never stored";
}

TEST(Constants, DefaultTemporaryFolderIsBuiltOnEveryCall)
{
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
    setTMPFOLDER(QStringLiteral("/tmp/x-does-not-exist"));
    EXPECT_EQ(getTMPFOLDER(), QStringLiteral("/tmp/x-does-not-exist"));
}

TEST(Constants, FlagsAndComponents)
{
    EXPECT_EQ(getOPENPERM(), 1);
    setOPENPERM(0);
    EXPECT_EQ(getOPENPERM(), 0);
    setOPENPERM(255);
    EXPECT_EQ(getOPENPERM(), -1);
    setOPENPERM(256);
    EXPECT_EQ(getOPENPERM(), 0);
    setOPENPERM(1);

    const struct {
        int (*get)();
        void (*set)(int);
    } components[] = {
        {getWMV, setWMV},         {getDIVX, setDIVX},   {getAIC, setAIC},   {getPRORESdec, setPRORESdec},
        {getPRORES, setPRORES},   {getMPEG2, setMPEG2}, {getMTS, setMTS},
    };
    for (const auto &c : components) {
        EXPECT_EQ(c.get(), 0);
        c.set(-123456);
        EXPECT_EQ(c.get(), -123456);
        c.set(0);
    }
}
