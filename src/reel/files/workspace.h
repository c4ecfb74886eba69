/// \file
/// \ingroup files
/// Handing a path to the desktop (show a folder, open a file), and the test
/// of a media file's first bytes.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Opens the folder ("~" expanded) in the desktop's file browser, or the
/// folder holding the item when it is not a folder. Nothing for nil, "" or a
/// path that is not present. The folder handed over is logged.
void revealFolderInFinder(const QString &path);

/// Opens the item ("~" expanded) in the named application (an executable name
/// or path, started detached with the item's path), or, without one, in the
/// application the desktop assigns to it (xdg-open). False for nil, "" or a
/// path that is not present; true once the request is handed over (whether
/// or not the application starts). Not logged.
bool openWith(const QString &path, const QString &application);

/// Whether the file starts with the leading bytes of a kind of stream:
/// 0 MPEG transport stream (47), 1 MPEG-2 program stream whose first pack has
/// a zero clock reference (00 00 01 BA 44 00 04 00 04 01), 2 AC-3 (0B 77).
/// Any other kind is false without reading or logging, as are nil and a path
/// that is not present; otherwise the answer is logged with the bytes read.
bool fileCocoa(const QString &path, int kind);

} // namespace reel
REEL_EXPORT_END
