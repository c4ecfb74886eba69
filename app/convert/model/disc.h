// A DVD made of converted videos: whether the set fits the disc, the
// bitrate the titles share, the chapters, and the words for dvdauthor,
// spumux and the ISO image tool.
//
// Sizes are MB of 1024 x 1024 bytes, as everywhere in the program.
#pragma once

#include "model/budget.h"
#include "model/plan.h"
#include "model/presets.h"
#include "model/source.h"
#include "model/srt.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

// What a recordable DVD holds: 2 295 104 sectors of 2048 bytes on a single
// layer ("4.7 GB"), 4 171 712 on a dual-layer DVD-R ("8.5 GB").
constexpr qint64 kSingleLayerBytes = 2295104LL * 2048;
constexpr qint64 kDualLayerBytes = 4171712LL * 2048;
// Kept off the titles for the IFO files, the file systems and the
// subtitles' subpictures.
constexpr int kDiscReservePercent = 2;
// A DVD has at most 99 titles, and at most 99 chapters in each. The titles
// here are played one after the other through the video manager's menu,
// whose commands dvdauthor caps at 128: two for each title after the first,
// and three more, leave room for 63.
constexpr int kMaxDiscTitles = 63;
constexpr int kMaxChapters = 99;

struct DiscSettings {
    bool dualLayer = false;
    int chapterMinutes = 5; // a chapter every so many minutes; 0: one chapter per title
    QString name = QStringLiteral("DVD");
};

// The whole disc in MB, and the room left for the titles.
int discCapacityMB(bool dualLayer);
int discRoomMB(bool dualLayer);
// "a single-layer DVD (4.7 GB)".
QString discKindText(bool dualLayer);

struct DiscBudget {
    bool ok = false;
    Budget budget;       // what each title is converted with
    int sharedKbps = 0;  // the picture's bitrate every title gets
    double totalMB = 0;  // the titles' estimated total
    QString problem;     // why the set is refused; empty when it fits
    int suggestedSizeMB = 0;     // a refused set: the target size that fits it; 0 when none does
    bool suggestDualLayer = false; // a refused set that a dual-layer disc would hold
};

// The budget of a disc of the usable sources, decided before anything
// runs. A target size is the size of the whole set: reel::bitrateCalculator
// shares it between the titles as one bitrate over their total duration. A
// bitrate is kept. Refused, saying by how much and with the target size
// that fits (or --dual-layer, or fewer videos, when nothing fits), when the
// titles would not fit the disc; also refused for a preset that is no DVD's
// and for more titles than a DVD has.
DiscBudget planDiscBudget(const QList<SourceInfo> &sources, const Preset &preset, const Budget &asked,
                          const DiscSettings &settings, const JobChoices &choices = {});

// The chapter marks of a title as dvdauthor takes them: "0", "0:05:00",
// "0:10:00"... every minutes minutes before the end (none in its last 10
// seconds), at most kMaxChapters; "0" alone for minutes <= 0.
QStringList chapterMarks(float duration, int minutes);

// The disc folder and ISO image in destination for the name, numbered
// ("DVD 2") so that neither exists yet.
struct DiscPaths {
    QString folder; // <destination>/<name>, holding VIDEO_TS
    QString iso;    // <destination>/<name>.iso
};
DiscPaths discPathsFor(const QString &destination, const QString &name);

// The volume label of an image: upper-case letters, digits and "_", at
// most 32 characters; "DVD" when nothing is left.
QString volumeLabel(const QString &name);

// One title as dvdauthor gets it.
struct AuthoredTitle {
    QString mpeg;          // the program stream (with subpictures when subtitled)
    QString aspect;        // "4:3" or "16:9"
    QStringList chapters;  // chapterMarks
    QStringList audioLanguages; // discLanguages
    QStringList subpictureLanguages; // of the source's own subpictures kept
    bool subtitled = false;
};

// The languages of a job's sound tracks (or of its subpicture streams) in
// the output's order, as a DVD stores them (two letters, "fr"); empty for a
// track whose language is not known.
QStringList discLanguages(const JobSettings &job, bool subpictures = false);

// dvdauthor's XML: one titleset per title (titles of different shapes
// cannot share one), played one after the other through a menu of commands
// only, subtitles shown from the start. format is "pal" or "ntsc".
QString dvdauthorXml(const QString &destination, const QList<AuthoredTitle> &titles, const QString &format);

// spumux's XML to render the SubRip file srt (UTF-8) onto a title of the
// preset in font: a font file, or a fontconfig pattern found through the
// tools' fonts configuration.
QString spumuxXml(const QString &srt, const Preset &preset, const QString &font);

// "pal" or "ntsc", as dvdauthor writes it; VIDEO_FORMAT takes it in upper
// case.
QString dvdFormat(const Preset &preset);

// One frame of the disc's picture in milliseconds: 40 in PAL, 1001/30 in
// NTSC.
double discFrameMs(const Preset &preset);

// The tool that makes the ISO image: genisoimage (its UDF bridge is what
// DVD players read) else xorriso, from the bundle's tools folder or the
// PATH; empty when there is neither.
QString isoTool();
// Its words to make iso from the folder holding VIDEO_TS.
QStringList isoArguments(const QString &tool, const QString &folder, const QString &iso, const QString &label);

// The language, as fontconfig names it, of the first script in the cues
// that DejaVu Sans lacks: "ja" (kana), "ko", "th", "hi", "zh-cn" (Han
// without kana); empty when DejaVu Sans draws them all (Latin, Greek,
// Cyrillic, Hebrew, Arabic...).
QString subtitleLanguage(const QList<Cue> &cues);

} // namespace convert
