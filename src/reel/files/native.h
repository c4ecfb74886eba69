// Small POSIX helpers of the file services (native path bytes, error texts,
// sorted folder listings, file-system figures), also used by the text files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

#include <sys/stat.h>

namespace reel::files {

// The path's bytes for the C library (the same encoding Qt uses). A path
// holding a NUL character gives "" (which names nothing): cut at the NUL it
// would name another item than its text says.
QByteArray nativePath(const QString &path);

// The C library's text for an errno value.
QString errnoText(int code);

// stat / lstat of a path; nothing when the call fails (errno is kept).
std::optional<struct stat> statPath(const QString &path);
std::optional<struct stat> lstatPath(const QString &path);

// The text stored in a symbolic link, as written; null when path is no link.
QString readLinkText(const QString &path);

// The names in a folder (without "." and ".."), sorted by UTF-16 code units
// so that every file system gives the same order. Nothing when the path
// cannot be listed (missing, not a folder, no permission).
std::optional<QStringList> directoryNames(const QString &folder);

// The figures of the file system that holds path (statvfs, following links),
// under the Foundation attribute names: NSFileSystemSize, NSFileSystemFreeSize,
// NSFileSystemNodes, NSFileSystemFreeNodes, NSFileSystemNumber. The free size
// is what an ordinary user may still write. Nothing, with *error, when the
// path leads nowhere.
std::optional<QVariantMap> fileSystemAttributes(const QString &path, QString *error = nullptr);

} // namespace reel::files
