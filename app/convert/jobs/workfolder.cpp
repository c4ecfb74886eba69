#include "jobs/workfolder.h"

#include "model/placement.h"
#include "model/source.h"

#include <reel/core.h>
#include <reel/files.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace convert {

namespace {

// A folder holds this name only between its making and its lock; a run
// that died in that instant left it.
constexpr char kNewPrefix[] = ".reelkit-new-";
constexpr char kLockName[] = ".lock";
constexpr std::time_t kNewFolderGraceSeconds = 600;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Never replaces: the names carry mkdtemp's random part, so a clash is
// another folder's, kept.
bool renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the flag (NFS, some FUSE): a link cannot replace.
    struct stat st = {};
    if (::lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

} // namespace

std::shared_ptr<WorkFolder> WorkFolder::create(const QString &destination, Said *error)
{
    const QString folder = reel::stringByStandardizingPath(destination);
    for (int attempt = 0; attempt < 5; ++attempt) {
        QByteArray pattern = encoded(reel::stringByAppendingPathComponent(folder, QString::fromLatin1(kNewPrefix)))
                             + "XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            const QString why = reel::errnoText(errno);
            *error = said("WorkFolder", QT_TRANSLATE_NOOP("WorkFolder", "cannot make a work folder in %1: %2"))
                         .arg(destination, why);
            reel::logAlways(reel::LogLabel("WorkFolder"), ":-( %@", error->english);
            return nullptr;
        }
        const QByteArray made = pattern;
        const int lock = ::open((made + '/' + kLockName).constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        // A file system without locks (some network shares) still takes the
        // run: a sweep that cannot take a lock leaves the folder alone.
        const bool locked = lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0;
        if (lock >= 0 && !locked && (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL)) {
            reel::logAlways(reel::LogLabel("WorkFolder"), ":-/ %@ takes no lock: %@", destination,
                            reel::errnoText(errno));
        } else if (!locked) {
            const int why = errno;
            if (lock >= 0)
                ::close(lock);
            ::unlink((made + '/' + kLockName).constData());
            ::rmdir(made.constData());
            *error = said("WorkFolder", QT_TRANSLATE_NOOP("WorkFolder", "cannot lock a work folder in %1: %2"))
                         .arg(destination, reel::errnoText(why));
            reel::logAlways(reel::LogLabel("WorkFolder"), ":-( %@", error->english);
            return nullptr;
        }
        const QByteArray suffix = made.mid(made.size() - 6);
        const QByteArray named =
            encoded(reel::stringByAppendingPathComponent(folder, QString::fromLatin1(kWorkFolderPrefix))) + suffix;
        if (!renameNoReplace(made, named)) {
            const int why = errno;
            ::unlink((made + '/' + kLockName).constData());
            ::rmdir(made.constData());
            ::close(lock);
            if (why == EEXIST)
                continue;
            *error = said("WorkFolder", QT_TRANSLATE_NOOP("WorkFolder", "cannot make a work folder in %1: %2"))
                         .arg(destination, reel::errnoText(why));
            reel::logAlways(reel::LogLabel("WorkFolder"), ":-( %@", error->english);
            return nullptr;
        }
        std::shared_ptr<WorkFolder> work(new WorkFolder);
        work->m_destination = folder;
        work->m_path = QFile::decodeName(named);
        work->m_lockFd = lock;
        reel::logDebug(reel::LogLabel("WorkFolder"), ":-) %@", work->m_path);
        return work;
    }
    *error =
        said("WorkFolder", QT_TRANSLATE_NOOP("WorkFolder", "cannot make a work folder in %1: every name was taken"))
            .arg(destination);
    reel::logAlways(reel::LogLabel("WorkFolder"), ":-( %@", error->english);
    return nullptr;
}

WorkFolder::~WorkFolder()
{
    // Removed while still locked: a sweeping run never meets it half gone.
    if (!reel::rmCocoa(m_path))
        reel::logAlways(reel::LogLabel("WorkFolder"), ":-( %@ could not be removed", m_path);
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

QString WorkFolder::file(const QString &name) const
{
    return reel::stringByAppendingPathComponent(m_path, name);
}

QString WorkFolder::uniqueFile(const QString &stem, const QString &suffix)
{
    return file(QStringLiteral("%1-%2%3").arg(stem).arg(++m_names).arg(suffix));
}

QString SweepReport::text(const QString &destination) const
{
    if (removed == 0)
        return QString();
    return counted("WorkFolder",
                   QT_TRANSLATE_N_NOOP("WorkFolder", "removed what %n interrupted run(s) left in %1 (%2)"), removed,
                   "removed what an interrupted run left in %1 (%2)")
        .arg(destination, sizeText(removedMB));
}

SweepReport sweepAbandonedWork(const QString &destination)
{
    SweepReport report;
    const QByteArray folder = encoded(destination);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return report;
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith(kWorkFolderPrefix) || name.startsWith(kNewPrefix))
            names << name;
    }
    ::closedir(dir);

    for (const QByteArray &name : std::as_const(names)) {
        const QByteArray path = folder + '/' + name;
        struct stat st = {};
        // Only this user's own folders, never through a link.
        if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const int lock = ::open((path + '/' + kLockName).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (lock < 0) {
            // Every work folder has its lock before it takes its name; a new
            // one may be between the two for an instant.
            const bool settled = name.startsWith(kWorkFolderPrefix)
                                 || std::time(nullptr) - st.st_mtime > kNewFolderGraceSeconds;
            if (errno != ENOENT || !settled)
                continue;
        } else if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            ++report.busy;
            ::close(lock);
            continue;
        }
        const QString item = QFile::decodeName(path);
        const double mb = reel::poidsFolderMo(item);
        // Removed with the lock held, so that no second sweep starts on it.
        if (reel::rmCocoa(item)) {
            ++report.removed;
            report.removedMB += mb > 0 ? mb : 0;
            reel::logAlways(reel::LogLabel("sweepAbandonedWork"), ";-) removed %@", item);
        } else {
            report.failed << item;
            reel::logAlways(reel::LogLabel("sweepAbandonedWork"), ":-( %@ could not be removed", item);
        }
        if (lock >= 0)
            ::close(lock);
    }
    return report;
}

} // namespace convert
