// A source read with ffprobe, and with ffmpeg's interlace test when the
// stream does not give its field order.
#pragma once

#include "model/source.h"
#include "probing/toolrun.h"

#include <QString>

namespace convert {

// The time limit of one ffprobe or interlace-test run.
constexpr int kProbeTimeoutMs = 30000;

// Reads the source's duration, picture and streams through the bundle's
// ffprobe, and tests a picture that does not give its field order. Only a
// regular file (links followed) is read. A source that is missing,
// unreadable, not a regular file, not a media file or without a video stream,
// or whose probe ran out of time or was cancelled, comes back with an error
// sentence.
SourceInfo probeSource(const QString &path, const RunLimits &limits = RunLimits{kProbeTimeoutMs, {}});

// The black bars the picture of a usable source has at every one of a few
// points through it, as ffmpeg's cropdetect finds them; none when they
// cannot be had in time.
Bars measureBlackBars(const SourceInfo &source, const RunLimits &limits = RunLimits{kProbeTimeoutMs, {}});

} // namespace convert
