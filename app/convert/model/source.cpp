#include "model/source.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>
#include <reel/numbers.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace convert {

namespace {

// More frames than a year of video at 1000 frames a second.
constexpr qint64 kMostIdetFrames = qint64(1) << 35;

// "30000/1001" or "16:9" as a number; 0 when it is not a positive ratio.
double ratio(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*[/:]\\s*(\\d+(?:\\.\\d+)?)\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return 0;
    const double numerator = match.captured(1).toDouble();
    const double denominator = match.captured(2).toDouble();
    return numerator > 0 && denominator > 0 ? numerator / denominator : 0;
}

// Demuxers of single pictures: image2 and the "_pipe" readers of PNG, JPEG
// and the others, which ffprobe picks by content whatever the extension.
bool isPictureFormat(const QString &formatName)
{
    return formatName == QLatin1String("image2") || formatName.endsWith(QLatin1String("_pipe"));
}

FieldOrder fieldOrderFrom(const QString &text)
{
    // The order fields are shown in: "tb" is coded top first but shown
    // bottom first.
    if (text == QLatin1String("progressive"))
        return FieldOrder::Progressive;
    if (text == QLatin1String("tt") || text == QLatin1String("bt"))
        return FieldOrder::TopFirst;
    if (text == QLatin1String("bb") || text == QLatin1String("tb"))
        return FieldOrder::BottomFirst;
    return FieldOrder::Unknown;
}

// The display matrix's turn, as 0, 90, 180 or 270.
int rotationOf(const QJsonObject &stream)
{
    double degrees = 0;
    bool found = false;
    for (const QJsonValue &entry : stream.value(QLatin1String("side_data_list")).toArray()) {
        const QJsonObject side = entry.toObject();
        if (side.contains(QLatin1String("rotation"))) {
            degrees = probeNumber(side.value(QLatin1String("rotation")));
            found = true;
            break;
        }
    }
    if (!found)
        degrees = probeNumber(stream.value(QLatin1String("tags")).toObject().value(QLatin1String("rotate")));
    if (!std::isfinite(degrees) || std::fabs(degrees) > 1e6)
        return 0;
    const int quarter = int(std::lround(degrees / 90.0)) % 4;
    return (quarter + 4) % 4 * 90;
}

StreamInfo streamFrom(const QJsonObject &object)
{
    StreamInfo stream;
    stream.index = object.value(QLatin1String("index")).toInt(-1);
    stream.type = object.value(QLatin1String("codec_type")).toString();
    stream.codec = object.value(QLatin1String("codec_name")).toString();
    const QJsonObject tags = object.value(QLatin1String("tags")).toObject();
    stream.language = tags.value(QLatin1String("language")).toString().trimmed().left(16);
    if (stream.language == QLatin1String("und"))
        stream.language.clear();
    stream.title = tags.value(QLatin1String("title")).toString().simplified().left(80);
    const QJsonObject disposition = object.value(QLatin1String("disposition")).toObject();
    stream.isDefault = disposition.value(QLatin1String("default")).toInt() == 1;
    stream.attachedPicture = disposition.value(QLatin1String("attached_pic")).toInt() == 1;
    stream.width = qMax(0, object.value(QLatin1String("width")).toInt());
    stream.height = qMax(0, object.value(QLatin1String("height")).toInt());
    const double sar = ratio(object.value(QLatin1String("sample_aspect_ratio")).toString());
    stream.pixelAspect = sar > 0.1 && sar < 10 ? float(sar) : 1.0f;
    stream.rotation = rotationOf(object);
    const QString average = object.value(QLatin1String("avg_frame_rate")).toString();
    const QString base = object.value(QLatin1String("r_frame_rate")).toString();
    const double averageFps = ratio(average);
    const double baseFps = ratio(base);
    const bool averageKnown = averageFps > 0 && averageFps < 1000;
    const bool baseKnown = baseFps > 0 && baseFps < 1000;
    stream.fps = float(averageKnown ? averageFps : baseKnown ? baseFps : 0);
    // The base rate is a guess of ffmpeg's; one far above the average (a
    // time base taken for a rate) would multiply the frames.
    if (baseKnown && baseFps <= 120 && (!averageKnown || baseFps < averageFps * 2.5))
        stream.baseRate = base;
    else if (averageKnown)
        stream.baseRate = average;
    // A base rate twice the average is the field rate of interlaced video,
    // not frames at changing intervals.
    const double spread = averageKnown && baseKnown ? baseFps / averageFps : 1;
    stream.variableRate = std::fabs(spread - 1) > 0.005 && std::fabs(spread - 2) > 0.01;
    stream.fieldOrder = fieldOrderFrom(object.value(QLatin1String("field_order")).toString());
    stream.channels = qMax(0, object.value(QLatin1String("channels")).toInt());
    // Matroska gives no bitrate for its tracks: 0, unknown.
    const double bitRate = probeNumber(object.value(QLatin1String("bit_rate")));
    stream.kbps = bitRate > 0 && bitRate < 1e9 ? int(bitRate / 1000 + 0.5) : 0;
    stream.duration = probeStreamDuration(object);
    bool counted = false;
    const qint64 frames = object.value(QLatin1String("nb_frames")).toString().toLongLong(&counted);
    stream.frames = counted && frames >= 0 ? frames : -1;
    return stream;
}

} // namespace

