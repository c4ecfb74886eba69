/// \file
/// \ingroup prefs
/// Preferences, child dictionaries, property-list files and the developer switch.
#pragma once

#include "reel/prefs/childdicts.h"
#include "reel/prefs/devswitch.h"
#include "reel/prefs/plistfiles.h"
#include "reel/prefs/preferences.h"
#include "reel/prefs/store.h"
