/// \file
/// \ingroup core
/// Debug switches that gate the toolkit's diagnostic log. None of these
/// fails or logs.
#pragma once

#include "reel/core/export.h"

#include <QtGlobal>

REEL_EXPORT_BEGIN
namespace reel {

/// The debug level. Any non-zero value switches the ordinary diagnostic lines
/// on; a level is a switch, not a verbosity scale.
extern qint8 MYDEBUG;

/// MYDEBUG, sign-extended.
int getDEBUG();
/// Sets MYDEBUG. Keeps the low 8 bits of level: 256 gives 0, -1 gives -1.
void setDEBUG(int level);
/// The developer switch: false for every level, so developer lines never show.
bool getDEBUGDEV(int level);
/// Does nothing: there is no developer switch to turn on.
void myDEBUGDEV();

/// True when ordinary (debug-gated) lines are written: getDEBUG() & 0xFF.
bool debugOn();

} // namespace reel
REEL_EXPORT_END
