/// \file
/// \ingroup network
/// The network library (reelkit::network): web pages and the connection
/// check. Links libcurl.
#pragma once

#include "reel/network/network.h"
