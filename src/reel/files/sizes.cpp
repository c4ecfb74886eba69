#include "reel/files/sizes.h"

#include "reel/core/describe.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"
#include "reel/files/treewalk_p.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace reel {

namespace {

constexpr double kKibi = 1.0 / 1024.0;
constexpr double kMebi = 1.0 / 1048576.0;
constexpr double kGibi = 1.0 / 1073741824.0;

bool isUnit(const QString &unit, char letter)
{
    return unit.toUpper() == QLatin1Char(letter);
}

// Step shared by the two file measures: bytes stay bytes for nil and "O".
double inUnit(qint64 count, const QString &unit)
{
    if (unit.isNull() || isUnit(unit, 'O'))
        return double(count);
    return octet2unite(count, unit);
}

} // namespace

double octet2unite(qint64 count, const QString &unit)
{
    if (count <= 0)
        return double(count);
    const QString u = unit.isNull() ? QStringLiteral("K") : unit.toUpper();
    if (u == QLatin1String("K"))
        return double(count) * kKibi;
    if (u == QLatin1String("M"))
        return double(count) * kMebi;
    if (u == QLatin1String("G"))
        return double(count) * kGibi;
    return double(count);
}

double poidsFile(const QString &path, const QString &unit)
{
    if (isDirectory(path)) {
        const double m = std::trunc(double(poidsFolderMo(path)));
        if (isUnit(unit, 'G'))
            return m / 1024.0;
        if (isUnit(unit, 'M'))
            return m;
        if (isUnit(unit, 'K'))
            return m * 1024.0;
        if (isUnit(unit, 'O'))
            return m * 1024.0 * 1024.0;
    }
    logDebug("poidsFile…");
    if (path.isNull() || !testPresenceCocoa(path))
        return -1;
    logDebug("poidsFile…1");
    const QString standardized = stringByStandardizingPath(path);
    const auto st = files::lstatPath(standardized);
    logDebug("poidsFile…2");
    if (!st)
        return -1;
    const qint64 count = qint64(st->st_size);
    logDebug(LogLabel("dict (size)"), ": %@", count);
    logDebug(LogLabel("current file size"), ": %lld units", count);
    const double result = inUnit(count, unit);
    logDebug(LogLabel("current file size"), ": %.2f %@", result, unit);
    return result;
}

double poidsFileC(const QString &path, const QString &unit)
{
    logDebug(LogLabel("poidsFileC"), ": (1)");
    if (path.isNull())
        return -1;
    const QString expanded = stringByExpandingTildeInPath(path);
    logDebug(LogLabel("poidsFileC"), ": (2)");
    if (!testPresenceC(expanded))
        return -1;
    logDebug(LogLabel("poidsFileC"), ": (3)");
    // Only a regular file has an end to seek to; a pipe or a device is never
    // opened, a folder's stream position is no size.
    const auto st = files::statPath(expanded);
    if (!st || !S_ISREG(st->st_mode))
        return -1;
    const int fd = ::open(files::nativePath(expanded).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    logDebug(LogLabel("poidsFileC"), ": (4)");
    const QString extension = pathExtension(expanded);
    const bool text = extension == QLatin1String("txt") || extension == QLatin1String("log");
    FILE *stream = ::fdopen(fd, text ? "r" : "rb");
    if (!stream) {
        ::close(fd);
        return -1;
    }
    qint64 size = -1;
    if (std::fseek(stream, 0, SEEK_END) == 0)
        size = qint64(::ftello(stream));
    std::fclose(stream);
    logDebug("fclose end");
    logDebug(LogLabel("poidsFileC"), ":   %lld units", size);
    if (size < 0)
        return -1;
    const double result = inUnit(size, unit);
    logDebug(LogLabel("poidsFileC"), ":-) %.2f %@", result, unit);
    return result;
}

float poidsFolderMo(const QString &folder)
{
    if (folder.isNull())
        return 0;
    // Whole bytes in 64 bits, converted once: a running total in mebibytes
    // would lose the small files of a large folder.
    qint64 bytes = 0;
    files::walkTree(folder, files::ItemStatus::Needed, [&](const files::WalkItem &item) {
        if (item.st)
            bytes += qint64(item.st->st_size);
    });
    const float total = float(double(bytes) * kMebi);
    logDebug(LogLabel("current folder size"), " : %f Mo", double(total));
    return total;
}

float progressPoidsMo(const QString &path)
{
    return float(poidsFile(path, QStringLiteral("m")));
}

int espaceDiskDispo(const QString &path)
{
    if (path.isNull() || !testPresenceCocoa(path))
        return -1;
    logDebug(LogLabel("free disk space file"), ": %@", path);
    // The same expanded path the presence test accepted.
    QString error;
    const auto attributes = files::fileSystemAttributes(stringByExpandingTildeInPath(path), &error);
    if (!attributes) {
        logAlways(LogLabel("error"), ":-( %@", error);
        return -1;
    }
    const quint64 free = attributes->value(QStringLiteral("NSFileSystemFreeSize")).toULongLong();
    const int mebibytes = int(quint32(free >> 20));
    logDebug(LogLabel("free disk space"), ": %d Mo", mebibytes);
    return mebibytes;
}

bool disponible(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString expanded = stringByExpandingTildeInPath(path);
    const QByteArray native = files::nativePath(expanded);
    const auto st = files::statPath(expanded);
    if (!st || S_ISDIR(st->st_mode) || S_ISSOCK(st->st_mode))
        return false;
    if (!S_ISREG(st->st_mode)) // a pipe or a device: judged without opening it
        return ::faccessat(AT_FDCWD, native.constData(), R_OK | W_OK, AT_EACCESS) == 0;
    const int fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

QString dateCreation(const QString &path)
{
    if (path.isNull())
        return QString();
    const QString standardized = stringByStandardizingPath(path);
    logDebug("path : %@", standardized);
    struct statx sx {};
    if (standardized.isEmpty()
        || ::statx(AT_FDCWD, files::nativePath(standardized).constData(), AT_SYMLINK_NOFOLLOW, STATX_BTIME | STATX_MTIME, &sx)
               != 0)
        return QString();
    // The birth time where the file system keeps one; else the modification
    // time, the nearest it keeps (the change time moves with every rename
    // and permission change, so it says less about the creation).
    const struct statx_timestamp &when = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_mtime;
    const QDateTime date = QDateTime::fromMSecsSinceEpoch(qint64(when.tv_sec) * 1000 + when.tv_nsec / 1000000);
    logDebug(LogLabel("dict (creation)"), ": %@", date);
    return describeDate(date);
}

} // namespace reel
