// Property lists for the codec, file and store tests: every kind of value at
// its edges, plistutil as the independent reader, and binary files put
// together object by object (lying trailers, shared references, bad text)
// that no writer would make.
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
#include <numeric>
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
    const bool bothNan = a.typeId() == QMetaType::Double && std::isnan(a.toDouble()) && std::isnan(b.toDouble());
    return a.typeId() == b.typeId() && (a == b || bothNan);
}

namespace bplist {

inline void putBig(QByteArray &out, quint64 value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.append(char(i >= 8 ? 0 : (value >> (8 * i)) & 0xFF));
}

// A marker with its count: type is the high nibble (0x4 data, 0x5 ASCII,
// 0xA array, 0xD dictionary).
inline QByteArray marker(int type, quint64 count)
{
    QByteArray out(1, char((type << 4) | int(count < 15 ? count : 0xF)));
    if (count >= 15) {
        out.append(char(0x13));
        putBig(out, count, 8);
    }
    return out;
}

inline QByteArray ascii(const QByteArray &text) { return marker(0x5, quint64(text.size())) + text; }

// An array of object numbers; a dictionary, its keys' then its values'.
inline QByteArray array(const std::vector<quint64> &items, int refSize = 1, int type = 0xA)
{
    QByteArray out = marker(type, type == 0xD ? items.size() / 2 : items.size());
    for (const quint64 ref : items)
        putBig(out, ref, refSize);
    return out;
}

inline QByteArray dict(std::vector<quint64> keys, const std::vector<quint64> &values, int refSize = 1)
{
    keys.insert(keys.end(), values.begin(), values.end());
    return array(keys, refSize, 0xD);
}

// What the trailer says; -1 lets the builder fill in the true value.
struct Layout {
    int offsetSize = -1;
    int refSize = 1;
    qint64 objects = -1;
    quint64 top = 0;
    qint64 table = -1;
    std::vector<quint64> offsets; // replaces the true offsets when not empty
    char spare = 0;               // the trailer's first byte, which readers skip
};

// "bplist00", the objects, the offset table and the trailer.
inline QByteArray file(const std::vector<QByteArray> &objects, const Layout &layout = {})
{
    QByteArray out("bplist00");
    std::vector<quint64> offsets;
    for (const QByteArray &object : objects) {
        offsets.push_back(quint64(out.size()));
        out += object;
    }
    if (!layout.offsets.empty())
        offsets = layout.offsets;
    const quint64 table = quint64(out.size());
    const int offsetSize = layout.offsetSize > 0 ? layout.offsetSize : table < 256 ? 1 : table < 65536 ? 2 : 4;
    for (const quint64 offset : offsets)
        putBig(out, offset, offsetSize);
    out.append(layout.spare).append(5, '\0').append(char(offsetSize)).append(char(layout.refSize));
    putBig(out, layout.objects >= 0 ? quint64(layout.objects) : offsets.size(), 8);
    putBig(out, layout.top, 8);
    putBig(out, layout.table >= 0 ? quint64(layout.table) : table, 8);
    return out;
}

// depth arrays, each holding the next (references of 4 bytes).
inline QByteArray nestedArrays(int depth)
{
    std::vector<QByteArray> objects;
    for (int i = 0; i + 1 < depth; ++i)
        objects.push_back(array({quint64(i + 1)}, 4));
    objects.push_back(array({}, 4));
    return file(objects, {.refSize = 4});
}

} // namespace bplist

// Files made to break a reader, each refused: lying trailers and counts,
// references out of range or in a cycle, bad text, nesting past any limit,
// objects that multiply when expanded.
struct HostilePlist {
    const char *name;
    QByteArray bytes;
};

inline const std::vector<HostilePlist> &hostilePlists()
{
    using namespace bplist;
    static const std::vector<HostilePlist> files = [] {
        // 5 000 object numbers that all lead to one 60 000-byte data object:
        // 300 MB if each were read on its own.
        std::vector<quint64> refs(5000);
        std::iota(refs.begin(), refs.end(), 1);
        Layout overlapping{.refSize = 2, .offsets = std::vector<quint64>(5001, 8 + quint64(array(refs, 2).size()))};
        overlapping.offsets[0] = 8;
        const QByteArray k = ascii("k");
        return std::vector<HostilePlist>{
            {"nul-key", file({dict({1}, {2}), QByteArray("\x63\0a\0\0\0b", 7), ascii("v")})},
            {"deep-binary", nestedArrays(100000)},
            {"deep-xml", "<plist>" + QByteArray("<array>").repeated(1000000) + QByteArray("</array>").repeated(1000000) + "</plist>"},
            {"reference-bomb", file({array(std::vector<quint64>(100, 1)), array(std::vector<quint64>(100, 2)),
                                     array(std::vector<quint64>(100, 3)), array(std::vector<quint64>(100, 4)), k})},
            {"reference-cycle", file({dict({1}, {2}), k, array({0})})},
            {"overlapping-objects", file({array(refs, 2), marker(0x4, 60000) + QByteArray(60000, 'x')}, overlapping)},
            {"lying-count", file({dict({1}, {2}), k, marker(0xA, quint64(1) << 40)})},
            {"lying-object-count", file({dict({}, {})}, {.objects = qint64(1) << 40})},
            {"top-object-out-of-range", file({dict({}, {})}, {.top = 5})},
            {"offset-table-out-of-range", file({dict({}, {})}, {.table = qint64(1) << 40})},
            {"offset-size-nine", file({dict({}, {})}, {.offsetSize = 9})},
            {"reference-size-nine", file({dict({}, {})}, {.refSize = 9})},
            {"offset-past-the-objects", file({dict({1}, {1}), k}, {.offsets = {8, 4000}})},
            {"offset-into-the-header", file({dict({1}, {1}), k}, {.offsets = {8, 2}})},
            {"reference-out-of-range", file({dict({1}, {7}), k})},
            // One past the offset table lies the trailer: here an offset that would pass.
            {"reference-equal-to-the-count", file({dict({1}, {2}), k}, {.spare = 11})},
            {"key-not-a-string", file({dict({1}, {1}), array({})})},
            {"unpaired-surrogate", file({dict({1}, {2}), k, QByteArray("\x61\xd8\0", 3)})},
            {"ascii-above-0x7f", file({dict({1}, {2}), k, ascii("caf\xe9")})},
            // A real is 4 or 8 bytes; a 2-byte one is refused even with bytes to spare.
            {"real-of-two-bytes", file({dict({1}, {2}), k, QByteArray("\x21\x3f\x80\0\0\0\0\0\0", 9)})},
            {"truncated", file({dict({1}, {2}), k, ascii("a long value")}).chopped(10)},
            {"empty", ""},
            {"xml-entity-expansion",
             "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
             "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
             "<plist><dict><key>k</key><string>&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;</string></dict></plist>"},
            {"xml-key-without-value", "<plist><dict><key>k</key></dict></plist>"},
            {"xml-unknown-element", "<plist><dict><key>k</key><script>x</script></dict></plist>"},
            {"not-a-property-list", "this is not a property list"},
        };
    }();
    return files;
}

} // namespace reel::test
