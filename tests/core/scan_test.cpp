#include <reel/core/scan.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace reel;

TEST(Scan, IntValue)
{
    const std::pair<const char *, int> cases[] = {
        {"  -7x", -7}, {"+3", 3},   {"", 0},         {"--5", 0},    {"\n\t 12", 12},
        {"12.9", 12},  {"0x10", 0}, {"\xe2\x80\x83" "8", 8}, // em space is white space
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(intValue(QString::fromUtf8(text)), expected) << text;
    EXPECT_EQ(longLongValue(u"9223372036854775807"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(longLongValue(u"-9223372036854775808"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(longLongValue(u"-99999999999999999999"), std::numeric_limits<qint64>::min());
}

TEST(Scan, FloatValue)
{
    const std::pair<const char *, float> cases[] = {
        {" 05.40", 5.4f}, {"-3.5abc", -3.5f}, {".5", 0.5f}, {"5.", 5.0f}, {"1e3", 1000.f}, {"1e+", 1.0f},
        {"12,5", 12.f},   {".", 0.f},         {"-", 0.f},   {"inf", 0.f}, {"nan", 0.f},
        // Read in double precision and narrowed once.
        {"23.98", 23.98f}, {"2.675", 2.675f},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(floatValue(QString::fromUtf8(text)), expected) << text;
    EXPECT_TRUE(std::isinf(floatValue(u"-1e39")) && floatValue(u"-1e39") < 0);
    EXPECT_EQ(doubleValue(u"1e-400"), 0.0);
    EXPECT_EQ(doubleValue(u"0.1"), 0.1);
}

TEST(Scan, ScannerPositionsAndSkipSets)
{
    const struct {
        const char16_t *text;
        ScanSkip skip;
        qsizetype start, end; // where the position stands before and after the scan
        std::optional<float> value;
    } cases[] = {
        {u"x264", ScanSkip::Letters, 0, 4, 264.f},
        {u"ratio1.5", ScanSkip::Letters, 0, 8, 1.5f},
        {u"\u00e9t\u00e912", ScanSkip::Letters, 0, 5, 12.f}, // accented letters are letters
        {u"abc", ScanSkip::Letters, 0, 0, std::nullopt},      // a failed scan leaves the position alone
        {u"\t12", ScanSkip::Letters, 0, 0, std::nullopt},
        {u" 12", ScanSkip::Nothing, 0, 0, std::nullopt},
        {u"Enc1 \n 500 frames", ScanSkip::WhitespaceAndNewlines, 4, 10, 500.f}, // from the middle
    };
    for (const auto &c : cases) {
        qsizetype pos = c.start;
        EXPECT_EQ(scanFloat(c.text, &pos, c.skip), c.value) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(pos, c.end) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Scan, IgnoresTheProcessLocale)
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    // A locale with a decimal comma, when the machine has one.
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        EXPECT_EQ(floatValue(u"12.5"), 12.5f);
    std::setlocale(LC_NUMERIC, saved.c_str());
}
