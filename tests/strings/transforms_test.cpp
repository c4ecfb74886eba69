#include <reel/strings/transforms.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <climits>

using namespace reel;

namespace {

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

TEST(ReverseStrInvertcase, SurrogatePairsStayWhole)
{
    const struct {
        const char16_t *text, *reversed, *inverted;
    } cases[] = {
        {u"Hello World 42", u"24 dlroW olleH", u"hELLO wORLD 42"},
        {u"a\U0001F600b", u"b\U0001F600a", u"A\U0001F600B"},
        {u"\U00010400\U00010428", u"\U00010428\U00010400", u"\U00010428\U00010400"}, // Deseret capital and small
        {u"\u00df\u01c5", u"\u01c5\u00df", u"SS\u01c5"}, // sharp s upper-cases to two letters; title case stays
        {u"", u"", u""},
        // A lone surrogate is one unit like any other.
        {u"a\xD83D", u"\xD83D" u"a", u"A\xD83D"},
        {u"\xD83D" u"a\U0001F600", u"\U0001F600" u"a\xD83D", u"\xD83D" u"A\U0001F600"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(reverseStr(q(c.text)), q(c.reversed)) << q(c.text).toStdString();
        EXPECT_EQ(invertcaseString(q(c.text)), q(c.inverted)) << q(c.text).toStdString();
    }
    EXPECT_FALSE(reverseStr(QString()).isNull());
    EXPECT_FALSE(invertcaseString(QString()).isNull());
}

TEST(LinesToArray, SplitsAtEveryLineBreakDropsEmptyLinesAndTheLinesAreValues)
{
    // Every break at every place of the blocks the scan reads at once, among
    // lines of the neighbours of the breaks, which are ordinary characters.
    const char16_t breaks[] = {0x0A, 0x0B, 0x0C, 0x0D, 0x85, 0x2028, 0x2029};
    const char16_t letters[] = {u'a', u' ', 0x09, 0x0E, 0x84, 0x86, 0xA0, 0x2027, 0x202A, 0x3000, u'z'};
    QString text;
    for (int i = 0; i < 700; ++i) {
        text += QString(i % 19, QChar(letters[i % 11]));
        text += QChar(breaks[i % 7]);
        if (i == 300 || i == 301) // long lines among the short: made apart, the short ones go on around them
            text += QString(70000 + i, QLatin1Char('L')) + QChar(breaks[i % 7]);
    }
    const QRegularExpression breakClass(QStringLiteral("[\\n\\x{0B}\\f\\r\\x{85}\\x{2028}\\x{2029}]"));
    const QStringList expected = text.split(breakClass, Qt::SkipEmptyParts);
    QStringList lines = linesToArray(text);
    ASSERT_EQ(lines, expected);
    EXPECT_TRUE(linesToArray(QString()).isEmpty());
    EXPECT_TRUE(linesToArray(QStringLiteral("\r\n\r\n")).isEmpty());

    // A line changed or kept alone touches no other.
    QString kept = lines.at(5);
    lines[4].append(QStringLiteral("!!"));
    EXPECT_EQ(lines.at(5), expected.at(5));
    lines.clear();
    EXPECT_EQ(kept.utf16()[kept.size()], 0) << "a line ends in a NUL like any string";
    kept.append(QStringLiteral("xyz"));
    EXPECT_EQ(kept, expected.at(5) + QStringLiteral("xyz"));
}

TEST(AddDigits, RepeatedDigitSum)
{
    const struct {
        int n, expected;
    } cases[] = {{9875, 2}, {9, 9}, {10, 1}, {0, 0}, {-15, -15}, {INT_MAX, 1}, {INT_MIN, INT_MIN}, {999999999, 9}};
    for (const auto &c : cases)
        EXPECT_EQ(addDigits(c.n), c.expected) << c.n;
}
