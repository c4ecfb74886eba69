#include "backends.h"

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace reel::test {

namespace {

QString resolved(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

bool under(const QString &path, const QString &root)
{
    return !root.isEmpty() && path.startsWith(root + u'/');
}

// The item's folder, resolved, lies strictly inside the resolved sandbox.
bool safelyInside(const QString &path)
{
    if (!path.startsWith(u'/') || !insideSandbox(path))
        return false;
    const QFileInfo info(path);
    return under(resolved(info.absolutePath()) + u'/' + info.fileName(), resolved(sandboxRoot()));
}

// Installed before any test runs, for the whole suite.
struct InstallKeeper {
    SandboxKeeper keeper;
    InstallKeeper() { setRemovalBackend(&keeper); }
} g_installKeeper;

} // namespace

bool StrictRecorder::remove(const QString &path, QString *error)
{
    calls << u"remove "_s + path;
    ADD_FAILURE() << "the deleter was asked to remove " << path.toStdString();
    if (error)
        *error = u"refused by the test"_s;
    return false;
}

bool StrictRecorder::moveToTrash(const QString &path)
{
    calls << u"trash "_s + path;
    ADD_FAILURE() << "the deleter was asked to trash " << path.toStdString();
    return false;
}

bool StrictRecorder::trashAfterFailure(const QString &path, QString *error)
{
    calls << u"trash instead "_s + path;
    ADD_FAILURE() << "the deleter was asked to trash " << path.toStdString();
    if (error)
        *error = u"refused by the test"_s;
    return false;
}

bool SandboxKeeper::remove(const QString &path, QString *error)
{
    if (!safelyInside(path) || path == sandboxRoot() || path == resolved(sandboxRoot())) {
        ADD_FAILURE() << "deletion outside the sandbox stopped: " << path.toStdString();
        if (error)
            *error = u"outside the sandbox"_s;
        return false;
    }
    if (QFileInfo(path).isSymLink() && !under(resolved(path), resolved(sandboxRoot()))) {
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

bool SandboxKeeper::trashAfterFailure(const QString &path, QString *error)
{
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!safelyInside(path) || !insideSandbox(trash) || !insideSandbox(QDir::homePath())) {
        ADD_FAILURE() << "trash outside the sandbox stopped: " << path.toStdString();
        if (error)
            *error = u"outside the sandbox"_s;
        return false;
    }
    return systemRemovalBackend().trashAfterFailure(path, error);
}

bool FailingDeleter::remove(const QString &, QString *error)
{
    if (error)
        *error = u"Operation not permitted"_s;
    return false;
}

bool FailingDeleter::moveToTrash(const QString &path)
{
    return trashSucceeds && g_installKeeper.keeper.moveToTrash(path);
}

bool FailingDeleter::trashAfterFailure(const QString &path, QString *error)
{
    return trashSucceeds && g_installKeeper.keeper.trashAfterFailure(path, error);
}

bool makeSocket(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFSOCK | 0644, 0) == 0;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

} // namespace reel::test
