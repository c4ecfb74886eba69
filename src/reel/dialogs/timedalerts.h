/// \file
/// \ingroup dialogs
/// Alerts that close themselves after a number of seconds, answering as if
/// their default button had been pressed, so that a question never waits for
/// the user without end. Titles and messages are shown exactly as typed.
///
/// The timed run handles the alert's events once per pass of 0.1 s and counts
/// the passes, not wall time (see passclock.h): the time spent handling events
/// adds to the real delay.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QVariantList>

class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

/// Up to three buttons; a later button is shown only when every earlier one
/// has a non-empty title (an empty or null default title shows "OK" alone).
/// giveUpAfterSeconds 0 or less runs the alert modally; above 0 it closes
/// itself after that many seconds with the default button. Returns the
/// pressed button's title: null when that title was null, "OK", "Button 2" or
/// "Bouton 3" when it was empty, whatever the language the default button is
/// shown in. Style 2 is critical, 1 informational.
/// A timed-out run is logged.
QString displayAlertDelayed(const QString &title, const QString &message, const QString &btDefault, const QString &btAlt,
                            const QString &btOther, int style, int giveUpAfterSeconds);

/// Like displayAlertDelayed with a checkbox (titled checkboxTitle, or the
/// toolkit's own title when null or empty) and always timed: 0 seconds means
/// 10, a negative value closes it at once. Each button is shown when its title
/// is not null. Returns (button title, checkbox state 1 or 0); a null title of
/// the pressed button gives "button 1", "button 2" or "button 3". Logs how it
/// closed (timed out, or the button clicked) and the result.
QVariantList displayAlertDelayedCheckbox(const QString &title, const QString &message, const QString &btDefault,
                                         const QString &btAlt, const QString &btOther, int style,
                                         int giveUpAfterSeconds, const QString &checkboxTitle);

/// Shows a sheet on window for giveUpAfterSeconds + 1 passes of about one
/// second (none when negative), blocking the caller, then removes it. The
/// sheet cannot be answered meanwhile. style is not used: the sheet has the
/// default style. Empty button titles count as absent. Logs the delay.
void displayAlertDelayedSheet(const QString &title, const QString &message, const QString &btDefault,
                              const QString &btAlt, const QString &btOther, int style, int giveUpAfterSeconds,
                              QWidget *window);

} // namespace reel
REEL_EXPORT_END
