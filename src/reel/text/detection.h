/// \file
/// \ingroup text
/// Reading text whose encoding is not known: detection of the encoding from
/// the bytes, and files read with a detected or a given encoding. Failures
/// are told in the result, never in the log.
#pragma once

#include "reel/core/export.h"
#include "reel/text/codecs.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

REEL_EXPORT_BEGIN
namespace reel {

/// The encoding the bytes are most likely written in:
/// 1. a byte-order mark: UTF-8 gives 4, UTF-16 (either order) 10, UTF-32
///    (either order) 0x8c000100;
/// 2. zero bytes in the pattern of UTF-32 or UTF-16 without a mark: the
///    explicit-order identifier (0x90000100, 0x94000100, 0x98000100,
///    0x9c000100);
/// 3. well-formed UTF-8 (plain ASCII included) gives 4, unless it is 7-bit
///    text with the escapes of ISO-2022-JP (21);
/// 4. otherwise uchardet's guess, as an identifier of the encoding name table
///    (a Western guess is weighed against Mac OS Roman, which uchardet does
///    not know);
///
/// kNotFoundStringEncoding when nothing fits.
StringEncoding detectStringEncoding(QByteArrayView bytes);

/// A text read from bytes or a file: the text (null when there is none), the
/// encoding used (0 when the file could not be read at all), and why it
/// failed (null when it did not).
struct DecodedText {
    QString text;                                ///< null when there is none
    StringEncoding encoding = kNoStringEncoding; ///< 0 when unread
    QString error;                               ///< null when all went well
};

/// The bytes decoded with the detected encoding. Not-found detection gives
/// no text and an error.
DecodedText decodeDetectingEncoding(QByteArrayView bytes);

/// The bytes of the file at path (as written: no "~" expansion), read without
/// ever waiting on a pipe or a device; nothing, with *error, when it cannot be
/// read.
std::optional<QByteArray> readTextFileBytes(const QString &path, QString *error);

/// The file read with the detected encoding, through one small buffer
/// straight into its text: at its peak it holds the text and no copy of the
/// bytes. Text that is well-formed UTF-8 is decoded as it is checked; where
/// UTF-8 stops, the bytes around that place decide the encoding, as
/// detectStringEncoding would on the whole, and the file is decoded again
/// into the same text. A file that changes meanwhile is read as large as it
/// was when opened.
DecodedText readFileDetectingEncoding(const QString &path);
/// The encoding of the file judged from its first 256 KiB alone (the whole
/// file when it is no larger, with detectStringEncoding's answer): the text
/// stays null, and the error says when these bytes are not valid in it.
DecodedText detectFileEncoding(const QString &path);
/// The file read with the given encoding, through one small buffer straight
/// into its text (Mac OS Symbol and non-lossy ASCII are decoded whole).
DecodedText readFileWithEncoding(const QString &path, StringEncoding encoding);
/// The file read as ASCII, which keeps every byte: nothing, with *error,
/// only when it cannot be read.
std::optional<QString> readFileAsAscii(const QString &path, QString *error = nullptr);

} // namespace reel
REEL_EXPORT_END
