// The user's home trash (freedesktop.org), reached from an open folder.
// Internal to files/.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::files {

// Moves the item name of the folder open at dirfd into the home trash
// ($XDG_DATA_HOME/Trash), renaming relative to dirfd: whatever has become of
// the path since the folder was opened, the item moved is the one in that
// folder, never one a link now leads to. originalPath is what the trash
// records as its place. Only the home trash is used: an item on another
// file system is not moved (no ".Trash-<uid>" folder is made on a volume).
// False, with *error, when the item was not moved.
bool moveToHomeTrashAt(int dirfd, const QByteArray &name, const QString &originalPath, QString *error);

} // namespace reel::files
