/// \file
/// \ingroup task
/// Tool runner: command-line safety, single runs, pipelines, progress parsing and tool versions.
#pragma once

#include "reel/task/environment.h"
#include "reel/task/pipeline.h"
#include "reel/task/progress.h"
#include "reel/task/shellrun.h"
#include "reel/task/versions.h"
