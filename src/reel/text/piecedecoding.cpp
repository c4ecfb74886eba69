#include "reel/text/piecedecoding_p.h"

#include "reel/core/format.h"
#include "reel/text/unicodeforms_p.h"

#include <QtEndian>

#include <cstring>

namespace reel::text {

namespace {

bool startsWith(const uchar *bytes, qsizetype size, const char *mark, qsizetype length)
{
    return size >= length && std::memcmp(bytes, mark, size_t(length)) == 0;
}

} // namespace

PieceDecoder::PieceDecoder(StringEncoding encoding) : m_encoding(encoding)
{
    switch (encoding) {
    case kUTF8StringEncoding:
        m_kind = Kind::Utf8;
        m_name = "UTF-8";
        return;
    case kUnicodeStringEncoding:
    case kUTF16BigEndianStringEncoding:
    case kUTF16LittleEndianStringEncoding:
        m_kind = Kind::Utf16;
        m_name = "UTF-16";
        m_bigEndian = encoding != kUTF16LittleEndianStringEncoding;
        return;
    case kUTF32StringEncoding:
    case kUTF32BigEndianStringEncoding:
    case kUTF32LittleEndianStringEncoding:
    case kUTF32LETableStringEncoding:
        m_kind = Kind::Utf32;
        m_name = "UTF-32";
        m_bigEndian = encoding == kUTF32StringEncoding || encoding == kUTF32BigEndianStringEncoding;
        return;
    default:
        break;
    }
    m_name = encoding == kNEXTSTEPStringEncoding ? "NEXTSTEP" : iconvNameOf(encoding);
    if ((m_table = singleByteTableOf(encoding))) {
        m_kind = Kind::Table;
        if (!m_name)
            m_name = "ASCII";
        return;
    }
    if (m_name) {
        m_iconv = std::make_unique<IconvPieces>(m_name);
        if (m_iconv->valid())
            m_kind = Kind::Iconv;
    }
}

qint64 PieceDecoder::maxUnits(qint64 size) const
{
    return m_kind == Kind::Utf16 || m_kind == Kind::Utf32 ? size / 2 : size;
}

// The marked forms read the order from a mark (big-endian without one);
// UTF-8 and the explicit orders skip a mark of their own.
qsizetype PieceDecoder::skipMark(const uchar *bytes, qsizetype size)
{
    switch (m_kind) {
    case Kind::Utf8:
        return startsWith(bytes, size, "\xEF\xBB\xBF", 3) ? 3 : 0;
    case Kind::Utf16: {
        const bool big = startsWith(bytes, size, "\xFE\xFF", 2);
        const bool little = startsWith(bytes, size, "\xFF\xFE", 2);
        if (m_encoding == kUnicodeStringEncoding && (big || little))
            m_bigEndian = big;
        return (big && m_bigEndian) || (little && !m_bigEndian) ? 2 : 0;
    }
    case Kind::Utf32: {
        const bool big = startsWith(bytes, size, "\x00\x00\xFE\xFF", 4);
        const bool little = startsWith(bytes, size, "\xFF\xFE\x00\x00", 4);
        if (m_encoding == kUTF32StringEncoding && (big || little))
            m_bigEndian = big;
        return (big && m_bigEndian) || (little && !m_bigEndian) ? 4 : 0;
    }
    default:
        return 0;
    }
}

PieceStep PieceDecoder::decode(const uchar *bytes, qsizetype size, bool last, char16_t *out)
{
    PieceStep step;
    if (m_first) {
        m_first = false;
        step.read = skipMark(bytes, size);
    }
    const uchar *const p = bytes + step.read;
    const qsizetype n = size - step.read;
    switch (m_kind) {
    case Kind::None:
        step.invalid = true;
        return step;
    case Kind::Utf8: {
        const Utf8Step utf8 = decodeUtf8Prefix(p, n, out);
        step.read += utf8.read;
        step.written = utf8.written;
        step.invalid = utf8.invalid;
        break;
    }
    case Kind::Table: {
        const qsizetype stop = decodeByTable(*m_table, p, n, out);
        step.read += stop;
        step.written = stop;
        step.invalid = stop != n;
        break;
    }
    case Kind::Utf16: {
        const qsizetype units = n / 2;
        if (m_bigEndian)
            qFromBigEndian<char16_t>(p, units, out);
        else
            qFromLittleEndian<char16_t>(p, units, out);
        step.read += units * 2;
        step.written = units;
        break;
    }
    case Kind::Utf32: {
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4) {
            const char32_t c = m_bigEndian ? qFromBigEndian<quint32>(p + i) : qFromLittleEndian<quint32>(p + i);
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                step.invalid = true;
                break;
            }
            if (QChar::requiresSurrogates(c)) {
                out[step.written++] = QChar::highSurrogate(c);
                out[step.written++] = QChar::lowSurrogate(c);
            } else {
                out[step.written++] = char16_t(c);
            }
        }
        step.read += i;
        break;
    }
    case Kind::Iconv: {
        qsizetype read = 0;
        qsizetype written = 0;
        step.invalid = !m_iconv->decode(p, n, last, out, n, &read, &written);
        step.read += read;
        step.written = written;
        break;
    }
    }
    if (last && step.read != size)
        step.invalid = true;
    return step;
}

QString PieceDecoder::error(qint64 offset) const
{
    if (m_kind == Kind::None)
        return format("no conversion for the encoding %u", m_encoding);
    return format("the bytes are not valid %s (at byte %lld)", m_name, offset);
}

} // namespace reel::text
