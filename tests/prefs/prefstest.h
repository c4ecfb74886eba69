// Shared by the preference tests: the store file, the helper process and
// environment changes undone at the end of a test.
#pragma once

#include "scoped.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

namespace reel::test {


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
