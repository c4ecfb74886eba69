#include "model/presets.h"

#include <reel/media.h>

#include <cmath>

namespace convert {

namespace {

// The table's own value for a rate, so that the presets use the standard
// rates as the toolkit lists them.
float standardRate(float wanted)
{
    for (const QVariant &rate : reel::standardsFpsArray()) {
        if (std::fabs(rate.toFloat() - wanted) < 0.001f)
            return rate.toFloat();
    }
    return wanted;
}

} // namespace

QList<Preset> presets()
{
    Preset mp4;
    mp4.id = QStringLiteral("mp4");
    mp4.label = QStringLiteral("MP4, H.264 and AAC, the source's picture size");
    mp4.extension = QStringLiteral("mp4");
    mp4.family = Family::Mp4;
    mp4.videoEncoder = QStringLiteral("libx264");
    mp4.minVideoKbps = 100;
    mp4.maxVideoKbps = 50000;
    mp4.defaultVideoKbps = 1500;
    // x264's own default: visually close to the source at a sensible size.
    mp4.defaultCrf = 23;

    Preset hevc = mp4;
    hevc.id = QStringLiteral("mp4-hevc");
    hevc.label = QStringLiteral("MP4, HEVC (H.265) and AAC, the source's picture size");
    hevc.videoEncoder = QStringLiteral("libx265");
    hevc.minVideoKbps = 75;
    hevc.defaultVideoKbps = 1000;
    // x265's default, about the picture of x264 at 23 in half the size.
    hevc.defaultCrf = 28;

    Preset pal;
    pal.id = QStringLiteral("dvd-pal");
    pal.label = QStringLiteral("DVD MPEG-2, PAL 720x576 at 25 fps");
    pal.extension = QStringLiteral("mpg");
    pal.family = Family::DvdMpeg2;
    pal.videoEncoder = QStringLiteral("mpeg2video");
    pal.width = 720;
    pal.height = 576;
    pal.fps = standardRate(25.0f);
    // Below about 1 Mb/s a full-size MPEG-2 picture breaks into blocks; above
    // 8 Mb/s the picture and the sound no longer fit the DVD's 10.08 Mb/s.
    pal.minVideoKbps = 1000;
    pal.maxVideoKbps = 8000;
    pal.defaultVideoKbps = 5000;
    // Every 2048-byte sector starts with a pack and a packet header, and
    // every group of pictures brings a navigation sector: about 4 % in all.
    pal.containerPercent = 4;

    Preset ntsc = pal;
    ntsc.id = QStringLiteral("dvd-ntsc");
    ntsc.label = QStringLiteral("DVD MPEG-2, NTSC 720x480 at 29.97 fps");
    ntsc.height = 480;
    ntsc.fps = standardRate(29.97f);

    return {mp4, hevc, pal, ntsc};
}

std::optional<Preset> presetById(const QString &id)
{
    for (const Preset &preset : presets()) {
        if (preset.id == id)
            return preset;
    }
    return std::nullopt;
}

QString ffmpegRate(float fps)
{
    const float doubled = fps * 2;
    if (std::fabs(doubled - std::round(doubled)) < 0.001f) {
        const int whole = int(std::round(doubled));
        return whole % 2 == 0 ? QString::number(whole / 2) : QStringLiteral("%1/2").arg(whole);
    }
    return QStringLiteral("%1/1001").arg(int(std::ceil(fps)) * 1000);
}

} // namespace convert
