#include "reel/files/removal.h"

#include "reel/base/errortext.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/hometrash_p.h"
#include "reel/files/mountpoints_p.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"

#include <QFile>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace reel {

namespace {

// Deletes the entry name of the open folder dirfd, a folder depth first.
// Everything goes through descriptors opened without following links, so a
// link swapped in while deleting is never followed. A folder on another file
// system (a mount point) is not entered. Stops at the first failure.
bool removeEntryAt(int dirfd, const char *name, dev_t device, int *failure)
{
    struct stat st {};
    if (::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        *failure = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (::unlinkat(dirfd, name, 0) == 0)
            return true;
        *failure = errno;
        return false;
    }
    if (st.st_dev != device) {
        *failure = EXDEV;
        return false;
    }
    const int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *failure = errno;
        return false;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != st.st_dev || opened.st_ino != st.st_ino) {
        ::close(fd);
        *failure = EAGAIN; // replaced between the look and the open
        return false;
    }
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        *failure = errno;
        ::close(fd);
        return false;
    }
    std::vector<std::string> names;
    while (const struct dirent *entry = ::readdir(dir)) {
        const char *n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        names.emplace_back(n);
    }
    bool ok = true;
    for (const std::string &child : names) {
        if (!removeEntryAt(fd, child.c_str(), device, failure)) {
            ok = false;
            break;
        }
    }
    ::closedir(dir);
    if (!ok)
        return false;
    if (::unlinkat(dirfd, name, AT_REMOVEDIR) == 0)
        return true;
    *failure = errno;
    return false;
}

// Opens an absolute folder path one component at a time without following
// links. The guard hands over paths whose folders it has already resolved,
// so a link found here was put in since: the deletion stops rather than
// follow it somewhere the guard never judged. -1 with errno on failure.
int openFolderWithoutLinks(const QString &folder)
{
    int fd = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (const QString &part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (fd < 0)
            break;
        const int next = ::openat(fd, files::nativePath(part).constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int code = errno;
        ::close(fd);
        fd = next;
        errno = code;
    }
    return fd;
}

// Makes the missing folders of an absolute path, readable by the owner only
// (the data home holds the trash).
void makePrivateFolders(const QString &path)
{
    QString current;
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current += QLatin1Char('/') + part;
        ::mkdir(files::nativePath(current).constData(), 0700);
    }
}

bool isPlainName(const QString &name)
{
    return name != QLatin1String("/") && name != QLatin1String(".") && name != QLatin1String("..");
}

// What the last failed remove() of this thread met, so that the trash
// fallback that follows can tell whether the folder is still the one the
// deletion started in.
struct LastFailure {
    QString path;
    int code = 0;
    bool folderKnown = false;
    dev_t dev = 0;
    ino_t ino = 0;
};
thread_local LastFailure t_lastFailure;

