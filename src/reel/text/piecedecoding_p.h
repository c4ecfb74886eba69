// Text decoded as its bytes come, piece by piece (a file read through one
// small buffer), straight into the room the caller gives, with the answers
// of decodeText on the whole. Internal to the codec layer.
#pragma once

#include "reel/text/codecs.h"
#include "reel/text/iconvcodec_p.h"

#include <QString>

#include <memory>

namespace reel::text {

struct PieceStep {
    qsizetype read = 0;    // bytes decoded; the rest starts a character the next piece ends
    qsizetype written = 0; // units
    bool invalid = false;  // the bytes at read are not valid
};

class PieceDecoder {
public:
    // Invalid for an unsupported encoding and for those decoded only whole:
    // Mac OS Symbol (a byte may give two units) and non-lossy ASCII.
    explicit PieceDecoder(StringEncoding encoding);

    bool valid() const { return m_kind != Kind::None; }
    // The most units size bytes give: half a unit a byte in UTF-16 and
    // UTF-32, one in the others.
    qint64 maxUnits(qint64 size) const;
    // Decodes the next piece into out, which has room for maxUnits(size)
    // units. The first piece holds the first four bytes (or all there
    // are), where a byte-order mark is read. With last, what is left
    // undecoded is not valid.
    PieceStep decode(const uchar *bytes, qsizetype size, bool last, char16_t *out);
    // Why the bytes are not valid, offset being where in the whole text.
    QString error(qint64 offset) const;

private:
    enum class Kind { None, Utf8, Table, Utf16, Utf32, Iconv };

    qsizetype skipMark(const uchar *bytes, qsizetype size);

    Kind m_kind = Kind::None;
    StringEncoding m_encoding;
    bool m_bigEndian = true;
    bool m_first = true;
    const ByteTable *m_table = nullptr;
    std::unique_ptr<IconvPieces> m_iconv;
    const char *m_name = "";
};

} // namespace reel::text
