// What the user chose beyond the preset and the budget, the same for every
// video of a run.
#pragma once

#include "model/picture.h"
#include "model/tracks.h"
#include "model/trim.h"

namespace convert {

struct JobChoices {
    TrackRequest tracks;
    PictureRequest picture;
    TrimRequest trim;
};

} // namespace convert
