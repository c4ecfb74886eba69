/// \file
/// \ingroup lib_core lib_widgets lib_network
/// reelkit: everything the toolkit offers, in one include.
#pragma once

#include "reel/core.h"
#include "reel/dialogs.h"
#include "reel/files.h"
#include "reel/media.h"
#include "reel/numbers.h"
#include "reel/plist.h"
#include "reel/prefs.h"
#include "reel/strings.h"
#include "reel/system.h"
#include "reel/task.h"
#include "reel/text.h"
#include "reel/widgets.h"
#include "reel/network.h"
