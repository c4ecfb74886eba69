#include "reel/plist/binary_p.h"

#include "reel/base/bigbuffers_p.h"
#include "reel/plist/codec.h"
#include "reel/plist/value_p.h"

#include <QHashFunctions>
#include <QVariantList>
#include <QVariantMap>
#include <QtEndian>

#include <bit>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

namespace reel::plist {

namespace {

constexpr char kMagic[] = "bplist00";
constexpr quint64 kMagicSize = 8;
constexpr quint64 kTrailerSize = 32;

// Object markers: the type in the high nibble, a size or count in the low.
enum : uchar {
    kFalse = 0x08,
    kTrue = 0x09,
    kInt = 0x1,
    kReal = 0x2,
    kDate = 0x33,
    kData = 0x4,
    kAscii = 0x5,
    kUtf16 = 0x6,
    kUid = 0x8,
    kArray = 0xA,
    kSet = 0xC,
    kDict = 0xD,
};

quint64 bigEndian(const uchar *p, int n)
{
    quint64 value = 0;
    for (int i = 0; i < n; ++i)
        value = (value << 8) | p[i];
    return value;
}

// Bytes needed for an unsigned number: 1, 2, 4 or 8.
int bytesFor(quint64 value)
{
    if (value <= 0xFF)
        return 1;
    if (value <= 0xFFFF)
        return 2;
    if (value <= 0xFFFFFFFF)
        return 4;
    return 8;
}

class Reader {
public:
    explicit Reader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData())), m_size(quint64(bytes.size()))
    {
    }

    std::optional<QVariant> read(QString *error)
    {
        QVariant root;
        if (!trailer() || !walk(root)) {
            if (error)
                *error = QStringLiteral("binary property list: ") + m_error;
            return std::nullopt;
        }
        return root;
    }

private:
    enum : uchar { Unseen = 0, Open = 1, Done = 2, StateMask = 3, IsString = 4, KeyOk = 8 };

