#include "model/tracks.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

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
        facts << QCoreApplication::translate("Tracks", "default", "the track marked default");
    const QString name = stream.type == QLatin1String("video")      ? QCoreApplication::translate("Tracks", "video #%1")
                         : stream.type == QLatin1String("audio")    ? QCoreApplication::translate("Tracks", "audio #%1")
                         : stream.type == QLatin1String("subtitle") ? QCoreApplication::translate("Tracks", "subtitles #%1")
                                                                    : QString(stream.type + QStringLiteral(" #%1"));
    const QString track = name.arg(stream.index);
    return facts.isEmpty() ? track : QStringLiteral("%1 (%2)").arg(track, facts.join(QStringLiteral(", ")));
}

// A track left out, and why.
QString droppedBecause(const StreamInfo &stream, const QString &reason)
{
    return QCoreApplication::translate("Tracks", "%1: %2", "a track and why it is left out").arg(describe(stream), reason);
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

namespace {

bool isType(const StreamInfo &stream, const char *type)
{
    return stream.type == QLatin1String(type);
}

QList<const StreamInfo *> tracksOf(const SourceInfo &source, const char *type)
{
    QList<const StreamInfo *> found;
    for (const StreamInfo &stream : source.streams) {
        if (isType(stream, type))
            found << &stream;
    }
    return found;
}

// The tracks a list names, in its order and each once; the numbers that
// name no such track go to *missing, the languages that match none to
// *absent.
QList<const StreamInfo *> listedTracks(const QList<const StreamInfo *> &tracks, const QStringList &listed,
                                       QStringList *missing, QStringList *absent)
{
    QList<const StreamInfo *> found;
    for (const QString &word : listed) {
        bool isNumber = false;
        const int number = word.toInt(&isNumber);
        bool any = false;
        for (const StreamInfo *stream : tracks) {
            if (isNumber ? stream->index != number : !sameLanguage(stream->language, word))
                continue;
            any = true;
            if (!found.contains(stream))
                found << stream;
        }
        if (!any)
            (isNumber ? missing : absent)->append(word);
    }
    return found;
}

// "no sound track #7: its sound tracks are #1, #2".
QString noSuchTrack(const QStringList &missing, const QList<const StreamInfo *> &tracks, bool sound)
{
    QStringList numbers;
    for (const StreamInfo *stream : tracks)
        numbers << QStringLiteral("#%1").arg(stream->index);
    const QString listed = numbers.join(QStringLiteral(", "));
    const QString have = numbers.isEmpty() ? QCoreApplication::translate("Tracks", "it has none")
                         : sound ? QCoreApplication::translate("Tracks", "its sound tracks are %1").arg(listed)
                                 : QCoreApplication::translate("Tracks", "its subtitle tracks are %1").arg(listed);
    const QString wanted = missing.join(QStringLiteral(", #"));
    return (sound ? QCoreApplication::translate("Tracks", "no sound track #%1: %2")
                  : QCoreApplication::translate("Tracks", "no subtitle track #%1: %2"))
        .arg(wanted, have);
}

// The sound tracks kept, with the reason each other one is dropped.
void chooseAudio(const SourceInfo &source, const Preset &preset, const TrackRequest &request, TrackChoice &choice,
                 QString *dropReason, QList<int> *overflow)
{
    const QList<const StreamInfo *> sounds = tracksOf(source, "audio");
    const StreamInfo *marked = nullptr;
    for (const StreamInfo *stream : sounds) {
        if (!marked || (stream->isDefault && !marked->isDefault))
            marked = stream;
    }
    QList<const StreamInfo *> chosen;
    switch (request.audio) {
    case TrackRequest::Pick::Default:
        if (marked)
            chosen << marked;
        *dropReason = QCoreApplication::translate("Tracks", "one sound track is kept");
        break;
    case TrackRequest::Pick::All:
        chosen = sounds;
        break;
    case TrackRequest::Pick::None:
        *dropReason = QCoreApplication::translate("Tracks", "no sound asked for");
        break;
    case TrackRequest::Pick::Listed: {
        QStringList missing, absent;
        chosen = listedTracks(sounds, request.audioListed, &missing, &absent);
        *dropReason = QCoreApplication::translate("Tracks", "not asked for");
        if (!missing.isEmpty())
            choice.problem = noSuchTrack(missing, sounds, true);
        if (!absent.isEmpty() && !sounds.isEmpty()) {
            choice.remarks
                << (chosen.isEmpty() ? QCoreApplication::translate("Tracks", "no sound in %1: the default track is kept")
                                     : QCoreApplication::translate("Tracks", "no sound in %1"))
                       .arg(absent.join(QStringLiteral(", ")));
        }
        if (chosen.isEmpty() && marked)
            chosen << marked;
        break;
    }
    }
    while (preset.family == Family::DvdMpeg2 && chosen.size() > kMaxDvdAudioTracks)
        *overflow << chosen.takeLast()->index;
    for (const StreamInfo *stream : std::as_const(chosen))
        choice.audio << stream->index;
    const bool listedFirst = request.audio == TrackRequest::Pick::Listed;
    choice.defaultAudio = chosen.isEmpty() ? -1
                          : !listedFirst && chosen.contains(marked) ? marked->index
                                                                     : chosen.first()->index;
}

QList<const StreamInfo *> chosenSubtitles(const SourceInfo &source, const TrackRequest &request, TrackChoice &choice)
{
    const QList<const StreamInfo *> all = tracksOf(source, "subtitle");
    switch (request.subtitles) {
    case TrackRequest::Pick::Default:
    case TrackRequest::Pick::All:
        return all;
    case TrackRequest::Pick::None:
        return {};
    case TrackRequest::Pick::Listed:
        break;
    }
    QStringList missing, absent;
    const QList<const StreamInfo *> chosen = listedTracks(all, request.subtitlesListed, &missing, &absent);
    if (!missing.isEmpty() && choice.problem.isEmpty())
        choice.problem = noSuchTrack(missing, all, false);
    if (!absent.isEmpty() && !all.isEmpty())
        choice.remarks
            << QCoreApplication::translate("Tracks", "no subtitles in %1").arg(absent.join(QStringLiteral(", ")));
    return chosen;
}

// The subtitle track to draw into the picture, as the request names it.
void chooseBurn(const SourceInfo &source, const TrackRequest &request, TrackChoice &choice)
{
    if (request.burn.isEmpty())
        return;
    const QList<const StreamInfo *> all = tracksOf(source, "subtitle");
    bool isNumber = false;
    const int number = request.burn.toInt(&isNumber);
    for (int ordinal = 0; ordinal < all.size(); ++ordinal) {
        const StreamInfo *stream = all.at(ordinal);
        if (isNumber ? stream->index != number : !sameLanguage(stream->language, request.burn))
            continue;
        if (!isTextSubtitle(stream->codec) && !isPictureSubtitle(stream->codec)) {
            choice.remarks
                << QCoreApplication::translate("Tracks", "%1 cannot be drawn into the picture").arg(describe(*stream));
            return;
        }
        choice.burn = stream->index;
        choice.burnOrdinal = ordinal;
        choice.burnPicture = isPictureSubtitle(stream->codec);
        choice.kept << QCoreApplication::translate("Tracks", "%1 drawn into the picture").arg(describe(*stream));
        return;
    }
    if (isNumber && choice.problem.isEmpty())
        choice.problem = noSuchTrack({request.burn}, all, false);
    else if (!isNumber)
        choice.remarks
            << QCoreApplication::translate("Tracks", "no subtitles in %1 to draw into the picture").arg(request.burn);
}

// Why a subtitle track asked for cannot go into the output; empty when it can.
QString subtitleRefusal(const StreamInfo &stream, const SourceInfo &source, const Preset &preset)
{
    if (preset.family == Family::DvdMpeg2) {
        // A DVD's own subpictures go as they are, drawn for the frame they
        // came with: only onto a frame of that size.
        if (stream.codec == QLatin1String("dvd_subtitle")) {
            const StreamInfo *picture = source.video();
            if (picture && picture->width == preset.width && picture->height == preset.height)
                return QString();
            return QCoreApplication::translate(
                       "Tracks", "DVD subpictures drawn for another frame than %1x%2 (--burn-subtitle draws them "
                                 "into the picture)")
                .arg(preset.width)
                .arg(preset.height);
        }
        if (isPictureSubtitle(stream.codec))
            return QCoreApplication::translate(
                "Tracks", "only DVD subpictures go onto a DVD as they are (--burn-subtitle draws these into "
                          "the picture)");
        return QCoreApplication::translate("Tracks", "DVD subtitles are made when the disc is authored");
    }
    if (!isTextSubtitle(stream.codec) && !preset.isMatroska())
        return QCoreApplication::translate("Tracks", "picture subtitles cannot become MP4 text subtitles");
    return QString();
}

} // namespace

bool isPictureSubtitle(const QString &codec)
{
    static const QStringList pictures{QStringLiteral("hdmv_pgs_subtitle"), QStringLiteral("dvd_subtitle"),
                                      QStringLiteral("dvb_subtitle"), QStringLiteral("xsub")};
    return pictures.contains(codec);
}

TrackChoice chooseTracks(const SourceInfo &source, const Preset &preset, const TrackRequest &request)
{
    TrackChoice choice;
    const StreamInfo *picture = source.video();
    if (picture) {
        choice.video = picture->index;
        choice.kept << describe(*picture);
    }
    QString audioDropped;
    QList<int> overDvd;
    chooseAudio(source, preset, request, choice, &audioDropped, &overDvd);
    for (int index : std::as_const(choice.audio)) {
        for (const StreamInfo &stream : source.streams) {
            if (stream.index == index)
                choice.kept << describe(stream);
        }
    }
    const QList<const StreamInfo *> asked = chosenSubtitles(source, request, choice);
    chooseBurn(source, request, choice);
    for (const StreamInfo *stream : asked) {
        if (stream->index != choice.burn && subtitleRefusal(*stream, source, preset).isEmpty()) {
            // One subpicture stream of a DVD's 32 is left for the subtitles
            // the disc makes.
            if (preset.family == Family::DvdMpeg2 && choice.subtitles.size() >= kMaxDvdSubpictures - 1)
                continue;
            choice.subtitles << stream->index;
            choice.kept << (preset.family == Family::DvdMpeg2
                                ? QCoreApplication::translate("Tracks", "%1 as DVD subpictures").arg(describe(*stream))
                            : preset.isMatroska()
                                ? describe(*stream)
                                : QCoreApplication::translate("Tracks", "%1 as MP4 text subtitles").arg(describe(*stream)));
        }
    }

    int data = 0;
    int attachments = 0;
    // The rest in the order of the output's kinds: picture, sound, subtitles.
    for (const char *type : {"video", "audio", "subtitle"}) {
        for (const StreamInfo &stream : source.streams) {
            if (!isType(stream, type))
                continue;
            if (isType(stream, "video") && &stream != picture) {
                choice.dropped << droppedBecause(stream, stream.attachedPicture
                                                             ? QCoreApplication::translate("Tracks", "a cover picture")
                                                             : QCoreApplication::translate("Tracks", "one picture is converted"));
            } else if (isType(stream, "audio") && !choice.audio.contains(stream.index)) {
                choice.dropped << droppedBecause(stream, overDvd.contains(stream.index)
                                                             ? QCoreApplication::translate("Tracks", "a DVD holds %1 sound tracks")
                                                                   .arg(kMaxDvdAudioTracks)
                                                             : audioDropped);
            } else if (isType(stream, "subtitle") && !choice.subtitles.contains(stream.index)
                       && stream.index != choice.burn) {
                QString refusal = subtitleRefusal(stream, source, preset);
                if (refusal.isEmpty())
                    refusal = QCoreApplication::translate("Tracks", "a DVD holds %1 subpicture streams")
                                  .arg(kMaxDvdSubpictures);
                const bool wanted = asked.contains(&stream);
                const QString why = wanted || request.subtitles == TrackRequest::Pick::Default ? refusal
                                    : request.subtitles == TrackRequest::Pick::None
                                        ? QCoreApplication::translate("Tracks", "no subtitles asked for")
                                        : QCoreApplication::translate("Tracks", "not asked for");
                choice.dropped << droppedBecause(stream, why);
            }
        }
    }
    for (const StreamInfo &stream : source.streams) {
        if (isType(stream, "attachment"))
            ++attachments;
        else if (!isType(stream, "video") && !isType(stream, "audio") && !isType(stream, "subtitle"))
            ++data;
    }
    if (data > 0)
        choice.dropped << counted("Tracks", QT_TRANSLATE_N_NOOP("Tracks", "%n data track(s)"), data);
    if (attachments > 0)
        choice.dropped << counted("Tracks", QT_TRANSLATE_N_NOOP("Tracks", "%n attachment(s) (fonts, pictures)"),
                                  attachments);
    return choice;
}

bool sameLanguage(const QString &tag, const QString &wanted)
{
    if (tag.isEmpty() || wanted.isEmpty())
        return false;
    if (tag.compare(wanted, Qt::CaseInsensitive) == 0)
        return true;
    const QLocale::Language a = QLocale::codeToLanguage(tag.toLower());
    return a != QLocale::AnyLanguage && a != QLocale::C && a == QLocale::codeToLanguage(wanted.toLower());
}

bool readBurnWord(const QString &value, QString *burn, QString *error)
{
    TrackRequest::Pick pick = TrackRequest::Pick::Default;
    QStringList listed;
    if (!readTrackWords(value, true, &pick, &listed, error) || pick != TrackRequest::Pick::Listed || listed.size() != 1) {
        *error = QCoreApplication::translate(
                     "Tracks", "--burn-subtitle takes one track number as the plan shows it (3 for #3) or one "
                               "language (eng, fr...), not '%1'")
                     .arg(value);
        return false;
    }
    *burn = listed.first();
    return true;
}

bool readTrackWords(const QString &value, bool subtitles, TrackRequest::Pick *pick, QStringList *listed,
                    QString *error)
{
    const QString option = subtitles ? QStringLiteral("--subtitle") : QStringLiteral("--audio");
    const QString word = value.trimmed().toLower();
    listed->clear();
    if (word == QLatin1String("all") || word == QLatin1String("none")
        || (!subtitles && word == QLatin1String("default"))) {
        *pick = word == QLatin1String("all")    ? TrackRequest::Pick::All
                : word == QLatin1String("none") ? TrackRequest::Pick::None
                                                : TrackRequest::Pick::Default;
        return true;
    }
    static const QRegularExpression number(QStringLiteral("^\\d{1,4}$"));
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    for (const QString &part : word.split(QLatin1Char(','))) {
        const QString item = part.trimmed();
        const bool known = number.match(item).hasMatch()
                           || (code.match(item).hasMatch() && QLocale::codeToLanguage(item) != QLocale::AnyLanguage);
        if (!known) {
            *error = QCoreApplication::translate(
                         "Tracks", "%1 takes %2, track numbers as the plan shows them (2 for #2) or languages "
                                   "(eng, fr...), separated by commas; '%3' is neither")
                         .arg(option, subtitles ? QStringLiteral("none, all") : QStringLiteral("default, all, none"),
                              item.isEmpty() ? value : item);
            return false;
        }
        *listed << item;
    }
    *pick = TrackRequest::Pick::Listed;
    return true;
}

QString trackSummary(const TrackChoice &choice)
{
    const QString kept = choice.kept.join(QStringLiteral(", "));
    const QString text = choice.hasAudio() ? QCoreApplication::translate("Tracks", "kept %1").arg(kept)
                                           : QCoreApplication::translate("Tracks", "kept %1 (no sound)").arg(kept);
    if (choice.dropped.isEmpty())
        return text;
    return QCoreApplication::translate("Tracks", "%1; dropped %2", "what is kept; what is left out")
        .arg(text, choice.dropped.join(QStringLiteral(", ")));
}

} // namespace convert
