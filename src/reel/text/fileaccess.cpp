#include "reel/text/fileaccess_p.h"

#include "reel/base/errortext.h"
#include "reel/base/io_p.h"
#include "reel/core/filereplace_p.h"
#include "reel/files/native_p.h"

#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reel::text {

bool openRegularFile(QFile &file, const QString &path, int flags, QString *why)
{
    QByteArray native = files::nativePath(path);
    // A writer follows links as every writer does (never one planted by
    // another user in a sticky folder), then opens what it found without
    // following one again. O_EXCL never follows a link.
    const bool writing = (flags & O_ACCMODE) != O_RDONLY;
    if (writing && !(flags & O_EXCL)) {
        int code = 0;
        std::optional<QByteArray> target = followLinksForWriting(native, &code);
        if (!target) {
            *why = errnoText(code);
            return false;
        }
        native = std::move(*target);
        flags |= O_NOFOLLOW;
    }
    // Without O_NONBLOCK, opening a pipe waits for the other end.
    const int fd = openRetrying(native.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        *why = errnoText(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *why = QStringLiteral("not a regular file");
        return false;
    }
    // Writes go straight to the file, so that a failure shows at once.
    QIODevice::OpenMode mode = (flags & O_ACCMODE) == O_RDONLY ? QIODevice::ReadOnly : QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (flags & O_APPEND)
        mode |= QIODevice::Append;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *why = file.errorString();
        return false;
    }
    return true;
}

bool writeAndClose(QFile &file, const QByteArray &bytes, QString *why)
{
    const bool written = file.write(bytes) == bytes.size();
    if (!written)
        *why = file.errorString();
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return false;
    }
    return written;
}

} // namespace reel::text
