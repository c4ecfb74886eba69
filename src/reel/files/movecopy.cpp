#include "reel/files/movecopy.h"

#include "reel/base/errortext.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"
#include "reel/files/removal.h"
#include "reel/files/removalguard.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace reel {

namespace {

fs::path fsPath(const QString &path)
{
    return fs::path(files::nativePath(path).toStdString());
}

QString failureText(const char *what, const QString &source, const QString &destination, const QString &why)
{
    return QStringLiteral("%1 '%2' to '%3': %4").arg(QLatin1String(what), source, destination, why);
}

// Copies an item the way the file manager does: folders with their contents,
// links as links, regular files with their permission bits. Pipes, devices
// and sockets are not copied (reading a pipe would wait for a writer).
// Nothing may exist at destination.
bool copyItem(const QString &source, const QString &destination, QString *error)
{
    std::error_code ec;
    const fs::path from = fsPath(source);
    const fs::path to = fsPath(destination);
    const fs::file_status status = fs::symlink_status(from, ec);
    if (!ec && fs::is_symlink(status)) {
        fs::copy_symlink(from, to, ec);
    } else if (!ec && fs::is_directory(status)) {
        // Links inside are copied as links and never entered; the tree is
        // checked first so that a pipe deep inside does not leave half a copy.
        bool copyable = true;
        for (auto it = fs::recursive_directory_iterator(from, ec); copyable && !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            const fs::file_status s = it->symlink_status(ec);
            copyable = !ec && (fs::is_symlink(s) || fs::is_directory(s) || fs::is_regular_file(s));
        }
        if (!copyable && !ec)
            ec = std::make_error_code(std::errc::not_supported);
        if (!ec)
            fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    } else if (!ec && fs::is_regular_file(status)) {
        fs::copy_file(from, to, fs::copy_options::none, ec);
    } else if (!ec) {
        ec = std::make_error_code(std::errc::not_supported);
    }
    if (ec && error)
        *error = QString::fromLocal8Bit(ec.message());
    return !ec;
}

// A copy into a place where nothing is; half a copy is taken away again.
bool copyIntoFreePlace(const QString &from, const QString &to, QString *why)
{
    if (files::lstatPath(to)) {
        *why = errnoText(EEXIST);
        return false;
    }
    if (copyItem(from, to, why))
        return true;
    if (files::lstatPath(to))
        rmCocoa(to); // nothing was there before: what is there now is half a copy
    return false;
}

// Renames source to destination without ever replacing what is there. Across
// file systems the item is copied and the original deleted (through the
// removal guard).
bool moveItem(const QString &source, const QString &destination, QString *error)
{
    const QByteArray from = files::nativePath(source);
    const QByteArray to = files::nativePath(destination);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    int code = errno;
    if (code == EINVAL || code == ENOSYS) {
        // A file system without the no-replace rename: look, then rename.
        if (files::lstatPath(destination)) {
            code = EEXIST;
        } else if (::rename(from.constData(), to.constData()) == 0) {
            return true;
        } else {
            code = errno;
        }
    }
    if (code != EXDEV) {
        *error = errnoText(code);
        return false;
    }
    if (!copyIntoFreePlace(source, destination, error))
        return false;
    if (!rmCocoa(source)) {
        *error = QStringLiteral("copied, but the original could not be deleted");
        return false;
    }
    return true;
}

bool within(const QString &folder, const QString &path)
{
    return path == folder || folder == QLatin1String("/") || path.startsWith(folder + QLatin1Char('/'));
}

// Why the destination cannot take the source without harm, or null: clearing
// a destination that holds the source (or the data a source link points to)
// would destroy the source, and a folder cannot go inside itself.
QString overlap(const QString &source, const QString &destination)
{
    const QString item = resolvedItemPath(source);
    const QString data = resolvedItemPath(source, true);
    const QString target = resolvedItemPath(destination);
    if (item.isEmpty() || data.isEmpty() || target.isEmpty())
        return QString();
    if (within(target, item) || within(target, data))
        return QStringLiteral("the destination holds the source");
    if (within(item, target))
        return QStringLiteral("the destination lies inside the source");
    return QString();
}

// The log lines that tell a move from a copy: their text after the label.
struct TransferLines {
    const char *verb;         // "cannot move"
    const char *current;      // debug: the source
    const char *fresh;        // debug: the destination
    const char *taken;        // the destination is there and stays
    bool takenAlways;         // that line is written whatever the debug level
    const char *deletedFirst; // debug: the destination was cleared
    const char *doneLabel;    // "File moved"
    const char *done;         // debug: success
};

// A move writes two of its lines one column further than a copy.
const TransferLines kMoveLines{"cannot move", ":   %@", ":   %@", " :-( %@", true, " :-) %@", "File moved", ":-) %@"};
const TransferLines kCopyLines{"cannot copy", ": %@", ": %@", ":-( %@", false, ":-) %@", "File copied", ":-) %@"};

// What a move and a copy share: both paths expanded, the source present, no
// overlap, and the destination cleared when "y" allows it. Then transfer
// carries the item over; true when it did.
bool transfer(const QString &source, const QString &destination, bool overwrite, const TransferLines &lines,
              const std::function<bool(const QString &, const QString &, QString *)> &carry)
{
    if (source.isNull() || destination.isNull())
        return false;
    const QString from = stringByExpandingTildeInPath(source);
    const QString to = stringByExpandingTildeInPath(destination);
    logDebug(LogLabel("File current"), lines.current, from);
    logDebug(LogLabel("File new"), lines.fresh, to);
    if (!testPresenceCocoa(from)) {
        logAlways(LogLabel("File current"), ":-( does not exist: %@", from);
        return false;
    }
    if (const QString why = overlap(from, to); !why.isNull()) {
        logAlways("%@", failureText(lines.verb, from, to, why));
        return false;
    }
    if (testPresenceCocoa(to)) {
        if (!overwrite) {
            if (lines.takenAlways)
                logAlways(LogLabel("New already exists"), lines.taken, to);
            else
                logDebug(LogLabel("New already exists"), lines.taken, to);
            return false;
        }
        rmCocoa(to); // the guard may refuse: the transfer then finds it there
        logDebug(LogLabel("New deleted first"), lines.deletedFirst, to);
    }
    QString why;
    if (!carry(from, to, &why)) {
        logAlways("%@", failureText(lines.verb, from, to, why));
        return false;
    }
    refreshFinder(to);
    logDebug(LogLabel(lines.doneLabel), lines.done, to);
    return true;
}

} // namespace

bool mvCocoa(const QString &source, const QString &destination, const QString &overwrite)
{
    return transfer(source, destination, overwrite == QLatin1String("y"), kMoveLines, moveItem);
}

bool cpCocoa(const QString &source, const QString &destination, const QString &overwrite)
{
    return transfer(source, destination, overwrite == QLatin1String("y"), kCopyLines, copyIntoFreePlace);
}

bool ln_sCocoa(const QString &target, const QString &link)
{
    if (target.isEmpty() || link.isEmpty())
        return false;
    return ::symlink(files::nativePath(target).constData(), files::nativePath(link).constData()) == 0;
}

QString srcFromLn(const QString &link)
{
    return files::readLinkText(link);
}

QString pathByResolvingAlias(const QString &path)
{
    QString copy = path;
    copy.detach();
    return copy;
}

} // namespace reel
