// Property-list bytes (XML or binary) to and from QVariant values.
//
// Value model: QString strings, bool booleans, integers as int when they fit
// in 32 bits and qint64 otherwise, double reals, QDateTime dates (UTC),
// QByteArray data, QVariantList arrays and QVariantMap dictionaries. On the
// way out every integer and floating type, QStringList and QVariantHash are
// accepted too; anything else is not a property-list value.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

// Parses XML or binary property-list bytes. Nothing for bytes that are not a
// property list; *error then says why when given.
std::optional<QVariant> plistFromData(const QByteArray &bytes, QString *error = nullptr);

enum class PlistFormat { Xml, Binary };

// Serialises a value. An empty result and *error when the value (or a value
// nested in it) is not a property-list type.
QByteArray plistToData(const QVariant &value, PlistFormat format, QString *error = nullptr);

// True when the value and everything nested in it is a property-list type.
bool isPropertyList(const QVariant &value, QString *error = nullptr);

} // namespace reel
REEL_EXPORT_END
