#include "reel/plist/file_p.h"

#include "reel/base/io_p.h"
#include "reel/plist/codec.h"

namespace reel {

std::optional<QVariant> readPlistFile(const QString &path, QString *refusal)
{
    refusal->clear();
    const std::optional<QByteArray> bytes = readRegularFileBytes(path, nullptr, qint64(kPlistMaxBytes) + 1);
    if (!bytes)
        return std::nullopt;
    return plistFromData(*bytes, refusal);
}

} // namespace reel
