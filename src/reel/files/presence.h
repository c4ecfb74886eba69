/// \file
/// \ingroup files
/// Whether a path is there, whether it is a folder, and the parts of a path,
/// with EyeTV recordings and iMovie projects named and placed as one item.
/// None of these logs but with the debug level on: a path that is not there
/// is an answer, not a failure.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariant>

#include <functional>

REEL_EXPORT_BEGIN
namespace reel {

/// True when the path ("~" expanded) can be opened for reading, or exists and
/// is itself a symbolic link to something that exists. Nil and "" are never
/// present. Every call notifies the file-system hook (refreshFinder).
bool testPresenceC(const QString &path);
/// testPresenceC of the value's "%@" text; false for nil.
bool testPresenceCocoa(const QVariant &object);

/// True when the path, as written (no "~" expansion), is a folder or a link
/// to one.
bool isDirectory(const QString &path);

/// Last component of the expanded path, extension included; "" for nil.
QString fichier_basename(const QString &path);
/// Bare name (no extension) of the item or of the EyeTV recording it lies
/// directly in; nil for nil.
QString fichier_nom(const QString &path);
/// The folder that holds the item, an EyeTV recording or an iMovie project's
/// DVD export counting as the bundle itself; "" for nil.
QString fichier_dirname(const QString &path);
/// The EyeTV recording folder a path lies directly in, or the path unchanged.
QString EyetvBundle(const QString &path);
/// The name to show for a source: the iMovie project's or the EyeTV
/// recording's name, else the item's bare name; nil for nil.
QString bundledVideoName(const QString &path);

/// Tells the program that something at path changed. Does nothing unless a
/// hook is installed; never fails and never blocks the caller beyond what
/// the hook itself does.
void refreshFinder(const QString &path);

/// What refreshFinder calls with the path.
using FileSystemChangedHook = std::function<void(const QString &path)>;
/// Installs the hook refreshFinder calls (an empty function removes it) and
/// returns the one it replaces.
FileSystemChangedHook setFileSystemChangedHook(FileSystemChangedHook hook);

} // namespace reel
REEL_EXPORT_END
