/// \file
/// \ingroup task
/// The version of the DVD-authoring tools shipped in the bundle.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Runs the bundle's own tools/spumux (spumux true) or tools/dvdauthor with
/// "-h" and reads the first line holding "version " from "version" on:
/// "version 0.7.2." gives 0.0702. The first positive value wins, else the
/// value of the last such line; 0 when the tool is missing (nothing is run),
/// prints nothing, or prints no such line. The run is logged as
/// taskArrayPipes logs it.
float versionSpumuxDvdauthor(bool spumux);

/// The version a tool's help text gives, read as versionSpumuxDvdauthor reads
/// it: the first positive value of a line's text from "version " on, else the
/// value of the last such line; 0 when no line holds "version ". Not logged.
float versionInHelpText(const QString &output);

} // namespace reel
REEL_EXPORT_END
