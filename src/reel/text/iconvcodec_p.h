// Conversions through the C library's iconv, for the legacy 8-bit and CJK
// encodings. Internal to the codec layer.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace reel::text {

// The characters of a stateless single-byte charset, read once from iconv
// itself: a text is decoded by lookup, with exactly iconv's answers.
struct ByteTable {
    char16_t units[256];
    bool defined[256];
    bool asciiAsIs; // bytes below 0x80 are the characters of the same number
};
// Null when charset is no single-byte charset.
const ByteTable *singleByteTable(const char *charset);

// Decodes bytes by the table into out (one unit per byte); the offset of the
// first byte the table does not define, or size when there is none.
qsizetype decodeByTable(const ByteTable &table, const uchar *bytes, qsizetype size, char16_t *out);

// The table of a single-byte encoding (ASCII and ISO Latin 1, NEXTSTEP,
// Mac OS Roman as the platform has it, the iconv ones): what decodeText
// gives, byte by byte. Null for the others.
const ByteTable *singleByteTableOf(quint32 encoding);

// The iconv name of an encoding iconv converts; null for the others.
const char *iconvNameOf(quint32 encoding);

// charset is an iconv name ("CP1252", "EUC-JP"...). Strict: an invalid or
// cut sequence gives nothing, with *error.
std::optional<QString> iconvDecode(QByteArrayView bytes, const char *charset, QString *error);

// A charset decoded in pieces: a sequence the end of a piece cuts short
// waits for the next one.
class IconvPieces {
public:
    explicit IconvPieces(const char *charset);
    ~IconvPieces();
    IconvPieces(const IconvPieces &) = delete;
    IconvPieces &operator=(const IconvPieces &) = delete;

    bool valid() const;
    // Decodes what it can of bytes into out (room units); *read bytes were
    // taken, *written units made. False for bytes that are not valid (at
    // *read), for a sequence cut short by the end with last, and for
    // output past room.
    bool decode(const uchar *bytes, qsizetype size, bool last, char16_t *out, qsizetype room, qsizetype *read,
                qsizetype *written);

private:
    void *m_cd;
};

// With allowLossy, a character the charset cannot hold (an unpaired surrogate
// included) becomes "?", converted like any other character so that the
// shift states of the stateful charsets stay right.
std::optional<QByteArray> iconvEncode(QStringView text, const char *charset, bool allowLossy, QString *error);

} // namespace reel::text