    struct Frame {
        quint64 object = 0;
        bool dictionary = false;
        quint64 refs = 0; // file position of the first reference
        quint64 count = 0;
        quint64 next = 0;
        qint64 expandedBefore = 0;
        QVariantList list;
        std::map<QString, QVariant> map;
        QString key;
    };

    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }

    // True when len bytes from pos lie before the offset table.
    bool have(quint64 pos, quint64 len) const { return pos <= m_table && len <= m_table - pos; }

    bool trailer()
    {
        if (m_size < kMagicSize + 1 + 1 + kTrailerSize)
            return fail(QStringLiteral("too short"));
        if (std::memcmp(m_data, kMagic, kMagicSize) != 0)
            return fail(QStringLiteral("not the bplist00 header"));
        const uchar *t = m_data + m_size - kTrailerSize;
        m_offsetSize = t[6];
        m_refSize = t[7];
        m_objects = bigEndian(t + 8, 8);
        m_top = bigEndian(t + 16, 8);
        m_table = bigEndian(t + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8)
            return fail(QStringLiteral("bad offset or reference size in the trailer"));
        if (m_objects < 1 || m_top >= m_objects)
            return fail(QStringLiteral("bad object count or top object in the trailer"));
        if (m_objects > quint64(kPlistMaxObjects))
            return fail(QStringLiteral("more than %1 objects").arg(kPlistMaxObjects));
        const quint64 end = m_size - kTrailerSize;
        if (m_table < kMagicSize + 1 || m_table > end || (end - m_table) / m_offsetSize < m_objects)
            return fail(QStringLiteral("the offset table does not fit"));
        m_state.assign(m_objects, Unseen);
        m_memo.resize(m_objects);
        m_counts.assign(m_objects, 1);
        return true;
    }

    bool offsetOf(quint64 object, quint64 &offset)
    {
        if (object >= m_objects)
            return fail(QStringLiteral("reference to object %1 of %2").arg(object).arg(m_objects));
        offset = bigEndian(m_data + m_table + object * m_offsetSize, m_offsetSize);
        if (offset < kMagicSize || offset >= m_table)
            return fail(QStringLiteral("object %1 at offset %2, outside the objects").arg(object).arg(offset));
        return true;
    }

    // The count that follows a marker whose low nibble is 15.
    bool count(uchar low, quint64 &pos, quint64 &n)
    {
        if (low != 0xF) {
            n = low;
            return true;
        }
        if (!have(pos, 1))
            return fail(QStringLiteral("truncated count"));
        const uchar marker = m_data[pos];
        if (marker >> 4 != kInt || (marker & 0xF) > 3)
            return fail(QStringLiteral("bad count"));
        const int size = 1 << (marker & 0xF);
        if (!have(pos + 1, quint64(size)))
            return fail(QStringLiteral("truncated count"));
        n = bigEndian(m_data + pos + 1, size);
        if (n > quint64(std::numeric_limits<qint64>::max()))
            return fail(QStringLiteral("negative count"));
        pos += 1 + quint64(size);
        return true;
    }

    bool spend(qint64 objects)
    {
        m_expanded += objects;
        if (m_expanded > kPlistMaxObjects)
            return fail(QStringLiteral("expands to more than %1 objects").arg(kPlistMaxObjects));
        return true;
    }

    // Payload bytes of strings and data: more than the file holds means
    // objects that overlap, which could otherwise multiply a large one.
    bool payload(quint64 bytes)
    {
        m_payload += bytes;
        if (m_payload > m_size)
            return fail(QStringLiteral("objects overlap"));
        return true;
    }

    // Reads the object at offset that holds no references.
    bool leaf(quint64 object, quint64 offset)
    {
        const uchar marker = m_data[offset];
        const uchar low = marker & 0xF;
        const quint64 pos = offset + 1;
        QVariant &out = m_memo[object];
        uchar flags = Done;
        bool ok = false;
        switch (marker >> 4) {
        case 0x0:
            ok = booleanAt(marker, out);
            break;
        case kInt:
            ok = integerAt(low, pos, out);
            break;
        case kReal:
            ok = realAt(low, pos, out);
            break;
        case kDate >> 4:
            ok = dateAt(marker, pos, out);
            break;
        case kData:
            ok = dataAt(low, pos, out);
            break;
        case kAscii:
            ok = asciiAt(low, pos, out, flags);
            break;
        case kUtf16:
            ok = utf16At(low, pos, out, flags);
            break;
        case kUid:
            ok = uidAt(low, pos, out);
            break;
        default:
            ok = unsupported(marker);
        }
        if (ok)
            m_state[object] = flags;
        return ok;
    }

    bool unsupported(uchar marker)
    {
        return fail(QStringLiteral("unsupported object 0x%1").arg(marker, 2, 16, QLatin1Char('0')));
    }

    bool booleanAt(uchar marker, QVariant &out)
    {
        if (marker != kFalse && marker != kTrue)
            return unsupported(marker);
        out = marker == kTrue;
        return true;
    }

    // 1, 2 and 4 bytes are unsigned, 8 signed, 16 a signed 128-bit integer
    // whose value must fit 64 bits.
    bool integerAt(uchar low, quint64 pos, QVariant &out)
    {
        if (low <= 3) {
            const int size = 1 << low;
            if (!have(pos, quint64(size)))
                return fail(QStringLiteral("truncated integer"));
            out = integer(qint64(bigEndian(m_data + pos, size)));
            return true;
        }
        if (low != 4)
            return fail(QStringLiteral("bad integer size"));
        if (!have(pos, 16))
            return fail(QStringLiteral("truncated integer"));
        const quint64 high = bigEndian(m_data + pos, 8);
        const quint64 v = bigEndian(m_data + pos + 8, 8);
        if (high == 0)
            out = unsignedInteger(v);
        else if (high == ~quint64(0) && qint64(v) < 0)
            out = integer(qint64(v));
        else
            return fail(QStringLiteral("integer beyond 64 bits"));
        return true;
    }

    bool realAt(uchar low, quint64 pos, QVariant &out)
    {
        if (low == 2 && have(pos, 4))
            out = std::bit_cast<float>(quint32(bigEndian(m_data + pos, 4)));
        else if (low == 3 && have(pos, 8))
            out = std::bit_cast<double>(bigEndian(m_data + pos, 8));
        else
            return fail(QStringLiteral("bad or truncated real"));
        return true;
    }

    bool dateAt(uchar marker, quint64 pos, QVariant &out)
    {
        if (marker != kDate || !have(pos, 8))
            return fail(QStringLiteral("bad or truncated date"));
        const std::optional<QDateTime> date = dateFromSeconds(std::bit_cast<double>(bigEndian(m_data + pos, 8)));
        if (!date)
            return fail(QStringLiteral("date out of range"));
        out = *date;
        return true;
    }

    // The count of a payload of n bytes and where it starts; false when the
    // payload is not all in the file or overlaps what was read before.
    bool payloadAt(uchar low, quint64 &pos, quint64 &n, const QString &truncated)
    {
        if (!count(low, pos, n))
            return false;
        if (!have(pos, n))
            return fail(truncated);
        return payload(n);
    }

    bool dataAt(uchar low, quint64 pos, QVariant &out)
    {
        quint64 n = 0;
        if (!payloadAt(low, pos, n, QStringLiteral("truncated data")))
            return false;
        out = QByteArray(reinterpret_cast<const char *>(m_data + pos), qsizetype(n));
        return true;
    }

    bool asciiAt(uchar low, quint64 pos, QVariant &out, uchar &flags)
    {
        quint64 n = 0;
        if (!payloadAt(low, pos, n, QStringLiteral("truncated string")))
            return false;
        const char *s = reinterpret_cast<const char *>(m_data + pos);
        bool nul = false;
        for (quint64 i = 0; i < n; ++i) {
            if (uchar(s[i]) > 0x7F)
                return fail(QStringLiteral("an ASCII string holds a byte above 0x7F"));
            nul |= s[i] == 0;
        }
        out = QString::fromLatin1(s, qsizetype(n));
        flags |= IsString | (nul ? 0 : KeyOk);
        return true;
    }

    bool utf16At(uchar low, quint64 pos, QVariant &out, uchar &flags)
    {
        quint64 n = 0;
        if (!count(low, pos, n))
            return false;
        if (n > (m_table - std::min(pos, m_table)) / 2)
            return fail(QStringLiteral("truncated string"));
        if (!payload(2 * n))
            return false;
        QString text(qsizetype(n), Qt::Uninitialized);
        qFromBigEndian<char16_t>(m_data + pos, qsizetype(n), text.data());
        if (!isValidText(text))
            return fail(QStringLiteral("a string holds an unpaired surrogate"));
        flags |= IsString | (text.contains(QChar(0)) ? 0 : KeyOk);
        out = std::move(text);
        return true;
    }

    bool uidAt(uchar low, quint64 pos, QVariant &out)
    {
        const int size = low + 1;
        if (size > 8 || !have(pos, quint64(size)))
            return fail(QStringLiteral("bad or truncated UID"));
        out = QVariant::fromValue<quint64>(bigEndian(m_data + pos, size));
        return true;
    }

    // Takes the object's value into out, or opens a frame for a container
    // not read yet (*opened).
    bool enter(quint64 object, QVariant &out, bool &opened)
    {
        opened = false;
        if (object >= m_objects)
            return fail(QStringLiteral("reference to object %1 of %2").arg(object).arg(m_objects));
        switch (m_state[object] & StateMask) {
        case Done:
            out = m_memo[object];
            return spend(m_counts[object]);
        case Open:
            return fail(QStringLiteral("cyclic reference to object %1").arg(object));
        default:
            break;
        }
        quint64 offset = 0;
        if (!offsetOf(object, offset))
            return false;
        const uchar type = m_data[offset] >> 4;
        if (type != kArray && type != kSet && type != kDict) {
            if (!leaf(object, offset) || !spend(1))
                return false;
            out = m_memo[object];
            return true;
        }
        if (m_stack.size() >= size_t(kPlistMaxDepth))
            return fail(QStringLiteral("containers nested deeper than %1").arg(kPlistMaxDepth));
        quint64 pos = offset + 1;
        quint64 n = 0;
        if (!count(m_data[offset] & 0xF, pos, n))
            return false;
        const bool dictionary = type == kDict;
        const quint64 refs = dictionary ? 2 : 1;
        if (n > (m_table - pos) / m_refSize / refs)
            return fail(QStringLiteral("container of %1 entries runs past the objects").arg(n));
        if (qint64(n * refs) > kPlistMaxObjects - m_expanded)
            return fail(QStringLiteral("expands to more than %1 objects").arg(kPlistMaxObjects));
        const qint64 before = m_expanded;
        if (!spend(1))
            return false;
        Frame &frame = m_stack.emplace_back();
        frame.object = object;
        frame.dictionary = dictionary;
        frame.refs = pos;
        frame.count = n;
        frame.expandedBefore = before;
        if (!dictionary)
            frame.list.reserve(qsizetype(n));
        m_state[object] = Open;
        opened = true;
        return true;
    }

    bool key(quint64 object, QString &out)
    {
        if (object >= m_objects)
            return fail(QStringLiteral("reference to object %1 of %2").arg(object).arg(m_objects));
        if ((m_state[object] & StateMask) == Unseen) {
            quint64 offset = 0;
            if (!offsetOf(object, offset))
                return false;
            const uchar type = m_data[offset] >> 4;
            if (type != kAscii && type != kUtf16)
                return fail(QStringLiteral("a dictionary key is not a string"));
            if (!leaf(object, offset))
                return false;
        }
        const uchar state = m_state[object];
        if ((state & StateMask) != Done || !(state & IsString))
            return fail(QStringLiteral("a dictionary key is not a string"));
        if (!(state & KeyOk))
            return fail(QStringLiteral("a dictionary key holds U+0000"));
        out = m_memo[object].toString();
        return spend(1);
    }

    quint64 refAt(quint64 pos) const { return bigEndian(m_data + pos, m_refSize); }

    static void place(Frame &frame, QVariant &&value)
    {
        if (frame.dictionary)
            frame.map.insert_or_assign(frame.map.end(), frame.key, std::move(value));
        else
            frame.list.append(std::move(value));
    }

    bool walk(QVariant &root)
    {
        m_stack.reserve(size_t(kPlistMaxDepth));
        bool opened = false;
        if (!enter(m_top, root, opened))
            return false;
        while (!m_stack.empty()) {
            Frame &frame = m_stack.back();
            if (frame.next == frame.count) {
                QVariant value = frame.dictionary ? QVariant(QVariantMap(std::move(frame.map)))
                                                  : QVariant(std::move(frame.list));
                m_memo[frame.object] = value;
                m_counts[frame.object] = quint32(m_expanded - frame.expandedBefore);
                m_state[frame.object] = Done;
                m_stack.pop_back();
                if (m_stack.empty())
                    root = std::move(value);
                else
                    place(m_stack.back(), std::move(value));
                continue;
            }
            const quint64 i = frame.next++;
            quint64 child = 0;
            if (frame.dictionary) {
                if (!key(refAt(frame.refs + i * m_refSize), frame.key))
                    return false;
                child = refAt(frame.refs + (frame.count + i) * m_refSize);
            } else {
                child = refAt(frame.refs + i * m_refSize);
            }
            QVariant value;
            if (!enter(child, value, opened))
                return false;
            if (!opened)
                place(frame, std::move(value));
        }
        return true;
    }

    const uchar *m_data;
    quint64 m_size;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_objects = 0;
    quint64 m_top = 0;
    quint64 m_table = 0;
    std::vector<uchar> m_state;
    std::vector<QVariant> m_memo;
    std::vector<quint32> m_counts; // objects each one expands to
    std::vector<Frame> m_stack;
    qint64 m_expanded = 0;
    quint64 m_payload = 0;
    QString m_error;
};