Bars barsFromCropdetect(const QString &log, int width, int height)
{
    static const QRegularExpression crop(QStringLiteral("crop=(\\d{1,5}):(\\d{1,5}):(\\d{1,5}):(\\d{1,5})"));
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = crop.globalMatch(log); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return Bars{};
    const int w = last.captured(1).toInt(), h = last.captured(2).toInt();
    const int x = last.captured(3).toInt(), y = last.captured(4).toInt();
    if (w <= 0 || h <= 0 || x + w > width || y + h > height)
        return Bars{};
    return Bars{y, height - h - y, x, width - w - x};
}

Bars commonBars(const QList<Bars> &measured)
{
    if (measured.isEmpty())
        return Bars{};
    Bars common = measured.first();
    for (const Bars &bars : measured) {
        common.top = std::min(common.top, bars.top);
        common.bottom = std::min(common.bottom, bars.bottom);
        common.left = std::min(common.left, bars.left);
        common.right = std::min(common.right, bars.right);
    }
    return common;
}

double probeNumber(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toDouble();
    bool ok = false;
    const double parsed = value.toString().toDouble(&ok);
    return ok && std::isfinite(parsed) ? parsed : 0;
}

float probeStreamDuration(const QJsonObject &stream)
{
    double seconds = probeNumber(stream.value(QLatin1String("duration")));
    if (!(seconds > 0)) {
        static const QRegularExpression clock(QStringLiteral("^(\\d{1,6}):(\\d\\d):(\\d\\d(?:\\.\\d+)?)$"));
        const QRegularExpressionMatch match =
            clock.match(stream.value(QLatin1String("tags")).toObject().value(QLatin1String("DURATION")).toString());
        if (match.hasMatch())
            seconds = match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60
                      + match.captured(3).toDouble();
    }
    return seconds > 0 && seconds < 1e7 ? float(seconds) : 0.0f;
}

void readProbeJson(const QByteArray &json, SourceInfo &info)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        info.refuse(said("Source", QT_TRANSLATE_NOOP(
                                       "Source", "%1 cannot be read: ffprobe said nothing that could be understood"))
                        .arg(info.path));
        return;
    }
    const QJsonObject root = document.object();
    info.streams.clear();
    info.videoStream = -1;
    info.hasAudio = false;
    info.stillPicture = false;
    for (const QJsonValue &value : root.value(QLatin1String("streams")).toArray()) {
        const StreamInfo stream = streamFrom(value.toObject());
        if (stream.index < 0 || stream.type.isEmpty())
            continue;
        info.streams << stream;
        if (info.videoStream < 0 && stream.type == QLatin1String("video") && !stream.attachedPicture
            && stream.width > 0 && stream.height > 0)
            info.videoStream = int(info.streams.size()) - 1;
        if (stream.type == QLatin1String("audio"))
            info.hasAudio = true;
    }
    if (info.videoStream < 0) {
        info.refuse(
            said("Source", QT_TRANSLATE_NOOP("Source", "%1 holds no video that ffmpeg can read")).arg(info.path));
        return;
    }
    const StreamInfo &video = info.streams.at(info.videoStream);
    const bool turned = video.rotation == 90 || video.rotation == 270;
    info.width = turned ? video.height : video.width;
    info.height = turned ? video.width : video.height;
    const float shown = float(video.width) * video.pixelAspect / float(video.height);
    info.displayAspect = turned ? 1.0f / shown : shown;
    info.fieldOrder = video.fieldOrder;

    double duration = probeNumber(root.value(QLatin1String("format")).toObject().value(QLatin1String("duration")));
    if (!(duration > 0)) {
        // Some containers give only their streams' durations.
        for (const QJsonValue &value : root.value(QLatin1String("streams")).toArray())
            duration = std::max(duration, probeNumber(value.toObject().value(QLatin1String("duration"))));
    }
    info.duration = duration > 0 && duration < 1e7 ? float(duration) : 0.0f;
    // A picture would become a video of one frame that nobody can watch.
    const QString formatName = root.value(QLatin1String("format")).toObject().value(QLatin1String("format_name")).toString();
    const bool oneFrame = video.frames == 1 || (video.fps > 0 && info.duration > 0 && info.duration * video.fps < 1.5f);
    if (isPictureFormat(formatName) || (oneFrame && !info.hasAudio)) {
        info.stillPicture = true;
        info.refuse(said("Source", QT_TRANSLATE_NOOP("Source", "%1 is a still picture, not a video")).arg(info.path));
        return;
    }
    if (!(info.duration > 0))
        info.refuse(
            said("Source", QT_TRANSLATE_NOOP("Source", "%1 has no duration that ffmpeg can read")).arg(info.path));
}

