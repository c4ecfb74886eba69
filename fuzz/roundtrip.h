// What a fuzz target checks beyond "no crash": a value read comes back
// unchanged through each writer.
#pragma once

#include <reel/plist/codec.h>

#include <QByteArray>

#include <cstdint>

namespace fuzz {

inline QByteArray view(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Values and keys once shared objects are expanded, counted up to limit.
inline qint64 objects(const QVariant &value, qint64 limit)
{
    qint64 n = 1;
    if (value.typeId() == QMetaType::QVariantList) {
        for (const QVariant &item : value.toList()) {
            if ((n += objects(item, limit - n)) > limit)
                break;
        }
    } else if (value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend() && n <= limit; ++it)
            n += 1 + objects(it.value(), limit - n - 1);
    }
    return n;
}

// Reads bytes; a value read must be written again (binary always, XML unless
// it holds what XML cannot carry), read back, and written to the same bytes.
// Values that a small file expands to (the reader shares what the file
// shares, the writers do not) are left at reading: within the reader's
// limits, but too slow to write over and over here.
inline void checkRoundTrip(const QByteArray &bytes)
{
    QString error;
    const std::optional<QVariant> value = reel::plistFromData(bytes, &error);
    if (!value) {
        if (error.isEmpty())
            __builtin_trap(); // a refusal always says why
        return;
    }
    if (objects(*value, 100000) > 100000)
        return;
    for (const reel::PlistFormat format : {reel::PlistFormat::Binary, reel::PlistFormat::Xml}) {
        const QByteArray once = reel::plistToData(*value, format);
        if (once.isEmpty()) {
            if (format == reel::PlistFormat::Binary)
                __builtin_trap(); // whatever was read can be written
            continue;
        }
        const std::optional<QVariant> again = reel::plistFromData(once);
        if (!again || reel::plistToData(*again, format) != once)
            __builtin_trap();
    }
}

} // namespace fuzz
