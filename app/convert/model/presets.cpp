#include "model/presets.h"

#include <reel/media.h>

#include <cmath>

#include <QCoreApplication>

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
    mp4.label = QCoreApplication::translate("Presets", "MP4, H.264 and AAC, the source's picture size");
    mp4.extension = QStringLiteral("mp4");
    mp4.family = Family::Mp4;
    mp4.videoEncoder = QStringLiteral("libx264");
    mp4.speed = QStringLiteral("medium");
    mp4.minVideoKbps = 100;
    mp4.maxVideoKbps = 50000;
    mp4.defaultVideoKbps = 1500;
    // x264's own default: visually close to the source at a sensible size.
    mp4.defaultCrf = 23;

    Preset hevc = mp4;
    hevc.id = QStringLiteral("mp4-hevc");
    hevc.label = QCoreApplication::translate("Presets", "MP4, HEVC (H.265) and AAC, the source's picture size");
    hevc.videoEncoder = QStringLiteral("libx265");
    hevc.minVideoKbps = 75;
    hevc.defaultVideoKbps = 1000;
    // x265's default, about the picture of x264 at 23 in half the size.
    hevc.defaultCrf = 28;

    Preset pal;
    pal.id = QStringLiteral("dvd-pal");
    pal.label = QCoreApplication::translate("Presets", "DVD MPEG-2, PAL 720x576 at 25 fps");
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

    pal.audioCodec = QStringLiteral("ac3");

    Preset ntsc = pal;
    ntsc.id = QStringLiteral("dvd-ntsc");
    ntsc.label = QCoreApplication::translate("Presets", "DVD MPEG-2, NTSC 720x480 at 29.97 fps");
    ntsc.height = 480;
    ntsc.fps = standardRate(29.97f);

    Preset mkv = mp4;
    mkv.id = QStringLiteral("mkv");
    mkv.label =
        QCoreApplication::translate("Presets", "MKV, H.264, the sound and every subtitle track as the source has them");
    mkv.container = QStringLiteral("mkv");
    mkv.extension = QStringLiteral("mkv");
    mkv.audioCodec = QStringLiteral("copy");

    // Phones and browsers play H.264 High at level 4.0 up to 1080p; 720p
    // keeps a phone's file small and streams on a modest connection.
    Preset phone = mp4;
    phone.id = QStringLiteral("phone-720p");
    phone.label = QCoreApplication::translate("Presets",
                                              "Phones and the web: MP4 at most 1280x720, H.264 High 4.0, AAC 160 kb/s");
    phone.profile = QStringLiteral("high");
    phone.level = QStringLiteral("4.0");
    phone.audioKbps = 160;
    phone.boxWidth = 1280;
    phone.boxHeight = 720;

    Preset tv = mp4;
    tv.id = QStringLiteral("tv-1080p");
    tv.label = QCoreApplication::translate("Presets", "TVs: MP4 at most 1920x1080, H.264 High 4.1, AAC 192 kb/s");
    tv.profile = QStringLiteral("high");
    tv.level = QStringLiteral("4.1");
    tv.boxWidth = 1920;
    tv.boxHeight = 1080;
    tv.defaultCrf = 21;

    // Kept for years: HEVC at a quality close to the source, the slow
    // encoder's better compression, and the sound and subtitles untouched.
    Preset archive = hevc;
    archive.id = QStringLiteral("archive");
    archive.label = QCoreApplication::translate(
        "Presets", "Archive: MKV, HEVC at quality 20 (slow), the sound and subtitles as they are");
    archive.container = QStringLiteral("mkv");
    archive.extension = QStringLiteral("mkv");
    archive.audioCodec = QStringLiteral("copy");
    archive.speed = QStringLiteral("slow");
    archive.defaultCrf = 20;

    return {mp4, hevc, pal, ntsc, mkv, phone, tv, archive};
}

std::optional<Preset> presetById(const QString &id)
{
    for (const Preset &preset : presets()) {
        if (preset.id == id)
            return preset;
    }
    return std::nullopt;
}

QStringList speedWords()
{
    return {QStringLiteral("ultrafast"), QStringLiteral("superfast"), QStringLiteral("veryfast"),
            QStringLiteral("faster"), QStringLiteral("fast"), QStringLiteral("medium"), QStringLiteral("slow"),
            QStringLiteral("slower"), QStringLiteral("veryslow")};
}

std::optional<Preset> changedPreset(Preset preset, const PresetChanges &changes, QString *error)
{
    const bool dvd = preset.family == Family::DvdMpeg2;
    if (dvd && (!changes.container.isEmpty() || !changes.speed.isEmpty() || !changes.audioCodec.isEmpty())) {
        *error = QCoreApplication::translate("Presets",
                                             "a DVD's container, encoder and sound are fixed: --container, --speed and "
                                             "--audio-codec are for the other presets");
        return std::nullopt;
    }
    if (!changes.container.isEmpty()) {
        preset.container = changes.container;
        preset.extension = changes.container;
    }
    if (!changes.speed.isEmpty())
        preset.speed = changes.speed;
    if (!changes.audioCodec.isEmpty())
        preset.audioCodec = changes.audioCodec;
    if (changes.audioKbps > 0)
        preset.audioKbps = changes.audioKbps;
    if (preset.audioCodec == QLatin1String("opus") && !preset.isMatroska()) {
        *error = QCoreApplication::translate("Presets", "Opus sound goes in MKV: give --container mkv or -p mkv");
        return std::nullopt;
    }
    return preset;
}

bool holdsSound(const Preset &preset, const QString &codec)
{
    if (preset.family == Family::DvdMpeg2)
        return false;
    if (preset.isMatroska())
        return !codec.isEmpty();
    static const QStringList mp4Sound{QStringLiteral("aac"), QStringLiteral("ac3"), QStringLiteral("eac3"),
                                      QStringLiteral("mp3"), QStringLiteral("alac")};
    return mp4Sound.contains(codec);
}

QString presetSummary(const Preset &preset)
{
    QStringList settings;
    settings << (preset.hasQualityMode() ? QCoreApplication::translate("Presets", "quality %1").arg(preset.defaultCrf)
                                         : QStringLiteral("%1 kb/s").arg(preset.defaultVideoKbps));
    if (!preset.speed.isEmpty())
        settings << QCoreApplication::translate("Presets", "speed %1").arg(preset.speed);
    settings << (preset.audioCodec == QLatin1String("copy")
                     ? QCoreApplication::translate("Presets", "sound copied")
                     : QStringLiteral("%1 %2 kb/s").arg(preset.audioCodec).arg(preset.audioKbps));
    return QStringLiteral("%1%2 (%3)").arg(preset.id, -12).arg(preset.label, settings.join(QStringLiteral(", ")));
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
