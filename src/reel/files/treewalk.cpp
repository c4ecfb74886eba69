#include "reel/files/treewalk_p.h"

#include "reel/files/native_p.h"

#include <cerrno>
#include <set>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace reel::files {

namespace {

// Folders deeper than this are handled by full path rather than kept open,
// so that a very deep tree cannot use up the program's descriptors.
constexpr size_t kOpenLevels = 48;

// One folder being walked: its listing and, while it is open, its stream, so
// that its items are reached relative to it rather than by their full path
// (which the system would resolve again from the root for every item).
struct Level {
    QString relative;   // the path below root and "/"; "" for root
    QByteArray native;  // the folder's full path, for the calls made without dir
    DIR *dir = nullptr; // null: closed, reached by native
    DirectoryListing listing;
    size_t next = 0;

    Level() = default;
    Level(Level &&other) noexcept
        : relative(std::move(other.relative)), native(std::move(other.native)),
          dir(std::exchange(other.dir, nullptr)), listing(std::move(other.listing)), next(other.next)
    {
    }
    Level &operator=(Level &&) = delete;
    ~Level()
    {
        if (dir)
            ::closedir(dir);
    }

    QByteArray itemPath(const char *name) const { return native + '/' + name; }

    bool status(const char *name, struct stat *st) const
    {
        if (dir)
            return ::fstatat(::dirfd(dir), name, st, AT_SYMLINK_NOFOLLOW) == 0;
        return ::lstat(itemPath(name).constData(), st) == 0;
    }

    // The subfolder, opened without following a link put in its place since.
    int openFolder(const char *name) const
    {
        constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        if (dir)
            return ::openat(::dirfd(dir), name, flags);
        return ::open(itemPath(name).constData(), flags);
    }
};

// Lists the folder open on fd into level, keeping the stream open while the
// walk is shallow enough. Takes fd; false when it cannot be listed.
bool listInto(Level &level, int fd, bool keepOpen)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    level.listing = readListing(dir);
    if (keepOpen)
        level.dir = dir;
    else
        ::closedir(dir);
    return true;
}

} // namespace

void walkTree(const QString &root, ItemStatus needs, const std::function<void(const WalkItem &item)> &visit)
{
    if (root.isEmpty())
        return;
    const QByteArray rootNative = nativePath(root);
    const int rootFd = ::open(rootNative.constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (rootFd < 0)
        return;
    struct stat rootStatus {};
    if (::fstat(rootFd, &rootStatus) != 0) {
        ::close(rootFd);
        return;
    }
    std::set<std::pair<dev_t, ino_t>> visited{{rootStatus.st_dev, rootStatus.st_ino}};

    std::vector<Level> stack;
    stack.emplace_back();
    stack.back().native = rootNative;
    if (!listInto(stack.back(), rootFd, true))
        return;

    while (!stack.empty()) {
        Level &level = stack.back();
        if (level.next >= level.listing.entries.size()) {
            stack.pop_back();
            continue;
        }
        const DirectoryListing::Entry &entry = level.listing.entries[level.next++];
        const char *name = level.listing.nativeName(entry);

        // The listing's type spares the status of the items that are surely
        // no folder when nobody asks for it.
        const bool mayBeFolder = entry.type == DT_DIR || entry.type == DT_UNKNOWN;
        struct stat st {};
        const bool known = (needs == ItemStatus::Needed || mayBeFolder) && level.status(name, &st);
        const WalkItem item{level.relative, level.listing, entry, known ? &st : nullptr};
        visit(item);
        if (!known || !S_ISDIR(st.st_mode) || !visited.insert({st.st_dev, st.st_ino}).second)
            continue;

        const int fd = level.openFolder(name);
        if (fd < 0)
            continue;
        Level child;
        child.relative = item.path() + QLatin1Char('/');
        child.native = level.itemPath(name);
        if (listInto(child, fd, stack.size() < kOpenLevels) && !child.listing.entries.empty())
            stack.push_back(std::move(child)); // invalidates level and entry
    }
}

} // namespace reel::files
