// The rules of the property-list value model that the binary and the XML
// forms share: which values can be written, how integers and dates come
// back, and which texts are valid.
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

namespace reel::plist {

// A value's kind as the writers see it.
enum class Kind { Invalid, Boolean, Signed, Unsigned, Float, Double, String, Data, Date, Array, Dictionary };

Kind kindOf(const QVariant &value);

// Milliseconds from the Unix epoch to 2001-01-01T00:00:00Z, the epoch of
// property-list dates.
inline constexpr qint64 kEpochMs = 978307200000;
// Dates are kept within this many milliseconds of that epoch (about 35 000
// years): a double of seconds still gives back every millisecond there.
inline constexpr qint64 kMaxDateMs = qint64(1) << 50;

// Milliseconds from the property-list epoch; nothing outside the range.
std::optional<qint64> dateToMs(const QDateTime &date);
// A date from seconds since the property-list epoch, to the nearest
// millisecond; nothing when not finite or outside the range.
std::optional<QDateTime> dateFromSeconds(double seconds);
QDateTime dateFromMs(qint64 msFromEpoch);

// An integer as it reads back: int when it fits, else qint64.
QVariant integer(qint64 value);
// An unsigned integer as it reads back: as above up to INT64_MAX, quint64
// above.
QVariant unsignedInteger(quint64 value);

// No unpaired surrogate.
bool isValidText(QStringView text);
// Valid text without U+0000.
bool isValidKey(QStringView text);

// "Property list invalid for format (why)", the writers' refusal.
QString invalid(const QString &why);

// What checkValue counts of a value: its objects (values and keys), the
// references its containers hold, and the bytes its objects take in the
// binary form at most, references aside.
struct ValueCount {
    qint64 objects = 0;
    qint64 references = 0;
    qint64 bytes = 0;
};

// Checks what both writers require of a value and everything in it: types,
// texts, dates, nesting and the object count. Its counts on success; nothing
// and *error otherwise.
std::optional<ValueCount> checkValue(const QVariant &value, QString *error);

// The entries of a dictionary value (QVariantMap or QVariantHash) in key
// order.
QVariantMap dictionaryOf(const QVariant &value);
// The items of an array value (QVariantList or QStringList).
QVariantList arrayOf(const QVariant &value);

} // namespace reel::plist
