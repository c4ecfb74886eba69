/// \file
/// \ingroup text
/// Reading whole text files: the general reader that detects the encoding,
/// and the reader of a file's first line.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The text of the file at path (as written), its encoding detected; read as
/// ASCII when detection finds none (logged). When the file cannot be read or
/// decoded (logged),
/// its bytes are copied to path + ".txt", that copy is read as ASCII and
/// moved back onto path with the overwrite flag "-y" (which never
/// overwrites: the copy stays beside a file that is still there). Nothing is
/// ever written over an item that already stands at the copy's path (logged,
/// and the file is read as ASCII where it is). A path
/// where nothing is gives "" and leaves an empty file there. Nothing for a
/// null path, or when the copy cannot be made (logged). The file is read through a
/// small buffer: at its peak the read holds the text and little more (two
/// bytes a character).
QString readContentsTxtUTF8(const QString &path);

/// The first line of the regular file at path (as written), line feed
/// included, read as ASCII: at most maxChars - 1 bytes, and the whole line
/// when the file is shorter than that. Cut at a NUL byte. Nothing for an
/// empty file, a file that cannot be opened (or is no regular file), and a
/// maxChars of 0 or less; "" for a maxChars of 1. Reading stops at the first
/// line feed or NUL: the rest of the file is never read. Not logged.
QString readContentsTxtC(const QString &path, int maxChars);

} // namespace reel
REEL_EXPORT_END
