#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/text/encodings.h>

#include <gtest/gtest.h>

#include <QVariantMap>

using namespace reel;

TEST(EncodingNames, LookUpByNumberAndByName)
{
    const struct {
        int number;
        QString name;
        QVariant expected;
    } cases[] = {
        {4, QString(), QStringLiteral("UTF- 8")}, {65536, QString(), QStringLiteral("UTF-32LE")}, {16, QString(), QVariant()},
        {0, QString(), QVariant()}, {0, QStringLiteral("UTF-16"), 10}, {-1, QStringLiteral("Japanese (ISO-2022)"), 21},
        // A name not in the table is ignored.
        {30, QStringLiteral("utf-16"), QStringLiteral("Western (Mac OS Roman)")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + " " + c.name.toStdString());
        const QVariant result = encodingCharsetInt2Name(c.number, c.name);
        EXPECT_EQ(result.typeId(), c.expected.typeId());
        EXPECT_EQ(result, c.expected);
    }
    // -1: the whole table, whose every number is a working encoding.
    const QVariantMap table = encodingCharsetInt2Name(-1, QString()).toMap();
    EXPECT_EQ(table.size(), 18);
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        EXPECT_TRUE(isSupportedStringEncoding(it.key().toUInt())) << it.key().toStdString();
}

TEST(EncodingFiles, NameOrTextOfADetectedFileAndTextInAGivenEncoding)
{
    const QString fr = test::frenchSubtitle();
    const QString utf8 = test::writeFile(test::scratchDir() + QStringLiteral("/utf8.srt"), fr.toUtf8());
    EXPECT_EQ(encodingCharsetIdentify(utf8, false), QStringLiteral("UTF- 8"));
    EXPECT_EQ(encodingCharsetIdentify(utf8, true), fr);
    EXPECT_EQ(test::takeLog(), QStringList(2, QStringLiteral("encoding : UTF- 8")));
    // KOI8-R is not detected; ASCII then reads every byte.
    const QByteArray koi8 = test::iconvBytes(test::russianSubtitle(), "KOI8-R");
    const QString koi8Path = test::writeFile(test::scratchDir() + QStringLiteral("/koi8.srt"), koi8);
    EXPECT_TRUE(encodingCharsetIdentify(koi8Path, false).isNull());
    EXPECT_EQ(test::takeLog().value(1).left(25), QStringLiteral("encodingCharsetIdenti:-( "));
    EXPECT_EQ(encodingCharsetIdentify(koi8Path, true), QString::fromLatin1(koi8));

    const QString cp1252 = test::writeFile(test::scratchDir() + QStringLiteral("/cp1252.srt"), test::iconvBytes(fr, "CP1252"));
    test::clearLog();
    EXPECT_EQ(convertFromEncoding(cp1252, kWindowsCP1252StringEncoding), fr);
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("convertFromEncoding  :-)")});
    // Windows Latin 1 bytes are not UTF-8.
    EXPECT_TRUE(convertFromEncoding(cp1252, kUTF8StringEncoding).isNull());
    EXPECT_EQ(test::takeLog().value(0).left(25), QStringLiteral("convertFromEncoding  :-( "));

    // Nothing, and not a word, without a file or an encoding.
    const QString none = test::scratchDir() + QStringLiteral("/none.srt");
    EXPECT_TRUE(encodingCharsetIdentify(none, true).isNull());
    EXPECT_TRUE(convertFromEncoding(none, kUTF8StringEncoding).isNull());
    EXPECT_TRUE(convertFromEncoding(cp1252, 0).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}
