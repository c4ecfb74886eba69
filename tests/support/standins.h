// Recording stand-ins for desktop programs (xdg-open, a named player...),
// put first on PATH for the life of the object, so that tests see what the
// toolkit hands to the desktop without opening anything.
#pragma once

#include "scoped.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reel::test {

class DesktopStandIns {
public:
    explicit DesktopStandIns(const QStringList &programs = {QStringLiteral("xdg-open")});

    // The arguments the named stand-in was started with, one per line; null
    // when it was not started (waiting up to 20 s when it is expected, a
    // moment otherwise). Each call consumes the record.
    QString handed(const QString &program = QStringLiteral("xdg-open"), bool expectStarted = true) const;

private:
    QString m_bin;
    std::optional<ScopedEnv> m_path;
};

} // namespace reel::test
