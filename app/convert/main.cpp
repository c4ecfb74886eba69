// reelkit-convert: the window where a display answers, the terminal form
// otherwise or whenever it is given arguments (see --help).
#include "jobs/logrouting.h"
#include "model/options.h"
#include "terminal/terminal.h"
#include "window/display.h"
#include "window/window.h"

#include <reel/core.h>
#include <reel/widgets.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Why no window can open; empty when one can.
QString windowRefusal()
{
    if (!convert::displayPresent() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return QStringLiteral("the window needs a display (DISPLAY or WAYLAND_DISPLAY)");
    QString why;
    if (!convert::displayAnswers(&why))
        return QStringLiteral("the window needs a display, and %1").arg(why);
    return QString();
}

int runInTerminal(int argc, char *argv[], const convert::Options &options)
{
    // No display is needed, nor opened: a core application runs the tools.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(reel::Bundle::main().name());
    return convert::runTerminal(options, stdout, stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    const convert::Options options = convert::parseOptions(argumentList(argc, argv));
    if (!convert::wantsWindow(options, convert::displayPresent()) || !options.error.isEmpty() || options.help
        || options.version)
        return runInTerminal(argc, argv, options);

    const QString refusal = windowRefusal();
    if (!refusal.isEmpty()) {
        if (options.mode == convert::Options::Mode::Window) {
            std::fprintf(stderr, "reelkit-convert: %s; without one, give the files to convert in the terminal\n",
                         refusal.toLocal8Bit().constData());
            return convert::kExitUsage;
        }
        // A bare start: the terminal form does what the window would have
        // offered first, the sample.
        std::fprintf(stderr, "reelkit-convert: %s; converting in the terminal instead\n",
                     refusal.toLocal8Bit().constData());
        return runInTerminal(argc, argv, options);
    }
    if (options.debug)
        reel::setDEBUG(1);
    // As in the terminal: the toolkit's lines go to the log file, on
    // standard error only with --debug. Made once the application names
    // the temporary folder, it outlives the window.
    std::optional<convert::LogRouting> logRouting;
    return reel::applicationMain(argc, argv, [&options, &logRouting] {
        logRouting.emplace(options.debug);
        return new convert::ConvertWindow(options);
    });
}
