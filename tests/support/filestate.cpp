#include "filestate.h"

#include <QFile>

#include <csignal>

namespace reel::test {

struct stat statOf(const QString &path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        st = {};
    return st;
}

bool existsNoFollow(const QString &path)
{
    return statOf(path).st_mode != 0; // every item has a type
}

bool isLinkAt(const QString &path)
{
    return S_ISLNK(statOf(path).st_mode);
}

int modeOf(const QString &path)
{
    return existsNoFollow(path) ? int(statOf(path).st_mode & 07777) : -1;
}

FileSizeLimit::FileSizeLimit(rlim_t limit)
{
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit lower = m_saved;
    lower.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lower);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
}

} // namespace reel::test
