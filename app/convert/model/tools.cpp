#include "model/tools.h"

#include <reel/core.h>
#include <reel/files.h>

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
    if (missing.isEmpty())
        return QString(QStringLiteral(""));
    return QStringLiteral("missing tool%1: %2 (looked for in %3; install ffmpeg and build again)")
        .arg(missing.size() > 1 ? QStringLiteral("s") : QString(), missing.join(QStringLiteral(", ")),
             reel::stringByDeletingLastPathComponent(toolPath(missing.first())));
}

} // namespace convert
