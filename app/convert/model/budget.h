// How the picture is paid for: a constant quality, a target size turned into
// a video bitrate, or a bitrate with its estimated size.
//
// Every size here is in MB of 1024 x 1024 bytes (mebibytes), as the toolkit's
// file sizes, target sizes and free space are; bitrates are kb/s of 1000
// bits per second.
#pragma once

#include "model/presets.h"

#include <QString>

namespace convert {

struct Budget {
    enum class Mode { Quality, TargetSize, Bitrate };
    Mode mode = Mode::Bitrate;
    int sizeMB = 0;    // TargetSize: megabytes of 1024 x 1024 bytes per output
    int videoKbps = 0; // Bitrate: the video bitrate in kb/s
    int crf = 0;       // Quality: the encoder's constant rate factor, lower is better
};

struct BudgetPlan {
    bool ok = false;
    Budget::Mode mode = Budget::Mode::Bitrate;
    int videoKbps = 0;       // the bitrate to encode at (TargetSize, Bitrate)
    int crf = 0;             // the quality to encode at (Quality)
    double estimatedMB = -1; // the expected size of the output; -1 when it cannot be known
    bool capped = false;     // the target asked for more than the preset allows
    QString message;         // why it was refused, or a remark on a capped plan
};

// The preset's own choice when the user makes none: its quality where it has
// a quality mode, else its usual bitrate.
Budget defaultBudget(const Preset &preset);

// The plan for one source of duration seconds with that many sound tracks
// (a silent output gives the sound's share to the picture). A target
// size gives the video bitrate of reel::bitrateCalculator, less the preset's
// container share; a bitrate gives its estimated size. Refused when the
// bitrate falls below the preset's floor, the duration is unknown, or the
// preset has no quality mode; a target size above the preset's ceiling is
// encoded at the ceiling.
BudgetPlan planBudget(const Preset &preset, const Budget &budget, float duration, int soundTracks = 1);

// The size in MB (1024 x 1024 bytes) of an output whose picture runs at
// videoKbps, with its container's share and its sound tracks.
double estimateMB(const Preset &preset, int videoKbps, float duration, int soundTracks);

// The smallest target size in whole megabytes that the preset accepts for
// duration seconds; 0 when the duration is unknown.
int minimumSizeMB(const Preset &preset, float duration, int soundTracks = 1);

} // namespace convert
