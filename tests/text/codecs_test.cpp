#include "samples.h"

#include <reel/text/codecs.h>

#include <gtest/gtest.h>

#include <tuple>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

} // namespace

TEST(Codecs, EveryEncodingRoundTripsTextItCanHold)
{
    const QString emoji = QStringLiteral("Smile 😀, café, 日本語, Ωμέγα\n");
    const struct {
        StringEncoding encoding;
        QString text;
        const char *iconvName; // an independent converter for the same bytes, or null
    } samples[] = {
        {kASCIIStringEncoding, QStringLiteral("Plain text, 100% ASCII!\t~\n"), "ASCII"},
        {kNEXTSTEPStringEncoding, QStringLiteral("Déjà vu — ﬁn « ŁØŒ » ÿ ¿\n"), nullptr},
        {kJapaneseEUCStringEncoding, test::sample("japanese"), "EUC-JP"}, {kUTF8StringEncoding, emoji, "UTF-8"},
        {kISOLatin1StringEncoding, test::sample("german") + QStringLiteral("¿Qué? ±½\n"), "ISO-8859-1"},
        {kSymbolStringEncoding, QStringLiteral("αβγ ∀ξ∃ψ ≤ ∞ ® ®\uF87F ™\uF87F \uF8FF"), nullptr},
        {kNonLossyASCIIStringEncoding, QStringLiteral("é € 😀 C:\\dir \\u0041 \\351"), nullptr},
        {kShiftJISStringEncoding, test::sample("japanese") + QStringLiteral("C:\\dir ~ ｶﾀｶﾅ\n"), "CP932"},
        {kISOLatin2StringEncoding, QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.\n"), "ISO-8859-2"},
        {kWindowsCP1251StringEncoding, test::sample("russian"), "CP1251"},
        {kWindowsCP1252StringEncoding, test::sample("french") + QStringLiteral("€ „quotes“ …\n"), "CP1252"},
        {kWindowsCP1253StringEncoding, QStringLiteral("Καλημέρα! Πώς είσαι σήμερα; Ά\n"), "CP1253"},
        {kWindowsCP1254StringEncoding, QStringLiteral("İstanbul'da ağaç, şöyle; ĞÜŞÇÖ ı\n"), "CP1254"},
        {kWindowsCP1250StringEncoding, QStringLiteral("Zażółć gęślą jaźń. Příliš žluťoučký kůň.\n"), "CP1250"},
        {kISO2022JPStringEncoding, test::sample("japanese"), "ISO-2022-JP"}, {kUnicodeStringEncoding, emoji, nullptr},
        {kMacOSRomanStringEncoding, test::sample("french") + QStringLiteral("∆ \uF8FF € ß\n"), nullptr},
        {kUTF32LETableStringEncoding, emoji, "UTF-32LE"}, {kUTF16BigEndianStringEncoding, emoji, "UTF-16BE"},
        {kUTF16LittleEndianStringEncoding, emoji, "UTF-16LE"}, {kUTF32StringEncoding, emoji, nullptr},
        {kUTF32BigEndianStringEncoding, emoji, "UTF-32BE"}, {kUTF32LittleEndianStringEncoding, emoji, "UTF-32LE"},
    };
    for (const auto &sample : samples) {
        SCOPED_TRACE(sample.encoding);
        ASSERT_TRUE(isSupportedStringEncoding(sample.encoding));
        QString error;
        const std::optional<QByteArray> bytes = encodeText(sample.text, sample.encoding, false, &error);
        ASSERT_TRUE(bytes.has_value()) << error.toStdString();
        if (sample.iconvName)
            EXPECT_EQ(hex(*bytes), hex(test::iconvBytes(sample.text, sample.iconvName)));
        const std::optional<QString> back = decodeText(*bytes, sample.encoding, &error);
        ASSERT_TRUE(back.has_value()) << error.toStdString();
        EXPECT_EQ(*back, sample.text);
    }
}

TEST(Codecs, LossyEncodingPutsOneQuestionMarkPerCharacter)
{
    const std::tuple<StringEncoding, QString, QByteArray> cases[] = { // encoding, text, its lossy bytes
        {kASCIIStringEncoding, QStringLiteral("é😀x"), "??x"}, {kISOLatin1StringEncoding, QStringLiteral("€é"), "?\xE9"},
        {kNEXTSTEPStringEncoding, QStringLiteral("€a"), "?a"},  {kSymbolStringEncoding, QStringLiteral("Aα"), "?a"},
        {kMacOSRomanStringEncoding, QStringLiteral("Жé"), "?\x8E"}, {kWindowsCP1252StringEncoding, QStringLiteral("a😀b"), "a?b"},
        {kUTF8StringEncoding, QString(QChar(0xD800)) + QStringLiteral("a"), "?a"},
        {kUTF32LittleEndianStringEncoding, QString(QChar(0xDC00)), "?\0\0\0"_ba},
    };
    for (const auto &[encoding, text, lossy] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(hex(encodeText(text, encoding, true).value_or("none")), hex(lossy));
        QString error;
        EXPECT_FALSE(encodeText(text, encoding, false, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
    // A stateful encoding writes the "?" in its ASCII state and ends there.
    const std::optional<QByteArray> bytes = encodeText(QStringLiteral("日€本"), kISO2022JPStringEncoding, true);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->endsWith("\x1B(B"));
    EXPECT_EQ(decodeText(*bytes, kISO2022JPStringEncoding), std::optional<QString>(QStringLiteral("日?本")));
}

TEST(Codecs, InvalidBytesAndUnknownEncodingsGiveNothingWithAReason)
{
    const std::pair<StringEncoding, QByteArray> cases[] = {
        // UTF-8 overlong, a surrogate, cut short, above U+10FFFF, Latin 1
        {kUTF8StringEncoding, "\xC0\xAF"}, {kUTF8StringEncoding, "\xED\xA0\x80"}, {kUTF8StringEncoding, "ok\xE2\x82"},
        {kUTF8StringEncoding, "\xF4\x90\x80\x80"}, {kUTF8StringEncoding, "\xE9t\xE9"},
        // after a run of ASCII read sixteen bytes at a time
        {kUTF8StringEncoding, "0123456789abcdefghijklmnopq\xE2\x82"},
        {kUnicodeStringEncoding, "\xFF\xFE\x41"}, // odd length
        {kUTF32LETableStringEncoding, "\x00\x00\x11\x00"_ba},
        {kUTF32BigEndianStringEncoding, "\x00\x00\xD8\x00"_ba},
        {kWindowsCP1252StringEncoding, "a\x81"}, {kNEXTSTEPStringEncoding, "\xFF"}, {kNonLossyASCIIStringEncoding, "caf\xE9"},
        {kShiftJISStringEncoding, "\x82"}, {kISO2022JPStringEncoding, "\x1B$B\xFF\xFF"},
        // Identifiers that convert nothing.
        {kNoStringEncoding, "abc"}, {kNotFoundStringEncoding, "abc"}, {16, "abc"},
    };
    for (const auto &[encoding, bytes] : cases) {
        SCOPED_TRACE(hex(bytes));
        QString error;
        EXPECT_FALSE(decodeText(bytes, encoding, &error).has_value()) << encoding;
        EXPECT_FALSE(error.isEmpty());
        if (!isSupportedStringEncoding(encoding)) {
            EXPECT_TRUE(error.contains(QString::number(encoding)));
            EXPECT_FALSE(encodeText(u"abc", encoding, true).has_value());
        }
    }
}

TEST(Codecs, WorkedExamples)
{
    const QByteArray native = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "\xFF\xFE\x41\x00"_ba : "\xFE\xFF\x00\x41"_ba;
    const struct {
        StringEncoding encoding;
        QByteArray bytes;
        QString text;
        bool encodes; // the text also encodes to the bytes
    } cases[] = {
        // The own tables, and Mac OS Roman with its fixed-up characters.
        {kNEXTSTEPStringEncoding, "\xDD\x80\xAE", QStringLiteral("é\u00A0ﬁ"), true},
        {kSymbolStringEncoding, "\x61\x22\x41\x57", QStringLiteral("α∀ΑΩ"), true},
        {kSymbolStringEncoding, "\xD2\xE2\xF0", QStringLiteral("®®\uF87F\uF8FF"), true},
        {kMacOSRomanStringEncoding, "\x8E\xC6\xF0\xDB", QStringLiteral("é∆\uF8FF€"), true},
        {kNonLossyASCIIStringEncoding, "\\u00e9\\u20ac\\\\", QStringLiteral("é€\\"), true},
        {kNonLossyASCIIStringEncoding, "\\351t\\351 \\u20AC", QStringLiteral("été €"), false},
        {kNonLossyASCIIStringEncoding, "\\ud83d\\ude00", QStringLiteral("😀"), false},
        // Not an escape: the backslash stands for itself.
        {kNonLossyASCIIStringEncoding, "\\q \\u12 \\400 \\", QStringLiteral("\\q \\u12 \\400 \\"), false},
        // Byte order marks; UTF-16 holds unpaired surrogates.
        {kUnicodeStringEncoding, native, QStringLiteral("A"), true},
        {kUnicodeStringEncoding, "\xFE\xFF\x00\x41"_ba, QStringLiteral("A"), false},
        {kUnicodeStringEncoding, "\x00\x41"_ba, QStringLiteral("A"), false}, // big-endian without a mark
        {kUTF16LittleEndianStringEncoding, "\xFF\xFE\x41\x00"_ba, QStringLiteral("A"), false},
        {kUTF16LittleEndianStringEncoding, "\x00\xD8x\x00"_ba, QString(QChar(0xD800)) + QLatin1Char('x'), true},
        {kUTF32StringEncoding, "\xFF\xFE\x00\x00\x41\x00\x00\x00"_ba, QStringLiteral("A"), false},
        {kUTF8StringEncoding, "\xEF\xBB\xBFok", QStringLiteral("ok"), false},
        // ASCII reads every byte.
        {kASCIIStringEncoding, "caf\xE9\x80", QStringLiteral("café\u0080"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(hex(c.bytes));
        EXPECT_EQ(decodeText(c.bytes, c.encoding), std::optional<QString>(c.text));
        if (c.encodes)
            EXPECT_EQ(hex(encodeText(c.text, c.encoding, false).value_or("none")), hex(c.bytes));
    }
    EXPECT_EQ(decodeText("", kASCIIStringEncoding), std::optional<QString>(QString()));
}
