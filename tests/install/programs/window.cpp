// A window program that links reelkit's widgets library and calls nothing of
// it: the toolkit's own alerts must still reach Qt Widgets where a screen is.
// Prints the platform and the text of the alert that showed, if one did.
#include <reel/task/pipeline.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

int main(int argc, char *argv[])
{
    alarm(60); // an alert nobody closes ends the program instead of the test run
    QApplication application(argc, argv);
    QString shown;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(window);
            if (box && box->isVisible() && (shown.isEmpty() || clock.hasExpired(10000))) {
                shown = box->text();
                box->done(0);
            }
        }
    });
    poll.start(20);
    const QString refused = reel::taskArray1PipeMax({"/bin/echo", "x", "|", "/bin/cat", "|", "/bin/cat"}, false);
    std::printf("%s: %s, %s\n", qPrintable(QGuiApplication::platformName()),
                shown.isEmpty() ? "no alert window" : qPrintable(shown), refused.isNull() ? "refused" : "ran");
    return 0;
}
