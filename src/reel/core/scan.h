/// \file
/// \ingroup core
/// Lenient number readers with the rules of Foundation's NSString and NSScanner
/// conversions, which tool output and user entries are read with. None
/// logs.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringView>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// Characters a scan passes over before the number.
enum class ScanSkip {
    WhitespaceAndNewlines, ///< the scanner's default
    Letters,               ///< Unicode letters and marks
    Nothing,               ///< nothing: the number must start at *pos
};

/// Reads a number at *pos after skipping: optional sign, digits, optional "."
/// and fraction (at least one digit in all), optional exponent. Only ASCII
/// digits and the point count; a comma ends the number. On success *pos moves
/// past the number; on failure it stays and nothing is returned. The value is
/// read in double precision; scanFloat narrows it to single precision.
std::optional<double> scanDouble(QStringView text, qsizetype *pos, ScanSkip skip = ScanSkip::WhitespaceAndNewlines);
/// scanDouble narrowed to single precision.
std::optional<float> scanFloat(QStringView text, qsizetype *pos, ScanSkip skip = ScanSkip::WhitespaceAndNewlines);

/// NSString intValue: leading white space, optional sign, digits; 0 when
/// there are none. Saturates at the int limits.
int intValue(QStringView text);
/// NSString longLongValue: as intValue, saturating at the 64-bit limits.
qint64 longLongValue(QStringView text);

/// NSString floatValue / doubleValue: the leading number after white space,
/// 0 when there is none.
float floatValue(QStringView text);
/// doubleValue: as floatValue, in double precision.
double doubleValue(QStringView text);

/// The scanner's white-space-and-newline set: Unicode separators, U+0009 to
/// U+000D and U+0085.
bool isWhitespaceOrNewline(QChar c);

} // namespace reel
REEL_EXPORT_END
