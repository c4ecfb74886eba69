// Deletion backends for the file-service tests. For the whole suite the
// removal backend is a sandbox keeper: the real deleter acts only inside the
// sandbox, and anything else fails the test. Refusal tests install a
// StrictRecorder, which fails the test if it is asked to delete anything.
#pragma once

#include "scoped.h"

#include <reel/files/removal.h>

#include <QStringList>

namespace reel::test {

// Records every call, fails the test for it, and never deletes.
class StrictRecorder final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    bool trashAfterFailure(const QString &path, QString *error) override;
    QStringList calls;
};

// Deletes through the system backend, but only when the item's folder,
// resolved through links, lies inside the resolved sandbox. A link inside
// the sandbox that points out of it is unlinked here, never handed on.
class SandboxKeeper final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    bool trashAfterFailure(const QString &path, QString *error) override;
};

// The deleter fails; the trash goes through the sandbox keeper, or fails too.
class FailingDeleter final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    bool trashAfterFailure(const QString &path, QString *error) override;
    bool trashSucceeds = true;
};

// Items that exist but cannot be opened for reading (a socket, even by root),
// or would block a reader (a FIFO).
bool makeSocket(const QString &path);
bool makeFifo(const QString &path);
bool makeLink(const QString &target, const QString &link);

} // namespace reel::test
