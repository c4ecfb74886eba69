// The converter's presets: what each output is. The ffmpeg words that make
// it are in command.h.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace convert {

// The sound's usual rate, the same 192 kb/s that reel::bitrateCalculator
// sets aside for the sound.
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
    // For the Mp4 family: "mp4", or "mkv" for Matroska, which holds every
    // sound and subtitle codec as it is.
    QString container = QStringLiteral("mp4");
    QString videoEncoder; // ffmpeg's encoder: libx264, libx265, mpeg2video
    QString speed;     // x264's and x265's preset (medium...); empty for MPEG-2
    QString profile;   // H.264's profile and level for a device; empty: the encoder's choice
    QString level;
    // The sound: "aac", "ac3", "opus" (Matroska only) or "copy" (as the
    // source has it when the container holds it, else AAC); a DVD's is AC-3.
    QString audioCodec = QStringLiteral("aac");
    int audioKbps = kAudioKbps;
    // A device's largest frame, either way round; 0: the source's size.
    int boxWidth = 0;
    int boxHeight = 0;
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
    bool isMatroska() const { return container == QLatin1String("mkv"); }
};

// What the command line changes in a preset; empty and 0 leave it.
struct PresetChanges {
    QString container;
    QString speed;
    QString audioCodec;
    int audioKbps = 0;

    bool any() const { return !container.isEmpty() || !speed.isEmpty() || !audioCodec.isEmpty() || audioKbps > 0; }
};

// The encoders' speed words, fastest first.
QStringList speedWords();

// The preset with the changes; nothing, with *error, for a change the
// preset cannot take (a speed or a container for a DVD, Opus in an MP4).
std::optional<Preset> changedPreset(Preset preset, const PresetChanges &changes, QString *error);

// Whether the container holds a sound track of that ffmpeg codec as it is.
bool holdsSound(const Preset &preset, const QString &codec);

// One line per preset for --list-presets: its word, label and settings.
QString presetSummary(const Preset &preset);

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
