/// \file
/// \ingroup core
/// Strings files: the key-to-text tables of an application's localisations.
/// Nothing here writes to the log.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// Decodes a strings file (UTF-16 with a byte-order mark, UTF-8 with or
/// without one, else Latin-1) and parses it. The classic syntax is
/// \code{.unparsed}
///   /* comment */  // comment
///   "key" = "value";   key = value;   "key";   (the last maps key to itself)
/// \endcode
/// with the escapes `\n \t \r \" \\ \a \b \f \v`, `\Uhhhh` and octal `\ooo`, and
/// optional braces around the whole. A file that is an XML or binary property
/// list whose root is a dictionary of strings is read as such. Nothing for a
/// file that does not parse or is larger than kPlistMaxBytes; *error then
/// says why when given.
std::optional<QHash<QString, QString>> parseStringsFile(const QByteArray &bytes, QString *error = nullptr);

/// The text of a strings file after its encoding was worked out as above.
/// Never fails: bytes that are not UTF-8 are read as Latin-1.
QString decodeStringsFileText(const QByteArray &bytes);

} // namespace reel
REEL_EXPORT_END
