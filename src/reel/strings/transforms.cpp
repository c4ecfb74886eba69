#include "reel/strings/transforms.h"

#include "reel/base/bigbuffers_p.h"

#include <QStringView>

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace reel {

namespace {

// Length of the character starting at i: 2 for a whole surrogate pair.
qsizetype charLengthAt(QStringView s, qsizetype i)
{
    return (i + 1 < s.size() && s.at(i).isHighSurrogate() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
}

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x000A: // line feed
    case 0x000B: // vertical tab
    case 0x000C: // form feed
    case 0x000D: // carriage return
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

} // namespace

QString reverseStr(const QString &s)
{
    QString out = QStringLiteral("");
    out.reserve(s.size());
    qsizetype end = s.size();
    while (end > 0) {
        qsizetype start = end - 1;
        if (start > 0 && s.at(start).isLowSurrogate() && s.at(start - 1).isHighSurrogate())
            --start;
        out.append(QStringView(s).sliced(start, end - start));
        end = start;
    }
    return out;
}

QString reverseIntelStr(const QString &s)
{
    return s;
}

QString invertcaseString(const QString &s)
{
    QString out = QStringLiteral("");
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype length = charLengthAt(s, i);
        const QString c = s.sliced(i, length);
        i += length;
        const QString lower = c.toLower();
        if (lower == c) {
            out += c.toUpper();
            continue;
        }
        const QString upper = c.toUpper();
        out += upper == c ? lower : c;
    }
    return out;
}

namespace {

// The first line break in [p, end), or end.
const char16_t *nextLineBreak(const char16_t *p, const char16_t *end)
{
#ifdef __SSE2__
    // Eight units at a time: LF to CR are the four units from 0x0A, which
    // an unsigned saturating subtraction tells apart; U+2028 and U+2029
    // differ in their last bit only.
    const __m128i first = _mm_set1_epi16(0x000A);
    const __m128i three = _mm_set1_epi16(3);
    const __m128i nextLine = _mm_set1_epi16(0x0085);
    const __m128i lastBit = _mm_set1_epi16(short(0xFFFE));
    const __m128i separators = _mm_set1_epi16(0x2028);
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i control = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(units, first), three), zero);
        const __m128i other = _mm_or_si128(_mm_cmpeq_epi16(units, nextLine),
                                           _mm_cmpeq_epi16(_mm_and_si128(units, lastBit), separators));
        const unsigned found = unsigned(_mm_movemask_epi8(_mm_or_si128(control, other)));
        if (found != 0)
            return p + std::countr_zero(found) / 2;
        p += 8;
    }
#endif
    while (p < end && !isLineBreak(QChar(*p)))
        ++p;
    return p;
}

} // namespace

QStringList linesToArray(const QString &text)
{
    QStringList lines;
    const auto *const begin = reinterpret_cast<const char16_t *>(text.constData());
    const auto *const end = begin + text.size();

    qsizetype count = 0;
    for (const char16_t *start = begin;;) {
        const char16_t *stop = nextLineBreak(start, end);
        count += stop > start;
        if (stop == end)
            break;
        start = stop + 1;
    }
    if (count == 0)
        return lines;
    lines.reserve(count);
    adviseHugePages(lines.data(), count * qsizetype(sizeof(QString)));

    StringBlocks blocks;
    for (const char16_t *start = begin;;) {
        const char16_t *stop = nextLineBreak(start, end);
        if (const qsizetype length = stop - start; length > 0) {
            // Every line still to come, with its NUL, fits in what is left
            // of the text: each has a break or the end after it.
            char16_t *units = nullptr;
            lines.append(blocks.make(length, &units, qsizetype(end - start) + 1));
            std::memcpy(units, start, size_t(length) * sizeof(char16_t));
        }
        if (stop == end)
            break;
        start = stop + 1;
    }
    return lines;
}

int addDigits(int n)
{
    // The sum of the digits of an int is at most 82, so nothing can overflow.
    while (n > 9) {
        int sum = 0;
        for (int rest = n; rest > 0; rest /= 10)
            sum += rest % 10;
        n = sum;
    }
    return n;
}

} // namespace reel
