// Clips, sources, tool stand-ins and measurements for the converter's tests.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "bundles.h"

#include <jobs/authoring.h>
#include <jobs/job.h>
#include <model/budget.h>
#include <model/plan.h>
#include <probing/probe.h>
#include <probing/sample.h>

namespace convert::test {

inline constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

// The clips people actually have, made once per test program (they outlive
// the per-test scratch folders) with moving grain, so that encoders spend
// their bits as on a recording. Small pictures keep the suite fast.
enum class Clip {
    Ntsc2997, // 29.97 fps MKV, H.264 and AAC, 320x240, 3 s
    Tracks,   // MKV: two sound tracks (fre, then eng marked default) and an SRT subtitle track, 3 s
    Silent,   // video only, MP4, 3 s
    Long,     // 30 s, 320x240, MPEG-4 and PCM in MKV, no grain: long enough to be stopped mid-way
};
// Fails the running test and returns a null string when ffmpeg makes nothing.
QString sharedClip(Clip clip);

// Runs ffmpeg quietly on those words; fails the running test when it fails.
bool ffmpeg(const QStringList &words);
// An input of ffmpeg's test sources: "testsrc2=size=64x48", "sine=duration=2".
QStringList lavfi(const QString &source);

// A DVD program stream as the converter makes them: 720x576 MPEG-2, AC-3.
QString dvdStream(const QString &path, double seconds);
// A disc of that many titles in folder, all of one such stream there.
DiscJob discOf(const QString &folder, int titles, float seconds);

// ffprobe's values of one entry ("format=duration", "stream=codec_type"...)
// of the streams selected, or of the format, joined by commas; null when
// there is none.
QString probe(const QString &path, const QString &entry, const QString &streamSelector = QString());

// Runs a program and gives its exit code, with its output and error text.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};
ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory = QString());
// reelkit-convert itself, run in the test's scratch folder unless told.
ProgramRun convertWith(const QStringList &arguments, const QString &workingDirectory = QString());

// The converter started in the test's scratch folder, its output read as
// it comes.
struct Started {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray out;

    // Until a line of the output matches pattern.
    bool waitForOutput(const QString &pattern, int ms = 120000);
};
Started startConverter(const QStringList &arguments);

// A bundle whose tool is the script given, beside links to the real others.
QString bundleWithTool(const QString &tool, const QByteArray &script);
// A bundle whose ffprobe never answers, as on a stalled network share; it
// writes its process id to pidFile first.
QString hangingProbeBundle(const QString &pidFile);
// True once the process whose id pidFile holds is gone (waits up to 10 s).
bool processGone(const QString &pidFile);
// The tools of bundle while the result lives; the test's own when it is empty.
std::optional<reel::test::ScopedBundle> toolsOf(const QString &bundle);

// The file names in a folder, hidden ones included.
QStringList namesIn(const QString &folder);

// A fresh folder of that name in the test's scratch folder.
QString outFolder(const QString &name = QStringLiteral("out"));

// A source as ffprobe would describe it: 320x240, 4:3, progressive, 10 s.
StreamInfo stream(int index, const char *type, const char *codec, bool isDefault = false, const char *language = "");
SourceInfo sourceWith(const QList<StreamInfo> &streams, float duration = 10);

// The job of one clip as the plan makes it (failing the test on a
// problem), and a job run to its end.
JobSettings planOne(const QString &clip, const QString &presetId, const Budget &budget, const QString &destination);
void runToEnd(ConversionJob &job);

inline Budget sizeBudget(int mb) { return Budget{Budget::Mode::TargetSize, mb, 0, 0}; }
inline Budget bitrateBudget(int kbps) { return Budget{Budget::Mode::Bitrate, 0, kbps, 0}; }
inline Budget qualityBudget(int crf) { return Budget{Budget::Mode::Quality, 0, 0, crf}; }

} // namespace convert::test
