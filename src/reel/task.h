// Tool runner: command-line safety, single runs, pipelines, progress parsing and tool versions.
#pragma once
