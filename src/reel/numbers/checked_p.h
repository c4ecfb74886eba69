// Conversions from floating values that C++ leaves undefined out of range.
// Internal to the numbers subsystem.
#pragma once

#include <cfloat>
#include <cmath>
#include <optional>

namespace reel::detail {

// v truncated towards zero when the result fits an int; nothing for NaN,
// the infinities and values out of range.
inline std::optional<int> truncatedToInt(double v)
{
    if (v > -2147483649.0 && v < 2147483648.0)
        return static_cast<int>(v);
    return std::nullopt;
}

// v rounded to single precision; beyond the float range an infinity of the
// same sign, as IEEE arithmetic gives.
inline float narrowedToFloat(double v)
{
    if (v > double(FLT_MAX))
        return HUGE_VALF;
    if (v < -double(FLT_MAX))
        return -HUGE_VALF;
    return static_cast<float>(v);
}

} // namespace reel::detail
