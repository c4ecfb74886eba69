#include "logcapture.h"

#include <reel/core/debug.h>
#include <reel/numbers/bitrate.h>
#include <reel/numbers/durations.h>
#include <reel/numbers/multiples.h>
#include <reel/numbers/parsing.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <tuple>

using namespace reel;

namespace {

const float kNaN = NAN;
const float kInf = INFINITY;

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// Equal within 4 units in the last place, or both NaN.
bool same(float a, float b)
{
    return a == b || (std::isnan(a) && std::isnan(b)) || std::fabs(a - b) <= 4 * FLT_EPSILON * std::fabs(b);
}

} // namespace

TEST(Bitrate, VideoBitrateLeftAfterTheAudioAndSizeOfAStream)
{
    const std::tuple<float, int, int> budgets[] = {
        {5400.f, 700, 895}, {60.f, 10, 1206}, {3600.f, 100, 41}, {7200.f, 100, -75}, {1.f, 0, -192},
        // A duration outside the contract: 0, said in the log.
        {0.f, 700, 0}, {-5.f, 700, 0}, {kNaN, 700, 0}, {1e-30f, 700, 0}, {kInf, 700, 0}};
    for (const auto &[duration, sizeMB, expected] : budgets)
        EXPECT_EQ(bitrateCalculator(duration, sizeMB), expected) << duration << " " << sizeMB;
    EXPECT_EQ(test::takeLog().value(0), "bitrateCalculator   :-( duration 0.000000, 0 kb/s returned");

    // Beyond the int range: 0, said in the log.
    const std::tuple<float, int, int> sizes[] = {{5400.f, 1000, 676}, {3600.f, 128, 58}, {0.05f, 1000, 0}, {1.f, 8000, 2},
                                                 {0.1f, 8000, 1}, {kNaN, 1000, 0}, {-10.f, 1000, 0}, {1e9f, 1000000, 0}, {kInf, 1, 0}};
    for (const auto &[duration, bitrate, expected] : sizes)
        EXPECT_EQ(bitrate2MB(duration, bitrate), expected) << duration << " " << bitrate;
    EXPECT_EQ(test::takeLog().size(), 2);
}

TEST(NbMultiple, RemainderTestsAndDivisorZero)
{
    const std::tuple<int, int, bool> cases[] = {{10, 5, true},      {10, 3, false},    {-10, 5, true}, {0, 7, true},
                                                {INT_MIN, -1, true}, {INT_MIN, 2, true}, {5, 0, false}};
    for (const auto &[n, m, expected] : cases)
        EXPECT_EQ(nbMultiple(n, m), expected) << n << " " << m;
    EXPECT_TRUE(nbsMultiples(10, 20, 5));
    EXPECT_FALSE(nbsMultiples(10, 21, 5));
    EXPECT_FALSE(nbsMultiples(0, 0, 0));
    EXPECT_EQ(test::takeLog(), (QStringList{"nbMultiple          :-( 5 divided by 0", "nbMultiple          :-( 0 divided by 0"}))
        << "b is not tested when a fails";
}

TEST(SousMultipleCommuns, RemovesSmallCommonFactors)
{
    const std::tuple<int, int, int, int> cases[] = {
        {0, 0, 1, 1},   {1920, 1080, 16, 9}, {720, 576, 5, 4}, {38, 19, 38, 19}, {0, 12, 0, 1},
        {-4, 6, -2, 3}, {INT_MIN, 0, -1, 0}, {289, 17, 17, 1}, {7, 7, 1, 1},     {1850, 1000, 37, 20}};
    for (const auto &[a, b, ra, rb] : cases)
        EXPECT_EQ(sousMultipleCommuns(a, b), (QVariantList{ra, rb})) << a << ":" << b;
    EXPECT_EQ(sousMultipleCommuns(1920, 1080).at(0).typeId(), QMetaType::Int);
}

TEST(NbsSousMultipleCommun, SearchesTheBandsThenTheFallbackList)
{
    const std::tuple<int, int, int, int> cases[] = {
        {720, 576, 16, 16}, {1920, 1080, 16, 12}, {646, 437, 16, 19}, {597, 995, 10, 199}, {7, 11, 3, 1}, {0, 0, 5, 5},
        {-1920, 1080, 16, 12},
        // Outside the bands: the largest of the fallback list that divides both; large divisors: no overflow
        // and no walk through a billion candidates; below 1, no band to search: 1, said in the log.
        {11, 22, 100, 11}, {41, 82, 100, 41}, {197, 394, 50, 197}, {INT_MAX, INT_MAX, INT_MAX - 1, INT_MAX},
        {INT_MIN, 0, INT_MAX, 1073741824}, {10, 20, 0, 1}};
    for (const auto &[a, b, m, expected] : cases)
        EXPECT_EQ(nbsSousMultipleCommun(a, b, m), expected) << a << " " << b << " " << m;
    EXPECT_TRUE(test::logHas(QStringLiteral("nbsSousMultipleCommun:-( divisor 0 below 1, 1 returned")));
}

