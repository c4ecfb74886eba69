#include "jobs/toolprocess.h"

#include "probing/toolrun.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QTimer>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace convert {

ToolProcess::ToolProcess(const char *label, const char *toolLabel, QObject *parent)
    : QObject(parent), m_label(label), m_toolLabel(toolLabel)
{
}

bool ToolProcess::begin()
{
    if (m_state != State::Waiting)
        return false;
    m_state = State::Running;
    return true;
}

QProcess *ToolProcess::prepareTool(const QString &program, const QStringList &arguments)
{
    if (m_process)
        m_process->deleteLater();
    m_output.clear();
    m_process = new QProcess(this);
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setProcessEnvironment(toolProcessEnvironment());
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([] {
        ::setpgid(0, 0);
        // A program that dies takes its tool with it.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    reel::logDebug(reel::LogLabel(m_toolLabel), ": %@ %@", program, reel::array2Str(arguments));
    connect(m_process, &QProcess::readyReadStandardError, this, &ToolProcess::readOutput);
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (m_process->processChannelMode() == QProcess::MergedChannels)
            readOutput();
    });
    connect(m_process, &QProcess::finished, this, &ToolProcess::ended);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(State::Failed, notStartedText(m_process->program(), m_process->errorString()));
    });
    return m_process;
}

Said ToolProcess::notStartedText(const QString &program, const QString &why) const
{
    return said("ToolProcess", QT_TRANSLATE_NOOP("ToolProcess", "%1 could not be started: %2"))
        .arg(reel::lastPathComponent(program), why);
}

void ToolProcess::readOutput()
{
    // Merged, everything comes as output; otherwise the output is the
    // tool's product (a file, a listing), read apart or sent elsewhere.
    const QByteArray bytes = m_process->processChannelMode() == QProcess::MergedChannels
                                 ? m_process->readAllStandardOutput()
                                 : m_process->readAllStandardError();
    m_output.feed(bytes, [this](const QString &line) { deliver(line); });
}

void ToolProcess::deliver(const QString &line)
{
    if (!line.trimmed().isEmpty())
        toolLine(line);
}

void ToolProcess::ended(int exitCode, QProcess::ExitStatus status)
{
    if (m_state != State::Running)
        return;
    m_output.flush([this](const QString &line) { deliver(line); });
    if (m_cancelling) {
        finish(State::Cancelled, Said{});
        return;
    }
    toolEnded(exitCode, status);
}

void ToolProcess::setProgress(float percent)
{
    if (percent > m_progress) {
        m_progress = percent;
        emit progressChanged(m_progress);
    }
}

void ToolProcess::cancel()
{
    if (m_state == State::Waiting) {
        finish(State::Cancelled, Said{});
        return;
    }
    if (m_state != State::Running || m_cancelling)
        return;
    m_cancelling = true;
    if (!m_process || m_process->state() == QProcess::NotRunning) {
        finish(State::Cancelled, Said{});
        return;
    }
    // ffmpeg and the authoring tools end cleanly on SIGTERM.
    QProcess *process = m_process;
    process->terminate();
    QTimer::singleShot(kToolStopGraceMs, process, [process] {
        if (process->state() != QProcess::NotRunning)
            process->kill();
    });
}

void ToolProcess::finish(State state, const Said &error)
{
    if (isDone())
        return;
    m_state = state;
    m_error = error.shown;
    if (!error.isEmpty())
        reel::logAlways(reel::LogLabel(m_label), ":-( %@", error.english);
    finishing(state);
    // The folder goes with the last job or disc that holds it.
    m_work.reset();
    emit finished();
}

void ToolProcess::killTool()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(kToolStopGraceMs);
}

} // namespace convert
