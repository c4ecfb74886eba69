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

// The clips people actually have, made once per test program (they outlive
// the per-test scratch folders) from ffmpeg's test sources with moving
// grain, so that encoders spend their bits as on a recording. Small
// pictures keep the suite fast.
enum class Clip {
    Ntsc2997,   // 29.97 fps MKV, H.264 and AAC, 3 s
    Vfr,        // MP4 whose frame rate changes (10, 15, then 30 fps), H.264 and AAC, 3 s
    Tracks,     // MKV: two sound tracks (fre, then eng marked default) and an SRT subtitle track, 3 s
    Vertical,   // 180x320, the shape of a 1080x1920 phone video, MP4, 3 s
    Rotated,    // 320x180 stored, turned 90 degrees by its display matrix: shown 180x320
    Interlaced, // 480i: 720x480 MPEG-2, top field first, 4:3, AC-3, 2 s
    Silent,     // video only, MP4, 3 s
    Hevc10,     // 10-bit HEVC and AAC in MKV, 3 s
    Long,       // 30 s, 320x240, MPEG-4 and PCM in MKV, no grain: long enough to be stopped mid-way
};
// Fails the running test and returns a null string when ffmpeg makes nothing.
QString sharedClip(Clip clip);

// ffprobe's value of one entry ("format=duration", "stream=r_frame_rate"...)
// of the first stream it lists, or of the format; null when there is none.
QString probe(const QString &path, const QString &entry, const QString &streamSelector = QString());

// What ffprobe says of an output, read in one run.
struct Facts {
    double duration = 0;
    QStringList types;       // codec_type of each stream, in order
    QString fieldOrder;      // of the first video stream
    QString displayAspectFlag; // "4:3"... as stored
    double sampleAspect = 1; // of the first video stream
    double shownAspect = 0;  // width x sample aspect / height, display matrix applied
    QString audioLanguage;   // of the first audio stream
    QString subtitleCodec;   // of the first subtitle stream
};
Facts facts(const QString &path);

// The picture inside black bars, as ffmpeg's cropdetect finds it: width and
// height in stored pixels; 0 x 0 when nothing was found.
struct Area {
    int width = 0;
    int height = 0;
};
Area pictureArea(const QString &path);

// Runs a program and gives its exit code, with its output and error text.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};
ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory = QString());

// The file names in a folder, hidden ones included.
QStringList namesIn(const QString &folder);

// A fresh folder of that name in the test's scratch folder.
QString outFolder(const QString &name = QStringLiteral("out"));

// The md5 of a file's bytes, as hex.
QByteArray checksum(const QString &path);

inline Budget sizeBudget(int mb) { return Budget{Budget::Mode::TargetSize, mb, 0, 0}; }
inline Budget bitrateBudget(int kbps) { return Budget{Budget::Mode::Bitrate, 0, kbps, 0}; }
inline Budget qualityBudget(int crf) { return Budget{Budget::Mode::Quality, 0, 0, crf}; }

} // namespace convert::test
