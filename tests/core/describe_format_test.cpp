#include <reel/core/describe.h>
#include <reel/core/format.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <limits>

using namespace reel;

TEST(Describe, Scalars)
{
    EXPECT_EQ(describe(QVariant()), QStringLiteral("(null)"));
    EXPECT_EQ(describe(QStringLiteral("a b")), QStringLiteral("a b"));
    EXPECT_EQ(describe(true), QStringLiteral("1"));
    EXPECT_EQ(describe(false), QStringLiteral("0"));
    EXPECT_EQ(describe(25), QStringLiteral("25"));
    EXPECT_EQ(describe(qint64(-9000000000)), QStringLiteral("-9000000000"));
    EXPECT_EQ(describe(quint64(18446744073709551615ULL)), QStringLiteral("18446744073709551615"));
    EXPECT_EQ(describe(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(describe(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(describe(23.98f), QStringLiteral("23.98"));
    EXPECT_EQ(describe(std::numeric_limits<double>::infinity()), QStringLiteral("inf"));
}

TEST(Describe, DataAndDates)
{
    EXPECT_EQ(describe(QByteArray("\x47", 1)), QStringLiteral("<47>"));
    EXPECT_EQ(describe(QByteArray("\x00\x00\x01\xba\x44\x00\x04\x00\x04\x01", 10)),
              QStringLiteral("<000001ba 44000400 0401>"));
    EXPECT_EQ(describe(QByteArray()), QStringLiteral("<>"));

    const QDateTime utc(QDate(2008, 1, 2), QTime(9, 11, 12), QTimeZone::utc());
    const QString text = describe(utc);
    const QDateTime local = utc.toLocalTime();
    EXPECT_TRUE(text.startsWith(local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss "))));
    EXPECT_EQ(text.size(), 25);
    EXPECT_TRUE(text.at(20) == QLatin1Char('+') || text.at(20) == QLatin1Char('-'));
}

TEST(Describe, Collections)
{
    EXPECT_EQ(describe(QVariantList{}), QStringLiteral("(\n)"));
    EXPECT_EQ(describe(QVariantMap{}), QStringLiteral("{\n}"));
    EXPECT_EQ(describe(QVariantList{QStringLiteral("a"), 2, QStringLiteral("b c"), true}),
              QStringLiteral("(\n    a,\n    2,\n    \"b c\",\n    1\n)"));
    EXPECT_EQ(describe(QStringList{QStringLiteral("x.mov"), QString::fromUtf8("\xc3\xa9"), QStringLiteral("")}),
              QStringLiteral("(\n    x.mov,\n    \"\\U00e9\",\n    \"\"\n)"));
    const QVariantMap nested{{QStringLiteral("width"), 720},
                             {QStringLiteral("a key"), QVariantList{1, 2}},
                             {QStringLiteral("q"), QStringLiteral("say \"hi\"\n")}};
    EXPECT_EQ(describe(nested), QStringLiteral("{\n"
                                               "    \"a key\" = (\n"
                                               "        1,\n"
                                               "        2\n"
                                               "    );\n"
                                               "    q = \"say \\\"hi\\\"\\n\";\n"
                                               "    width = 720;\n"
                                               "}"));
}

TEST(Format, Directives)
{
    EXPECT_EQ(format("free disk space     : %d Mo", 1234), QStringLiteral("free disk space     : 1234 Mo"));
    EXPECT_EQ(format("%@ and %@", QStringLiteral("a"), 3), QStringLiteral("a and 3"));
    EXPECT_EQ(format("%@", QVariant()), QStringLiteral("(null)"));
    EXPECT_EQ(format("%f", 2.5), QStringLiteral("2.500000"));
    EXPECT_EQ(format("%.2f %@", 1.5, QStringLiteral("M")), QStringLiteral("1.50 M"));
    EXPECT_EQ(format("%.3f", 1.7778f), QStringLiteral("1.778"));
    EXPECT_EQ(format("%u", -1), QStringLiteral("4294967295"));
    EXPECT_EQ(format("%d", qint64(4294967297LL)), QStringLiteral("1")) << "%d takes 32 bits";
    EXPECT_EQ(format("%ld", qint64(4294967297LL)), QStringLiteral("4294967297"));
    EXPECT_EQ(format("%lld units", qint64(-5)), QStringLiteral("-5 units"));
    EXPECT_EQ(format("%d%d.%d.%d", 1, 0, 5, 8), QStringLiteral("10.5.8"));
    EXPECT_EQ(format("100%%"), QStringLiteral("100%"));
    EXPECT_EQ(format("%05.1f|%-4d|", 2.25, 7), QStringLiteral("002.2|7   |"));
    EXPECT_EQ(format("%x %X %o", 255, 255, 8), QStringLiteral("ff FF 10"));
    EXPECT_EQ(format("%d", 2.9), QStringLiteral("2"));
    EXPECT_EQ(format("%d", std::nan("")), QStringLiteral("0")) << "no undefined conversion";
    EXPECT_EQ(format("missing %@ %d", QStringLiteral("x")), QStringLiteral("missing x 0"));
    EXPECT_EQ(format("trailing %"), QStringLiteral("trailing %"));
    EXPECT_EQ(format("%k"), QStringLiteral("%k"));
    EXPECT_EQ(format("%s", "caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
}

TEST(Format, ArgumentTextIsNeverReinterpreted)
{
    // An argument holding directives stays as it is.
    EXPECT_EQ(format("'%@' > '%@'", QStringLiteral("%@%d"), QStringLiteral("%1")), QStringLiteral("'%@%d' > '%1'"));
    EXPECT_EQ(format("str2Float           - deb : %@\u2026", QStringLiteral("12")),
              QString::fromUtf8("str2Float           - deb : 12\xe2\x80\xa6"));
}
