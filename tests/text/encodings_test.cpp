#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/text/encodings.h>

#include <gtest/gtest.h>

#include <QVariantMap>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(EncodingNames, LookUpByNumberAndByName)
{
    const std::tuple<int, QString, QVariant> cases[] = {
        {4, QString(), u"UTF- 8"_s}, {65536, QString(), u"UTF-32LE"_s}, {16, QString(), QVariant()},
        {0, u"UTF-16"_s, 10}, {-1, u"Japanese (ISO-2022)"_s, 21},
        // A name not in the table is ignored.
        {30, u"utf-16"_s, u"Western (Mac OS Roman)"_s},
    };
    for (const auto &[number, name, expected] : cases) {
        const QVariant result = encodingCharsetInt2Name(number, name);
        EXPECT_EQ(std::pair(result.typeId(), result), std::pair(expected.typeId(), expected)) << number;
    }
    // -1: the whole table, whose every number is a working encoding.
    const QVariantMap table = encodingCharsetInt2Name(-1, QString()).toMap();
    EXPECT_EQ(table.size(), 18);
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        EXPECT_TRUE(isSupportedStringEncoding(it.key().toUInt())) << it.key().toStdString();
}

TEST(EncodingFiles, NameOrTextOfADetectedFileAndTextInAGivenEncoding)
{
    const QString fr = test::sample("french");
    const QString utf8 = test::writeFile(test::scratchDir() + u"/utf8.srt"_s, fr.toUtf8());
    EXPECT_EQ(encodingCharsetIdentify(utf8, false), u"UTF- 8"_s);
    EXPECT_EQ(encodingCharsetIdentify(utf8, true), fr);
    EXPECT_EQ(test::takeLog(), QStringList(2, u"encoding : UTF- 8"_s));
    // KOI8-R is not detected; ASCII then reads every byte.
    const QByteArray koi8 = test::iconvBytes(test::sample("russian"), "KOI8-R");
    const QString koi8Path = test::writeFile(test::scratchDir() + u"/koi8.srt"_s, koi8);
    EXPECT_TRUE(encodingCharsetIdentify(koi8Path, false).isNull());
    EXPECT_EQ(test::takeLog().value(1).left(25), u"encodingCharsetIdenti:-( "_s);
    EXPECT_EQ(encodingCharsetIdentify(koi8Path, true), QString::fromLatin1(koi8));

    const QString cp1252 = test::writeFile(test::scratchDir() + u"/cp1252.srt"_s, test::iconvBytes(fr, "CP1252"));
    test::clearLog();
    EXPECT_EQ(convertFromEncoding(cp1252, kWindowsCP1252StringEncoding), fr);
    EXPECT_EQ(test::takeLog(), QStringList{u"convertFromEncoding  :-)"_s});
    // Windows Latin 1 bytes are not UTF-8.
    EXPECT_TRUE(convertFromEncoding(cp1252, kUTF8StringEncoding).isNull());
    EXPECT_EQ(test::takeLog().value(0).left(25), u"convertFromEncoding  :-( "_s);

    // Nothing, and not a word, without a file or an encoding.
    const QString none = test::scratchDir() + u"/none.srt"_s;
    EXPECT_TRUE(encodingCharsetIdentify(none, true).isNull());
    EXPECT_TRUE(convertFromEncoding(none, kUTF8StringEncoding).isNull());
    EXPECT_TRUE(convertFromEncoding(cp1252, 0).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}
