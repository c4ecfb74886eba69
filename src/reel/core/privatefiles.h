/// \file
/// \ingroup core
/// Folders and files that only the running user can reach, for the temporary
/// folder and what the tools and programs create in it.
///
/// A shared folder such as /tmp lets every local user create names in it: a
/// link planted under a name that a program is about to open would make the
/// program write (as its own user, root included) wherever the link points.
/// So the tools' folder is the user's own (mode 0700, checked on every use),
/// and files in it are created new, never through a link. Only privateFolder
/// logs; the others say why they failed through *error.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The folder wanted, made 0700 when missing, when it is a real folder (not a
/// link) of the running user open to no one else. Otherwise, with a log line,
/// a fresh private folder beside it ("<wanted>-XXXXXX", unpredictable), made
/// once per process and reused while it stays private. Should even that
/// fail (no such $TMPDIR, no right or no room to make a folder there), null,
/// with a log line the first time: there is then no folder to use, and what
/// was found at the wanted path is never used instead.
QString privateFolder(const QString &wanted);

/// True when path is a real folder (not a link) owned by the running user
/// and open to no one else; false for "" and what cannot be looked at.
bool isPrivateFolder(const QString &path);

/// Opens a new file for writing (mode 0600): fails when anything is at path,
/// a link included, so it never writes through a planted link. The
/// descriptor, or -1 with *error.
int createNewFile(const QString &path, QString *error = nullptr);

/// Like createNewFile, after removing what is at path (a link is removed
/// itself, never followed; a folder is left and the call fails). For a file
/// whose previous contents are not wanted. The descriptor, or -1 with *error.
int replaceWithNewFile(const QString &path, QString *error = nullptr);

/// Creates a new, empty file (mode 0600) named prefix + six unpredictable
/// characters + suffix in folder, exclusively. Its path, or null with *error.
QString createUniqueFile(const QString &folder, const QString &prefix, const QString &suffix,
                         QString *error = nullptr);

} // namespace reel
REEL_EXPORT_END
