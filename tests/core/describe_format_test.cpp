#include <reel/core/describe.h>
#include <reel/core/format.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <limits>

using namespace reel;

TEST(Describe, ValuesAsOldStylePropertyListText)
{
    const std::pair<QVariant, const char *> cases[] = {
        {QVariant(), "(null)"},
        {QStringLiteral("a b"), "a b"},
        {true, "1"},
        {false, "0"},
        {qint64(-9000000000), "-9000000000"},
        {quint64(18446744073709551615ULL), "18446744073709551615"},
        {0.1, "0.1"},
        {23.98f, "23.98"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {QByteArray("\x47", 1), "<47>"},
        {QByteArray("\x00\x00\x01\xba\x44\x00\x04\x00\x04\x01", 10), "<000001ba 44000400 0401>"},
        {QByteArray(), "<>"},
        {QVariantList{}, "(\n)"},
        {QVariantMap{}, "{\n}"},
        // Letters, digits and _$+/:.- stand bare; anything else is quoted.
        {QStringList{"$5", "+1", "a/b", "a:b", "x.mov", "a-b", "A_9", "b c", QString::fromUtf8("\xc3\xa9"), ""},
         "(\n    $5,\n    +1,\n    a/b,\n    a:b,\n    x.mov,\n    a-b,\n    A_9,\n    \"b c\",\n    \"\\U00e9\",\n    \"\"\n)"},
        {QVariantList{2, true}, "(\n    2,\n    1\n)"},
        {QVariantMap{{QStringLiteral("width"), 720},
                     {QStringLiteral("a key"), QVariantList{1, 2}},
                     {QStringLiteral("q"), QStringLiteral("say \"hi\"\n")}},
         "{\n    \"a key\" = (\n        1,\n        2\n    );\n    q = \"say \\\"hi\\\"\\n\";\n    width = 720;\n}"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(describe(value), QString::fromUtf8(text));

    const QDateTime utc(QDate(2008, 1, 2), QTime(9, 11, 12), QTimeZone::utc());
    const QString text = describe(utc);
    EXPECT_TRUE(text.startsWith(utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss "))));
    EXPECT_EQ(text.size(), 25);
    EXPECT_TRUE(text.at(20) == QLatin1Char('+') || text.at(20) == QLatin1Char('-'));
}

TEST(Format, Directives)
{
    EXPECT_EQ(format("free disk space     : %d Mo", 1234), QStringLiteral("free disk space     : 1234 Mo"));
    EXPECT_EQ(format("%@ and %@", QStringLiteral("a"), 3), QStringLiteral("a and 3"));
    EXPECT_EQ(format("%.3f", 1.7778f), QStringLiteral("1.778"));
    EXPECT_EQ(format("%u", -1), QStringLiteral("4294967295"));
    EXPECT_EQ(format("%d", qint64(4294967297LL)), QStringLiteral("1")) << "%d takes 32 bits";
    EXPECT_EQ(format("%ld|%lld", qint64(4294967297LL), qint64(-5)), QStringLiteral("4294967297|-5"));
    EXPECT_EQ(format("100%%"), QStringLiteral("100%"));
    EXPECT_EQ(format("%05.1f|%-4d|", 2.25, 7), QStringLiteral("002.2|7   |"));
    EXPECT_EQ(format("%x %X %o", 255, 255, 8), QStringLiteral("ff FF 10"));
    EXPECT_EQ(format("%c%c", QStringLiteral("xy"), 65), QStringLiteral("xA"));
    EXPECT_EQ(format("%d", 2.9), QStringLiteral("2"));
    EXPECT_EQ(format("%d", std::nan("")), QStringLiteral("0")) << "no undefined conversion";
    EXPECT_EQ(format("missing %@ %d", QStringLiteral("x")), QStringLiteral("missing x 0"));
    EXPECT_EQ(format("trailing %"), QStringLiteral("trailing %"));
    EXPECT_EQ(format("%k"), QStringLiteral("%k"));
    EXPECT_EQ(format("%s", "caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(format("deb : %@\u2026", QStringLiteral("12")), QString::fromUtf8("deb : 12\xe2\x80\xa6"));
    // An argument holding directives stays as it is.
    EXPECT_EQ(format("'%@' > '%@'", QStringLiteral("%@%d"), QStringLiteral("%1")), QStringLiteral("'%@%d' > '%1'"));
}
