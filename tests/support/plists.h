// Property lists for the codec, file and store tests: every kind of value at
// its edges, with plistutil as the independent reader, and files no writer
// would make.
#pragma once

#include "sandbox.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QList>
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
    // What plistutil prints for the value once it has read our binary file;
    // empty where it cannot carry the value.
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
        {QStringLiteral("int"), 25, "<integer>25</integer>"},
        {QStringLiteral("int64 min"), L::min(), "<integer>-9223372036854775808</integer>"},
        {QStringLiteral("int64 max"), L::max(), "<integer>9223372036854775807</integer>"},
        {QStringLiteral("uint64 max"), QVariant::fromValue(std::numeric_limits<quint64>::max()),
         "<integer>18446744073709551615</integer>"},
        {QStringLiteral("true"), true, "<true/>"},
        {QStringLiteral("string with NUL"), QStringView(u"a\0b", 3).toString(), ""},
        {QStringLiteral("non-BMP text"), QString::fromUtf8("\xf0\x9f\x8e\xac caf\xc3\xa9 \xf4\x8f\xbf\xbf"),
         "<string>\xf0\x9f\x8e\xac caf\xc3\xa9 \xf4\x8f\xbf\xbf</string>"},
        {QStringLiteral("markup and CR"), QStringLiteral("a<b>&c\r\nd"), "<string>a&lt;b&gt;&amp;c\r\nd</string>"},
        {QStringLiteral("date with milliseconds"), utc(2008, 1, 2, 10, 11, 12, 123), "<date>2008-01-02T10:11:12Z</date>"},
        {QStringLiteral("far-future date"), utc(9999, 12, 31, 23, 59, 59, 999), "<date>9999-12-31T23:59:59Z</date>"},
        {QStringLiteral("data"), QByteArray("\x00\x01\xff", 3), "<data>\n\tAAH/\n\t</data>"},
        {QStringLiteral("empty dictionary"), QVariantMap{}, "<dict/>"},
        {QStringLiteral("nested"),
         QVariantMap{{QStringLiteral("list"), QVariantList{QVariantMap{{QStringLiteral("x"), QVariantList{1, 2.5}}}}},
                     {QStringLiteral("y"), true}},
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
    const bool bothNan = a.typeId() == QMetaType::Double && std::isnan(a.toDouble()) && std::isnan(b.toDouble());
    return a.typeId() == b.typeId() && (a == b || bothNan);
}

// Files made to break a reader, each refused (tests/data/plist/hostile):
// lying trailers and counts, references out of range or in a cycle, bad
// text, nesting and objects one past the limits, objects that multiply when
// expanded.
struct HostilePlist {
    QString name;
    QByteArray bytes;
};

inline QList<HostilePlist> hostilePlists()
{
    QList<HostilePlist> files;
    const QDir dir(testDataPath() + QStringLiteral("/plist/hostile"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        files.append({name, readFile(dir.filePath(name))});
    return files;
}

} // namespace reel::test
