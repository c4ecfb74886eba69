// Deletion backends for the file-service tests. For the whole suite the
// removal backend is a sandbox keeper: the real deleter acts only inside the
// sandbox, and anything else fails the test. Refusal tests install a
// StrictRecorder, which fails the test if it is asked to delete anything.
#pragma once

#include "sandbox.h"
#include "scoped.h"

#include <reel/files/removal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace reel::test {

namespace backends {

// Inside the sandbox once resolved (the sandbox root itself is not).
inline bool underSandbox(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(sandboxRoot()).canonicalFilePath();
    return !root.isEmpty() && (canonical.isEmpty() ? QDir::cleanPath(path) : canonical).startsWith(root + u'/');
}

// The item's folder, resolved, lies inside the resolved sandbox; for the
// trash, the home folder and the data home lie in the sandbox too.
inline bool safelyInside(const QString &path, bool trash)
{
    const QString folder = QFileInfo(path).absolutePath() + QStringLiteral("/.");
    if (!path.startsWith(u'/') || !insideSandbox(path) || !underSandbox(folder))
        return false;
    return !trash
        || (insideSandbox(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            && insideSandbox(QDir::homePath()));
}

inline bool refuse(const char *what, const QString &path, QString *error)
{
    ADD_FAILURE() << what << path.toStdString();
    if (error)
        *error = QStringLiteral("refused by the test");
    return false;
}

// Deletes through the system backend, but only when the item's folder,
// resolved through links, lies inside the resolved sandbox. A link inside
// the sandbox that points out of it is unlinked here, never handed on.
// Installed before any test runs, for the whole suite.
class SandboxKeeper final : public RemovalBackend {
public:
    SandboxKeeper() { setRemovalBackend(this); }
    bool remove(const QString &path, QString *error) override
    {
        if (!safelyInside(path, false))
            return refuse("deletion outside the sandbox stopped: ", path, error);
        if (!QFileInfo(path).isSymLink() || underSandbox(path))
            return systemRemovalBackend().remove(path, error);
        if (::unlink(QFile::encodeName(path).constData()) == 0)
            return true;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    bool moveToTrash(const QString &path) override
    {
        return safelyInside(path, true) ? systemRemovalBackend().moveToTrash(path)
                                        : refuse("trash outside the sandbox stopped: ", path, nullptr);
    }
    bool trashAfterFailure(const QString &path, QString *error) override
    {
        return safelyInside(path, true) ? systemRemovalBackend().trashAfterFailure(path, error)
                                        : refuse("trash outside the sandbox stopped: ", path, error);
    }
};

inline SandboxKeeper keeper;

} // namespace backends

// Fails the test for every call, and never deletes.
class StrictRecorder final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override
    {
        return backends::refuse("the deleter was called on ", path, error);
    }
    bool moveToTrash(const QString &path) override { return remove(path, nullptr); }
    bool trashAfterFailure(const QString &path, QString *error) override { return remove(path, error); }
};

// The deleter fails; the trash goes through the sandbox keeper, or fails too.
class FailingDeleter final : public RemovalBackend {
public:
    bool remove(const QString &, QString *error) override
    {
        if (error)
            *error = QStringLiteral("Operation not permitted");
        return false;
    }
    bool moveToTrash(const QString &path) override { return trashSucceeds && backends::keeper.moveToTrash(path); }
    bool trashAfterFailure(const QString &path, QString *error) override
    {
        return trashSucceeds && backends::keeper.trashAfterFailure(path, error);
    }
    bool trashSucceeds = true;
};

// Items that exist but cannot be opened for reading (a socket, even by root),
// or would block a reader (a FIFO).
inline bool makeSocket(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFSOCK | 0644, 0) == 0;
}

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// Each of rests after prefix.
inline QStringList prefixed(const QString &prefix, const QStringList &rests)
{
    QStringList out;
    for (const QString &rest : rests)
        out << prefix + rest;
    return out;
}

inline bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

} // namespace reel::test
