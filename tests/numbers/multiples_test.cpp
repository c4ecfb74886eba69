#include "values.h"

#include <reel/numbers/multiples.h>

TEST(NbMultiple, RemainderTestsAndDivisorZero)
{
    const std::tuple<int, int, bool> cases[] = {{10, 5, true}, {10, 3, false},     {-10, 5, true},   {0, 7, true},
                                                {7, -7, true}, {INT_MIN, -1, true}, {INT_MIN, 2, true}, {7, 1, true}};
    for (const auto &[n, m, expected] : cases)
        EXPECT_EQ(nbMultiple(n, m), expected) << n << " " << m;
    EXPECT_TRUE(nbsMultiples(10, 20, 5));
    EXPECT_FALSE(nbsMultiples(10, 21, 5));
    EXPECT_TRUE(test::takeLog().isEmpty());

    EXPECT_FALSE(nbMultiple(5, 0));
    EXPECT_FALSE(nbsMultiples(0, 0, 0));
    EXPECT_EQ(test::takeLog(), (QStringList{"nbMultiple          :-( 5 divided by 0", "nbMultiple          :-( 0 divided by 0"}))
        << "b is not tested when a fails";
}

TEST(SousMultipleCommuns, RemovesSmallCommonFactors)
{
    const std::tuple<int, int, int, int> cases[] = {
        {0, 0, 1, 1},   {1920, 1080, 16, 9}, {720, 576, 5, 4}, {38, 19, 38, 19}, {0, 12, 0, 1},
        {-4, 6, -2, 3}, {INT_MIN, 0, -1, 0}, {289, 17, 17, 1}, {7, 7, 1, 1},     {1850, 1000, 37, 20}};
    for (const auto &[a, b, ra, rb] : cases) {
        const QVariantList reduced = sousMultipleCommuns(a, b);
        EXPECT_EQ(reduced, (QVariantList{ra, rb})) << a << ":" << b;
        EXPECT_EQ(reduced.at(0).typeId(), QMetaType::Int);
    }
}

TEST(NbsSousMultipleCommun, SearchesTheBandsThenTheFallbackList)
{
    const std::tuple<int, int, int, int> cases[] = {
        {720, 576, 16, 16}, {1920, 1080, 16, 12}, {646, 437, 16, 19}, {597, 995, 10, 199}, {97, 194, 16, 1},
        {7, 11, 3, 1},      {9, 15, 2, 1},        {0, 0, 5, 5},       {-1920, 1080, 16, 12},
        // Outside the bands: the largest of the fallback list that divides both.
        {11, 22, 100, 11},  {41, 82, 100, 41},    {197, 394, 50, 197},
        // Large divisors: no overflow and no walk through a billion candidates.
        {INT_MAX, INT_MAX, INT_MAX - 1, INT_MAX}, {INT_MIN, 0, INT_MAX, 1073741824},
        // Below 1 there is no band to search: 1, said in the log.
        {10, 20, 0, 1}, {10, 20, -5, 1}};
    for (const auto &[a, b, m, expected] : cases)
        EXPECT_EQ(nbsSousMultipleCommun(a, b, m), expected) << a << " " << b << " " << m;
    EXPECT_TRUE(test::logHas(QStringLiteral("nbsSousMultipleCommun:-( divisor 0 below 1, 1 returned")));
}

TEST(NbMultipleArrondi, NearestMultipleTiesUpwards)
{
    const std::tuple<int, int, int> cases[] = {
        {24, 16, 32}, {23, 16, 16},   {1080, 16, 1088}, {1078, 16, 1072}, {7, 5, 10},
        {-7, 16, 0},  {-24, 16, -16}, {8, 16, 16},      {0, 16, 0},       {32, 16, 32},
        {INT_MIN, -1, INT_MIN},       {INT_MIN, 16, INT_MIN},             {INT_MAX, 1, INT_MAX},
        // Outside the contract: no multiple of 0; none beyond the int range.
        {5, 0, 5}, {INT_MAX, 16, INT_MAX - 15}, {INT_MIN + 8, -16, INT_MIN}};
    for (const auto &[n, m, expected] : cases)
        EXPECT_EQ(nbMultipleArrondi(n, m), expected) << n << " " << m;
    EXPECT_TRUE(test::logHas(QStringLiteral("nbMultipleArrondi    :-( no multiple of 0, 5 returned as it is")));
}

TEST(NbArrondiNbTrimmed, RoundAndCutInSinglePrecision)
{
    // x, digits, nbArrondi, nbTrimmed
    const std::tuple<float, int, float, float> cases[] = {
        {2.675f, 2, 2.68f, 2.67f}, // 2.67499995 * 100 + 0.5 rounds to 268 as one float
        {2.5f, 0, 3.f, 2.f},        {-2.5f, 0, -3.f, -2.f},        {-1.7f, 0, -2.f, -1.f},
        {1.2345f, 2, 1.23f, 1.23f}, {-1.26f, 1, -1.3f, -1.2f},     {1.99f, 0, 2.f, 1.f},
        {-1.99f, 0, -2.f, -1.f},    {3.14159f, 3, 3.142f, 3.141f}, {-3.14159f, 2, -3.14f, -3.14f},
        {0.999f, 2, 1.f, 0.99f},    {0.125f, 2, 0.13f, 0.12f},     {-0.125f, 2, -0.13f, -0.12f},
        {0.f, 3, 0.f, 0.f},         {0.5f, 9, 0.5f, 0.5f},         {1.5f, 9, 1.5f, 1.5f},
        // A negative digits count works on whole numbers.
        {2.5f, -1, 3.f, 2.f},       {-2.5f, -3, -3.f, -2.f},       {2.9f, -1, 3.f, 2.f},
        // Already whole beyond the int range, or outside the contract: the value itself.
        {3e9f, 0, 3e9f, 3e9f},      {1e10f, 0, 1e10f, 1e10f},      {-5e9f, 0, -5e9f, -5e9f},
        {1e8f, 2, 1e8f, 1e8f},      {-1e8f, 2, -1e8f, -1e8f},      {1.5f, 10, 1.5f, 1.5f},
        {2.5f, 12, 2.5f, 2.5f},     {kInf, 0, kInf, kInf},         {-kInf, 3, -kInf, -kInf},
        {kNaN, 0, kNaN, kNaN},      {kNaN, 2, kNaN, kNaN}};
    for (const auto &[x, digits, rounded, cut] : cases) {
        EXPECT_PRED2(test::same, nbArrondi(x, digits), rounded) << x << " " << digits;
        EXPECT_PRED2(test::same, nbTrimmed(x, digits), cut) << x << " " << digits;
    }
    EXPECT_TRUE(test::logHas(QStringLiteral("nbArrondi           :-( 1.500000 with 10 digits is out of range, kept as it is")));
}
