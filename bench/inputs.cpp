#include "inputs.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariantList>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

namespace {

void fail(const std::string &what, const std::string &path)
{
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

// Appends to a file through a 1 MiB buffer and counts what it wrote.
class Writer {
public:
    explicit Writer(const std::string &path) : m_path(path)
    {
        m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (m_fd < 0)
            fail("cannot create", path);
        m_buffer.reserve(kBuffer + 4096);
    }
    ~Writer()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    void add(const char *data, size_t size)
    {
        m_buffer.append(data, size);
        for (size_t i = 0; i < size; ++i) {
            const auto c = static_cast<unsigned char>(data[i]);
            // Every character here is in the basic plane: one UTF-16 unit
            // per lead byte.
            if ((c & 0xC0) != 0x80)
                ++m_stats.utf16Units;
            if (c == '\n')
                ++m_stats.lines;
        }
        m_stats.bytes += std::int64_t(size);
        if (m_buffer.size() >= kBuffer)
            flush();
    }
    void add(const std::string &text) { add(text.data(), text.size()); }
    void printf(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        char line[512];
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(line, sizeof line, format, args);
        va_end(args);
        add(line, size_t(std::min<int>(n, int(sizeof line) - 1)));
    }
    TextStats finish()
    {
        flush();
        if (::close(m_fd) != 0)
            fail("cannot write", m_path);
        m_fd = -1;
        return m_stats;
    }
    TextStats &stats() { return m_stats; }

private:
    static constexpr size_t kBuffer = 1 << 20;

    void flush()
    {
        const char *data = m_buffer.data();
        size_t left = m_buffer.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, data, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail("cannot write", m_path);
            data += n;
            left -= size_t(n);
        }
        m_buffer.clear();
    }

    std::string m_path;
    int m_fd = -1;
    std::string m_buffer;
    TextStats m_stats;
};

const char *const kLanguages[] = {"fre", "eng", "ger", "spa", "ita"};
const char *const kWords[] = {"the",   "recording", "of",    "émission", "vidéo", "chapter", "titre",   "menu",
                              "audio", "stream",    "piste", "sous-titres", "frame", "première", "a",      "dvd",
                              "encoder", "is",      "ready", "déjà",   "vu",      "and",      "mpeg",    "clip"};
const char *const kExtensions[] = {"mov", "mp4", "mpg", "ts", "m2v", "ac3", "avi", "mkv", "txt", "srt"};

const char16_t *const kProse[] = {
    u"Le", u"film", u"commence", u"à", u"l’aube", u"–", u"la", u"caméra", u"suit", u"Françoise", u"qui", u"traverse",
    u"le", u"marché", u"où", u"l’on", u"vend", u"des", u"œufs", u"à", u"2 €", u"la", u"douzaine", u"; «", u"Déjà",
    u"vu", u"»,", u"dit-elle,", u"et", u"la", u"scène", u"se", u"répète", u"–", u"été", u"comme", u"hiver.",
    u"Chapitre", u"numéro", u"sept", u"où", u"tout", u"s’arrête", u"près", u"du", u"château", u"forêt", u"île"};

// The Windows-1252 byte of the few characters of kProse beyond ASCII.
char windows1252(char16_t c)
{
    switch (c) {
    case u'€': return char(0x80);
    case u'’': return char(0x92);
    case u'–': return char(0x96);
    case u'œ': return char(0x9C);
    default: return char(c); // ASCII and Latin-1 letters and quotes
    }
}

} // namespace

std::uint64_t proseChecksum(std::uint64_t sum, const char16_t *units, std::int64_t count)
{
    for (std::int64_t i = 0; i < count; ++i)
        sum = sum * 31 + units[i];
    return sum;
}

ProseStats writeProse(const std::string &path, std::int64_t bytes, ProseEncoding encoding)
{
    Writer out(path);
    Random random(0xf11e);
    ProseStats stats;
    std::u16string line;
    std::string encoded;
    // Until the UTF-8 form reaches the size, so that both files hold the
    // same text.
    std::int64_t utf8Bytes = 0;
    while (utf8Bytes < bytes) {
        line.clear();
        while (line.size() < 70) {
            line += kProse[random.below(sizeof kProse / sizeof *kProse)];
            line += u' ';
        }
        line.back() = u'\n';
        const QByteArray utf8 = QString::fromStdU16String(line).toUtf8();
        utf8Bytes += utf8.size();
        if (encoding == ProseEncoding::Utf8) {
            out.add(utf8.constData(), size_t(utf8.size()));
        } else {
            encoded.clear();
            for (char16_t c : line)
                encoded += windows1252(c);
            out.add(encoded);
        }
        stats.checksum = proseChecksum(stats.checksum, line.data(), std::int64_t(line.size()));
        stats.utf16Units += std::int64_t(line.size());
    }
    stats.bytes = out.finish().bytes;
    return stats;
}

