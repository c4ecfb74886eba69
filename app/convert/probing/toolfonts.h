// The fonts the tools find. The toolkit runs every tool with FONTCONFIG_FILE
// naming "fonts.conf" in the program's data folder and FONTCONFIG_PATH naming
// the fonts folder of "app.app" in the temporary folder, the bundle's
// stand-in there; neither is made by the toolkit. Without them fontconfig
// finds no font at all, and spumux renders no subtitle.
#pragma once

#include "model/language.h"
#include "model/presets.h"
#include "model/srt.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

// The configuration written for the tools: the bundle's own fonts, the
// system's fonts and settings, a cache in the temporary folder. Null when
// there is no temporary folder.
QString toolFontsConfiguration();

// Makes "app.app" in the temporary folder a link to the running bundle, and
// writes the configuration file unless it holds that text already. A file
// there that this program did not write (no marker line) is the user's, and
// is kept. False, with *error, when either could not be made.
bool prepareToolFonts(Said *error);

// The font spumux draws the cues in, for a title of the preset. Text that
// DejaVu Sans draws gets "DejaVu Sans" (the bundle's). Other scripts get the
// file of a font fontconfig has for their language (subtitleLanguage), the
// first in which spumux draws the longest cue and survives: some fonts crash
// it (Droid Sans Fallback at once, Noto Sans CJK on a text taller than the
// picture). With none, DejaVu Sans, which draws the letters it lacks as
// boxes, and a remark added to *remarks (once) saying so. Runs fc-match and
// spumux, each for a moment, in the tools' fonts configuration.
QString subtitleFontFor(const QList<Cue> &cues, const Preset &preset, QStringList *remarks);

} // namespace convert
