// Deletion backends for the file-service tests.
//
// For the whole suite the removal backend is a sandbox keeper: it lets the
// real deleter act only on items inside the sandbox, and fails the test on
// anything else. Tests of refusals install a StrictRecorder, which fails the
// test if it is asked to delete anything at all.
#pragma once

#include "scoped.h"

#include <reel/files/removal.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace reel::test {

// Fails the test on every call, records it, and never deletes.
class StrictRecorder final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    QStringList calls;
};

// Records the calls and answers as told, never deleting: for paths that the
// guard lets through but that lie outside the sandbox.
class DryRecorder final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    QStringList removed;
    QStringList trashed;
    bool removeSucceeds = false;
    bool trashSucceeds = false;
};

// Deletes through the system backend, but only inside the sandbox: the
// item's folder, resolved through links, must lie in the resolved sandbox.
// A link inside the sandbox that points out of it is unlinked here, without
// handing it on. Anything else fails the test and is left alone.
class SandboxKeeper final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
};

// The deleter fails; the trash goes through the sandbox keeper.
class FailingDeleter final : public RemovalBackend {
public:
    bool remove(const QString &path, QString *error) override;
    bool moveToTrash(const QString &path) override;
    bool trashSucceeds = true;
    int removes = 0;
    int trashes = 0;
};

// Items that exist but cannot be opened for reading, even by root.
bool makeSocket(const QString &path);
bool makeFifo(const QString &path);
bool makeLink(const QString &target, const QString &link);
// True when the item (not followed) is there.
bool exists(const QString &path);
// The resolved sandbox root.
QString realSandboxRoot();

} // namespace reel::test
