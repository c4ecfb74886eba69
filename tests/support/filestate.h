// What a test looks at on disk without following links, and the limits it
// sets on writing.
#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace reel::test {

// The item's status, not following a last link; all zero when it is absent.
inline struct stat statOf(const QString &path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        st = {};
    return st;
}

inline bool existsNoFollow(const QString &path)
{
    return statOf(path).st_mode != 0; // every item has a type
}

inline bool isLinkAt(const QString &path)
{
    return S_ISLNK(statOf(path).st_mode);
}

// Permission bits (07777) of the item itself, or -1 when it is absent.
inline int modeOf(const QString &path)
{
    return existsNoFollow(path) ? int(statOf(path).st_mode & 07777) : -1;
}

// Files may not grow past limit bytes while the object lives: a full disk,
// even for root. SIGXFSZ is ignored meanwhile, so writes fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        const rlimit lower{limit, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;

private:
    void (*m_handler)(int);
    rlimit m_saved {};
};

} // namespace reel::test
