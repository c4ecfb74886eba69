/// \file
/// \ingroup prefs
/// Preference values grouped in a dictionary under one parent key.
///
/// A stored dictionary is never changed in place: every change copies it,
/// changes the copy and stores the copy under the parent key, in one atomic
/// update of the store. An emptied dictionary stays under its parent key.
/// A parent key that holds something other than a dictionary is left alone
/// (logged by the writers). An unavailable store is logged by the store
/// (store.h); nothing else here writes a line but with the debug level on.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The dictionary stored under key; nothing for a null key, an unavailable
/// store, no value, or a value that is not a dictionary.
std::optional<QVariantMap> prefReadDico(const QString &key);

/// The value under childKey in the parent's dictionary; invalid when either
/// key is null, the parent holds no dictionary, or the child is absent.
QVariant prefReadChildDico(const QString &parentKey, const QString &childKey);

/// Stores dictionary under key, replacing what was there. False when an
/// argument is null, a value is not a property-list type, or the store is
/// unavailable.
bool prefWriteDico(const QString &key, const std::optional<QVariantMap> &dictionary);

/// Sets childKey to value in the parent's dictionary, creating the dictionary
/// when the parent key holds nothing. False when an argument is null, the
/// value is not a property-list type, the store is unavailable, or the parent
/// key holds something other than a dictionary (which is then kept).
bool prefWriteChildDico(const QString &parentKey, const QString &childKey, const QVariant &value);

/// Removes childKey from the parent's dictionary. Always true, whether or not
/// anything was removed.
bool prefDeleteChildDico(const QString &parentKey, const QString &childKey);

} // namespace reel
REEL_EXPORT_END
