/// \file
/// \ingroup core
/// Core runtime: debug switches and log, shared constants and the temporary
/// folder, the application bundle, and the exact helpers (paths,
/// number scanning, value descriptions) the rest builds on, over the
/// property-list codec.
#pragma once

#include "reel/base/errortext.h"
#include "reel/plist.h"

#include "reel/core/bundle.h"
#include "reel/core/constants.h"
#include "reel/core/debug.h"
#include "reel/core/describe.h"
#include "reel/core/fileio.h"
#include "reel/core/format.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/core/privatefiles.h"
#include "reel/core/scan.h"
#include "reel/core/stringsfile.h"
