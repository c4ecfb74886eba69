// A small picture of each source for the list: one frame a tenth of the way
// in (openings are often black), 72 pixels high, made with ffmpeg and kept
// in the user's cache folder so that a video added again costs nothing.
#pragma once

#include "model/source.h"
#include "probing/toolrun.h"

#include <QString>

namespace convert {

// The cached thumbnail of a usable source, made when missing; empty when
// ffmpeg could not make one (one line logged). Blocks while ffmpeg runs:
// the window asks on its reader's thread.
QString thumbnailFor(const SourceInfo &source, const RunLimits &limits);

// Where thumbnails are kept: the cache folder's "thumbnails".
QString thumbnailFolder();

} // namespace convert
