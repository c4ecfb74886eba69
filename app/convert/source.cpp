#include "source.h"

#include "tools.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>
#include <reel/numbers.h>
#include <reel/strings.h>
#include <reel/task.h>

#include <QFileInfo>
#include <QHash>

namespace convert {

namespace {

// "key=value" lines of ffprobe's flat output; the first value of a key wins,
// so the first video stream's fields are the ones kept.
QHash<QString, QString> probeFields(const QString &output, QStringList *otherLines)
{
    QHash<QString, QString> fields;
    for (const QString &line : reel::linesToArray(output)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            otherLines->append(line.trimmed());
            continue;
        }
        const QString key = line.left(eq);
        if (key == QLatin1String("codec_type")) {
            fields[QStringLiteral("types")] += line.mid(eq + 1) + QLatin1Char(' ');
            continue;
        }
        if (!fields.contains(key))
            fields.insert(key, line.mid(eq + 1));
    }
    return fields;
}

} // namespace

SourceInfo probeSource(const QString &path)
{
    SourceInfo info;
    info.path = path.isEmpty() ? path : QFileInfo(reel::stringByExpandingTildeInPath(path)).absoluteFilePath();
    info.title = reel::nameCleanedFromSrcpathstr(info.path, QStringList());
    if (info.path.isEmpty() || !reel::testPresenceCocoa(info.path)) {
        info.error = QStringLiteral("cannot read %1").arg(path);
        return info;
    }
    if (reel::isDirectory(info.path)) {
        info.error = QStringLiteral("%1 is a folder, not a video").arg(path);
        return info;
    }
    info.sizeMB = reel::poidsFile(info.path, QStringLiteral("M"));
    if (!reel::testPresenceCocoa(toolPath(QStringLiteral("ffprobe")))) {
        info.error = missingToolsMessage({QStringLiteral("ffprobe")});
        return info;
    }

    // Video fields first so that the first width and height are the video's.
    const QStringList words{toolPath(QStringLiteral("ffprobe")), QStringLiteral("-v"), QStringLiteral("error"),
                            QStringLiteral("-show_entries"),
                            QStringLiteral("stream=codec_type,width,height,display_aspect_ratio:format=duration"),
                            QStringLiteral("-of"), QStringLiteral("default=noprint_wrappers=1"),
                            QStringLiteral("-i"), info.path};
    QStringList otherLines;
    const QHash<QString, QString> fields = probeFields(reel::taskArray1PipeMax(words, true), &otherLines);
    const QString types = fields.value(QStringLiteral("types"));
    if (!types.contains(QLatin1String("video "))) {
        info.error = otherLines.isEmpty() ? QStringLiteral("%1 holds no video that ffmpeg can read").arg(path)
                                          : QStringLiteral("%1 cannot be read: %2").arg(path, otherLines.last());
        reel::logAlways("probeSource         :-( %@", info.error);
        return info;
    }
    info.hasAudio = types.contains(QLatin1String("audio "));
    info.width = fields.value(QStringLiteral("width")).toInt();
    info.height = fields.value(QStringLiteral("height")).toInt();
    const QString aspect = fields.value(QStringLiteral("display_aspect_ratio"));
    if (aspect.contains(QLatin1Char(':')) && !aspect.startsWith(QLatin1String("0:")))
        info.displayAspect = reel::fractionStr2Float(aspect);
    else if (info.height > 0)
        info.displayAspect = float(info.width) / float(info.height);
    info.duration = reel::str2Float(fields.value(QStringLiteral("duration")));
    if (!(info.duration > 0)) {
        info.error = QStringLiteral("%1 has no duration that ffmpeg can read").arg(path);
        reel::logAlways("probeSource         :-( %@", info.error);
    }
    return info;
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
    if (mebibytes >= 1024)
        return QStringLiteral("%1 GB").arg(mebibytes / 1024, 0, 'f', 1);
    return QStringLiteral("%1 MB").arg(mebibytes, 0, 'f', 1);
}

} // namespace convert
