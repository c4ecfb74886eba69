#include "reel/files/mountpoints_p.h"

#include "reel/core/fileio.h"

#include <QByteArray>
#include <QList>

#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace reel::files {

namespace {

// The mount table writes " ", tab, line feed and "\" in paths as "\ooo".
QByteArray unescaped(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3'
            && field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
            out.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
        } else {
            out.append(c);
        }
    }
    return out;
}

// The folder dirfd is open on, as the kernel names it; empty when unknown.
QByteArray folderPath(int dirfd)
{
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const std::string link = "/proc/self/fd/" + std::to_string(dirfd);
    const ssize_t n = ::readlink(link.c_str(), buffer.data(), size_t(buffer.size()));
    if (n <= 0 || n >= buffer.size() || buffer[0] != '/')
        return {};
    buffer.truncate(n);
    return buffer;
}

// Walks the tree below the folder dirfd/name for a folder on another device.
bool deviceChangesBelow(int dirfd, const char *name, dev_t device, int depth)
{
    struct stat st {};
    if (::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return true;
    if (!S_ISDIR(st.st_mode))
        return false;
    if (st.st_dev != device || depth > 4096)
        return true;
    const int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return true;
    }
    std::vector<std::string> folders;
    while (const struct dirent *entry = ::readdir(dir)) {
        const char *n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        if (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN)
            folders.emplace_back(n);
    }
    bool found = false;
    for (const std::string &folder : folders) {
        if (deviceChangesBelow(::dirfd(dir), folder.c_str(), device, depth + 1)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

bool holdsMountPoint(int dirfd, const char *name)
{
    struct stat folder {};
    if (::fstat(dirfd, &folder) != 0)
        return true;
    const QByteArray parent = folderPath(dirfd);
    const std::optional<QByteArray> table = parent.isEmpty() ? std::nullopt : readRegularFile(QStringLiteral("/proc/self/mountinfo"));
    if (!table || table->isEmpty())
        return deviceChangesBelow(dirfd, name, folder.st_dev, 0);

    const QByteArray item = (parent == "/" ? QByteArray() : parent) + '/' + name;
    for (const QByteArray &line : table->split('\n')) {
        // id parent major:minor root mount-point options...
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        const QByteArray point = unescaped(fields[4]);
        if (point == item || (point.startsWith(item) && point.at(item.size()) == '/'))
            return true;
    }
    return false;
}

} // namespace reel::files
