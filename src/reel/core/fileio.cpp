#include "reel/core/fileio.h"

#include "reel/base/errortext.h"
#include "reel/base/io_p.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <limits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

std::optional<QByteArray> readRegularFile(const QString &path, QString *error, qint64 maxBytes)
{
    return readRegularFileBytes(path, error, maxBytes);
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("empty path"));
    if (path.contains(QChar(0)))
        return fail(QStringLiteral("path holds a NUL character"));
    const QByteArray native = QFile::encodeName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : native.left(slash));
    const QByteArray name = native.mid(slash + 1);
    if (name.isEmpty())
        return fail(QStringLiteral("no file name"));

    QByteArray temp = folder + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errnoText(errno));

    mode_t mode = 0666;
    struct stat st {};
    if (::stat(native.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    const bool ok = writeAll(fd, bytes.constData(), bytes.size()) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int code = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(temp.constData());
        return fail(errnoText(ok ? errno : code));
    }
    if (::rename(temp.constData(), native.constData()) != 0) {
        const int renameError = errno;
        ::unlink(temp.constData());
        return fail(errnoText(renameError));
    }
    if (const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

int removeLeftoverTemporaryFiles(const QString &path, int olderThanSeconds)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return 0;
    const QByteArray native = QFile::encodeName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : native.left(slash));
    const QByteArray stem = "." + native.mid(slash + 1) + ".";
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return 0;
    }
    const time_t now = ::time(nullptr);
    int removed = 0;
    while (const struct dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() != stem.size() + 6 || !name.startsWith(stem))
            continue;
        const QByteArray random = name.mid(stem.size());
        if (!std::all_of(random.begin(), random.end(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            }))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::geteuid() || now - st.st_mtime < olderThanSeconds)
            continue;
        if (::unlinkat(::dirfd(dir), name.constData(), 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace reel
