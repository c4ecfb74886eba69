#include "logcapture.h"

#include <reel/core/log.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <utility>

namespace reel::test {

namespace {

std::mutex g_mutex;
QStringList g_lines;

} // namespace

QStringList logLines()
{
    std::lock_guard lock(g_mutex);
    return g_lines;
}

void clearLog()
{
    std::lock_guard lock(g_mutex);
    g_lines.clear();
}

QStringList takeLog()
{
    std::lock_guard lock(g_mutex);
    return std::exchange(g_lines, QStringList());
}

bool logHas(const QString &text)
{
    return logCount(text) > 0;
}

int logCount(const QString &text)
{
    std::lock_guard lock(g_mutex);
    return int(g_lines.count(text));
}

bool logContains(const QString &fragment)
{
    std::lock_guard lock(g_mutex);
    return std::any_of(g_lines.cbegin(), g_lines.cend(), [&](const QString &line) { return line.contains(fragment); });
}

void startCapture()
{
    clearLog();
    reel::setLogSink([](const QString &text) {
        std::lock_guard lock(g_mutex);
        g_lines.append(text);
    });
}

void stopCapture(bool printLines)
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
