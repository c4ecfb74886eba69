#include <reel/strings/lists.h>

#include "logcapture.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <cmath>

using namespace reel;

TEST(SupprimerDoublons, KeepsEachValueOnce)
{
    // Numbers match by value whatever their type; a string never matches a number.
    const QVariantList mixed = supprimerDoublons(QVariantList{1, 1.0, qint64(1), true, QStringLiteral("1"), 2.5f, 2.5, 0.1f,
                                                              0.1, std::nan(""), std::nan(""), 18446744073709551616.0, 0});
    QList<int> types;
    for (const QVariant &v : mixed)
        types << v.typeId();
    EXPECT_EQ(types, (QList<int>{QMetaType::Int, QMetaType::QString, QMetaType::Float, QMetaType::Float, QMetaType::Double,
                                 QMetaType::Double, QMetaType::Double, QMetaType::Int}))
        << "0.1 differs from 0.1f, 2^64 from 0";
    EXPECT_EQ(mixed.value(3), QVariant(0.1f));
    EXPECT_TRUE(std::isnan(mixed.value(5).toDouble()));

    const QDateTime when(QDate(2024, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(supprimerDoublons(QVariantList{when, when, QVariantList{1}, QVariantList{1}}).size(), 2);
    EXPECT_EQ(supprimerDoublons(QStringList{"b", "a", "b", "a"}), (QStringList{"b", "a"}));
}

TEST(TriAlphabetique, SortsTextsWithoutRegardToCaseKeepingEqualOnesInOrder)
{
    EXPECT_EQ(triAlphabetique(QVariantList{"b", "A", 3, 2.5, true}), (QStringList{"1", "2.5", "3", "A", "b"}));
    EXPECT_EQ(triAlphabetique(QStringList{"bravo", "Alpha", "ALPHA"}), (QStringList{"Alpha", "ALPHA", "bravo"}));
}

TEST(InsertObjectsFromArray, InsertsInOrderInFrontOfIndex)
{
    const struct {
        QVariantList target, source;
        uint index;
        QVariantList expected;
    } cases[] = {
        {{"a", "d"}, {"b", "c"}, 1, {"a", "b", "c", "d"}}, {{"a"}, {"b", "c"}, 0, {"b", "c", "a"}},
        {{"a"}, {"b", "c"}, 1, {"a", "b", "c"}}, {{"a"}, {}, 0, {"a"}}, {{}, {1, 2}, 0, {1, 2}},
        // Past the end: the target stays as it was, said in the log.
        {{"a"}, {"b"}, 2, {"a"}},
    };
    for (const auto &c : cases) {
        QVariantList target = c.target;
        EXPECT_EQ(&insertObjectsFromArray(target, c.source, c.index), &target);
        EXPECT_EQ(target, c.expected);
    }
    EXPECT_EQ(test::takeLog(), QStringList{"insertObjectsFromArr:-( index 2 past the 1 elements, nothing inserted"});

    QStringList self{"x", "y"};
    insertObjectsFromArray(self, self, 1);
    EXPECT_EQ(self, (QStringList{"x", "x", "y", "y"}));
}
