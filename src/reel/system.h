// System probes, network and scripting.
#pragma once
