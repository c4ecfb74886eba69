#include "reel/strings/transforms.h"

#include <QStringView>

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

QStringList linesToArray(const QString &text)
{
    QStringList lines;
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const QChar *start = begin;
    for (const QChar *p = begin;; ++p) {
        // Nearly every character lies between CR and U+0085 and is no break:
        // one test passes it.
        while (p < end && ((p->unicode() > 0x000D && p->unicode() < 0x0085) || !isLineBreak(*p)))
            ++p;
        if (p > start)
            lines.append(QString(start, p - start));
        if (p == end)
            break;
        start = p + 1;
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
