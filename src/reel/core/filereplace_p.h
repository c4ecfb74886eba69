// Replacing a file's contents where the file really is, as an editor saving
// it would, so that its links, its other names, its mode and its owner keep
// working.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace reel {

// path (its bytes for the system) with its symbolic links followed to the
// first name that is not one, which need not exist; folders on the way are
// the kernel's business. Every writer of the toolkit that follows links
// goes through here: a link that another user put in a sticky folder anyone
// may write (/tmp) is not followed, as the kernel's protected links would
// not, whatever the system's setting. Nothing then, with *code EACCES, and
// for a loop (ELOOP).
std::optional<QByteArray> followLinksForWriting(QByteArray path, int *code);

// Replaces the contents of the file at path with bytes.
// - Symbolic links are followed to the file they lead to and stay links; a
//   link that leads nowhere yet gets its file made where it points.
// - A file with a single name, in a folder the user may write, is replaced in
//   one step: the bytes go to a new file beside it, which takes the old one's
//   mode (and owner and group, which needs the right to give files away) and
//   is renamed over it. A reader sees the old contents or the new ones.
// - A file with several names, in a folder the user may not write, or whose
//   owner could not be kept, is written in place, so every name sees the new
//   bytes and nothing about the file changes but its contents. The room is
//   taken before the old bytes are overwritten, and they are put back when a
//   write fails all the same (when the file may be read).
// - A new file gets 0666 less the umask.
// False, with *error, for a file the user may not write, anything but a
// regular file, a loop of links, and any failure; the old contents are then
// as they were.
bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace reel
