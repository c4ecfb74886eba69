#include "values.h"

#include <reel/core/debug.h>
#include <reel/numbers/durations.h>

TEST(DisplayDuration, BothWays)
{
    const std::pair<int, const char16_t *> forms[] = {
        {62, u"0h01'02\""},     {3600, u"1h00'00\""}, {59, u"0h00'59\""},      {0, u"0h00'00\""},
        {90000, u"25h00'00\""}, {3599, u"0h59'59\""}, {36610, u"10h10'10\""}, {INT_MAX, u"596523h14'07\""},
        // Negative: the form of 0, said in the log (0 itself is no warning).
        {-62, u"0h00'00\""},    {INT_MIN, u"0h00'00\""}};
    for (const auto &[t, expected] : forms)
        EXPECT_EQ(secondesInt2Str(t), q(expected)) << t;
    EXPECT_EQ(test::takeLog(), (QStringList{"secondesInt2Str     :-( negative duration -62, 0 written",
                                            "secondesInt2Str     :-( negative duration -2147483648, 0 written"}));

    const std::pair<const char16_t *, int> texts[] = {
        {u"0h00'00\"", 0}, {u"10h00'00\"", 36000}, {u"0h1'2\"", 62}, {u"125", 125}, {u"2h05", 2},
        {u" 1h 2' 3\"", 3723}, {u"-596523h-14'-8\"", INT_MIN},
        // The marks in another order: missing fields count 0.
        {u"1h\"'", 3600}, {u"5'3\"2h", 18000}, {u"h'\"", 0},
        // Beyond the int range: 0, said in the log.
        {u"999999h0'0\"", 0}};
    for (const auto &[text, expected] : texts)
        EXPECT_EQ(secondesStr2Int(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(secondesStr2Int(QString()), 0);
    EXPECT_EQ(test::takeLog(), QStringList{"secondesStr2Int     :-( '999999h0'0\"' leaves the integers, 0 returned"});
}

TEST(CutOffset, BothWays)
{
    const std::pair<float, const char16_t *> forms[] = {{5.f, u"-05.0'"}, {12.5f, u"-12.5'"}, {9.96f, u"-010.0'"},
                                                        {0.f, u""},       {-1.f, u""},        {kNaN, u""}};
    for (const auto &[x, expected] : forms)
        EXPECT_EQ(secondesCutFloat2Str(x), q(expected)) << x;

    const std::pair<const char16_t *, float> texts[] = {{u"-05.0'", 5.f}, {u"-010.0'", 10.f}, {u"-12.5'", 12.5f},
                                                        {u"-5'", 5.f},    {u"", 0.f},         {u"x", 0.f},
                                                        {u"-'", 0.f}};
    for (const auto &[text, expected] : texts)
        EXPECT_EQ(secondesCutStr2Float(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(secondesCutStr2Float(QString()), 0.f);
}

TEST(SecondeFloat2TimecodeStr, TruncatedTimecodes)
{
    const std::tuple<float, int, const char16_t *> cases[] = {
        {62.5f, 2, u"0:01:02.50"},   {5.05f, 2, u"0:00:05.05"},   {36000.f, 0, u"10:00:00"},
        {2.3f, 1, u"0:00:02.2"},     {59.999f, 2, u"0:00:59.99"}, {0.5f, 3, u"0:00:00.500"},
        {0.005f, 3, u"0:00:00.004"}, {1.5f, 5, u"0:00:01.500"},   {0.05f, 3, u"0:00:00.050"},
        {3661.25f, 1, u"1:01:01.2"}, {0.07f, 2, u"0:00:00.07"},   {0.f, 1, u"0:00:00.0"},
        {360000.f, 0, u"100:00:00"}, {2147483520.f, 0, u"596523:12:00"},
        // Outside the contract: the timecode of 0 (negative digits count 0), said in the log.
        {-1.f, 2, u"0:00:00.00"},    {kNaN, 0, u"0:00:00"},       {kInf, 1, u"0:00:00.0"},
        {3e9f, 0, u"0:00:00"},       {5.f, -1, u"0:00:05"}};
    for (const auto &[x, digits, expected] : cases)
        EXPECT_EQ(secondeFloat2TimecodeStr(x, digits), q(expected)) << x << " " << digits;
    EXPECT_EQ(test::takeLog().value(0), "secondeFloat2Timecod:-( -1.000000 seconds has no timecode, 0 written");
}

TEST(TimecodeStr2Float, ReadsTimecodes)
{
    const std::pair<const char16_t *, float> cases[] = {
        {u"00:01:02", 62.f},      {u"00:01:02.5", 62.5f},  {u"00:01:02,25", 62.25f}, {u"0:1:2.12/25", 62.48f},
        {u"1:01:00:00", 90000.f}, {u"00:00:00.04", 0.04f}, {u"00:00:00", 0.f},       {u"00:00", 0.f},
        {u"12:00", 0.f},          {u"90", 0.f},            {u"0:0:1.5,25", 1.75f},   {u"0:0:1.1/25", 1.04f},
        {u"1:2:3:4:5", 0.f},      {u"0:0:1. 5", 1.5f},     {u"0:0:1.123", 1.123f},   {u"", 0.f},
        {u"0:0:1.", 1.f},         {u"-1:00:00", -3600.f}};
    for (const auto &[text, expected] : cases)
        EXPECT_FLOAT_EQ(timecodeStr2Float(q(text)), expected) << q(text).toStdString();
    EXPECT_EQ(timecodeStr2Float(QString()), 0.f);

    // The largest float stays finite; just beyond it is an infinity.
    const QString most = QStringLiteral("340282346638528859811704183484516925440"); // FLT_MAX, in whole seconds
    const std::pair<QString, float> limits[] = {{"0:0:" + most, FLT_MAX},   {"0:1e21:" + most, kInf},
                                                {"0:0:-" + most, -FLT_MAX}, {"0:-1e21:-" + most, -kInf},
                                                {"1e36:0:0", kInf}};
    for (const auto &[text, expected] : limits)
        EXPECT_EQ(timecodeStr2Float(text), expected) << text.toStdString();
}

TEST(TimecodeStr2Float, BrokenInputIsNeutral)
{
    // A zero frame rate: the frames are ignored.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("0:0:2.3/0")), 2.f);
    EXPECT_EQ(test::takeLog(), QStringList{"timecodeStr2Float   :-( frames '3/0' give no fraction, 0 added"});
    // Days too many for an int of hours.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("1e30:0:0:0")), 0.f);
    EXPECT_EQ(test::takeLog(), QStringList{"timecodeStr2Float   :-( '1e30:0:0:0' has too many hours, 0 returned"});
    // A fraction longer than a float's range of powers of ten adds nothing.
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("0:0:1.") + QString(60, QLatin1Char('9'))), 1.f);
    EXPECT_EQ(timecodeStr2Float(QStringLiteral("0:0:1.") + QString(60, QLatin1Char('0')) + QLatin1Char('5')), 1.f);
    // In debug, a number that gave no duration is an alert; without, it is not.
    const QString title = QStringLiteral("utils > timecodeStr2Float ? :-/");
    timecodeStr2Float(QStringLiteral("12:00"));
    setDEBUG(1);
    for (const char *quiet : {"00:00:00", "00:00", "00:01:02.5"})
        timecodeStr2Float(QString::fromLatin1(quiet));
    EXPECT_FALSE(test::logContains(title));
    timecodeStr2Float(QStringLiteral("12:00"));
    EXPECT_TRUE(test::logContains(title));
}
