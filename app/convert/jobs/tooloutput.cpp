#include "jobs/tooloutput.h"

#include "model/source.h"

#include <reel/files.h>

#include <sys/statvfs.h>

#include <QCoreApplication>
#include <QFile>

namespace convert {

namespace {

constexpr int kKeptLines = 20;
// Below this a disc or a video cannot have been written whole.
constexpr double kNearlyFullMB = 2;

} // namespace

QString writeFailureIn(const QString &line)
{
    static const char *const kSigns[] = {
        // errno texts of a write that failed
        "No space left on device", "Disk quota exceeded", "File too large", "Read-only file system",
        "Input/output error",
        // ffmpeg's muxer, which exits 0 after some of them
        "Error writing trailer", "Error closing file", "av_interleaved_write_frame()", "Error muxing a packet",
        "Error submitting a packet to the muxer",
        // the words of other tools
        "write error", "Write error", "cannot write", "Cannot write", "failed to write", "Failed to write",
        "short write", "Error while writing", "unable to write", "Unable to write", "disk full", "Disk full",
    };
    for (const char *sign : kSigns) {
        if (line.contains(QLatin1String(sign)))
            return line.trimmed();
    }
    return QString();
}

void ToolOutput::feed(const QByteArray &bytes, const std::function<void(const QString &)> &onLine)
{
    m_pending += bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        const char c = m_pending.at(i);
        if (c == '\r' || c == '\n') {
            if (i > start)
                onLine(QString::fromUtf8(m_pending.constData() + start, i - start));
            start = i + 1;
        }
    }
    m_pending.remove(0, start);
}

void ToolOutput::flush(const std::function<void(const QString &)> &onLine)
{
    if (!m_pending.isEmpty())
        onLine(QString::fromUtf8(m_pending));
    m_pending.clear();
}

void ToolOutput::keep(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return;
    if (m_writeFailure.isEmpty())
        m_writeFailure = writeFailureIn(trimmed);
    m_lastWords << trimmed;
    if (m_lastWords.size() > kKeptLines)
        m_lastWords.removeFirst();
}

void ToolOutput::clear()
{
    m_pending.clear();
    m_lastWords.clear();
    m_writeFailure.clear();
}

Said fullDiskHint(const QString &folder)
{
    struct statvfs fs = {};
    if (folder.isEmpty() || ::statvfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return Said{};
    const double freeMB = double(fs.f_bavail) * double(fs.f_frsize) / (1024.0 * 1024.0);
    if (freeMB >= kNearlyFullMB)
        return Said{};
    return said("ToolOutput", QT_TRANSLATE_NOOP("ToolOutput", "; %1 has %2 free")).arg(folder, sizeText(freeMB));
}

} // namespace convert
