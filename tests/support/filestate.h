// What a test looks at on disk without following links, and the limits it
// sets on writing.
#pragma once

#include <QString>

#include <sys/resource.h>
#include <sys/stat.h>

namespace reel::test {

// The item's status, not following a last link; all zero when it is absent.
struct stat statOf(const QString &path);
bool existsNoFollow(const QString &path);
bool isLinkAt(const QString &path);
// Permission bits (07777) of the item itself, or -1 when it is absent.
int modeOf(const QString &path);

// Files may not grow past limit bytes while the object lives: a full disk,
// even for root. SIGXFSZ is ignored meanwhile, so writes fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};

} // namespace reel::test
