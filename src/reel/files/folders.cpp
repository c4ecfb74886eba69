#include "reel/files/folders.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"
#include "reel/files/removal.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace reel {

namespace {

// Creates path and its missing parents. With openMode every folder made here
// is set to 0777 whatever the umask, and a folder whose mode cannot be set
// fails the attempt (it stays made). Folders that already exist are left as
// they are.
bool createFolders(const QString &path, bool openMode)
{
    if (path.isEmpty())
        return false;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (const QString &part : parts) {
        current = current.isEmpty() ? part : stringByAppendingPathComponent(current, part);
        if (const auto st = files::statPath(current)) {
            if (!S_ISDIR(st->st_mode))
                return false;
            continue;
        }
        const QByteArray native = files::nativePath(current);
        if (::mkdir(native.constData(), 0777) != 0) {
            const int code = errno;
            const auto st = files::statPath(current); // made meanwhile by someone else?
            if (code != EEXIST || !st || !S_ISDIR(st->st_mode))
                return false;
            continue;
        }
        if (openMode && ::chmod(native.constData(), 0777) != 0)
            return false;
    }
    return true;
}

} // namespace

bool mkdirCocoa(const QString &path)
{
    if (path.isNull())
        return false;
    logDebug(LogLabel("mkdir"), ":    '%@'", path);
    const QString expanded = stringByExpandingTildeInPath(path);
    if (!createFolders(expanded, true)) {
        logAlways(LogLabel("mkdir"), ":-(  '%@'", path);
        if (!createFolders(expanded, false)) {
            logAlways(LogLabel("mkdir"), ":-(( '%@'", path);
            return false;
        }
    }
    logDebug(LogLabel("mkdir"), ":-)  '%@'", path);
    refreshFinder(expanded);
    return true;
}

bool chmodCocoa(const QString &path, int mode, const QString &recursive)
{
    if (path.isNull())
        return false;
    if (recursive.toUpper() == QLatin1String("R"))
        logAlways("faudra voir comment faire de la récursivité …");
    const mode_t bits = mode == 777 ? 0777 : 0755;
    return ::chmod(files::nativePath(stringByExpandingTildeInPath(path)).constData(), bits) == 0;
}

bool droitsAcces(const QString &path)
{
    if (path.isNull())
        return false;
    const QString folder = isDirectory(path) ? path : stringByDeletingLastPathComponent(path);
    // Never seeded: every run of the program tries the same names.
    const QString name = format("_VKdir%ld", static_cast<long>(::random()));
    logDebug("testStr : %@", name);
    const QString scratch = stringByAppendingPathComponent(folder, name);
    const bool ok = mkdirCocoa(scratch) && testPresenceCocoa(scratch) && rmCocoa(scratch) && !testPresenceCocoa(scratch);
    logAlways(LogLabel("droitsAcces"), "? %d (%@)", ok ? 1 : 0, folder);
    return ok;
}

} // namespace reel