class Writer {
public:
    explicit Writer(const ValueCount &count) : m_refSize(bytesFor(quint64(std::max<qint64>(count.objects - 1, 0))))
    {
        // One buffer for the whole list, asked for at once: when large, it
        // then gets huge pages, and it is never copied to grow. Equal leaves
        // are written once, so the bound may be well above the size.
        const qint64 objectBytes = count.bytes + count.references * m_refSize;
        const qint64 bound = qint64(kMagicSize) + objectBytes
            + count.objects * bytesFor(quint64(kMagicSize) + quint64(objectBytes)) + qint64(kTrailerSize);
        m_out.reserve(qsizetype(std::min<qint64>(bound, kPlistMaxBytes + 1)));
        adviseHugePages(m_out.data(), m_out.capacity());
        m_offsets.reserve(size_t(count.objects));
        m_lengths.reserve(size_t(count.objects));
        m_hashes.reserve(size_t(count.objects));
    }

    QByteArray write(const QVariant &value, QString *error)
    {
        m_out.append(kMagic, qsizetype(kMagicSize));
        const quint32 top = this->value(value);
        if (m_tooLarge)
            return tooLarge(error);
        const quint64 table = quint64(m_out.size());
        const int offsetSize = bytesFor(m_offsets.back());
        char *p = grow(qsizetype(m_offsets.size()) * offsetSize + qsizetype(kTrailerSize));
        for (const quint64 offset : m_offsets) {
            put(p, offset, offsetSize);
            p += offsetSize;
        }
        std::memset(p, 0, 6);
        p[6] = char(offsetSize);
        p[7] = char(m_refSize);
        put(p + 8, m_offsets.size(), 8);
        put(p + 16, top, 8);
        put(p + 24, table, 8);
        if (m_out.size() > kPlistMaxBytes)
            return tooLarge(error);
        if (m_out.capacity() - m_out.size() > m_out.size() / 8)
            m_out.squeeze();
        return std::move(m_out);
    }

private:
    static QByteArray tooLarge(QString *error)
    {
        if (error)
            *error = invalid(QStringLiteral("larger than %1 bytes").arg(kPlistMaxBytes));
        return {};
    }

