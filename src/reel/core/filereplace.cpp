#include "reel/core/filereplace_p.h"

#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"
#include "reel/base/io_p.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

namespace {

// The system's own limit on links followed in one path.
constexpr int kMaxLinkHops = 40;
constexpr int kTempNameTries = 64;
// Room for ".", the random suffix and the end inside a name of 255 bytes.
constexpr qsizetype kTempNameStem = 200;

// The whole of size bytes from the start; nothing when fewer came.
std::optional<QByteArray> readAll(int fd, qint64 size)
{
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (readFully(fd, bytes.data(), size, 0) != size)
        return std::nullopt;
    return bytes;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : (slash == 0 ? QByteArray("/") : path.left(slash));
}

// The rule the kernel applies to links it follows for the program: in a
// sticky folder that anyone may write (/tmp), a link is followed only when
// its owner is the user or the folder's owner, so nobody can plant a link
// there that sends the write into the user's own files.
bool mayFollow(const QByteArray &link, const struct stat &linkState)
{
    struct stat folder {};
    if (::stat(folderOf(link).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || linkState.st_uid == ::geteuid() || linkState.st_uid == folder.st_uid;
}

} // namespace

std::optional<QByteArray> followLinksForWriting(QByteArray path, int *code)
{
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        if (!mayFollow(path, st)) {
            *code = EACCES;
            return std::nullopt;
        }
        QByteArray target(qsizetype(qMax<off_t>(st.st_size, 255)) + 1, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n == target.size()) { // gone, or changed while read: look again
            if (n < 0 && errno != ENOENT && errno != EINVAL) {
                *code = errno;
                return std::nullopt;
            }
            continue;
        }
        target.truncate(n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    *code = ELOOP;
    return std::nullopt;
}

namespace {

// A new file beside the target, with a name no one else has, created with
// mode (less the umask). -1 with errno set when none can be made.
int createTemp(const QByteArray &folder, const QByteArray &name, mode_t mode, QByteArray *tempPath)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
        QByteArray suffix(6, Qt::Uninitialized);
        for (char &c : suffix)
            c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        *tempPath = folder + "/." + name.left(kTempNameStem) + '.' + suffix;
        const int fd = ::open(tempPath->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

enum class Beside { Done, Failed, InPlace };

// Writes bytes to a new file beside the target and renames it over the
// target. With old (the target's state), the new file takes its mode, owner
// and group, and InPlace says that this way cannot keep them or cannot be
// taken at all.
Beside replaceBeside(const QByteArray &target, const QByteArray &bytes, const struct stat *old, int *code)
{
    const QByteArray folder = folderOf(target);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1);
    QByteArray temp;
    UniqueFd fd(createTemp(folder, name, old ? 0600 : 0666, &temp));
    if (fd.get() < 0) {
        *code = errno;
        const bool folderRefuses = *code == EACCES || *code == EPERM || *code == EROFS || *code == ENAMETOOLONG;
        return old && folderRefuses ? Beside::InPlace : Beside::Failed;
    }
    auto discard = [&](Beside outcome) {
        fd.reset();
        ::unlink(temp.constData());
        return outcome;
    };
    if (old) {
        struct stat mine {};
        if (::fstat(fd.get(), &mine) != 0) {
            *code = errno;
            return discard(Beside::Failed);
        }
        // Owner first: a change of owner clears the set-id bits.
        if ((mine.st_uid != old->st_uid || mine.st_gid != old->st_gid)
            && ::fchown(fd.get(), old->st_uid, old->st_gid) != 0)
            return discard(Beside::InPlace);
        if (::fchmod(fd.get(), old->st_mode & 07777) != 0) {
            *code = errno;
            return discard(Beside::Failed);
        }
    }
    if (!writeAll(fd.get(), bytes.constData(), bytes.size(), 0) || ::fsync(fd.get()) != 0 || !fd.close()) {
        *code = errno;
        return discard(Beside::Failed);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        *code = errno;
        return discard(Beside::Failed);
    }
    if (UniqueFd dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir.get() >= 0)
        ::fsync(dir.get());
    return Beside::Done;
}

// Overwrites the open file with bytes. The file grows first, so a full disk
// or a size limit stops the write before any old byte is lost; a write that
// fails later puts the old bytes back when they could be read.
bool writeInPlace(int fd, bool readable, const struct stat &old, const QByteArray &bytes, QString *why)
{
    const off_t oldSize = old.st_size;
    std::optional<QByteArray> oldBytes;
    if (readable && !(oldBytes = readAll(fd, oldSize))) {
        *why = errnoText(errno ? errno : EIO);
        return false;
    }
    if (bytes.size() > oldSize && ::fallocate(fd, 0, oldSize, off_t(bytes.size()) - oldSize) != 0
        && errno != EOPNOTSUPP && errno != ENOSYS) {
        *why = errnoText(errno);
        ::ftruncate(fd, oldSize);
        return false;
    }
    if (writeAll(fd, bytes.constData(), bytes.size(), 0) && ::ftruncate(fd, off_t(bytes.size())) == 0
        && ::fsync(fd) == 0)
        return true;
    *why = errnoText(errno);
    const bool restored = oldBytes && writeAll(fd, oldBytes->constData(), oldBytes->size(), 0);
    ::ftruncate(fd, oldSize);
    if (!restored)
        *why += QStringLiteral(" (the old contents are damaged)");
    return false;
}

} // namespace

bool replaceFileContents(const QString &path, const QByteArray &bytes, QString *error)
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
    int code = 0;
    const std::optional<QByteArray> target = followLinksForWriting(QFile::encodeName(path), &code);
    if (!target)
        return fail(errnoText(code));
    if (target->endsWith('/'))
        return fail(QStringLiteral("no file name"));

    struct stat old {};
    if (::stat(target->constData(), &old) != 0) {
        if (errno != ENOENT)
            return fail(errnoText(errno));
        return replaceBeside(*target, bytes, nullptr, &code) == Beside::Done || fail(errnoText(code));
    }
    // A device or a pipe is never opened.
    if (!S_ISREG(old.st_mode))
        return fail(QStringLiteral("not a regular file"));
    // Opening for writing asks the file itself whether the user may write it.
    const int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;
    int raw = ::open(target->constData(), O_RDWR | flags);
    const bool readable = raw >= 0 || errno != EACCES;
    if (!readable)
        raw = ::open(target->constData(), O_WRONLY | flags);
    UniqueFd fd(raw);
    if (fd.get() < 0)
        return fail(errnoText(errno));
    // The state of the file opened, should the name have changed hands.
    if (::fstat(fd.get(), &old) != 0)
        return fail(errnoText(errno));
    if (!S_ISREG(old.st_mode))
        return fail(QStringLiteral("not a regular file"));

    if (old.st_nlink == 1) {
        switch (replaceBeside(*target, bytes, &old, &code)) {
        case Beside::Done:
            return true;
        case Beside::Failed:
            return fail(errnoText(code));
        case Beside::InPlace:
            break;
        }
    }
    QString why;
    if (!writeInPlace(fd.get(), readable, old, bytes, &why))
        return fail(why);
    if (!fd.close())
        return fail(errnoText(errno));
    return true;
}

} // namespace reel
