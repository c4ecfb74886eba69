/// \file
/// \ingroup dialogs
/// Dialogs: the presenter, alerts and timed alerts.
#pragma once

#include "reel/dialogs/alerts.h"
#include "reel/dialogs/passclock.h"
#include "reel/dialogs/presenter.h"
#include "reel/dialogs/recordingpresenter.h"
#include "reel/dialogs/timedalerts.h"
