// Numbers, durations and timecodes as people type them. The first byte picks
// the reader (see input.h; upper case: the rest as UTF-16 units): "f"
// str2Float and str2Int, "r" a ratio, "v" a version, "a" a field picked
// with ASTID, "d" the display duration 1h02'03", "c" the cut offset -05.0',
// "t" a timecode, "s" a list sorted by sortNumbers (one element a line),
// "u" a duration as a user types it.
// What is read and written again reads back the same.
#include "input.h"

#include <reel/numbers/durations.h>
#include <reel/numbers/parsing.h>

#include <QStringList>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using namespace reel;

// A unit in the last place of x, as a float.
double ulp(float x)
{
    return double(std::nextafter(std::fabs(x), std::numeric_limits<float>::infinity())) - double(std::fabs(x));
}

void number(const QString &s)
{
    const float value = str2Float(s);
    const int whole = str2Int(s);
    if (std::isfinite(value) && std::fabs(value) < 2147483520.0f && whole != int(value))
        __builtin_trap(); // str2Int truncates str2Float
    // Written with enough digits, a float reads back exactly.
    if (std::isfinite(value) && str2Float(QString::number(value, 'g', 9)) != value)
        __builtin_trap();
}

void ratio(const QString &s)
{
    const float r = fractionStr2Float(s);
    if (!(std::fabs(r) >= 0.1f && std::fabs(r) < 2e6f))
        return;
    // The named ratios stand for a band of 0.02 around 1.0, 1.33 and 1.77;
    // the others are cut to thousandths.
    const float back = fractionStr2Float(float2FractionStr(r));
    if (!(std::fabs(back - r) <= 0.03 + std::fabs(r) * 1e-6))
        __builtin_trap();
}

void field(const QString &s)
{
    // The separator is the first character, the rest the string.
    const QString separator = s.left(1);
    const QString rest = s.mid(1);
    for (uint index : {0u, 1u, 2u, 666u, 777u, 4000000000u}) {
        const QString picked = ASTID(rest, separator, index);
        if (picked != rest && !(separator.size() == 1 && rest.split(separator).contains(picked)))
            __builtin_trap(); // the string itself or one of its fields
    }
}

void displayDuration(const QString &s)
{
    const int t = secondesStr2Int(s);
    if (t >= 0 && secondesStr2Int(secondesInt2Str(t)) != t)
        __builtin_trap();
}

void cutOffset(const QString &s)
{
    const float x = secondesCutStr2Float(s);
    if (!(x > 0) || !std::isfinite(x))
        return;
    // One decimal written: back within half a tenth (and the float's step).
    const float back = secondesCutStr2Float(secondesCutFloat2Str(x));
    if (!(std::fabs(double(back) - double(x)) <= 0.05 + 2 * ulp(x)))
        __builtin_trap();
}

void timecode(const QString &s)
{
    const float x = timecodeStr2Float(s);
    if (!(x >= 0 && x < 2147483648.0f))
        return;
    // Three decimals written, truncated: back at most a thousandth below
    // (and the float's step).
    const float back = timecodeStr2Float(secondeFloat2TimecodeStr(x, 3));
    if (!(std::fabs(double(back) - double(x)) <= 0.001 + 2 * ulp(x)))
        __builtin_trap();
    secondeFloat2TimecodeStr(x, 2);
}

void userDuration(const QString &s)
{
    const std::optional<double> seconds = userDurationSeconds(s);
    if (seconds && !(*seconds >= 0 && *seconds < 1e7))
        __builtin_trap(); // a duration, or nothing
    // As a clock it reads back within the clock's hundredths.
    if (seconds && *seconds < 2147483648.0) {
        const std::optional<double> back =
            userDurationSeconds(secondeFloat2TimecodeStr(float(*seconds), 2).replace(QLatin1Char('.'), QLatin1Char(',')));
        if (!back || std::fabs(*back - double(float(*seconds))) > 0.01 + 2 * ulp(float(*seconds)))
            __builtin_trap();
    }
}

void sorted(const QString &s)
{
    QVariantList list;
    for (const QString &line : s.split(QLatin1Char('\n')))
        list.append(line);
    const QVariantList numbers = sortNumbers(list);
    if (numbers.size() != list.size())
        __builtin_trap();
    for (qsizetype i = 1; i < numbers.size(); ++i) {
        const double a = numbers.at(i - 1).toDouble();
        const double b = numbers.at(i).toDouble();
        if (std::isnan(b) ? !std::isnan(a) : (!std::isnan(a) && a > b))
            __builtin_trap(); // ascending, NaN first
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietLog();
    const fuzz::Picked input = fuzz::pick(data, size, "frvadctsu");
    const QString s = fuzz::text(input);
    switch (input.reader) {
    case 0:
        number(s);
        break;
    case 1:
        ratio(s);
        break;
    case 2:
        versionStr2Float(s);
        break;
    case 3:
        field(s);
        break;
    case 4:
        displayDuration(s);
        break;
    case 5:
        cutOffset(s);
        break;
    case 6:
        timecode(s);
        break;
    case 7:
        sorted(s);
        break;
    default:
        userDuration(s);
        break;
    }
    return 0;
}
