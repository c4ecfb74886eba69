#include <reel/core/application.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

using namespace reel;

namespace {

class StayOpen : public AppDelegate {
public:
    bool applicationShouldTerminateAfterLastWindowClosed(QApplication *) override { return false; }
};

} // namespace

TEST(Application, TheLoopEndsWithTheLastWindowWhenTheDelegateSaysSo)
{
    AppDelegate yes;
    StayOpen no;
    // A loop that did not end on its own is stopped with 7.
    for (auto [delegate, stopAfter, expected] : {std::tuple<AppDelegate *, int, int>{&yes, 10000, 0}, {&no, 400, 7}}) {
        QWidget window;
        QTimer::singleShot(50, &window, &QWidget::close);
        QTimer stop;
        stop.setSingleShot(true);
        QObject::connect(&stop, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stop.start(stopAfter);
        EXPECT_EQ(runApplication(*qApp, *delegate, &window), expected);
    }
    qApp->setQuitOnLastWindowClosed(true);
}
