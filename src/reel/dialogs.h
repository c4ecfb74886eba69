// Dialogs: the presenter, alerts, timed alerts and control enabling.
#pragma once

#include "reel/dialogs/alerts.h"
