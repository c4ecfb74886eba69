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
class Localisation : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bundle = test::makeBundle(QStringLiteral("Loc"), {{QStringLiteral("CFBundleName"), QStringLiteral("Loc")}});
        const QString resources = m_bundle + QStringLiteral("/Contents/Resources/");
        test::writeFile(resources + QStringLiteral("Test.strings"), kStrings);
        test::writeFile(resources + QStringLiteral("Wide.strings"),
                        QByteArray("\xFF\xFE", 2) + test::iconvBytes(QString::fromUtf8(kStrings), "UTF-16LE"));
        test::writeFile(resources + QStringLiteral("en.lproj/Only.strings"), "\"LOCAL\" = \"Here\";\n");
        m_use = std::make_unique<test::ScopedBundle>(m_bundle);
    }

    QString m_bundle;
    std::unique_ptr<test::ScopedBundle> m_use;
};

} // namespace

TEST_F(Localisation, KeyOfATranslatedText)
{
    const struct {
        QString text;
        QString file;
        QString expected;
    } cases[] = {
        {QStringLiteral("Valider"), QStringLiteral("Test"), QStringLiteral("OK_BUTTON")},
        {QStringLiteral("Valider"), QStringLiteral("Test.strings"), QStringLiteral("OK_BUTTON")},
        {QStringLiteral("Valider"), QStringLiteral("Wide"), QStringLiteral("OK_BUTTON")},
        // The value ends at the second "=".
        {QStringLiteral("a"), QStringLiteral("Test"), QStringLiteral("EQUALS")},
        // An unquoted value is everything between the "=" signs.
        {QStringLiteral(" bare word ;"), QStringLiteral("Test"), QStringLiteral("BARE")},
        // A comment is just another line.
        {QStringLiteral("in a comment"), QStringLiteral("Test"), QStringLiteral("COMMENT_KEY")},
        // The first match wins.
        {QStringLiteral("one"), QStringLiteral("Test"), QStringLiteral("DUP")},
        {QStringLiteral("two"), QStringLiteral("Test"), QStringLiteral("DUP")},
        {QStringLiteral("Here"), QStringLiteral("Only"), QStringLiteral("LOCAL")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + c.file.toStdString());
        EXPECT_EQ(str2LocalisationTitle(c.text, c.file), c.expected);
    }
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST_F(Localisation, TextComesBackWhenNoKeyMatches)
{
    for (const QString &text : {QStringLiteral("valider"), QStringLiteral("a=b"), QStringLiteral("bare word")}) {
        SCOPED_TRACE(text.toStdString());
        test::clearLog();
        EXPECT_EQ(str2LocalisationTitle(text, QStringLiteral("Test")), text);
        EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("str2LocalisationTitl:-( from '") + text + QLatin1Char('\'')});
    }
    // No file: the text, without a word.
    test::clearLog();
    EXPECT_EQ(str2LocalisationTitle(QStringLiteral("Valider"), QStringLiteral("Nothing")), QStringLiteral("Valider"));
    EXPECT_EQ(str2LocalisationTitle(QStringLiteral("Valider"), QString()), QStringLiteral("Valider"));
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_TRUE(str2LocalisationTitle(QString(), QStringLiteral("Test")).isNull());
    EXPECT_TRUE(str2LocalisationTitle(QStringLiteral(""), QStringLiteral("Test")).isNull());
}

TEST_F(Localisation, AFileGivenByPath)
{
    const QString path = test::writeFile(test::scratchDir() + QStringLiteral("/mine/My.strings"), "\"MINE\" = \"Mien\";\n");
    EXPECT_EQ(str2LocalisationTitle(QStringLiteral("Mien"), path), QStringLiteral("MINE"));
    // Without its extension the path is looked for with ".strings".
    EXPECT_EQ(str2LocalisationTitle(QStringLiteral("Mien"), test::scratchDir() + QStringLiteral("/mine/My")), QStringLiteral("MINE"));
}

TEST_F(Localisation, AllKeysInFileOrder)
{
    const QStringList expected = {QStringLiteral("COMMENT_KEY"), QStringLiteral("OK_BUTTON"), QStringLiteral("EQUALS"),
                                  QStringLiteral("BARE"),        QStringLiteral("KEY_AFTER_QUOTE"), QStringLiteral("DUP"),
                                  QStringLiteral("DUP")};
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Test")), expected);
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Test.txt")), expected);
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Wide")), expected);
    EXPECT_EQ(localisationAllKeysFromFile(QStringLiteral("Only")), QStringList{QStringLiteral("LOCAL")});
    EXPECT_TRUE(localisationAllKeysFromFile(QStringLiteral("Nothing")).isEmpty());
    EXPECT_TRUE(localisationAllKeysFromFile(QString()).isEmpty());
    EXPECT_TRUE(localisationAllKeysFromFile(QStringLiteral("")).isEmpty());
    EXPECT_TRUE(test::logLines().isEmpty());
}
