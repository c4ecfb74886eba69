// Numbers, time and rates: multiples and rounding, parsing and fractions, durations and timecodes, bitrate budget.
#pragma once
