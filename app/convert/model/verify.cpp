#include "model/verify.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace convert {

namespace {

// A stream's length as the source has it, else the whole source's.
float sourceSeconds(const SourceInfo &source, int stream)
{
    for (const StreamInfo &info : source.streams) {
        if (info.index == stream && info.duration > 0)
            return info.duration;
    }
    return source.duration;
}

QString seconds(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

float Expectation::tolerance() const
{
    return std::max(0.2f, frameSeconds);
}

Expectation expectationFor(const JobSettings &job)
{
    Expectation expected;
    expected.videoSeconds = sourceSeconds(job.source, job.tracks.video);
    expected.audio = int(job.tracks.audio.size());
    if (expected.audio > 0)
        expected.audioSeconds = sourceSeconds(job.source, job.tracks.firstAudio());
    if (job.preset.family == Family::Mp4)
        expected.subtitles = int(job.tracks.subtitles.size());
    const StreamInfo *video = job.source.video();
    if (video && video->fps > 0)
        expected.frameSeconds = 1.0f / video->fps;
    return expected;
}

QStringList probeArguments(const QString &file)
{
    return {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-of"), QStringLiteral("json"),
            QStringLiteral("-show_entries"),
            QStringLiteral("format=duration:stream=codec_type,duration:stream_tags=DURATION"),
            QStringLiteral("-i"), file};
}

Said outputProblem(const QByteArray &probeJson, const Expectation &expected)
{
    const QJsonDocument document = QJsonDocument::fromJson(probeJson);
    const QJsonObject format = document.object().value(QLatin1String("format")).toObject();
    if (!document.isObject() || format.isEmpty())
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the output cannot be opened as a video"));
    const double whole = probeNumber(format.value(QLatin1String("duration")));
    double videoSeconds = -1;
    double audioSeconds = -1;
    int videos = 0;
    int audios = 0;
    int subtitles = 0;
    for (const QJsonValue &value : document.object().value(QLatin1String("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        double length = probeStreamDuration(stream);
        if (!(length > 0))
            length = whole;
        if (type == QLatin1String("video") && videos++ == 0)
            videoSeconds = length;
        else if (type == QLatin1String("audio") && audios++ == 0)
            audioSeconds = length;
        else if (type == QLatin1String("subtitle"))
            ++subtitles;
    }
    if (expected.video && videos == 0)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the output holds no picture"));
    if (expected.audio > 0 && audios == 0)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the output holds no sound"));
    if (audios < expected.audio)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the output holds %1 of the %2 sound tracks"))
            .arg(audios)
            .arg(expected.audio);
    if (subtitles < expected.subtitles)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the output holds %1 of the %2 subtitle tracks"))
            .arg(subtitles)
            .arg(expected.subtitles);
    const double room = expected.tolerance();
    if (expected.video && expected.videoSeconds > 0 && std::fabs(videoSeconds - expected.videoSeconds) > room)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the picture lasts %1 s of %2 s"))
            .arg(seconds(videoSeconds), seconds(expected.videoSeconds));
    if (expected.audio > 0 && expected.audioSeconds > 0 && std::fabs(audioSeconds - expected.audioSeconds) > room)
        return said("Verify", QT_TRANSLATE_NOOP("Verify", "the sound lasts %1 s of %2 s"))
            .arg(seconds(audioSeconds), seconds(expected.audioSeconds));
    return Said{};
}

QStringList decodeArguments(const QString &input)
{
    return {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
            QStringLiteral("error"), QStringLiteral("-stats"),
            QStringLiteral("-stats_period"), QStringLiteral("0.25"), QStringLiteral("-i"), input,
            QStringLiteral("-map"), QStringLiteral("0:v?"), QStringLiteral("-map"), QStringLiteral("0:a?"),
            QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
}

bool isDecodeError(const QString &line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(QLatin1String("[null @"));
}

} // namespace convert
