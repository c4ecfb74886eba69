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

// Points standard stream 0 or 2 at a file (opened with flags) for the life
// of the object.
struct ScopedStream {
    ScopedStream(int stream, const QString &path, int flags) : stream(stream), saved(::dup(stream))
    {
        ::fflush(stderr);
        const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
        EXPECT_EQ(::dup2(fd, stream), stream) << path.toStdString();
        ::close(fd);
    }
    ~ScopedStream()
    {
        ::fflush(stderr);
        ::dup2(saved, stream);
        ::close(saved);
    }
    const int stream, saved;
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
