#include "reel/text/detection.h"

#include "reel/base/fd_p.h"
#include "reel/base/io_p.h"
#include "reel/base/bigbuffers_p.h"
#include "reel/core/fileio.h"
#include "reel/core/format.h"
#include "reel/text/iconvcodec_p.h"
#include "reel/text/piecedecoding_p.h"
#include "reel/text/unicodeforms_p.h"

#include <QFile>
#include <QList>
#include <QtEndian>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

namespace {

// Enough text to judge: uchardet settles on a few kilobytes of foreign
// letters, and reads only some 20 MB a second, as does the weighing of
// Western guesses. More would only cost time, on small files as on large.
constexpr qsizetype kWideSample = 64 * 1024;
constexpr qsizetype kGuessWindow = 64 * 1024;
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

StringEncoding unmarkedWideForm(QByteArrayView head, qint64 size)
{
    const QByteArrayView sample = head.first(std::min(head.size(), kWideSample));
    if (sample.isEmpty() || !std::memchr(sample.data(), 0, size_t(sample.size())))
        return kNoStringEncoding;
    if (size % 4 == 0) {
        if (looksLikeUtf32(sample, false))
            return kUTF32LittleEndianStringEncoding;
        if (looksLikeUtf32(sample, true))
            return kUTF32BigEndianStringEncoding;
    }
    if (size % 2 == 0) {
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

// What the first bytes say on their own: a byte-order mark, or the zero
// bytes of UTF-16 or UTF-32 without one (size: the whole input's);
// kNoStringEncoding when they say nothing.
StringEncoding markedOrWide(QByteArrayView head, qint64 size)
{
    if (startsWith(head, {0xEF, 0xBB, 0xBF}))
        return kUTF8StringEncoding;
    if ((startsWith(head, {0xFF, 0xFE, 0x00, 0x00}) || startsWith(head, {0x00, 0x00, 0xFE, 0xFF})) && size % 4 == 0)
        return kUTF32StringEncoding;
    if (startsWith(head, {0xFF, 0xFE}) || startsWith(head, {0xFE, 0xFF}))
        return kUnicodeStringEncoding;
    return unmarkedWideForm(head, size);
}

// Well-formed 7-bit text (head: its first bytes) that holds escapes may be
// ISO-2022-JP.
bool isIso2022Jp(QByteArrayView head)
{
    return uchardetCharset(head.first(std::min(head.size(), kGuessWindow))) == "ISO-2022-JP";
}

// The guess for bytes that stop being UTF-8 at validLength, from the window
// of bytes that starts kGuessLeadIn before it (or at 0).
StringEncoding guessFromWindow(QByteArrayView window)
{
    const QByteArray charset = uchardetCharset(window);
    const StringEncoding guess = tableEncodingFor(charset);
    if (charset.isEmpty() || isLatinGuess(charset))
        return weighLatinGuess(window, guess, !charset.isEmpty());
    return guess;
}

qsizetype windowStart(qsizetype validLength)
{
    return std::max<qsizetype>(0, validLength - kGuessLeadIn);
}

StringEncoding detect(QByteArrayView bytes)
{
    if (const StringEncoding marked = markedOrWide(bytes, bytes.size()); marked != kNoStringEncoding)
        return marked;
    const text::Utf8Scan scan = text::scanUtf8(bytes);
    if (scan.validLength == bytes.size()) {
        if (scan.sevenBit && !bytes.isEmpty() && std::memchr(bytes.data(), 0x1B, size_t(bytes.size()))
            && isIso2022Jp(bytes))
            return kISO2022JPStringEncoding;
        return kUTF8StringEncoding;
    }
    const qsizetype start = windowStart(scan.validLength);
    return guessFromWindow(bytes.sliced(start, std::min(bytes.size() - start, kGuessWindow)));
}

// A file read from its descriptor without waiting on it: whole, a piece at
// a given offset, or in pieces.
class FileReader {
public:
    explicit FileReader(const QString &path)
    {
        if (path.isEmpty() || path.contains(QChar(0)))
            return;
        m_fd.reset(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat st {};
        if (m_fd.valid() && ::fstat(m_fd.get(), &st) == 0 && S_ISREG(st.st_mode))
            m_size = st.st_size;
    }
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    // -1 when the path is no regular file that could be opened.
    qint64 size() const { return m_size; }

    // Reads up to size bytes at the current offset; fewer only at the end.
    // -1 on an error.
    qint64 read(char *into, qint64 size) { return readFully(m_fd.get(), into, size); }

    std::optional<QByteArray> readAt(qint64 offset, qint64 size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        const qint64 got = readFully(m_fd.get(), bytes.data(), size, off_t(offset));
        if (got < 0)
            return std::nullopt;
        bytes.truncate(got);
        return bytes;
    }

    bool rewind() { return ::lseek(m_fd.get(), 0, SEEK_SET) == 0; }

private:
    UniqueFd m_fd;
    qint64 m_size = -1;
};

// Pieces of this size go through one buffer that is used again and again:
// a large file is never held whole besides its text. The first piece is
// also the window detection judges a file by: what the marks, the wide
// forms, the ISO-2022-JP test and the guesses look at lies within it.
constexpr qsizetype kPiece = 256 * 1024;
static_assert(kPiece >= kGuessWindow && kPiece >= kWideSample);

struct Buffer {
    std::unique_ptr<char[]> data{new char[size_t(kPiece)]};
    const uchar *bytes() const { return reinterpret_cast<const uchar *>(data.get()); }
};

// The file from its start, as large as it was when opened, decoded into out
// (room for decoder.maxUnits(size) units). The units written, or nothing
// with *why.
std::optional<qsizetype> decodeFile(FileReader &file, qint64 size, text::PieceDecoder &decoder, Buffer &buffer,
                                    char16_t *out, QString *why)
{
    if (!file.rewind()) {
        *why = QStringLiteral("the file cannot be read again from its start");
        return std::nullopt;
    }
    qint64 done = 0;       // bytes decoded
    qsizetype pending = 0; // bytes in the buffer not decoded yet
    qsizetype written = 0;
    for (;;) {
        const qint64 want = std::min<qint64>(kPiece - pending, size - done - pending);
        const qint64 got = want > 0 ? file.read(buffer.data.get() + pending, want) : 0;
        if (got < 0) {
            *why = QStringLiteral("the file could not be read to its end");
            return std::nullopt;
        }
        pending += got;
        // A file that shrank meanwhile ends where its bytes do.
        const bool last = got < want || done + pending == size;
        const text::PieceStep step = decoder.decode(buffer.bytes(), pending, last, out + written);
        done += step.read;
        written += step.written;
        if (step.invalid) {
            *why = decoder.error(done);
            return std::nullopt;
        }
        if (last)
            return written;
        // A character the piece cut goes to the front, and more follows it.
        pending -= step.read;
        std::memmove(buffer.data.get(), buffer.data.get() + step.read, size_t(pending));
    }
}

// The whole file in the encoding, into a text sized for it.
DecodedText decodeWholeFile(FileReader &file, qint64 size, StringEncoding encoding, Buffer &buffer, QString text)
{
    DecodedText result;
    result.encoding = encoding;
    text::PieceDecoder decoder(encoding);
    if (text.size() < decoder.maxUnits(size))
        text = largeUninitializedString(decoder.maxUnits(size));
    QString why;
    if (const std::optional<qsizetype> written =
            decodeFile(file, size, decoder, buffer, reinterpret_cast<char16_t *>(text.data()), &why)) {
        truncateLargeString(text, *written);
        result.text = *written == 0 ? QStringLiteral("") : text;
    } else {
        result.error = why;
    }
    return result;
}

// The file read once through the buffer where that gives the same text as
// reading it whole and decoding it: text that is well-formed UTF-8 is
// decoded as it is checked; where UTF-8 stops, the window there decides
// the encoding, and the file is decoded again from its start into the same
// text. Marks and wide forms are decoded at once.
DecodedText readDetecting(FileReader &file, qint64 size)
{
    Buffer buffer;
    const qint64 headSize = file.read(buffer.data.get(), std::min<qint64>(size, kPiece));
    if (headSize != std::min<qint64>(size, kPiece))
        return DecodedText{QString(), kNoStringEncoding, QStringLiteral("the file could not be read")};
    const QByteArray head(buffer.data.get(), headSize);
    if (const StringEncoding marked = markedOrWide(head, size); marked != kNoStringEncoding)
        return decodeWholeFile(file, size, marked, buffer, QString());

    // At most one unit per byte in every encoding a guess gives.
    QString text = largeUninitializedString(size);
    auto *const out = reinterpret_cast<char16_t *>(text.data());
    qint64 read = 0; // bytes of the file decoded
    qsizetype written = 0;
    qsizetype pending = headSize;
    bool sevenBit = true;
    bool escape = false;
    std::optional<qint64> stop; // where UTF-8 stops
    for (;;) {
        const text::Utf8Step step = text::decodeUtf8Prefix(buffer.bytes(), pending, out + written);
        if (step.sevenBit && sevenBit && std::memchr(buffer.data.get(), 0x1B, size_t(step.read)))
            escape = true;
        sevenBit = sevenBit && step.sevenBit;
        read += step.read;
        written += step.written;
        if (step.invalid) {
            stop = read;
            break;
        }
        const qsizetype carried = pending - step.read;
        std::memmove(buffer.data.get(), buffer.data.get() + step.read, size_t(carried));
        const qint64 room = std::min<qint64>(kPiece - carried, size - (read + carried));
        const qint64 got = room > 0 ? file.read(buffer.data.get() + carried, room) : 0;
        if (got < 0)
            return DecodedText{QString(), kNoStringEncoding, QStringLiteral("the file could not be read to its end")};
        if (got == 0) {
            if (carried > 0)
                stop = read; // cut short by the end
            break;
        }
        pending = carried + got;
    }

    if (!stop) {
        if (sevenBit && escape && isIso2022Jp(head))
            return decodeWholeFile(file, size, kISO2022JPStringEncoding, buffer, std::move(text));
        truncateLargeString(text, written);
        return DecodedText{written == 0 ? QStringLiteral("") : text, kUTF8StringEncoding, QString()};
    }

    const qint64 start = windowStart(*stop);
    const std::optional<QByteArray> window = file.readAt(start, std::min<qint64>(size - start, kGuessWindow));
    if (!window)
        return DecodedText{QString(), kNoStringEncoding, QStringLiteral("the file could not be read")};
    const StringEncoding guess = guessFromWindow(*window);
    if (guess == kNotFoundStringEncoding)
        return DecodedText{QString(), guess, QStringLiteral("the encoding of the text could not be detected")};
    return decodeWholeFile(file, size, guess, buffer, std::move(text));
}

// The encoding the first window of the file shows, and whether its bytes
// are valid in it.
DecodedText detectFromStart(FileReader &file, qint64 size)
{
    Buffer buffer;
    const qint64 headSize = file.read(buffer.data.get(), std::min<qint64>(size, kPiece));
    if (headSize != std::min<qint64>(size, kPiece))
        return DecodedText{QString(), kNoStringEncoding, QStringLiteral("the file could not be read")};
    const QByteArrayView head(buffer.data.get(), headSize);
    const bool whole = headSize == size;
    QString units(headSize, Qt::Uninitialized);
    auto *const out = reinterpret_cast<char16_t *>(units.data());

    StringEncoding encoding = markedOrWide(head, size);
    if (encoding == kNoStringEncoding) {
        // UTF-8 when the window is, but for a character its end cuts.
        text::PieceDecoder utf8(kUTF8StringEncoding);
        const text::PieceStep step = utf8.decode(buffer.bytes(), headSize, whole, out);
        if (!step.invalid) {
            const bool sevenBit = std::none_of(head.begin(), head.end(), [](char c) { return uchar(c) >= 0x80; });
            if (sevenBit && std::memchr(head.data(), 0x1B, size_t(headSize)) && isIso2022Jp(head))
                encoding = kISO2022JPStringEncoding;
            else
                return DecodedText{QString(), kUTF8StringEncoding, QString()};
        } else {
            const qint64 start = windowStart(step.read);
            const std::optional<QByteArray> window = file.readAt(start, std::min<qint64>(size - start, kGuessWindow));
            if (!window)
                return DecodedText{QString(), kNoStringEncoding, QStringLiteral("the file could not be read")};
            encoding = guessFromWindow(*window);
            if (encoding == kNotFoundStringEncoding)
                return DecodedText{QString(), encoding, QStringLiteral("the encoding of the text could not be detected")};
        }
    }
    text::PieceDecoder decoder(encoding);
    const text::PieceStep step = decoder.decode(buffer.bytes(), headSize, whole, out);
    return DecodedText{QString(), encoding, step.invalid ? decoder.error(step.read) : QString()};
}

} // namespace

StringEncoding detectStringEncoding(QByteArrayView bytes)
{
    return detect(bytes);
}

DecodedText decodeDetectingEncoding(QByteArrayView bytes)
{
    DecodedText result;
    StringEncoding encoding = markedOrWide(bytes, bytes.size());
    if (encoding == kNoStringEncoding) {
        // UTF-8 is checked as it is decoded: most text is.
        QString text = largeUninitializedString(bytes.size());
        const text::Utf8Step step = text::decodeUtf8Prefix(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                                                           reinterpret_cast<char16_t *>(text.data()));
        if (step.read == bytes.size()) {
            if (!(step.sevenBit && !bytes.isEmpty() && std::memchr(bytes.data(), 0x1B, size_t(bytes.size()))
                  && isIso2022Jp(bytes))) {
                result.encoding = kUTF8StringEncoding;
                truncateLargeString(text, step.written);
                result.text = bytes.isEmpty() ? QStringLiteral("") : text;
                return result;
            }
            encoding = kISO2022JPStringEncoding;
        } else {
            text = QString();
            const qsizetype start = windowStart(step.read);
            encoding = guessFromWindow(bytes.sliced(start, std::min(bytes.size() - start, kGuessWindow)));
        }
    }
    result.encoding = encoding;
    if (encoding == kNotFoundStringEncoding) {
        result.error = QStringLiteral("the encoding of the text could not be detected");
        return result;
    }
    QString why;
    if (std::optional<QString> text = decodeText(bytes, encoding, &why))
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

DecodedText readFileDetectingEncoding(const QString &path)
{
    DecodedText result;
    FileReader file(path);
    const qint64 size = file.size();
    if (size <= 0) {
        // The reason it cannot be read; or an empty file.
        const std::optional<QByteArray> bytes = readTextFileBytes(path, &result.error);
        if (!bytes)
            return result;
        result = decodeDetectingEncoding(*bytes);
    } else {
        result = readDetecting(file, size);
    }
    if (!result.error.isNull())
        result.error = format("The file '%@' could not be read: %@", path, result.error);
    return result;
}

DecodedText detectFileEncoding(const QString &path)
{
    DecodedText result;
    FileReader file(path);
    const qint64 size = file.size();
    if (size <= 0) {
        const std::optional<QByteArray> bytes = readTextFileBytes(path, &result.error);
        if (!bytes)
            return result;
        result = decodeDetectingEncoding(*bytes);
        result.text = QString();
        return result;
    }
    result = detectFromStart(file, size);
    if (!result.error.isNull())
        result.error = format("The file '%@' could not be read: %@", path, result.error);
    return result;
}

DecodedText readFileWithEncoding(const QString &path, StringEncoding encoding)
{
    DecodedText result;
    FileReader file(path);
    const qint64 size = file.size();
    if (size >= 0 && text::PieceDecoder(encoding).valid()) {
        Buffer buffer;
        result = decodeWholeFile(file, size, encoding, buffer, QString());
    } else {
        const std::optional<QByteArray> bytes = readTextFileBytes(path, &result.error);
        if (!bytes)
            return result;
        result.encoding = encoding;
        QString why;
        if (std::optional<QString> text = decodeText(*bytes, encoding, &why))
            result.text = *text;
        else
            result.error = why;
    }
    if (!result.error.isNull())
        result.error = format("The file '%@' could not be read with the encoding %u: %@", path, encoding, result.error);
    return result;
}

std::optional<QString> readFileAsAscii(const QString &path, QString *error)
{
    const DecodedText read = readFileWithEncoding(path, kASCIIStringEncoding);
    if (read.error.isNull())
        return read.text;
    if (error)
        *error = read.error;
    return std::nullopt;
}

} // namespace reel
