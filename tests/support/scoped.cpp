#include "scoped.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace reel::test {

ScopedEnv::ScopedEnv(const char *name, const QByteArray &value) : m_name(name)
{
    if (const char *old = std::getenv(name))
        m_old = QByteArray(old);
    if (value.isNull())
        ::unsetenv(name);
    else
        ::setenv(name, value.constData(), 1);
}

ScopedEnv::ScopedEnv(const char *name, const QString &value)
    : ScopedEnv(name, value.isNull() ? QByteArray() : QFile::encodeName(value))
{
}

ScopedEnv::~ScopedEnv()
{
    if (m_old)
        ::setenv(m_name.constData(), m_old->constData(), 1);
    else
        ::unsetenv(m_name.constData());
}

ScopedCwd::ScopedCwd(const QString &folder) : m_old(QFile::encodeName(QDir::currentPath()))
{
    EXPECT_EQ(::chdir(QFile::encodeName(folder).constData()), 0) << folder.toStdString();
}

ScopedCwd::~ScopedCwd()
{
    if (!m_old.isEmpty() && ::chdir(m_old.constData()) != 0)
        std::abort();
}

} // namespace reel::test
