/// \file
/// \ingroup files
/// File services: presence and path parts, folders and permissions, guarded removal, move and copy, listing, sizes and dates, workspace actions and file sniffing.
#pragma once

#include "reel/files/folders.h"
#include "reel/files/listing.h"
#include "reel/files/movecopy.h"
#include "reel/files/presence.h"
#include "reel/files/removal.h"
#include "reel/files/removalguard.h"
#include "reel/files/sizes.h"
#include "reel/files/workspace.h"
