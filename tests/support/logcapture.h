// The log lines written during the running test.
//
// The test main routes the toolkit's log into a capture for each test; the
// lines are printed when the test fails.
#pragma once

#include <QString>
#include <QStringList>

namespace reel::test {

// Every line written since the test started (or since clearLog), in order,
// without the date and process prefix.
QStringList logLines();
void clearLog();
// The lines written since the last clear, clearing them: EXPECT_EQ(takeLog(), lines)
// checks that a call wrote exactly those lines.
QStringList takeLog();
// True when some line equals text exactly.
bool logHas(const QString &text);
// How many lines equal text exactly.
int logCount(const QString &text);
// True when some line contains the fragment.
bool logContains(const QString &fragment);

// Used by the test main.
void startCapture();
void stopCapture(bool printLines);

} // namespace reel::test
