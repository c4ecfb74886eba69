// Text files a user hands over: detection of the encoding and decoding of
// the bytes with each encoding the toolkit converts. The first byte picks
// the encoding (0: the detected one; others cycle through the table below),
// the rest is the file. What a decoding gives must encode again, to the same
// bytes where the encoding is a one-to-one map, and read back unchanged.
#include "input.h"

#include <reel/text/codecs.h>
#include <reel/text/detection.h>

namespace {

using namespace reel;

struct Encoding {
    StringEncoding id;
    // Every byte sequence the decoder accepts is the encoding of exactly one
    // text (none of the stateful or multi-byte charsets of the C library,
    // none of the tables where two bytes mean one character).
    bool oneToOne;
};

constexpr Encoding kEncodings[] = {
    {kASCIIStringEncoding, false}, // bytes above 127 read as Latin 1, written as "?"
    {kNEXTSTEPStringEncoding, false},
    {kJapaneseEUCStringEncoding, false},
    {kUTF8StringEncoding, true},
    {kISOLatin1StringEncoding, true},
    {kSymbolStringEncoding, false},
    {kNonLossyASCIIStringEncoding, false},
    {kShiftJISStringEncoding, false},
    {kISOLatin2StringEncoding, true},
    {kUnicodeStringEncoding, false}, // written with this machine's mark
    {kWindowsCP1251StringEncoding, true},
    {kWindowsCP1252StringEncoding, true},
    {kWindowsCP1253StringEncoding, true},
    {kWindowsCP1254StringEncoding, true},
    {kWindowsCP1250StringEncoding, true},
    {kISO2022JPStringEncoding, false},
    {kMacOSRomanStringEncoding, true},
    {kUTF32LETableStringEncoding, true},
    {kUTF16BigEndianStringEncoding, true},
    {kUTF16LittleEndianStringEncoding, true},
    {kUTF32StringEncoding, false},
    {kUTF32BigEndianStringEncoding, true},
    {kUTF32LittleEndianStringEncoding, true},
};

Encoding describe(StringEncoding id)
{
    for (const Encoding &e : kEncodings) {
        if (e.id == id)
            return e;
    }
    return {id, false};
}

// The byte-order mark that the forms without one of their own skip when it
// starts the bytes (and so when a text starting with U+FEFF is written).
bool startsWithOwnMark(const QByteArray &bytes, StringEncoding id)
{
    switch (id) {
    case kUTF8StringEncoding:
        return bytes.startsWith("\xEF\xBB\xBF");
    case kUTF16BigEndianStringEncoding:
        return bytes.startsWith("\xFE\xFF");
    case kUTF16LittleEndianStringEncoding:
        return bytes.startsWith("\xFF\xFE");
    case kUTF32BigEndianStringEncoding:
        return bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4));
    case kUTF32LittleEndianStringEncoding:
    case kUTF32LETableStringEncoding:
        return bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4));
    default:
        return false;
    }
}

void decodeWith(const QByteArray &bytes, const Encoding &encoding)
{
    QString error;
    const std::optional<QString> text = decodeText(bytes, encoding.id, &error);
    if (!text) {
        if (error.isEmpty())
            __builtin_trap(); // a refusal says why
        return;
    }
    if (text->isNull())
        __builtin_trap(); // no bytes are an empty text, not a missing one

    // A text read in the encoding can be written in it again, as it was.
    const std::optional<QByteArray> again = encodeText(*text, encoding.id, false);
    if (!again) {
        // Bytes above 127 read as ASCII keep their value and cannot go back;
        // the C library's CJK charsets read some sequences one way only.
        if (encoding.id == kASCIIStringEncoding || encoding.id == kJapaneseEUCStringEncoding
            || encoding.id == kShiftJISStringEncoding || encoding.id == kISO2022JPStringEncoding)
            return;
        __builtin_trap();
    }
    const bool markedText = text->startsWith(QChar(0xFEFF));
    if (encoding.oneToOne && !startsWithOwnMark(bytes, encoding.id) && !markedText && *again != bytes)
        __builtin_trap(); // one-to-one: the same bytes
    const std::optional<QString> back = decodeText(*again, encoding.id);
    const bool markSkipped = markedText && startsWithOwnMark(*again, encoding.id);
    if (!back || (*back != *text && !markSkipped))
        __builtin_trap(); // and they read back as the same text
    if (encodeText(*text, encoding.id, true) != again)
        __builtin_trap(); // nothing to replace: lossy writing is the same
}

void detect(const QByteArray &bytes)
{
    const DecodedText read = decodeDetectingEncoding(bytes);
    if (read.encoding != detectStringEncoding(bytes))
        __builtin_trap();
    if (read.encoding == kNotFoundStringEncoding) {
        if (!read.text.isNull() || read.error.isEmpty())
            __builtin_trap(); // nothing found: no text, and why
        return;
    }
    if (!isSupportedStringEncoding(read.encoding))
        __builtin_trap();
    if (read.text.isNull() != !read.error.isNull())
        __builtin_trap(); // a text or an error, never both or neither
    if (!read.text.isNull() && decodeText(bytes, read.encoding) != read.text)
        __builtin_trap(); // the same text as the encoding's own decoder
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietLog();
    if (size == 0)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::size_t pick = data[0] % (std::size(kEncodings) + 1);
    detect(bytes);
    if (pick == 0) {
        const StringEncoding detected = detectStringEncoding(bytes);
        if (detected != kNotFoundStringEncoding)
            decodeWith(bytes, describe(detected));
    } else {
        decodeWith(bytes, kEncodings[pick - 1]);
    }
    return 0;
}
