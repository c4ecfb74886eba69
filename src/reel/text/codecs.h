/// \file
/// \ingroup text
/// Text encodings keyed by the platform's string-encoding identifiers, and the
/// conversions between bytes and strings for each of them.
///
/// Decoding is strict: bytes that are not valid in the encoding give nothing
/// (with the reason). The one exception is ASCII, which never fails: a byte
/// above 127 stands for the character of the same number (as in ISO Latin 1),
/// so a text read as ASCII keeps every byte it was given. Encoding can be
/// lossy: a character the encoding cannot hold becomes "?". Nothing here
/// writes to the log.
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// A string-encoding identifier: one of the constants below.
using StringEncoding = quint32;

/// No encoding at all.
constexpr StringEncoding kNoStringEncoding = 0;
/// 7-bit ASCII, decoding bytes above 127 as Latin-1.
constexpr StringEncoding kASCIIStringEncoding = 1;
/// NEXTSTEP.
constexpr StringEncoding kNEXTSTEPStringEncoding = 2;
/// Japanese EUC.
constexpr StringEncoding kJapaneseEUCStringEncoding = 3;
/// UTF-8.
constexpr StringEncoding kUTF8StringEncoding = 4;
/// ISO Latin 1.
constexpr StringEncoding kISOLatin1StringEncoding = 5;
/// Mac OS Symbol.
constexpr StringEncoding kSymbolStringEncoding = 6;
/// 7-bit ASCII with "\uXXXX" escapes for everything else.
constexpr StringEncoding kNonLossyASCIIStringEncoding = 7;
/// Shift JIS, in its Windows form (code page 932).
constexpr StringEncoding kShiftJISStringEncoding = 8;
/// ISO Latin 2.
constexpr StringEncoding kISOLatin2StringEncoding = 9;
/// UTF-16 after a byte-order mark (written in this machine's byte order).
constexpr StringEncoding kUnicodeStringEncoding = 10;
/// Windows Cyrillic (1251).
constexpr StringEncoding kWindowsCP1251StringEncoding = 11;
/// Windows Latin 1 (1252).
constexpr StringEncoding kWindowsCP1252StringEncoding = 12;
/// Windows Greek (1253).
constexpr StringEncoding kWindowsCP1253StringEncoding = 13;
/// Windows Turkish (1254).
constexpr StringEncoding kWindowsCP1254StringEncoding = 14;
/// Windows Latin 2 (1250).
constexpr StringEncoding kWindowsCP1250StringEncoding = 15;
/// ISO-2022-JP.
constexpr StringEncoding kISO2022JPStringEncoding = 21;
/// Mac OS Roman.
constexpr StringEncoding kMacOSRomanStringEncoding = 30;
/// The number the encoding name table files "UTF-32LE" under. In the
/// platform's numbering it is the installation-specific encoding, which
/// converts nothing; here it converts as UTF-32 little-endian, the same as
/// kUTF32LittleEndianStringEncoding, so that the table's entry works.
constexpr StringEncoding kUTF32LETableStringEncoding = 65536;
/// UTF-16 big-endian, no byte-order mark written.
constexpr StringEncoding kUTF16BigEndianStringEncoding = 0x90000100;
/// UTF-16 little-endian, no byte-order mark written.
constexpr StringEncoding kUTF16LittleEndianStringEncoding = 0x94000100;
/// UTF-32 after a byte-order mark (written in this machine's byte order).
constexpr StringEncoding kUTF32StringEncoding = 0x8c000100;
/// UTF-32 big-endian, no byte-order mark written.
constexpr StringEncoding kUTF32BigEndianStringEncoding = 0x98000100;
/// UTF-32 little-endian, no byte-order mark written.
constexpr StringEncoding kUTF32LittleEndianStringEncoding = 0x9c000100;
/// What detection reports when it found no encoding.
constexpr StringEncoding kNotFoundStringEncoding = 0x7FFFFFFF;

/// True for the identifiers above that convert text (all but none and
/// not-found).
bool isSupportedStringEncoding(StringEncoding encoding);

/// The text the bytes stand for. The byte-order mark of the UTF forms is not
/// part of the text: the marked forms (10, 0x8c000100) read it to learn the
/// byte order (big-endian without one), UTF-8 and the explicit-order forms
/// skip one that matches them. Nothing, with *error, for an unsupported
/// identifier or bytes that are not valid in the encoding.
std::optional<QString> decodeText(QByteArrayView bytes, StringEncoding encoding, QString *error = nullptr);

/// The bytes of the text in the encoding. Identifiers 10 and 0x8c000100 begin
/// with a byte-order mark, no other does. With allowLossy, a character the
/// encoding cannot hold (or an unpaired surrogate) becomes "?"; without it,
/// such a character gives nothing. Nothing, with *error, for an unsupported
/// identifier.
std::optional<QByteArray> encodeText(QStringView text, StringEncoding encoding, bool allowLossy,
                                     QString *error = nullptr);

} // namespace reel
REEL_EXPORT_END
