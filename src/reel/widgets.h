/// \file
/// \ingroup widgets
/// The widgets library (reelkit::widgets): the application shell, the Qt
/// Widgets alert presenter and control enabling. Links Qt Widgets.
#pragma once

#include "reel/widgets/application.h"
#include "reel/widgets/controls.h"
#include "reel/widgets/qtpresenter.h"
