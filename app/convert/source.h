// What the converter knows about one source video, read with ffprobe.
#pragma once

#include <QString>

namespace convert {

struct SourceInfo {
    QString path;          // absolute
    QString title;         // the cleaned name shown to the user
    float duration = 0;    // seconds
    double sizeMB = -1;    // mebibytes, -1 when unknown
    int width = 0;
    int height = 0;
    float displayAspect = 0; // width / height as displayed; 0 when unknown
    bool hasAudio = false;
    QString error;         // why the source cannot be converted; empty when it can

    bool usable() const { return error.isEmpty(); }
};

// Reads the source's duration, picture and streams through the bundle's
// ffprobe. A source that is missing, unreadable, not a media file or without
// a video stream comes back with an error sentence.
SourceInfo probeSource(const QString &path);

// The duration as the window and the terminal show it: 0h01'02" (0:01:02.40).
QString durationText(float seconds);

// A size in mebibytes as "12.3 MB", or "1.2 GB" from 1024 MB on.
QString sizeText(double mebibytes);

} // namespace convert
