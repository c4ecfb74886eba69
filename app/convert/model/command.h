// The ffmpeg words of a planned job, pass by pass.
#pragma once

#include "model/plan.h"

#include <QString>
#include <QStringList>

namespace convert {

// The words after the ffmpeg path for one pass (1 to passCount) of job. Only
// the last pass writes output; the earlier ones write the encoder's
// statistics under passlog (a path prefix) and nothing else. With
// job.soundInput the last pass takes the sound from that file. Every pass
// decodes and filters the same frames, so that the statistics describe the
// frames the last pass encodes.
QStringList passArguments(const JobSettings &job, int pass, const QString &passlog, const QString &output);

// The words that decode the job's sound track into a 16-bit, 48 kHz stereo
// WAV file for normalize (RF64 past 4 GB).
QStringList soundArguments(const JobSettings &job, const QString &wav);

// A command line to show or paste into a shell: each word that the shell
// would change put in single quotes.
QString shellLine(const QString &program, const QStringList &words);

} // namespace convert
