// Conversions through the C library's iconv, for the legacy 8-bit and CJK
// encodings. Internal to the codec layer.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace reel::text {

// charset is an iconv name ("CP1252", "EUC-JP"...). Strict: an invalid or
// cut sequence gives nothing, with *error.
std::optional<QString> iconvDecode(QByteArrayView bytes, const char *charset, QString *error);

// With allowLossy, a character the charset cannot hold (an unpaired surrogate
// included) becomes "?", converted like any other character so that the
// shift states of the stateful charsets stay right.
std::optional<QByteArray> iconvEncode(QStringView text, const char *charset, bool allowLossy, QString *error);

} // namespace reel::text
