#include "reel/text/detection.h"

#include "reel/core/fileio.h"
#include "reel/core/format.h"
#include "reel/text/unicodeforms.h"

#include <QList>
#include <QtEndian>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace reel {

namespace {

// Enough text to judge; the whole of a big file would only cost time
// (uchardet reads some 20 MB a second).
constexpr qsizetype kWideSample = 64 * 1024;
constexpr qsizetype kGuessWindow = 256 * 1024;
// How much plain text before the first foreign byte the guess also sees.
constexpr qsizetype kGuessLeadIn = 4 * 1024;

bool startsWith(QByteArrayView bytes, std::initializer_list<uchar> mark)
{
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    return std::equal(mark.begin(), mark.end(), reinterpret_cast<const uchar *>(bytes.data()));
}

// UTF-32 without a mark: every unit a character (no NUL) in one byte order.
bool looksLikeUtf32(QByteArrayView sample, bool bigEndian)
{
    const auto *p = reinterpret_cast<const uchar *>(sample.data());
    for (qsizetype i = 0; i + 4 <= sample.size(); i += 4) {
        const quint32 c = bigEndian ? qFromBigEndian<quint32>(p + i) : qFromLittleEndian<quint32>(p + i);
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
    }
    return true;
}

// UTF-16 without a mark: text mostly below U+0100 has a zero in the high
// byte of most units and almost never in the low byte. No NUL unit and no
// unpaired surrogate either.
bool looksLikeUtf16(QByteArrayView sample, bool bigEndian)
{
    const auto *p = reinterpret_cast<const uchar *>(sample.data());
    const qsizetype units = sample.size() / 2;
    const int high = bigEndian ? 0 : 1;
    qsizetype zeroHigh = 0;
    qsizetype zeroLow = 0;
    bool expectLow = false;
    for (qsizetype i = 0; i < units; ++i) {
        const uchar hi = p[2 * i + high];
        const uchar lo = p[2 * i + 1 - high];
        if (hi == 0 && lo == 0)
            return false;
        zeroHigh += hi == 0;
        zeroLow += lo == 0;
        const bool isHighSurrogate = hi >= 0xD8 && hi <= 0xDB;
        const bool isLowSurrogate = hi >= 0xDC && hi <= 0xDF;
        if (expectLow != isLowSurrogate)
            return false;
        expectLow = isHighSurrogate;
    }
    return zeroHigh >= std::max<qsizetype>(1, units / 8) && zeroLow <= units / 64;
}

StringEncoding unmarkedWideForm(QByteArrayView bytes)
{
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kWideSample));
    if (sample.isEmpty() || !std::memchr(sample.data(), 0, size_t(sample.size())))
        return kNoStringEncoding;
    if (bytes.size() % 4 == 0) {
        if (looksLikeUtf32(sample, false))
            return kUTF32LittleEndianStringEncoding;
        if (looksLikeUtf32(sample, true))
            return kUTF32BigEndianStringEncoding;
    }
    if (bytes.size() % 2 == 0) {
        if (looksLikeUtf16(sample, false))
            return kUTF16LittleEndianStringEncoding;
        if (looksLikeUtf16(sample, true))
            return kUTF16BigEndianStringEncoding;
    }
    return kNoStringEncoding;
}

QByteArray uchardetCharset(QByteArrayView window)
{
    uchardet_t detector = uchardet_new();
    if (!detector)
        return QByteArray();
    QByteArray charset;
    if (uchardet_handle_data(detector, window.data(), size_t(window.size())) == 0) {
        uchardet_data_end(detector);
        charset = QByteArray(uchardet_get_charset(detector)).toUpper();
    }
    uchardet_delete(detector);
    return charset;
}

