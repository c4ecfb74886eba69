#include "reel/text/singlebyte_p.h"

#include "reel/core/format.h"

#include <QHash>

namespace reel::text {

namespace {

// Follows the sans-serif ®, © and ™ of the Symbol table.
constexpr char16_t kVariantTag = 0xF87F;
constexpr uchar kFirstSansSerif = 0xE2;
constexpr uchar kLastSansSerif = 0xE4;

QString unassignedAt(const char *name, qsizetype offset)
{
    return format("the bytes are not valid %s (at byte %lld)", name, qint64(offset));
}

// The character at text[i] and how many units it takes (a surrogate pair is
// one character).
char32_t characterAt(QStringView text, qsizetype i, int &units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    units = 1;
    return c.unicode();
}

// One byte per character; byteFor(text, i, units) gives the byte for the
// character at i (or -1) and may widen units to take a following unit too.
template <typename ByteFor>
std::optional<QByteArray> encodeBytewise(QStringView text, bool allowLossy, ByteFor byteFor)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        int units = 1;
        const int byte = byteFor(text, i, units);
        if (byte < 0) {
            if (!allowLossy)
                return std::nullopt;
            bytes.append('?');
        } else {
            bytes.append(char(byte));
        }
        i += units;
    }
    return bytes;
}

// Character to byte for a table; where two bytes give one character, the
// lower byte is the one written.
QHash<char16_t, uchar> reverse(const char16_t *table, int count, int firstByte)
{
    QHash<char16_t, uchar> bytes;
    for (int i = 0; i < count; ++i) {
        if (table[i] != kUnassigned && !bytes.contains(table[i]))
            bytes.insert(table[i], uchar(firstByte + i));
    }
    return bytes;
}

// The byte for c in a reversed table, -1 when it has none.
int byteIn(const QHash<char16_t, uchar> &bytes, char32_t c)
{
    if (c > 0xFFFF)
        return -1;
    const auto it = bytes.constFind(char16_t(c));
    return it == bytes.cend() ? -1 : int(*it);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

} // namespace

QString decodeLatin1(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

std::optional<QByteArray> encodeBelow(QStringView text, char32_t limit, bool allowLossy)
{
    return encodeBytewise(text, allowLossy, [limit](QStringView t, qsizetype i, int &units) {
        const char32_t c = characterAt(t, i, units);
        return c < limit ? int(c) : -1;
    });
}

std::optional<QString> decodeNextstep(QByteArrayView bytes, QString *error)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        const char16_t c = b < 0x80 ? char16_t(b) : kNextstepHighHalf[b - 0x80];
        if (c == kUnassigned) {
            if (error)
                *error = unassignedAt("NEXTSTEP", i);
            return std::nullopt;
        }
        out[i] = c;
    }
    return text;
}

std::optional<QByteArray> encodeNextstep(QStringView text, bool allowLossy)
{
    static const QHash<char16_t, uchar> bytes = reverse(kNextstepHighHalf, 128, 0x80);
    return encodeBytewise(text, allowLossy, [](QStringView t, qsizetype i, int &units) {
        const char32_t c = characterAt(t, i, units);
        return c < 0x80 ? int(c) : byteIn(bytes, c);
    });
}

std::optional<QString> decodeSymbol(QByteArrayView bytes, QString *error)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        const char16_t c = kSymbolTable[b];
        if (c == kUnassigned) {
            if (error)
                *error = unassignedAt("Mac OS Symbol", i);
            return std::nullopt;
        }
        text.append(QChar(c));
        if (b >= kFirstSansSerif && b <= kLastSansSerif)
            text.append(QChar(kVariantTag));
    }
    return text;
}

std::optional<QByteArray> encodeSymbol(QStringView text, bool allowLossy)
{
    static const QHash<char16_t, uchar> bytes = reverse(kSymbolTable, 256, 0);
    return encodeBytewise(text, allowLossy, [](QStringView t, qsizetype i, int &units) {
        const char32_t c = characterAt(t, i, units);
        if (i + 1 < t.size() && t[i + 1] == QChar(kVariantTag)) {
            for (int b = kFirstSansSerif; b <= kLastSansSerif; ++b) {
                if (kSymbolTable[b] == c) {
                    units = 2;
                    return b;
                }
            }
        }
        return byteIn(bytes, c);
    });
}

std::optional<QString> decodeNonLossyASCII(QByteArrayView bytes, QString *error)
{
    const qsizetype n = bytes.size();
    QString text;
    text.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const char c = bytes[i];
        if (uchar(c) >= 0x80) {
            if (error)
                *error = unassignedAt("non-lossy ASCII", i);
            return std::nullopt;
        }
        if (c != '\\' || i + 1 == n) {
            text.append(QLatin1Char(c));
            ++i;
            continue;
        }
        const char next = bytes[i + 1];
        if (next == '\\') {
            text.append(QLatin1Char('\\'));
            i += 2;
            continue;
        }
        if (next == 'u' && n - i >= 6) {
            int unit = 0;
            bool hex = true;
            for (int k = 2; k < 6 && hex; ++k) {
                const int v = hexValue(bytes[i + k]);
                hex = v >= 0;
                unit = unit * 16 + v;
            }
            if (hex) {
                text.append(QChar(char16_t(unit)));
                i += 6;
                continue;
            }
        }
        if (n - i >= 4 && next >= '0' && next <= '3' && isOctal(bytes[i + 2]) && isOctal(bytes[i + 3])) {
            text.append(QChar(char16_t((next - '0') * 64 + (bytes[i + 2] - '0') * 8 + (bytes[i + 3] - '0'))));
            i += 4;
            continue;
        }
        text.append(QLatin1Char('\\'));
        ++i;
    }
    return text;
}

QByteArray encodeNonLossyASCII(QStringView text)
{
    static const char kHex[] = "0123456789abcdef";
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\') {
            bytes.append("\\\\", 2);
        } else if (u < 0x80) {
            bytes.append(char(u));
        } else {
            const char escape[6] = {'\\', 'u', kHex[(u >> 12) & 0xF], kHex[(u >> 8) & 0xF], kHex[(u >> 4) & 0xF], kHex[u & 0xF]};
            bytes.append(escape, 6);
        }
    }
    return bytes;
}

} // namespace reel::text
