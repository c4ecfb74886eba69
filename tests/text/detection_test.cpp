#include "fuzzseeds.h"
#include "samples.h"

#include <reel/text/detection.h>
#include <reel/text/unicodeforms_p.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(Detection, RealWorldSamplesComeBackReadable)
{
    const struct {
        const char *sample, *charset; // the sample's bytes by iconv in charset
        StringEncoding encoding;
        QByteArray mark = {};
    } cases[] = {
        {"french", "UTF-8", kUTF8StringEncoding}, {"japanese", "UTF-8", kUTF8StringEncoding, "\xEF\xBB\xBF"},
        {"ascii", "UTF-8", kUTF8StringEncoding}, {"french", "UTF-16LE", kUnicodeStringEncoding, "\xFF\xFE"},
        {"french", "UTF-16LE", kUTF16LittleEndianStringEncoding}, {"russian", "UTF-16BE", kUTF16BigEndianStringEncoding},
        {"french", "UTF-32LE", kUTF32LittleEndianStringEncoding}, {"japanese", "UTF-32BE", kUTF32BigEndianStringEncoding},
        {"french", "CP1252", kWindowsCP1252StringEncoding}, {"german", "ISO-8859-1", kISOLatin1StringEncoding},
        {"russian", "CP1251", kWindowsCP1251StringEncoding}, {"greek", "CP1253", kWindowsCP1253StringEncoding},
        {"japanese", "CP932", kShiftJISStringEncoding}, {"japanese", "EUC-JP", kJapaneseEUCStringEncoding},
        {"japanese", "ISO-2022-JP", kISO2022JPStringEncoding}, {"french", "MACINTOSH", kMacOSRomanStringEncoding},
        // Curly apostrophes are letters in Mac OS Roman; accents tell.
        {"apostrophes", "CP1252", kWindowsCP1252StringEncoding}, {"apostrophes", "MACINTOSH", kMacOSRomanStringEncoding},
        // Short lines uchardet takes for Central European, Mac Central European
        // or nothing in Mac OS Roman; the Central European ones must stay so.
        {"short-french", "MACINTOSH", kMacOSRomanStringEncoding}, {"swedish", "MACINTOSH", kMacOSRomanStringEncoding},
        {"swedish", "CP1252", kISOLatin1StringEncoding}, {"czech", "CP1250", kWindowsCP1250StringEncoding},
        {"polish", "ISO-8859-2", kISOLatin2StringEncoding}, {"turkish", "CP1254", kWindowsCP1254StringEncoding},
    };
    for (const auto &c : cases) {
        const QString name = QLatin1String(c.sample) + u'-' + QLatin1String(c.charset) + (c.mark.isEmpty() ? u""_s : u"-marked"_s);
        SCOPED_TRACE(name.toStdString());
        const QString text = test::sample(c.sample);
        const QByteArray bytes = c.mark + test::iconvBytes(text, c.charset);
        // The text fuzz target's seeds: a zero byte (the detected encoding)
        // before the file.
        test::saveFuzzSeed("text", name + u".txt"_s, QByteArray(1, '\0') + bytes);
        EXPECT_EQ(detectStringEncoding(bytes), c.encoding);
        const DecodedText read = decodeDetectingEncoding(bytes);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_TRUE(read.error.isNull()) << read.error.toStdString();
        EXPECT_EQ(read.text, text);
    }
}

TEST(Detection, EdgeCases)
{
    const QByteArray hello = test::iconvBytes(u"Hello, world\n"_s, "UTF-32LE");
    const struct {
        const char *name;
        QByteArray bytes;
        StringEncoding encoding;
    } cases[] = {
        {"KOI8-R, which uchardet names but no encoding of the table is", test::iconvBytes(test::sample("russian"), "KOI8-R"),
         kNotFoundStringEncoding},
        {"nothing", QByteArray(), kUTF8StringEncoding}, {"NUL bytes only", QByteArray(64, '\0'), kUTF8StringEncoding},
        // Terminal colours are escapes too, but not the ones of ISO-2022-JP.
        {"ANSI colours", "\x1B[31mred\x1B[0m plain\n", kUTF8StringEncoding},
        // Unmarked UTF-16 shorter than 64 units, with a surrogate pair.
        {"short UTF-16 LE", test::iconvBytes(u"abc🎬 and more text\n"_s, "UTF-16LE"), kUTF16LittleEndianStringEncoding},
        // One NUL does not make Latin 1 text UTF-16.
        {"Latin 1 with a NUL", test::iconvBytes(test::sample("french"), "CP1252") + "\0x"_ba, kWindowsCP1252StringEncoding},
        {"UTF-32 with a unit just above the surrogates", hello + "\x00\xE0\0\0"_ba + hello, kUTF32LittleEndianStringEncoding},
    };
    for (const auto &c : cases)
        EXPECT_EQ(detectStringEncoding(c.bytes), c.encoding) << c.name;
    // A unit in the surrogates, up to the last one, makes no UTF-32.
    EXPECT_NE(detectStringEncoding(hello + "\xFF\xDF\0\0"_ba + hello), kUTF32LittleEndianStringEncoding);
    const DecodedText empty = decodeDetectingEncoding(QByteArray());
    EXPECT_TRUE(empty.text.isEmpty()) << "an empty text, not none";
    EXPECT_FALSE(empty.text.isNull()) << "an empty text, not none";
    EXPECT_TRUE(empty.error.isNull()) << "an empty text, not none";
}

TEST(Detection, TheGuessLooksWhereTheForeignBytesAre)
{
    // Two mebibytes of plain text before the first accented letter.
    const QString fr = test::sample("french");
    const QByteArray bytes = "00:00:01,000 --> 00:00:04,000 plain text line\n"_ba.repeated(46 * 1024) + test::iconvBytes(fr, "MACINTOSH");
    EXPECT_EQ(detectStringEncoding(bytes), kMacOSRomanStringEncoding);
    EXPECT_TRUE(decodeDetectingEncoding(bytes).text.endsWith(fr));
}

TEST(Detection, Utf8IsCheckedUpToTheFirstBadByteWherever)
{
    // A bad byte at every place of the eight-byte steps, after plain text and
    // after accented letters: the bytes before it are the valid part.
    for (const QByteArray &text : {"plain ascii words, then more of them"_ba, u"été à la fenêtre, déjà vu – œuvre"_s.toUtf8()}) {
        for (qsizetype cut = 0; cut <= 20; ++cut) {
            if ((uchar(text[cut]) & 0xC0) == 0x80)
                continue; // never inside a character
            const bool sevenBit = std::all_of(text.begin(), text.begin() + cut, [](char c) { return uchar(c) < 0x80; });
            for (const char bad : {'\xff', '\x80', '\xc3'}) {
                const text::Utf8Scan scan = text::scanUtf8(text.left(cut) + bad + "tail");
                EXPECT_EQ(std::pair(scan.validLength, scan.sevenBit), std::pair(cut, sevenBit)) << text.constData() << " at " << cut;
            }
        }
        EXPECT_EQ(text::scanUtf8(text).validLength, text.size());
    }
}
