// SubRip (.srt) subtitles: read from text of any origin, made fit for a
// DVD's subpictures, and written back as clean SubRip.
//
// Files found in the wild bend the format every way: a byte-order mark,
// CR LF or bare CR line ends, missing numbers or blank lines, "." for ",",
// one- or two-digit milliseconds, cues out of order or overlapping, HTML
// and ASS styling, and text after the end of the video. The reader takes
// what it can and counts what it left out; it never fails on any text.
#pragma once

#include <QList>
#include <QString>

namespace convert {

struct Cue {
    qint64 startMs = 0;
    qint64 endMs = 0;
    QString text; // lines joined with "\n", no styling, never empty
};

struct SrtRead {
    QList<Cue> cues;     // in the file's order
    int skipped = 0;     // timing lines whose cue was unusable (bad times, no text, over the limits)
};

// Bounds that keep a hostile file from costing much.
constexpr int kMaxCues = 20000;
constexpr int kMaxCueLines = 8;
constexpr int kMaxCueChars = 500;

// The cues of a SubRip text. Times past about 277 hours and cues that end
// before they start are skipped.
SrtRead parseSrt(const QString &text);

struct DiscCues {
    QList<Cue> cues;
    int leftOut = 0; // cues whose text the disc never shows
};

// The cues as a DVD shows them: in time order; a cue starting within 200 ms
// of the one before joins its text (two speakers at once) while the two fit
// the limits above; any other overlap ends the earlier cue where the later
// one starts (and drops it when nothing of it is left) (a DVD shows one
// subpicture at a time); cues that start at or after durationMs are dropped
// and those that run past it are cut there (no cut when durationMs <= 0).
// Then a cue shorter than frameMs joins the cue it touches within a frame,
// the one before else the one after, when the text fits, and is dropped
// when it cannot: every cue shown lasts a frame at least, so no text gives
// spumux more than one subpicture a frame.
DiscCues cuesForDisc(QList<Cue> cues, qint64 durationMs, double frameMs);

// "00:01:02,345".
QString srtTime(qint64 ms);

// The cues as a SubRip text, numbered from 1, lines ended with "\n".
QString writeSrt(const QList<Cue> &cues);

} // namespace convert
