#include "reel/widgets/application.h"

#include "reel/core/bundle.h"

#include <QApplication>
#include <QWidget>

#include <memory>

namespace reel {

bool AppDelegate::applicationShouldTerminateAfterLastWindowClosed(QApplication * /*application*/)
{
    return true;
}

void AppDelegate::attach(QApplication *application)
{
    application->setQuitOnLastWindowClosed(applicationShouldTerminateAfterLastWindowClosed(application));
}

int runApplication(QApplication &application, AppDelegate &delegate, QWidget *mainWindow)
{
    delegate.attach(&application);
    if (mainWindow)
        mainWindow->show();
    return application.exec();
}

int applicationMain(int &argc, char **argv, const MainWindowFactory &makeMainWindow)
{
    QApplication application(argc, argv);
    const Bundle bundle = Bundle::main();
    QApplication::setApplicationName(bundle.name());
    // Desktops match the windows to the installed menu entry, <identifier>.desktop.
    QApplication::setDesktopFileName(bundle.identifier());
    const QString version = bundle.objectForInfoDictionaryKey(QStringLiteral("CFBundleShortVersionString")).toString();
    if (!version.isEmpty())
        QApplication::setApplicationVersion(version);
    AppDelegate delegate;
    std::unique_ptr<QWidget> window(makeMainWindow ? makeMainWindow() : nullptr);
    return runApplication(application, delegate, window.get());
}

} // namespace reel
