// reelkit-convert: the window where a display is present, the terminal form
// otherwise or whenever it is given arguments (see --help).
#include "options.h"
#include "terminal.h"
#include "window.h"

#include <reel/core.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    const convert::Options options = convert::parseOptions(argumentList(argc, argv));
    if (!convert::wantsWindow(options, convert::displayPresent()) || !options.error.isEmpty() || options.help
        || options.version) {
        // No display is needed, nor opened: a core application runs the tools.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(reel::Bundle::main().name());
        return convert::runTerminal(options, stdout, stderr);
    }
    // Without a display Qt would end the program with its own message.
    if (!convert::displayPresent() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("reelkit-convert: the window needs a display (DISPLAY or WAYLAND_DISPLAY); without one, "
                   "give the files to convert in the terminal\n",
                   stderr);
        return convert::kExitUsage;
    }
    if (options.debug)
        reel::setDEBUG(1);
    return reel::applicationMain(argc, argv, [&options] { return new convert::ConvertWindow(options); });
}
