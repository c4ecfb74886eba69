/// \file
/// \ingroup text
/// Reverse look-ups in localisation (strings) files: the key of a text that is
/// already translated, and every key of a file. Each line is judged on its own
/// by simple rules (a key between the first two double quotes, the value after
/// the first "="); comments, escaped quotes and entries over several lines
/// are not understood as such. Files are read with readContentsTxtUTF8, and
/// logged as it logs; one that cannot be read counts as one without keys.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>

REEL_EXPORT_BEGIN
namespace reel {

/// The key whose value is exactly text, in file: a path that is present, or
/// else a resource of the main bundle (file without its extension, of the
/// type of its extension; "strings" when it has none). The first matching
/// line wins. text itself when no key matches (logged) or there is no such
/// file; nothing for a null or empty text.
QString str2LocalisationTitle(const QString &text, const QString &file);

/// Every key of the main bundle's strings resource name (an extension is
/// ignored), in file order with repeats; empty when there is no such
/// resource or no key. Not logged.
QStringList localisationAllKeysFromFile(const QString &name);

} // namespace reel
REEL_EXPORT_END
