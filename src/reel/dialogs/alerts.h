// Plain dialogs: one-button alerts and sheets, a question with a text field,
// and the alert for situations that should never happen.
#pragma once

#include <QString>

class QWidget;

namespace reel {

// Button codes of a modal run.
constexpr int kAlertDefaultReturn = 1;
constexpr int kAlertAlternateReturn = 0;
constexpr int kAlertOtherReturn = -1;
// Alert style that shows the critical icon; any other value is a warning.
constexpr int kCriticalAlertStyle = 2;

// A one-button alert. Without a window it runs modally and returns 1; with a
// window it is shown as a sheet on it and returns at once.
int displayAlert(const QString &title, const QString &message, int style, QWidget *window);

} // namespace reel
