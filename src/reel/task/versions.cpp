#include "reel/task/versions.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/presence.h"
#include "reel/numbers/parsing.h"
#include "reel/strings/transforms.h"
#include "reel/task/environment.h"
#include "reel/task/pipeline.h"

namespace reel {

float versionInHelpText(const QString &output)
{
    const QString word = QStringLiteral("version ");
    float version = 0;
    for (const QString &line : linesToArray(output)) {
        const qsizetype at = line.indexOf(word);
        if (at < 0)
            continue;
        const QString piece = line.mid(at);
        logDev(1, "str : %@", piece);
        version = versionStr2Float(piece);
        if (version > 0)
            break;
    }
    return version;
}

float versionSpumuxDvdauthor(bool spumux)
{
    const QString tool = stringByAppendingPathComponent(
        toolsFolderInBundle(), spumux ? QStringLiteral("spumux") : QStringLiteral("dvdauthor"));
    if (!testPresenceCocoa(tool))
        return 0;
    const QString output = taskArrayPipes(QStringList{tool, QStringLiteral("-h")});
    logDebug(LogLabel("versionSpumux"), ": %@", output.isNull() ? QStringLiteral("nil") : output);
    if (output.isNull())
        return 0;

    const float version = versionInHelpText(output);
    logDebug(LogLabel("versionSpumuxDvdauthor"), ": %f", double(version));
    return version;
}

} // namespace reel
