// Plain dialogs: one-button alerts and sheets, a question with a text field,
// and the alert for situations that should never happen. Titles and messages
// are shown exactly as typed; a null one shows as empty. Every dialog goes
// through the presenter in use (presenter.h).
#pragma once

#include "reel/core/export.h"

#include <QString>

class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

// Button codes of a modal run.
constexpr int kAlertDefaultReturn = 1;
constexpr int kAlertAlternateReturn = 0;
constexpr int kAlertOtherReturn = -1;
// Alert styles: the informational icon for news that all went well, the
// critical icon for a failure; any other value is a warning.
constexpr int kInformationalAlertStyle = 1;
constexpr int kCriticalAlertStyle = 2;

// A one-button alert. Without a window it runs modally and returns 1; with a
// window it is shown as a sheet on it and returns at once (1, meaning nothing).
int displayAlert(const QString &title, const QString &message, int style, QWidget *window);

// A modal question with a 300 x 40 text field holding defaultText and the
// buttons "OK" and cancelTitle ("Cancel" when null, in the bundle's "D_Langue"
// as the default button is, see defaultButtonTitle). Returns the text typed,
// or a null string when the user cancelled or left the field empty.
QString displayDialog(const QString &title, const QString &message, const QString &defaultText, const QString &cancelTitle);

// A critical modal alert asking for screenshots, in the language of the
// bundle's "D_Langue" (table "Localized": "fr", "de", "es"; English
// otherwise), with message as its informative text. Returns the button code
// (1).
int displayAlertBug(const QString &message);

// A one-button sheet on window; returns at once.
void displayAlertSheet(const QString &title, const QString &message, QWidget *window);

} // namespace reel
REEL_EXPORT_END
