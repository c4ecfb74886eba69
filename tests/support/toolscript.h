// Small shell scripts standing in for tools, written into the sandbox, and
// programs run to their end.
#pragma once

#include "sandbox.h"

#include <QFile>
#include <QProcess>

namespace reel::test {

// An executable shell script at path running body; returns path.
inline QString writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return path;
}

// How a program ran: its exit status (-1: not started, killed, crashed, or
// still running after a minute and stopped), standard output and error.
struct ProgramRun {
    int status = -1;
    QByteArray out, err;
};

inline ProgramRun runProgram(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        p.kill();
    p.waitForFinished();
    const bool ended = p.exitStatus() == QProcess::NormalExit && p.error() == QProcess::UnknownError;
    return {ended ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace reel::test
