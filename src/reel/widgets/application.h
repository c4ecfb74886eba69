/// \file
/// \ingroup widgets
/// The application shell: how a program of the family starts and ends. None
/// of it fails or logs on its own.
#pragma once

#include "reel/core/export.h"

#include <QObject>

#include <functional>

class QApplication;
class QWidget;

REEL_EXPORT_BEGIN
namespace reel {

/// The application's delegate. Its one answer decides that the program ends
/// when its last window closes.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// True: the program ends when its last window closes.
    virtual bool applicationShouldTerminateAfterLastWindowClosed(QApplication *application);

    /// Connects the delegate's answers to the application: with a true answer
    /// the event loop ends when the last window closes.
    void attach(QApplication *application);
};

/// Makes the program's main window; the shell shows it and owns it.
using MainWindowFactory = std::function<QWidget *()>;

/// Creates the application from argc and argv, wires an AppDelegate, shows the
/// window the factory makes and runs the event loop. Returns the loop's exit
/// code, which main returns.
int applicationMain(int &argc, char **argv, const MainWindowFactory &makeMainWindow);

/// The same on an application that already exists.
int runApplication(QApplication &application, AppDelegate &delegate, QWidget *mainWindow);

} // namespace reel
REEL_EXPORT_END
