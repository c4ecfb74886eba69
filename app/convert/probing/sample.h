// Clips made from ffmpeg's test sources: the built-in sample that a
// newcomer sees converted at once, and the clips of the tests.
#pragma once

#include "probing/toolrun.h"

#include <QString>

namespace convert {

struct SampleClip {
    double seconds = 5;
    int width = 640;
    int height = 360;
    QString rate = QStringLiteral("25");
    bool audio = true;
    // Moving grain over the picture: something an encoder must spend its
    // bits on, as on a real recording, rather than a flat test card.
    bool grain = false;
};

// Writes the clip at path (Matroska: MPEG-4 picture, PCM sound), replacing
// a clip already there. False, with *error, when ffmpeg made nothing, ran
// out of time or was cancelled (nothing is left then).
bool makeSampleClip(const QString &path, const SampleClip &settings, QString *error,
                    const RunLimits &limits = RunLimits{120000, {}});

// Where the built-in sample is made: "reelkit_sample.mkv" in the temporary
// folder; null when there is none (makeSampleClip then refuses).
QString builtInSamplePath();

} // namespace convert
