#include "backends.h"

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace reel::test {

namespace {

QString resolved(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

bool under(const QString &path, const QString &root)
{
    return !root.isEmpty() && path.startsWith(root + QLatin1Char('/'));
}

// The item's folder, resolved, lies strictly inside the resolved sandbox.
bool safelyInside(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')) || !insideSandbox(path))
        return false;
    const QFileInfo info(path);
    return under(resolved(info.absolutePath()) + QLatin1Char('/') + info.fileName(), realSandboxRoot());
}

// Installed before any test runs, for the whole suite.
struct InstallKeeper {
    SandboxKeeper keeper;
    InstallKeeper() { setRemovalBackend(&keeper); }
} g_installKeeper;

} // namespace

QString realSandboxRoot()
{
    return resolved(sandboxRoot());
}

bool StrictRecorder::remove(const QString &path, QString *error)
{
    calls << QStringLiteral("remove ") + path;
    ADD_FAILURE() << "the deleter was asked to remove " << path.toStdString();
    if (error)
        *error = QStringLiteral("refused by the test");
    return false;
}

bool StrictRecorder::moveToTrash(const QString &path)
{
    calls << QStringLiteral("trash ") + path;
    ADD_FAILURE() << "the deleter was asked to trash " << path.toStdString();
    return false;
}

bool DryRecorder::remove(const QString &path, QString *error)
{
    removed << path;
    if (!removeSucceeds && error)
        *error = QStringLiteral("dry run");
    return removeSucceeds;
}

bool DryRecorder::moveToTrash(const QString &path)
{
    trashed << path;
    return trashSucceeds;
}

bool SandboxKeeper::remove(const QString &path, QString *error)
{
    if (!safelyInside(path) || path == sandboxRoot() || path == realSandboxRoot()) {
        ADD_FAILURE() << "deletion outside the sandbox stopped: " << path.toStdString();
        if (error)
            *error = QStringLiteral("outside the sandbox");
        return false;
    }
    const QFileInfo info(path);
    if (info.isSymLink() && !under(resolved(path), realSandboxRoot())) {
        // A link out of the sandbox: removing the link is all that may happen.
        if (::unlink(QFile::encodeName(path).constData()) == 0)
            return true;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return systemRemovalBackend().remove(path, error);
}

bool SandboxKeeper::moveToTrash(const QString &path)
{
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!safelyInside(path) || !insideSandbox(trash) || !insideSandbox(QDir::homePath())) {
        ADD_FAILURE() << "trash outside the sandbox stopped: " << path.toStdString();
        return false;
    }
    return systemRemovalBackend().moveToTrash(path);
}

bool FailingDeleter::remove(const QString &, QString *error)
{
    ++removes;
    if (error)
        *error = QStringLiteral("Operation not permitted");
    return false;
}

bool FailingDeleter::moveToTrash(const QString &path)
{
    ++trashes;
    return trashSucceeds && g_installKeeper.keeper.moveToTrash(path);
}

bool makeSocket(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    if (size_t(native.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool ok = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool exists(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace reel::test
