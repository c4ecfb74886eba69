// The one test main: a sandboxed environment, a Qt application (a widgets one
// on the offscreen platform, or none for the headless suites), a clean global
// state and a log capture for every test. Alerts go to the headless presenter
// unless a test installs another, so no test waits on a modal dialog.
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/constants.h>
#include <reel/core/debug.h>
#include <reel/dialogs/presenter.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>

#include <memory>

#ifndef REELKIT_TEST_GUI
#define REELKIT_TEST_GUI 1
#endif

namespace {

class PerTestState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override
    {
        reel::test::resetSandboxForTest();
        reel::setDEBUG(0);
        reel::setTMPFOLDER(QString());
        reel::test::startCapture();
        reel::setAlertPresenter(&m_alerts);
    }
    void OnTestEnd(const ::testing::TestInfo &info) override
    {
        reel::test::stopCapture(info.result() && info.result()->Failed());
        reel::setDEBUG(0);
    }

    reel::HeadlessPresenter m_alerts;
};

} // namespace

int main(int argc, char **argv)
{
    reel::test::setUpSandbox(REELKIT_TEST_BUNDLE);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new PerTestState);

    int result = 0;
    {
#if REELKIT_TEST_GUI
        QApplication app(argc, argv);
#endif
        result = RUN_ALL_TESTS();
    }
    reel::test::tearDownSandbox();
    return result;
}
