// The checks an output passes before the converter says "done": the
// container opens, the streams kept are all there, each lasts as long as
// the source's (within 0.2 s or a frame), and the whole file decodes without
// an error. A full disk, a killed muxer or a tool that lied about its
// success leave files that fail one of them.
#pragma once

#include "model/language.h"
#include "model/plan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace convert {

struct Expectation {
    bool video = true;
    int audio = 0;          // sound tracks
    int subtitles = 0;
    float videoSeconds = 0; // 0 when the source does not say
    float audioSeconds = 0;
    float frameSeconds = 0.04f; // one frame of the source

    // How far a stream may end from the source's: 0.2 s, or a frame when
    // that is longer.
    float tolerance() const;
};

// What the output of job must hold.
Expectation expectationFor(const JobSettings &job);

// ffprobe's words that describe an output for outputProblem.
QStringList probeArguments(const QString &file);

// Why the output that ffprobe described (its JSON from probeArguments) is
// not what was expected: "the output holds no sound", "the picture lasts
// 0.1 s of 10.0 s"...; empty when it is.
Said outputProblem(const QByteArray &probeJson, const Expectation &expected);

// ffmpeg's words that decode the picture and the sound of file (or of the
// "concat:" list of a disc's title) from start to end into nothing, with its
// progress every quarter second; every line it writes besides is an error.
QStringList decodeArguments(const QString &input);

// Whether a line of that decode tells of damage in the file: anything but
// the null sink's own complaints about the timestamps it is handed (decoded
// sound often repeats one, whatever the file).
bool isDecodeError(const QString &line);

} // namespace convert
