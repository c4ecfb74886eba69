// What the user chose beyond the preset and the budget, the same for every
// video of a run but for the tracks, which a video may have its own of.
#pragma once

#include "model/picture.h"
#include "model/tracks.h"
#include "model/trim.h"

#include <QHash>
#include <QString>

namespace convert {

struct JobChoices {
    TrackRequest tracks;
    // The tracks picked for one video, by its path, in place of tracks.
    QHash<QString, TrackRequest> tracksBySource;
    PictureRequest picture;
    TrimRequest trim;

    TrackRequest tracksFor(const QString &sourcePath) const { return tracksBySource.value(sourcePath, tracks); }
};

} // namespace convert
