// Property-list files read by the toolkit (Info.plist, readPlist).
#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace reel {

// The property list in the file at path. At most kPlistMaxBytes + 1 bytes
// are read, so a larger file is refused without being read whole. Nothing,
// quietly, when the file cannot be read (missing, unreadable, not a regular
// file); nothing and the line "<label>:-( refused '<path>': <why>" (label
// padded to 20 characters) when its contents are refused.
std::optional<QVariant> readPlistFile(const QString &path, const QString &label);

} // namespace reel
