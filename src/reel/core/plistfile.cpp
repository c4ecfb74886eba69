#include "reel/core/plistfile_p.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/plistcodec.h"

namespace reel {

std::optional<QVariant> readPlistFile(const QString &path, const QString &label)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, nullptr, qint64(kPlistMaxBytes) + 1);
    if (!bytes)
        return std::nullopt;
    QString why;
    std::optional<QVariant> value = plistFromData(*bytes, &why);
    if (!value)
        logAlways(LogLabel(label), ":-( refused '%@': %@", path, why);
    return value;
}

} // namespace reel
