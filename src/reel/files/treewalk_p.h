// The one walk over a folder tree that listings and folder sizes share.
// Internal to files/.
#pragma once

#include "reel/files/native_p.h"

#include <QString>

#include <functional>

#include <sys/stat.h>

namespace reel::files {

enum class ItemStatus { Needed, FoldersOnly };

// One item of a walk. Its path below the root is folder (the path of the
// folder holding it followed by "/", "" for the root itself) and its name,
// left for the caller to join when it needs it. st is its own status (links
// not followed); null when it cannot be read or, with FoldersOnly, when the
// listing already tells the item is no folder.
struct WalkItem {
    const QString &folder;
    const DirectoryListing &listing;
    const DirectoryListing::Entry &entry;
    const struct stat *st;

    // prefix followed by the path below the root, in one piece.
    QString path(QStringView prefix = {}) const { return listing.path(prefix, folder, entry); }
    QString path(QStringView prefix, StringBlocks &blocks) const { return listing.path(prefix, folder, entry, blocks); }
};

// Calls visit for every item below root, depth first: each folder is followed
// by its contents, names in sorted order. Symbolic links are reported but
// never entered, a folder already visited (same device and inode) is not
// entered again, and a folder that cannot be read contributes nothing. root
// itself (followed when it is a link) is not reported. Linear in the number
// of items; each item is reached relative to its open folder, not through
// its full path.
void walkTree(const QString &root, ItemStatus needs, const std::function<void(const WalkItem &item)> &visit);

} // namespace reel::files
