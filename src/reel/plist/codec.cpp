#include "reel/plist/codec.h"

#include "reel/plist/binary_p.h"
#include "reel/plist/value_p.h"
#include "reel/plist/xml_p.h"

namespace reel {

std::optional<QVariant> plistFromData(const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &why) -> std::optional<QVariant> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (bytes.isEmpty())
        return fail(QStringLiteral("no property-list data"));
    if (bytes.size() > kPlistMaxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(kPlistMaxBytes));
    if (bytes.startsWith("bplist"))
        return plist::readBinary(bytes, error);
    return plist::readXml(bytes, error);
}

QByteArray plistToData(const QVariant &value, PlistFormat format, QString *error)
{
    const std::optional<plist::ValueCount> count = plist::checkValue(value, error);
    if (!count)
        return {};
    return format == PlistFormat::Binary ? plist::writeBinary(value, *count, error) : plist::writeXml(value, error);
}

bool isPropertyList(const QVariant &value, QString *error)
{
    return plist::checkValue(value, error).has_value();
}

} // namespace reel
