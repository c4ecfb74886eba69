/// \file
/// \ingroup core
/// POSIX path strings, with the rules of Foundation's path methods that the
/// toolkit's callers rely on. Pure text operations: nothing here touches the
/// file system except the home-folder lookups of tilde expansion. None fails
/// or logs: every text is a path, and each answers as it says.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>

REEL_EXPORT_BEGIN
namespace reel {

/// Text after the last "/", a trailing "/" ignored: "/tmp/a.mov" gives
/// "a.mov", "/tmp/" gives "tmp", "/" stays "/", "" stays "".
QString lastPathComponent(const QString &path);

/// The path without its last component and the separator before it:
/// "/tmp/a.mov" gives "/tmp", "/tmp/" and "/tmp" give "/", "/" stays "/",
/// a bare name gives "".
QString stringByDeletingLastPathComponent(const QString &path);

/// Text after the last "." of the last component; "" when there is none or
/// when the only "." starts the component (".profile").
QString pathExtension(const QString &path);

/// The last component loses its last "." and what follows: "a.b.mov" gives
/// "a.b", ".profile" stays ".profile"; a trailing "/" is dropped.
QString stringByDeletingPathExtension(const QString &path);

/// Joins with exactly one "/" and drops repeated and trailing separators:
/// "/tmp" + "x" and "/tmp/" + "x" give "/tmp/x", "" + "x" gives "x".
QString stringByAppendingPathComponent(const QString &path, const QString &component);

/// "a/b" + "mov" gives "a/b.mov", "/tmp/" + "mov" gives "/tmp.mov". An empty
/// extension leaves the path as it is (without a trailing "/").
QString stringByAppendingPathExtension(const QString &path, const QString &extension);

/// Tilde expanded, repeated separators, "." components and a trailing "/"
/// removed, ".." resolved against the component before it in an absolute path
/// (in a relative path ".." stays).
QString stringByStandardizingPath(const QString &path);

/// "~" and "~/..." become the home folder, "~name" and "~name/..." that user's
/// home folder; an unknown user and any other path are left unchanged. The
/// rest of the path is kept as written ("~/" keeps its trailing "/").
QString stringByExpandingTildeInPath(const QString &path);

/// "/tmp/a" gives ("/", "tmp", "a"); "a/b/" gives ("a", "b", "/").
QStringList pathComponents(const QString &path);

/// The user's home folder: $HOME when set, else the password database.
QString homeDirectory();
/// The home folder of the named user, or a null string when there is none.
QString homeDirectoryForUser(const QString &user);
/// The user's short login name (the password database entry of the real user).
QString userName();

} // namespace reel
REEL_EXPORT_END
