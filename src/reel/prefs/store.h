/// \file
/// \ingroup prefs
/// The running application's preference store.
///
/// One binary property-list file per application, a dictionary at its root:
///
/// \code{.unparsed}
///   $XDG_CONFIG_HOME/<identifier>.plist
///   ~/.config/<identifier>.plist        (XDG_CONFIG_HOME unset or relative)
/// \endcode
///
/// where \<identifier\> is Bundle::main().identifier() ("/" replaced by "_").
/// Beside it, "<identifier>.plist.lock" is flock()ed by every process while it
/// reads, changes and replaces the file, so concurrent writers never lose each
/// other's keys. The file is only ever replaced whole (temporary file, fsync,
/// rename), so readers take no lock and see the old contents or the new ones;
/// a successful write also deletes the temporary files that writers killed
/// mid-write left beside the store (those older than a minute).
/// Every read notices a file another process wrote: the parsed contents are
/// reused only while the file's identity, size and times are unchanged and
/// were already old when it was read; otherwise the bytes are read again (and
/// parsed only when they differ).
///
/// A file that is not a property list with a dictionary root, or that the
/// property-list reader refuses (see plist/codec.h for its limits), is renamed
/// aside as "<identifier>.plist.corrupt-<yyyyMMdd-HHmmss>" and the store
/// starts empty. A store that cannot be read (folder or file unreadable, not a
/// regular file) is unavailable: reads give nothing and writes fail, with a
/// log line that says why.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The store file of the running application (see above). Never fails.
QString preferencesFilePath();

/// Everything in the store now; an absent file is an empty store. Nothing
/// when the store is unavailable, logged once until the reason changes.
std::optional<QVariantMap> readPreferences();

/// The value stored under key; invalid when there is none or the store is
/// unavailable.
QVariant preferenceValue(const QString &key);

/// Read-modify-write under the cross-process lock. change receives the
/// current contents and returns true when it changed them; the result is then
/// written. True when the store was available and the change (if any) is on
/// disk; false, with a log line, when the store is unavailable, a value is not
/// a property-list type, or the write failed: the file is then left as it was.
bool updatePreferences(const std::function<bool(QVariantMap &values)> &change);

} // namespace reel
REEL_EXPORT_END
