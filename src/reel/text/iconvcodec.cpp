#include "reel/text/iconvcodec_p.h"

#include "reel/base/bigbuffers_p.h"
#include "reel/core/format.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <string>

#include <iconv.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace reel::text {

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char *kHostUtf16 = "UTF-16LE";
#else
constexpr const char *kHostUtf16 = "UTF-16BE";
#endif

class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(::iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            ::iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != iconv_t(-1); }
    iconv_t handle() const { return m_cd; }

    // Converts (or, with a null source, ends the shift state) into out after
    // its first used bytes, growing out as needed. 0 when everything went,
    // else the errno of the stop (EILSEQ, EINVAL) with *source at the stop.
    template <typename Buffer>
    int run(char **source, size_t *left, Buffer &out, qsizetype &used, qsizetype unit)
    {
        for (;;) {
            char *base = reinterpret_cast<char *>(out.data());
            char *target = base + used;
            size_t room = size_t(out.size() * unit - used);
            const size_t result = source ? ::iconv(m_cd, source, left, &target, &room)
                                         : ::iconv(m_cd, nullptr, nullptr, &target, &room);
            used = target - base;
            if (result != size_t(-1))
                return 0;
            if (errno != E2BIG)
                return errno;
            out.resize(out.size() * 2 + 16);
        }
    }

private:
    iconv_t m_cd;
};

// The stateless single-byte charsets among those the codec layer hands to
// iconv: each byte is one character, whatever stands around it.
constexpr const char *kSingleByteCharsets[] = {"CP1250", "CP1251", "CP1252", "CP1253", "CP1254", "ISO-8859-2",
                                               "MACINTOSH"};

std::optional<ByteTable> readByteTable(const char *charset)
{
    Converter converter(kHostUtf16, charset);
    if (!converter.valid())
        return std::nullopt;
    ByteTable table{};
    for (int b = 0; b < 256; ++b) {
        char byte = char(b);
        char *source = &byte;
        size_t left = 1;
        char16_t units[4];
        char *target = reinterpret_cast<char *>(units);
        size_t room = sizeof units;
        const size_t result = ::iconv(converter.handle(), &source, &left, &target, &room);
        const auto written = (target - reinterpret_cast<char *>(units)) / 2;
        if (result == size_t(-1) && errno == EILSEQ) {
            ::iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
            continue; // no character: an error wherever it stands
        }
        // Anything else than one byte to one unit is no single-byte charset.
        if (result == size_t(-1) || left != 0 || written != 1)
            return std::nullopt;
        table.units[b] = units[0];
        table.defined[b] = true;
    }
    table.asciiAsIs = true;
    for (int b = 0; b < 0x80; ++b)
        table.asciiAsIs = table.asciiAsIs && table.defined[b] && table.units[b] == b;
    return table;
}

} // namespace

// Several times faster than iconv going byte by byte through its own steps.
const ByteTable *singleByteTable(const char *charset)
{
    static std::mutex mutex;
    static std::map<std::string, std::optional<ByteTable>, std::less<>> tables;
    if (std::none_of(std::begin(kSingleByteCharsets), std::end(kSingleByteCharsets),
                     [&](const char *name) { return std::strcmp(name, charset) == 0; }))
        return nullptr;
    std::lock_guard lock(mutex);
    auto it = tables.find(charset);
    if (it == tables.end())
        it = tables.emplace(charset, readByteTable(charset)).first;
    return it->second ? &*it->second : nullptr;
}

qsizetype decodeByTable(const ByteTable &table, const uchar *bytes, qsizetype size, char16_t *out)
{
    qsizetype i = 0;
    while (i < size) {
#ifdef __SSE2__
        // Sixteen bytes at a time while they are ASCII.
        if (table.asciiAsIs && size - i >= 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
            if (_mm_movemask_epi8(block) == 0) {
                const __m128i zero = _mm_setzero_si128();
                _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(block, zero));
                _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(block, zero));
                i += 16;
                continue;
            }
            for (const qsizetype blockEnd = i + 16; i < blockEnd; ++i) {
                if (!table.defined[bytes[i]])
                    return i;
                out[i] = table.units[bytes[i]];
            }
            continue;
        }
#endif
        if (!table.defined[bytes[i]])
            return i;
        out[i] = table.units[bytes[i]];
        ++i;
    }
    return size;
}

