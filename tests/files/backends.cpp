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

// The item's folder, resolved, lies strictly inside the resolved sandbox;
// for the trash, the home folder and the data home lie in the sandbox too.
bool safelyInside(const QString &path, bool trash)
{
    if (!path.startsWith(u'/') || !insideSandbox(path) || path == sandboxRoot() || path == resolved(sandboxRoot()))
        return false;
    if (trash
        && (!insideSandbox(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            || !insideSandbox(QDir::homePath())))
        return false;
    const QFileInfo info(path);
    return under(resolved(info.absolutePath()) + u'/' + info.fileName(), resolved(sandboxRoot()));
}

bool refuse(const char *what, const QString &path, QString *error)
{
    ADD_FAILURE() << what << path.toStdString();
    if (error)
        *error = u"refused by the test"_s;
    return false;
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
    return refuse("the deleter was asked to remove ", path, error);
}

bool StrictRecorder::moveToTrash(const QString &path)
{
    calls << u"trash "_s + path;
    return refuse("the deleter was asked to trash ", path, nullptr);
}

bool StrictRecorder::trashAfterFailure(const QString &path, QString *error)
{
    calls << u"trash instead "_s + path;
    return refuse("the deleter was asked to trash ", path, error);
}

bool SandboxKeeper::remove(const QString &path, QString *error)
{
    if (!safelyInside(path, false))
        return refuse("deletion outside the sandbox stopped: ", path, error);
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
    return safelyInside(path, true) ? systemRemovalBackend().moveToTrash(path)
                                    : refuse("trash outside the sandbox stopped: ", path, nullptr);
}

bool SandboxKeeper::trashAfterFailure(const QString &path, QString *error)
{
    return safelyInside(path, true) ? systemRemovalBackend().trashAfterFailure(path, error)
                                    : refuse("trash outside the sandbox stopped: ", path, error);
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
