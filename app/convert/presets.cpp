#include "presets.h"

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

QString kbps(int value)
{
    return QString::number(value) + QLatin1Char('k');
}

// DVD players take 4:3 and 16:9 pictures only: the nearer of the two.
QString dvdAspect(const SourceInfo &source)
{
    return source.displayAspect >= 1.55f ? QStringLiteral("16:9") : QStringLiteral("4:3");
}

// Sound in the given codec at the presets' rate, 48 kHz stereo, its time
// stamps taken from the samples themselves: dvdauthor rejects the small
// jumps that a container's rounded stamps leave.
QStringList audioArguments(const QString &codec)
{
    return {QStringLiteral("-af"), QStringLiteral("aresample=async=1"), QStringLiteral("-c:a"), codec,
            QStringLiteral("-b:a"), kbps(kAudioKbps), QStringLiteral("-ar"), QStringLiteral("48000"),
            QStringLiteral("-ac"), QStringLiteral("2")};
}

QStringList dvdArguments(const Preset &preset, const SourceInfo &source, int videoKbps)
{
    // Constant bitrate: the only rate control of the MPEG-2 encoder that
    // fills a size on easy pictures as well as on hard ones.
    const bool pal = preset.height == 576;
    QStringList words{QStringLiteral("-vf"),
                      QStringLiteral("scale=%1:%2").arg(preset.width).arg(preset.height),
                      QStringLiteral("-r"), ffmpegRate(preset.fps),
                      QStringLiteral("-aspect"), dvdAspect(source),
                      QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                      QStringLiteral("-c:v"), QStringLiteral("mpeg2video"),
                      QStringLiteral("-b:v"), kbps(videoKbps),
                      QStringLiteral("-minrate"), kbps(videoKbps),
                      QStringLiteral("-maxrate"), kbps(videoKbps),
                      QStringLiteral("-bufsize"), QStringLiteral("1835k"),
                      QStringLiteral("-g"), pal ? QStringLiteral("15") : QStringLiteral("18"),
                      QStringLiteral("-bf"), QStringLiteral("2")};
    if (source.hasAudio)
        words << audioArguments(QStringLiteral("ac3"));
    // The DVD muxer starts with a pack whose clock reference is zero, in the
    // 2048-byte sectors and at the mux rate of the DVD-Video format.
    words << QStringLiteral("-f") << QStringLiteral("dvd")
          << QStringLiteral("-muxrate") << QStringLiteral("10080k")
          << QStringLiteral("-packetsize") << QStringLiteral("2048");
    return words;
}

QStringList mp4Arguments(const SourceInfo &source, int videoKbps, int pass, const QString &passlog)
{
    QStringList words{QStringLiteral("-vf"), QStringLiteral("scale=trunc(iw/2)*2:trunc(ih/2)*2"),
                      QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                      QStringLiteral("-c:v"), QStringLiteral("libx264"),
                      QStringLiteral("-preset"), QStringLiteral("medium"),
                      QStringLiteral("-b:v"), kbps(videoKbps),
                      QStringLiteral("-pass"), QString::number(pass),
                      QStringLiteral("-passlogfile"), passlog};
    if (pass == 1) {
        words << QStringLiteral("-an") << QStringLiteral("-f") << QStringLiteral("null");
        return words;
    }
    if (source.hasAudio)
        words << audioArguments(QStringLiteral("aac"));
    words << QStringLiteral("-movflags") << QStringLiteral("+faststart")
          << QStringLiteral("-f") << QStringLiteral("mp4");
    return words;
}

} // namespace

QList<Preset> presets()
{
    Preset mp4;
    mp4.id = QStringLiteral("mp4");
    mp4.label = QStringLiteral("MP4, H.264 and AAC, the source's picture size");
    mp4.extension = QStringLiteral("mp4");
    mp4.family = Family::H264Mp4;
    mp4.minVideoKbps = 100;
    mp4.maxVideoKbps = 50000;
    mp4.defaultVideoKbps = 1500;

    Preset pal;
    pal.id = QStringLiteral("dvd-pal");
    pal.label = QStringLiteral("DVD MPEG-2, PAL 720x576 at 25 fps");
    pal.extension = QStringLiteral("mpg");
    pal.family = Family::DvdMpeg2;
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

    return {mp4, pal, ntsc};
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

int passCount(const Preset &preset)
{
    return preset.family == Family::H264Mp4 ? 2 : 1;
}

QStringList passArguments(const Preset &preset, const SourceInfo &source, int videoKbps, int pass,
                          const QString &passlog, const QString &output)
{
    const bool last = pass >= passCount(preset);
    QStringList words{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                      QStringLiteral("-loglevel"), QStringLiteral("error"),
                      QStringLiteral("-stats"), QStringLiteral("-stats_period"), QStringLiteral("0.25"),
                      QStringLiteral("-y"), QStringLiteral("-i"), source.path,
                      QStringLiteral("-map"), QStringLiteral("0:v:0")};
    if (last && source.hasAudio)
        words << QStringLiteral("-map") << QStringLiteral("0:a:0");
    if (preset.family == Family::DvdMpeg2)
        words << dvdArguments(preset, source, videoKbps);
    else
        words << mp4Arguments(source, videoKbps, pass, passlog);
    words << (last ? output : QStringLiteral("/dev/null"));
    return words;
}

} // namespace convert
