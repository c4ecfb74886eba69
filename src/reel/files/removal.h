/// \file
/// \ingroup files
/// The toolkit's one way to delete: every path passes the removal guard
/// (removalguard.h) first, and what the guard lets through is deleted, or
/// moved to the trash when it cannot be deleted.
#pragma once

#include "reel/core/export.h"
#include "reel/files/removalguard.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// True when the item is gone or was never there; false for nil, when the
/// guard refused it or it is still there after deletion and the trash. A
/// refusal is logged (the home folder and the folders above it silently),
/// and so is every step after a failed deletion.
bool rmCocoa(const QString &path);

/// Moves the item ("~" expanded) to the user's trash (the freedesktop.org
/// trash). True when it went there. Refused, with a log line, whatever the
/// removal guard refuses (the home folder and the folders above it included)
/// and an item that is a mount point or holds one: the trash would carry the
/// volume away, and emptying it would delete what is on it.
bool moveToTrash(const QString &path);

/// What actually deletes. The system backend deletes without following
/// symbolic links (a link goes as the link, links inside a folder are not
/// entered, and a link among the folders along the path stops it: hand it
/// resolved paths) and never touches a tree that holds a mounted file system
/// (bind mounts included): it then deletes nothing. Its trash is the
/// freedesktop.org trash. Tests install their own to see or stop deletions.
class RemovalBackend {
public:
    virtual ~RemovalBackend(); ///< a backend is deleted through this base
    /// Deletes the item at an absolute path, a folder with all its contents.
    /// False, with *error, when the item (or part of it) is still there.
    virtual bool remove(const QString &path, QString *error) = 0;
    /// Moves the item at an absolute path to the trash; true when it went.
    /// moveToTrash() calls it once the path passed the guard and holds no
    /// mount point.
    virtual bool moveToTrash(const QString &path) = 0;
    /// rmCocoa's fallback once remove(path) failed: moves the item to the
    /// trash only where that cannot reach anything else. The system backend
    /// gives up after a link among the folders (ELOOP, ENOTDIR), a mount point
    /// (EXDEV) or a folder replaced since the failed deletion, renames
    /// relative to the folder it opened without links, and uses the home
    /// trash only (an item of another file system stays). False, with *error,
    /// when the item was not moved.
    virtual bool trashAfterFailure(const QString &path, QString *error) = 0;
};

/// The system backend described above.
RemovalBackend &systemRemovalBackend();
/// The backend in use: the installed one, else the system backend.
RemovalBackend &removalBackend();
/// Installs a backend (null: the system backend again); returns the one it
/// replaces, null for the system backend. The backend must outlive its use.
RemovalBackend *setRemovalBackend(RemovalBackend *backend);

/// Installs a backend for the life of the object and restores the previous.
class ScopedRemovalBackend {
public:
    /// Installs backend.
    explicit ScopedRemovalBackend(RemovalBackend &backend);
    /// Puts the previous backend back.
    ~ScopedRemovalBackend();
    ScopedRemovalBackend(const ScopedRemovalBackend &) = delete;
    ScopedRemovalBackend &operator=(const ScopedRemovalBackend &) = delete;

private:
    RemovalBackend *m_previous;
};

} // namespace reel
REEL_EXPORT_END
