#include <reel/core/stringsfile.h>

#include "fuzzseeds.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

using namespace reel;

namespace {

QHash<QString, QString> parsed(const QByteArray &bytes)
{
    test::saveFuzzSeed("strings", QString::number(qHash(bytes), 16) + QStringLiteral(".strings"), bytes);
    const auto table = parseStringsFile(bytes);
    EXPECT_TRUE(table.has_value()) << bytes.constData();
    return table.value_or(QHash<QString, QString>{});
}

} // namespace

TEST(StringsFile, Syntax)
{
    const auto t = parsed("/* A comment \"x\" = \"y\"; */\n"
                          "// line comment\n"
                          "\"OK_BUTTON\" = \"Valider\";\n"
                          "bare_key = bare.value;\n"
                          "\"Self\";\n"
                          "\"esc\" = \"a\\\"b\\\\c\\nd\\te\\U00e9\\101\\u\";\n"
                          "  \"spaced\"   =\n   \"v\" ;");
    const QHash<QString, QString> expected{
        {QStringLiteral("OK_BUTTON"), QStringLiteral("Valider")},
        {QStringLiteral("bare_key"), QStringLiteral("bare.value")},
        {QStringLiteral("Self"), QStringLiteral("Self")},
        {QStringLiteral("esc"), QString::fromUtf8("a\"b\\c\nd\te\xc3\xa9" "Au")},
        {QStringLiteral("spaced"), QStringLiteral("v")},
    };
    EXPECT_EQ(t, expected);
    // The property-list form holds a table too.
    EXPECT_EQ(parsed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                     "<key>k</key><string>v</string></dict></plist>"),
              (QHash<QString, QString>{{QStringLiteral("k"), QStringLiteral("v")}}));
}

TEST(StringsFile, Encodings)
{
    const QString text = QString::fromUtf8("\"D_Langue\" = \"fran\xc3\xa7" "ais\";");
    QStringEncoder le(QStringConverter::Utf16LE);
    QStringEncoder be(QStringConverter::Utf16BE);
    const QByteArray cases[] = {
        text.toUtf8(),
        QByteArray("\xEF\xBB\xBF") + text.toUtf8(),
        QByteArray("\xFF\xFE") + QByteArray(le.encode(text)),
        QByteArray("\xFE\xFF") + QByteArray(be.encode(text)),
        text.toLatin1(),
    };
    for (const QByteArray &bytes : cases)
        EXPECT_EQ(parsed(bytes).value(QStringLiteral("D_Langue")), QString::fromUtf8("fran\xc3\xa7" "ais"));
}

TEST(StringsFile, Malformed)
{
    for (const char *bad : {"\"a\" = \"b\"", "\"a\" = ;", "\"a\" \"b\";", "/* open", "\"unterminated = \"x\";",
                            "{ \"a\" = \"b\";", "= \"b\";"})
        EXPECT_FALSE(parseStringsFile(QByteArray(bad)).has_value()) << bad;
    EXPECT_TRUE(parseStringsFile(QByteArray("")).has_value());
    EXPECT_TRUE(parseStringsFile(QByteArray("{ \"a\" = \"b\"; }")).has_value());
}
