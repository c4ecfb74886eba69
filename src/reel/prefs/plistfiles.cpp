#include "reel/prefs/plistfiles.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/plist/codec.h"
#include "reel/plist/file_p.h"
#include "reel/files/presence.h"


namespace reel {

std::optional<QVariantMap> readPlist(const QString &path)
{
    if (path.isNull())
        return std::nullopt;
    const QString file = stringByExpandingTildeInPath(path);
    QString refusal;
    const std::optional<QVariant> root = readPlistFile(file, &refusal);
    if (!refusal.isEmpty())
        logAlways(LogLabel("readPlist"), ":-( refused '%@': %@", file, refusal);
    if (!root || root->metaType().id() != QMetaType::QVariantMap)
        return std::nullopt;
    QVariantMap dictionary = root->toMap();
    if (getDEBUGDEV(1)) {
        for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
            logDev(1, LogLabel("readPlist key"), ": %@", it.key());
            logDev(1, LogLabel("readPlist class"), ": %@", QString::fromLatin1(it.value().typeName()));
        }
    }
    return dictionary;
}

bool createNewPlist(const QString &path, const QVariant &value)
{
    if (path.isNull() || !value.isValid())
        return false;
    const QString target = stringByExpandingTildeInPath(path).remove(QLatin1Char(':'));
    QString error;
    const QByteArray bytes = plistToData(value, PlistFormat::Binary, &error);
    if (bytes.isEmpty()) {
        if (!error.isEmpty()) {
            logAlways("%@", error);
            logAlways("error release - pre");
            logAlways("error release - post");
        }
        return false;
    }
    // A write that failed over an older file must not pass for success
    // because the older file is still there.
    const bool written = writeFileAtomically(target, bytes, &error);
    const bool ok = written && testPresenceCocoa(target);
    logAlways("write plist :-%@ %@", ok ? QStringLiteral(")") : QStringLiteral("("), target);
    if (!written)
        logAlways(LogLabel("write plist"), ": %@", error);
    return ok;
}

} // namespace reel