namespace {

QString noConverter(const char *from, const char *to)
{
    return format("no conversion from %s to %s", from, to);
}

} // namespace

std::optional<QString> iconvDecode(QByteArrayView bytes, const char *charset, QString *error)
{
    if (const ByteTable *table = singleByteTable(charset)) {
        QString text = largeUninitializedString(bytes.size());
        const qsizetype stop = decodeByTable(*table, reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                                             reinterpret_cast<char16_t *>(text.data()));
        if (stop != bytes.size()) {
            if (error)
                *error = format("the bytes are not valid %s (at byte %lld)", charset, qint64(stop));
            return std::nullopt;
        }
        return text;
    }
    Converter converter(kHostUtf16, charset);
    if (!converter.valid()) {
        if (error)
            *error = noConverter(charset, kHostUtf16);
        return std::nullopt;
    }
    QString text(bytes.size() + 16, Qt::Uninitialized);
    qsizetype used = 0; // bytes
    char *source = const_cast<char *>(bytes.data());
    size_t left = size_t(bytes.size());
    int stop = converter.run(&source, &left, text, used, 2);
    if (stop == 0)
        stop = converter.run(nullptr, nullptr, text, used, 2);
    if (stop != 0) {
        if (error)
            *error = format("the bytes are not valid %s (at byte %lld)", charset, qint64(bytes.size()) - qint64(left));
        return std::nullopt;
    }
    text.truncate(used / 2);
    return text;
}

IconvPieces::IconvPieces(const char *charset) : m_cd(::iconv_open(kHostUtf16, charset)) {}

IconvPieces::~IconvPieces()
{
    if (valid())
        ::iconv_close(m_cd);
}

bool IconvPieces::valid() const
{
    return m_cd != iconv_t(-1);
}

bool IconvPieces::decode(const uchar *bytes, qsizetype size, bool last, char16_t *out, qsizetype room, qsizetype *read,
                         qsizetype *written)
{
    char *source = reinterpret_cast<char *>(const_cast<uchar *>(bytes));
    size_t left = size_t(size);
    char *target = reinterpret_cast<char *>(out);
    size_t space = size_t(room) * 2;
    const size_t result = ::iconv(m_cd, &source, &left, &target, &space);
    const int stop = result == size_t(-1) ? errno : 0;
    // The end of the text also ends a shift state.
    const bool ended = stop == 0 && last && ::iconv(m_cd, nullptr, nullptr, &target, &space) != size_t(-1);
    *read = size - qsizetype(left);
    *written = (target - reinterpret_cast<char *>(out)) / 2;
    return last ? ended : stop == 0 || stop == EINVAL;
}

std::optional<QByteArray> iconvEncode(QStringView text, const char *charset, bool allowLossy, QString *error)
{
    Converter converter(charset, kHostUtf16);
    if (!converter.valid()) {
        if (error)
            *error = noConverter(kHostUtf16, charset);
        return std::nullopt;
    }
    QByteArray bytes(text.size() * 2 + 16, Qt::Uninitialized);
    qsizetype used = 0;
    const char16_t *units = text.utf16();
    char *source = reinterpret_cast<char *>(const_cast<char16_t *>(units));
    size_t left = size_t(text.size()) * 2;
    while (left > 0) {
        if (converter.run(&source, &left, bytes, used, 1) == 0)
            break;
        const qsizetype at = (source - reinterpret_cast<char *>(const_cast<char16_t *>(units))) / 2;
        if (!allowLossy) {
            if (error)
                *error = format("%s cannot hold the character at %lld", charset, qint64(at));
            return std::nullopt;
        }
        const bool pair = QChar::isHighSurrogate(units[at]) && at + 1 < text.size() && QChar::isLowSurrogate(units[at + 1]);
        char16_t question = u'?';
        char *replacement = reinterpret_cast<char *>(&question);
        size_t replacementLeft = 2;
        if (converter.run(&replacement, &replacementLeft, bytes, used, 1) != 0) {
            if (error)
                *error = format("%s cannot hold \"?\"", charset);
            return std::nullopt;
        }
        const size_t skip = pair ? 4 : 2;
        source += skip;
        left -= skip;
    }
    if (converter.run(nullptr, nullptr, bytes, used, 1) != 0) {
        if (error)
            *error = format("%s cannot end its shift state", charset);
        return std::nullopt;
    }
    bytes.truncate(used);
    return bytes;
}

} // namespace reel::text
