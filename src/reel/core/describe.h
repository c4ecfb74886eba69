/// \file
/// \ingroup core
/// The "%@" text of a value, in the style of Foundation's descriptions.
/// Every value has one: these never fail and never log.
#pragma once

#include "reel/core/export.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

REEL_EXPORT_BEGIN
namespace reel {

/// A string is itself; a number its decimal text (a boolean 1 or 0); data its
/// bytes in hexadecimal between angle brackets ("<0b77>", a space after every
/// four bytes); a date "YYYY-MM-DD HH:MM:SS +HHMM" in local time; lists and
/// dictionaries the old-style property-list text with four-space indentation,
/// dictionary keys sorted. A missing value (invalid QVariant) is "(null)".
QString describe(const QVariant &value);

/// "YYYY-MM-DD HH:MM:SS +HHMM", local time with its offset from UTC.
QString describeDate(const QDateTime &date);

} // namespace reel
REEL_EXPORT_END
