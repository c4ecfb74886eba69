#include "probing/cards.h"

#include "model/language.h"
#include "model/placement.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/media.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QMutex>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <sys/stat.h>

namespace convert {

namespace {

bool isRegularFile(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// "permission denied"
QString lowercaseErrorText(int code)
{
    QString text = reel::errnoText(code);
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

QString clipName(const QString &path)
{
    return reel::stringByDeletingPathExtension(reel::lastPathComponent(path));
}

// What shows a change to a folder: its own and each item's size,
// modification time and inode.
QByteArray folderState(const QString &folder)
{
    QByteArray state;
    const auto add = [&state](const QString &path) {
        struct stat st = {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return;
        state += QFile::encodeName(path) + ' ' + QByteArray::number(qint64(st.st_size)) + ' '
            + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(st.st_mtim.tv_nsec))
            + ' ' + QByteArray::number(quint64(st.st_ino)) + '\n';
    };
    add(folder);
    for (const QString &item : reel::lsCocoa(folder))
        add(item);
    return state;
}

struct CardNames {
    QByteArray playlistState; // when the names were read
    QMap<QString, QString> names;
};

// The time-stamp tool reads every clip of a card on each run: one run names
// them all, and its names are kept by PLAYLIST folder. The lock is held
// while the tool runs, so that two threads asking for one card run it once.
QMutex cardsLock;
QHash<QString, CardNames> &cardsRead()
{
    static QHash<QString, CardNames> cards;
    return cards;
}

QMap<QString, QString> clipNamesOfCard(const QString &playlist)
{
    const QMutexLocker lock(&cardsLock);
    const QByteArray state = folderState(playlist);
    QHash<QString, CardNames> &cards = cardsRead();
    const auto known = cards.constFind(playlist);
    if (known != cards.cend() && known->playlistState == state)
        return known->names;
    const CardNames read{state, reel::dateCreation2iMovieNames(playlist)};
    cards.insert(playlist, read);
    return read.names;
}

// A copy's birth time is when it was copied; its modification time is still
// the camera's, kept by every copy that keeps dates.
QString modificationTimeTitle(const QString &path)
{
    struct stat st = {};
    QString date;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        date = QDateTime::fromSecsSinceEpoch(st.st_mtime).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return QStringLiteral("clip-%1-%2").arg(date, clipName(path)).replace(QLatin1Char(':'), QLatin1Char(';'));
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

QStringList cardClips(const QString &streamFolder, QString *error)
{
    if (error)
        error->clear();
    // A folder that cannot be read lists as empty.
    if (DIR *dir = ::opendir(QFile::encodeName(streamFolder).constData())) {
        ::closedir(dir);
    } else {
        if (error)
            *error = lowercaseErrorText(errno);
        return QStringList();
    }
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

QString sourceTitle(const QString &path, QString *note)
{
    if (note)
        note->clear();
    if (!isCardClip(path))
        return reel::nameCleanedFromSrcpathstr(path, QStringList());
    const QString playlist = reel::stringByAppendingPathComponent(
        reel::stringByDeletingLastPathComponent(reel::stringByDeletingLastPathComponent(path)), QStringLiteral("PLAYLIST"));
    Said why;
    if (reel::isDirectory(playlist)) {
        const QString name = clipNamesOfCard(playlist).value(clipName(path));
        if (!name.isEmpty())
            return name;
        why = said("Cards", QT_TRANSLATE_NOOP("Cards", "the time-stamp tool did not name this clip"));
    } else {
        why = said("Cards", QT_TRANSLATE_NOOP("Cards", "the card has no playlist"));
    }
    const QString title = modificationTimeTitle(path);
    reel::logDebug(reel::LogLabel("sourceTitle"), ": %@ named by its modification time: %@", path, why.english);
    if (note)
        *note = said("Cards", QT_TRANSLATE_NOOP("Cards", "named by the file's modification time: %1")).arg(why).shown;
    return title;
}

} // namespace convert
