/// \file
/// \ingroup files
/// Moving and copying with an explicit overwrite choice, symbolic links, and
/// desktop alias files.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Moves source to destination ("~" expanded in both). An existing
/// destination is first deleted (through rmCocoa) when overwrite is exactly
/// "y"; otherwise it stops the move. True when the item was moved; false for
/// a nil path (not logged), and false, logged, for a missing source, a
/// destination that holds the source or lies inside it, a destination in the
/// way, or a failed move.
bool mvCocoa(const QString &source, const QString &destination, const QString &overwrite);
/// The same for a copy (a folder with all its contents; links inside are
/// copied as links). True when the copy was made; false, logged, as for
/// mvCocoa (a destination in the way only with the debug level on).
bool cpCocoa(const QString &source, const QString &destination, const QString &overwrite);

/// Makes a symbolic link at link whose content is target, like ln -s target
/// link. Paths as written. False when something is already at link, for an
/// empty path and when the link cannot be made; not logged.
bool ln_sCocoa(const QString &target, const QString &link);
/// The text stored in a symbolic link, as written; nil when path is no link.
/// Not logged.
QString srcFromLn(const QString &link);
/// The item an alias file stands for. This platform has no alias files: the
/// path comes back unchanged (as a new string).
QString pathByResolvingAlias(const QString &path);

} // namespace reel
REEL_EXPORT_END
