/// \file
/// \ingroup numbers
/// Durations as text and back: the display form 1h02'03", the cut offset
/// -05.0' and the timecode H:MM:SS[.f].
///
/// Durations are seconds: an int for the display form, a single-precision
/// float for the cut offset and the timecode. Where a function below says
/// nothing of the log, it writes no line.
#pragma once

#include "reel/core/export.h"

#include <QString>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The display form "%dh%@%d'%@%d" plus a double quote: 62 gives 0h01'02",
/// 90000 gives 25h00'00". A negative duration gives the form of 0 (logged).
QString secondesInt2Str(int t);

/// Seconds from the display form (leading zeros optional: 0h1'2" gives 62);
/// a text without all of "h", "'" and the double quote is read as a plain
/// int ("125" gives 125, "2h05" gives 2). A missing field counts 0; 0 for a
/// null text and for a total beyond the int range (logged).
int secondesStr2Int(const QString &s);

/// The cut offset "-%@%.1f'" (5 gives -05.0', 9.96 gives -010.0'); "" for a
/// value <= 0 or NaN.
QString secondesCutFloat2Str(float x);

/// Seconds from a cut offset: the text between the first and the last
/// character read with str2Float; 0 for a text of fewer than 3 characters.
float secondesCutStr2Float(const QString &s);

/// The timecode H:MM:SS, or H:MM:SS.f with digits decimals (at most 3),
/// truncated, never rounded: 2.3 with 1 digit gives 0:00:02.2 (2.3 as a float
/// is 2.2999999). Negative digits count as 0 (logged); a negative, infinite or NaN
/// duration or one of 2^31 seconds or more gives the timecode of 0 (logged).
QString secondeFloat2TimecodeStr(float x, int digits);

/// Seconds from H:MM:SS, D:H:MM:SS, with an optional fraction after "." or
/// "," (".5", ",25") or as frames over a rate ("12/25"). 0 for a null text
/// and for any other number of fields; 0, logged, for days and hours beyond
/// the int range. A fraction that cannot be read adds 0 (logged). With the
/// debug level on, a text that held a number but gave less than 0.1 second
/// raises an alert.
float timecodeStr2Float(const QString &s);

/// A duration as people type it: seconds ("90", "90.5", "90,5"), M:SS or
/// H:MM:SS with an optional fraction ("1:30", "90:00", "0:01:30.5"), or units
/// ("1h30m", "1h30", "2m", "45s", "1.5h", "2m 30s", the display form
/// 1h30'00"). Nothing for any other text, for minutes or seconds of 60 or
/// more after a larger unit, and for 10 million seconds or more. Not logged.
std::optional<double> userDurationSeconds(const QString &text);

} // namespace reel
REEL_EXPORT_END
