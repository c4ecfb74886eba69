// Which of a source's tracks go into the output, and the words that tell the
// user what was kept and what was dropped.
#pragma once

#include "model/presets.h"
#include "model/source.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

struct TrackChoice {
    int video = -1;       // ffprobe stream index of the picture; -1 when none
    int audio = -1;       // of the one sound track kept; -1 for a silent output
    QList<int> subtitles; // text subtitles kept as soft subtitles (MP4 only)
    QStringList kept;     // "video #0 (h264, 320x240)", one per track kept
    QStringList dropped;  // "audio #1 (aac, fre): one sound track is kept"
};

// The picture, the sound track marked default (else the first), and for MP4
// every text subtitle track; everything else is dropped with a reason.
TrackChoice chooseTracks(const SourceInfo &source, const Preset &preset);

// One line for the terminal and the window: "kept video #0 (h264, 320x240),
// audio #2 (aac, eng, default); dropped audio #1 (aac, fre): one sound track
// is kept".
QString trackSummary(const TrackChoice &choice);

// Whether ffmpeg can turn this subtitle codec into MP4's text subtitles.
bool isTextSubtitle(const QString &codec);

} // namespace convert
