#include "reel/base/io_p.h"

#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

namespace {

// A single read or write above this returns short on Linux anyway.
constexpr qint64 kLargestStep = qint64(1) << 30;

} // namespace

int openRetrying(const char *path, int flags, mode_t mode)
{
    return retryOnInterrupt([&] { return ::open(path, flags, mode); });
}

bool writeAll(int fd, const char *data, qint64 size, off_t offset)
{
    while (size > 0) {
        const size_t step = size_t(qMin(size, kLargestStep));
        const ssize_t n = retryOnInterrupt(
            [&] { return offset < 0 ? ::write(fd, data, step) : ::pwrite(fd, data, step, offset); });
        if (n < 0)
            return false;
        if (n == 0) {
            // Nothing written and no error: the device takes no more.
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
        if (offset >= 0)
            offset += n;
    }
    return true;
}

qint64 readFully(int fd, char *into, qint64 size, off_t offset)
{
    qint64 got = 0;
    while (got < size) {
        const size_t step = size_t(qMin(size - got, kLargestStep));
        const ssize_t n = retryOnInterrupt([&] {
            return offset < 0 ? ::read(fd, into + got, step) : ::pread(fd, into + got, step, offset + got);
        });
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

std::optional<QByteArray> readRegularFileBytes(const QString &path, QString *error, qint64 maxBytes)
{
    auto fail = [&](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("empty path"));
    // A NUL would cut the path short in every system call.
    if (path.contains(QChar(0)))
        return fail(QStringLiteral("path holds a NUL character"));
    const UniqueFd fd(openRetrying(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid())
        return fail(errnoText(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return fail(QStringLiteral("not a regular file"));
    const qint64 limit = maxBytes < 0 ? std::numeric_limits<qint64>::max() : maxBytes;
    QByteArray bytes;
    if (st.st_size > 0)
        bytes.reserve(qsizetype(std::min<qint64>(st.st_size, limit)));
    char buffer[65536];
    while (bytes.size() < limit) {
        const ssize_t n = retryOnInterrupt(
            [&] { return ::read(fd.get(), buffer, size_t(std::min<qint64>(qint64(sizeof buffer), limit - bytes.size()))); });
        if (n < 0)
            return fail(errnoText(errno));
        if (n == 0)
            break;
        bytes.append(buffer, qsizetype(n));
    }
    return bytes;
}

} // namespace reel
