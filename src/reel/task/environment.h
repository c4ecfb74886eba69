/// \file
/// \ingroup task
/// Where the tools live and the environment they run with.
///
/// Every tool gets a copy of the program's environment with three variables
/// set, whatever the program had: the UTF-8 character type, the fonts
/// configuration file in the user's data folder, and the fonts folder of the
/// bundle copy that sits in the temporary folder. None of these logs (but
/// for getTMPFOLDER's own line when there is no temporary folder).
#pragma once

#include "reel/core/export.h"

#include <QByteArrayList>
#include <QString>
#include <QVariantMap>

REEL_EXPORT_BEGIN
namespace reel {

/// "$XDG_DATA_HOME" (when set to an absolute path), else "~/.local/share",
/// followed by the application's name and "fonts.conf".
QString toolFontconfigFile();
/// The temporary folder, "app.app", then "/Contents/Resources/fonts"; null
/// when there is no temporary folder (getTMPFOLDER null or empty).
QString toolFontconfigPath();
/// The tools folder of the bundle copy in the temporary folder:
/// \<temporary folder\>/app.app/Contents/Resources/tools; null when there is no
/// temporary folder.
QString toolsFolderInTemporaryFolder();
/// The bundle's own tools folder: \<resource path\>/tools.
QString toolsFolderInBundle();

/// The program's environment as it is now, "NAME=value" entries in order.
QByteArrayList programEnvironment();
/// The program's environment with LC_CTYPE, FONTCONFIG_FILE and
/// FONTCONFIG_PATH replaced (earlier values of those names are dropped).
/// Without a temporary folder FONTCONFIG_PATH is only dropped.
QByteArrayList toolEnvironment();

/// An environment as a dictionary, for the log.
QVariantMap environmentDictionary(const QByteArrayList &entries);

} // namespace reel
REEL_EXPORT_END
