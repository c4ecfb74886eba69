// One conversion: ffmpeg run asynchronously (one or two passes) into the
// run's private work folder, the result checked, then moved into place.
//
// The toolkit's tool runners block their caller until a tool ends; a
// conversion takes minutes, so the job runs ffmpeg itself through QProcess
// and reads its status lines with reel::progressFfmpeg as they come.
#pragma once

#include "jobs/tooloutput.h"
#include "jobs/workfolder.h"
#include "model/plan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace convert {

// The line of ffmpeg's error output that says why it failed, never one of
// its general closing words ("Conversion failed!", "Error submitting video
// frame to the encoder"...): the last complaint of a component (an encoder,
// a muxer), its address left out ("[libx264 @ 0x55d0] x" gives "libx264:
// x"); else the first specific line; else the last line; empty for none.
QString ffmpegFailureReason(const QStringList &lines);

class ConversionJob : public QObject {
    Q_OBJECT
public:
    enum class State { Waiting, Running, Finished, Failed, Cancelled };

    explicit ConversionJob(const JobSettings &settings, QObject *parent = nullptr);
    // A job destroyed while running stops its tool and removes what it wrote.
    ~ConversionJob() override;

    // The settings; once finished, output is where the file was put (a
    // numbered name when something took the planned one meanwhile).
    const JobSettings &settings() const { return m_settings; }
    State state() const { return m_state; }
    bool isDone() const { return m_state != State::Waiting && m_state != State::Running; }
    // 0 to 100; 100 only once the output is in place.
    float progress() const { return m_progress; }
    // Why the job failed; empty otherwise.
    QString error() const { return m_error; }
    // Where ffmpeg writes until the move; empty before the start.
    QString temporaryPath() const { return m_temporary; }
    // The output the plan named; settings().output differs when that name
    // was taken meanwhile.
    QString plannedOutput() const { return m_planned; }
    // Whether the output passed its checks (false when they were not asked for).
    bool verified() const { return m_verified; }
    qint64 elapsedMs() const;

    // The run's work folder to write in; without one, the job makes its own
    // beside the output when it starts.
    void setWorkFolder(std::shared_ptr<WorkFolder> work) { m_work = std::move(work); }

    // Starts the first pass; the job ends with finished(), also when it
    // cannot start at all.
    void start();
    // Stops the tool (or the job before its start) and removes the partial
    // output; finished() follows with the Cancelled state.
    void cancel();

signals:
    void progressChanged(float percent);
    void finished();

private:
    // What the tool running now does: the sound decoded and evened out
    // (with normalize), the encoder's passes, then the checks of the result.
    enum class Stage { Sound, Normalize, Encode, Probe, Decode };

    void startSound();
    void startNormalize();
    void startPass(int pass);
    void startProbe();
    void startDecode();
    void runTool(const QString &program, const QStringList &arguments, bool readOutput = false);
    void reportProgress(float fraction);
    void readStatus();
    void statusLine(const QString &line);
    void toolEnded(int exitCode, QProcess::ExitStatus status);
    QString toolFailure(int exitCode, QProcess::ExitStatus status) const;
    bool soundIsWhole();
    void moveIntoPlace();
    void finish(State state, const QString &error);
    void removeLeftovers(bool temporaryToo);

    JobSettings m_settings;
    QString m_planned;
    State m_state = State::Waiting;
    float m_progress = 0;
    QString m_error;
    std::shared_ptr<WorkFolder> m_work;
    QString m_temporary;
    QString m_passlog;
    int m_pass = 0;
    Stage m_stage = Stage::Encode;
    QString m_sound;          // the WAV file normalize works on; empty when none
    bool m_cancelling = false;
    bool m_verified = false;
    QProcess *m_process = nullptr;
    ToolOutput m_output;
    QByteArray m_probeJson;
    QElapsedTimer m_clock;
    qint64 m_elapsedAtEnd = 0;
};

} // namespace convert
