#include "reel/core/plistcodec.h"

#include "reel/core/numberkind.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>
#include <QVariantHash>
#include <QVariantList>
#include <QVariantMap>

#include <plist/plist.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

namespace reel {

namespace {

// Seconds between the Unix epoch and 2001-01-01 00:00:00 UTC, the epoch of
// property-list dates.
constexpr qint64 kPlistEpoch = 978307200;

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

QString typeError(const QVariant &value)
{
    const char *name = value.isValid() ? value.metaType().name() : "nil";
    return QStringLiteral("Property list invalid for format (property lists cannot contain objects of type '%1')")
        .arg(QString::fromLatin1(name ? name : "unknown"));
}

// A date node's value read from its XML text, whole seconds. libplist
// writes years below 1000 without leading zeros.
QVariant dateFromXmlForm(plist_t node)
{
    PlistPtr copy(plist_copy(node));
    char *out = nullptr;
    uint32_t length = 0;
    plist_to_xml(copy.get(), &out, &length);
    if (!out)
        return {};
    const QString xml = QString::fromUtf8(out, qsizetype(length));
    plist_to_xml_free(out);
    static const QRegularExpression pattern(
        QStringLiteral("<date>(-?\\d+)-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)Z</date>"));
    const QRegularExpressionMatch m = pattern.match(xml);
    if (!m.hasMatch())
        return {};
    const QDate day(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!day.isValid() || !time.isValid())
        return {};
    return QDateTime(day, time, QTimeZone::utc());
}

// A date node for a time whose seconds from the 2001 epoch do not fit the
// 32-bit setter: built from the XML form, whole seconds.
plist_t dateNodeFromXmlForm(const QDateTime &date)
{
    const QDateTime utc = date.toUTC();
    if (utc.date().year() < 1 || utc.date().year() > 9999)
        return nullptr;
    const QByteArray xml = "<plist version=\"1.0\"><date>"
                           + utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + "Z</date></plist>";
    plist_t node = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &node);
    if (node && plist_get_node_type(node) != PLIST_DATE) {
        plist_free(node);
        return nullptr;
    }
    return node;
}

QVariant toVariant(plist_t node, int depth)
{
    if (depth > 512)
        return {};
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return bool(b);
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        const auto v = static_cast<qint64>(u);
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
            return int(v);
        return v;
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return d;
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        uint64_t length = 0;
        const char *ptr = plist_get_string_ptr(node, &length);
        return ptr ? QString::fromUtf8(ptr, qsizetype(length)) : QStringLiteral("");
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char *ptr = plist_get_data_ptr(node, &length);
        return ptr ? QByteArray(ptr, qsizetype(length)) : QByteArray("");
    }
    case PLIST_DATE: {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        // The seconds are the stored double cast to 32 bits: a date outside
        // 1901..2038 around the 2001 epoch comes back saturated, so its
        // whole seconds are taken from the XML form instead.
        if (sec == std::numeric_limits<int32_t>::min() || sec == std::numeric_limits<int32_t>::max())
            return dateFromXmlForm(node);
        // libplist splits a negative time as (truncated seconds, magnitude
        // of the fraction); within the second before the epoch the sign of
        // the fraction is lost. The microseconds are the truncated binary
        // fraction (0.123 s gives 122999), so round them to milliseconds.
        const qint64 fractionMs = (qint64(std::abs(usec)) + 500) / 1000;
        const qint64 ms = (kPlistEpoch + sec) * 1000 + (sec < 0 ? -fractionMs : fractionMs);
        return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t n = plist_array_get_size(node);
        list.reserve(qsizetype(n));
        for (uint32_t i = 0; i < n; ++i)
            list.append(toVariant(plist_array_get_item(node, i), depth + 1));
        return list;
    }
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        for (;;) {
            char *key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, it, &key, &value);
            if (!key)
                break;
            map.insert(QString::fromUtf8(key), toVariant(value, depth + 1));
            std::free(key);
        }
        std::free(it);
        return map;
    }
    case PLIST_UID: {
        uint64_t u = 0;
        plist_get_uid_val(node, &u);
        return QVariant::fromValue<quint64>(u);
    }
    default:
        return {};
    }
}

