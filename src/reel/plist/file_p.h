// The one reader of property-list files: the bundle's Info.plist and
// readPlist go through it. Internal to the libraries.
#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace reel {

// The property list in the file at path. At most kPlistMaxBytes + 1 bytes
// are read, so a larger file is refused without being read whole. Nothing
// when the file cannot be read (missing, unreadable, not a regular file),
// *refusal then left empty, and nothing when its contents are refused,
// *refusal then saying why.
std::optional<QVariant> readPlistFile(const QString &path, QString *refusal);

} // namespace reel
