// The encodings converted by the toolkit itself: ASCII and ISO Latin 1, the
// NEXTSTEP and Mac OS Symbol tables, and non-lossy ASCII. Internal to the
// codec layer.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace reel::text {

// A table entry for a byte that stands for no character.
constexpr char16_t kUnassigned = 0xFFFF;
// The character of each byte from 0x80 (below is ASCII).
extern const char16_t kNextstepHighHalf[128];
// The character of each byte.
extern const char16_t kSymbolTable[256];

// Every byte is the character of the same number.
QString decodeLatin1(QByteArrayView bytes);
// Characters below limit (0x80 for ASCII, 0x100 for ISO Latin 1) are their
// own byte.
std::optional<QByteArray> encodeBelow(QStringView text, char32_t limit, bool allowLossy);

std::optional<QString> decodeNextstep(QByteArrayView bytes, QString *error);
std::optional<QByteArray> encodeNextstep(QStringView text, bool allowLossy);

std::optional<QString> decodeSymbol(QByteArrayView bytes, QString *error);
std::optional<QByteArray> encodeSymbol(QStringView text, bool allowLossy);

// ASCII where "\uXXXX" (four hex digits) is a UTF-16 unit, "\ooo" (three
// octal digits, up to \377) the character of that number and "\\" a
// backslash; any other backslash stands for itself. A byte above 127 is an
// error. Encoding escapes every unit above 127 as "\uXXXX" and the backslash
// as "\\", so it never loses anything.
std::optional<QString> decodeNonLossyASCII(QByteArrayView bytes, QString *error);
QByteArray encodeNonLossyASCII(QStringView text);

} // namespace reel::text
