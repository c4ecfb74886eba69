#include "reel/plist/value_p.h"

#include "reel/plist/numberkind.h"
#include "reel/plist/codec.h"

#include <QStringList>
#include <QTimeZone>
#include <QVariantHash>
#include <QVariantList>
#include <QVariantMap>

#include <cmath>
#include <limits>

namespace reel::plist {

Kind kindOf(const QVariant &value)
{
    switch (numberKind(value)) {
    case NumberKind::Boolean:
        return Kind::Boolean;
    case NumberKind::Signed:
        return Kind::Signed;
    case NumberKind::Unsigned:
        return Kind::Unsigned;
    case NumberKind::Floating:
        return value.typeId() == QMetaType::Float ? Kind::Float : Kind::Double;
    case NumberKind::NotANumber:
        break;
    }
    switch (value.typeId()) {
    case QMetaType::QString:
        return Kind::String;
    case QMetaType::QByteArray:
        return Kind::Data;
    case QMetaType::QDateTime:
        return Kind::Date;
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return Kind::Array;
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        return Kind::Dictionary;
    default:
        return Kind::Invalid;
    }
}

std::optional<qint64> dateToMs(const QDateTime &date)
{
    if (!date.isValid())
        return std::nullopt;
    const qint64 ms = date.toMSecsSinceEpoch();
    if (ms < -kMaxDateMs + kEpochMs || ms > kMaxDateMs + kEpochMs)
        return std::nullopt;
    return ms - kEpochMs;
}

QDateTime dateFromMs(qint64 msFromEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msFromEpoch + kEpochMs, QTimeZone::utc());
}

std::optional<QDateTime> dateFromSeconds(double seconds)
{
    const double ms = seconds * 1000.0;
    if (!std::isfinite(ms) || std::fabs(ms) > double(kMaxDateMs))
        return std::nullopt;
    return dateFromMs(std::llround(ms));
}

QVariant integer(qint64 value)
{
    if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
        return int(value);
    return value;
}

QVariant unsignedInteger(quint64 value)
{
    if (value <= quint64(std::numeric_limits<qint64>::max()))
        return integer(qint64(value));
    return QVariant::fromValue(value);
}

bool isValidText(QStringView text)
{
    const qsizetype n = text.size();
    const QChar *s = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0xD800 || c > 0xDFFF)
            continue;
        if (c > 0xDBFF || i + 1 == n || !QChar::isLowSurrogate(s[i + 1].unicode()))
            return false;
        ++i;
    }
    return true;
}

bool isValidKey(QStringView text)
{
    return !text.contains(QChar(0)) && isValidText(text);
}

QString invalid(const QString &why)
{
    return QStringLiteral("Property list invalid for format (%1)").arg(why);
}

namespace {

class Checker {
public:
    explicit Checker(QString *error) : m_error(error) {}

    bool check(const QVariant &value, int depth)
    {
        if (++m_count.objects > kPlistMaxObjects)
            return fail(QStringLiteral("more than %1 objects").arg(kPlistMaxObjects));
        // A marker and a count take at most 10 bytes; numbers and dates 9,
        // but an integer above INT64_MAX 17.
        const Kind kind = kindOf(value);
        switch (kind) {
        case Kind::Invalid: {
            const char *name = value.isValid() ? value.metaType().name() : "nil";
            return fail(QStringLiteral("property lists cannot contain objects of type '%1'")
                            .arg(QString::fromLatin1(name ? name : "unknown")));
        }
        case Kind::String: {
            const QString text = value.toString();
            if (!isValidText(text))
                return fail(QStringLiteral("a string holds an unpaired surrogate"));
            m_count.bytes += 10 + 2 * text.size();
            return true;
        }
        case Kind::Data:
            // The size without a copy, whose count would touch the data.
            m_count.bytes += 10 + static_cast<const QByteArray *>(value.constData())->size();
            return true;
        case Kind::Date:
            if (!dateToMs(value.toDateTime()))
                return fail(QStringLiteral("a date is invalid or too far from 2001"));
            m_count.bytes += 9;
            return true;
        case Kind::Array:
            if (depth >= kPlistMaxDepth)
                return deep();
            m_count.bytes += 10;
            for (const QVariant &item : arrayOf(value)) {
                ++m_count.references;
                if (!check(item, depth + 1))
                    return false;
            }
            return true;
        case Kind::Dictionary: {
            if (depth >= kPlistMaxDepth)
                return deep();
            const QVariantMap map = dictionaryOf(value);
            m_count.bytes += 10;
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                if (!isValidKey(it.key()))
                    return fail(QStringLiteral("a dictionary key holds U+0000 or an unpaired surrogate"));
                if (++m_count.objects > kPlistMaxObjects)
                    return fail(QStringLiteral("more than %1 objects").arg(kPlistMaxObjects));
                m_count.references += 2;
                m_count.bytes += 10 + 2 * it.key().size();
                if (!check(it.value(), depth + 1))
                    return false;
            }
            return true;
        }
        case Kind::Unsigned:
            m_count.bytes += 17;
            return true;
        default:
            m_count.bytes += kind == Kind::Boolean ? 1 : 9;
            return true;
        }
    }

    const ValueCount &count() const { return m_count; }

private:
    bool deep() { return fail(QStringLiteral("containers nested deeper than %1").arg(kPlistMaxDepth)); }
    bool fail(const QString &why)
    {
        if (m_error)
            *m_error = invalid(why);
        return false;
    }

    QString *m_error;
    ValueCount m_count;
};

} // namespace

std::optional<ValueCount> checkValue(const QVariant &value, QString *error)
{
    Checker checker(error);
    if (!checker.check(value, 0))
        return std::nullopt;
    return checker.count();
}

QVariantMap dictionaryOf(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantHash)
        return value.toMap();
    const QVariantHash hash = value.toHash();
    std::map<QString, QVariant> sorted;
    for (auto it = hash.cbegin(); it != hash.cend(); ++it)
        sorted.emplace(it.key(), it.value());
    return QVariantMap(std::move(sorted));
}

QVariantList arrayOf(const QVariant &value)
{
    return value.toList();
}

} // namespace reel::plist
