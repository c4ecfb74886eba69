// A batch planned before anything runs: one job per usable source, each with
// its bitrate and output path, and the reasons for what cannot be done.
#pragma once

#include "budget.h"
#include "presets.h"
#include "source.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

struct JobSettings {
    SourceInfo source;
    Preset preset;
    int videoKbps = 0;
    int estimatedMB = 0;
    QString output;          // the final path
    bool outputExists = false;
    bool overwrite = false;  // set only once the user agreed to replace the output
};

struct Plan {
    QList<JobSettings> jobs;
    QStringList problems; // one sentence per source or setting that was refused
    QStringList remarks;  // things worth saying that do not stop the batch
    int requiredMB = 0;   // the outputs' estimated total
    int freeMB = -1;      // free space at the destination; -1 when unknown

    bool fitsOnDisk() const { return freeMB < 0 || requiredMB <= freeMB; }
};

// Plans the conversion of sources into the existing folder destination.
Plan planJobs(const QList<SourceInfo> &sources, const Preset &preset, const Budget &budget,
              const QString &destination);

// The output for source in destination: its cleaned title with the
// preset's extension, numbered (" 2", " 3"...) when that would be the source
// itself or a path in taken.
QString outputPathFor(const SourceInfo &source, const Preset &preset, const QString &destination,
                      const QStringList &taken);

} // namespace convert
