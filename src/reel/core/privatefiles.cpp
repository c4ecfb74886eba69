#include "reel/core/privatefiles.h"

#include "reel/base/errortext.h"
#include "reel/core/log.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

namespace {


int failWith(QString *error, int code)
{
    if (error)
        *error = errnoText(code);
    return -1;
}

// Why the folder at path is not private; null when it is.
QString whyNotPrivate(const QByteArray &native)
{
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errnoText(errno);
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("a symbolic link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("not a folder");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("owned by user %1").arg(st.st_uid);
    if ((st.st_mode & 077) != 0)
        return QStringLiteral("mode %1, open to others").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return QString();
}

std::mutex g_mutex;
// The fresh folder made for a wanted one that was not private.
QHash<QString, QString> g_replacements;
// The wanted folders for which not even a replacement could be made.
QSet<QString> g_unavailable;

} // namespace

bool isPrivateFolder(const QString &path)
{
    return !path.isEmpty() && whyNotPrivate(QFile::encodeName(path)).isNull();
}

QString privateFolder(const QString &wanted)
{
    const QByteArray native = QFile::encodeName(wanted);
    if (::mkdir(native.constData(), 0700) == 0)
        ::chmod(native.constData(), 0700); // whatever the umask took away
    const QString why = whyNotPrivate(native);
    if (why.isNull())
        return wanted;

    const std::lock_guard guard(g_mutex);
    const QString known = g_replacements.value(wanted);
    if (!known.isEmpty() && isPrivateFolder(known))
        return known;
    QByteArray pattern = native + "-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        // Said once: the tools ask for the folder on every run.
        if (!g_unavailable.contains(wanted)) {
            logAlways(LogLabel("privateFolder"),
                      ":-( '%@' is not private (%@), and no folder can be made beside it (%@): "
                      "none used",
                      wanted, why, errnoText(errno));
            g_unavailable.insert(wanted);
        }
        // What stands at the wanted path may be another user's: never used.
        return QString();
    }
    logAlways(LogLabel("privateFolder"), ":-( '%@' is not private (%@), not used", wanted, why);
    const QString fresh = QFile::decodeName(pattern);
    logAlways(LogLabel("privateFolder"), ":-/ using '%@'", fresh);
    g_replacements.insert(wanted, fresh);
    return fresh;
}

int createNewFile(const QString &path, QString *error)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return failWith(error, EINVAL);
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    return fd >= 0 ? fd : failWith(error, errno);
}

int replaceWithNewFile(const QString &path, QString *error)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return failWith(error, EINVAL);
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return failWith(error, errno);
    return createNewFile(path, error);
}

QString createUniqueFile(const QString &folder, const QString &prefix, const QString &suffix, QString *error)
{
    if (folder.isEmpty() || folder.contains(QChar(0)) || prefix.contains(QLatin1Char('/'))
        || suffix.contains(QLatin1Char('/')) || (prefix + suffix).contains(QChar(0))) {
        failWith(error, EINVAL);
        return QString();
    }
    const QByteArray tail = QFile::encodeName(suffix);
    QByteArray pattern = QFile::encodeName(folder) + '/' + QFile::encodeName(prefix) + "XXXXXX" + tail;
    // mkostemps creates with O_EXCL: a link at the name fails it too.
    const int fd = ::mkostemps(pattern.data(), int(tail.size()), O_CLOEXEC);
    if (fd < 0) {
        failWith(error, errno);
        return QString();
    }
    ::close(fd);
    return QFile::decodeName(pattern);
}

} // namespace reel
