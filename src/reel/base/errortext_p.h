// The system's text for an errno value. Internal to the libraries;
// exported for the tests.
#pragma once

#include "reel/base/export.h"

#include <QString>

namespace reel {

// As strerror says it, in the program's language, but safe to call from any
// thread: strerror's buffer is shared, and the tools' threads and the
// interface's may fail at once.
REEL_EXPORT QString errnoText(int code);

} // namespace reel
