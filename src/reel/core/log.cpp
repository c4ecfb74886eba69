#include "reel/core/log.h"

#include "reel/base/errortext.h"

#include "reel/core/describe.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>

namespace reel {

FILE *newStdout = nullptr;
FILE *newStderr = nullptr;

namespace {

std::mutex &sinkMutex()
{
    static std::mutex m;
    return m;
}

LogSink &sink()
{
    static LogSink s;
    return s;
}

// The local time to the millisecond, and who writes. Made with the C
// library: a line is written on every tool run, and formatting the date
// through QDateTime took longer than the rest of the line.
QByteArray prefix()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    ::tzset(); // a zone changed while the program runs is followed, as QDateTime does
    tm local{};
    const time_t seconds = now.tv_sec;
    ::localtime_r(&seconds, &local);
    char buffer[160];
    const int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d %s[%d:%ld] ",
                                local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                                local.tm_sec, int(now.tv_nsec / 1000000), program_invocation_short_name, int(getpid()),
                                long(syscall(SYS_gettid)));
    return QByteArray(buffer, n > 0 ? qMin(n, int(sizeof buffer) - 1) : 0);
}

} // namespace

QString LogLabel::padded() const
{
    QString text = m_isText ? m_text.toString() : QString::fromUtf8(m_utf8.data(), qsizetype(m_utf8.size()));
    return text.leftJustified(kLogLabelWidth, QLatin1Char(' '), true);
}

LogSink setLogSink(LogSink newSink)
{
    std::lock_guard lock(sinkMutex());
    LogSink old = std::move(sink());
    sink() = std::move(newSink);
    return old;
}

void logLine(const QString &text)
{
    LogSink current;
    {
        std::lock_guard lock(sinkMutex());
        current = sink();
    }
    if (current) {
        current(text);
        return;
    }
    QByteArray line = prefix();
    line += text.toUtf8();
    line += '\n';
    // One write per line keeps lines whole when several processes share the
    // stream (a log file after redirectLogs2File).
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

void redirectLogs2File(const QString &path)
{
    logLine(QStringLiteral("redirectStdoutToFile\u2026"));
    if (newStdout || newStderr) {
        logLine(QStringLiteral("if (newStdout || newStderr)"));
        return;
    }
    const QByteArray file = QFile::encodeName(path);
    // freopen closes the stream it fails to reopen; try the file first so
    // that a bad path leaves both streams where they were.
    if (FILE *probe = std::fopen(file.constData(), "a+")) {
        std::fclose(probe);
    } else {
        logAlways(LogLabel("redirectLogs2File"), ":-( '%@' %@", path, errnoText(errno));
        return;
    }
    newStdout = std::freopen(file.constData(), "a+", stdout);
    newStderr = std::freopen(file.constData(), "a+", stderr);
}

QString valueTrimmedForLogAsStr(const QVariant &value)
{
    const QString text = describe(value);
    if (text.size() <= 50)
        return text;
    return text.left(50) + QStringLiteral(" [\u2026]");
}

} // namespace reel
