// Binary property lists put together object by object, for files that no
// writer would make: lying trailers, shared and cyclic references, bad text.
#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <vector>

namespace reel::test::bplist {

inline void putBig(QByteArray &out, quint64 value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.append(char(i >= 8 ? 0 : (value >> (8 * i)) & 0xFF));
}

// A marker with its count: type is the high nibble (0x4 data, 0x5 ASCII,
// 0x6 UTF-16, 0xA array, 0xD dictionary).
inline QByteArray marker(int type, quint64 count)
{
    QByteArray out;
    if (count < 15) {
        out.append(char((type << 4) | int(count)));
    } else {
        out.append(char((type << 4) | 0xF));
        out.append(char(0x13));
        putBig(out, count, 8);
    }
    return out;
}

inline QByteArray ascii(const QByteArray &text)
{
    return marker(0x5, quint64(text.size())) + text;
}

inline QByteArray utf16(const QString &text)
{
    QByteArray out = marker(0x6, quint64(text.size()));
    for (const QChar c : text)
        putBig(out, c.unicode(), 2);
    return out;
}

// An array (or with keys, a dictionary) of object numbers.
inline QByteArray array(const std::vector<quint64> &items, int refSize = 1)
{
    QByteArray out = marker(0xA, items.size());
    for (const quint64 ref : items)
        putBig(out, ref, refSize);
    return out;
}

inline QByteArray dict(const std::vector<quint64> &keys, const std::vector<quint64> &values, int refSize = 1)
{
    QByteArray out = marker(0xD, keys.size());
    for (const quint64 ref : keys)
        putBig(out, ref, refSize);
    for (const quint64 ref : values)
        putBig(out, ref, refSize);
    return out;
}

// What the trailer says; -1 lets the builder fill in the true value.
struct Layout {
    int offsetSize = -1;
    int refSize = 1;
    qint64 objects = -1;
    quint64 top = 0;
    qint64 table = -1;
    std::vector<quint64> offsets; // replaces the true offsets when not empty
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
    out.append(6, '\0');
    out.append(char(offsetSize));
    out.append(char(layout.refSize));
    putBig(out, layout.objects >= 0 ? quint64(layout.objects) : offsets.size(), 8);
    putBig(out, layout.top, 8);
    putBig(out, layout.table >= 0 ? quint64(layout.table) : table, 8);
    return out;
}

// depth arrays, each holding the next (references of 4 bytes).
inline QByteArray nestedArrays(int depth)
{
    std::vector<QByteArray> objects;
    objects.reserve(size_t(depth));
    for (int i = 0; i + 1 < depth; ++i)
        objects.push_back(array({quint64(i + 1)}, 4));
    objects.push_back(array({}, 4));
    Layout layout;
    layout.refSize = 4;
    return file(objects, layout);
}

} // namespace reel::test::bplist
