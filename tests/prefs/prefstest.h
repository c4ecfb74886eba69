// Shared by the preference tests: the store file, the helper process and
// environment changes undone at the end of a test.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

namespace reel::test {

// Sets (or, with a null value, unsets) an environment variable for the
// lifetime of the object.
class EnvGuard {
public:
    EnvGuard(const char *name, const QString &value)
        : m_name(name), m_old(qEnvironmentVariable(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~EnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_old.toLocal8Bit());
        else
            qunsetenv(m_name);
    }
    EnvGuard(const EnvGuard &) = delete;
    EnvGuard &operator=(const EnvGuard &) = delete;

private:
    const char *m_name;
    QString m_old;
    bool m_had;
};

// Starts the helper process on the same store (same environment).
inline QProcess *startHelper(QProcess &process, const QStringList &args)
{
    process.setProgram(QStringLiteral(PREFS_HELPER));
    process.setArguments(args);
    process.start();
    return &process;
}

// Runs the helper to its end; its standard output, or nothing on failure.
inline std::optional<QByteArray> runHelper(const QStringList &args)
{
    QProcess process;
    startHelper(process, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << "helper " << args.join(QLatin1Char(' ')).toStdString() << " failed: "
                      << process.readAllStandardError().toStdString();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// Runs plistutil, the independent reader, converting a file to XML text.
inline std::optional<QByteArray> plistutilXml(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("plistutil"), {QStringLiteral("-i"), path, QStringLiteral("-f"),
                                                QStringLiteral("xml"), QStringLiteral("-o"), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace reel::test
