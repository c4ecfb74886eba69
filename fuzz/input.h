// Helpers of the targets that read several kinds of input: the sub-reader an
// input's first byte picks, the rest as text, and a quiet log.
#pragma once

#include <reel/core/log.h>

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace fuzz {

// The input after its first byte, which picks the reader: the position of
// that byte in keys (seeds stay readable: "f" followed by ffmpeg's output),
// any other byte taken modulo the number of readers.
struct Picked {
    std::size_t reader = 0;
    bool wide = false; // the key was upper case: the rest is UTF-16 units
    QByteArray rest;
};

inline Picked pick(const uint8_t *data, size_t size, std::string_view keys)
{
    Picked p;
    if (size == 0)
        return p;
    const char first = char(data[0]);
    const char lower = first >= 'A' && first <= 'Z' ? char(first - 'A' + 'a') : first;
    const std::size_t at = keys.find(lower);
    p.reader = at != std::string_view::npos ? at : data[0] % keys.size();
    p.wide = at != std::string_view::npos && first != lower;
    p.rest = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    return p;
}

// The rest as a string: UTF-8 (invalid bytes replaced), or, for an upper-case
// key, raw UTF-16 units in this machine's order (unpaired surrogates too),
// which no file decoder gives but a caller may.
inline QString text(const Picked &p)
{
    if (!p.wide)
        return QString::fromUtf8(p.rest);
    QString units(p.rest.size() / 2, Qt::Uninitialized);
    std::memcpy(units.data(), p.rest.constData(), size_t(units.size()) * 2);
    return units;
}

// Every log line is formatted, the debug-gated ones too (their values are
// hostile as well), but kept off stderr, which would take most of the time.
inline void quietLog()
{
    static const bool once = [] {
        reel::setDEBUG(1);
        reel::setLogSink([](const QString &) {});
        return true;
    }();
    (void)once;
}

} // namespace fuzz
