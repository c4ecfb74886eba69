// One conversion: ffmpeg run asynchronously (one or two passes) into the
// run's private work folder, the result checked, then moved into place.
// Its status lines are read with reel::progressFfmpeg as they come.
#pragma once

#include "jobs/toolprocess.h"
#include "model/plan.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace convert {

// The line of ffmpeg's error output that says why it failed, never one of
// its general closing words ("Conversion failed!", "Error submitting video
// frame to the encoder"...): the last complaint of a component (an encoder,
// a muxer), its address left out ("[libx264 @ 0x55d0] x" gives "libx264:
// x"); else the first specific line; else the last line; empty for none.
QString ffmpegFailureReason(const QStringList &lines);

class ConversionJob : public ToolProcess {
    Q_OBJECT
public:
    explicit ConversionJob(const JobSettings &settings, QObject *parent = nullptr);
    // A job destroyed while running stops its tool and removes what it wrote.
    ~ConversionJob() override;

    // The settings; once finished, output is where the file was put (a
    // numbered name when something took the planned one meanwhile).
    const JobSettings &settings() const { return m_settings; }
    // Where ffmpeg writes until the move; empty before the start.
    QString temporaryPath() const { return m_temporary; }
    // The output the plan named; settings().output differs when that name
    // was taken meanwhile.
    QString plannedOutput() const { return m_planned; }
    // Whether the output passed its checks (false when they were not asked for).
    bool verified() const { return m_verified; }
    qint64 elapsedMs() const;

    // Starts the first pass; the job ends with finished(), also when it
    // cannot start at all.
    void start();

protected:
    void toolLine(const QString &line) override;
    void toolEnded(int exitCode, QProcess::ExitStatus status) override;
    void finishing(State state) override;

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
    Said toolFailure(int exitCode, QProcess::ExitStatus status) const;
    bool checkDecoded(int exitCode, QProcess::ExitStatus status);
    bool checkOpens(int exitCode, QProcess::ExitStatus status);
    void nextStep();
    bool soundIsWhole();
    void moveIntoPlace();
    void removeLeftovers(bool temporaryToo);

    JobSettings m_settings;
    QString m_planned;
    QString m_temporary;
    QString m_passlog;
    int m_pass = 0;
    Stage m_stage = Stage::Encode;
    QString m_sound;          // the WAV file normalize works on; empty when none
    bool m_verified = false;
    QByteArray m_probeJson;
    QElapsedTimer m_clock;
    qint64 m_elapsedAtEnd = 0;
};

} // namespace convert
