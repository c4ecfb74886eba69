/// \file
/// \ingroup media
/// Media helpers: extension tables and frame rates, EyeTV and iMovie sources.
#pragma once

#include "reel/media/eyetvimovie.h"
#include "reel/media/tables.h"