// uchardet's names for the encodings of the table. Close relatives count as
// the table's member: the Windows code pages are supersets, for the
// characters text uses, of the ISO ones uchardet often names instead.
StringEncoding tableEncodingFor(const QByteArray &charset)
{
    static const struct {
        const char *charset;
        StringEncoding encoding;
    } kNames[] = {
        {"ASCII", kASCIIStringEncoding},
        {"UTF-8", kUTF8StringEncoding},
        {"ISO-8859-1", kISOLatin1StringEncoding},
        {"WINDOWS-1252", kWindowsCP1252StringEncoding},
        {"ISO-8859-15", kWindowsCP1252StringEncoding},
        {"ISO-8859-2", kISOLatin2StringEncoding},
        {"WINDOWS-1250", kWindowsCP1250StringEncoding},
        {"WINDOWS-1251", kWindowsCP1251StringEncoding},
        {"WINDOWS-1253", kWindowsCP1253StringEncoding},
        {"ISO-8859-7", kWindowsCP1253StringEncoding},
        {"WINDOWS-1254", kWindowsCP1254StringEncoding},
        {"ISO-8859-9", kWindowsCP1254StringEncoding},
        {"SHIFT_JIS", kShiftJISStringEncoding},
        {"EUC-JP", kJapaneseEUCStringEncoding},
        {"ISO-2022-JP", kISO2022JPStringEncoding},
        {"MACINTOSH", kMacOSRomanStringEncoding},
        {"MAC-ROMAN", kMacOSRomanStringEncoding},
    };
    for (const auto &name : kNames) {
        if (charset == name.charset)
            return name.encoding;
    }
    return kNotFoundStringEncoding;
}

// Latin-script guesses that may as well be Mac OS Roman, a Western encoding
// uchardet has no model for: it takes French or Swedish Mac text for Baltic,
// Central European, or nothing at all.
bool isLatinGuess(const QByteArray &charset)
{
    static const char *const kLatin[] = {
        "ISO-8859-1",  "ISO-8859-15",  "WINDOWS-1252", "ISO-8859-2",   "WINDOWS-1250", "IBM852",
        "ISO-8859-3",  "ISO-8859-4",   "ISO-8859-9",   "WINDOWS-1254", "ISO-8859-10",  "ISO-8859-13",
        "ISO-8859-14", "ISO-8859-16",  "WINDOWS-1257", "WINDOWS-1258", "MAC-CENTRALEUROPE"};
    return std::any_of(std::begin(kLatin), std::end(kLatin), [&](const char *name) { return charset == name; });
}

// How much the 8-bit bytes read like text in the encoding: a lower-case
// letter scores, more so beside another letter, and so do quotation marks
// (curly apostrophes are everywhere in subtitles), dashes and the ellipsis; a
// capital after a lower-case letter and a control character count against.
// Nothing when the encoding cannot read the bytes at all.
std::optional<int> westernScore(QByteArrayView window, StringEncoding encoding)
{
    const std::optional<QString> text = decodeText(window, encoding);
    if (!text || text->size() != window.size())
        return std::nullopt;
    int score = 0;
    for (qsizetype i = 0; i < window.size(); ++i) {
        if (uchar(window[i]) < 0x80)
            continue;
        const QChar c = text->at(i);
        const QChar before = i > 0 ? text->at(i - 1) : QChar(u' ');
        const QChar after = i + 1 < text->size() ? text->at(i + 1) : QChar(u' ');
        switch (c.category()) {
        case QChar::Letter_Lowercase:
            score += (before.isLetter() || after.isLetter()) ? 2 : 1;
            break;
        case QChar::Letter_Uppercase:
            score += before.isLower() ? -2 : 1;
            break;
        case QChar::Punctuation_InitialQuote:
        case QChar::Punctuation_FinalQuote:
            score += 2;
            break;
        case QChar::Punctuation_Dash:
        case QChar::Punctuation_Other:
            score += 1;
            break;
        case QChar::Other_Control:
            score -= 4;
            break;
        default:
            break;
        }
    }
    return score;
}

// The best reading among the guess (it stays on a tie), Windows Latin 1 and
// Mac OS Roman. Without a guess from uchardet, a reading must score at least
// one point per 8-bit byte to count: anything reads as Mac OS Roman.
StringEncoding weighLatinGuess(QByteArrayView window, StringEncoding guess, bool guessed)
{
    QList<StringEncoding> candidates;
    for (StringEncoding candidate : {guess, kWindowsCP1252StringEncoding, kMacOSRomanStringEncoding}) {
        if (candidate != kNotFoundStringEncoding && !candidates.contains(candidate))
            candidates.append(candidate);
    }
    StringEncoding best = kNotFoundStringEncoding;
    int bestScore = 0;
    for (StringEncoding candidate : candidates) {
        const std::optional<int> score = westernScore(window, candidate);
        if (score && (best == kNotFoundStringEncoding || *score > bestScore)) {
            best = candidate;
            bestScore = *score;
        }
    }
    if (!guessed) {
        const auto eightBit = std::count_if(window.begin(), window.end(), [](char c) { return uchar(c) >= 0x80; });
        if (bestScore < eightBit)
            return kNotFoundStringEncoding;
    }
    return best;
}

