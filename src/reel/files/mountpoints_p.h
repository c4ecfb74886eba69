// Whether a tree about to be deleted or moved holds a mounted file system.
// Internal to files/.
#pragma once

namespace reel::files {

// True when the item name of the folder open at dirfd is a mount point or
// holds one anywhere below it, bind mounts of the same file system
// included. The mount table (/proc/self/mountinfo) answers; without it the
// tree is walked for a change of device. An item that cannot be looked at
// counts as holding one, so that nothing is started on it.
bool holdsMountPoint(int dirfd, const char *name);

} // namespace reel::files
