// What the user chose beyond the preset and the budget, the same for every
// video of a run.
#pragma once

#include "model/tracks.h"

namespace convert {

struct JobChoices {
    TrackRequest tracks;
};

} // namespace convert
