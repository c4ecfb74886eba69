#include "model/placement.h"

#include "model/language.h"

#include <reel/core.h>

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace convert {

namespace {

// Numbers beyond any folder a person keeps.
constexpr int kMostNumbers = 10000;

bool exists(const QByteArray &path)
{
    struct stat st = {};
    return ::lstat(path.constData(), &st) == 0;
}

// 0, or the errno of the failure; EEXIST when something is at to.
int moveNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // Without the flag (NFS, some FUSE file systems) a hard link cannot
    // replace either; without hard links (FAT), a look just before.
    if (::link(from.constData(), to.constData()) == 0)
        return ::unlink(from.constData()) == 0 ? 0 : errno;
    if (errno == EEXIST)
        return EEXIST;
    if (exists(to))
        return EEXIST;
    reel::logAlways(reel::LogLabel("placeItem"), ":-/ %@: moved without a guard against a race",
                    QFile::decodeName(to));
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

QString numbered(const QString &wanted, int number, bool folder)
{
    if (number == 1)
        return wanted;
    const QString parent = reel::stringByDeletingLastPathComponent(wanted);
    const QString name = reel::lastPathComponent(wanted);
    const QString extension = folder ? QString() : reel::pathExtension(name);
    const QString stem = extension.isEmpty() ? name : reel::stringByDeletingPathExtension(name);
    const QString numberedName = QStringLiteral("%1 %2").arg(stem).arg(number);
    return reel::stringByAppendingPathComponent(
        parent, extension.isEmpty() ? numberedName : reel::stringByAppendingPathExtension(numberedName, extension));
}

} // namespace

Placement placeItem(const QString &from, const QString &wanted, bool overwrite,
                    const std::function<bool(const QString &)> &alsoTaken)
{
    Placement placement;
    const QByteArray source = QFile::encodeName(from);
    struct stat st = {};
    if (::lstat(source.constData(), &st) != 0) {
        const QString gone = reel::errnoText(errno);
        const Said why = said("Placement", QT_TRANSLATE_NOOP("Placement", "%1 is gone: %2")).arg(from, gone);
        placement.error = why.shown;
        placement.errorInEnglish = why.english;
        reel::logAlways(reel::LogLabel("placeItem"), ":-( %@", why.english);
        return placement;
    }
    const bool folder = S_ISDIR(st.st_mode);
    if (overwrite) {
        struct stat there = {};
        const QByteArray target = QFile::encodeName(wanted);
        Said why;
        if (::lstat(target.constData(), &there) == 0 && S_ISDIR(there.st_mode)) {
            why = said("Placement", QT_TRANSLATE_NOOP("Placement", "%1 is a folder and is kept")).arg(wanted);
        } else if (::rename(source.constData(), target.constData()) != 0) {
            const QString refused = reel::errnoText(errno);
            why = said("Placement", QT_TRANSLATE_NOOP("Placement", "cannot move the output to %1: %2"))
                      .arg(wanted, refused);
        } else {
            placement.path = wanted;
            return placement;
        }
        placement.error = why.shown;
        placement.errorInEnglish = why.english;
        reel::logAlways(reel::LogLabel("placeItem"), ":-( %@", why.english);
        return placement;
    }
    for (int number = 1; number <= kMostNumbers; ++number) {
        const QString candidate = numbered(wanted, number, folder);
        if (alsoTaken && alsoTaken(candidate))
            continue;
        const int error = moveNoReplace(source, QFile::encodeName(candidate));
        if (error == EEXIST || error == ENOTEMPTY)
            continue;
        if (error != 0) {
            const Said why = said("Placement", QT_TRANSLATE_NOOP("Placement", "cannot move the output to %1: %2"))
                                 .arg(candidate, reel::errnoText(error));
            placement.error = why.shown;
            placement.errorInEnglish = why.english;
            reel::logAlways(reel::LogLabel("placeItem"), ":-( %@", why.english);
            return placement;
        }
        placement.path = candidate;
        placement.renumbered = number > 1;
        if (placement.renumbered)
            reel::logAlways(reel::LogLabel("placeItem"), ";-) %@ was taken meanwhile: kept, the output is %@", wanted,
                            candidate);
        return placement;
    }
    const Said why = said("Placement", QT_TRANSLATE_NOOP("Placement", "no free name beside %1")).arg(wanted);
    placement.error = why.shown;
    placement.errorInEnglish = why.english;
    reel::logAlways(reel::LogLabel("placeItem"), ":-( %@", why.english);
    return placement;
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
