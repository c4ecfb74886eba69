#include "probing/probe.h"

#include "model/tools.h"
#include "probing/cards.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>
#include <reel/numbers.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <sys/stat.h>

namespace convert {

namespace {

// Frames the interlace test looks at: five seconds of NTSC video.
constexpr int kIdetFrames = 150;

QString lastLine(const QByteArray &text)
{
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

// ffmpeg run over frames of the source's picture from start seconds in,
// through an analysing filter whose findings go to its log.
RunResult analysePicture(const SourceInfo &info, double start, int frames, const QString &filter,
                         const RunLimits &limits)
{
    const QStringList words{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                            QStringLiteral("-loglevel"), QStringLiteral("info"),
                            QStringLiteral("-ss"), QString::number(start, 'f', 3),
                            QStringLiteral("-i"), info.path,
                            QStringLiteral("-map"), QStringLiteral("0:%1").arg(info.video()->index),
                            QStringLiteral("-frames:v"), QString::number(frames),
                            QStringLiteral("-vf"), filter,
                            QStringLiteral("-an"), QStringLiteral("-sn"), QStringLiteral("-dn"),
                            QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
    return runBounded(toolPath(QStringLiteral("ffmpeg")), words, limits);
}

// ffmpeg's interlace test on a stretch of the picture a quarter of the way in
// (openings are often black, which tells nothing).
FieldOrder testFieldOrder(const SourceInfo &info, const RunLimits &limits, Said *error)
{
    const double start = info.duration >= 4 ? std::min(double(info.duration) / 4, 300.0) : 0;
    const RunResult run = analysePicture(info, start, kIdetFrames, QStringLiteral("idet"), limits);
    if (run.outcome == RunResult::Outcome::Cancelled)
        *error = unfinishedRun(said("Probe", QT_TRANSLATE_NOOP("Probe", "the interlace test")), run, limits);
    return idetVerdict(QString::fromUtf8(run.err));
}

// Frames cropdetect looks at in each point, and the points.
constexpr int kCropdetectFrames = 12;
constexpr double kCropdetectPoints[] = {0.1, 0.3, 0.5, 0.7, 0.9};

// The duration of a stream without times (a raw .m2v or .h264): its frames
// counted, over its rate. 0 when that cannot be had in time.
float countedDuration(const SourceInfo &info, const RunLimits &limits)
{
    const StreamInfo &video = *info.video();
    if (!(video.fps > 0))
        return 0;
    const QStringList words{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                            QStringLiteral("%1").arg(video.index), QStringLiteral("-count_packets"),
                            QStringLiteral("-show_entries"), QStringLiteral("stream=nb_read_packets"),
                            QStringLiteral("-of"), QStringLiteral("json"), QStringLiteral("-i"), info.path};
    const RunResult run = runBounded(toolPath(QStringLiteral("ffprobe")), words, limits);
    if (!run.succeeded())
        return 0;
    const QJsonArray streams = QJsonDocument::fromJson(run.out).object().value(QLatin1String("streams")).toArray();
    const double frames = streams.isEmpty() ? 0 : probeNumber(streams.first().toObject().value(QLatin1String("nb_read_packets")));
    const double seconds = frames / double(video.fps);
    return seconds > 0 && seconds < 1e7 ? float(seconds) : 0.0f;
}

// Whether path is a regular file that can be read (links followed); else
// info.error says what it is instead.
bool isReadableFile(const QString &path, SourceInfo &info, struct stat &st)
{
    if (info.path.isEmpty() || ::stat(QFile::encodeName(info.path).constData(), &st) != 0
        || !reel::testPresenceCocoa(info.path)) {
        info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "cannot read %1")).arg(path));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 is a folder, not a video")).arg(path));
        return false;
    }
    // A pipe or a device would keep ffprobe waiting for data that may never
    // come, and cannot be read twice (two passes).
    if (!S_ISREG(st.st_mode)) {
        const Said kind = S_ISFIFO(st.st_mode) ? said("Probe", QT_TRANSLATE_NOOP("Probe", "a named pipe"))
                          : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)
                              ? said("Probe", QT_TRANSLATE_NOOP("Probe", "a device"))
                          : S_ISSOCK(st.st_mode) ? said("Probe", QT_TRANSLATE_NOOP("Probe", "a socket"))
                                                 : said("Probe", QT_TRANSLATE_NOOP("Probe", "a special file"));
        info.refuse(
            said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 is %2, not a regular file; only files can be converted"))
                .arg(Said{path, path})
                .arg(kind));
        reel::logAlways(reel::LogLabel("probeSource"), ":-( %@", info.errorInEnglish);
        return false;
    }
    return true;
}

} // namespace

