#include "reel/dialogs/presenter.h"

#include "reel/core/log.h"
#include "reel/dialogs/qtpresenter.h"

#include <QApplication>

#include <atomic>

namespace reel {

namespace {

std::atomic<AlertPresenter *> g_installed{nullptr};

// Widgets a user can see and click: a QApplication on a platform that puts
// windows on a screen (the offscreen and minimal ones show nothing to anyone).
bool hasVisibleWidgets()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

int alertButtonCode(AlertButton button)
{
    switch (button) {
    case AlertButton::Default:
        return 1;
    case AlertButton::Alternate:
        return 0;
    case AlertButton::Other:
        break;
    }
    return -1;
}

QString defaultButtonTitle()
{
    return QStringLiteral("OK");
}

QString defaultCheckboxTitle()
{
    return QStringLiteral("Do not show this message again");
}

QStringList AlertRequest::shownButtons() const
{
    QStringList titles{defaultButton.isNull() ? defaultButtonTitle() : defaultButton};
    if (!alternateButton.isNull())
        titles.append(alternateButton);
    if (!otherButton.isNull())
        titles.append(otherButton);
    return titles;
}

bool AlertRequest::hasButton(AlertButton button) const
{
    switch (button) {
    case AlertButton::Default:
        return true;
    case AlertButton::Alternate:
        return !alternateButton.isNull();
    case AlertButton::Other:
        break;
    }
    return !otherButton.isNull();
}

AlertPresenter::~AlertPresenter() = default;

AlertAnswer HeadlessPresenter::present(const AlertRequest &request)
{
    logAlways("alert               : %@ - %@", request.title, request.message);
    AlertAnswer answer;
    answer.timedOut = request.kind == AlertRequest::Kind::Timed;
    answer.text = request.fieldText;
    return answer;
}

AlertPresenter &alertPresenter()
{
    if (AlertPresenter *installed = g_installed.load())
        return *installed;
    if (hasVisibleWidgets()) {
        static QtAlertPresenter widgets;
        return widgets;
    }
    static HeadlessPresenter headless;
    return headless;
}

AlertPresenter *setAlertPresenter(AlertPresenter *presenter)
{
    return g_installed.exchange(presenter);
}

} // namespace reel
