// A run planned before anything runs, the same for the window and the
// terminal: the jobs, or why the run is refused.
//
// The plan is made of what the caller found out (the tools missing, the
// free space at the destination), so that it reads no state of its own
// beyond the files it names.
#pragma once

#include "model/budget.h"
#include "model/disc.h"
#include "model/plan.h"
#include "model/presets.h"
#include "model/source.h"
#include "model/subtitles.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

struct RunRequest {
    QList<SourceInfo> sources;   // the videos to convert, in order
    Preset preset;
    Budget budget;               // what the user asked for (or the preset's own)
    JobChoices choices;
    QString destination;         // an existing folder
    bool destinationMayBeMissing = false; // the plan is only shown
    QStringList protectedPaths;  // files no output may be, besides the sources
    QStringList missingTools;    // of those a conversion needs
    int freeMB = -1;             // free space at the destination; -1 when unknown
    bool normalize = false;      // the sound evened out, where there is sound
    bool verify = true;          // each output checked before it takes its name
    // A DVD made of every video after the conversions.
    bool disc = false;
    DiscSettings discSettings;
    QStringList subtitleFiles;   // given for the disc: the first for the first video...
    // Every video must reach the disc: an output in the way gets a numbered
    // name beside it. Without this the outputs that exist are left for the
    // caller to settle.
    bool numberOutputsInTheWay = false;
};

struct RunPlan {
    enum class Refusal {
        None,
        MissingTools,  // a conversion's tools are not in the bundle
        DiscBudget,    // the videos do not fit the disc (disc.problem says why)
        Jobs,          // a source or its budget refused, or the destination no folder
        NoRoom,        // the outputs do not fit the destination
        NoRoomForDisc, // the outputs, the disc folder and its image do not
    };
    Refusal refusal = Refusal::None;
    // The jobs and their totals; problems holds a sentence for each thing
    // refused, whatever the refusal.
    Plan plan;
    DiscBudget disc;             // when a disc was asked for
    // The disc's subtitles by source path, and the files that give none.
    QHash<QString, SubtitleTrack> subtitles;
    QStringList subtitleProblems;

    bool refused() const { return refusal != Refusal::None; }
};

// The checks in the order the user meets them: the tools, the disc's
// budget (a disc's titles share it, so the set is checked whole), each
// job, the room the outputs need, and for a disc the room for the outputs,
// the disc folder and its image together (about three times the outputs).
// Then the subtitles are read, outputs in the way renumbered when asked,
// and normalize and verify set on each job.
RunPlan planRun(const RunRequest &request);

} // namespace convert
