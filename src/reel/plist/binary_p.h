// The binary property-list form, "bplist00": a header, the objects, a table
// of their offsets and a 32-byte trailer. Containers hold object numbers, so
// one object may be used from many places; objects that compare equal
// (strings, numbers, dates, data) are written once.
#pragma once

#include "reel/plist/value_p.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace reel::plist {

// Reads without recursion. Refuses a truncated or inconsistent file, cyclic
// references, objects that overlap, invalid text, and anything over the
// limits of plistcodec.h.
std::optional<QVariant> readBinary(const QByteArray &bytes, QString *error);

// Writes a value that checkValue accepted, with the counts it gave.
QByteArray writeBinary(const QVariant &value, const ValueCount &count, QString *error);

} // namespace reel::plist
