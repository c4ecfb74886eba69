// What the number tests share: the test framework, the log, and values.
#pragma once

#include "logcapture.h"

#include <gtest/gtest.h>

#include <QString>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace reel::test {

inline const float kNaN = std::numeric_limits<float>::quiet_NaN();
inline const float kInf = std::numeric_limits<float>::infinity();

inline QString q(const char16_t *text) { return QString::fromUtf16(text); }

// Equal, or both NaN.
inline bool same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace reel::test

using namespace reel;
using reel::test::kInf;
using reel::test::kNaN;
using reel::test::q;
