#include "reel/base/io_p.h"

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

} // namespace reel
