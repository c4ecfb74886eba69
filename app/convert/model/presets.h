// The converter's presets: what each output is. The ffmpeg words that make
// it are in command.h.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace convert {

// The audio every preset encodes, the same 192 kb/s that
// reel::bitrateCalculator sets aside for the sound.
constexpr int kAudioKbps = 192;

enum class Family {
    DvdMpeg2, // MPEG-2 program stream for DVD authoring, constant bitrate
    Mp4,      // H.264 or HEVC with AAC in MP4: a quality, or two passes to a bitrate
};

struct Preset {
    QString id;        // the --preset word
    QString label;     // shown in the window and in --help
    QString extension; // of the output
    Family family = Family::Mp4;
    QString videoEncoder; // ffmpeg's encoder: libx264, libx265, mpeg2video
    int width = 0;     // 0: the source's own size, made even
    int height = 0;
    float fps = 0;     // a rate of reel::standardsFpsArray; 0: the source's own
    int minVideoKbps = 0;
    int maxVideoKbps = 0;
    int defaultVideoKbps = 0;
    // The encoder's constant rate factor when no size or bitrate is asked
    // for; 0 when the preset has no quality mode (DVD players need a known
    // bitrate).
    int defaultCrf = 0;
    // The share of a target size that the container's own packing takes,
    // kept off the picture's bitrate (reel::bitrateCalculator counts none).
    int containerPercent = 0;

    bool hasQualityMode() const { return defaultCrf > 0; }
};

// The constant rate factors the MP4 encoders take; lower is better.
constexpr int kMinCrf = 0;
constexpr int kMaxCrf = 51;

// Every preset, the default (MP4, H.264) first.
QList<Preset> presets();
std::optional<Preset> presetById(const QString &id);

// The frame rate as ffmpeg takes it: 25 gives "25", 12.5 "25/2", and the
// rates of the NTSC family, rounded in the table (29.97, 23.98...), their
// exact 1000/1001 ratio ("30000/1001").
QString ffmpegRate(float fps);

} // namespace convert
