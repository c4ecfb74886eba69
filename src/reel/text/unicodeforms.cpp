#include "reel/text/unicodeforms.h"

#include "reel/core/format.h"

#include <QtEndian>

#include <bit>
#include <cstring>

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

std::optional<QString> decodeUtf8(QByteArrayView bytes, QString *error)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const Utf8Scan scan = scanUtf8(bytes);
    if (scan.validLength != bytes.size()) {
        setError(error, invalidAt("UTF-8", scan.validLength));
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
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
