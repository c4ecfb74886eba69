#include "model/tools.h"

#include <reel/core.h>
#include <reel/files.h>

#include <QCoreApplication>

namespace convert {

QString toolPath(const QString &name)
{
    return reel::stringByAppendingPathComponent(
        reel::stringByAppendingPathComponent(reel::Bundle::main().resourcePath(), QStringLiteral("tools")), name);
}

QStringList missingTools()
{
    QStringList missing;
    for (const QString &tool : {QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}) {
        if (!reel::testPresenceCocoa(toolPath(tool)))
            missing << tool;
    }
    return missing;
}

QString missingToolsMessage(const QStringList &missing)
{
    return missingTools(missing).shown;
}

Said missingTools(const QStringList &missing)
{
    if (missing.isEmpty())
        return Said{QStringLiteral(""), QStringLiteral("")};
    return said("Tools",
                QT_TRANSLATE_N_NOOP("Tools", "missing tool(s): %1 (looked for in %2; install ffmpeg and build again)"),
                int(missing.size()))
        .arg(missing.join(QStringLiteral(", ")), reel::stringByDeletingLastPathComponent(toolPath(missing.first())));
}

} // namespace convert
