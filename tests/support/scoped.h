// Process state a test changes for a scope and gives back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

namespace reel::test {

// Sets an environment variable for the life of the object; a null value
// removes it. The old value (or its absence) comes back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = QByteArray(old);
        if (value.isNull())
            ::unsetenv(name);
        else
            ::setenv(name, value.constData(), 1);
    }
    ScopedEnv(const char *name, const QString &value)
        : ScopedEnv(name, value.isNull() ? QByteArray() : QFile::encodeName(value)) {}
    ScopedEnv(const char *name, const char *value) : ScopedEnv(name, value ? QByteArray(value) : QByteArray()) {}
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name.constData(), m_old->constData(), 1);
        else
            ::unsetenv(m_name.constData());
    }
    ScopedEnv(const ScopedEnv &) = delete;

private:
    QByteArray m_name;
    std::optional<QByteArray> m_old;
};

// Changes the working folder for the life of the object.
class ScopedCwd {
public:
    explicit ScopedCwd(const QString &folder) : m_old(QFile::encodeName(QDir::currentPath()))
    {
        EXPECT_EQ(::chdir(QFile::encodeName(folder).constData()), 0) << folder.toStdString();
    }
    ~ScopedCwd()
    {
        if (!m_old.isEmpty() && ::chdir(m_old.constData()) != 0)
            std::abort();
    }
    ScopedCwd(const ScopedCwd &) = delete;

private:
    QByteArray m_old;
};

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
    ScopedStream(const ScopedStream &) = delete;
    const int stream, saved;
};

} // namespace reel::test
