/// \file
/// \ingroup widgets
/// Switching a group of controls on or off together.
#pragma once

#include "reel/core/export.h"

class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

/// Enables or disables view when it is a control (a button, line edit, label,
/// combo box, spin box, slider, text edit or item view, subclasses included).
/// A widget of class exactly QLineEdit or QLabel also gets the palette's
/// normal or disabled text colour. A widget of class exactly QGroupBox is not
/// switched itself; the same call is made for each of its direct child
/// widgets in order, so boxes inside boxes are reached. Other widgets (plain
/// widgets, frames, tab or split widgets, a subclass of a group box) are left
/// alone with everything inside them: in Qt a disabled container would
/// disable all it holds. The class name is the meta-object's, so a subclass
/// without Q_OBJECT counts as its base class. A null view does nothing
/// (logged).
void setObjEnabled(QWidget *view, bool enabled);

} // namespace reel
REEL_EXPORT_END
