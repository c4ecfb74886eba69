/// \file
/// \ingroup strings
/// Text substitution, and the name clean-ups built on it. Only what is said
/// "logged" writes a line (but with the debug level on).
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Replaces every non-overlapping occurrence of search (case-sensitive,
/// UTF-16 unit by unit, scanning left to right).
///
/// Without isRecursive this is one pass. With it, passes repeat until search
/// no longer occurs ("a    b", "  " -> " " gives "a b"). When the replacement
/// itself contains search, repeating would never end, so the result is one
/// pass ("a-b", "-" -> "--" gives "a--b"); the trace of that case runs the
/// inserted replacements through a temporary marker text that is absent from
/// the text. A source without search comes back as the same string. An empty
/// search text returns the source (logged); a null replacement counts as "".
/// A repeated rewrite that would not end (the text keeps growing or cycling)
/// is stopped and gives the one-pass result (logged).
QString findAndReplace(const QString &source, const QString &search, const QString &replacement,
                       bool isRecursive);

/// Shortens the name part of a path to maximum UTF-16 units, keeping its
/// folder and extension: backquotes are removed from the name and colons
/// become "-". A "extension" longer than 12 units is dropped (logged). The cut
/// never splits a surrogate pair.
QString trimStr(const QString &path, uint maximum);

/// The last path component with every "%" turned into "_", safe inside a
/// format text; "" for a null path.
QString basenameSaferWithNoPercentStr(const QString &path);

} // namespace reel
REEL_EXPORT_END
