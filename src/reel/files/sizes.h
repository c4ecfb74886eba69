/// \file
/// \ingroup files
/// Sizes in units of 1024, free space, whether a file can be updated, and
/// creation dates. Only espaceDiskDispo logs a failure; the others trace with
/// the debug level on.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The count in the unit: "K", "M" or "G" (any case; nil counts as "k")
/// divide by 1024, 1024², 1024³; any other unit, and a count of zero or
/// below, leave it as it is.
double octet2unite(qint64 count, const QString &unit);
/// The item's size in the unit, -1 when there is no answer. A folder measured
/// in "G", "M", "K" or "O" is the whole mebibytes of its contents; in any
/// other unit its own entry is measured like a file.
double poidsFile(const QString &path, const QString &unit);
/// A regular file's size read through the C library, in the unit; -1 when
/// there is no answer (pipes, devices and folders have no size here).
double poidsFileC(const QString &path, const QString &unit);
/// The total size of everything below the folder (as written), in mebibytes;
/// 0 for nil. Links are counted as links, not followed.
float poidsFolderMo(const QString &folder);
/// poidsFile(path, "m") in single precision.
float progressPoidsMo(const QString &path);
/// Free space of the volume holding the path, in whole mebibytes; -1 for nil
/// or a path that is not there, and -1 (logged) when the system gives no
/// answer.
int espaceDiskDispo(const QString &path);
/// Whether the file ("~" expanded) can be opened for reading and writing;
/// false for nil or "", a folder and a socket.
bool disponible(const QString &path);
/// When the item was created, as "YYYY-MM-DD HH:MM:SS +HHMM" in local time;
/// nil when there is no such item.
QString dateCreation(const QString &path);

} // namespace reel
REEL_EXPORT_END
