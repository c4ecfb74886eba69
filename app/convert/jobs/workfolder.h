// A run's private work folder in the destination, where its tools write
// everything unfinished: partial videos, two-pass statistics, the sound
// being evened out, a disc being authored.
//
// It is made with mkdtemp (mode 0700) beside the outputs, on their file
// system, so that a finished file is renamed into place and nobody else,
// not another run and not another user, can have planted anything in it.
// The run holds a lock on it for as long as it lives; the folder of a run
// that was killed (kill -9, a crash, a power cut) has a free lock, and a
// later run removes it.
#pragma once

#include "model/language.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace convert {

class WorkFolder {
public:
    // Makes a locked work folder in destination (an existing folder). Null,
    // with *error, when none can be made there.
    static std::shared_ptr<WorkFolder> create(const QString &destination, Said *error);

    // Removes the folder with whatever is still in it, then frees the lock.
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    QString path() const { return m_path; }
    QString destination() const { return m_destination; }
    // <work folder>/<name>.
    QString file(const QString &name) const;
    // A name no other file of the run has taken, "<stem>-<n><suffix>".
    QString uniqueFile(const QString &stem, const QString &suffix);

private:
    WorkFolder() = default;

    QString m_destination;
    QString m_path;
    int m_lockFd = -1;
    int m_names = 0;
};

// What a sweep found and removed.
struct SweepReport {
    int removed = 0;       // work folders of dead runs removed
    double removedMB = 0;  // what they held
    QStringList failed;    // those that could not be removed, with why
    int busy = 0;          // folders of runs alive now, left alone

    // "removed what 2 interrupted runs left in <folder> (12.3 MB)"; empty
    // when nothing was removed.
    QString text(const QString &destination) const;
};

// Removes the work folders in destination that this user's killed runs
// left: those whose lock nobody holds. Folders of other users and of runs
// that still live are left alone.
SweepReport sweepAbandonedWork(const QString &destination);

// The prefix of work folder names, for whoever lists a destination.
inline constexpr char kWorkFolderPrefix[] = ".reelkit-work-";

} // namespace convert
