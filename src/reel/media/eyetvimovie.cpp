#include "reel/media/eyetvimovie.h"

#include "reel/core/bundle.h"
#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/plist/codec.h"
#include "reel/core/scan.h"
#include "reel/dialogs/alerts.h"
#include "reel/files/listing.h"
#include "reel/files/presence.h"
#include "reel/files/sizes.h"
#include "reel/strings/rewriting.h"
#include "reel/strings/transforms.h"
#include "reel/task/pipeline.h"

#include <QFile>

#include <unistd.h>

namespace reel {

namespace {

const QString kDurationKey = QStringLiteral("<key>actual duration</key><real>");

bool isReadableFile(const QString &path)
{
    return !path.isEmpty() && ::access(QFile::encodeName(path).constData(), R_OK) == 0;
}

// The clip's file name without its extension.
QString clipName(const QString &path)
{
    return stringByDeletingPathExtension(lastPathComponent(path));
}

const QString kTimeStampSeparator = QStringLiteral(" : ");

QString timeStampTool()
{
    return stringByAppendingPathComponent(Bundle::main().resourcePath(), QStringLiteral("tools/gettimestamps"));
}

// "<time stamp>-<clip>" from the time-stamp tool's lines for the card whose
// PLAYLIST folder lies in grand; null when no line names the clip.
QString nameFromCameraTimeStamps(const QString &grand, const QString &clip)
{
    const QStringList items = lsCocoa(grand);
    logDebug(LogLabel("dateCreation2iMovieName"), "- a : %@", items);
    const QString tool = timeStampTool();
    for (const QString &item : items) {
        if (!item.contains(QLatin1String("PLAYLIST")))
            continue;
        const QString playlist = stringByAppendingPathComponent(grand, QStringLiteral("PLAYLIST/"));
        logDebug(LogLabel("dateCreation2iMovieName"), "- folderPLAYLIST : %@", playlist);
        const QString output = taskArray1PipeMax(QStringList{tool, playlist}, false);
        logDebug(LogLabel("dateCreation2iMovieName"), "- str : %@", output);
        const QString name = nameFromTimeStampLines(output, clip);
        if (!name.isNull())
            return name;
    }
    return QString();
}

} // namespace

float eyetvDescriptionDuration(const QByteArray &bytes)
{
    // Read leniently: a stray byte elsewhere in the file (a title in another
    // encoding) must not hide the duration.
    QString text = QString::fromUtf8(bytes);
    text = findAndReplace(text, QStringLiteral("\n"), QStringLiteral(""), false);
    text = findAndReplace(text, QStringLiteral("\t"), QStringLiteral(""), false);
    text = findAndReplace(text, QStringLiteral("  "), QStringLiteral(" "), true);

    float duration = 0.0f;
    const qsizetype key = text.indexOf(kDurationKey);
    if (key >= 0) {
        const QStringView after = QStringView(text).mid(key + kDurationKey.size());
        const qsizetype end = after.indexOf(QLatin1String("</real>"));
        if (end >= 0)
            duration = floatValue(after.left(end));
    }
    return duration;
}

QString nameFromTimeStampLines(const QString &output, const QString &clip)
{
    const QStringList lines = linesToArray(output);
    logDebug(LogLabel("dateCreation2iMovieName"), "- linesA : %@", lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        logAlways("str line %d : %@", int(i), line);
        if (!line.contains(kTimeStampSeparator))
            continue;
        const QStringList parts = line.split(kTimeStampSeparator);
        if (parts.first() == clip)
            return format("%@-%@", parts.at(1), clip);
    }
    return QString();
}

QMap<QString, QString> namesFromTimeStampLines(const QString &output)
{
    QMap<QString, QString> names;
    for (const QString &line : linesToArray(output)) {
        if (!line.contains(kTimeStampSeparator))
            continue;
        const QStringList parts = line.split(kTimeStampSeparator);
        if (!names.contains(parts.first()))
            names.insert(parts.first(), format("%@-%@", parts.at(1), parts.first()));
    }
    return names;
}

float bundledVideoEyetvDuration(const QString &path)
{
    if (path.isNull() || !path.contains(QLatin1String(".eyetv/")))
        return 0.0f;
    logDebug("bundledVideoEyetvDura- debut");
    logDebug(LogLabel("input"), ": %@", path);
    QString folder = stringByDeletingLastPathComponent(path);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    logDebug(LogLabel("input"), ": %@", folder);
    const QString description = fileFromFolder(folder, QStringLiteral("eyetvr"));
    logDebug(LogLabel("pathStrEyetvr"), "  : %@", description);
    if (!isReadableFile(description)) {
        logAlways("bundledVideoEyetvDura- not readable");
        return 0.0f;
    }
    // A description is a property list of a few kilobytes; the reader's
    // limit keeps a huge file from being read whole.
    const std::optional<QByteArray> bytes = readRegularFile(description, nullptr, qint64(kPlistMaxBytes) + 1);
    if (!bytes) {
        logAlways("bundledVideoEyetvDura- no read");
        return 0.0f;
    }
    if (bytes->size() > kPlistMaxBytes) {
        logAlways("bundledVideoEyetvDura- too large");
        return 0.0f;
    }
    const float duration = eyetvDescriptionDuration(*bytes);
    logDebug(LogLabel("returnFloat"), " : %f", duration);
    return duration;
}

QString dateCreation2iMovieName(const QString &path)
{
    if (path.isNull())
        return QString();
    logAlways("dateCreation2iMovieN\u2026");
    const QString grand = stringByDeletingLastPathComponent(stringByDeletingLastPathComponent(path));
    logDebug(LogLabel("dateCreation2iMovieName"), "- 1: %@", path);
    logDebug(LogLabel("dateCreation2iMovieName"), "- 2: %@", grand);
    const QString clip = clipName(path);
    const QString stamped = nameFromCameraTimeStamps(grand, clip);
    if (!stamped.isNull())
        return stamped;

    logDebug(LogLabel("dateCreation2iMovieName"), "- 2");
    QString date = dateCreation(path);
    logDebug("dstPathNameStr = %@", date);
    if (date.isNull())
        date = QStringLiteral("");
    if (const qsizetype zone = date.indexOf(QLatin1String(" +")); zone >= 0)
        date.truncate(zone);
    QString name = format("clip-%@-%@", date, clip);
    logDebug("dstPathNameStr = %@", name);
    name = findAndReplace(name, QStringLiteral(":"), QStringLiteral(";"), false);
    name = findAndReplace(name, QStringLiteral(";;"), QStringLiteral(";"), false);
    logDebug("dstPathNameStr = %@", name);
    if (getDEBUGDEV(2))
        displayAlert(QStringLiteral("dstPathNameStr :"), name, 0, nullptr);
    return name.isNull() ? lastPathComponent(path) : name;
}

QMap<QString, QString> dateCreation2iMovieNames(const QString &playlistFolder)
{
    if (playlistFolder.isNull())
        return {};
    logDebug(LogLabel("iMovieNames"), ": %@", playlistFolder);
    // A card's clips in one run: the tool reads the playlists and the lead
    // of every clip each time it runs.
    QString errors;
    const QString output = taskArray1PipeMaxKeepingErrors({timeStampTool(), playlistFolder}, &errors);
    for (const QString &message : linesToArray(errors))
        logAlways(LogLabel("iMovieNames"), ":-/ %@", message);
    const QMap<QString, QString> names = namesFromTimeStampLines(output);
    logDebug(LogLabel("iMovieNames"), ": %d clips named", int(names.size()));
    return names;
}

QString nameCleanedFromSrcpathstr(const QString &path, const QStringList &extraSuffixes)
{
    logDebug("pathes2Titles - deb");
    const QStringList suffixes = extraSuffixes + QStringList{QStringLiteral("-PAL"), QStringLiteral("-NV"), QStringLiteral("-NF")};
    logDebug("suffixesMa : %@", suffixes);
    QString name = fichier_nom(path);
    // Each suffix is cut where the name ends with it: a name that also holds
    // the suffix's text earlier keeps what stands before the end.
    for (const QString &suffix : suffixes)
        if (!name.isNull() && name.endsWith(suffix))
            name.chop(suffix.size());
    name = findAndReplace(name, QStringLiteral("_"), QStringLiteral(" "), false);
    name = findAndReplace(name, QStringLiteral("  "), QStringLiteral(" "), true);
    if (name.size() > 1) {
        for (int i = 0; i < 10; ++i) {
            if (name.endsWith(QLatin1Char(' ')))
                name.chop(1);
            else if (name.startsWith(QLatin1Char(' ')))
                name.remove(0, 1);
            else
                break;
        }
    }
    logDebug("str def : %@", name);
    logDebug("pathes2Titles - fin");
    return name.isNull() ? stringByDeletingPathExtension(lastPathComponent(path)) : name;
}

QString oldSrcPathStr2DstPathStr(const QString &path)
{
    if (path.isNull())
        return QString();
    const QString extension = pathExtension(path);
    const QString candidate = stringByAppendingPathExtension(stringByDeletingPathExtension(path) + QStringLiteral("_MASTER"), extension);
    if (stringByDeletingPathExtension(candidate).size() < 28)
        return candidate;
    QString name = findAndReplace(stringByDeletingPathExtension(lastPathComponent(path)), QStringLiteral("."),
                                  QStringLiteral("_"), true);
    name = trimStr(name, 27 - 7) + QStringLiteral("_MASTER");
    return stringByAppendingPathExtension(stringByAppendingPathComponent(stringByDeletingLastPathComponent(path), name),
                                          extension);
}

} // namespace reel
