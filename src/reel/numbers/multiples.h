/// \file
/// \ingroup numbers
/// Divisibility, multiples, common divisors and decimal rounding.
///
/// Integer arithmetic is on int; "m divides n" means the truncating remainder
/// n % m is 0. The float functions work in single precision. Where a
/// function below says nothing of the log, it writes no line.
#pragma once

#include "reel/core/export.h"

#include <QVariantList>

REEL_EXPORT_BEGIN
namespace reel {

/// m divides n. m = 0 gives false (logged).
bool nbMultiple(int n, int m);

/// m divides a and m divides b (b is not tested when a fails).
bool nbsMultiples(int a, int b, int m);

/// [a, b] (two int numbers) reduced by their common factors 2, 3, 5, 7, 11,
/// 13 and 17: 1920, 1080 gives [16, 9], 38, 19 stays [38, 19]. (0, 0) gives
/// [1, 1]; a zero beside another value keeps the zero (0, 12 gives [0, 1]).
QVariantList sousMultipleCommuns(int a, int b);

/// A common divisor of a and b: m itself when it divides both, else the
/// first that divides both of the bands around m (from m/1.5 to 1.5m, then
/// m/2 to m/1.5, then 1.5m to 2m) and, last, of a fixed list of primes up to
/// 199 searched downwards, which ends with 1. m < 1 gives 1 (logged). The
/// result is always logged.
int nbsSousMultipleCommun(int a, int b, int m);

/// The multiple of m nearest to n, a remainder of half m or more rounding up:
/// (24, 16) gives 32, (23, 16) gives 16; a negative n goes towards zero
/// (-7, 16 gives 0). m = 0 gives n unchanged; a result beyond the int range
/// gives the multiple towards zero (both logged). The result is always
/// logged.
int nbMultipleArrondi(int n, int m);

/// x rounded to digits decimals, halves away from zero, in single precision
/// with the scaled value fused (2.675, 2 gives 2.68). A negative digits
/// rounds to an integer. digits above 9, NaN, infinities and values whose
/// scaled form leaves the int range give x unchanged (logged). The result is
/// always logged.
float nbArrondi(float x, int digits);

/// x cut towards zero to digits decimals (3.14159, 3 gives 3.141), same
/// limits and neutral result as nbArrondi.
float nbTrimmed(float x, int digits);

} // namespace reel
REEL_EXPORT_END
