/// \file
/// \ingroup core
/// Where programs and the public headers have always found the export
/// macros; they live in the base layer, below every subsystem.
#pragma once

#include "reel/base/export.h"
