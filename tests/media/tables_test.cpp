#include <reel/media/tables.h>

#include <gtest/gtest.h>

using namespace reel;

TEST(MediaTables, ExtensionListsEachCallOwnsItsList)
{
    const std::pair<QStringList (*)(), QStringList> cases[] = {
        {extMultiplexedDvd, {"mpg", "mpeg", "mod", "ts", "vob"}},
        {extMultiplexed, {"mpg", "mpeg", "mod", "ts", "vob", "tod", "vro"}},
        {extElementariesDvd, {"m2v", "mpv"}},
        {extElementaries, {"m2v", "mpv", "m1v"}},
        {extAudioPcm, {"wav", "wave", "aif", "aiff"}},
        {extAudioCompressedDvd, {"ac3", "mp2", "mpa", "m1a"}},
    };
    for (const auto &[table, expected] : cases) {
        QStringList first = table();
        EXPECT_EQ(first, expected);
        first.clear();
        EXPECT_EQ(table(), expected);
    }
}

TEST(MediaTables, QtExtensionsHandled)
{
    const QStringList common{"mov", "3ivx", "unsupportedVideoCodecFfmpeg"};
    for (const char *mode : {"A", "a"})
        EXPECT_EQ(qtExtensionsHandledArray(QString::fromLatin1(mode)), QStringList{"dv"} + common) << mode;
    for (const QString &mode : {QStringLiteral("AB"), QStringLiteral(""), QString(), QStringLiteral("b")})
        EXPECT_EQ(qtExtensionsHandledArray(mode), QStringList{"ffts"} + common) << mode.toStdString();
}

TEST(MediaTables, StandardFrameRatesAreSingles)
{
    QVariantList rates = standardsFpsArray();
    const float expected[] = {12.5f, 25.f, 11.99f, 23.98f, 12.f, 24.f, 14.98f, 29.97f, 15.f, 30.f};
    ASSERT_EQ(rates.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(rates.at(i).typeId(), QMetaType::Float) << i;
        EXPECT_EQ(rates.at(i).toFloat(), expected[i]) << i;
    }
    EXPECT_NE(rates.at(3).toFloat(), 23.976f);
    rates[0] = 0;
    EXPECT_EQ(standardsFpsArray().at(0).toFloat(), 12.5f) << "each call owns its list";
}
