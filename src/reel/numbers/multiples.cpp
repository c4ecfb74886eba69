#include "reel/numbers/multiples.h"

#include "reel/core/log.h"
#include "reel/numbers/checked_p.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <optional>
#include <vector>

namespace reel {

namespace {

// Common factors removed by sousMultipleCommuns, in order.
constexpr int kPrimes[] = {2, 3, 5, 7, 11, 13, 17};

// The last resort of nbsSousMultipleCommun, searched from its end. Not every
// prime below 200 is here (43, 61, 73, 79, 97, ... are not): callers have
// always got these results, so the list stays as it is.
constexpr int kFallbackDivisors[] = {1,  2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,  41,  47,  53,  59,  67,  71,
                                     83, 89, 101, 107, 109, 113, 127, 131, 137, 139, 149, 157, 167, 179, 181, 191, 197, 199};

// The positive divisors of g (g >= 1), ascending.
std::vector<qint64> divisorsOf(qint64 g)
{
    std::vector<qint64> low;
    std::vector<qint64> high;
    for (qint64 d = 1; d * d <= g; ++d) {
        if (g % d != 0)
            continue;
        low.push_back(d);
        if (d != g / d)
            high.push_back(g / d);
    }
    low.insert(low.end(), high.rbegin(), high.rend());
    return low;
}

// 10^digits for 0 <= digits <= 9, 1 for a negative digits.
int powerOfTen(int digits)
{
    int factor = 1;
    for (int i = 0; i < digits; ++i)
        factor *= 10;
    return factor;
}

// The two rounding functions share their limits: digits up to 9 (the
// factor must fit an int) and a scaled value whose integer part fits an int.
// Outside them x itself is the result: a float that large is already whole.
float keptOutOfRange(const char *name, float x, int digits)
{
    logAlways(LogLabel(name), ":-( %f with %d digits is out of range, kept as it is", x, digits);
    return x;
}

} // namespace

bool nbMultiple(int n, int m)
{
    if (m == 0) {
        logAlways(LogLabel("nbMultiple"), ":-( %d divided by 0", n);
        return false;
    }
    // In 64 bits, so that INT_MIN % -1 is simply 0.
    return qint64(n) % qint64(m) == 0;
}

bool nbsMultiples(int a, int b, int m)
{
    return nbMultiple(a, m) && nbMultiple(b, m);
}

QVariantList sousMultipleCommuns(int a, int b)
{
    if (a == 0 && b == 0)
        return {1, 1};
    for (int p : kPrimes) {
        while (a % p == 0 && b % p == 0) {
            a /= p;
            b /= p;
        }
    }
    return {a, b};
}

int nbsSousMultipleCommun(int a, int b, int m)
{
    if (m < 1) {
        logAlways("nbsSousMultipleCommun:-( divisor %d below 1, 1 returned", m);
        return 1;
    }
    if (nbsMultiples(a, b, m))
        return m;

    logDebug("nbsSousMultipleCommun: pass ± %d", m);
    // The bands are walked upwards for the first common divisor of a and b;
    // that is the smallest divisor of their gcd inside the band, which keeps
    // a large m from walking a billion candidates. a and b are not both 0
    // here (m would have divided them), so the gcd is at least 1.
    const std::vector<qint64> divisors = divisorsOf(std::gcd(std::llabs(a), std::llabs(b)));
    auto firstIn = [&](qint64 from, qint64 to) -> std::optional<int> {
        to = std::min<qint64>(to, qint64(INT_MAX) + 1);
        const auto it = std::lower_bound(divisors.begin(), divisors.end(), from);
        if (it != divisors.end() && *it < to)
            return int(*it);
        return std::nullopt;
    };
    // The bounds come from m as a float, widened for the products with
    // 0.5 and 1.5; for m >= 1 they lie between 0 and 3.3e9.
    const float f = float(m);
    const qint64 middleFrom = qint64(f / 1.5 + 0.5);
    const qint64 lowerTo = qint64(f / 1.5);
    const qint64 upperFrom = qint64(f * 1.5);

    std::optional<int> found = firstIn(middleFrom, upperFrom);
    if (!found) {
        logDebug("nbsSousMultipleCommun: pass range < %d", m);
        found = firstIn(qint64(f * 0.5), lowerTo);
    }
    if (!found) {
        logDebug("nbsSousMultipleCommun: pass range > %d", m);
        found = firstIn(upperFrom, 2 * qint64(m));
    }
    if (!found) {
        logDebug("nbsSousMultipleCommun: pass range nb 1ers");
        for (auto it = std::rbegin(kFallbackDivisors); it != std::rend(kFallbackDivisors); ++it) {
            if (nbsMultiples(a, b, *it)) {
                found = *it;
                break;
            }
        }
    }
    const int result = found.value_or(1);
    logDebug(LogLabel("SousMultiple mod"), " :-) %d", result);
    logAlways("nbsSousMultipleCommun: fin %d", result);
    return result;
}

int nbMultipleArrondi(int n, int m)
{
    if (m == 0) {
        logAlways(LogLabel("nbMultipleArrondi"), " :-( no multiple of 0, %d returned as it is", n);
        return n;
    }
    const qint64 remainder = qint64(n) % qint64(m);
    if (remainder == 0)
        return n;
    const qint64 below = qint64(n) - remainder;
    logDebug(LogLabel("arrondiInferieur"), " : %d", below);
    const int half = m / 2;
    qint64 result = below;
    if (float(remainder) >= float(half)) {
        result = below + m;
        logDebug(LogLabel("nbMultipleArrondi"), " : arrondir au dessus");
    } else {
        logDebug(LogLabel("nbMultipleArrondi"), " : arrondir en-dessous");
    }
    if (result > INT_MAX || result < INT_MIN) {
        logAlways(LogLabel("nbMultipleArrondi"), " :-( %d + %d leaves the integers, %d kept", below, m, below);
        result = below;
    }
    logAlways(LogLabel("nbMultipleArrondi"), " :-) %d", result);
    return int(result);
}

float nbArrondi(float x, int digits)
{
    const float half = x >= 0 ? 0.5f : -0.5f;
    float result = x;
    if (digits > 9) {
        result = keptOutOfRange("nbArrondi", x, digits);
    } else if (digits == 0) {
        if (const std::optional<int> whole = detail::truncatedToInt(x + half))
            result = float(*whole);
        else
            result = keptOutOfRange("nbArrondi", x, digits);
    } else {
        const int factor = powerOfTen(digits);
        // One rounding for the product and the half, as a fused multiply-add.
        const float scaled = std::fmaf(float(factor), x, half);
        if (const std::optional<int> whole = detail::truncatedToInt(scaled)) {
            result = float(*whole) / float(factor);
            logDebug("%f", x);
            logDebug("%d", factor);
            logDebug("%f", scaled);
            logDebug("%d", *whole);
            logDebug("%f", result);
        } else {
            result = keptOutOfRange("nbArrondi", x, digits);
        }
    }
    logAlways(LogLabel("nbArrondi"), " : %f", result);
    return result;
}

float nbTrimmed(float x, int digits)
{
    float result = x;
    if (digits > 9) {
        result = keptOutOfRange("nbTrimmed", x, digits);
    } else if (digits == 0) {
        if (const std::optional<int> whole = detail::truncatedToInt(x))
            result = float(*whole);
        else
            result = keptOutOfRange("nbTrimmed", x, digits);
    } else {
        const int factor = powerOfTen(digits);
        const float scaled = float(factor) * x;
        if (const std::optional<int> whole = detail::truncatedToInt(scaled))
            result = float(*whole) / float(factor);
        else
            result = keptOutOfRange("nbTrimmed", x, digits);
    }
    logDebug(LogLabel("nbTrimmed"), ": %f", result);
    return result;
}

} // namespace reel
