#include "streams.h"

#include "sandbox.h"

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

ScopedStream::ScopedStream(int stream, const QString &path, bool forWriting)
    : m_stream(stream), m_saved(::dup(stream))
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          forWriting ? O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC : O_RDONLY | O_CLOEXEC, 0644);
    EXPECT_GE(fd, 0) << path.toStdString();
    ::fflush(stderr);
    ::dup2(fd, stream);
    ::close(fd);
}

ScopedStream::~ScopedStream()
{
    ::fflush(stderr);
    ::dup2(m_saved, m_stream);
    ::close(m_saved);
}

ScopedEndlessInput::ScopedEndlessInput() : m_saved(::dup(STDIN_FILENO)), m_writer(-1)
{
    int fds[2];
    EXPECT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    ::dup2(fds[0], STDIN_FILENO);
    ::close(fds[0]);
    m_writer = fds[1];
}

ScopedEndlessInput::~ScopedEndlessInput()
{
    end();
    ::dup2(m_saved, STDIN_FILENO);
    ::close(m_saved);
}

void ScopedEndlessInput::write(const QByteArray &bytes)
{
    EXPECT_EQ(::write(m_writer, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
}

void ScopedEndlessInput::end()
{
    if (m_writer >= 0)
        ::close(m_writer);
    m_writer = -1;
}

bool noChildToReap()
{
    siginfo_t info{};
    // WNOWAIT: look without reaping, so nobody else's child status is taken.
    if (::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno == ECHILD;
    return info.si_pid == 0;
}

bool noChildLeft()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
}

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()) - 1;
}

QString writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return path;
}

float mplayerThroughTheShell(const QString &text, int total)
{
    return floatValue(taskWithStr(
        format("/bin/echo \"scale=6; `/bin/echo \"%@\"  | grep A: | strings | tail -1 | awk -F A:  "
               "'{print $2}' | awk -F '(' '{print $1}' | awk  '{print $1}'` /%d * 100\" | bc -l",
               text, total),
        QString()));
}

} // namespace reel::test