FieldOrder idetVerdict(const QString &log)
{
    static const QRegularExpression line(QStringLiteral(
        "Multi frame detection:\\s*TFF:\\s*(\\d+)\\s*BFF:\\s*(\\d+)\\s*Progressive:\\s*(\\d+)\\s*Undetermined:\\s*(\\d+)"));
    const QRegularExpressionMatch match = line.match(log);
    if (!match.hasMatch())
        return FieldOrder::Unknown;
    // The test looks at kIdetFrames frames; counts far beyond any video's
    // frames are no test of ours (and would overflow the sums below).
    const auto count = [&](int group) {
        bool ok = false;
        const qint64 n = match.captured(group).toLongLong(&ok);
        return ok && n <= kMostIdetFrames ? n : -1;
    };
    const qint64 top = count(1);
    const qint64 bottom = count(2);
    const qint64 progressive = count(3);
    if (top < 0 || bottom < 0 || progressive < 0) {
        reel::logAlways(reel::LogLabel("idetVerdict"), ":-( frame counts out of range: %@", match.captured(0));
        return FieldOrder::Unknown;
    }
    // A handful of frames decides nothing; moving test patterns fool the
    // test into both orders at once, which real interlaced video never does.
    if (top + bottom + progressive < 10)
        return FieldOrder::Unknown;
    if (top >= 3 * (bottom + progressive))
        return FieldOrder::TopFirst;
    if (bottom >= 3 * (top + progressive))
        return FieldOrder::BottomFirst;
    return FieldOrder::Progressive;
}

QString fieldOrderText(FieldOrder order)
{
    return fieldOrderSaid(order).shown;
}

Said fieldOrderSaid(FieldOrder order)
{
    switch (order) {
    case FieldOrder::Progressive:
        return said("Source", QT_TRANSLATE_NOOP("Source", "progressive"));
    case FieldOrder::TopFirst:
        return said("Source", QT_TRANSLATE_NOOP("Source", "interlaced, top field first"));
    case FieldOrder::BottomFirst:
        return said("Source", QT_TRANSLATE_NOOP("Source", "interlaced, bottom field first"));
    case FieldOrder::Unknown:
        break;
    }
    return said("Source", QT_TRANSLATE_NOOP("Source", "scan unknown"));
}

QString durationText(float seconds)
{
    return QStringLiteral("%1 (%2)").arg(reel::secondesInt2Str(int(seconds + 0.5f)),
                                         reel::secondeFloat2TimecodeStr(seconds, 2));
}

QString sizeText(double mebibytes)
{
    if (mebibytes < 0)
        return QStringLiteral("?");
    // In the reader's number forms (1,5 Go in French); C forms in English.
    const QLocale locale;
    if (mebibytes >= 1024)
        return QCoreApplication::translate("Source", "%1 GB").arg(locale.toString(mebibytes / 1024, 'f', 1));
    return QCoreApplication::translate("Source", "%1 MB").arg(locale.toString(mebibytes, 'f', 1));
}

} // namespace convert
