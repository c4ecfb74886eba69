// The terminal form: the same conversions as the window, with a text
// progress bar on a terminal and plain progress lines otherwise.
#pragma once

#include "model/options.h"

#include <cstdio>

namespace convert {

// Runs the conversions the options ask for and returns the exit code.
// Needs a QCoreApplication (no display); out gets the progress and the
// results, err the problems.
int runTerminal(const Options &options, std::FILE *out, std::FILE *err);

} // namespace convert
