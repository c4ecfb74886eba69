/// \file
/// \ingroup text
/// Writing text files: appending UTF-8 (with a byte-order mark on a new file
/// when asked), and replacing a file with text in an encoding chosen by a loose
/// name or with UTF-8 whose line endings are line feeds. A replacement writes
/// where the file really is (through symbolic links, for all of its names,
/// keeping its mode and owner) and never leaves a half-written or missing
/// file: see replaceFileContents.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Writes the UTF-8 byte-order mark EF BB BF over the first three bytes of the
/// existing regular file at path (as written; it is not created). False for a
/// null path or when the bytes were not written (logged).
bool writeUtf8Bom(const QString &path);

/// Appends the text in UTF-8 to the file at path ("~" expanded). A file that
/// is not there is created first, starting with the byte-order mark when
/// withBom; an existing file never gets one. False for a null or empty path
/// or text, and when the text was not appended (logged; nothing of it is left
/// then). A file that cannot be created gives false with a line on standard
/// error, not in the log.
bool writeTextFileUtf8(const QString &path, const QString &text, bool withBom);
/// writeTextFileUtf8 without the byte-order mark.
bool writeTextFileUtf8NoBom(const QString &path, const QString &text);
/// writeTextFileUtf8 with the byte-order mark on a new file.
bool writeTextFileUtf8Bom(const QString &path, const QString &text);

/// Replaces the file at path ("~" expanded) with the text in the encoding the
/// lower-case encodingName points to, first match wins: "roman" Mac OS Roman;
/// no "utf" ASCII; "16" with "be" UTF-16 big-endian, with "le" little-endian,
/// with neither UTF-16 after a byte-order mark; "8" UTF-8; anything else
/// ASCII. A null name counts as "". Characters the encoding cannot hold become
/// "?". The UTF forms are announced in a critical alert titled "encoding".
/// True when the new text is in place; false for a null or empty path or
/// text, for a file the user may not write, and when it could not be written
/// (the old file is then untouched; the last two logged).
bool writeTextFileEncoding(const QString &path, const QString &text, const QString &encodingName);

/// Replaces the file at path ("~" expanded) with the content in UTF-8 without
/// a mark, every CR LF and lone CR turned into LF. number is only logged
/// (always, once a path and content are given).
/// False for a null path or content, for a file the user may not write, and
/// when the file could not be written (the old file is then untouched; the
/// reason is logged).
bool ecritureFichier(const QString &path, const QString &content, int number);

} // namespace reel
REEL_EXPORT_END
