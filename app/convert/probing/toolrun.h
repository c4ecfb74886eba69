// A short tool run with a time limit that the caller can cancel: ffprobe,
// the interlace test and the sample clip.
//
// The toolkit's runners wait as long as the tool writes; a probe of a file on
// a stalled network share, or of a file that makes ffprobe loop, must end.
// The run blocks its caller, so the window runs it on a worker thread
// (reader.h); it works on any thread and needs no event loop.
#pragma once

#include "model/language.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace convert {

struct RunLimits {
    int timeoutMs = 30000;
    // Asked about every 50 ms; true stops the tool. May be empty.
    std::function<bool()> cancelled;
};

struct RunResult {
    enum class Outcome { Finished, TimedOut, Cancelled, NotStarted };
    Outcome outcome = Outcome::NotStarted;
    int exitCode = -1; // when Finished; -1 when the tool died of a signal
    QByteArray out;
    QByteArray err;

    bool succeeded() const { return outcome == Outcome::Finished && exitCode == 0; }
};

// The toolkit's tool environment (reel::toolEnvironment) for a QProcess.
QProcessEnvironment toolProcessEnvironment();

// Runs program with arguments in the toolkit's tool environment, reading
// nothing, in a process group of its own (a Ctrl-C on the terminal reaches
// the program, which decides). A tool that outlives the limit or is
// cancelled is killed and reaped before the call returns.
RunResult runBounded(const QString &program, const QStringList &arguments, const RunLimits &limits);

// "ffprobe gave no answer within 30 s", "ffprobe was cancelled"... for a
// run that did not finish; empty for one that did.
QString unfinishedRunText(const QString &tool, const RunResult &result, const RunLimits &limits);
Said unfinishedRun(const Said &tool, const RunResult &result, const RunLimits &limits);

} // namespace convert
