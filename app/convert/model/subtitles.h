// Subtitle files for a disc: found beside a video or named by the user, read
// in whatever encoding they were written (the toolkit's detection), and
// turned into cues.
#pragma once

#include "model/srt.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

// Larger files are no subtitles.
constexpr qint64 kMaxSubtitleBytes = 10 * 1024 * 1024;

struct SubtitleTrack {
    QString path;
    QList<Cue> cues;      // in the file's order, as read
    QString encodingName; // "Cyrillic (Windows)"...; empty when the table has no name for it
    int skipped = 0;      // cues left out (bad times, no text)
    QString error;        // why the file gives nothing; empty when it gives cues

    bool usable() const { return error.isEmpty(); }
};

// The .srt beside a video with the same base name (the extension in any
// case): "Holiday.SRT" for "Holiday.mkv". Null when there is none.
QString subtitleBeside(const QString &videoPath);

// The file read with the detected encoding and parsed. A file that cannot be
// read, is not text in an encoding the detection knows, is too large, or
// holds no cue comes back with an error sentence naming it.
SubtitleTrack readSubtitles(const QString &path);

// The subtitles of each video, by its path: given files in order (the
// first for the first video...), else the .srt beside it. Files that give
// nothing go to *problems with their reason ("...; the disc is made without
// them"), as do given files left over.
QHash<QString, SubtitleTrack> subtitlesFor(const QStringList &videos, const QStringList &given,
                                           QStringList *problems);

} // namespace convert
