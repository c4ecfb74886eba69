#include "reel/dialogs/presenter.h"

#include "reel/core/log.h"
#include "reel/dialogs/alerttexts_p.h"

#include <atomic>

namespace reel {

namespace {

std::atomic<AlertPresenter *> g_installed{nullptr};
std::atomic<ScreenPresenterQuery> g_screenPresenter{nullptr};

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
    return detail::alertText(detail::AlertText::Ok);
}

QString defaultCheckboxTitle()
{
    return detail::alertText(detail::AlertText::DoNotShowAgain);
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
    logAlways(LogLabel("alert"), ": %@ - %@", request.title, request.message);
    AlertAnswer answer;
    answer.timedOut = request.kind == AlertRequest::Kind::Timed;
    answer.text = request.fieldText;
    return answer;
}

AlertPresenter &alertPresenter()
{
    if (AlertPresenter *installed = g_installed.load())
        return *installed;
    if (const ScreenPresenterQuery query = g_screenPresenter.load())
        if (AlertPresenter *screen = query())
            return *screen;
    static HeadlessPresenter headless;
    return headless;
}

AlertPresenter *setAlertPresenter(AlertPresenter *presenter)
{
    return g_installed.exchange(presenter);
}

ScreenPresenterQuery setScreenPresenterQuery(ScreenPresenterQuery query)
{
    return g_screenPresenter.exchange(query);
}

} // namespace reel