plist_t fromVariant(const QVariant &value, QString *error, int depth)
{
    auto fail = [&](const QVariant &v) -> plist_t {
        if (error && error->isEmpty())
            *error = typeError(v);
        return nullptr;
    };
    if (!value.isValid() || depth > 512)
        return fail(value);
    switch (numberKind(value)) {
    case NumberKind::Boolean:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case NumberKind::Signed:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case NumberKind::Unsigned:
        return plist_new_uint(static_cast<uint64_t>(value.toULongLong()));
    case NumberKind::Floating:
        return plist_new_real(value.toDouble());
    case NumberKind::NotANumber:
        break;
    }
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::QByteArray: {
        const QByteArray data = value.toByteArray();
        return plist_new_data(data.constData(), uint64_t(data.size()));
    }
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        if (!date.isValid())
            return fail(value);
        const qint64 ms = date.toMSecsSinceEpoch() - kPlistEpoch * 1000;
        qint64 sec = ms / 1000;
        qint64 msRest = ms % 1000;
        if (msRest < 0) {
            msRest += 1000;
            --sec;
        }
        if (sec <= std::numeric_limits<int32_t>::min() || sec >= std::numeric_limits<int32_t>::max()) {
            if (plist_t node = dateNodeFromXmlForm(date))
                return node;
            return fail(value);
        }
        return plist_new_date(int32_t(sec), int32_t(msRest * 1000));
    }
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        PlistPtr array(plist_new_array());
        for (const QVariant &item : value.toList()) {
            plist_t child = fromVariant(item, error, depth + 1);
            if (!child)
                return nullptr;
            plist_array_append_item(array.get(), child);
        }
        return array.release();
    }
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash: {
        PlistPtr dict(plist_new_dict());
        const QVariantMap map = value.metaType().id() == QMetaType::QVariantMap
                                    ? value.toMap()
                                    : [&] {
                                          QVariantMap m;
                                          const QVariantHash h = value.toHash();
                                          for (auto it = h.cbegin(); it != h.cend(); ++it)
                                              m.insert(it.key(), it.value());
                                          return m;
                                      }();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            plist_t child = fromVariant(it.value(), error, depth + 1);
            if (!child)
                return nullptr;
            plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), child);
        }
        return dict.release();
    }
    default:
        return fail(value);
    }
}

} // namespace

std::optional<QVariant> plistFromData(const QByteArray &bytes, QString *error)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int32_t>::max()) {
        if (error)
            *error = QStringLiteral("no property-list data");
        return std::nullopt;
    }
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &root);
    if (!root) {
        if (error)
            *error = QStringLiteral("not a property list");
        return std::nullopt;
    }
    PlistPtr owner(root);
    QVariant value = toVariant(root, 0);
    if (!value.isValid()) {
        if (error)
            *error = QStringLiteral("unsupported property-list content");
        return std::nullopt;
    }
    return value;
}

QByteArray plistToData(const QVariant &value, PlistFormat format, QString *error)
{
    QString why;
    PlistPtr root(fromVariant(value, &why, 0));
    if (!root) {
        if (error)
            *error = why;
        return {};
    }
    char *out = nullptr;
    uint32_t length = 0;
    if (format == PlistFormat::Binary) {
        plist_to_bin(root.get(), &out, &length);
    } else {
        plist_to_xml(root.get(), &out, &length);
    }
    if (!out) {
        if (error)
            *error = QStringLiteral("property list could not be serialised");
        return {};
    }
    QByteArray bytes(out, qsizetype(length));
    if (format == PlistFormat::Binary)
        plist_to_bin_free(out);
    else
        plist_to_xml_free(out);
    return bytes;
}

bool isPropertyList(const QVariant &value, QString *error)
{
    QString why;
    PlistPtr root(fromVariant(value, &why, 0));
    if (!root && error)
        *error = why;
    return bool(root);
}

} // namespace reel
