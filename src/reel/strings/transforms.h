/// \file
/// \ingroup strings
/// Small string transforms: reversal, case inversion, line splitting, and the
/// digit sum. None fails or logs.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>

REEL_EXPORT_BEGIN
namespace reel {

/// The characters in reverse order; "" for an empty or null string. A
/// surrogate pair stays one character (high then low), so the result is
/// valid UTF-16 whenever s is.
QString reverseStr(const QString &s);

/// s itself, unchanged.
QString reverseIntelStr(const QString &s);

/// Every character with its case swapped, with full case mapping ("ß" gives
/// "SS"); title-case letters and characters without case stay as they are.
/// "" for an empty or null string.
QString invertcaseString(const QString &s);

/// The non-empty lines of text, split at every LF, VT, FF, CR, U+0085,
/// U+2028 and U+2029 (so CR LF leaves an empty piece between, which is
/// dropped). Lines of spaces stay. An empty list for a null text.
/// The lines share a few large buffers (a line is copied on its first
/// change): a line kept for long after the others are gone keeps up to
/// 32 MiB alive with it; QString(line.constData(), line.size()) keeps it
/// alone.
QStringList linesToArray(const QString &text);

/// The repeated digit sum of n: the digital root (1 to 9) for n >= 1; 0 and
/// negative numbers come back unchanged.
int addDigits(int n);

} // namespace reel
REEL_EXPORT_END
