#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"
#include "tables.h"

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

TEST(EncodingFiles, ReadInPiecesAsDecodedWholeWhereverACharacterIsCut)
{
    // More than a piece of the read (256 KiB); with 0 to 3 bytes before
    // the text, the cuts between the pieces fall at every place within a
    // character of up to four bytes.
    const QString ja = test::sample("japanese");
    const QString emoji = u"a é € 😀 日本\n"_s;
    struct Case {
        QString name;
        StringEncoding encoding;
        QString text;
        const char *charset;
    };
    const Case cases[] = {
        {u"UTF-8 sequence split"_s, kUTF8StringEncoding, emoji, "UTF-8"},
        {u"UTF-16 unit or surrogate pair split"_s, kUTF16LittleEndianStringEncoding, emoji, "UTF-16LE"},
        {u"UTF-32 unit split"_s, kUTF32BigEndianStringEncoding, emoji, "UTF-32BE"},
        {u"Shift JIS double byte split"_s, kShiftJISStringEncoding, ja, "CP932"},
        {u"EUC-JP double byte split"_s, kJapaneseEUCStringEncoding, ja, "EUC-JP"},
        {u"ISO-2022-JP escape or shifted pair split"_s, kISO2022JPStringEncoding, ja, "ISO-2022-JP"},
        {u"Mac OS Roman not mended in a later piece"_s, kMacOSRomanStringEncoding, u"∆ \uF8FF é\n"_s, "MACINTOSH"},
    };
    test::forEachCase(cases, [](const Case &c) {
        const QString body = c.text.repeated(300 * 1024 / c.text.size());
        for (int lead = 0; lead < 4; ++lead) {
            const QString text = QString(lead, u'x') + body;
            const QByteArray bytes = c.encoding == kMacOSRomanStringEncoding
                ? encodeText(text, c.encoding, false).value_or(QByteArray())
                : test::iconvBytes(text, c.charset);
            const QString path = test::writeFile(test::scratchDir() + u"/pieces.txt"_s, bytes);
            EXPECT_EQ(convertFromEncoding(path, c.encoding), text) << lead;
        }
    });
    // Bytes past the first piece that are not valid give nothing, as they
    // would decoded whole.
    const QByteArray late = QByteArray(300 * 1024, 'a') + "\xFF";
    EXPECT_TRUE(convertFromEncoding(test::writeFile(test::scratchDir() + u"/late.txt"_s, late), kUTF8StringEncoding).isNull());
}

TEST(EncodingFiles, TheNameOfALargeFileComesFromItsStart)
{
    // 256 KiB is what detection reads of a file; past it the text may say
    // otherwise.
    const QByteArray window(300 * 1024, 'a');
    const QString fr = test::sample("french");
    const QString ja = test::sample("japanese");
    const struct {
        QString name;
        QByteArray bytes;
        QString expected; // null: nothing
    } cases[] = {
        {u"read past the window: Windows Latin 1 at the end"_s, window + test::iconvBytes(fr, "CP1252"), u"UTF- 8"_s},
        {u"window not ended at a character: Shift JIS throughout"_s,
         test::iconvBytes(ja.repeated(300 * 1024 / ja.size()), "CP932"), u"Japanese (Shift JIS)"_s},
        {u"mark not read: UTF-16 throughout"_s, QByteArray("\xFF\xFE", 2) + test::iconvBytes(fr.repeated(200), "UTF-16LE"),
         u"UTF-16"_s},
        {u"invalid start named: a UTF-8 mark before Windows Latin 1"_s,
         "\xEF\xBB\xBF" + test::iconvBytes(fr, "CP1252") + window, QString()},
    };
    test::forEachCase(cases, [](const auto &c) {
        const QString path = test::writeFile(test::scratchDir() + u"/large.srt"_s, c.bytes);
        const QString name = encodingCharsetIdentify(path, false);
        EXPECT_EQ(std::pair(name, name.isNull()), std::pair(c.expected, c.expected.isNull()));
    });
    // The whole reader still reads past the window.
    const QString path = test::writeFile(test::scratchDir() + u"/late.srt"_s, window + test::iconvBytes(fr, "CP1252"));
    EXPECT_EQ(encodingCharsetIdentify(path, true), QString::fromLatin1(window) + fr);
}
