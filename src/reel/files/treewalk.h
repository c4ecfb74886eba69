// The one walk over a folder tree that listings and folder sizes share.
// Internal to files/.
#pragma once

#include <QString>

#include <functional>

#include <sys/stat.h>

namespace reel::files {

// Calls visit for every item below root, depth first: each folder is followed
// by its contents, names in sorted order. relative is the item's path below
// root; st its own status (links not followed), null when it cannot be read.
// Symbolic links are reported but never entered, a folder already visited
// (same device and inode) is not entered again, and a folder that cannot be
// read contributes nothing. root itself (followed when it is a link) is not
// reported. Linear in the number of items.
void walkTree(const QString &root, const std::function<void(const QString &relative, const struct stat *st)> &visit);

} // namespace reel::files
