// Dialogs: the presenter, alerts, timed alerts and control enabling.
#pragma once

#include "reel/dialogs/alerts.h"
#include "reel/dialogs/controls.h"
#include "reel/dialogs/passclock.h"
#include "reel/dialogs/presenter.h"
#include "reel/dialogs/qtpresenter.h"
#include "reel/dialogs/recordingpresenter.h"
#include "reel/dialogs/timedalerts.h"
