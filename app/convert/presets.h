// The converter's presets: what each output is, and the ffmpeg words that
// make it.
#pragma once

#include "source.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace convert {

// The audio every preset encodes, the same 192 kb/s that
// reel::bitrateCalculator sets aside for the sound.
constexpr int kAudioKbps = 192;

enum class Family {
    DvdMpeg2, // MPEG-2 program stream for DVD authoring, constant bitrate
    H264Mp4,  // H.264 and AAC in MP4, two passes
};

struct Preset {
    QString id;        // the --preset word
    QString label;     // shown in the window and in --help
    QString extension; // of the output
    Family family = Family::H264Mp4;
    int width = 0;     // 0: the source's own size, made even
    int height = 0;
    float fps = 0;     // a rate of reel::standardsFpsArray; 0: the source's own
    int minVideoKbps = 0;
    int maxVideoKbps = 0;
    int defaultVideoKbps = 0;
    // The share of a target size that the container's own packing takes,
    // kept off the picture's bitrate (reel::bitrateCalculator counts none).
    int containerPercent = 0;
};

// Every preset, the default (MP4) first.
QList<Preset> presets();
std::optional<Preset> presetById(const QString &id);

// The frame rate as ffmpeg takes it: 25 gives "25", 12.5 "25/2", and the
// rates of the NTSC family, rounded in the table (29.97, 23.98...), their
// exact 1000/1001 ratio ("30000/1001").
QString ffmpegRate(float fps);

// How many ffmpeg runs the preset needs (two for the two-pass presets).
int passCount(const Preset &preset);

// The words after the ffmpeg path for one pass (1 or passCount) of a
// conversion of source at videoKbps. Only the last pass writes output; the
// earlier ones write their statistics under passlog.
QStringList passArguments(const Preset &preset, const SourceInfo &source, int videoKbps, int pass,
                          const QString &passlog, const QString &output);

} // namespace convert