TEST(NbMultipleArrondi, NearestMultipleTiesUpwards)
{
    const std::tuple<int, int, int> cases[] = {
        {24, 16, 32}, {23, 16, 16}, {1078, 16, 1072}, {7, 5, 10}, {-7, 16, 0}, {-24, 16, -16}, {0, 16, 0},
        {INT_MIN, -1, INT_MIN}, {INT_MAX, 1, INT_MAX}, // then: no multiple of 0; none beyond the int range
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
        {2.5f, 0, 3.f, 2.f}, {-1.7f, 0, -2.f, -1.f}, {-1.26f, 1, -1.3f, -1.2f}, {3.14159f, 3, 3.142f, 3.141f},
        {0.999f, 2, 1.f, 0.99f}, {-0.125f, 2, -0.13f, -0.12f}, {0.5f, 9, 0.5f, 0.5f},
        // A negative digits count works on whole numbers; already whole beyond the int range, or outside
        // the contract: the value itself.
        {2.5f, -1, 3.f, 2.f}, {-2.5f, -3, -3.f, -2.f}, {3e9f, 0, 3e9f, 3e9f}, {-5e9f, 0, -5e9f, -5e9f},
        {1e8f, 2, 1e8f, 1e8f}, {1.5f, 10, 1.5f, 1.5f}, {kInf, 0, kInf, kInf}, {kNaN, 2, kNaN, kNaN}};
    for (const auto &[x, digits, rounded, cut] : cases) {
        EXPECT_PRED2(same, nbArrondi(x, digits), rounded) << x << " " << digits;
        EXPECT_PRED2(same, nbTrimmed(x, digits), cut) << x << " " << digits;
    }
    EXPECT_TRUE(test::logHas(QStringLiteral("nbArrondi           :-( 1.500000 with 10 digits is out of range, kept as it is")));
}

