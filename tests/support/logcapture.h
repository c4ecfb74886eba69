// The log lines written during the running test.
//
// The test main routes the toolkit's log into a capture for each test; the
// lines are printed when the test fails.
#pragma once

#include <reel/core/log.h>

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <utility>

namespace reel::test {

namespace capture {
inline std::mutex mutex;
inline QStringList lines;
} // namespace capture

// Every line written since the test started (or since clearLog), in order,
// without the date and process prefix.
inline QStringList logLines()
{
    std::lock_guard lock(capture::mutex);
    return capture::lines;
}

inline void clearLog()
{
    std::lock_guard lock(capture::mutex);
    capture::lines.clear();
}

// The lines written since the last clear, clearing them: EXPECT_EQ(takeLog(), lines)
// checks that a call wrote exactly those lines.
inline QStringList takeLog()
{
    std::lock_guard lock(capture::mutex);
    return std::exchange(capture::lines, QStringList());
}

// True when some line equals text exactly.
inline bool logHas(const QString &text)
{
    return logLines().contains(text);
}

// True when some line contains the fragment.
inline bool logContains(const QString &fragment)
{
    const QStringList lines = logLines();
    return std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) { return line.contains(fragment); });
}

// Used by the test main.
inline void startCapture()
{
    clearLog();
    reel::setLogSink([](const QString &text) {
        std::lock_guard lock(capture::mutex);
        capture::lines.append(text);
    });
}

inline void stopCapture(bool printLines)
{
    reel::setLogSink({});
    const QStringList lines = logLines();
    if (!printLines || lines.isEmpty())
        return;
    std::fprintf(stderr, "--- log of the failed test (%d lines) ---\n", int(lines.size()));
    for (const QString &line : lines)
        std::fprintf(stderr, "  %s\n", line.toUtf8().constData());
}

} // namespace reel::test
