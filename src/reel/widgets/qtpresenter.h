/// \file
/// \ingroup widgets
/// The presenter that shows alerts with Qt Widgets.
#pragma once

#include "reel/core/export.h"
#include "reel/dialogs/presenter.h"

REEL_EXPORT_BEGIN
namespace reel {

/// Shows every alert as a QMessageBox with plain-text labels: modal runs with
/// exec(), sheets window-modal with open() on the request's window, timed runs
/// as an application-modal box whose events are handled once per 0.1 s pass.
/// Without a QApplication, or when called off the main thread, it answers as
/// the headless presenter does instead of touching widgets (off the main
/// thread, logged).
class QtAlertPresenter : public AlertPresenter {
public:
    AlertAnswer present(const AlertRequest &request) override;
};

} // namespace reel
REEL_EXPORT_END
