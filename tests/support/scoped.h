// Process state a test changes for a scope and gives back afterwards.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace reel::test {

// Sets an environment variable for the life of the object; a null value
// removes it. The old value (or its absence) comes back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value);
    ScopedEnv(const char *name, const QString &value);
    ScopedEnv(const char *name, const char *value) : ScopedEnv(name, value ? QByteArray(value) : QByteArray()) {}
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    QByteArray m_name;
    std::optional<QByteArray> m_old;
};

// Changes the working folder for the life of the object.
class ScopedCwd {
public:
    explicit ScopedCwd(const QString &folder);
    ~ScopedCwd();
    ScopedCwd(const ScopedCwd &) = delete;
    ScopedCwd &operator=(const ScopedCwd &) = delete;

private:
    QByteArray m_old;
};

} // namespace reel::test
