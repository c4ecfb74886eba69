// Every kind of property-list value at its edges, for the round-trip tests
// (the codec, the preference store, createNewPlist and readPlist).
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <cmath>
#include <limits>
#include <vector>

namespace reel::test {

struct PlistCase {
    QString key;
    QVariant value;
    // The element plistutil prints for the value once it has read our
    // binary file; empty where plistutil cannot carry the value.
    QByteArray plistutil;
};

inline const std::vector<PlistCase> &plistCases()
{
    using L = std::numeric_limits<qint64>;
    const auto utc = [](int y, int mo, int d, int h, int mi, int s, int ms = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
    };
    static const std::vector<PlistCase> cases{
        {QStringLiteral("float"), 29.97f, "<real>29.969999313354492</real>"},
        {QStringLiteral("double"), 0.1, "<real>0.10000000000000001</real>"},
        {QStringLiteral("nan"), std::numeric_limits<double>::quiet_NaN(), "<real>nan</real>"},
        {QStringLiteral("infinity"), std::numeric_limits<double>::infinity(), "<real>+infinity</real>"},
        {QStringLiteral("minus infinity"), -std::numeric_limits<double>::infinity(), "<real>-infinity</real>"},
        {QStringLiteral("int"), 25, "<integer>25</integer>"},
        {QStringLiteral("int32 min"), std::numeric_limits<int>::min(), "<integer>-2147483648</integer>"},
        {QStringLiteral("int64 min"), L::min(), "<integer>-9223372036854775808</integer>"},
        {QStringLiteral("int64 max"), L::max(), "<integer>9223372036854775807</integer>"},
        {QStringLiteral("uint64 max"), QVariant::fromValue(std::numeric_limits<quint64>::max()),
         "<integer>18446744073709551615</integer>"},
        {QStringLiteral("true"), true, "<true/>"},
        {QStringLiteral("false"), false, "<false/>"},
        {QStringLiteral("empty string"), QStringLiteral(""), "<string></string>"},
        {QStringLiteral("string with NUL"), QStringView(u"a\0b", 3).toString(), ""},
        {QStringLiteral("non-BMP text"), QString::fromUtf8("\xf0\x9f\x8e\xac caf\xc3\xa9"),
         "<string>\xf0\x9f\x8e\xac caf\xc3\xa9</string>"},
        {QStringLiteral("markup and CR"), QStringLiteral("a<b>&c\r\nd"), "<string>a&lt;b&gt;&amp;c\r\nd</string>"},
        {QStringLiteral("date with milliseconds"), utc(2008, 1, 2, 10, 11, 12, 123), "<date>2008-01-02T10:11:12Z</date>"},
        {QStringLiteral("old date"), utc(1, 1, 1, 0, 0, 0), "<date>1-01-01T00:00:00Z</date>"},
        {QStringLiteral("far-future date"), utc(9999, 12, 31, 23, 59, 59, 999), "<date>9999-12-31T23:59:59Z</date>"},
        {QStringLiteral("empty data"), QByteArray(""), "<data>\n\t</data>"},
        {QStringLiteral("data"), QByteArray("\x00\x01\xff", 3), "<data>\n\tAAH/\n\t</data>"},
        {QStringLiteral("empty array"), QVariantList{}, "<array/>"},
        {QStringLiteral("empty dictionary"), QVariantMap{}, "<dict/>"},
        {QStringLiteral("nested"),
         QVariantMap{{QStringLiteral("list"), QVariantList{QVariantMap{{QStringLiteral("x"), QVariantList{1, 2.5}}}}}},
         "<key>x</key>"},
    };
    return cases;
}

inline QVariantMap plistCaseValues()
{
    QVariantMap values;
    for (const PlistCase &c : plistCases())
        values.insert(c.key, c.value);
    return values;
}

// The same value of the same type; NaN is the same as NaN.
inline bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.typeId() != b.typeId())
        return false;
    if (a.typeId() == QMetaType::Double || a.typeId() == QMetaType::Float) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return (std::isnan(x) && std::isnan(y)) || (x == y && std::signbit(x) == std::signbit(y));
    }
    return a == b;
}

} // namespace reel::test
