/// \file
/// \ingroup numbers
/// The bitrate budget: the video bitrate that fills a size, and the size of a
/// stream. Only the failures said "logged" write a line.
#pragma once

#include "reel/core/export.h"

REEL_EXPORT_BEGIN
namespace reel {

/// The video bitrate in kb/s that fills sizeMB megabytes (of 1024 x 1024
/// bytes) over duration seconds once 192 kb/s of audio are taken off; may be
/// negative. No margin for the container. A duration that is not above 0, or
/// a result beyond the int range, gives 0 (logged).
int bitrateCalculator(float duration, int sizeMB);

/// The size in megabytes (of 1000 x 1000 bytes) of bitrate kb/s over duration
/// seconds, truncated, plus 1 (8000 kilobits give 2). 0 for a duration below
/// 0.1 and for NaN; a result beyond the int range gives 0 (logged).
int bitrate2MB(float duration, int bitrate);

} // namespace reel
REEL_EXPORT_END
