#include <reel/core/application.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

using namespace reel;

TEST(Application, LoopEndsWhenTheLastWindowCloses)
{
    AppDelegate delegate; // answers yes
    QWidget window;
    QTimer::singleShot(50, &window, &QWidget::close);
    // A loop that did not end on its own would be stopped here with 99.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    EXPECT_EQ(runApplication(*qApp, delegate, &window), 0);
}

namespace {

class StayOpen : public AppDelegate {
public:
    bool applicationShouldTerminateAfterLastWindowClosed(QApplication *) override { return false; }
};

} // namespace

TEST(Application, ADelegateThatSaysNoKeepsTheLoopRunning)
{
    StayOpen delegate;
    QWidget window;
    QTimer::singleShot(50, &window, &QWidget::close);
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    stop.start(400);
    EXPECT_EQ(runApplication(*qApp, delegate, &window), 7);
    qApp->setQuitOnLastWindowClosed(true);
}
