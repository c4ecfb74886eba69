/// \file
/// \ingroup files
/// The rules that decide whether a path may be deleted.
///
/// The guard judges the item that would really be deleted: the argument, "~"
/// expanded, is made absolute against the working folder, and "." "..", and
/// repeated "/" are resolved with the folders along it followed through
/// symbolic links. A "." or ".." that follows a missing name, a file or
/// anything else that is not a folder names nothing (the kernel answers
/// ENOENT or ENOTDIR): such a path is refused, never climbed back to the
/// folder that holds the name. So is a trailing "/" after an item that is no
/// folder (a file, a link that leads to none). A final component that is a
/// symbolic link stays the link (also when written with a trailing "/" after
/// a link to a folder): removing it never touches its target. The rules then
/// run in this order on that path R:
///   1. ancestors: R (the root counting as "") occurs inside the home folder's
///      path or a user folder ("/Users/<name>", "/home/<name>"): refused
///      silently. This covers the home folder, every folder above it and the
///      root of the disk.
///   2. R begins with "/VKTauthoring": rules 3 and 4 are skipped.
///   3. the folder holding R (EyeTV recordings and iMovie DVD exports taken
///      as one item) is a folder of volumes or homes ("/", "/Volumes",
///      "/Users", "/home", "/media", "/media/<name>", "/mnt",
///      "/run/media/<name>", "/run/media"), or R is one of them: refused,
///      "dirname" alert. udisks2 mounts a user's drives in the two
///      "<name>" folders, so their volumes are refused as those in /Volumes.
///   4. R, or the expanded argument as written, begins with "*", "/*", or
///      one of those folders followed by "/*" ("/Volumes/Users/*" too, not
///      "/Users/*" or "/"): refused, "joker" alert.
///   5. the argument's last component is "." or "..": refused with a log
///      line, as rm refuses it.
///
/// Every folder the rules name is compared both as written and resolved
/// through symbolic links, so a home or a volume folder reached by another
/// name is still recognised. Nothing is cached: the home folder ($HOME) and
/// the login name are read on every call. Judging never logs: rmCocoa and
/// moveToTrash log the refusals.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// What the guard decided.
enum class RemovalVerdict {
    Allowed, ///< the path may be deleted
    RefusedAncestor, ///< silent refusal
    RefusedDirname,  ///< "alerte de sécurité dirname"
    RefusedJoker,    ///< "alerte de sécurité joker"
    RefusedUnknown,  ///< nil, a NUL character, or a relative path while the
                     ///< working folder is unknown
    RefusedNothingThere, ///< "." or ".." after something that is no folder,
                         ///< or "/" after an item that is none
    RefusedDots,         ///< the last component is "." or ".."
};

/// A path as the guard judged it.
struct RemovalJudgement {
    QString expanded; ///< the argument with "~" expanded
    QString resolved; ///< the absolute item that would be deleted ("" for "")
    RemovalVerdict verdict = RemovalVerdict::Allowed; ///< what the guard decided
};

/// Judges a path without deleting anything.
RemovalJudgement judgeRemoval(const QString &path);

/// The item a path names, as the guard judges it: "~" expanded, made
/// absolute, resolved with resolveThroughLinks (followFinal as given). Null
/// when it cannot be told (nil, a NUL character, no working folder) or the
/// path names nothing.
QString resolvedItemPath(const QString &path, bool followFinal = false);

/// An absolute path with "." and ".." resolved and every symbolic link along
/// it followed; the final component too when followFinal. Past a component
/// that does not exist (or is not a folder, cannot be looked at, or loops)
/// the path is kept as written; a "." or ".." there gives null: the path
/// names nothing.
QString resolveThroughLinks(const QString &absolutePath, bool followFinal);

} // namespace reel
REEL_EXPORT_END
