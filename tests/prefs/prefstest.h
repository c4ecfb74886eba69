// Shared by the preference tests: other processes on the same files.
#pragma once

#include <QProcess>

#include <optional>

namespace reel::test {

// Runs program to its end (same environment); its standard output, or
// nothing when it failed.
inline std::optional<QByteArray> runToEnd(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace reel::test
