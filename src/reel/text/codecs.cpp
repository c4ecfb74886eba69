#include "reel/text/codecs.h"

#include "reel/core/format.h"
#include "reel/text/iconvcodec_p.h"
#include "reel/text/singlebyte_p.h"
#include "reel/text/unicodeforms_p.h"

namespace reel {

namespace {

// The encodings iconv converts, by their glibc names. Shift JIS is the
// Windows form (code page 932), the one Japanese text files are written in:
// plain SJIS would read the backslash as a yen sign.
const char *iconvName(StringEncoding encoding)
{
    switch (encoding) {
    case kJapaneseEUCStringEncoding:
        return "EUC-JP";
    case kShiftJISStringEncoding:
        return "CP932";
    case kISOLatin2StringEncoding:
        return "ISO-8859-2";
    case kWindowsCP1251StringEncoding:
        return "CP1251";
    case kWindowsCP1252StringEncoding:
        return "CP1252";
    case kWindowsCP1253StringEncoding:
        return "CP1253";
    case kWindowsCP1254StringEncoding:
        return "CP1254";
    case kWindowsCP1250StringEncoding:
        return "CP1250";
    case kISO2022JPStringEncoding:
        return "ISO-2022-JP";
    case kMacOSRomanStringEncoding:
        return "MACINTOSH";
    default:
        return nullptr;
    }
}

// glibc's MACINTOSH table follows an older Mac OS Roman: byte 0xC6 is GREEK
// CAPITAL LETTER DELTA and 0xF0 a private character, where the platform's
// table has INCREMENT and the Apple logo (U+F8FF). Both sides are translated.
struct MacRomanFix {
    char16_t glibc;
    char16_t platform;
};
constexpr MacRomanFix kMacRomanFixes[] = {{0x0394, 0x2206}, {0xE01E, 0xF8FF}};

void toPlatformMacRoman(QString &text)
{
    for (const MacRomanFix &fix : kMacRomanFixes)
        text.replace(QChar(fix.glibc), QChar(fix.platform));
}

bool needsGlibcMacRoman(QStringView text)
{
    for (const MacRomanFix &fix : kMacRomanFixes) {
        if (text.contains(QChar(fix.platform)))
            return true;
    }
    return false;
}

QString toGlibcMacRoman(QStringView text)
{
    QString copy = text.toString();
    for (const MacRomanFix &fix : kMacRomanFixes)
        copy.replace(QChar(fix.platform), QChar(fix.glibc));
    return copy;
}

// A UTF-16 or UTF-32 byte order: the one a mark at the start says, or the
// given order.
struct Order {
    bool bigEndian;
    qsizetype markLength;
};

Order byteOrder(QByteArrayView bytes, QByteArrayView bigMark, QByteArrayView littleMark, bool defaultBigEndian)
{
    if (bytes.startsWith(bigMark))
        return {true, bigMark.size()};
    if (bytes.startsWith(littleMark))
        return {false, littleMark.size()};
    return {defaultBigEndian, 0};
}

const QByteArrayView kUtf16BigMark("\xFE\xFF", 2);
const QByteArrayView kUtf16LittleMark("\xFF\xFE", 2);
const QByteArrayView kUtf32BigMark("\x00\x00\xFE\xFF", 4);
const QByteArrayView kUtf32LittleMark("\xFF\xFE\x00\x00", 4);

// The explicit-order forms skip only a mark of their own order.
Order fixedOrder(Order sniffed, bool bigEndian)
{
    return {bigEndian, sniffed.bigEndian == bigEndian ? sniffed.markLength : 0};
}

constexpr bool kHostBigEndian = Q_BYTE_ORDER == Q_BIG_ENDIAN;

QString unsupported(StringEncoding encoding)
{
    return format("no conversion for the encoding %u", encoding);
}

} // namespace

namespace text {

namespace {

ByteTable identityTable()
{
    ByteTable table{};
    for (int b = 0; b < 256; ++b) {
        table.units[b] = char16_t(b);
        table.defined[b] = true;
    }
    table.asciiAsIs = true;
    return table;
}

ByteTable nextstepTable()
{
    ByteTable table = identityTable();
    for (int b = 0x80; b < 256; ++b) {
        table.units[b] = kNextstepHighHalf[b - 0x80];
        table.defined[b] = table.units[b] != kUnassigned;
    }
    return table;
}

std::optional<ByteTable> macRomanTable()
{
    const ByteTable *glibc = singleByteTable(iconvName(kMacOSRomanStringEncoding));
    if (!glibc)
        return std::nullopt;
    ByteTable table = *glibc;
    for (char16_t &unit : table.units) {
        for (const MacRomanFix &fix : kMacRomanFixes) {
            if (unit == fix.glibc)
                unit = fix.platform;
        }
    }
    return table;
}

} // namespace

const ByteTable *singleByteTableOf(quint32 encoding)
{
    switch (encoding) {
    case kASCIIStringEncoding:
    case kISOLatin1StringEncoding: {
        static const ByteTable latin1 = identityTable();
        return &latin1;
    }
    case kNEXTSTEPStringEncoding: {
        static const ByteTable nextstep = nextstepTable();
        return &nextstep;
    }
    case kMacOSRomanStringEncoding: {
        static const std::optional<ByteTable> macRoman = macRomanTable();
        return macRoman ? &*macRoman : nullptr;
    }
    default:
        break;
    }
    const char *charset = iconvName(encoding);
    return charset ? singleByteTable(charset) : nullptr;
}

const char *iconvNameOf(quint32 encoding)
{
    return iconvName(encoding);
}

} // namespace text

bool isSupportedStringEncoding(StringEncoding encoding)
{
    switch (encoding) {
    case kASCIIStringEncoding:
    case kNEXTSTEPStringEncoding:
    case kUTF8StringEncoding:
    case kISOLatin1StringEncoding:
    case kSymbolStringEncoding:
    case kNonLossyASCIIStringEncoding:
    case kUnicodeStringEncoding:
    case kUTF32LETableStringEncoding:
    case kUTF16BigEndianStringEncoding:
    case kUTF16LittleEndianStringEncoding:
    case kUTF32StringEncoding:
    case kUTF32BigEndianStringEncoding:
    case kUTF32LittleEndianStringEncoding:
        return true;
    default:
        return iconvName(encoding) != nullptr;
    }
}

namespace {

std::optional<QString> decodeWith(QByteArrayView bytes, StringEncoding encoding, QString *error)
{
    switch (encoding) {
    case kASCIIStringEncoding:
    case kISOLatin1StringEncoding:
        return text::decodeLatin1(bytes);
    case kNEXTSTEPStringEncoding:
        return text::decodeNextstep(bytes, error);
    case kSymbolStringEncoding:
        return text::decodeSymbol(bytes, error);
    case kNonLossyASCIIStringEncoding:
        return text::decodeNonLossyASCII(bytes, error);
    case kUTF8StringEncoding:
        return text::decodeUtf8(bytes, error);
    case kUnicodeStringEncoding:
    case kUTF16BigEndianStringEncoding:
    case kUTF16LittleEndianStringEncoding: {
        Order order = byteOrder(bytes, kUtf16BigMark, kUtf16LittleMark, true);
        if (encoding != kUnicodeStringEncoding)
            order = fixedOrder(order, encoding == kUTF16BigEndianStringEncoding);
        return text::decodeUtf16(bytes.sliced(order.markLength), order.bigEndian, error);
    }
    case kUTF32StringEncoding:
    case kUTF32BigEndianStringEncoding:
    case kUTF32LittleEndianStringEncoding:
    case kUTF32LETableStringEncoding: {
        Order order = byteOrder(bytes, kUtf32BigMark, kUtf32LittleMark, true);
        if (encoding != kUTF32StringEncoding)
            order = fixedOrder(order, encoding == kUTF32BigEndianStringEncoding);
        return text::decodeUtf32(bytes.sliced(order.markLength), order.bigEndian, error);
    }
    default:
        break;
    }
    const char *charset = iconvName(encoding);
    if (!charset) {
        if (error)
            *error = unsupported(encoding);
        return std::nullopt;
    }
    std::optional<QString> text = text::iconvDecode(bytes, charset, error);
    if (text && encoding == kMacOSRomanStringEncoding)
        toPlatformMacRoman(*text);
    return text;
}

} // namespace

std::optional<QString> decodeText(QByteArrayView bytes, StringEncoding encoding, QString *error)
{
    std::optional<QString> text = decodeWith(bytes, encoding, error);
    // No bytes are an empty text, never a missing one.
    if (text && text->isNull())
        text = QStringLiteral("");
    return text;
}

std::optional<QByteArray> encodeText(QStringView text, StringEncoding encoding, bool allowLossy, QString *error)
{
    std::optional<QByteArray> bytes;
    switch (encoding) {
    case kASCIIStringEncoding:
        bytes = text::encodeBelow(text, 0x80, allowLossy);
        break;
    case kISOLatin1StringEncoding:
        bytes = text::encodeBelow(text, 0x100, allowLossy);
        break;
    case kNEXTSTEPStringEncoding:
        bytes = text::encodeNextstep(text, allowLossy);
        break;
    case kSymbolStringEncoding:
        bytes = text::encodeSymbol(text, allowLossy);
        break;
    case kNonLossyASCIIStringEncoding:
        return text::encodeNonLossyASCII(text);
    case kUTF8StringEncoding:
        bytes = text::encodeUtf8(text, allowLossy);
        break;
    case kUnicodeStringEncoding:
        return text::encodeUtf16(text, kHostBigEndian, true);
    case kUTF16BigEndianStringEncoding:
    case kUTF16LittleEndianStringEncoding:
        return text::encodeUtf16(text, encoding == kUTF16BigEndianStringEncoding, false);
    case kUTF32StringEncoding:
        bytes = text::encodeUtf32(text, kHostBigEndian, true, allowLossy);
        break;
    case kUTF32BigEndianStringEncoding:
    case kUTF32LittleEndianStringEncoding:
    case kUTF32LETableStringEncoding:
        bytes = text::encodeUtf32(text, encoding == kUTF32BigEndianStringEncoding, false, allowLossy);
        break;
    default: {
        const char *charset = iconvName(encoding);
        if (!charset) {
            if (error)
                *error = unsupported(encoding);
            return std::nullopt;
        }
        if (encoding == kMacOSRomanStringEncoding && needsGlibcMacRoman(text))
            return text::iconvEncode(toGlibcMacRoman(text), charset, allowLossy, error);
        return text::iconvEncode(text, charset, allowLossy, error);
    }
    }
    if (!bytes && error)
        *error = format("the text holds characters that the encoding %u cannot hold", encoding);
    return bytes;
}

} // namespace reel
