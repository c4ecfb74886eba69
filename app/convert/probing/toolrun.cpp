#include "probing/toolrun.h"

#include <reel/core.h>
#include <reel/task.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace convert {

namespace {

constexpr int kPollMs = 50;

} // namespace

QProcessEnvironment toolProcessEnvironment()
{
    QProcessEnvironment environment;
    for (const QByteArray &entry : reel::toolEnvironment()) {
        const qsizetype eq = entry.indexOf('=');
        if (eq > 0)
            environment.insert(QString::fromLocal8Bit(entry.left(eq)), QString::fromLocal8Bit(entry.mid(eq + 1)));
    }
    return environment;
}

RunResult runBounded(const QString &program, const QStringList &arguments, const RunLimits &limits)
{
    RunResult result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(toolProcessEnvironment());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        // The tool goes with the thread that started it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    process.start();
    if (!process.waitForStarted()) {
        reel::logAlways(reel::LogLabel("runBounded"), ":-( %@ not started: %@", program, process.errorString());
        return result;
    }
    const QDeadlineTimer deadline(limits.timeoutMs);
    while (!process.waitForFinished(kPollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        const bool cancelled = limits.cancelled && limits.cancelled();
        if (cancelled || deadline.hasExpired()) {
            result.outcome = cancelled ? RunResult::Outcome::Cancelled : RunResult::Outcome::TimedOut;
            process.kill();
            process.waitForFinished(-1);
            reel::logAlways(reel::LogLabel("runBounded"), ":-( %@ %@", program,
                            cancelled ? QStringLiteral("cancelled") : QStringLiteral("timed out"));
            return result;
        }
    }
    result.outcome = RunResult::Outcome::Finished;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString unfinishedRunText(const QString &tool, const RunResult &result, const RunLimits &limits)
{
    return unfinishedRun(Said{tool, tool}, result, limits).shown;
}

Said unfinishedRun(const Said &tool, const RunResult &result, const RunLimits &limits)
{
    switch (result.outcome) {
    case RunResult::Outcome::Finished:
        return Said{};
    case RunResult::Outcome::TimedOut:
        return said("ToolRun", QT_TRANSLATE_NOOP("ToolRun", "%1 gave no answer within %2 s"))
            .arg(tool)
            .arg((limits.timeoutMs + 999) / 1000);
    case RunResult::Outcome::Cancelled:
        return said("ToolRun", QT_TRANSLATE_NOOP("ToolRun", "%1 was cancelled")).arg(tool);
    case RunResult::Outcome::NotStarted:
        break;
    }
    return said("ToolRun", QT_TRANSLATE_NOOP("ToolRun", "%1 could not be started")).arg(tool);
}

} // namespace convert
