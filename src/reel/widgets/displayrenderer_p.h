// The OpenGL renderer of the main display, asked through Qt GUI. Part of the
// widgets library, which hands it to quartzExtremeCard (machine.h).
#pragma once

#include <QString>

namespace reel::system {

// The renderer a short-lived OpenGL context reports, with the context that was
// current put back; "" without a QGuiApplication, off its thread, on a
// platform without OpenGL (offscreen, minimal, vnc, linuxfb...) or when
// software rendering is asked for (LIBGL_ALWAYS_SOFTWARE,
// Qt::AA_UseSoftwareOpenGL).
QString displayRenderer();

} // namespace reel::system
