#include "window/display.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace convert {

namespace {

// A display server on another host may take long to refuse.
constexpr int kAnswerMs = 10000;

void sleepMs(int ms)
{
    const struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    ::nanosleep(&pause, nullptr);
}

} // namespace

bool displayAnswers(QString *why)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    const QString named = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              ? QStringLiteral("WAYLAND_DISPLAY='%1'").arg(qEnvironmentVariable("WAYLAND_DISPLAY"))
                              : QStringLiteral("DISPLAY='%1'").arg(qEnvironmentVariable("DISPLAY"));
    const pid_t child = ::fork();
    if (child < 0)
        return true; // no way to ask: let Qt answer itself
    if (child == 0) {
        // Qt's complaint is the parent's to word.
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::dup2(null, STDOUT_FILENO);
        }
        int argc = 1;
        char name[] = "reelkit-convert";
        char *argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        ::_exit(0);
    }
    int status = 0;
    for (int waited = 0;; waited += 20) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (done < 0)
            return true;
        if (waited >= kAnswerMs) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            if (why)
                *why = QCoreApplication::translate("Display", "the display %1 did not answer within %2 s")
                           .arg(named)
                           .arg(kAnswerMs / 1000);
            return false;
        }
        sleepMs(20);
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    if (why)
        *why = QCoreApplication::translate("Display", "no display answers at %1").arg(named);
    return false;
}

} // namespace convert
