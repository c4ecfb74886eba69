// Helpers for the tool runner's tests: a standard stream swapped for a scope,
// checks that a run left no child and no descriptor behind, and the player's
// progress figure computed by the shell pipeline it replaces.
#pragma once

#include "scoped.h"
#include "toolscript.h"

#include <reel/core/format.h>
#include <reel/core/scan.h>
#include <reel/task/shellrun.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace reel::test {

// Points standard stream 0 or 2 at a file for the life of the object.
class ScopedStream {
public:
    ScopedStream(int stream, const QString &path, bool forWriting) : m_stream(stream), m_saved(::dup(stream))
    {
        const int fd = ::open(QFile::encodeName(path).constData(),
                              forWriting ? O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC : O_RDONLY | O_CLOEXEC, 0644);
        EXPECT_GE(fd, 0) << path.toStdString();
        ::fflush(stderr);
        ::dup2(fd, stream);
        ::close(fd);
    }
    ~ScopedStream()
    {
        ::fflush(stderr);
        ::dup2(m_saved, m_stream);
        ::close(m_saved);
    }
    ScopedStream(const ScopedStream &) = delete;
    ScopedStream &operator=(const ScopedStream &) = delete;

private:
    int m_stream;
    int m_saved;
};

// No child, not even a running one that could become a zombie.
inline bool noChildLeft()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
}

inline int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()) - 1;
}

// The player's progress as the original shell line with bc computes it.
inline float mplayerThroughTheShell(const QString &text, int total)
{
    return floatValue(taskWithStr(
        format("/bin/echo \"scale=6; `/bin/echo \"%@\"  | grep A: | strings | tail -1 | awk -F A:  "
               "'{print $2}' | awk -F '(' '{print $1}' | awk  '{print $1}'` /%d * 100\" | bc -l",
               text, total),
        QString()));
}

} // namespace reel::test
