#include "window/thumbnails.h"

#include "model/tools.h"

#include <reel/core.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace convert {

namespace {

constexpr int kThumbnailHeight = 72;

// The file names the video as it is now: an edited or replaced video (its
// size or time changed) gets a new thumbnail, and a moved one keeps none.
QString cacheName(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QByteArray key = QStringLiteral("%1\n%2\n%3")
                               .arg(canonical.isEmpty() ? info.absoluteFilePath() : canonical)
                               .arg(info.size())
                               .arg(info.lastModified().toMSecsSinceEpoch())
                               .toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) + QStringLiteral(".png");
}

} // namespace

QString thumbnailFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/thumbnails");
}

QString thumbnailFor(const SourceInfo &source, const RunLimits &limits)
{
    if (!source.usable() || !source.video())
        return QString();
    const QString folder = thumbnailFolder();
    const QString png = folder + QLatin1Char('/') + cacheName(source.path);
    if (QFileInfo(png).size() > 0)
        return png;
    if (!QDir().mkpath(folder)) {
        reel::logAlways(reel::LogLabel("thumbnailFor"), ":-( cannot make %@", folder);
        return QString();
    }
    // Written aside and renamed, so that a run stopped half-way leaves no
    // broken picture in the cache.
    const QString unfinished = png + QStringLiteral(".unfinished.png");
    const QStringList words{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                            QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                            QStringLiteral("-ss"), QString::number(double(source.duration) / 10, 'f', 3),
                            QStringLiteral("-i"), source.path,
                            QStringLiteral("-map"), QStringLiteral("0:%1").arg(source.video()->index),
                            QStringLiteral("-frames:v"), QStringLiteral("1"),
                            QStringLiteral("-vf"), QStringLiteral("scale=-2:%1").arg(kThumbnailHeight),
                            QStringLiteral("-f"), QStringLiteral("image2"), unfinished};
    const RunResult run = runBounded(toolPath(QStringLiteral("ffmpeg")), words, limits);
    if (!run.succeeded() || QFileInfo(unfinished).size() == 0 || !QFile::rename(unfinished, png)) {
        QFile::remove(unfinished);
        const QString stopped = unfinishedRun(untranslated(QStringLiteral("ffmpeg")), run, limits).english;
        reel::logAlways(reel::LogLabel("thumbnailFor"), ":-( none for %@: %@", source.path,
                        !stopped.isEmpty() ? stopped : QString::fromUtf8(run.err).trimmed());
        return QString();
    }
    return png;
}

} // namespace convert
