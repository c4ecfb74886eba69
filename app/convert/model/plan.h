// A batch planned before anything runs: one job per usable source, each with
// its budget, tracks, picture and output path, and the reasons for what
// cannot be done.
#pragma once

#include "model/budget.h"
#include "model/choices.h"
#include "model/picture.h"
#include "model/presets.h"
#include "model/source.h"
#include "model/tracks.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace convert {

struct JobSettings {
    SourceInfo source;
    Preset preset;
    Budget::Mode mode = Budget::Mode::Bitrate;
    int videoKbps = 0;        // TargetSize and Bitrate
    int crf = 0;              // Quality
    double estimatedMB = -1;  // -1 when the size is not known in advance
    TrackChoice tracks;
    PicturePlan picture;
    // The part of the source converted; job.source then describes that part
    // (its durations cut to it).
    TrimRequest trim;
    QString output;           // the final path
    bool outputExists = false;
    bool overwrite = false;   // set only once the user agreed to replace the output
    // The sound decoded and evened out with normalize before the encoding
    // (a sound track is needed).
    bool normalize = false;
    // The WAV file the sound is taken from instead of the source's track;
    // set by the job once normalize has run.
    QString soundInput;
    // The output checked (opened, streams and durations, decoded whole)
    // before it takes its name.
    bool verify = true;
};

struct Plan {
    QList<JobSettings> jobs;
    QStringList problems;    // one sentence per source or setting that was refused
    QStringList remarks;     // things worth saying that do not stop the batch
    double requiredMB = 0;   // the outputs' estimated total, of those with an estimate
    int unknownSizes = 0;    // jobs whose size is not known in advance (quality mode)
    int freeMB = -1;         // free space at the destination; -1 when unknown

    bool fitsOnDisk() const { return freeMB < 0 || requiredMB <= freeMB; }
};

// Plans the conversion of sources into the existing folder destination
// (which may be missing when the plan is only shown). No output is ever one
// of the sources, nor one of the protected paths (other files the caller
// holds on to). freeMB is the destination's free space as the caller
// measured it (-1 when unknown); without it the file system is asked.
Plan planJobs(const QList<SourceInfo> &sources, const Preset &preset, const Budget &budget,
              const JobChoices &choices, const QString &destination, bool destinationMayBeMissing = false,
              const QStringList &protectedPaths = {}, std::optional<int> freeMB = std::nullopt);

// The job for one usable source; ok false with *problem when its budget or
// its tracks are refused (*problem may hold a remark on a job that goes).
// The output is left to the caller.
bool planJob(const SourceInfo &source, const Preset &preset, const Budget &budget, const JobChoices &choices,
             JobSettings *job, QString *problem);

// The output for source in destination: its title made a file name
// (fileNameFromTitle) with the preset's extension, numbered (" 2", " 3"...) when that would be the source
// itself (however either path is written), a path in taken, or, with
// skipExisting, a file that exists.
QString outputPathFor(const SourceInfo &source, const Preset &preset, const QString &destination,
                      const QStringList &taken, bool skipExisting = false);

// Whether the two paths name the same file: the same device and inode when
// both exist (links followed, hard links included), else the same canonical
// path (a missing last component resolved through its folder).
bool isSameFile(const QString &a, const QString &b);

// The number of passes the job's encoder makes (two for an MP4 to a size or
// a bitrate).
int passCount(const JobSettings &job);

} // namespace convert
