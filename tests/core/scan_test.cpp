#include <reel/core/scan.h>

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>

using namespace reel;

TEST(Scan, IntValue)
{
    const struct {
        const char *text;
        int expected;
    } cases[] = {
        {"42", 42},          {"  -7x", -7},     {"+3", 3},        {"", 0},
        {"abc", 0},          {"--5", 0},        {"\n\t 12", 12},  {"12.9", 12},
        {"99999999999", 2147483647},             {"-99999999999", -2147483647 - 1},
        {"0x10", 0},         {"\xe2\x80\x83" "8", 8}, // em space is white space
    };
    for (const auto &c : cases)
        EXPECT_EQ(intValue(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(longLongValue(u"9223372036854775807"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(longLongValue(u"-9223372036854775808"), std::numeric_limits<qint64>::min());
    EXPECT_EQ(longLongValue(u"-99999999999999999999"), std::numeric_limits<qint64>::min());
}

TEST(Scan, FloatValue)
{
    const struct {
        const char *text;
        float expected;
    } cases[] = {
        {"12.5", 12.5f}, {" 05.40", 5.4f}, {"-3.5abc", -3.5f}, {".5", 0.5f},  {"5.", 5.0f},
        {"1e3", 1000.f}, {"1e", 1.0f},     {"1e+", 1.0f},      {"12,5", 12.f}, {"", 0.f},
        {".", 0.f},      {"-", 0.f},       {"inf", 0.f},       {"nan", 0.f},  {"\n2", 2.f},
        // Read in double precision and narrowed once.
        {"23.98", 23.98f}, {"2.675", 2.675f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(floatValue(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_TRUE(std::isinf(floatValue(u"1e50")));
    EXPECT_TRUE(std::isinf(floatValue(u"-1e39")) && floatValue(u"-1e39") < 0);
    EXPECT_EQ(doubleValue(u"1e-400"), 0.0);
    EXPECT_EQ(doubleValue(u"0.1"), 0.1);
}

TEST(Scan, ScannerPositionsAndSkipSets)
{
    qsizetype pos = 0;
    // Letters are passed over, white space is not.
    EXPECT_EQ(scanFloat(u"x264", &pos, ScanSkip::Letters), 264.f);
    EXPECT_EQ(pos, 4);
    pos = 0;
    EXPECT_EQ(scanFloat(u"ratio1.5", &pos, ScanSkip::Letters), 1.5f);
    pos = 0;
    EXPECT_FALSE(scanFloat(u"abc", &pos, ScanSkip::Letters));
    EXPECT_EQ(pos, 0) << "a failed scan leaves the position alone";
    pos = 0;
    EXPECT_FALSE(scanFloat(u"\t12", &pos, ScanSkip::Letters));
    pos = 0;
    EXPECT_FALSE(scanFloat(u" 12", &pos, ScanSkip::Nothing));
    pos = 0;
    EXPECT_EQ(scanFloat(u"\u00e9t\u00e912", &pos, ScanSkip::Letters), 12.f) << "accented letters are letters";

    // Reading from the middle: the text after a marker.
    const QString text = QStringLiteral("Enc1 \n 500 frames");
    pos = text.indexOf(QStringLiteral("Enc1")) + 4;
    EXPECT_EQ(scanFloat(text, &pos), 500.f);
    EXPECT_EQ(text.mid(pos), QStringLiteral(" frames"));
}

TEST(Scan, IgnoresTheProcessLocale)
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    // A locale with a decimal comma, when the machine has one.
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(floatValue(u"12.5"), 12.5f);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}
