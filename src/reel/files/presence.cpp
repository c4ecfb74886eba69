#include "reel/files/presence.h"

#include "reel/core/describe.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"

#include <atomic>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace reel {

namespace {

std::mutex g_hookMutex;
FileSystemChangedHook g_hook;
// Whether a hook is installed, read without the lock: every presence test
// notifies, and most programs install no hook.
std::atomic<bool> g_hookInstalled{false};

const QString kEyetvMarker = QStringLiteral(".eyetv/");
const QString kEyetvSuffix = QStringLiteral(".eyetv");
const QString kIMovieMarker = QStringLiteral(".iMovieProject/");
const QString kIMovieProject = QStringLiteral(".iMovieProject");
const QString kIMovieDvdMarker = QStringLiteral(".iMovieProject/Shared Movies/iDVD");

// Whether the item (links followed) could be opened for reading, without
// ever waiting on it or opening it: the system's permission check for
// reading, with the effective ids as an open would use. Opening a pipe or a
// device may block or act (a watchdog device starts counting when opened),
// and opening a file costs twice the check and wakes every watcher of it.
bool openableForReading(const QByteArray &native, const struct stat &st)
{
    if (S_ISSOCK(st.st_mode))
        return false; // a socket cannot be opened as a file
    return ::faccessat(AT_FDCWD, native.constData(), R_OK, AT_EACCESS) == 0;
}

} // namespace

bool testPresenceC(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString expanded = stringByExpandingTildeInPath(path);
    refreshFinder(expanded);
    const QByteArray native = files::nativePath(expanded);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return false; // nothing there, or a dangling link
    if (openableForReading(native, st))
        return true;
    // It exists but cannot be read: present only when it is a link.
    struct stat lst {};
    return ::lstat(native.constData(), &lst) == 0 && S_ISLNK(lst.st_mode);
}

bool testPresenceCocoa(const QVariant &object)
{
    if (!object.isValid())
        return false;
    return testPresenceC(describe(object));
}

bool isDirectory(const QString &path)
{
    if (path.isNull())
        return false;
    const auto st = files::statPath(path);
    return st && S_ISDIR(st->st_mode);
}

QString fichier_basename(const QString &path)
{
    if (path.isNull())
        return QStringLiteral("");
    return lastPathComponent(stringByExpandingTildeInPath(path));
}

QString EyetvBundle(const QString &path)
{
    if (path.isNull())
        return QString();
    logDebug(LogLabel("EyetvBundle"), "- debut - %@", path);
    QString result = path;
    if (path.contains(kEyetvMarker)) {
        const QString parent = stringByDeletingLastPathComponent(path);
        if (lastPathComponent(parent).endsWith(kEyetvSuffix))
            result = parent;
    }
    logDebug(LogLabel("EyetvBundle"), "- fin   - %@", result);
    return result;
}

QString fichier_nom(const QString &path)
{
    if (path.isNull())
        return QString();
    logDebug(LogLabel("fichier_nom"), "- debut - %@", path);
    const QString bundle = EyetvBundle(stringByExpandingTildeInPath(path));
    const QString result = stringByDeletingPathExtension(lastPathComponent(bundle));
    logDebug(LogLabel("fichier_nom"), "- fin   - %@", result);
    return result;
}

QString fichier_dirname(const QString &path)
{
    if (path.isNull())
        return QStringLiteral("");
    QString expanded = stringByExpandingTildeInPath(path);
    const qsizetype dvd = expanded.indexOf(kIMovieDvdMarker);
    if (dvd >= 0) {
        expanded.truncate(dvd + kIMovieProject.size());
        logDebug(LogLabel("bundle imovie"), " : %@", expanded);
    }
    const QString result = stringByDeletingLastPathComponent(EyetvBundle(expanded));
    logDebug(LogLabel("fichier_dirname"), "- fin   - %@", result);
    return result;
}

QString bundledVideoName(const QString &path)
{
    if (path.isNull())
        return QString();
    logDebug(LogLabel("input"), ": %@", path);
    for (const QString &marker : {kIMovieMarker, kEyetvMarker}) {
        const qsizetype at = path.indexOf(marker);
        if (at >= 0)
            return lastPathComponent(path.left(at));
    }
    return stringByDeletingPathExtension(lastPathComponent(path));
}

void refreshFinder(const QString &path)
{
    if (path.isNull() || !g_hookInstalled.load(std::memory_order_acquire))
        return;
    FileSystemChangedHook hook;
    {
        std::lock_guard lock(g_hookMutex);
        hook = g_hook;
    }
    if (!hook)
        return;
    try {
        hook(path);
    } catch (...) {
        // A notification is a courtesy: a failing hook changes nothing here.
    }
}

FileSystemChangedHook setFileSystemChangedHook(FileSystemChangedHook hook)
{
    std::lock_guard lock(g_hookMutex);
    FileSystemChangedHook previous = std::move(g_hook);
    g_hook = std::move(hook);
    g_hookInstalled.store(bool(g_hook), std::memory_order_release);
    return previous;
}

} // namespace reel
