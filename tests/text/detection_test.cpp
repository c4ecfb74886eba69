#include "fuzzseeds.h"
#include "samples.h"

#include <reel/text/detection.h>
#include <reel/text/unicodeforms.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace reel;

namespace {

QByteArray withMark(const char *mark, qsizetype size, const QByteArray &bytes)
{
    return QByteArray(mark, size) + bytes;
}

struct Case {
    const char *name;
    QByteArray bytes;
    StringEncoding encoding;
    QString text;
};

QList<Case> realWorldSamples()
{
    const QString fr = test::frenchSubtitle();
    const QString ru = test::russianSubtitle();
    const QString ja = test::japaneseSubtitle();
    const QString de = test::germanText();
    const QString apostrophes = QStringLiteral("1\n00:00:01,000 --> 00:00:04,000\n"
                                               "C’est l’homme qu’il faut, n’est-ce pas ? J’aime l’été.\n");
    const QString greek = QStringLiteral("1\n00:00:01,000 --> 00:00:04,000\n"
                                         "Καλημέρα! Πώς είσαι σήμερα; Θα πάμε στην Αθήνα το απόγευμα.\n");
    // Short lines uchardet takes for Central European, Mac Central European
    // or nothing in Mac OS Roman; the Central European ones must stay so.
    const QString shortFr = QStringLiteral("Ça va très bien, merci. Où est la gare ? À demain !\n");
    const QString sv = QStringLiteral("Det är en fin dag. Vi går till sjön och äter smörgåsar.\n");
    const QString cs = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.\n");
    const QString pl = QStringLiteral("Zażółć gęślą jaźń. Pchnąć w tę łódź jeża lub ośm skrzyń fig.\n");
    const QString tr = QStringLiteral("İstanbul'da güzel bir gün. Ağaçların altında çay içtik.\n");
    return {
        {"UTF-8", fr.toUtf8(), kUTF8StringEncoding, fr},
        {"UTF-8 with mark", withMark("\xEF\xBB\xBF", 3, ja.toUtf8()), kUTF8StringEncoding, ja},
        {"ASCII", "1\n00:00:01,000 --> 00:00:02,000\nHello!\n", kUTF8StringEncoding,
         QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nHello!\n")},
        {"UTF-16 LE with mark", withMark("\xFF\xFE", 2, test::iconvBytes(fr, "UTF-16LE")), kUnicodeStringEncoding, fr},
        {"UTF-16 LE", test::iconvBytes(fr, "UTF-16LE"), kUTF16LittleEndianStringEncoding, fr},
        {"UTF-16 BE", test::iconvBytes(ru, "UTF-16BE"), kUTF16BigEndianStringEncoding, ru},
        {"UTF-32 LE", test::iconvBytes(fr, "UTF-32LE"), kUTF32LittleEndianStringEncoding, fr},
        {"UTF-32 BE", test::iconvBytes(ja, "UTF-32BE"), kUTF32BigEndianStringEncoding, ja},
        {"Windows-1252 French", test::iconvBytes(fr, "CP1252"), kWindowsCP1252StringEncoding, fr},
        {"ISO Latin 1 German", test::iconvBytes(de, "ISO-8859-1"), kISOLatin1StringEncoding, de},
        {"Windows-1251 Russian", test::iconvBytes(ru, "CP1251"), kWindowsCP1251StringEncoding, ru},
        {"Windows-1253 Greek", test::iconvBytes(greek, "CP1253"), kWindowsCP1253StringEncoding, greek},
        {"Shift JIS", test::iconvBytes(ja, "CP932"), kShiftJISStringEncoding, ja},
        {"EUC-JP", test::iconvBytes(ja, "EUC-JP"), kJapaneseEUCStringEncoding, ja},
        {"ISO-2022-JP", test::iconvBytes(ja, "ISO-2022-JP"), kISO2022JPStringEncoding, ja},
        {"Mac OS Roman French", test::iconvBytes(fr, "MACINTOSH"), kMacOSRomanStringEncoding, fr},
        // Curly apostrophes are letters in Mac OS Roman; accents tell.
        {"Windows-1252 apostrophes", test::iconvBytes(apostrophes, "CP1252"), kWindowsCP1252StringEncoding, apostrophes},
        {"Mac OS Roman apostrophes", test::iconvBytes(apostrophes, "MACINTOSH"), kMacOSRomanStringEncoding, apostrophes},
        {"Mac OS Roman short French", test::iconvBytes(shortFr, "MACINTOSH"), kMacOSRomanStringEncoding, shortFr},
        {"Mac OS Roman Swedish", test::iconvBytes(sv, "MACINTOSH"), kMacOSRomanStringEncoding, sv},
        {"ISO Latin 1 Swedish", test::iconvBytes(sv, "CP1252"), kISOLatin1StringEncoding, sv},
        {"Windows-1250 Czech", test::iconvBytes(cs, "CP1250"), kWindowsCP1250StringEncoding, cs},
        {"ISO Latin 2 Polish", test::iconvBytes(pl, "ISO-8859-2"), kISOLatin2StringEncoding, pl},
        {"Windows-1254 Turkish", test::iconvBytes(tr, "CP1254"), kWindowsCP1254StringEncoding, tr},
    };
}

} // namespace

TEST(Detection, RealWorldSamplesComeBackReadable)
{
    for (const Case &c : realWorldSamples()) {
        SCOPED_TRACE(c.name);
        // The text fuzz target's seeds: a zero byte (the detected encoding)
        // before the file.
        test::saveFuzzSeed("text", QString::fromLatin1(c.name).replace(u' ', u'-') + QStringLiteral(".txt"),
                           QByteArray(1, '\0') + c.bytes);
        EXPECT_EQ(detectStringEncoding(c.bytes), c.encoding);
        const DecodedText read = decodeDetectingEncoding(c.bytes);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_TRUE(read.error.isNull()) << read.error.toStdString();
        EXPECT_EQ(read.text, c.text);
    }
}

TEST(Detection, EdgeCases)
{
    const QByteArray hello = test::iconvBytes(QStringLiteral("Hello, world\n"), "UTF-32LE");
    const struct {
        const char *name;
        QByteArray bytes;
        StringEncoding encoding;
    } cases[] = {
        {"KOI8-R, which uchardet names but no encoding of the table is", test::iconvBytes(test::russianSubtitle(), "KOI8-R"),
         kNotFoundStringEncoding},
        {"nothing", QByteArray(), kUTF8StringEncoding},
        {"NUL bytes only", QByteArray(64, '\0'), kUTF8StringEncoding},
        // Terminal colours are escapes too, but not the ones of ISO-2022-JP.
        {"ANSI colours", "\x1B[31mred\x1B[0m plain\n", kUTF8StringEncoding},
        // Unmarked UTF-16 shorter than 64 units, with a surrogate pair.
        {"short UTF-16 LE", test::iconvBytes(QStringLiteral("abc🎬 and more text\n"), "UTF-16LE"), kUTF16LittleEndianStringEncoding},
        // One NUL does not make Latin 1 text UTF-16.
        {"Latin 1 with a NUL", test::iconvBytes(test::frenchSubtitle(), "CP1252") + QByteArray(1, '\0') + "x",
         kWindowsCP1252StringEncoding},
        {"UTF-32 with a unit just above the surrogates", hello + QByteArray("\x00\xE0\0\0", 4) + hello,
         kUTF32LittleEndianStringEncoding},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(detectStringEncoding(c.bytes), c.encoding);
    }
    // A unit in the surrogates, up to the last one, makes no UTF-32.
    EXPECT_NE(detectStringEncoding(hello + QByteArray("\xFF\xDF\0\0", 4) + hello), kUTF32LittleEndianStringEncoding);
    const DecodedText empty = decodeDetectingEncoding(QByteArray());
    EXPECT_TRUE(empty.text.isEmpty() && !empty.text.isNull()) << "an empty text, not none";
    EXPECT_TRUE(empty.error.isNull());
}

TEST(Detection, TheGuessLooksWhereTheForeignBytesAre)
{
    // Two mebibytes of plain text before the first accented letter.
    QByteArray bytes;
    const QByteArray line = "00:00:01,000 --> 00:00:04,000 plain text line\n";
    while (bytes.size() < 2 * 1024 * 1024)
        bytes += line;
    const QString fr = test::frenchSubtitle();
    bytes += test::iconvBytes(fr, "MACINTOSH");
    EXPECT_EQ(detectStringEncoding(bytes), kMacOSRomanStringEncoding);
    const DecodedText read = decodeDetectingEncoding(bytes);
    EXPECT_TRUE(read.text.endsWith(fr));
}

TEST(Detection, Utf8IsCheckedUpToTheFirstBadByteWherever)
{
    // A bad byte at every place of the eight-byte steps, after plain text and
    // after accented letters: the bytes before it are the valid part.
    const QByteArray texts[] = {QByteArray("plain ascii words, then more of them"),
                                QString::fromUtf16(u"été à la fenêtre, déjà vu – œuvre").toUtf8()};
    for (const QByteArray &text : texts) {
        for (qsizetype at = 0; at <= 20; ++at) {
            qsizetype cut = at;
            while (cut < text.size() && (uchar(text[cut]) & 0xC0) == 0x80)
                ++cut; // never inside a character
            for (const char bad : {'\xff', '\x80', '\xc3'}) {
                QByteArray bytes = text.left(cut) + bad + QByteArray("tail");
                const text::Utf8Scan scan = text::scanUtf8(bytes);
                EXPECT_EQ(scan.validLength, cut) << text.constData() << " at " << cut;
                EXPECT_EQ(scan.sevenBit, std::all_of(text.begin(), text.begin() + cut, [](char c) { return uchar(c) < 0x80; }));
            }
        }
        EXPECT_EQ(text::scanUtf8(text).validLength, text.size());
    }
}

