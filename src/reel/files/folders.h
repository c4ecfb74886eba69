/// \file
/// \ingroup files
/// Folder creation with open permissions, permission changes, and the test of
/// whether a folder accepts new items.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Creates the folder ("~" expanded) and every missing parent, open to all
/// (0777) when the file system allows it, else with the default mode. True
/// when the folder exists afterwards; false for nil and when the folder
/// could not be made (logged).
bool mkdirCocoa(const QString &path);

/// Sets mode 0777 on the item when mode is 777, else 0755. A recursion flag
/// of "r" or "R" is only logged. True when the mode was set; false for nil
/// and when it was not (not logged).
bool chmodCocoa(const QString &path, int mode, const QString &recursive);

/// Whether a scratch folder "_VKdir<n>" can be created in the folder (the
/// path itself, or the folder holding it) and removed again. False for nil;
/// the answer is always logged.
bool droitsAcces(const QString &path);

} // namespace reel
REEL_EXPORT_END