Bars measureBlackBars(const SourceInfo &source, const RunLimits &limits)
{
    if (!source.usable() || !source.video())
        return Bars{};
    QList<Bars> measured;
    for (const double point : kCropdetectPoints) {
        const RunResult run = analysePicture(source, double(source.duration) * point, kCropdetectFrames,
                                             QStringLiteral("cropdetect=limit=24:round=2:reset=0"), limits);
        if (!run.succeeded())
            return Bars{};
        measured << barsFromCropdetect(QString::fromUtf8(run.err), source.width, source.height);
    }
    return commonBars(measured);
}

SourceInfo probeSource(const QString &path, const RunLimits &limits)
{
    SourceInfo info;
    info.path = path.isEmpty() ? path : QFileInfo(reel::stringByExpandingTildeInPath(path)).absoluteFilePath();
    info.title = reel::nameCleanedFromSrcpathstr(info.path, QStringList());
    struct stat st = {};
    if (!isReadableFile(path, info, st))
        return info;
    info.sizeMB = reel::octet2unite(qint64(st.st_size), QStringLiteral("M"));

    // Only now: a card clip's name comes from a tool that reads the file.
    if (isCardClip(info.path))
        info.title = sourceTitle(info.path, &info.titleNote);
    // A card's clip never written, a download never begun: no tool needed.
    if (st.st_size == 0) {
        info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 cannot be read: the file is empty")).arg(path));
        reel::logAlways(reel::LogLabel("probeSource"), ":-( %@", info.errorInEnglish);
        return info;
    }
    if (!reel::testPresenceCocoa(toolPath(QStringLiteral("ffprobe")))) {
        info.refuse(missingTools({QStringLiteral("ffprobe")}));
        return info;
    }

    const QStringList words{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-of"),
                            QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams"),
                            QStringLiteral("-i"), info.path};
    const RunResult run = runBounded(toolPath(QStringLiteral("ffprobe")), words, limits);
    if (run.outcome != RunResult::Outcome::Finished) {
        const QString ffprobe = QStringLiteral("ffprobe");
        info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 on %2"))
                        .arg(unfinishedRun(Said{ffprobe, ffprobe}, run, limits))
                        .arg(path));
        reel::logAlways(reel::LogLabel("probeSource"), ":-( %@", info.errorInEnglish);
        return info;
    }
    readProbeJson(run.out, info);
    if (info.video() && !(info.duration > 0) && !info.stillPicture) {
        info.duration = countedDuration(info, limits);
        if (info.duration > 0 && !info.hasAudio && info.duration * info.video()->fps < 1.5f) {
            info.stillPicture = true;
            info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 is a still picture, not a video")).arg(info.path));
        } else if (info.duration > 0) {
            info.refuse(Said{});
        }
    }
    const QString told = lastLine(run.err);
    if (!info.usable() && run.exitCode != 0 && !told.isEmpty())
        info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 cannot be read: %2")).arg(path, told));
    if (!info.usable()) {
        reel::logAlways(reel::LogLabel("probeSource"), ":-( %@", info.errorInEnglish);
        return info;
    }
    const StreamInfo &video = *info.video();
    if (info.fieldOrder == FieldOrder::Unknown && video.codec == QLatin1String("dvvideo")
        && (video.height == 480 || video.height == 576)) {
        // Standard-definition DV is interlaced bottom field first by its
        // standard, and its container does not say so.
        info.fieldOrder = FieldOrder::BottomFirst;
    }
    if (info.fieldOrder == FieldOrder::Unknown) {
        Said error;
        info.fieldOrder = testFieldOrder(info, limits, &error);
        info.fieldOrderTested = true;
        if (!error.shown.isEmpty())
            info.refuse(said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 on %2")).arg(error).arg(path));
    }
    reel::logDebug(reel::LogLabel("probeSource"), ":-) %@: %d x %d, %@, %@ s", info.path, info.width, info.height,
                   fieldOrderSaid(info.fieldOrder).english, QString::number(info.duration));
    return info;
}

} // namespace convert
