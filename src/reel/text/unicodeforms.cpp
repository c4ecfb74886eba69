#include "reel/text/unicodeforms_p.h"

#include "reel/base/bigbuffers_p.h"
#include "reel/core/format.h"

#include <QtEndian>

#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace reel::text {

namespace {

void setError(QString *error, const QString &why)
{
    if (error)
        *error = why;
}

QString invalidAt(const char *form, qsizetype offset)
{
    return format("the bytes are not valid %s (at byte %lld)", form, qint64(offset));
}

// The length of the well-formed sequence that starts with lead, 0 when lead
// starts none; lo and hi bound the second byte (RFC 3629's table).
int sequenceLength(uchar lead, uchar &lo, uchar &hi)
{
    lo = 0x80;
    hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead == 0xE0) {
        lo = 0xA0;
        return 3;
    }
    if (lead == 0xED) {
        hi = 0x9F; // no surrogates
        return 3;
    }
    if (lead >= 0xE1 && lead <= 0xEF)
        return 3;
    if (lead == 0xF0) {
        lo = 0x90;
        return 4;
    }
    if (lead == 0xF4) {
        hi = 0x8F; // nothing above U+10FFFF
        return 4;
    }
    if (lead >= 0xF1 && lead <= 0xF3)
        return 4;
    return 0;
}

char32_t readUnit32(const uchar *p, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
}

void writeUnit32(uchar *p, char32_t c, bool bigEndian)
{
    if (bigEndian)
        qToBigEndian<quint32>(c, p);
    else
        qToLittleEndian<quint32>(c, p);
}

} // namespace

Utf8Scan scanUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    Utf8Scan scan;
    qsizetype i = 0;
    while (i < n) {
        // Plain ASCII, eight bytes at a time: most text is mostly this. A
        // word holding a byte above 127 is left at that byte.
        while (n - i >= 8) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (const quint64 high = qFromLittleEndian(word) & 0x8080808080808080ULL) {
                i += std::countr_zero(high) / 8;
                break;
            }
            i += 8;
        }
        if (i == n)
            break;
        const uchar lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        uchar lo, hi;
        const int length = sequenceLength(lead, lo, hi);
        if (length == 0 || n - i < length || p[i + 1] < lo || p[i + 1] > hi)
            break;
        bool ok = true;
        for (int k = 2; k < length; ++k)
            ok = ok && (p[i + k] & 0xC0) == 0x80;
        if (!ok)
            break;
        scan.sevenBit = false;
        i += length;
    }
    scan.validLength = i;
    return scan;
}

namespace {

// Copies ASCII sixteen bytes at a time: each block is widened whole and
// kept up to its first byte above 127, where p and o then stand. Units
// never outnumber the bytes read, so the store stays within the output.
void copyAsciiBlocks(const uchar *&p, const uchar *end, char16_t *&o)
{
#ifdef __SSE2__
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + 8), _mm_unpackhi_epi8(block, zero));
        const unsigned high = unsigned(_mm_movemask_epi8(block));
        if (high != 0) {
            const int ascii = std::countr_zero(high);
            p += ascii;
            o += ascii;
            return;
        }
        p += 16;
        o += 16;
    }
#else
    Q_UNUSED(p);
    Q_UNUSED(end);
    Q_UNUSED(o);
#endif
}

} // namespace

