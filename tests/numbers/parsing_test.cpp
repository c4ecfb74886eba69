#include "values.h"

#include <reel/numbers/parsing.h>

TEST(Str2Float, ReadsTheFirstNumberLenientlyAndStr2IntTruncates)
{
    const std::pair<const char16_t *, float> cases[] = {
        {u"  12.5 fps", 12.5f}, {u"x264", 264.f}, {u"abc", 0.f},   {u"12,5", 12.f},     {u"\t12", 0.f},
        {u"\n12", 0.f},         {u"", 0.f},       {u"-3.5", -3.5f}, {u"ratio 1.5", 1.5f}, {u"1 000", 1000.f},
        {u"- 2", -2.f},         {u"1e50", kInf},  {u"\u00e9t\u00e9 7", 7.f},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(str2Float(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(str2Float(QString()), 0.f);

    const std::pair<const char16_t *, int> ints[] = {
        {u"7.9", 7}, {u"-7.9", -7}, {u"x", 0}, {u"-2147483648", INT_MIN}, {u"2147483520", 2147483520},
        // Beyond the int range, or infinite: 0, said in the log.
        {u"2147483648", 0}, {u"3000000000", 0}, {u"-1e50", 0},
    };
    for (const auto &[text, expected] : ints)
        EXPECT_EQ(str2Int(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(test::takeLog().value(2), "str2Int             :-( -inf is no int, 0 returned");
}

TEST(SortNumbers, NumbersAscendingStringsReadAsFloats)
{
    // Every element is logged, whatever the debug level; strings are read as floats.
    const QVariantList sorted = sortNumbers(QVariantList{QStringLiteral("10"), 2, QStringLiteral("3.5")});
    EXPECT_EQ(sorted, (QVariantList{2, 3.5f, 10.f}));
    EXPECT_EQ(test::takeLog(), (QStringList{"10", "2", "3.5"}));
    EXPECT_TRUE(sortNumbers(QVariantList()).isEmpty());

    // NaN first; 'x' reads as 0; large integers are compared exactly, not as doubles.
    const QVariantList mixed = sortNumbers(QVariantList{qint64(9007199254740993LL), 9007199254740992.0, -1.5f,
                                                        std::nan(""), QStringLiteral("x"), true});
    QList<int> types;
    for (const QVariant &v : sorted + mixed)
        types << v.typeId();
    EXPECT_EQ(types, (QList<int>{QMetaType::Int, QMetaType::Float, QMetaType::Float, QMetaType::Double, QMetaType::Float,
                                 QMetaType::Float, QMetaType::Bool, QMetaType::Double, QMetaType::LongLong}));
    EXPECT_TRUE(std::isnan(mixed.value(0).toDouble()));
    EXPECT_EQ(mixed.mid(1, 2), (QVariantList{-1.5f, 0.f}));
}

TEST(Fractions, BothWays)
{
    const std::pair<const char16_t *, float> cases[] = {
        {u"16:9", 16.f / 9.f}, {u"2.35:1", 2.35f}, {u"0.05", 1.f},  {u"1:20", 1.f},   {u"16:9:4", 16.f / 9.f},
        {u"16/9", 16.f},       {u"1.85", 1.85f},   {u"4:0", kInf},  {u"-4:0", -kInf}, {u"0:0", kNaN},
        {u":", kNaN},          {u" 4 : 3", 4.f / 3.f}, {u"-16:9", -16.f / 9.f}, {u"a:b", kNaN},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_PRED2(test::same, fractionStr2Float(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(fractionStr2Float(QString()), 1.f);

    const std::pair<float, const char *> ratios[] = {
        {0.05f, "1:1"},  {1.02f, "1:1"},     {0.98f, "1:1"},    {1.7777f, "16:9"}, {1.80f, "9:5"},
        {4.f / 3.f, "4:3"}, {16.f / 9.f, "16:9"}, {1.32f, "4:3"}, {1.78f, "16:9"},   {1.85f, "37:20"},
        {2.35f, "47:20"}, {1.5f, "3:2"},     {1.25f, "5:4"},    {2.21f, "221:100"}, {-2.35f, "-47:20"},
        {-0.05f, "1:1"},
        // No fraction to scale: said in the log.
        {kNaN, "1:1"}, {kInf, "1:1"}, {1e10f, "1:1"},
    };
    for (const auto &[r, expected] : ratios)
        EXPECT_EQ(float2FractionStr(r), QString::fromLatin1(expected)) << r;
    EXPECT_TRUE(test::logHas(QStringLiteral("float2FractionStr :-( inf has no fraction, 1:1 returned")));
    EXPECT_TRUE(test::logHas(QStringLiteral("float2FractionStr : 37:20 (<-1.850)")));
    EXPECT_TRUE(test::logHas(QStringLiteral("fractionStr2Float :-/ 1.850 (<-1.85)")));
}

TEST(VersionStr2Float, MajorMinorPatch)
{
    const std::pair<const char16_t *, float> cases[] = {
        {u"10.4.11", 10.0411f}, {u"1.2.3", 1.0203f}, {u"10.5", 10.05f}, {u"2", 2.f},
        {u"", 0.f},             {u"1.10", 1.1f},     {u"0.9.9", 0.0909f}, {u"x.y", 0.f},
        {u"10.4.11.2", 10.0411f}, // what follows the patch is ignored
    };
    for (const auto &[text, expected] : cases)
        EXPECT_FLOAT_EQ(versionStr2Float(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(versionStr2Float(QString()), 0.f);
}

TEST(ASTID, PicksAField)
{
    const std::tuple<const char16_t *, const char16_t *, uint, const char16_t *> cases[] = {
        {u"a;b;c", u";", 777, u"c"},   {u"a;b;c", u";", 666, u"b"},     {u"a;b;c", u";", 5, u"a;b;c"},
        {u"42", u";", 0, u"42"},       {u"12.5", u".", 0, u"12"},       {u"12.500000", u".", 0, u"12.500000"},
        {u"a;b", u";", 666, u"a"},     {u"a;b", u";", 777, u"b"},       {u"a;;c", u";", 1, u""},
        {u"abc", u";", 0, u"abc"},     {u"a;b", u"", 0, u"a;b"},        {u"a;b", u";", 4294967295u, u"a;b"},
        {u"a::b::c", u"::", 2, u"c"},  {u"-7", u"-", 0, u"-7"},         {u"", u";", 0, u""},
    };
    for (const auto &[text, separator, index, expected] : cases)
        EXPECT_EQ(ASTID(q(text), q(separator), index), q(expected)) << q(text).toStdString() << " " << index;
    const QString none = ASTID(QString(), QStringLiteral(";"), 0);
    EXPECT_TRUE(none.isEmpty() && !none.isNull());
    EXPECT_EQ(ASTID(QStringLiteral("a;b"), QString(), 1), QStringLiteral("a;b"));
}
