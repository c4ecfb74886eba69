// Whether a window can be opened at all.
#pragma once

#include <QString>

namespace convert {

// Whether Qt's platform would open on the display the environment names.
// Qt ends the program (SIGABRT, "Reinstalling the application may fix this
// problem") when DISPLAY names a server that does not answer; the question
// is put to a child process that tries, so the program itself never meets
// that end. A platform chosen with QT_QPA_PLATFORM is trusted. Must be asked
// before the program makes its QApplication. *why gets a sentence for the
// user when the answer is no.
bool displayAnswers(QString *why);

} // namespace convert
