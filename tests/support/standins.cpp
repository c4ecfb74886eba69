#include "standins.h"

#include "sandbox.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace reel::test {

DesktopStandIns::DesktopStandIns(const QStringList &programs) : m_bin(scratchDir() + QStringLiteral("/bin"))
{
    // The record is written beside and renamed, so a reader never sees half of it.
    for (const QString &name : programs) {
        const QString script = writeFile(m_bin + QLatin1Char('/') + name,
                                         "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.record\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    m_path.emplace("PATH", m_bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));
}

QString DesktopStandIns::handed(const QString &program, bool expectStarted) const
{
    const QString record = m_bin + QLatin1Char('/') + program + QStringLiteral(".record");
    QDeadlineTimer deadline(expectStarted ? 20000 : 300);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::msleep(10);
    const QString text = QFile::exists(record) ? QString::fromUtf8(readFile(record)) : QString();
    QFile::remove(record);
    return text;
}

} // namespace reel::test
