/// \file
/// \ingroup core
/// Whole-file reads and writes that never block and never leave a half-written
/// file behind. They say why they failed through *error and write nothing to
/// the log.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QString>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The bytes of a regular file (following links), or its first maxBytes
/// bytes when maxBytes is not negative. Nothing for a missing or unreadable
/// path, and for a named pipe, a device or a folder, which are never opened
/// in a blocking way. *error says why when given.
std::optional<QByteArray> readRegularFile(const QString &path, QString *error = nullptr, qint64 maxBytes = -1);

/// Replaces the file at path with bytes: they go to a new file in the same
/// folder (".<name>.XXXXXX", six random letters or digits), are flushed to
/// disk, and the new file is renamed over the old one,
/// so a reader sees the old contents or the new ones, never a mixture, and a
/// failure leaves the old file as it was. An existing file's permission bits
/// are kept; a new file gets 0666 less the umask. A symbolic link at path is
/// replaced by the new file. False, with *error, when anything fails.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

/// Deletes the new files that writeFileAtomically left for path when its
/// process was killed mid-write: regular files of the running user named as
/// above and last changed at least olderThanSeconds ago. Callers that
/// serialise their writers hold that lock, so that none is being written.
/// The number deleted; 0 when the folder cannot be read.
int removeLeftoverTemporaryFiles(const QString &path, int olderThanSeconds);

} // namespace reel
REEL_EXPORT_END
