#include "bundles.h"
#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/text/localisation.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(Localisation, KeyOfATranslatedText)
{
    const QByteArray strings = test::readFile(test::testDataPath() + u"/text/Test.strings"_s);
    // Test.strings, a UTF-16 copy of it and a file only in the localisation folder.
    const QString bundle = test::makeBundle(u"Loc"_s, {{u"CFBundleName"_s, u"Loc"_s}});
    const QString resources = bundle + u"/Contents/Resources/"_s;
    test::writeFile(resources + u"Test.strings"_s, strings);
    test::writeFile(resources + u"Wide.strings"_s,
                    QByteArray("\xFF\xFE", 2) + test::iconvBytes(QString::fromUtf8(strings), "UTF-16LE"));
    test::writeFile(resources + u"en.lproj/Only.strings"_s, "\"LOCAL\" = \"Here\";\n");
    const test::ScopedBundle use(bundle);
    const QString mine = test::writeFile(test::scratchDir() + u"/mine/My.strings"_s, "\"MINE\" = \"Mien\";\n");
    const struct {
        QString text, file, expected; // expected null: the text comes back, said in the log
    } cases[] = {
        // The value ends at the second "="; an unquoted value is everything
        // between the "=" signs.
        {u"Valider"_s, u"Test"_s, u"OK_BUTTON"_s}, {u"a"_s, u"Test"_s, u"EQUALS"_s}, {u"a=b"_s, u"Test"_s, QString()},
        {u" bare word ;"_s, u"Test"_s, u"BARE"_s}, {u"bare word"_s, u"Test"_s, QString()},
        // A comment is just another line; the first match wins; the case counts.
        {u"in a comment"_s, u"Test"_s, u"COMMENT_KEY"_s}, {u"one"_s, u"Test"_s, u"DUP"_s}, {u"valider"_s, u"Test"_s, QString()},
        // In the localisation folder; by path.
        {u"Here"_s, u"Only"_s, u"LOCAL"_s}, {u"Mien"_s, mine, u"MINE"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(str2LocalisationTitle(c.text, c.file), c.expected.isNull() ? c.text : c.expected);
        EXPECT_EQ(test::takeLog(), c.expected.isNull() ? QStringList{u"str2LocalisationTitl:-( from '"_s + c.text + u'\''}
                                                       : QStringList());
    }
    // No file: the text, without a word.
    EXPECT_EQ(str2LocalisationTitle(u"Valider"_s, u"Nothing"_s), u"Valider"_s);
    EXPECT_TRUE(str2LocalisationTitle(u""_s, u"Test"_s).isNull());

    // Every key, in file order.
    const QStringList keys = {u"COMMENT_KEY"_s, u"OK_BUTTON"_s, u"EQUALS"_s, u"BARE"_s, u"KEY_AFTER_QUOTE"_s, u"DUP"_s, u"DUP"_s};
    EXPECT_EQ(localisationAllKeysFromFile(u"Test.txt"_s), keys);
    EXPECT_EQ(localisationAllKeysFromFile(u"Wide"_s), keys);
    EXPECT_TRUE(localisationAllKeysFromFile(u"Nothing"_s).isEmpty());
    EXPECT_TRUE(test::logLines().isEmpty());
}
