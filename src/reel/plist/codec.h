/// \file
/// \ingroup plist
/// Property-list bytes (XML or binary "bplist00") to and from QVariant values.
///
/// Value model: QString strings, bool booleans, integers as int when they fit
/// in 32 bits, qint64 otherwise and quint64 above the signed range, float for
/// a single-precision real (binary form) and double otherwise, QDateTime dates
/// (UTC, to the millisecond), QByteArray data, QVariantList arrays and
/// QVariantMap dictionaries. On the way out every integer and floating type,
/// QStringList and QVariantHash are accepted too; anything else is not a
/// property-list value.
///
/// What comes back is what was written, or the write is refused:
/// - binary: every value above, strings with any UTF-16 text (U+0000
///   included); a float is a 4-byte real, an integer above INT64_MAX a
///   16-byte integer, a date a double of seconds.
/// - XML: no single precision (a float is written as its shortest decimal
///   text and reads back as a double), dates to the whole second (the form
///   is yyyy-MM-ddTHH:mm:ssZ, years 1 to 9999), and strings only with the
///   characters XML can carry (no U+0000 or other control characters but
///   tab, line feed and carriage return).
///
/// Everywhere: dictionary keys are valid text without U+0000, strings hold no
/// unpaired surrogate, and the limits below hold. A refusal is told through
/// *error, never in the log.
#pragma once

#include "reel/base/export.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// Limits kept by every reader and every writer, so that no file can exhaust
/// a reader and nothing written can be refused when read back.
/// Bytes of a property list.
inline constexpr qsizetype kPlistMaxBytes = qsizetype(64) * 1024 * 1024;
/// Containers nested in one another (the root container is the first).
inline constexpr int kPlistMaxDepth = 512;
/// Values and dictionary keys, counted as they expand: an object that a
/// binary file refers to from several places counts at each place.
inline constexpr qint64 kPlistMaxObjects = qint64(1) << 22;

/// Parses XML or binary property-list bytes. Nothing for bytes that are not a
/// property list or break a limit; *error then says why when given.
std::optional<QVariant> plistFromData(const QByteArray &bytes, QString *error = nullptr);

/// The two forms of a property list: Xml, and Binary ("bplist00").
enum class PlistFormat { Xml, Binary };

/// Serialises a value. An empty result and *error when the value (or a value
/// nested in it) is not a property-list value, cannot be carried by the
/// format without change, or the result would break a limit.
QByteArray plistToData(const QVariant &value, PlistFormat format, QString *error = nullptr);

/// True when the value and everything nested in it can be written in the
/// binary form.
bool isPropertyList(const QVariant &value, QString *error = nullptr);

} // namespace reel
REEL_EXPORT_END
