// Linking the widgets library puts its Qt side behind the core's hooks: alerts
// shown with Qt Widgets while a screen is there, and the display's OpenGL
// renderer for quartzExtremeCard. The hooks are set when the library is
// loaded. A program that links it through CMake or pkg-config refers to
// reelkit_widgets_linked, which keeps the library in the link (and so the
// hooks set) even when the program calls nothing else of it.
#include "reel/core/export.h"
#include "reel/dialogs/presenter.h"
#include "reel/widgets/qtpresenter.h"
#include "reel/widgets/displayrenderer_p.h"
#include "reel/system/machine.h"

#include <QApplication>

extern "C" REEL_EXPORT const int reelkit_widgets_linked = 1;

namespace reel {

namespace {

// Widgets a user can see and click: a QApplication on a platform that puts
// windows on a screen (the offscreen and minimal ones show nothing to anyone).
AlertPresenter *screenPresenter()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return nullptr;
    static QtAlertPresenter widgets;
    return &widgets;
}

[[maybe_unused]] const bool g_hooksSet = [] {
    setScreenPresenterQuery(&screenPresenter);
    setDisplayRendererQuery(&system::displayRenderer);
    return true;
}();

} // namespace

} // namespace reel
