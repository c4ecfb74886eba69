#include "reel/files/hometrash_p.h"

#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"
#include "reel/base/io_p.h"
#include "reel/files/native_p.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel::files {

namespace {

// Makes the missing folders of an absolute path, for the owner only (the
// data home holds the trash).
void makePrivateFolders(const QString &path)
{
    QString current;
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current += QLatin1Char('/') + part;
        ::mkdir(nativePath(current).constData(), 0700);
    }
}


// Opens (making it when missing) the folder name of at, which must be a real
// folder of the running user: the trash is never a link somewhere else.
int openOwnFolder(int at, const char *name, QString *why)
{
    if (::mkdirat(at, name, 0700) != 0 && errno != EEXIST) {
        *why = errnoText(errno);
        return -1;
    }
    const int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        *why = errnoText(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid()) {
        ::close(fd);
        *why = QStringLiteral("%1 is not the user's own").arg(QString::fromLocal8Bit(name));
        return -1;
    }
    return fd;
}

// renameat without replacing anything at the destination.
int renameNoReplace(int fromFd, const char *from, int toFd, const char *to)
{
    if (::renameat2(fromFd, from, toFd, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: the trash is the user's own, so a
    // look before the rename is enough there.
    struct stat st {};
    if (::fstatat(toFd, to, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(fromFd, from, toFd, to) == 0 ? 0 : errno;
}

} // namespace

bool moveToHomeTrashAt(int dirfd, const QByteArray &name, const QString &originalPath, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.startsWith(QLatin1Char('/')))
        return fail(QStringLiteral("no data home for the trash"));
    makePrivateFolders(dataHome);
    UniqueFd home(::open(nativePath(dataHome).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (home.get() < 0)
        return fail(errnoText(errno));
    QString why;
    UniqueFd trash(openOwnFolder(home.get(), "Trash", &why));
    if (trash.get() < 0)
        return fail(QStringLiteral("trash: ") + why);
    UniqueFd files(openOwnFolder(trash.get(), "files", &why));
    UniqueFd info(files.get() < 0 ? -1 : openOwnFolder(trash.get(), "info", &why));
    if (files.get() < 0 || info.get() < 0)
        return fail(QStringLiteral("trash: ") + why);

    struct stat item {};
    struct stat filesFolder {};
    if (::fstatat(dirfd, name.constData(), &item, AT_SYMLINK_NOFOLLOW) != 0 || ::fstat(files.get(), &filesFolder) != 0)
        return fail(errnoText(errno));
    if (item.st_dev != filesFolder.st_dev)
        return fail(QStringLiteral("on another file system than the trash"));

    const QByteArray record = "[Trash Info]\nPath=" + QFile::encodeName(originalPath).toPercentEncoding("/")
                              + "\nDeletionDate="
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1()
                              + "\n";
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray stem = dot > 0 ? name.left(dot) : name;
    const QByteArray extension = dot > 0 ? name.mid(dot) : QByteArray();
    for (int n = 1; n <= 1000; ++n) {
        const QByteArray trashName = n == 1 ? name : stem + '.' + QByteArray::number(n) + extension;
        const QByteArray infoName = trashName + ".trashinfo";
        const int fd = ::openat(info.get(), infoName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(QStringLiteral("trash: ") + errnoText(errno));
        }
        const bool written = writeAll(fd, record.constData(), record.size());
        ::close(fd);
        const int code = written ? renameNoReplace(dirfd, name.constData(), files.get(), trashName.constData()) : EIO;
        if (code == 0)
            return true;
        ::unlinkat(info.get(), infoName.constData(), 0);
        if (code != EEXIST)
            return fail(errnoText(code));
    }
    return fail(QStringLiteral("trash: no free name"));
}

} // namespace reel::files