struct Detection {
    StringEncoding encoding = kNotFoundStringEncoding;
    bool wellFormedUtf8 = false; // the whole input, no mark, already checked
};

Detection detect(QByteArrayView bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return {kUTF8StringEncoding, false};
    if ((startsWith(bytes, {0xFF, 0xFE, 0x00, 0x00}) || startsWith(bytes, {0x00, 0x00, 0xFE, 0xFF})) && bytes.size() % 4 == 0)
        return {kUTF32StringEncoding, false};
    if (startsWith(bytes, {0xFF, 0xFE}) || startsWith(bytes, {0xFE, 0xFF}))
        return {kUnicodeStringEncoding, false};
    if (const StringEncoding wide = unmarkedWideForm(bytes); wide != kNoStringEncoding)
        return {wide, false};

    const text::Utf8Scan scan = text::scanUtf8(bytes);
    if (scan.validLength == bytes.size()) {
        if (scan.sevenBit && !bytes.isEmpty() && std::memchr(bytes.data(), 0x1B, size_t(bytes.size()))
            && uchardetCharset(bytes.first(std::min(bytes.size(), kGuessWindow))) == "ISO-2022-JP")
            return {kISO2022JPStringEncoding, false};
        return {kUTF8StringEncoding, true};
    }

    const qsizetype start = std::max<qsizetype>(0, scan.validLength - kGuessLeadIn);
    const QByteArrayView window = bytes.sliced(start, std::min(bytes.size() - start, kGuessWindow));
    const QByteArray charset = uchardetCharset(window);
    const StringEncoding guess = tableEncodingFor(charset);
    if (charset.isEmpty() || isLatinGuess(charset))
        return {weighLatinGuess(window, guess, !charset.isEmpty()), false};
    return {guess, false};
}

} // namespace

StringEncoding detectStringEncoding(QByteArrayView bytes)
{
    return detect(bytes).encoding;
}

DecodedText decodeDetectingEncoding(QByteArrayView bytes)
{
    const Detection detection = detect(bytes);
    DecodedText result;
    result.encoding = detection.encoding;
    if (detection.encoding == kNotFoundStringEncoding) {
        result.error = QStringLiteral("the encoding of the text could not be detected");
        return result;
    }
    if (detection.wellFormedUtf8) {
        result.text = bytes.isEmpty() ? QStringLiteral("") : QString::fromUtf8(bytes);
        return result;
    }
    QString why;
    if (std::optional<QString> text = decodeText(bytes, detection.encoding, &why))
        result.text = *text;
    else
        result.error = why;
    return result;
}

std::optional<QByteArray> readTextFileBytes(const QString &path, QString *error)
{
    QString why;
    std::optional<QByteArray> bytes = readRegularFile(path, &why);
    if (!bytes && error)
        *error = format("The file '%@' could not be read: %@", path, why);
    return bytes;
}

DecodedText readFileDetectingEncoding(const QString &path, QByteArray *bytesRead)
{
    DecodedText result;
    const std::optional<QByteArray> bytes = readTextFileBytes(path, &result.error);
    if (!bytes)
        return result;
    if (bytesRead)
        *bytesRead = *bytes;
    result = decodeDetectingEncoding(*bytes);
    if (!result.error.isNull())
        result.error = format("The file '%@' could not be read: %@", path, result.error);
    return result;
}

DecodedText readFileWithEncoding(const QString &path, StringEncoding encoding)
{
    DecodedText result;
    const std::optional<QByteArray> bytes = readTextFileBytes(path, &result.error);
    if (!bytes)
        return result;
    result.encoding = encoding;
    QString why;
    if (std::optional<QString> text = decodeText(*bytes, encoding, &why))
        result.text = *text;
    else
        result.error = format("The file '%@' could not be read with the encoding %u: %@", path, encoding, why);
    return result;
}

} // namespace reel
