/// \file
/// \ingroup prefs
/// Property-list files named by path, apart from the preference store.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The dictionary at the root of an XML or binary property-list file ("~"
/// expanded), for the caller to keep and change. Nothing, and no log line, for
/// a null path, a missing or unreadable file, or a root that is not a
/// dictionary; nothing, logged with the reason, for a file the property-list
/// reader refuses (not a property list, or past a limit).
std::optional<QVariantMap> readPlist(const QString &path);

/// Writes value as a binary property list (format 1.0) to path, "~" expanded
/// and every ":" removed, replacing an existing file atomically. True when the
/// write succeeded and a file stands at the path. A value that is not a
/// property-list type gives false and the reason in the log; false, not
/// logged, for a null path or an invalid value. Every write is logged, and a
/// failed one with its reason.
bool createNewPlist(const QString &path, const QVariant &value);

} // namespace reel
REEL_EXPORT_END