class SystemRemovalBackend final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override
    {
        t_lastFailure = {path};
        auto fail = [&](int code) {
            t_lastFailure.code = code;
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, errnoText(code));
            return false;
        };
        const QString name = lastPathComponent(path);
        if (!path.startsWith(QLatin1Char('/')) || !isPlainName(name))
            return fail(EINVAL);
        const int dirfd = openFolderWithoutLinks(stringByDeletingLastPathComponent(path));
        if (dirfd < 0)
            return fail(errno);
        // The parent's file system bounds the deletion: a mounted volume at
        // the path or anywhere below it (a bind mount too) stops it before
        // anything is deleted.
        struct stat folder {};
        struct stat item {};
        const QByteArray nativeName = files::nativePath(name);
        int failure = 0;
        bool ok = false;
        if (::fstat(dirfd, &folder) != 0) {
            failure = errno;
        } else {
            t_lastFailure.folderKnown = true;
            t_lastFailure.dev = folder.st_dev;
            t_lastFailure.ino = folder.st_ino;
            if (::fstatat(dirfd, nativeName.constData(), &item, AT_SYMLINK_NOFOLLOW) != 0)
                failure = errno;
            else if (S_ISDIR(item.st_mode) && files::holdsMountPoint(dirfd, nativeName.constData()))
                failure = EXDEV;
            else
                ok = removeEntryAt(dirfd, nativeName.constData(), folder.st_dev, &failure);
        }
        ::close(dirfd);
        if (ok)
            t_lastFailure = {};
        return ok || fail(failure);
    }

    bool moveToTrash(const QString &path) override
    {
        // The trash lives in the data home; a fresh account may not have
        // that folder yet, and the trash is made only one level deep.
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!dataHome.isEmpty() && !files::statPath(dataHome))
            makePrivateFolders(dataHome);
        return QFile::moveToTrash(path);
    }

    bool trashAfterFailure(const QString &path, QString *error) override
    {
        auto fail = [&](const QString &why) {
            if (error)
                *error = why;
            return false;
        };
        const LastFailure failure = std::exchange(t_lastFailure, {});
        const QString name = lastPathComponent(path);
        if (!path.startsWith(QLatin1Char('/')) || !isPlainName(name))
            return fail(errnoText(EINVAL));
        // A link among the folders, a folder that is no more, or a mount
        // point: the trash could only reach something the guard never
        // judged, or carry a mounted volume away.
        if (failure.path == path
            && (failure.code == ELOOP || failure.code == ENOTDIR || failure.code == EXDEV))
            return fail(QStringLiteral("not moved to the trash after: ") + errnoText(failure.code));
        const int dirfd = openFolderWithoutLinks(stringByDeletingLastPathComponent(path));
        if (dirfd < 0)
            return fail(QStringLiteral("the folders along the path changed: ") + errnoText(errno));
        struct stat folder {};
        struct stat item {};
        const QByteArray nativeName = files::nativePath(name);
        QString why;
        bool ok = false;
        if (::fstat(dirfd, &folder) != 0 || ::fstatat(dirfd, nativeName.constData(), &item, AT_SYMLINK_NOFOLLOW) != 0)
            why = errnoText(errno);
        else if (failure.path == path && failure.folderKnown && (folder.st_dev != failure.dev || folder.st_ino != failure.ino))
            why = QStringLiteral("the folder was replaced since the deletion began");
        else if (S_ISDIR(item.st_mode) && files::holdsMountPoint(dirfd, nativeName.constData()))
            why = QStringLiteral("a mounted volume lies inside");
        else
            ok = files::moveToHomeTrashAt(dirfd, nativeName, path, &why);
        ::close(dirfd);
        return ok || fail(why);
    }
};

std::atomic<RemovalBackend *> g_backend{nullptr};

bool stillThere(const QString &path)
{
    return files::lstatPath(path).has_value();
}

// Deletes what the guard let through; the trash when deleting fails. True
// when the item went and nothing is left at the path.
bool deleteOrTrash(const QString &resolved)
{
    RemovalBackend &backend = removalBackend();
    if (backend.remove(resolved, nullptr))
        return true;
    logAlways(LogLabel("File current"), ":-( not deleted 1");
    QString why;
    const bool trashed = backend.trashAfterFailure(resolved, &why);
    logAlways(LogLabel("File current"), ":-/ …to trash");
    if (!trashed && !why.isEmpty())
        logAlways(LogLabel("File current"), ":-( %@", why);
    if (!trashed || stillThere(resolved)) {
        logAlways(LogLabel("File current"), ":-( failure");
        return false;
    }
    return true;
}

// The line of a refusal, under the caller's label; none for the home folder
// and the folders above it, which rmCocoa refuses silently.
void logRefusal(RemovalVerdict verdict, const char *label, const QString &path)
{
    switch (verdict) {
    case RemovalVerdict::Allowed:
    case RemovalVerdict::RefusedAncestor:
        break;
    case RemovalVerdict::RefusedDirname:
        logAlways("alerte de sécurité dirname");
        break;
    case RemovalVerdict::RefusedJoker:
        logAlways("alerte de sécurité joker");
        break;
    case RemovalVerdict::RefusedUnknown:
        logAlways(LogLabel(label), ":-( cannot be judged: %@", path);
        break;
    case RemovalVerdict::RefusedNothingThere:
        logAlways(LogLabel(label), ":-( nothing there: %@", path);
        break;
    case RemovalVerdict::RefusedDots:
        logAlways(LogLabel(label), ":-( refusing \".\" or \"..\": %@", path);
        break;
    }
}

} // namespace

