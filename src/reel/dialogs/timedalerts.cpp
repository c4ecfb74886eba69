#include "reel/dialogs/timedalerts.h"

#include "reel/core/log.h"
#include "reel/dialogs/alerts.h"
#include "reel/dialogs/presenter.h"

namespace reel {

namespace {

// The responses a timed run reports for each button, as written to the log.
constexpr int kResponseStopped = -1000;
constexpr int kResponseAborted = -1001;
constexpr int kResponseOwnCode = kAlertOtherReturn;

constexpr int kCheckboxDefaultLimit = 10;

QString orEmpty(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// Null when the title is null, the fallback when it is empty.
QString titleOrFallbackWhenEmpty(const QString &title, const QString &fallback)
{
    return !title.isNull() && title.isEmpty() ? fallback : title;
}

QString titleOrFallbackWhenNull(const QString &title, const QString &fallback)
{
    return title.isNull() ? fallback : title;
}

int responseFor(AlertButton button)
{
    switch (button) {
    case AlertButton::Default:
        return kResponseStopped;
    case AlertButton::Alternate:
        return kResponseAborted;
    case AlertButton::Other:
        break;
    }
    return kResponseOwnCode;
}

QString piece(std::string_view fmt, const QString &title)
{
    return title.isNull() ? QStringLiteral("") : format(fmt, title);
}

} // namespace

QString displayAlertDelayed(const QString &title, const QString &message, const QString &btDefault, const QString &btAlt,
                            const QString &btOther, int style, int giveUpAfterSeconds)
{
    AlertRequest request;
    request.title = orEmpty(title);
    request.message = orEmpty(message);
    if (!btDefault.isEmpty()) {
        request.defaultButton = btDefault;
        if (!btAlt.isEmpty()) {
            request.alternateButton = btAlt;
            if (!btOther.isEmpty())
                request.otherButton = btOther;
        }
    }
    request.critical = style == kCriticalAlertStyle;
    request.informational = style == kInformationalAlertStyle;

    logDebug(LogLabel("giveUpAfterSeconds"), ": %d", giveUpAfterSeconds);
    if (giveUpAfterSeconds <= 0) {
        logDebug("ALERTE NORMALE");
        request.kind = AlertRequest::Kind::Modal;
    } else {
        request.kind = AlertRequest::Kind::Timed;
        request.timeLimit = giveUpAfterSeconds;
    }
    const AlertAnswer answer = alertPresenter().present(request);

    if (answer.timedOut) {
        logAlways(LogLabel("FERMETURE AUTO"), " : TIMEOUT");
        return titleOrFallbackWhenEmpty(btDefault, QStringLiteral("OK"));
    }
    if (request.kind == AlertRequest::Kind::Timed)
        logDebug(LogLabel("FERMETURE USER"), " : CLIC");
    switch (answer.button) {
    case AlertButton::Default:
        return titleOrFallbackWhenEmpty(btDefault, QStringLiteral("OK"));
    case AlertButton::Alternate:
        return titleOrFallbackWhenEmpty(btAlt, QStringLiteral("Button 2"));
    case AlertButton::Other:
        break;
    }
    return titleOrFallbackWhenEmpty(btOther, QStringLiteral("Bouton 3"));
}

QVariantList displayAlertDelayedCheckbox(const QString &title, const QString &message, const QString &btDefault,
                                         const QString &btAlt, const QString &btOther, int style,
                                         int giveUpAfterSeconds, const QString &checkboxTitle)
{
    AlertRequest request;
    request.kind = AlertRequest::Kind::Timed;
    request.title = orEmpty(title);
    request.message = orEmpty(message);
    request.defaultButton = btDefault;
    request.alternateButton = btAlt;
    request.otherButton = btOther;
    request.critical = style == kCriticalAlertStyle;
    request.informational = style == kInformationalAlertStyle;
    request.hasCheckbox = true;
    request.checkboxTitle = orEmpty(checkboxTitle);
    request.timeLimit = giveUpAfterSeconds == 0 ? kCheckboxDefaultLimit : giveUpAfterSeconds;
    const AlertAnswer answer = alertPresenter().present(request);

    QString result;
    if (answer.timedOut) {
        logAlways(LogLabel("FERMETURE AUTO"), ": TIMEOUT");
        result = titleOrFallbackWhenNull(btDefault, QStringLiteral("button 1"));
    } else {
        logAlways(LogLabel("FERMETURE USER"), ": CLIC=%d", responseFor(answer.button));
        switch (answer.button) {
        case AlertButton::Default:
            result = titleOrFallbackWhenNull(btDefault, QStringLiteral("button 1"));
            break;
        case AlertButton::Alternate:
            result = titleOrFallbackWhenNull(btAlt, QStringLiteral("button 2"));
            break;
        case AlertButton::Other:
            result = titleOrFallbackWhenNull(btOther, QStringLiteral("button 3"));
            break;
        }
    }
    logAlways(LogLabel("bt"), "? %@%@%@%@", result, piece(" (btDefault=%@)", btDefault), piece(" (btAlt=%@)", btAlt),
              piece(" (btOther=%@)", btOther));
    return QVariantList{result, answer.checked ? 1 : 0};
}

void displayAlertDelayedSheet(const QString &title, const QString &message, const QString &btDefault,
                              const QString &btAlt, const QString &btOther, int /*style*/, int giveUpAfterSeconds,
                              QWidget *window)
{
    const auto presentOrAbsent = [](const QString &buttonTitle) { return buttonTitle.isEmpty() ? QString() : buttonTitle; };
    AlertRequest request;
    request.kind = AlertRequest::Kind::TimedSheet;
    request.title = orEmpty(title);
    request.message = orEmpty(message);
    request.defaultButton = presentOrAbsent(btDefault);
    request.alternateButton = presentOrAbsent(btAlt);
    request.otherButton = presentOrAbsent(btOther);
    request.window = window;
    request.holdSeconds = giveUpAfterSeconds;
    logAlways("giveUpAfterSeconds : %d", giveUpAfterSeconds);
    alertPresenter().present(request);
}

} // namespace reel