TextStats writeToolOutput(const std::string &path, std::int64_t bytes)
{
    Writer out(path);
    Random random(0x7e11c0de);
    int frame = 0;
    while (out.stats().bytes < bytes) {
        const std::uint32_t kind = random.below(100);
        if (kind < 70) {
            frame += 1 + int(random.below(25));
            const int seconds = frame / 25;
            out.printf("frame=%6d fps=%3u q=%.1f size=%9ukB time=%02d:%02d:%02d.%02d bitrate=%7.1fkbits/s "
                       "speed=%.2fx\n",
                       frame, 20 + random.below(40), 2.0 + random.below(290) / 10.0, random.below(4000000),
                       seconds / 3600, seconds / 60 % 60, seconds % 60, frame % 25 * 4, random.below(90000) / 10.0,
                       random.below(400) / 100.0);
        } else if (kind < 85) {
            out.printf("    Stream #0:%u(%s): Audio: ac3, 48000 Hz, 5.1(side), fltp, %u kb/s\n", random.below(8),
                       kLanguages[random.below(5)], 192 + 64 * random.below(5));
        } else if (kind < 95) {
            out.printf("[mpeg2video @ 0x%012llx] ac-tex damaged at %u %u\n",
                       static_cast<unsigned long long>(random.next() & 0xffffffffffffULL), random.below(45),
                       random.below(36));
        } else {
            out.printf("Input #0, mpegts, from '/media/Vidéos/Émission n°%04u – déjà vue.ts':\n", random.below(10000));
        }
    }
    return out.finish();
}

TextStats writeSpacedText(const std::string &path, std::int64_t bytes)
{
    Writer out(path);
    Random random(0x5bace5);
    std::int64_t collapsed = 0;
    size_t column = 0;
    while (out.stats().bytes < bytes) {
        const std::string word = kWords[random.below(sizeof kWords / sizeof *kWords)];
        const std::int64_t before = out.stats().utf16Units;
        out.add(word);
        collapsed += out.stats().utf16Units - before;
        column += word.size();
        if (column > 72) {
            out.add("\n");
            ++collapsed;
            column = 0;
            continue;
        }
        // Mostly single spaces, some runs up to eight.
        const std::uint32_t run = random.below(10) < 6 ? 1 : 2 + random.below(7);
        out.add(std::string(run, ' '));
        ++collapsed;
        column += run;
    }
    TextStats stats = out.finish();
    stats.collapsedUnits = collapsed;
    return stats;
}

TreeStats makeTree(const std::string &root, int topFolders, int subFolders, int filesPerFolder, int keepPaths,
                   int maxFileBytes)
{
    TreeStats stats;
    Random random(0x7ee5);
    char content[512];
    for (char &c : content)
        c = char('a' + random.below(26));
    auto makeFolder = [&](const std::string &path) {
        if (::mkdir(path.c_str(), 0755) != 0)
            fail("cannot make", path);
        ++stats.folders;
    };
    makeFolder(root);
    --stats.folders; // the root is not below itself
    std::int64_t serial = 0;
    for (int t = 0; t < topFolders; ++t) {
        const std::string top = root + "/set" + std::to_string(t);
        makeFolder(top);
        for (int s = 0; s < subFolders; ++s) {
            const std::string sub = top + "/reel" + std::to_string(s);
            makeFolder(sub);
            for (int f = 0; f < filesPerFolder; ++f, ++serial) {
                const bool marked = serial % 10 == 3;
                char name[64];
                std::snprintf(name, sizeof name, "/clip%06lld%s.%s", static_cast<long long>(serial),
                              marked ? kMarker : "", kExtensions[random.below(10)]);
                const std::string file = sub + name;
                const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
                if (fd < 0)
                    fail("cannot create", file);
                const size_t size = maxFileBytes > 0 ? random.below(std::min<std::uint32_t>(sizeof content, maxFileBytes)) : 0;
                const bool written = ::write(fd, content, size) == ssize_t(size);
                ::close(fd);
                if (!written)
                    fail("cannot write", file);
                ++stats.files;
                stats.marked += marked;
                stats.bytes += std::int64_t(size);
                if (int(stats.firstFiles.size()) < keepPaths)
                    stats.firstFiles.push_back(file);
            }
        }
    }
    return stats;
}

QVariantMap catalogue(int entries)
{
    Random random(0xca7a1065);
    const QDateTime base(QDate(2007, 3, 14), QTime(20, 15, 0), QTimeZone::utc());
    QVariantMap root;
    for (int i = 0; i < entries; ++i) {
        QVariantMap entry;
        entry.insert(QStringLiteral("name"), QStringLiteral("Émission %1 – %2").arg(i).arg(random.below(1000)));
        entry.insert(QStringLiteral("path"),
                     QStringLiteral("/media/Vidéos/Enregistrements/%1/clip%2.mpg").arg(i / 100).arg(i));
        entry.insert(QStringLiteral("duration"), double(random.below(720000)) / 100.0);
        entry.insert(QStringLiteral("size"), qint64(random.next() >> 28));
        entry.insert(QStringLiteral("recorded"), base.addSecs(qint64(i) * 3607));
        entry.insert(QStringLiteral("favourite"), random.below(2) == 1);
        QByteArray thumbnail(160, Qt::Uninitialized);
        for (char &c : thumbnail)
            c = char(random.below(256));
        entry.insert(QStringLiteral("thumbnail"), thumbnail);
        QVariantList tags;
        for (int t = 0; t < 3; ++t)
            tags.append(QString::fromUtf8(kWords[random.below(sizeof kWords / sizeof *kWords)]));
        entry.insert(QStringLiteral("tags"), tags);
        QVariantList chapters;
        for (int c = 0; c < 4; ++c)
            chapters.append(int(random.below(100000)));
        entry.insert(QStringLiteral("chapters"), chapters);
        root.insert(QStringLiteral("clip-%1").arg(i, 6, 10, QLatin1Char('0')), entry);
    }
    return root;
}