RemovalBackend::~RemovalBackend() = default;

RemovalBackend &systemRemovalBackend()
{
    static SystemRemovalBackend backend;
    return backend;
}

RemovalBackend &removalBackend()
{
    RemovalBackend *installed = g_backend.load();
    return installed ? *installed : systemRemovalBackend();
}

RemovalBackend *setRemovalBackend(RemovalBackend *backend)
{
    return g_backend.exchange(backend);
}

ScopedRemovalBackend::ScopedRemovalBackend(RemovalBackend &backend)
    : m_previous(setRemovalBackend(&backend))
{
}

ScopedRemovalBackend::~ScopedRemovalBackend()
{
    setRemovalBackend(m_previous);
}

bool moveToTrash(const QString &path)
{
    if (path.isEmpty())
        return false;
    const RemovalJudgement judgement = judgeRemoval(path);
    if (judgement.verdict == RemovalVerdict::RefusedAncestor)
        logAlways(LogLabel("moveToTrash"), ":-( the home folder or one above it: %@", path);
    if (judgement.verdict != RemovalVerdict::Allowed) {
        logRefusal(judgement.verdict, "moveToTrash", path);
        return false;
    }
    // The trash is a rename: a mounted volume inside would go with it, and
    // emptying the trash would delete what is on it.
    const QString &item = judgement.resolved;
    const int dirfd = openFolderWithoutLinks(stringByDeletingLastPathComponent(item));
    const bool mounted = dirfd >= 0 && files::holdsMountPoint(dirfd, files::nativePath(lastPathComponent(item)).constData());
    if (dirfd >= 0)
        ::close(dirfd);
    if (mounted) {
        logAlways(LogLabel("moveToTrash"), ":-( a mounted volume is or lies inside: %@", path);
        return false;
    }
    if (dirfd < 0 || !removalBackend().moveToTrash(item)) {
        logAlways(LogLabel("moveToTrash"), ":-( not moved: %@", path);
        return false;
    }
    return true;
}

bool rmCocoa(const QString &path)
{
    if (path.isNull())
        return false;
    logDebug(LogLabel("rmCocoa"), "- debut - %@", path);
    const RemovalJudgement judgement = judgeRemoval(path);
    if (judgement.verdict != RemovalVerdict::Allowed) {
        logRefusal(judgement.verdict, "rmCocoa", path);
        return false;
    }
    const QString &expanded = judgement.expanded;
    const QString &resolved = judgement.resolved;

    if (testPresenceCocoa(resolved)) {
        logDebug(LogLabel("File current"), ": exists: %@", expanded);
        if (!deleteOrTrash(resolved))
            return false;
    } else {
        QString error;
        const auto attributes = files::fileSystemAttributes(resolved, &error);
        logDebug(LogLabel("rmCocoa d"), ": %@",
                 attributes ? valueTrimmedForLogAsStr(*attributes) : QStringLiteral("nil"));
        if (!attributes) {
            // Leads nowhere; a dangling link is removed as the link itself.
            logDebug("Cocoa:does not exist:-/ ERR: %@ (%@)", error, expanded);
            QString again;
            if (stillThere(resolved) && removalBackend().remove(resolved, &again))
                again.clear();
            else if (again.isEmpty())
                again = error;
            logDebug("Cocoa:does not exist;-) ERR: %@ (%@)", again.isEmpty() ? QStringLiteral("nil") : again, expanded);
            return true;
        }
        // There, but not readable (or a socket): unlinking needs no read
        // permission, so it is deleted like any other item.
        logAlways(LogLabel("Cocoa:exists!!!"), ":-( %@", expanded);
        if (!deleteOrTrash(resolved))
            return false;
    }
    logDebug(LogLabel("rmCocoa"), "- pre-fin");
    refreshFinder(resolved);
    logDebug(LogLabel("rmCocoa"), "- fin - %@", expanded);
    return true;
}

} // namespace reel
