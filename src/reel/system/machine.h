/// \file
/// \ingroup system
/// The machine: processors, CPU model, display acceleration, the user's
/// short name, and the build's architecture. The probes that say "logged"
/// write their answer, whatever it is; the others never log.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// True in an x86 (32- or 64-bit) build.
bool archIntel();
/// The processor cores online, logged; at least 1, also when the system
/// does not say.
int nbProcessors();
/// Whether the main display renders OpenGL in hardware, logged. False, with
/// its three lines, without a display, on platforms without OpenGL
/// (offscreen, minimal, vnc, linuxfb...), under a software renderer
/// (llvmpipe and the like, or LIBGL_ALWAYS_SOFTWARE), and off the main
/// thread. With a display it asks a short-lived OpenGL context for its
/// renderer and puts back the context that was current.
bool quartzExtremeCard();
/// Whether the CPU is a PowerPC 750 (G3), logged; false when /proc/cpuinfo
/// names no such CPU or cannot be read.
bool cpuG3();
/// The short name that follows "Users" or "home" in the home folder's path,
/// or nil.
QString usrLoginName();

/// quartzExtremeCard asks this function for the OpenGL renderer of the main
/// display: "" when there is no display to ask, or none that can render with
/// OpenGL. The widgets library sets it when it is linked; without it no
/// display counts as accelerated. Returns the function set before.
using DisplayRendererQuery = QString (*)();
/// Sets the query above; returns the one set before.
DisplayRendererQuery setDisplayRendererQuery(DisplayRendererQuery query);

/// Whether an OpenGL renderer string names a hardware renderer; false for the
/// software rasterisers and for an empty string.
bool rendererIsHardware(const QString &renderer);
/// The CPU subtype number the "cpu" line of /proc/cpuinfo text names on a
/// PowerPC (9 for the 750 family, 10 for the 7400, 11 for the 7450, 100 for
/// the 970...); 750 when there is no such line or the model is unknown.
int cpuSubtypeFromCpuinfo(const QByteArray &cpuinfo);

} // namespace reel
REEL_EXPORT_END
