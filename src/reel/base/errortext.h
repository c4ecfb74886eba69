/// \file
/// \ingroup base
/// The system's text for an errno value.
#pragma once

#include "reel/base/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// As strerror says it, in the program's language, but safe to call from any
/// thread: strerror's buffer is shared, and the tools' threads and the
/// interface's may fail at once. Never fails: an unknown code gives
/// "Unknown error 9999" and the like. Not logged.
QString errnoText(int code);

} // namespace reel
REEL_EXPORT_END
