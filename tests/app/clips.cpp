#include "clips.h"

#include "sandbox.h"

#include <tools.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

namespace convert::test {

QString makeClip(const QString &name, const SampleClip &settings)
{
    const QString path = reel::test::scratchDir() + QLatin1Char('/') + name;
    QString error;
    if (!makeSampleClip(path, settings, &error)) {
        ADD_FAILURE() << error.toStdString();
        return QString();
    }
    return path;
}

SampleClip grainyClip()
{
    SampleClip settings;
    settings.seconds = 3;
    settings.width = 320;
    settings.height = 240;
    settings.grain = true;
    return settings;
}

QString probe(const QString &path, const QString &entry, const QString &streamSelector)
{
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("error")};
    if (!streamSelector.isEmpty())
        arguments << QStringLiteral("-select_streams") << streamSelector;
    arguments << QStringLiteral("-show_entries") << entry << QStringLiteral("-of")
              << QStringLiteral("default=noprint_wrappers=1:nokey=1") << path;
    const RunResult result = runProgram(toolPath(QStringLiteral("ffprobe")), arguments);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.first().trimmed();
}

RunResult runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start();
    RunResult result;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        ADD_FAILURE() << "could not run " << program.toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QString outFolder(const QString &name)
{
    const QString folder = reel::test::scratchDir() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    return folder;
}

} // namespace convert::test
