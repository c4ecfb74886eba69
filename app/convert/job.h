// One conversion: ffmpeg run asynchronously (one or two passes) into a
// temporary file beside the output, which is moved into place at the end.
//
// The toolkit's tool runners block their caller until a tool ends; a
// conversion takes minutes, so the job runs ffmpeg itself through QProcess
// and reads its status lines with reel::progressFfmpeg as they come.
#pragma once

#include "plan.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

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

    const JobSettings &settings() const { return m_settings; }
    State state() const { return m_state; }
    bool isDone() const { return m_state != State::Waiting && m_state != State::Running; }
    // 0 to 100; 100 only once the output is in place.
    float progress() const { return m_progress; }
    // Why the job failed; empty otherwise.
    QString error() const { return m_error; }
    // Where ffmpeg writes until the move; empty before the start.
    QString temporaryPath() const { return m_temporary; }
    qint64 elapsedMs() const;

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
    // (with normalize), then the encoder's passes.
    enum class Stage { Sound, Normalize, Encode };

    void startSound();
    void startNormalize();
    void startPass(int pass);
    void runTool(const QString &program, const QStringList &arguments);
    void reportProgress(float fraction);
    void readStatus();
    void statusLine(const QString &line);
    void passEnded(int exitCode, QProcess::ExitStatus status);
    void moveIntoPlace();
    void outputReady();
    void finish(State state, const QString &error);
    void removeLeftovers(bool temporaryToo);

    JobSettings m_settings;
    State m_state = State::Waiting;
    float m_progress = 0;
    QString m_error;
    QString m_temporary;
    QString m_passlog;
    int m_pass = 0;
    Stage m_stage = Stage::Encode;
    QString m_sound;          // the WAV file normalize works on; empty when none
    bool m_cancelling = false;
    QProcess *m_process = nullptr;
    QByteArray m_pending;     // status bytes after the last line break
    QStringList m_toolErrors; // the tool's latest lines other than its progress
    QElapsedTimer m_clock;
    qint64 m_elapsedAtEnd = 0;
};

} // namespace convert
