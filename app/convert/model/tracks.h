// Which of a source's tracks go into the output, and the words that tell the
// user what was kept and what was dropped.
#pragma once

#include "model/presets.h"
#include "model/source.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

// What the user asked of the tracks, the same for every video of a run.
struct TrackRequest {
    enum class Pick {
        Default, // sound: the track marked default, else the first; subtitles: every one the output holds
        All,
        None,    // subtitles only
        Listed,  // the tracks named, in the order named
    };
    Pick audio = Pick::Default;
    Pick subtitles = Pick::Default;
    // Stream numbers as the plan shows them ("2" for "audio #2") or
    // languages ("eng", "fre", "fra", "en", "fr").
    QStringList audioListed;
    QStringList subtitlesListed;
    // The subtitle track drawn into the picture, by number or language;
    // empty for none.
    QString burn;
};

// Reads the value of --audio ("default", "all" or a comma list of numbers
// and languages) or, with subtitles, of --subtitle ("none", "all" or such a
// list). False, with *error, for a word that is neither.
bool readTrackWords(const QString &value, bool subtitles, TrackRequest::Pick *pick, QStringList *listed,
                    QString *error);

// Reads the value of --burn-subtitle: one track number or one language.
bool readBurnWord(const QString &value, QString *burn, QString *error);

// Whether a track's language tag and a language the user gave are the same
// language, in any of ISO 639's codes: "fre", "fra" and "fr" all name French.
bool sameLanguage(const QString &tag, const QString &wanted);

// A DVD holds at most 8 sound tracks and 32 subpicture streams in a title.
constexpr int kMaxDvdAudioTracks = 8;
constexpr int kMaxDvdSubpictures = 32;

struct TrackChoice {
    int video = -1;       // ffprobe stream index of the picture; -1 when none
    // The sound tracks kept, in the output's order; defaultAudio is the one
    // marked default there (the source's own default when it is kept).
    QList<int> audio;
    int defaultAudio = -1;
    // Subtitles kept as the output holds them: MP4 text, Matroska's any, a
    // DVD's own subpictures.
    QList<int> subtitles;
    int burn = -1;        // the subtitle track drawn into the picture; -1 for none
    int burnOrdinal = -1; // its place among the source's subtitle tracks (ffmpeg's 0:s:N)
    bool burnPicture = false; // a picture subtitle, laid over the frame, rather than text
    QStringList kept;     // "video #0 (h264, 320x240)", one per track kept
    QStringList dropped;  // "audio #1 (aac, fre): one sound track is kept"
    QStringList remarks;  // a language asked for that the source does not have
    QString problem;      // a track number that names no such track; the video is refused

    bool hasAudio() const { return !audio.isEmpty(); }
    int firstAudio() const { return audio.value(0, -1); }
};

// The picture, then the sound and the subtitles as the request says.
// Everything else is dropped with a reason.
TrackChoice chooseTracks(const SourceInfo &source, const Preset &preset, const TrackRequest &request = {});

// One line for the terminal and the window: "kept video #0 (h264, 320x240),
// audio #2 (aac, eng, default); dropped audio #1 (aac, fre): one sound track
// is kept".
QString trackSummary(const TrackChoice &choice);

// Whether ffmpeg can turn this subtitle codec into MP4's text subtitles.
bool isTextSubtitle(const QString &codec);
// Whether the codec's subtitles are pictures (Blu-ray, DVD, DVB).
bool isPictureSubtitle(const QString &codec);

} // namespace convert
