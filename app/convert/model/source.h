// What the converter knows about one source video: ffprobe's JSON output
// and the interlace test's log read into it (probing/probe.h runs them).
#pragma once

#include "model/language.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace convert {

// Black bars around a picture, in pixels of the picture as displayed.
struct Bars {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;

    bool any() const { return top > 0 || bottom > 0 || left > 0 || right > 0; }
    bool operator==(const Bars &) const = default;
};

enum class FieldOrder {
    Unknown,     // the stream does not say and no test settled it
    Progressive,
    TopFirst,    // interlaced, top field first
    BottomFirst, // interlaced, bottom field first
};

inline bool isInterlaced(FieldOrder order)
{
    return order == FieldOrder::TopFirst || order == FieldOrder::BottomFirst;
}

// One stream as ffprobe describes it.
struct StreamInfo {
    int index = -1;        // ffprobe's stream index, the one -map 0:N takes
    QString type;          // "video", "audio", "subtitle", "data", "attachment"
    QString codec;         // "h264", "aac", "subrip"... empty when unknown
    QString language;      // "eng"; empty when none (or "und")
    QString title;
    bool isDefault = false;
    bool attachedPicture = false; // cover art, not a video
    float duration = 0;    // seconds, as the container gives it; 0 when it does not
    qint64 frames = -1;    // the frame count the container gives; -1 when it does not
    // Video
    int width = 0;
    int height = 0;
    float pixelAspect = 1; // sample aspect ratio; 1 when not given
    int rotation = 0;      // 0, 90, 180 or 270 degrees, as the display matrix asks
    float fps = 0;         // average frame rate; 0 when unknown
    QString baseRate;      // the rate every frame time fits ("30000/1001"); empty when unknown
    bool variableRate = false; // frames come at changing intervals (phones)
    FieldOrder fieldOrder = FieldOrder::Unknown;
    // Audio
    int channels = 0;
    int kbps = 0;          // the track's bitrate; 0 when the container does not give it
};

struct SourceInfo {
    QString path;          // absolute
    QString title;         // the cleaned name shown to the user
    QString titleNote;     // how a card clip's title was had, when not from the camera's time; else empty
    float duration = 0;    // seconds
    double sizeMB = -1;    // mebibytes, -1 when unknown
    QList<StreamInfo> streams;
    int videoStream = -1;  // position in streams of the picture converted; -1 when none
    // Of the converted picture as shown: rotation applied.
    int width = 0;
    int height = 0;
    float displayAspect = 0; // width / height as displayed; 0 when unknown
    FieldOrder fieldOrder = FieldOrder::Unknown;
    bool fieldOrderTested = false; // decided by the interlace test, not the stream
    Bars blackBars;        // found by cropdetect over the video, when it was asked to look
    bool hasAudio = false;
    bool stillPicture = false; // a picture, refused as such
    QString error;         // why the source cannot be converted; empty when it can
    QString errorInEnglish; // the same as the log keeps it

    void refuse(const Said &why)
    {
        error = why.shown;
        errorInEnglish = why.english;
    }

    bool usable() const { return error.isEmpty(); }
    const StreamInfo *video() const { return videoStream >= 0 ? &streams.at(videoStream) : nullptr; }
};

// Fills info's streams, duration and picture from ffprobe's JSON output
// (-show_format -show_streams -of json); sets info.error when the text is not
// such output, holds no video, or holds a still picture (an image format, or
// a single frame with no sound to carry it) rather than a video.
void readProbeJson(const QByteArray &json, SourceInfo &info);

// The black bars that ffmpeg's cropdetect found in a picture of that size,
// from its log ("crop=W:H:X:Y" lines, the last of a run counting); none
// when the log holds no such line or one that does not fit the picture.
Bars barsFromCropdetect(const QString &log, int width, int height);

// The bars every measured point of a video has: a dark scene at one point
// must not cut its picture.
Bars commonBars(const QList<Bars> &measured);

// The verdict of ffmpeg's idet filter from its log ("Multi frame detection:
// TFF: a BFF: b Progressive: c Undetermined: d"): interlaced only when one
// field order clearly outweighs the other and progressive frames together.
// Unknown when the text holds no such line, too few frames decided, or
// counts that no video reaches (logged).
FieldOrder idetVerdict(const QString &log);

// A number of ffprobe's JSON, which writes durations as strings and counts
// as numbers; 0 when it is no finite number.
double probeNumber(const QJsonValue &value);

// A stream's duration in ffprobe's JSON: its own, else Matroska's
// "DURATION" tag ("01:02:03.456000000"); 0 when neither is usable.
float probeStreamDuration(const QJsonObject &stream);

// "progressive", "interlaced, top field first"...
QString fieldOrderText(FieldOrder order);
Said fieldOrderSaid(FieldOrder order);

// The duration as the window and the terminal show it: 0h01'02" (0:01:02.40).
QString durationText(float seconds);

// A size in mebibytes (MB of 1024 x 1024 bytes, the program's one size unit)
// as "12.3 MB", or "1.2 GB" from 1024 MB on; "?" below 0.
QString sizeText(double mebibytes);

} // namespace convert
