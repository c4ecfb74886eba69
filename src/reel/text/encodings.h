/// \file
/// \ingroup text
/// The encoding name table, and the two readers built on detection and on a
/// given encoding.
#pragma once

#include "reel/core/export.h"
#include "reel/text/codecs.h"

#include <QString>
#include <QVariant>

REEL_EXPORT_BEGIN
namespace reel {

/// The table's entries look-up, by name or by number:
/// - a name that is one of the table's display names (exact, case-sensitive)
///   gives its identifier (int), whatever the number;
/// - otherwise -1 gives the whole table (QVariantMap of the decimal text of
///   each identifier to its display name, QString values), 0 gives nothing,
///   and any other number, read as unsigned, gives its display name (QString)
///   or nothing.
///
/// Not logged.
QVariant encodingCharsetInt2Name(int number, const QString &name);

/// The file's encoding detected: its display name, or without wantContents
/// nothing when detection failed or the encoding has no name; with
/// wantContents the file's text (read as ASCII when detection failed).
/// Nothing for a null path or one that is not present. The name is judged
/// from the first 256 KiB of the file alone (detectFileEncoding); the text
/// is read as readFileDetectingEncoding reads it, holding at its peak little
/// more than the text. The name found is always logged, and so is a
/// file that is not valid in it.
QString encodingCharsetIdentify(const QString &path, bool wantContents);

/// The file's text read with the encoding; nothing for a null path, a path
/// that is not present, encoding 0, or bytes that are not valid in it. Read
/// through a small buffer straight into the text. Once a present file is read,
/// the outcome is logged, failure or success.
QString convertFromEncoding(const QString &path, StringEncoding encoding);

} // namespace reel
REEL_EXPORT_END
