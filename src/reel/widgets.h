/// \file
/// \ingroup widgets
/// The widgets library (reelkit::widgets): the application shell, the Qt
/// Widgets alert presenter, control enabling and the desktop's notifications.
/// Links Qt Widgets and Qt D-Bus.
#pragma once

#include "reel/widgets/application.h"
#include "reel/widgets/controls.h"
#include "reel/widgets/desktopnotifications.h"
#include "reel/widgets/qtpresenter.h"
