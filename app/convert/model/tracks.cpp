#include "model/tracks.h"

namespace convert {

namespace {

QString describe(const StreamInfo &stream)
{
    QStringList facts;
    if (!stream.codec.isEmpty())
        facts << stream.codec;
    if (stream.type == QLatin1String("video") && stream.width > 0)
        facts << QStringLiteral("%1x%2").arg(stream.width).arg(stream.height);
    if (!stream.language.isEmpty())
        facts << stream.language;
    if (!stream.title.isEmpty())
        facts << QStringLiteral("\"%1\"").arg(stream.title);
    if (stream.isDefault && stream.type != QLatin1String("video"))
        facts << QStringLiteral("default");
    const QString name = stream.type == QLatin1String("subtitle") ? QStringLiteral("subtitles") : stream.type;
    return facts.isEmpty() ? QStringLiteral("%1 #%2").arg(name).arg(stream.index)
                           : QStringLiteral("%1 #%2 (%3)").arg(name).arg(stream.index).arg(facts.join(QStringLiteral(", ")));
}

} // namespace

bool isTextSubtitle(const QString &codec)
{
    static const QStringList text{QStringLiteral("subrip"), QStringLiteral("srt"), QStringLiteral("ass"),
                                  QStringLiteral("ssa"), QStringLiteral("mov_text"), QStringLiteral("webvtt"),
                                  QStringLiteral("text"), QStringLiteral("microdvd"), QStringLiteral("subviewer"),
                                  QStringLiteral("subviewer1"), QStringLiteral("sami"), QStringLiteral("realtext"),
                                  QStringLiteral("mpl2"), QStringLiteral("pjs"), QStringLiteral("vplayer"),
                                  QStringLiteral("jacosub"), QStringLiteral("stl")};
    return text.contains(codec);
}

TrackChoice chooseTracks(const SourceInfo &source, const Preset &preset)
{
    TrackChoice choice;
    const StreamInfo *picture = source.video();
    if (picture)
        choice.video = picture->index;

    // The default sound track, else the first.
    const StreamInfo *sound = nullptr;
    for (const StreamInfo &stream : source.streams) {
        if (stream.type != QLatin1String("audio"))
            continue;
        if (!sound || (stream.isDefault && !sound->isDefault))
            sound = &stream;
    }
    if (sound)
        choice.audio = sound->index;

    int data = 0;
    int attachments = 0;
    // Said in the order they go into the output: picture, sound, subtitles.
    QList<const StreamInfo *> ordered;
    for (const char *type : {"video", "audio", "subtitle"}) {
        for (const StreamInfo &stream : source.streams) {
            if (stream.type == QLatin1String(type))
                ordered << &stream;
        }
    }
    for (const StreamInfo &stream : source.streams) {
        if (stream.type != QLatin1String("video") && stream.type != QLatin1String("audio")
            && stream.type != QLatin1String("subtitle"))
            ordered << &stream;
    }
    for (const StreamInfo *each : std::as_const(ordered)) {
        const StreamInfo &stream = *each;
        if (stream.type == QLatin1String("video")) {
            if (&stream == picture)
                choice.kept << describe(stream);
            else
                choice.dropped << describe(stream)
                                      + (stream.attachedPicture ? QStringLiteral(": a cover picture")
                                                                : QStringLiteral(": one picture is converted"));
        } else if (stream.type == QLatin1String("audio")) {
            if (&stream == sound)
                choice.kept << describe(stream);
            else
                choice.dropped << describe(stream) + QStringLiteral(": one sound track is kept");
        } else if (stream.type == QLatin1String("subtitle")) {
            if (preset.family != Family::Mp4)
                choice.dropped << describe(stream) + QStringLiteral(": DVD subtitles are made when the disc is authored");
            else if (!isTextSubtitle(stream.codec))
                choice.dropped << describe(stream) + QStringLiteral(": picture subtitles cannot become MP4 text subtitles");
            else {
                choice.subtitles << stream.index;
                choice.kept << describe(stream) + QStringLiteral(" as MP4 text subtitles");
            }
        } else if (stream.type == QLatin1String("attachment")) {
            ++attachments;
        } else {
            ++data;
        }
    }
    if (data > 0)
        choice.dropped << QStringLiteral("%1 data track%2").arg(data).arg(data > 1 ? QStringLiteral("s") : QString());
    if (attachments > 0)
        choice.dropped << QStringLiteral("%1 attachment%2 (fonts, pictures)")
                              .arg(attachments)
                              .arg(attachments > 1 ? QStringLiteral("s") : QString());
    return choice;
}

QString trackSummary(const TrackChoice &choice)
{
    QString text = QStringLiteral("kept ") + choice.kept.join(QStringLiteral(", "));
    if (choice.audio < 0)
        text += QStringLiteral(" (no sound)");
    if (!choice.dropped.isEmpty())
        text += QStringLiteral("; dropped ") + choice.dropped.join(QStringLiteral(", "));
    return text;
}

} // namespace convert
