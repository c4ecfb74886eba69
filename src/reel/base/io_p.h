// Reads, writes and opens that a signal does not cut short. Internal to the
// libraries; exported for the tests.
#pragma once

#include "reel/base/export.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/types.h>

namespace reel {

// Calls call until it fails with something other than EINTR.
template <typename Call>
auto retryOnInterrupt(Call &&call)
{
    for (;;) {
        const auto result = call();
        if (!(result == -1 && errno == EINTR))
            return result;
    }
}

// open(2) retried on EINTR (an open of a FIFO or a slow device can be).
REEL_EXPORT int openRetrying(const char *path, int flags, mode_t mode = 0);

// Writes all size bytes (at offset with pwrite when offset is not negative).
// False, errno set, when any of it could not be written.
REEL_EXPORT bool writeAll(int fd, const char *data, qint64 size, off_t offset = -1);

// Reads until size bytes came or the end (at offset with pread when offset
// is not negative). The bytes read, or -1 with errno set on an error.
REEL_EXPORT qint64 readFully(int fd, char *into, qint64 size, off_t offset = -1);

// The bytes of a regular file (following links), at most maxBytes of them
// when maxBytes is not negative. Nothing, and *error when given, for an
// empty path or one holding a NUL, a path that cannot be opened, and
// anything but a regular file (a FIFO or a device is never read, nor
// waited on).
REEL_EXPORT std::optional<QByteArray> readRegularFileBytes(const QString &path, QString *error, qint64 maxBytes = -1);

} // namespace reel
