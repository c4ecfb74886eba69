#include "reel/files/workspace.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"

#include <QDir>
#include <QProcess>

#include <fcntl.h>
#include <unistd.h>

namespace reel {

namespace {

// The path handed to another program: absolute, so that it never reads as
// an option and does not depend on that program's working folder.
QString handedPath(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) ? path : QDir::current().absoluteFilePath(path);
}

// The desktop's own opener; its answer is not waited for.
void openWithDesktop(const QString &path)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

// The first count bytes of a regular file (fewer when it is shorter), read
// without ever waiting: anything but a regular file gives no bytes.
QByteArray leadingBytes(const QString &path, qsizetype count)
{
    const QByteArray native = files::nativePath(path);
    const auto st = files::statPath(path);
    if (!st || !S_ISREG(st->st_mode))
        return QByteArray();
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes(count, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, bytes.data() + got, size_t(count - got), off_t(got));
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
    return bytes;
}

struct StreamKind {
    QByteArray expected;
    const char *label;
};

} // namespace

void revealFolderInFinder(const QString &path)
{
    if (path.isEmpty() || !testPresenceCocoa(path))
        return;
    QString folder = stringByExpandingTildeInPath(path);
    if (!isDirectory(folder))
        folder = stringByDeletingLastPathComponent(folder);
    folder = handedPath(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    logAlways(LogLabel("pathStr"), ": %@", folder);
    openWithDesktop(folder);
}

bool openWith(const QString &path, const QString &application)
{
    if (path.isEmpty() || !testPresenceCocoa(path))
        return false;
    const QString item = handedPath(stringByExpandingTildeInPath(path));
    if (!application.isEmpty())
        QProcess::startDetached(application, {item});
    else
        openWithDesktop(item);
    return true;
}

bool fileCocoa(const QString &path, int kind)
{
    if (path.isNull() || !testPresenceCocoa(path))
        return false;
    static const StreamKind kinds[] = {
        {QByteArray("\x47", 1), "ts headers"},
        {QByteArray("\x00\x00\x01\xBA\x44\x00\x04\x00\x04\x01", 10), "ps headers"},
        {QByteArray("\x0B\x77", 2), "ac3 headers"},
    };
    if (kind < 0 || kind > 2)
        return false;
    const StreamKind &k = kinds[kind];
    // Read from the same expanded path the presence test accepted.
    const QByteArray bytes = leadingBytes(stringByExpandingTildeInPath(path), k.expected.size());
    const bool match = bytes == k.expected;
    logAlways(LogLabel(k.label), match ? ":-) %@" : ":-( %@", bytes);
    return match;
}

} // namespace reel
