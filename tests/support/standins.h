// Recording stand-ins for desktop programs (xdg-open, a named player...),
// put first on PATH for the life of the object, so that tests see what the
// toolkit hands to the desktop without opening anything.
#pragma once

#include "sandbox.h"
#include "scoped.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

namespace reel::test {

class DesktopStandIns {
public:
    explicit DesktopStandIns(const QStringList &programs = {QStringLiteral("xdg-open")})
        : m_bin(scratchDir() + QStringLiteral("/bin"))
    {
        // The record is written beside and renamed, so a reader never sees half of it.
        for (const QString &name : programs) {
            const QString script = writeFile(m_bin + QLatin1Char('/') + name,
                                             "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.record\"\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        m_path.emplace("PATH", m_bin + QLatin1Char(':') + qEnvironmentVariable("PATH"));
    }

    // The arguments the named stand-in was started with, one per line; null
    // when it was not started (waiting up to 20 s when it is expected, a
    // moment otherwise). Each call consumes the record.
    QString handed(const QString &program = QStringLiteral("xdg-open"), bool expectStarted = true) const
    {
        const QString record = m_bin + QLatin1Char('/') + program + QStringLiteral(".record");
        for (QDeadlineTimer deadline(expectStarted ? 20000 : 300); !QFile::exists(record) && !deadline.hasExpired();)
            QThread::msleep(10);
        const QString text = QFile::exists(record) ? QString::fromUtf8(readFile(record)) : QString();
        QFile::remove(record);
        return text;
    }

private:
    QString m_bin;
    std::optional<ScopedEnv> m_path;
};

} // namespace reel::test
