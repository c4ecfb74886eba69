// applicationMain makes its own application object, so this suite runs
// without one.
#include <reel/widgets/application.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

TEST(ApplicationMain, ShowsTheWindowAndEndsWithIt)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    int argc = 1;
    char name[] = "reelkit-shell";
    char *argv[] = {name, nullptr};
    bool shown = false;
    const int rc = reel::applicationMain(argc, argv, [&shown] {
        auto *window = new QWidget;
        QTimer::singleShot(50, window, [window, &shown] {
            shown = window->isVisible();
            window->close();
        });
        QTimer::singleShot(10000, window, [] { QCoreApplication::exit(99); });
        return window;
    });
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(QCoreApplication::instance());
}