    // False, for good, once n more bytes would pass the limit: the rest of
    // the value is then skipped rather than written.
    bool fits(qsizetype n)
    {
        m_tooLarge = m_tooLarge || n > kPlistMaxBytes - m_out.size();
        return !m_tooLarge;
    }

    static void put(char *p, quint64 value, int size)
    {
        for (int i = size - 1; i >= 0; --i) {
            p[i] = char(value & 0xFF);
            value >>= 8;
        }
    }

    // Room for n more bytes at the end; their address.
    char *grow(qsizetype n)
    {
        const qsizetype at = m_out.size();
        if (at + n > m_out.capacity())
            m_out.reserve(std::max(at + n, 2 * m_out.capacity()));
        m_out.resize(at + n);
        return m_out.data() + at;
    }

    void marker(uchar type, quint64 count)
    {
        if (count < 15) {
            *grow(1) = char((type << 4) | count);
            return;
        }
        const int size = bytesFor(count);
        char *p = grow(2 + size);
        p[0] = char((type << 4) | 0xF);
        p[1] = char((kInt << 4) | std::countr_zero(unsigned(size)));
        put(p + 2, count, size);
    }

    quint32 newObject(qsizetype start, quint32 length, quint32 hash)
    {
        m_offsets.push_back(quint64(start));
        m_lengths.push_back(length);
        m_hashes.push_back(hash);
        return quint32(m_offsets.size() - 1);
    }

