/// \file
/// \ingroup dialogs
/// Plain dialogs: one-button alerts and sheets, a question with a text field,
/// and the alert for situations that should never happen. Titles and messages
/// are shown exactly as typed; a null one shows as empty. Every dialog goes
/// through the presenter in use (presenter.h); the headless presenter logs
/// each one. None of these fails otherwise or writes a line of its own.
#pragma once

#include "reel/core/export.h"

#include <QString>

class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

/// Button code of a modal run: the default button.
constexpr int kAlertDefaultReturn = 1;
/// Button code of a modal run: the alternate button.
constexpr int kAlertAlternateReturn = 0;
/// Button code of a modal run: the other button.
constexpr int kAlertOtherReturn = -1;
/// Alert style: the informational icon, for news that all went well. (Any
/// style but these two is a warning.)
constexpr int kInformationalAlertStyle = 1;
/// Alert style: the critical icon, for a failure.
constexpr int kCriticalAlertStyle = 2;

/// A one-button alert. Without a window it runs modally and returns 1; with a
/// window it is shown as a sheet on it and returns at once (1, meaning nothing).
int displayAlert(const QString &title, const QString &message, int style, QWidget *window);

/// A modal question with a 300 x 40 text field holding defaultText and the
/// buttons "OK" and cancelTitle ("Cancel" when null, in the bundle's "D_Langue"
/// as the default button is, see defaultButtonTitle). Returns the text typed,
/// or a null string when the user cancelled or left the field empty.
QString displayDialog(const QString &title, const QString &message, const QString &defaultText, const QString &cancelTitle);

/// A critical modal alert asking for screenshots, in the language of the
/// bundle's "D_Langue" (table "Localized": "fr", "de", "es"; English
/// otherwise), with message as its informative text. Returns the button code
/// (1).
int displayAlertBug(const QString &message);

/// A one-button sheet on window; returns at once.
void displayAlertSheet(const QString &title, const QString &message, QWidget *window);

} // namespace reel
REEL_EXPORT_END
