#include "model/subtitles.h"

#include "model/language.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/text.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace convert {

namespace {

// The toolkit's table spells UTF-8 "UTF- 8", which its own callers keep.
QString encodingName(reel::StringEncoding encoding)
{
    if (encoding == reel::kUTF8StringEncoding)
        return QStringLiteral("UTF-8");
    return reel::encodingCharsetInt2Name(int(encoding), QString()).toString();
}

} // namespace

QString subtitleBeside(const QString &videoPath)
{
    const QString folder = reel::stringByDeletingLastPathComponent(videoPath);
    const QString base = reel::stringByDeletingPathExtension(reel::lastPathComponent(videoPath));
    QString found;
    for (const QString &item : reel::lsGrepCocoa(folder, QStringLiteral("srt"))) {
        if (reel::stringByDeletingPathExtension(reel::lastPathComponent(item)) != base)
            continue;
        // "x.srt" before "x.SRT" when both are there: the listing is sorted.
        if (found.isNull() || reel::pathExtension(item) == QLatin1String("srt"))
            found = item;
    }
    return found;
}

SubtitleTrack readSubtitles(const QString &path)
{
    SubtitleTrack track;
    track.path = path;
    const QString name = reel::lastPathComponent(path);
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const Said why =
            said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "the subtitles %1 cannot be read (no such file)"))
                .arg(path);
        track.error = why.shown;
        reel::logAlways(reel::LogLabel("subtitles"), ":-( %@", why.english);
        return track;
    }
    // Never read a folder, a pipe or a device.
    if (!S_ISREG(st.st_mode)) {
        const Said why =
            said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "the subtitles %1 cannot be read (not a regular file)"))
                .arg(path);
        track.error = why.shown;
        reel::logAlways(reel::LogLabel("subtitles"), ":-( %@", why.english);
        return track;
    }
    if (st.st_size > kMaxSubtitleBytes) {
        const Said why =
            said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "the subtitles %1 are too large (%2 MB) to be subtitles"))
                .arg(path)
                .arg(QString::number(double(st.st_size) / (1024 * 1024), 'f', 1));
        track.error = why.shown;
        reel::logAlways(reel::LogLabel("subtitles"), ":-( %@", why.english);
        return track;
    }
    const reel::DecodedText decoded = reel::readFileDetectingEncoding(path);
    if (decoded.text.isNull()) {
        const Said why = said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "the subtitles %1 cannot be read: %2"))
                             .arg(Said{path, path})
                             .arg(decoded.error.isEmpty()
                                      ? said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "their encoding is not known"))
                                      : Said{decoded.error, decoded.error});
        track.error = why.shown;
        reel::logAlways(reel::LogLabel("subtitles"), ":-( %@", why.english);
        return track;
    }
    track.encodingName = encodingName(decoded.encoding);
    const SrtRead read = parseSrt(decoded.text);
    track.cues = read.cues;
    track.skipped = read.skipped;
    if (track.cues.isEmpty()) {
        const Said why =
            said("Subtitles", QT_TRANSLATE_NOOP("Subtitles", "the subtitles %1 hold no cue that can be read"))
                .arg(path);
        track.error = why.shown;
        reel::logAlways(reel::LogLabel("subtitles"), ":-( %@", why.english);
        return track;
    }
    reel::logDebug(reel::LogLabel("subtitles"), ":-) %@: %d cues, %@, %d left out", name, int(track.cues.size()),
                   track.encodingName, track.skipped);
    return track;
}

QHash<QString, SubtitleTrack> subtitlesFor(const QStringList &videos, const QStringList &given, QStringList *problems)
{
    QHash<QString, SubtitleTrack> found;
    for (qsizetype i = 0; i < videos.size(); ++i) {
        const QString path = i < given.size() ? reel::stringByExpandingTildeInPath(given.at(i))
                                              : subtitleBeside(videos.at(i));
        if (path.isEmpty())
            continue;
        const SubtitleTrack track = readSubtitles(path);
        if (track.usable())
            found.insert(videos.at(i), track);
        else if (problems)
            *problems << QCoreApplication::translate("Subtitles", "%1; the disc is made without them").arg(track.error);
    }
    for (qsizetype i = videos.size(); i < given.size() && problems; ++i)
        *problems << counted("Subtitles",
                             QT_TRANSLATE_N_NOOP("Subtitles",
                                                 "the subtitles %1 have no video of their own (%n video(s)) "
                                                 "and are left out"),
                             int(videos.size()))
                         .arg(given.at(i));
    return found;
}

} // namespace convert
