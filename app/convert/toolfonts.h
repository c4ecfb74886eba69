// The fonts the tools find. The toolkit runs every tool with FONTCONFIG_FILE
// naming "fonts.conf" in the program's data folder and FONTCONFIG_PATH naming
// the fonts folder of "app.app" in the temporary folder, the bundle's
// stand-in there; neither is made by the toolkit. Without them fontconfig
// finds no font at all, and spumux renders no subtitle.
#pragma once

#include <QString>

namespace convert {

// The configuration written for the tools: the bundle's own fonts, the
// system's fonts and settings, a cache in the temporary folder.
QString toolFontsConfiguration();

// Makes "app.app" in the temporary folder a link to the running bundle, and
// writes the configuration file unless it holds that text already. A file
// there that this program did not write (no marker line) is the user's, and
// is kept. False, with *error, when either could not be made.
bool prepareToolFonts(QString *error);

} // namespace convert
