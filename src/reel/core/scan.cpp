#include "reel/core/scan.h"

#include <cfloat>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <climits>
#include <cmath>
#include <string>

namespace reel {

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isSkipped(QChar c, ScanSkip skip)
{
    switch (skip) {
    case ScanSkip::WhitespaceAndNewlines:
        return isWhitespaceOrNewline(c);
    case ScanSkip::Letters:
        return !c.isSurrogate() && (c.isLetter() || c.isMark());
    case ScanSkip::Nothing:
        break;
    }
    return false;
}

qsizetype skipFrom(QStringView text, qsizetype i, ScanSkip skip)
{
    while (i < text.size() && isSkipped(text.at(i), skip))
        ++i;
    return i;
}

} // namespace

bool isWhitespaceOrNewline(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 0x09 && u <= 0x0D) || u == 0x85)
        return true;
    const QChar::Category cat = c.category();
    return cat == QChar::Separator_Space || cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph;
}

std::optional<double> scanDouble(QStringView text, qsizetype *pos, ScanSkip skip)
{
    qsizetype i = skipFrom(text, pos ? *pos : 0, skip);
    std::string number;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        number += char(text.at(i++).unicode());
    qsizetype digits = 0;
    while (i < text.size() && isAsciiDigit(text.at(i))) {
        number += char(text.at(i++).unicode());
        ++digits;
    }
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        qsizetype j = i + 1;
        std::string fraction = ".";
        while (j < text.size() && isAsciiDigit(text.at(j))) {
            fraction += char(text.at(j++).unicode());
            ++digits;
        }
        if (digits > 0) {
            number += fraction;
            i = j;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            exponent += char(text.at(j++).unicode());
        const qsizetype firstExponentDigit = j;
        while (j < text.size() && isAsciiDigit(text.at(j)))
            exponent += char(text.at(j++).unicode());
        if (j > firstExponentDigit) {
            number += exponent;
            i = j;
        }
    }
    if (pos)
        *pos = i;
    // The C locale keeps "." the decimal point whatever LC_NUMERIC says.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return value;
}

std::optional<float> scanFloat(QStringView text, qsizetype *pos, ScanSkip skip)
{
    const std::optional<double> d = scanDouble(text, pos, skip);
    if (!d)
        return std::nullopt;
    // Out-of-range values become infinities, as the scanner reports overflow.
    if (*d > FLT_MAX)
        return HUGE_VALF;
    if (*d < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(*d);
}

qint64 longLongValue(QStringView text)
{
    qsizetype i = skipFrom(text, 0, ScanSkip::WhitespaceAndNewlines);
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    quint64 magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && isAsciiDigit(text.at(i)); ++i) {
        const unsigned digit = text.at(i).unicode() - '0';
        if (magnitude > (quint64(LLONG_MAX) + 1 - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    if (negative)
        return overflow || magnitude > quint64(LLONG_MAX) ? LLONG_MIN : -qint64(magnitude);
    return overflow || magnitude > quint64(LLONG_MAX) ? LLONG_MAX : qint64(magnitude);
}

int intValue(QStringView text)
{
    const qint64 v = longLongValue(text);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return int(v);
}

double doubleValue(QStringView text)
{
    qsizetype pos = 0;
    return scanDouble(text, &pos, ScanSkip::WhitespaceAndNewlines).value_or(0.0);
}

float floatValue(QStringView text)
{
    qsizetype pos = 0;
    return scanFloat(text, &pos, ScanSkip::WhitespaceAndNewlines).value_or(0.0f);
}

} // namespace reel
