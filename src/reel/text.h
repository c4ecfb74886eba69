/// \file
/// \ingroup text
/// Text files: encodings, writing, reading and localisation files.
#pragma once

#include "reel/text/codecs.h"
#include "reel/text/detection.h"
#include "reel/text/encodings.h"
#include "reel/text/localisation.h"
#include "reel/text/reading.h"
#include "reel/text/writing.h"
