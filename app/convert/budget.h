// How big the output will be: a target size turned into a video bitrate, or
// a bitrate turned into an estimated size.
#pragma once

#include "presets.h"

#include <QString>

namespace convert {

struct Budget {
    enum class Mode { TargetSize, Bitrate };
    Mode mode = Mode::Bitrate;
    int sizeMB = 0;    // TargetSize: megabytes of 1024 x 1024 bytes per output
    int videoKbps = 0; // Bitrate: the video bitrate in kb/s
};

struct BudgetPlan {
    bool ok = false;
    int videoKbps = 0;   // the bitrate to encode at
    int estimatedMB = 0; // the expected size of the output
    bool capped = false; // the target asked for more than the preset allows
    QString message;     // why it was refused, or a remark on a capped plan
};

// The plan for one source of duration seconds. A target size gives the video
// bitrate of reel::bitrateCalculator, less the preset's container share; a
// bitrate gives the size of
// reel::bitrate2MB over picture and sound. Refused when the bitrate falls
// below the preset's floor or the duration is unknown; a target size above
// the preset's ceiling is encoded at the ceiling.
BudgetPlan planBudget(const Preset &preset, const Budget &budget, float duration);

// The smallest target size in whole megabytes that the preset accepts for
// duration seconds; 0 when the duration is unknown.
int minimumSizeMB(const Preset &preset, float duration);

} // namespace convert
