// The few texts the toolkit's alerts show of their own, in the language of
// the bundle: the "D_Langue" of its "Localized" table, as the family's
// programs have always named it ("fr", "de", "es"; English otherwise).
// Only what is shown: titles that callers get back and compare, and the
// log, stay as they are.
#pragma once

#include <QString>

namespace reel::detail {

enum class AlertText {
    BugNotice,      // displayAlertBug's title
    Ok,             // the default button when the caller names none
    Cancel,         // displayDialog's cancel button when the caller names none
    DoNotShowAgain, // the checkbox when the caller names none
    PipeLimit,      // taskArray1PipeMax given more than two tools
};

// "en", "fr", "de" or "es": D_Langue of the main bundle, English when the
// table, the key or the language is missing.
QString alertLanguage();

QString alertText(AlertText text, const QString &language);

inline QString alertText(AlertText text)
{
    return alertText(text, alertLanguage());
}

} // namespace reel::detail
