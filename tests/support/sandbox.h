// The folder every test runs in, and what it holds.
//
// The test main makes one sandbox per test process under the system's
// temporary folder and points HOME, the XDG folders, TMPDIR and the
// application bundle (REELKIT_BUNDLE) into it before anything else runs.
// Before each test, home/, tmp/ and work/ are emptied again.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::test {

// The sandbox root: /tmp/reelkit-test-XXXXXX.
QString sandboxRoot();
// $HOME inside the sandbox.
QString homePath();
// A fresh folder for the running test (created on first use).
QString scratchDir();
// The test bundle the build laid out (Info.plist, strings, tools links).
QString testBundlePath();
// The build's own bundle layout helper output folder for tests.
QString testDataPath();

// Writes bytes to a file under the sandbox, creating folders on the way.
QString writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// True when path lies inside the sandbox (after resolving "." and "..").
bool insideSandbox(const QString &path);

// Used by the test main.
void setUpSandbox(const char *bundlePath);
void resetSandboxForTest();
void tearDownSandbox();

} // namespace reel::test
