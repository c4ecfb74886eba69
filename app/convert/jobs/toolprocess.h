// Work done by running media tools one after the other, asynchronously:
// a conversion (ffmpeg, normalize, the checks) and a disc (spumux,
// dvdauthor, the image). The toolkit's runners block their caller until a
// tool ends; these tools take minutes, so each runs through a QProcess
// whose output is read as it comes.
//
// The work starts once, ends once with a state, and stops its tool when
// cancelled: asked politely first, killed after a grace period.
#pragma once

#include "jobs/tooloutput.h"
#include "jobs/workfolder.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace convert {

// How long a tool asked to stop may take before it is killed.
constexpr int kToolStopGraceMs = 3000;

class ToolProcess : public QObject {
    Q_OBJECT
public:
    enum class State { Waiting, Running, Finished, Failed, Cancelled };

    State state() const { return m_state; }
    bool isDone() const { return m_state != State::Waiting && m_state != State::Running; }
    // 0 to 100; 100 only once the work is in place.
    float progress() const { return m_progress; }
    // Why the work failed; empty otherwise.
    QString error() const { return m_error; }

    // The run's work folder to write in; without one, the work makes its own
    // when it starts.
    void setWorkFolder(std::shared_ptr<WorkFolder> work) { m_work = std::move(work); }

    // Stops the tool (or the work before its start) and removes what is
    // unfinished; finished() follows with the Cancelled state.
    void cancel();

signals:
    void progressChanged(float percent);
    void finished();

protected:
    // label names the work in the log ("conversion"), toolLabel the lines of
    // the tools it runs ("conversion tool").
    ToolProcess(const char *label, const char *toolLabel, QObject *parent);

    // Waiting to Running; false when the work was started before.
    bool begin();
    // A process for the next tool, made ready to start: the tool environment,
    // no input, a process group of its own (a Ctrl-C on the terminal reaches
    // the program alone, which cancels and cleans up) and an end with the
    // program. Its error output (all its output when the channels are
    // merged) comes to toolLine() a line at a time; the caller may change
    // any of this before process()->start().
    QProcess *prepareTool(const QString &program, const QStringList &arguments);
    QProcess *process() const { return m_process; }
    ToolOutput &output() { return m_output; }
    const ToolOutput &output() const { return m_output; }
    std::shared_ptr<WorkFolder> &work() { return m_work; }
    // Raises the progress; it never goes back.
    void setProgress(float percent);
    // Ends the work with state, once: later calls do nothing.
    void finish(State state, const Said &error);
    // For the destructor of work that may still run: kills the tool and waits
    // for it, without a word to the work.
    void killTool();

    // A line the tool wrote (never empty).
    virtual void toolLine(const QString &line) = 0;
    // The tool ended and the work was not cancelled meanwhile; its last
    // lines have been handed over.
    virtual void toolEnded(int exitCode, QProcess::ExitStatus status) = 0;
    // finish() is under way: what is unfinished goes.
    virtual void finishing(State state) = 0;
    // The error when program could not be started at all.
    virtual Said notStartedText(const QString &program, const QString &why) const;

private:
    void readOutput();
    void ended(int exitCode, QProcess::ExitStatus status);
    void deliver(const QString &line);

    const char *m_label;
    const char *m_toolLabel;
    State m_state = State::Waiting;
    float m_progress = 0;
    QString m_error;
    bool m_cancelling = false;
    std::shared_ptr<WorkFolder> m_work;
    QProcess *m_process = nullptr;
    ToolOutput m_output;
};

} // namespace convert
