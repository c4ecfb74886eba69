// The shell's entry point: hands argc and argv to the application, which
// shows the main window and runs until its last window closes.
#include "mainwindow.h"

#include <reel/core.h>
#include <reel/widgets.h>

#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    return reel::applicationMain(argc, argv, [] {
        auto *window = new ShellWindow;
        // Without a screen the run script asks for a short demonstration: the
        // window closes itself, and with it the program.
        const int demoMs = qEnvironmentVariableIntValue("REELKIT_SHELL_DEMO_MS");
        if (demoMs > 0) {
            QTimer::singleShot(demoMs, window, [window] {
                std::printf("%s: window shown, closing it ends the program\n",
                            qPrintable(reel::Bundle::main().name()));
                window->close();
            });
        }
        return window;
    });
}