    // The leaf written from start to the end: its number, or the number of
    // an equal leaf written before (and then the bytes are taken back).
    quint32 intern(qsizetype start)
    {
        const char *bytes = m_out.constData() + start;
        const auto length = quint32(m_out.size() - start);
        const auto hash = quint32(qHashBits(bytes, length, 0));
        if ((m_used + 1) * 2 > m_slots.size())
            rehash();
        const size_t mask = m_slots.size() - 1;
        size_t i = hash & mask;
        while (const quint32 slot = m_slots[i]) {
            const quint32 j = slot - 1;
            if (m_hashes[j] == hash && m_lengths[j] == length
                && std::memcmp(m_out.constData() + m_offsets[j], bytes, length) == 0) {
                m_out.truncate(start);
                return j;
            }
            i = (i + 1) & mask;
        }
        const quint32 object = newObject(start, length, hash);
        m_slots[i] = object + 1;
        ++m_used;
        return object;
    }

    void rehash()
    {
        std::vector<quint32> table(std::max<size_t>(1024, m_slots.size() * 2), 0);
        const size_t mask = table.size() - 1;
        for (const quint32 slot : m_slots) {
            if (!slot)
                continue;
            size_t i = m_hashes[slot - 1] & mask;
            while (table[i])
                i = (i + 1) & mask;
            table[i] = slot;
        }
        m_slots.swap(table);
    }

    quint32 string(const QString &text)
    {
        const qsizetype start = m_out.size();
        const qsizetype n = text.size();
        const auto *s = reinterpret_cast<const char16_t *>(text.utf16());
        bool ascii = true;
        for (qsizetype i = 0; i < n && ascii; ++i)
            ascii = s[i] < 0x80;
        marker(ascii ? kAscii : kUtf16, quint64(n));
        if (ascii) {
            char *p = grow(n);
            for (qsizetype i = 0; i < n; ++i)
                p[i] = char(s[i]);
        } else {
            qToBigEndian<char16_t>(s, n, grow(2 * n));
        }
        return intern(start);
    }

