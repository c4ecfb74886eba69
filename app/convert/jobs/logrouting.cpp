#include "jobs/logrouting.h"

#include <reel/files.h>

#include <QDateTime>

#include <unistd.h>

namespace convert {

LogRouting::LogRouting(bool toStderr)
{
    if (toStderr)
        return;
    // The last run's lines only: the temporary folder is no archive. The
    // old log goes and a new file is made, never opened through a link.
    const QString folder = reel::getTMPFOLDER();
    if (folder.isEmpty())
        return;
    const QString path = reel::stringByAppendingPathComponent(folder, QStringLiteral("reelkit-convert.log"));
    const int fd = reel::replaceWithNewFile(path);
    if (fd < 0 || !m_file.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_previous = reel::setLogSink([this](const QString &text) {
        const QByteArray stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
        const std::lock_guard lock(m_writing);
        m_file.write(stamp + ' ' + text.toUtf8() + '\n');
        m_file.flush();
    });
    m_installed = true;
}

LogRouting::~LogRouting()
{
    if (m_installed)
        reel::setLogSink(m_previous);
}

} // namespace convert
