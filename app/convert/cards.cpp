#include "cards.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>

#include <QFile>

#include <algorithm>

#include <sys/stat.h>

namespace convert {

namespace {

bool isRegularFile(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

QString cardStreamFolder(const QString &folder)
{
    const QString root = withoutTrailingSlash(folder);
    for (const char *layout : {"/PRIVATE/AVCHD/BDMV/STREAM", "/BDMV/STREAM"}) {
        const QString stream = root + QLatin1String(layout);
        if (reel::isDirectory(stream))
            return stream;
    }
    return QString();
}

QStringList cardClips(const QString &streamFolder)
{
    QStringList clips;
    for (const QString &item : reel::lsCocoa(streamFolder)) {
        const QString extension = reel::pathExtension(item).toLower();
        if (extension != QLatin1String("mts") && extension != QLatin1String("m2ts"))
            continue;
        if (reel::lastPathComponent(item).startsWith(QLatin1Char('.')) || !isRegularFile(item))
            continue;
        clips << item;
    }
    std::sort(clips.begin(), clips.end());
    return clips;
}

bool isCardClip(const QString &path)
{
    const QString folder = reel::stringByDeletingLastPathComponent(path);
    return reel::lastPathComponent(folder) == QLatin1String("STREAM")
           && reel::lastPathComponent(reel::stringByDeletingLastPathComponent(folder)) == QLatin1String("BDMV");
}

QString sourceTitle(const QString &path)
{
    if (isCardClip(path)) {
        const QString name = reel::dateCreation2iMovieName(path);
        if (!name.isEmpty())
            return name;
    }
    return reel::nameCleanedFromSrcpathstr(path, QStringList());
}

QString fileNameFromTitle(const QString &title, int maxBytes)
{
    QString name;
    name.reserve(title.size());
    for (const QChar c : title) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            name += QLatin1Char('-');
        else if (c == QLatin1Char(':'))
            name += QLatin1Char(';');
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
                 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            continue;
        else
            name += c;
    }
    name = name.trimmed();
    // Cut at a whole character, surrogate pairs kept together.
    while (name.toUtf8().size() > maxBytes) {
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
        name = name.trimmed();
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name = QStringLiteral("video") + name;
    return name;
}

} // namespace convert