    quint32 unsignedInteger(quint64 v)
    {
        const qsizetype start = m_out.size();
        if (v > quint64(std::numeric_limits<qint64>::max())) {
            char *p = grow(17);
            p[0] = char((kInt << 4) | 4);
            put(p + 1, 0, 8);
            put(p + 9, v, 8);
        } else {
            const int size = bytesFor(v);
            char *p = grow(1 + size);
            p[0] = char((kInt << 4) | std::countr_zero(unsigned(size)));
            put(p + 1, v, size);
        }
        return intern(start);
    }

    quint32 fixed(uchar markerByte, quint64 bits, int size)
    {
        const qsizetype start = m_out.size();
        char *p = grow(1 + size);
        p[0] = char(markerByte);
        put(p + 1, bits, size);
        return intern(start);
    }

    void references(const std::vector<quint32> &refs)
    {
        char *p = grow(qsizetype(refs.size()) * m_refSize);
        for (const quint32 ref : refs) {
            put(p, ref, m_refSize);
            p += m_refSize;
        }
    }

    quint32 value(const QVariant &v)
    {
        if (m_tooLarge)
            return 0;
        switch (kindOf(v)) {
        case Kind::Boolean: {
            const qsizetype start = m_out.size();
            *grow(1) = char(v.toBool() ? kTrue : kFalse);
            return intern(start);
        }
        case Kind::Signed: {
            const qint64 n = v.toLongLong();
            if (n < 0)
                return fixed((kInt << 4) | 3, quint64(n), 8);
            return unsignedInteger(quint64(n));
        }
        case Kind::Unsigned:
            return unsignedInteger(v.toULongLong());
        case Kind::Float:
            return fixed((kReal << 4) | 2, std::bit_cast<quint32>(v.toFloat()), 4);
        case Kind::Double:
            return fixed((kReal << 4) | 3, std::bit_cast<quint64>(v.toDouble()), 8);
        case Kind::Date: {
            const double seconds = double(*dateToMs(v.toDateTime())) / 1000.0;
            return fixed(kDate, std::bit_cast<quint64>(seconds), 8);
        }
        case Kind::Data: {
            const QByteArray data = v.toByteArray();
            if (!fits(data.size() + 10))
                return 0;
            const qsizetype start = m_out.size();
            marker(kData, quint64(data.size()));
            std::memcpy(grow(data.size()), data.constData(), size_t(data.size()));
            return intern(start);
        }
        case Kind::String: {
            const QString text = v.toString();
            if (!fits(2 * text.size() + 10))
                return 0;
            return string(text);
        }
        case Kind::Array: {
            const QVariantList list = arrayOf(v);
            std::vector<quint32> refs;
            refs.reserve(size_t(list.size()));
            for (const QVariant &item : list)
                refs.push_back(value(item));
            if (!fits(qsizetype(refs.size()) * m_refSize + 10))
                return 0;
            const quint32 object = newObject(m_out.size(), 0, 0);
            marker(kArray, refs.size());
            references(refs);
            return object;
        }
        case Kind::Dictionary: {
            const QVariantMap map = dictionaryOf(v);
            std::vector<quint32> refs;
            refs.reserve(2 * size_t(map.size()));
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                refs.push_back(string(it.key()));
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                refs.push_back(value(it.value()));
            if (!fits(qsizetype(refs.size()) * m_refSize + 10))
                return 0;
            const quint32 object = newObject(m_out.size(), 0, 0);
            marker(kDict, quint64(map.size()));
            references(refs);
            return object;
        }
        case Kind::Invalid:
            break;
        }
        Q_UNREACHABLE();
        return 0;
    }

    QByteArray m_out;
    int m_refSize;
    std::vector<quint64> m_offsets;
    std::vector<quint32> m_lengths;
    std::vector<quint32> m_hashes;
    std::vector<quint32> m_slots;
    size_t m_used = 0;
    bool m_tooLarge = false;
};

} // namespace

std::optional<QVariant> readBinary(const QByteArray &bytes, QString *error)
{
    return Reader(bytes).read(error);
}

QByteArray writeBinary(const QVariant &value, const ValueCount &count, QString *error)
{
    return Writer(count).write(value, error);
}

} // namespace reel::plist
