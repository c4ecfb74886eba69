/// \file
/// \ingroup system
/// System probes and scripting.
#pragma once

#include "reel/system/desktop.h"
#include "reel/system/machine.h"
#include "reel/system/versions.h"
