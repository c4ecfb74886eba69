// reelkit-convert: the window where a display answers, the terminal form
// otherwise or whenever it is given arguments (see --help).
#include "jobs/logrouting.h"
#include "model/language.h"
#include "model/options.h"
#include "terminal/terminal.h"
#include "window/display.h"
#include "window/window.h"

#include <reel/core.h>
#include <reel/widgets.h>

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>
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
        return QCoreApplication::translate("Main", "the window needs a display (DISPLAY or WAYLAND_DISPLAY)");
    QString why;
    if (!convert::displayAnswers(&why))
        return QCoreApplication::translate("Main", "the window needs a display, and %1").arg(why);
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // No display is needed, nor opened, to read the line and run in the
    // terminal: a core application does it, and speaks the system's language
    // from the first word printed.
    auto application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(reel::Bundle::main().name());
    const QStringList arguments = argumentList(argc, argv);
    convert::useSystemLanguage(convert::asksForJson(arguments));
    const convert::Options options = convert::parseOptions(arguments);
    if (!convert::wantsWindow(options, convert::displayPresent()) || !options.error.isEmpty() || options.help
        || options.version)
        return convert::runTerminal(options, stdout, stderr);

    const QString refusal = windowRefusal();
    if (!refusal.isEmpty()) {
        if (options.mode == convert::Options::Mode::Window) {
            std::fputs(QCoreApplication::translate(
                           "Main", "reelkit-convert: %1; without one, give the files to convert in the terminal\n")
                           .arg(refusal)
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            return convert::kExitUsage;
        }
        // A bare start: the terminal form does what the window would have
        // offered first, the sample.
        std::fputs(QCoreApplication::translate("Main", "reelkit-convert: %1; converting in the terminal instead\n")
                       .arg(refusal)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return convert::runTerminal(options, stdout, stderr);
    }
    // The window's application takes the core one's place.
    application.reset();
    if (options.debug)
        reel::setDEBUG(1);
    // As in the terminal: the toolkit's lines go to the log file, on
    // standard error only with --debug. Made once the application names
    // the temporary folder, it outlives the window.
    std::optional<convert::LogRouting> logRouting;
    return reel::applicationMain(argc, argv, [&options, &logRouting] {
        logRouting.emplace(options.debug);
        convert::useSystemLanguage(false);
        return new convert::ConvertWindow(options);
    });
}
