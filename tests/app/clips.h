// Clips and measurements for the converter's tests.
#pragma once

#include <QString>
#include <QStringList>

#include <budget.h>
#include <sample.h>

namespace convert::test {

// A clip of ffmpeg's test sources in the test's scratch folder; fails the
// running test (and returns a null string) when ffmpeg makes nothing.
QString makeClip(const QString &name, const SampleClip &settings);

// A short clip with grain, as the size tests need: 3 s, 320x240, sound.
SampleClip grainyClip();

// ffprobe's value of one entry ("format=duration", "stream=r_frame_rate"...)
// of the first stream it lists, or of the format; null when there is none.
QString probe(const QString &path, const QString &entry, const QString &streamSelector = QString());

// Runs a program and gives its exit code, with its output and error text.
struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
};
RunResult runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory = QString());

// The file names in a folder, hidden ones included.
QStringList namesIn(const QString &folder);

// A fresh folder of that name in the test's scratch folder.
QString outFolder(const QString &name = QStringLiteral("out"));

inline Budget sizeBudget(int mb) { return Budget{Budget::Mode::TargetSize, mb, 0}; }
inline Budget bitrateBudget(int kbps) { return Budget{Budget::Mode::Bitrate, 0, kbps}; }

} // namespace convert::test
