// The part of a video a user asked for: where it starts and how long it
// lasts, in seconds of the source.
#pragma once

#include "model/source.h"
#include "model/srt.h"

#include <QList>
#include <QString>

namespace convert {

struct TrimRequest {
    double start = 0;   // from the source's start
    double length = 0;  // 0: to the source's end

    bool active() const { return start > 0 || length > 0; }
    // The seconds kept of a source of the given duration (0 when it is not
    // known); never more than what follows start.
    double keptOf(double duration) const
    {
        if (duration <= 0)
            return length;
        const double rest = duration > start ? duration - start : 0;
        return length > 0 && length < rest ? length : rest;
    }
};

// Reads --start, --stop and --duration (each empty when not given) in the
// forms reel::userDurationSeconds takes. --stop and --duration exclude each
// other, and a stop must come after the start.
bool readTrimWords(const QString &start, const QString &stop, const QString &duration, TrimRequest *trim,
                   QString *error);

// The source as far as the trim keeps it: its duration and its streams'
// durations cut to the part kept, so that budgets, progress and checks
// count that part. Empty with *problem when the start is past the end.
bool trimSource(SourceInfo *source, const TrimRequest &trim, QString *problem);

// The cues of the part kept, on its own clock: cues outside it dropped,
// those across its edges cut to it.
QList<Cue> trimCues(const QList<Cue> &cues, const TrimRequest &trim);

// "from 0:01:30 for 0:00:10" or "from 0:01:30 to the end", for the plan.
QString trimDescription(const TrimRequest &trim);

} // namespace convert
