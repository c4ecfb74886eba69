/// \file
/// \ingroup system
/// Handing a URL to the desktop, and scripts of the Mac's scripting language.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>

REEL_EXPORT_BEGIN
namespace reel {

/// Hands the URL to the desktop's default handler (xdg-open) without waiting
/// for it. Nothing for a nil URL; a text that is not an absolute URL (no
/// scheme) is refused with a log line, so it can never be taken for an option
/// or a local path. Whether the handler then opens it is not known.
void openLocation(const QString &url);

/// There is no AppleScript engine here: always nil (traced with the debug
/// level on).
QVariant appleScript(const QString &source);

} // namespace reel
REEL_EXPORT_END
