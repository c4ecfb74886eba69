/// \file
/// \ingroup task
/// Progress figures read from what the media tools print while they run.
/// Each reader takes the first occurrence of its tool's marker in the text it
/// is given, so a caller hands it the latest progress line. 0 means that no
/// progress could be read; only progressMpeg2enc logs it (ffmpeg's time is
/// traced in the log with the debug level on).
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The figure after the first marker in text: for "time=" an
/// hours:minutes:seconds figure in seconds (0 unless it has exactly three
/// parts), for any other marker the number that follows (spaces skipped).
/// 0 for a nil text or marker, or a text without the marker.
float progresses(const QString &text, const QString &marker);

/// ffmpeg's "time=" figure in seconds: progresses(text, progressFfmpegGrepStr()).
float progressFfmpeg(const QString &text);
/// The figure after "pourcentage    : ".
float progressMov2wavMux2mov(const QString &text);
/// normalize's figure after "(batch ".
float progressNormalize(const QString &text);
/// The figure after "Processing (".
float progressMovencoder(const QString &text);

/// The megabytes dvdauthor has written of the titleset it is making, from its
/// "STAT: VOBU 1234 at 456MB, 1 PGCs" lines; the count starts again in each
/// titleset. The lines of its fixing pass ("STAT: fixing VOBU at 5MB (17/42,
/// 38%)") hold no marker.
float progressDvdauthor(const QString &text);

/// The markers the readers above look for, to pick progress lines out of a
/// tool's output. This one is ffmpeg's, "time=".
QString progressFfmpegGrepStr();
/// "pourcentage    : ".
QString progressMov2wavMux2movGrepStr();
/// normalize's "(batch ".
QString progressNormalizeGrepStr();
/// "Processing (".
QString progressMovencoderGrepStr();
/// dvdauthor's "STAT: VOBU ".
QString progressDvdauthorGrepStr();

/// The frame after "Enc1" divided by the frame rate and by the total
/// duration, in percent. 0 (logged) when rate or total is 0.
float progressMpeg2enc(const QString &text, float rate, int total);

/// The player's audio position in percent of total: the last piece of the
/// lines holding "A:" (cut at non-printable characters, pieces shorter than
/// four characters left out), its first word after "A:" and before "(",
/// divided by total to six decimals (truncated), times 100. 0 when there is
/// no such figure, it is not a decimal number, or total is 0. Computed
/// without a shell: the text never runs anything.
float progressMplayer(const QString &text, int total);

} // namespace reel
REEL_EXPORT_END
