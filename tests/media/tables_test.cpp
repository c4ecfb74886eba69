#include <reel/media/tables.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace Qt::StringLiterals;

// Callers edit the lists they get: each call must hand out a fresh copy.
TEST(MediaTables, EachCallOwnsItsListAndTheRatesAreSingles)
{
    QStringList dvd = extMultiplexedDvd();
    EXPECT_EQ(extMultiplexed().mid(0, dvd.size()), dvd);
    dvd.clear();
    EXPECT_FALSE(extMultiplexedDvd().isEmpty());
    EXPECT_EQ(qtExtensionsHandledArray(u"a"_s).first(), u"dv"_s);
    EXPECT_EQ(qtExtensionsHandledArray(QString()).first(), u"ffts"_s);

    QVariantList rates = standardsFpsArray();
    EXPECT_EQ(rates.at(3).typeId(), QMetaType::Float);
    EXPECT_EQ(rates.at(3).toFloat(), 23.98f); // two decimals, not 23.976
    rates[0] = 0;
    EXPECT_EQ(standardsFpsArray().at(0).toFloat(), 12.5f);
}
