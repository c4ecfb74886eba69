#include "probing/discovery.h"

#include "probing/cards.h"

#include "model/language.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>

#include <QFile>

#include <sys/stat.h>

namespace convert {

namespace {

bool isRegularFile(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Hidden below the searched folder: a dot file, or anything in a dot folder
// (our own unfinished outputs, a file browser's thumbnails).
bool hiddenBelow(const QString &path, const QString &folder)
{
    const QString relative = path.mid(folder.size());
    return relative.contains(QLatin1String("/."));
}

QStringList videosIn(const QString &folder)
{
    const QStringList extensions = videoExtensions();
    QString root = folder;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    QStringList found;
    for (const QString &item : reel::lsCocoaRecursive(root)) {
        if (hiddenBelow(item, root))
            continue;
        if (!extensions.contains(reel::pathExtension(item).toLower()))
            continue;
        if (isRegularFile(item))
            found << item;
    }
    return found;
}

// A camera card gives its clips first, in the order they were shot, then
// whatever other videos it holds (a camera's MP4 folder); any other folder
// its videos by extension. *problem says why a card's clips cannot be had.
QStringList videosOf(const QString &folder, QString *problem)
{
    const QString stream = cardStreamFolder(folder);
    if (stream.isNull())
        return videosIn(folder);
    QString error;
    QStringList found = cardClips(stream, &error);
    if (!error.isEmpty()) {
        const Said why = said("Discovery", QT_TRANSLATE_NOOP("Discovery", "cannot read the card's clips in %1: %2"))
                             .arg(stream, error);
        *problem = why.shown;
        reel::logAlways(reel::LogLabel("discoverSources"), ":-( %@", why.english);
    }
    reel::logDebug(reel::LogLabel("discoverSources"), ": camera card %@, %d clips", folder, int(found.size()));
    for (const QString &other : videosIn(folder)) {
        if (!isCardClip(other))
            found << other;
    }
    return found;
}

} // namespace

QStringList videoExtensions()
{
    QStringList extensions{QStringLiteral("mp4"),  QStringLiteral("m4v"),  QStringLiteral("mov"),
                           QStringLiteral("qt"),   QStringLiteral("mkv"),  QStringLiteral("webm"),
                           QStringLiteral("avi"),  QStringLiteral("divx"), QStringLiteral("wmv"),
                           QStringLiteral("asf"),  QStringLiteral("flv"),  QStringLiteral("f4v"),
                           QStringLiteral("dv"),   QStringLiteral("3gp"),  QStringLiteral("3g2"),
                           QStringLiteral("mts"),  QStringLiteral("m2ts"), QStringLiteral("mxf"),
                           QStringLiteral("ogv"),  QStringLiteral("ogm"),  QStringLiteral("rm"),
                           QStringLiteral("rmvb"), QStringLiteral("nut"),  QStringLiteral("y4m")};
    extensions << reel::extMultiplexed() << reel::extElementaries();
    extensions.removeDuplicates();
    return extensions;
}

QStringList discoverSources(const QStringList &paths, QStringList *empty, const std::function<bool()> &cancelled,
                            QStringList *unreadable)
{
    QStringList sources;
    for (const QString &path : paths) {
        if (cancelled && cancelled())
            break;
        const QString expanded = reel::stringByExpandingTildeInPath(path);
        if (!expanded.isEmpty() && reel::isDirectory(expanded)) {
            QString problem;
            const QStringList found = videosOf(expanded, &problem);
            reel::logDebug(reel::LogLabel("discoverSources"), ": %d videos in %@", int(found.size()), expanded);
            sources << found;
            if (!problem.isEmpty() && unreadable)
                *unreadable << problem;
            else if (found.isEmpty() && empty)
                *empty << path;
        } else {
            sources << path;
        }
    }
    return sources;
}

} // namespace convert
