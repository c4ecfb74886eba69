// Small POSIX helpers of the file services (native path bytes, error texts,
// sorted folder listings, file-system figures), also used by the text files.
#pragma once

#include "reel/base/bigbuffers_p.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace reel::files {

// The path's bytes for the C library (the same encoding Qt uses). A path
// holding a NUL character gives "" (which names nothing): cut at the NUL it
// would name another item than its text says.
QByteArray nativePath(const QString &path);

// stat / lstat of a path; nothing when the call fails (errno is kept).
std::optional<struct stat> statPath(const QString &path);
std::optional<struct stat> lstatPath(const QString &path);

// The text stored in a symbolic link, as written; null when path is no link.
QString readLinkText(const QString &path);

// The items of a folder (without "." and ".."), sorted by name in UTF-16
// code units so that every file system gives the same order. The names stay
// as stored until asked for: most are ASCII, and a caller building paths
// decodes each one straight into its path.
struct DirectoryListing {
    struct Entry {
        qsizetype native;   // where the name as stored starts in natives
        qsizetype length;   // its length in bytes
        unsigned char type; // the DT_ value the listing gave (DT_UNKNOWN: it did not say)
    };
    std::vector<Entry> entries;
    std::string natives; // every name's bytes as stored, each NUL-terminated
    bool ascii = true;   // every name is ASCII

    const char *nativeName(const Entry &entry) const { return natives.data() + entry.native; }
    QString name(const Entry &entry) const;
    // first, second and the name (decoded as the file system's names are),
    // made in one piece.
    QString path(QStringView first, QStringView second, const Entry &entry) const;
    // The same, made in blocks (for the many paths of a walk).
    QString path(QStringView first, QStringView second, const Entry &entry, StringBlocks &blocks) const;
};

// Reads the folder dir is open on, from where it stands to its end; the
// stream stays open.
DirectoryListing readListing(DIR *dir);

// The listing of a folder; nothing when the path cannot be listed (missing,
// not a folder, no permission).
std::optional<DirectoryListing> listDirectory(const QString &folder);

// The names of listDirectory.
std::optional<QStringList> directoryNames(const QString &folder);

// The figures of the file system that holds path (statvfs, following links),
// under the Foundation attribute names: NSFileSystemSize, NSFileSystemFreeSize,
// NSFileSystemNodes, NSFileSystemFreeNodes, NSFileSystemNumber. The free size
// is what an ordinary user may still write. Nothing, with *error, when the
// path leads nowhere.
std::optional<QVariantMap> fileSystemAttributes(const QString &path, QString *error = nullptr);

} // namespace reel::files
