/// \file
/// \ingroup prefs
/// Single values in the running application's preferences (see store.h).
/// An unavailable store, a value that is not a property-list type and a
/// failed write are logged by the store; nothing else here logs but with the
/// debug level on.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>

#include <functional>

REEL_EXPORT_BEGIN
namespace reel {

/// The stored value as text ("%@"): a string itself, a number its decimal
/// text, a boolean "1" or "0", other values their property-list description.
/// "" for a null key or when nothing is stored.
QString prefRead(const QString &key);

/// The stored value as it was stored; invalid for a null key or when nothing
/// is stored.
QVariant prefRead2(const QString &key);

/// Stores value under key, replacing what was there. False for a null key, an
/// invalid value, a value that is not a property-list type, or an unavailable
/// store.
bool prefWrite(const QString &key, const QVariant &value);

/// Removes the value under key when there is one. Always true, even when the
/// store is unavailable. Logs when the unapplied-changes hook answers true.
bool prefDelete(const QString &key);

/// Whether the program's settings bindings hold changes not yet applied; asked
/// by prefDelete. Nothing answers by default (no such changes). Returns the
/// hook it replaces; an empty function removes it.
using UnappliedChangesHook = std::function<bool()>;
/// Sets the hook above; returns the one it replaces.
UnappliedChangesHook setUnappliedChangesHook(UnappliedChangesHook hook);

} // namespace reel
REEL_EXPORT_END
