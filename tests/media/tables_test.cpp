#include <reel/media/tables.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(MediaTables, EachCallOwnsItsListAndTheDvdListsBeginTheWiderOnes)
{
    const std::pair<QStringList (*)(), QStringList (*)()> pairs[] = {{extMultiplexedDvd, extMultiplexed},
                                                                       {extElementariesDvd, extElementaries}};
    for (const auto &[dvd, wider] : pairs) {
        QStringList list = dvd();
        EXPECT_EQ(wider().mid(0, list.size()), list);
        list.clear();
        EXPECT_FALSE(dvd().isEmpty());
    }
    EXPECT_TRUE(extMultiplexed().contains(u"vro"_s) && extElementaries().contains(u"m1v"_s));
    EXPECT_TRUE(extAudioPcm().contains(u"aiff"_s) && extAudioCompressedDvd().contains(u"ac3"_s));
    // "dv" for the mode "A" in either case, "ffts" for any other.
    EXPECT_EQ(qtExtensionsHandledArray(u"a"_s), (QStringList{u"dv"_s, u"mov"_s, u"3ivx"_s, u"unsupportedVideoCodecFfmpeg"_s}));
    for (const QString &mode : {u"AB"_s, u""_s, QString()})
        EXPECT_EQ(qtExtensionsHandledArray(mode).first(), u"ffts"_s) << mode.toStdString();
}

TEST(MediaTables, StandardFrameRatesAreSingles)
{
    QVariantList rates = standardsFpsArray();
    ASSERT_EQ(rates.size(), 10);
    for (const QVariant &rate : rates)
        EXPECT_EQ(rate.typeId(), QMetaType::Float) << rate.toFloat();
    EXPECT_EQ(rates.at(3).toFloat(), 23.98f); // two decimals, not 23.976
    rates[0] = 0;
    EXPECT_EQ(standardsFpsArray().at(0).toFloat(), 12.5f) << "each call owns its list";
}
