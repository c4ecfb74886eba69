/// \file
/// \ingroup strings
/// Strings and lists: text substitution, name trimming, string and list helpers.
#pragma once

#include "reel/strings/lists.h"
#include "reel/strings/rewriting.h"
#include "reel/strings/transforms.h"
