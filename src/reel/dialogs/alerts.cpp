#include "reel/dialogs/alerts.h"

#include "reel/dialogs/alerttexts_p.h"
#include "reel/dialogs/presenter.h"

#include <QSize>

namespace reel {

namespace {

QString orEmpty(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

AlertRequest oneButtonAlert(const QString &title, const QString &message, int style, QWidget *window)
{
    AlertRequest request;
    request.kind = window ? AlertRequest::Kind::Sheet : AlertRequest::Kind::Modal;
    request.title = orEmpty(title);
    request.message = orEmpty(message);
    request.critical = style == kCriticalAlertStyle;
    request.informational = style == kInformationalAlertStyle;
    request.window = window;
    return request;
}

} // namespace

int displayAlert(const QString &title, const QString &message, int style, QWidget *window)
{
    const AlertAnswer answer = alertPresenter().present(oneButtonAlert(title, message, style, window));
    return window ? kAlertDefaultReturn : alertButtonCode(answer.button);
}

QString displayDialog(const QString &title, const QString &message, const QString &defaultText, const QString &cancelTitle)
{
    AlertRequest request = oneButtonAlert(title, message, 0, nullptr);
    request.alternateButton = cancelTitle.isNull() ? detail::alertText(detail::AlertText::Cancel) : cancelTitle;
    request.hasTextField = true;
    request.fieldText = orEmpty(defaultText);
    request.fieldSize = QSize(300, 40);

    const AlertAnswer answer = alertPresenter().present(request);
    if (answer.button == AlertButton::Alternate || answer.text.isEmpty())
        return QString();
    return answer.text;
}

int displayAlertBug(const QString &message)
{
    const QString text = detail::alertText(detail::AlertText::BugNotice);
    const AlertRequest request = oneButtonAlert(QStringLiteral(":-(\n") + text, message, kCriticalAlertStyle, nullptr);
    return alertButtonCode(alertPresenter().present(request).button);
}

void displayAlertSheet(const QString &title, const QString &message, QWidget *window)
{
    AlertRequest request = oneButtonAlert(title, message, 0, window);
    request.kind = AlertRequest::Kind::Sheet;
    alertPresenter().present(request);
}

} // namespace reel
