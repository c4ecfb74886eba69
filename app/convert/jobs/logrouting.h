// Where the toolkit's diagnostic lines go while the converter runs: its
// tools and dialogs write them whatever the debug level, and on standard
// error they would break into the terminal's progress and the window's
// console. The same for both front ends.
#pragma once

#include <reel/core.h>

#include <QFile>

#include <mutex>

namespace convert {

// While it lives, the lines go to reelkit-convert.log in the temporary
// folder, a new file each run, unless toStderr (--debug) keeps them on
// standard error. Without a temporary folder they stay there too.
class LogRouting {
public:
    explicit LogRouting(bool toStderr);
    ~LogRouting();
    LogRouting(const LogRouting &) = delete;
    LogRouting &operator=(const LogRouting &) = delete;

private:
    QFile m_file;
    std::mutex m_writing; // the window's reader logs from its own thread
    reel::LogSink m_previous;
    bool m_installed = false;
};

} // namespace convert