QVariantMap wideDictionary(int entries)
{
    QVariantMap root;
    for (int i = 0; i < entries; ++i)
        root.insert(QStringLiteral("entry-%1").arg(i, 6, 10, QLatin1Char('0')), QStringLiteral("value %1").arg(i));
    return root;
}

namespace {

std::string bigEndian(std::uint32_t v, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char((v >> (8 * i)) & 0xff);
    return out;
}

// The header, an empty AppInfo block and the play list, one item per clip.
std::string playlistBytes(int clips)
{
    std::string items;
    for (int i = 1; i <= clips; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%05dM2TS", i);
        std::string item(name);
        item.resize(82, '\0');
        items += bigEndian(82, 2) + item;
    }
    return "MPLS0200" + bigEndian(58, 4) + std::string(28, '\0') + bigEndian(14, 4) + std::string(14, '\0')
        + bigEndian(std::uint32_t(6 + items.size()), 4) + bigEndian(0, 2) + bigEndian(std::uint32_t(clips), 2)
        + bigEndian(0, 2) + items;
}

// The user-data SEI with the MDPM block (tags 0x18 and 0x19: the BCD date
// and time), escaped as H.264 escapes its payloads.
std::string mdpmSei(int year, int month, int day, int hour, int minute, int second)
{
    const auto bcd = [](int v) { return char(((v / 10) << 4) | (v % 10)); };
    const std::string mdpm = std::string("\x17\xee\x8c\x60\xf8\x4d\x11\xd9\x8c\xd6\x08\x00\x20\x0c\x9a\x66MDPM\x03", 21)
        + std::string("\x18\x80") + bcd(year / 100) + bcd(year % 100) + bcd(month) + "\x19" + bcd(day) + bcd(hour)
        + bcd(minute) + bcd(second) + std::string("\xe1\x00\x00\x01\x02", 5);
    std::string payload(1, '\x05'); // user data unregistered, then its size
    payload += char(mdpm.size());
    payload += mdpm;
    payload += '\x80';
    std::string out("\x00\x00\x00\x01\x06", 5);
    for (const char c : payload) {
        const size_t n = out.size();
        if (n >= 2 && out[n - 1] == '\0' && out[n - 2] == '\0' && static_cast<unsigned char>(c) <= 3)
            out += '\x03';
        out += c;
    }
    return out;
}

// A 192-byte packet: the 4-byte time code, the 188-byte transport packet.
std::string packet(int pid, bool start, int counter, std::string payload)
{
    payload.resize(184, '\xff');
    return std::string(4, '\0') + '\x47' + char((start ? 0x40 : 0) | (pid >> 8)) + char(pid & 0xff)
        + char(0x10 | (counter & 15)) + payload;
}

} // namespace

std::string makeCameraCard(const std::string &root, int clips, std::int64_t clipBytes)
{
    constexpr int kWrittenPackets = (256 << 10) / 192;
    const std::string bdmv = root + "/BDMV";
    for (const std::string &folder : {root, bdmv, bdmv + "/PLAYLIST", bdmv + "/STREAM"}) {
        if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
            fail("cannot make", folder);
    }
    {
        Writer playlist(bdmv + "/PLAYLIST/00000.mpls");
        playlist.add(playlistBytes(clips));
        playlist.finish();
    }
    for (int i = 1; i <= clips; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/STREAM/%05d.MTS", i);
        const std::string path = bdmv + name;
        {
            Writer clip(path);
            // An access unit delimiter, the camera's SEI, the start of a key
            // frame; then picture and sound packets.
            const std::string first = std::string("\x00\x00\x01\xe0\x00\x00\x80\x00\x00", 9)
                + std::string("\x00\x00\x00\x01\x09\xf0", 6) + mdpmSei(2009, 5, 2, 12 + i / 60, i % 60, 0)
                + std::string("\x00\x00\x01\x65\x88\x84", 6);
            for (int p = 0; p < kWrittenPackets; ++p) {
                const bool video = p % 2 == 0;
                clip.add(packet(video ? 0x1011 : 0x1100, p < 2, p / 2,
                                p == 0 ? first : std::string(184, video ? '\x5a' : '\x0b')));
            }
            clip.finish();
        }
        if (::truncate(path.c_str(), clipBytes) != 0)
            fail("cannot grow", path);
    }
    return bdmv + "/PLAYLIST";
}

} // namespace bench