TEST(Readers, TextToNumberOnWorkedExamples)
{
    using FloatReader = float (*)(const QString &);
    const struct {
        FloatReader read;
        std::initializer_list<std::pair<const char16_t *, float>> rows; // a null text is a null string
    } floats[] = {
        {str2Float, {{u"  12.5 fps", 12.5f}, {u"x264", 264.f}, {u"12,5", 12.f}, {u"\t12", 0.f}, {u"-3.5", -3.5f},
                     {u"1 000", 1000.f}, {u"- 2", -2.f}, {u"1e50", kInf}, {u"\u00e9t\u00e9 7", 7.f}, {nullptr, 0.f}}},
        {timecodeStr2Float, {{u"00:01:02", 62.f},     {u"00:01:02,25", 62.25f}, {u"0:1:2.12/25", 62.48f},
                             {u"1:01:00:00", 90000.f}, {u"00:00:00.04", 0.04f}, {u"00:00", 0.f},
                             {u"90", 0.f},            {u"0:0:1.5,25", 1.75f},   {u"1:2:3:4:5", 0.f},
                             {u"0:0:1. 5", 1.5f},     {u"0:0:1.123", 1.123f},   {u"0:0:1.", 1.f},
                             {u"-1:00:00", -3600.f},  {nullptr, 0.f}}},
        {fractionStr2Float, {{u"16:9", 16.f / 9.f}, {u"2.35:1", 2.35f}, {u"0.05", 1.f},  {u"1:20", 1.f},
                             {u"16:9:4", 16.f / 9.f}, {u"16/9", 16.f},  {u"1.85", 1.85f}, {u"-4:0", -kInf},
                             {u"0:0", kNaN},         {u"a:b", kNaN},   {nullptr, 1.f}}},
        {versionStr2Float, {{u"10.4.11", 10.0411f}, {u"10.5", 10.05f}, {u"2", 2.f}, {u"1.10", 1.1f}, {u"x.y", 0.f},
                            {u"10.4.11.2", 10.0411f}, {nullptr, 0.f}}}, // what follows the patch is ignored
        {secondesCutStr2Float, {{u"-05.0'", 5.f}, {u"-010.0'", 10.f}, {u"-5'", 5.f}, {u"", 0.f}, {u"x", 0.f}, {u"-'", 0.f}}},
    };
    for (const auto &table : floats)
        for (const auto &[text, expected] : table.rows)
            EXPECT_PRED2(same, table.read(q(text)), expected) << q(text).toStdString();
    EXPECT_TRUE(test::logHas(QStringLiteral("fractionStr2Float :-/ 1.850 (<-1.85)")));
    test::clearLog();

    using IntReader = int (*)(const QString &);
    const std::tuple<IntReader, const char16_t *, int> ints[] = {
        {str2Int, u"-7.9", -7}, {str2Int, u"-2147483648", INT_MIN}, {str2Int, u"2147483520", 2147483520},
        {secondesStr2Int, u"10h00'00\"", 36000}, {secondesStr2Int, u"0h1'2\"", 62}, {secondesStr2Int, u"125", 125},
        {secondesStr2Int, u"2h05", 2}, {secondesStr2Int, u" 1h 2' 3\"", 3723},
        {secondesStr2Int, u"-596523h-14'-8\"", INT_MIN}, {secondesStr2Int, nullptr, 0},
        // Marks out of order: missing fields count 0.
        {secondesStr2Int, u"1h\"'", 3600}, {secondesStr2Int, u"5'3\"2h", 18000},
        // Beyond the int range, or infinite: 0, said in the log.
        {str2Int, u"2147483648", 0}, {str2Int, u"-1e50", 0}, {secondesStr2Int, u"999999h0'0\"", 0}};
    for (const auto &[read, text, expected] : ints)
        EXPECT_EQ(read(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(test::takeLog().mid(1), (QStringList{"str2Int             :-( -inf is no int, 0 returned",
                                                   "secondesStr2Int     :-( '999999h0'0\"' leaves the integers, 0 returned"}));
}

TEST(DisplayDuration, SecondsAndCutOffsets)
{
    const std::pair<int, const char16_t *> forms[] = {
        {62, u"0h01'02\""}, {3600, u"1h00'00\""}, {59, u"0h00'59\""}, {0, u"0h00'00\""}, {3599, u"0h59'59\""},
        {36610, u"10h10'10\""}, {INT_MAX, u"596523h14'07\""}, {-62, u"0h00'00\""}}; // negative: 0, said in the log
    for (const auto &[t, expected] : forms)
        EXPECT_EQ(secondesInt2Str(t), q(expected)) << t;
    EXPECT_EQ(test::takeLog(), QStringList{"secondesInt2Str     :-( negative duration -62, 0 written"});

    const std::pair<float, const char16_t *> cuts[] = {
        {5.f, u"-05.0'"}, {12.5f, u"-12.5'"}, {9.96f, u"-010.0'"}, {0.f, u""}, {kNaN, u""}};
    for (const auto &[x, expected] : cuts)
        EXPECT_EQ(secondesCutFloat2Str(x), q(expected)) << x;
}

TEST(SecondeFloat2TimecodeStr, TruncatedTimecodes)
{
    const std::tuple<float, int, const char16_t *> cases[] = {
        {62.5f, 2, u"0:01:02.50"},  {5.05f, 2, u"0:00:05.05"},   {36000.f, 0, u"10:00:00"}, {2.3f, 1, u"0:00:02.2"},
        {59.999f, 2, u"0:00:59.99"}, {0.005f, 3, u"0:00:00.004"}, {1.5f, 5, u"0:00:01.500"}, {0.05f, 3, u"0:00:00.050"},
        {2147483520.f, 0, u"596523:12:00"},
        // Outside the contract: the timecode of 0 (negative digits count 0), said in the log.
        {-1.f, 2, u"0:00:00.00"}, {kNaN, 0, u"0:00:00"}, {3e9f, 0, u"0:00:00"}, {5.f, -1, u"0:00:05"}};
    for (const auto &[x, digits, expected] : cases)
        EXPECT_EQ(secondeFloat2TimecodeStr(x, digits), q(expected)) << x << " " << digits;
    EXPECT_EQ(test::takeLog().value(0), "secondeFloat2Timecod:-( -1.000000 seconds has no timecode, 0 written");
}

TEST(TimecodeStr2Float, LimitsAndBrokenInput)
{
    // The largest float stays finite; just beyond it is an infinity.
    const QString most = QStringLiteral("340282346638528859811704183484516925440"); // FLT_MAX, in whole seconds
    const std::pair<QString, float> limits[] = {{"0:0:" + most, FLT_MAX},   {"0:1e21:" + most, kInf},
                                                {"0:0:-" + most, -FLT_MAX}, {"0:-1e21:-" + most, -kInf}};
    for (const auto &[text, expected] : limits)
        EXPECT_EQ(timecodeStr2Float(text), expected) << text.toStdString();

    // A zero frame rate: the frames are ignored.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("0:0:2.3/0")), 2.f);
    EXPECT_EQ(test::takeLog(), QStringList{"timecodeStr2Float   :-( frames '3/0' give no fraction, 0 added"});
    // Days too many for an int of hours.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("1e30:0:0:0")), 0.f);
    EXPECT_EQ(test::takeLog(), QStringList{"timecodeStr2Float   :-( '1e30:0:0:0' has too many hours, 0 returned"});
    // A fraction longer than a float's range of powers of ten adds nothing.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("0:0:1.") + QString(60, QLatin1Char('9'))), 1.f);
    // In debug, a number that gave no duration is an alert; without, it is not.
    timecodeStr2Float(QStringLiteral("12:00"));
    setDEBUG(1);
    for (const char *quiet : {"00:00:00", "00:01:02.5"})
        timecodeStr2Float(QString::fromLatin1(quiet));
    EXPECT_FALSE(test::logContains(QStringLiteral("utils > timecodeStr2Float ? :-/")));
    timecodeStr2Float(QStringLiteral("12:00"));
    EXPECT_TRUE(test::logContains(QStringLiteral("utils > timecodeStr2Float ? :-/")));
}

TEST(UserDuration, TheFormsPeopleTypeAndNothingElse)
{
    const struct {
        const char *name, *text;
        double seconds; // -1: refused
    } cases[] = {
        {"seconds", "90", 90},
        {"a fraction after a point or a comma", " 90,5 ", 90.5},
        {"minutes and seconds", "1:30", 90},
        {"minutes past the hour without hours", "90:00", 5400},
        {"a clock with a fraction", "0:01:30.25", 90.25},
        {"a clock of single digits", "1:2:3", 3723},
        {"units", "1h30m15s", 5415},
        {"hours and bare minutes", "1h30", 5400},
        {"a fraction of an hour", "1.5h", 5400},
        {"spaced units", "2m 30s", 150},
        {"minutes spelt out", "2 min", 120},
        {"the display form", "1h30'00\"", 5400},
        {"nothing", "", -1},
        {"words", "ten", -1},
        {"a sign", "-5", -1},
        {"an exponent", "1e3", -1},
        {"sixty seconds in a clock", "1:60", -1},
        {"sixty minutes under an hour", "1:60:00", -1},
        {"seventy minutes after hours", "1h70m", -1},
        {"four fields", "1:2:3:4", -1},
        {"a unit twice", "1h2h", -1},
        {"ten million seconds", "10000000", -1},
    };
    for (const auto &c : cases) {
        const std::optional<double> seconds = userDurationSeconds(QString::fromUtf8(c.text));
        EXPECT_EQ(seconds.value_or(-1), c.seconds) << c.name;
    }
}

TEST(SortNumbers, NumbersAscendingStringsReadAsFloats)
{
    // Every element is logged, whatever the debug level; strings are read as floats, 'x' as 0; NaN comes
    // first; large integers are compared exactly, not as doubles.
    const QVariantList sorted = sortNumbers(QVariantList{QStringLiteral("10"), 2, QStringLiteral("3.5")});
    EXPECT_EQ(sorted, (QVariantList{2, 3.5f, 10.f}));
    EXPECT_EQ(test::takeLog(), (QStringList{"10", "2", "3.5"}));
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

TEST(Float2FractionStr, NearestCommonRatioOrReducedThousandths)
{
    const std::pair<float, const char *> ratios[] = {
        {0.05f, "1:1"}, {1.02f, "1:1"},   {0.98f, "1:1"},     {1.7777f, "16:9"}, {1.80f, "9:5"},  {4.f / 3.f, "4:3"},
        {1.78f, "16:9"}, {1.85f, "37:20"}, {2.21f, "221:100"}, {-2.35f, "-47:20"}, {-0.05f, "1:1"},
        {kInf, "1:1"},  {1e10f, "1:1"}}; // no fraction to scale: said in the log
    for (const auto &[r, expected] : ratios)
        EXPECT_EQ(float2FractionStr(r), QString::fromLatin1(expected)) << r;
    EXPECT_TRUE(test::logHas(QStringLiteral("float2FractionStr :-( inf has no fraction, 1:1 returned")));
    EXPECT_TRUE(test::logHas(QStringLiteral("float2FractionStr : 37:20 (<-1.850)")));
}

TEST(ASTID, PicksAField)
{
    const std::tuple<const char16_t *, const char16_t *, uint, const char16_t *> cases[] = {
        {u"a;b;c", u";", 777, u"c"},  {u"a;b;c", u";", 666, u"b"},       {u"a;b;c", u";", 5, u"a;b;c"},
        {u"42", u";", 0, u"42"},      {u"12.500000", u".", 0, u"12.500000"}, {u"12.5", u".", 0, u"12"},
        {u"a;;c", u";", 1, u""},      {u"a;b", u"", 0, u"a;b"},            {u"a::b::c", u"::", 2, u"c"},
        {u"a;b", nullptr, 1, u"a;b"}};
    for (const auto &[text, separator, index, expected] : cases)
        EXPECT_EQ(ASTID(q(text), q(separator), index), q(expected)) << q(text).toStdString() << " " << index;
    const QString none = ASTID(QString(), QStringLiteral(";"), 0);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_FALSE(none.isNull());
}
