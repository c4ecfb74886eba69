#include "reel/system/desktop.h"

#include "reel/core/log.h"

#include <QProcess>
#include <QUrl>

namespace reel {

void openLocation(const QString &url)
{
    if (url.isNull())
        return;
    const QUrl parsed(url);
    if (!parsed.isValid() || parsed.scheme().isEmpty()) {
        logAlways(LogLabel("openLocation"), ":-( not a URL '%@'", url);
        return;
    }
    QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromLatin1(parsed.toEncoded())});
}

QVariant appleScript(const QString &source)
{
    logDebug(LogLabel("appleScript"), ":-( no AppleScript here (%@)", source);
    return QVariant();
}

} // namespace reel
