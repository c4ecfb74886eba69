// The Unicode transformation formats: UTF-8 validation and the UTF-16 and
// UTF-32 byte orders. Internal to the codec layer.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace reel::text {

struct Utf8Scan {
    qsizetype validLength = 0; // bytes before the first invalid or cut sequence
    bool sevenBit = true;      // no byte above 127 within validLength
};

// One pass over the bytes: how far they are well-formed UTF-8 (no overlong
// forms, no surrogates, nothing above U+10FFFF). Exported for the tests.
REEL_EXPORT Utf8Scan scanUtf8(QByteArrayView bytes);

// What decodeUtf8Prefix did: it stops at the end of the bytes, at the
// first byte that starts no well-formed sequence (invalid), or at a
// well-formed start that the end of the bytes cuts short (neither).
struct Utf8Step {
    qsizetype read = 0;    // bytes decoded
    qsizetype written = 0; // UTF-16 units written
    bool invalid = false;
    bool sevenBit = true; // no byte above 127 among those decoded
};

// Decodes and checks UTF-8 in one pass, as scanUtf8 judges it, into out,
// which has room for one unit per byte.
Utf8Step decodeUtf8Prefix(const uchar *bytes, qsizetype size, char16_t *out);

std::optional<QString> decodeUtf8(QByteArrayView bytes, QString *error);
// Unpaired surrogates become "?" with allowLossy, else give nothing.
std::optional<QByteArray> encodeUtf8(QStringView text, bool allowLossy);

// UTF-16 holds any sequence of code units, unpaired surrogates included; only
// an odd byte count is an error.
std::optional<QString> decodeUtf16(QByteArrayView bytes, bool bigEndian, QString *error);
QByteArray encodeUtf16(QStringView text, bool bigEndian, bool withMark);

std::optional<QString> decodeUtf32(QByteArrayView bytes, bool bigEndian, QString *error);
std::optional<QByteArray> encodeUtf32(QStringView text, bool bigEndian, bool withMark, bool allowLossy);

} // namespace reel::text