Utf8Step decodeUtf8Prefix(const uchar *bytes, qsizetype size, char16_t *out)
{
    const uchar *p = bytes;
    const uchar *const end = bytes + size;
    char16_t *o = out;
    Utf8Step step;
    for (;;) {
        copyAsciiBlocks(p, end, o);
        if (p == end)
            break;
        const uchar lead = *p;
        if (lead < 0x80) {
            *o++ = lead;
            ++p;
            continue;
        }
        uchar lo, hi;
        const int length = sequenceLength(lead, lo, hi);
        if (length == 0) {
            step.invalid = true;
            break;
        }
        if (end - p < length) {
            // Cut short: invalid already when what is there cannot go on.
            for (qsizetype k = 1; k < end - p; ++k) {
                if (k == 1 ? (p[1] < lo || p[1] > hi) : (p[k] & 0xC0) != 0x80)
                    step.invalid = true;
            }
            break;
        }
        if (p[1] < lo || p[1] > hi) {
            step.invalid = true;
            break;
        }
        step.sevenBit = false;
        if (length == 2) {
            *o++ = char16_t((lead & 0x1F) << 6 | (p[1] & 0x3F));
            p += 2;
            continue;
        }
        if ((p[2] & 0xC0) != 0x80) {
            step.invalid = true;
            break;
        }
        if (length == 3) {
            *o++ = char16_t((lead & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
            p += 3;
            continue;
        }
        if ((p[3] & 0xC0) != 0x80) {
            step.invalid = true;
            break;
        }
        const char32_t c = char32_t(lead & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6
            | char32_t(p[3] & 0x3F);
        *o++ = QChar::highSurrogate(c);
        *o++ = QChar::lowSurrogate(c);
        p += 4;
    }
    step.read = p - bytes;
    step.written = o - out;
    return step;
}

std::optional<QString> decodeUtf8(QByteArrayView bytes, QString *error)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty())
        return QStringLiteral("");
    QString text = largeUninitializedString(bytes.size());
    const Utf8Step step = decodeUtf8Prefix(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                                           reinterpret_cast<char16_t *>(text.data()));
    if (step.read != bytes.size()) {
        setError(error, invalidAt("UTF-8", step.read));
        return std::nullopt;
    }
    truncateLargeString(text, step.written);
    return text;
}

std::optional<QByteArray> encodeUtf8(QStringView text, bool allowLossy)
{
    // The common case, valid UTF-16, goes through Qt in one step.
    bool unpaired = false;
    for (qsizetype i = 0; i < text.size() && !unpaired; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            unpaired = true;
    }
    if (!unpaired)
        return text.toUtf8();
    if (!allowLossy)
        return std::nullopt;
    QString fixed;
    fixed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            fixed.append(c);
            fixed.append(text[++i]);
        } else {
            fixed.append(c.isSurrogate() ? QChar(u'?') : c);
        }
    }
    return fixed.toUtf8();
}

std::optional<QString> decodeUtf16(QByteArrayView bytes, bool bigEndian, QString *error)
{
    if (bytes.size() % 2 != 0) {
        setError(error, invalidAt("UTF-16", bytes.size() - 1));
        return std::nullopt;
    }
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    if (bigEndian)
        qFromBigEndian<char16_t>(bytes.data(), units, text.data());
    else
        qFromLittleEndian<char16_t>(bytes.data(), units, text.data());
    return text;
}

QByteArray encodeUtf16(QStringView text, bool bigEndian, bool withMark)
{
    const qsizetype mark = withMark ? 2 : 0;
    QByteArray bytes(mark + text.size() * 2, Qt::Uninitialized);
    if (withMark)
        std::memcpy(bytes.data(), bigEndian ? "\xFE\xFF" : "\xFF\xFE", 2);
    if (bigEndian)
        qToBigEndian<char16_t>(text.utf16(), text.size(), bytes.data() + mark);
    else
        qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + mark);
    return bytes;
}

std::optional<QString> decodeUtf32(QByteArrayView bytes, bool bigEndian, QString *error)
{
    if (bytes.size() % 4 != 0) {
        setError(error, invalidAt("UTF-32", bytes.size() - bytes.size() % 4));
        return std::nullopt;
    }
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    QString text(bytes.size() / 4 * 2, Qt::Uninitialized); // at most two units each
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype length = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        const char32_t c = readUnit32(p + i, bigEndian);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            setError(error, invalidAt("UTF-32", i));
            return std::nullopt;
        }
        if (QChar::requiresSurrogates(c)) {
            out[length++] = QChar::highSurrogate(c);
            out[length++] = QChar::lowSurrogate(c);
        } else {
            out[length++] = char16_t(c);
        }
    }
    text.truncate(length);
    return text;
}

std::optional<QByteArray> encodeUtf32(QStringView text, bool bigEndian, bool withMark, bool allowLossy)
{
    QByteArray bytes((text.size() + 1) * 4, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(bytes.data());
    qsizetype length = 0;
    if (withMark) {
        writeUnit32(out, 0xFEFF, bigEndian);
        length = 4;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[++i]);
        } else if (c.isSurrogate()) {
            if (!allowLossy)
                return std::nullopt;
            code = u'?';
        }
        writeUnit32(out + length, code, bigEndian);
        length += 4;
    }
    bytes.truncate(length);
    return bytes;
}

} // namespace reel::text
