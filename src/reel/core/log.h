/// \file
/// \ingroup core
/// The toolkit's diagnostic log: one line per call on the C stderr stream,
/// `2026-12-06 08:15:17.123 name[pid:tid] text`,
/// and a sink that replaces the stream, for programs and tests that want the
/// lines themselves. Writing a line never fails as far as the caller can
/// tell.
#pragma once

#include "reel/core/debug.h"
#include "reel/core/export.h"
#include "reel/core/format.h"

#include <QString>
#include <QVariant>

#include <cstdio>
#include <functional>
#include <string_view>

REEL_EXPORT_BEGIN
namespace reel {

/// Writes one line, whatever the debug level.
void logLine(const QString &text);

/// Receives the text of every line (without the date and process prefix)
/// instead of stderr while installed.
using LogSink = std::function<void(const QString &text)>;
/// Installs a sink. Returns the sink it replaces; pass an
/// empty function to go back to stderr.
LogSink setLogSink(LogSink sink);

/// Most lines start with a label (the function or the thing they are about)
/// in a column this wide, so that what follows lines up.
inline constexpr qsizetype kLogLabelWidth = 20;

/// A line's label, padded with spaces to kLogLabelWidth or cut to it:
/// logAlways(LogLabel("rmCocoa"), ":-( nothing there: %@", path) writes
/// "rmCocoa", 13 spaces, then ":-( nothing there: ...". It only refers to its
/// text, which becomes a QString when a line is written: make it in the call.
class LogLabel {
public:
    /// A label of UTF-8 text.
    explicit LogLabel(const char *utf8) : m_utf8(utf8) {}
    /// A label of UTF-8 text.
    explicit LogLabel(std::string_view utf8) : m_utf8(utf8) {}
    /// A label of a string, which must outlive the label.
    explicit LogLabel(const QString &text) : m_text(text), m_isText(true) {}

    /// The label in its column, ready to start a line.
    QString padded() const;

private:
    std::string_view m_utf8;
    QStringView m_text;
    bool m_isText = false;
};

/// A line written whatever the debug level (failures, a few traces).
template <typename... Args>
void logAlways(std::string_view fmt, const Args &...args)
{
    logLine(format(fmt, args...));
}

/// logAlways with the label in its column first.
template <typename... Args>
void logAlways(const LogLabel &label, std::string_view fmt, const Args &...args)
{
    logLine(label.padded() + format(fmt, args...));
}

/// A line written only when the debug level is non-zero.
template <typename... Args>
void logDebug(std::string_view fmt, const Args &...args)
{
    if (debugOn())
        logLine(format(fmt, args...));
}

/// logDebug with the label in its column first.
template <typename... Args>
void logDebug(const LogLabel &label, std::string_view fmt, const Args &...args)
{
    if (debugOn())
        logLine(label.padded() + format(fmt, args...));
}

/// A developer line: written only when getDEBUGDEV(level) answers true.
template <typename... Args>
void logDev(int level, std::string_view fmt, const Args &...args)
{
    if (getDEBUGDEV(level))
        logLine(format(fmt, args...));
}

/// logDev with the label in its column first.
template <typename... Args>
void logDev(int level, const LogLabel &label, std::string_view fmt, const Args &...args)
{
    if (getDEBUGDEV(level))
        logLine(label.padded() + format(fmt, args...));
}

/// Standard output after redirectLogs2File reopened it; null before (and
/// null again when reopening failed).
extern FILE *newStdout;
/// Standard error after redirectLogs2File reopened it; null before.
extern FILE *newStderr;

/// Reopens stdout, then stderr, in append mode on the file at path, once per
/// process. The path is used as given (no "~" expansion). Always logs that it
/// was called; a second call does nothing (logged), and a file that cannot
/// be opened leaves both streams as they were (logged).
void redirectLogs2File(const QString &path);

/// The value's "%@" text, cut to 50 UTF-16 units plus " […]" when longer.
/// Never fails; not logged.
QString valueTrimmedForLogAsStr(const QVariant &value);

} // namespace reel
REEL_EXPORT_END
