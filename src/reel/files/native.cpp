#include "reel/files/native.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <climits>
#include <sys/statvfs.h>
#include <unistd.h>

namespace reel::files {

QByteArray nativePath(const QString &path)
{
    if (path.contains(QChar(u'\0')))
        return QByteArray("");
    return QFile::encodeName(path);
}

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

std::optional<struct stat> statPath(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(nativePath(path).constData(), &st) != 0)
        return std::nullopt;
    return st;
}

std::optional<struct stat> lstatPath(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::lstat(nativePath(path).constData(), &st) != 0)
        return std::nullopt;
    return st;
}

QString readLinkText(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink(nativePath(path).constData(), buffer.data(), size_t(buffer.size()));
    if (n <= 0 || n >= buffer.size())
        return QString();
    buffer.truncate(n);
    return QFile::decodeName(buffer);
}

std::optional<QStringList> directoryNames(const QString &folder)
{
    if (folder.isEmpty())
        return std::nullopt;
    // opendir opens with O_DIRECTORY and O_NONBLOCK: a pipe or a device is
    // refused at once, never waited on.
    DIR *dir = ::opendir(nativePath(folder).constData());
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const struct dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<QVariantMap> fileSystemAttributes(const QString &path, QString *error)
{
    struct statvfs fs {};
    if (path.isEmpty() || ::statvfs(nativePath(path).constData(), &fs) != 0) {
        const int code = path.isEmpty() ? ENOENT : errno;
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, errnoText(code));
        return std::nullopt;
    }
    const qint64 unit = qint64(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    QVariantMap attributes;
    attributes.insert(QStringLiteral("NSFileSystemSize"), qint64(fs.f_blocks) * unit);
    attributes.insert(QStringLiteral("NSFileSystemFreeSize"), qint64(fs.f_bavail) * unit);
    attributes.insert(QStringLiteral("NSFileSystemNodes"), qint64(fs.f_files));
    attributes.insert(QStringLiteral("NSFileSystemFreeNodes"), qint64(fs.f_favail));
    attributes.insert(QStringLiteral("NSFileSystemNumber"), qint64(fs.f_fsid));
    return attributes;
}

} // namespace reel::files
