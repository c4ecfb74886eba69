/// \file
/// \ingroup plist
/// The property-list codec: XML and binary property-list bytes to and from
/// values, and which values stand for numbers.
#pragma once

#include "reel/plist/codec.h"
#include "reel/plist/numberkind.h"
