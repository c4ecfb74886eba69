#include "bundles.h"
#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/text/localisation.h>

#include <gtest/gtest.h>

using namespace reel;

namespace {

const QByteArray kStrings = "/* \"COMMENT_KEY\" = \"in a comment\"; */\n"
                            "\"OK_BUTTON\" = \"Valider\";\n"
                            "\"EQUALS\" = \"a=b\";\n"
                            "\"BARE\" = bare word ;\n"
                            "\"ESC\\\"APED\" = \"escaped\";\n"
                            "KEY_AFTER_QUOTE\" = \"half\";\n"
                            "\r\n"
                            "\"DUP\" = \"one\";\n"
                            "\"DUP\" = \"two\";\n"
                            "no entry here\n";

// A bundle whose resources hold Test.strings (the entries above), a UTF-16
// copy of it and a strings file found only in its localisation folder.
test::ScopedBundle useBundle()
{
    const QString bundle = test::makeBundle(QStringLiteral("Loc"), {{QStringLiteral("CFBundleName"), QStringLiteral("Loc")}});
    const QString resources = bundle + QStringLiteral("/Contents/Resources/");
    test::writeFile(resources + QStringLiteral("Test.strings"), kStrings);
    test::writeFile(resources + QStringLiteral("Wide.strings"),
                    QByteArray("\xFF\xFE", 2) + test::iconvBytes(QString::fromUtf8(kStrings), "UTF-16LE"));
    test::writeFile(resources + QStringLiteral("en.lproj/Only.strings"), "\"LOCAL\" = \"Here\";\n");
    return test::ScopedBundle(bundle);
}

} // namespace

TEST(Localisation, KeyOfATranslatedText)
{
    const test::ScopedBundle bundle = useBundle();
    const QString mine = test::writeFile(test::scratchDir() + QStringLiteral("/mine/My.strings"), "\"MINE\" = \"Mien\";\n");
    const struct {
        QString text, file, expected; // expected null: the text comes back, said in the log
    } cases[] = {
        // The value ends at the second "="; an unquoted value is everything
        // between the "=" signs.
        {QStringLiteral("Valider"), QStringLiteral("Test"), QStringLiteral("OK_BUTTON")},
        {QStringLiteral("a"), QStringLiteral("Test"), QStringLiteral("EQUALS")}, {QStringLiteral("a=b"), QStringLiteral("Test"), QString()},
        {QStringLiteral(" bare word ;"), QStringLiteral("Test"), QStringLiteral("BARE")},
        {QStringLiteral("bare word"), QStringLiteral("Test"), QString()},
        // A comment is just another line; the first match wins; the case counts.
        {QStringLiteral("in a comment"), QStringLiteral("Test"), QStringLiteral("COMMENT_KEY")},
        {QStringLiteral("one"), QStringLiteral("Test"), QStringLiteral("DUP")}, {QStringLiteral("valider"), QStringLiteral("Test"), QString()},
        // In the localisation folder; by path.
        {QStringLiteral("Here"), QStringLiteral("Only"), QStringLiteral("LOCAL")}, {QStringLiteral("Mien"), mine, QStringLiteral("MINE")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + c.file.toStdString());
        EXPECT_EQ(str2LocalisationTitle(c.text, c.file), c.expected.isNull() ? c.text : c.expected);
        EXPECT_EQ(test::takeLog(), c.expected.isNull() ? QStringList{QStringLiteral("str2LocalisationTitl:-( from '") + c.text + QLatin1Char('\'')}
                                                       : QStringList());
    }
    // No file: the text, without a word.
    EXPECT_EQ(str2LocalisationTitle(QStringLiteral("Valider"), QStringLiteral("Nothing")), QStringLiteral("Valider"));
    EXPECT_TRUE(str2LocalisationTitle(QStringLiteral(""), QStringLiteral("Test")).isNull());

    // Every key, in file order.
    const QStringList keys = {QStringLiteral("COMMENT_KEY"), QStringLiteral("OK_BUTTON"), QStringLiteral("EQUALS"),
                              QStringLiteral("BARE"),        QStringLiteral("KEY_AFTER_QUOTE"), QStringLiteral("DUP"),
                              QStringLiteral("DUP")};
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Test.txt")), keys);
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Wide")), keys);
    EXPECT_TRUE(localisationAllKeysFromFile(QStringLiteral("Nothing")).isEmpty());
    EXPECT_TRUE(test::logLines().isEmpty());
}
