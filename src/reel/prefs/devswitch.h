/// \file
/// \ingroup prefs
/// The makers' switch: full tool argument lists in the log on the makers' own
/// machines, without raising the debug level.
#pragma once

#include "reel/core/export.h"

REEL_EXPORT_BEGIN
namespace reel {

/// True when the preference "id" is a string that contains the makers' marker
/// text (literal, case-sensitive). Read on every call; false when the store
/// is unavailable (which the store logs).
bool getDEBUGMOI();

} // namespace reel
REEL_EXPORT_END
