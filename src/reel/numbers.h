/// \file
/// \ingroup numbers
/// Numbers, time and rates: multiples and rounding, parsing and fractions, durations and timecodes, bitrate budget.
#pragma once

#include "reel/numbers/bitrate.h"
#include "reel/numbers/durations.h"
#include "reel/numbers/multiples.h"
#include "reel/numbers/parsing.h"
