#include "avchd.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gettimestamps {

namespace {

namespace fs = std::filesystem;

// Playlists are a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxPlaylistBytes = 1 << 20;
// Both packet sizes are told by the first 197 bytes.
constexpr std::size_t kPacketProbeBytes = 197;
// AVCHD's video, found before any other.
constexpr int kAvchdVideoPid = 0x1011;

constexpr std::size_t kHeaderBytes = 40;

std::uint16_t u16(const std::uint8_t *p)
{
    return std::uint16_t((p[0] << 8) | p[1]);
}

std::uint32_t u32(const std::uint8_t *p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

std::vector<std::string> fail(std::string *error, std::string text)
{
    if (error)
        *error = std::move(text);
    return {};
}

// ---- the recording time -------------------------------------------------

constexpr std::array<std::uint8_t, 20> kMdpmSignature = {
    0x17, 0xee, 0x8c, 0x60, 0xf8, 0x4d, 0x11, 0xd9, 0x8c, 0xd6,
    0x08, 0x00, 0x20, 0x0c, 0x9a, 0x66, 'M',  'D',  'P',  'M'};

// H.264 payload bytes with the emulation-prevention bytes (the 03 of
// 00 00 03) taken out.
class Unescaper {
public:
    Unescaper(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool next(std::uint8_t *byte)
    {
        while (m_pos < m_size) {
            const std::uint8_t c = m_data[m_pos++];
            if (m_zeros >= 2 && c == 0x03) {
                m_zeros = 0;
                continue;
            }
            m_zeros = c == 0 ? m_zeros + 1 : 0;
            *byte = c;
            return true;
        }
        return false;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    int m_zeros = 0;
};

std::optional<int> bcd(std::uint8_t b)
{
    if ((b >> 4) > 9 || (b & 15) > 9)
        return std::nullopt;
    return (b >> 4) * 10 + (b & 15);
}

// The time of one MDPM block (the bytes after its signature). The bytes are
// read in order, so only a block cut short (*cut set) could read otherwise
// with more bytes.
std::optional<RecordingTime> readMdpm(const std::uint8_t *data, std::size_t size, bool *cut)
{
    Unescaper in(data, size);
    std::uint8_t count = 0;
    *cut = !in.next(&count);
    if (*cut)
        return std::nullopt;
    std::optional<std::array<std::uint8_t, 4>> dateTag, timeTag;
    for (int i = 0; i < count && !(dateTag && timeTag); ++i) {
        std::array<std::uint8_t, 5> entry{};
        for (auto &b : entry) {
            *cut = !in.next(&b);
            if (*cut)
                return std::nullopt;
        }
        const std::array<std::uint8_t, 4> value = {entry[1], entry[2], entry[3], entry[4]};
        if (entry[0] == 0x18)
            dateTag = value;
        else if (entry[0] == 0x19)
            timeTag = value;
    }
    if (!dateTag || !timeTag)
        return std::nullopt;
    const auto yh = bcd((*dateTag)[1]), yl = bcd((*dateTag)[2]), mo = bcd((*dateTag)[3]);
    const auto d = bcd((*timeTag)[0]), h = bcd((*timeTag)[1]), mi = bcd((*timeTag)[2]), s = bcd((*timeTag)[3]);
    if (!yh || !yl || !mo || !d || !h || !mi || !s)
        return std::nullopt;
    RecordingTime t{*yh * 100 + *yl, *mo, *d, *h, *mi, *s};
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59
        || t.second > 59)
        return std::nullopt;
    return t;
}

// The first valid block. In a lead (whole false) a block cut short by its
// end stops the search: more bytes could make it valid.
std::optional<RecordingTime> scanForMdpm(const std::uint8_t *data, std::size_t size, bool whole)
{
    const std::uint8_t *end = data + size;
    const std::uint8_t *at = data;
    while (true) {
        at = std::search(at, end, kMdpmSignature.begin(), kMdpmSignature.end());
        if (at == end)
            return std::nullopt;
        at += kMdpmSignature.size();
        bool cut = false;
        if (auto t = readMdpm(at, std::size_t(end - at), &cut))
            return t;
        if (cut && !whole)
            return std::nullopt;
    }
}

// Payload bytes of the transport-stream packets of one program id.
class TransportStream {
public:
    TransportStream(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size)
    {
        if (size >= 192 && data[4] == 0x47 && (size < 197 || data[196] == 0x47)) {
            m_packet = 192;
            m_lead = 4;
        } else if (size >= 188 && data[0] == 0x47 && (size < 189 || data[188] == 0x47)) {
            m_packet = 188;
        }
    }

    bool isPacketized() const { return m_packet != 0; }

    // AVCHD puts the video on 0x1011; other recorders are recognised by the
    // first packet that starts a video PES.
    std::optional<int> videoPid() const
    {
        std::optional<int> byStreamId;
        for (std::size_t at = 0; at + m_packet <= m_size; at += m_packet) {
            const std::uint8_t *p = m_data + at + m_lead;
            if (p[0] != 0x47)
                continue;
            const int pid = ((p[1] & 0x1f) << 8) | p[2];
            if (pid == kAvchdVideoPid)
                return pid;
            const auto [payload, length] = payloadOf(p);
            if (!byStreamId && (p[1] & 0x40) && length >= 4 && payload[0] == 0 && payload[1] == 0
                && payload[2] == 1 && (payload[3] & 0xf0) == 0xe0)
                byStreamId = pid;
        }
        return byStreamId;
    }

    std::vector<std::uint8_t> payload(int pid) const
    {
        std::vector<std::uint8_t> out;
        for (std::size_t at = 0; at + m_packet <= m_size; at += m_packet) {
            const std::uint8_t *p = m_data + at + m_lead;
            if (p[0] != 0x47 || (((p[1] & 0x1f) << 8) | p[2]) != pid)
                continue;
            const auto [bytes, length] = payloadOf(p);
            out.insert(out.end(), bytes, bytes + length);
        }
        return out;
    }

private:
    // A 188-byte packet's payload, after the adaptation field.
    static std::pair<const std::uint8_t *, std::size_t> payloadOf(const std::uint8_t *p)
    {
        const int control = (p[3] >> 4) & 3;
        std::size_t start = 4;
        if (!(control & 1))
            return {p, 0};
        if (control & 2)
            start += 1 + std::size_t(p[4]);
        if (start >= 188)
            return {p, 0};
        return {p + start, 188 - start};
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_packet = 0;
    std::size_t m_lead = 0;
};

// ---- files ---------------------------------------------------------------

enum class ReadResult { Ok, Missing, NotRegular, TooLarge, Failed };

// A regular file opened for reading (never a pipe or a device waited on),
// with its status; -1 and *result set when it cannot be.
int openRegular(const fs::path &path, struct stat *st, ReadResult *result)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *result = errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
        return -1;
    }
    if (::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
        ::close(fd);
        *result = ReadResult::NotRegular;
        return -1;
    }
    *result = ReadResult::Ok;
    return fd;
}

// A whole regular file of at most limit bytes (a larger one gives TooLarge).
ReadResult readFile(const fs::path &path, std::size_t limit, std::vector<std::uint8_t> *bytes)
{
    struct stat st {};
    ReadResult result;
    const int fd = openRegular(path, &st, &result);
    if (fd < 0)
        return result;
    if (std::uint64_t(st.st_size) > limit) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    bytes->assign(std::size_t(st.st_size), 0);
    std::size_t got = 0;
    while (got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    ::close(fd);
    bytes->resize(got);
    return ReadResult::Ok;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The entries of a folder, sorted by name; empty when it cannot be read.
std::vector<fs::path> entries(const fs::path &folder)
{
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

std::string localTime(std::time_t when)
{
    std::tm tm{};
    if (!::localtime_r(&when, &tm))
        return std::string();
    return formatTime({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
}

std::string clipTime(const fs::path &stream)
{
    struct stat st {};
    ReadResult result;
    const int fd = openRegular(stream, &st, &result);
    if (fd < 0)
        return std::string();
    const std::optional<RecordingTime> recorded = readRecordingTime(fd);
    ::close(fd);
    if (recorded)
        return formatTime(*recorded);
    return localTime(st.st_mtime);
}

} // namespace

std::vector<std::string> readPlaylist(const std::uint8_t *data, std::size_t size, std::string *error)
{
    if (!data || size < kHeaderBytes)
        return fail(error, "truncated header");
    if (data[0] != 'M' || data[1] != 'P' || data[2] != 'L' || data[3] != 'S')
        return fail(error, "not an MPLS playlist");
    if (!std::all_of(data + 4, data + 8, isDigit))
        return fail(error, "bad version");
    const std::uint64_t start = u32(data + 8);
    if (start < kHeaderBytes || start + 10 > size)
        return fail(error, "play list outside the file");
    const std::uint64_t end = start + 4 + u32(data + start);
    if (end > size || end < start + 10)
        return fail(error, "truncated play list");
    const int count = u16(data + start + 6);

    std::vector<std::string> clips;
    std::uint64_t at = start + 10;
    for (int i = 0; i < count; ++i) {
        if (at + 2 > end)
            return fail(error, "truncated play item " + std::to_string(i));
        const std::uint64_t length = u16(data + at);
        if (length < 9 || at + 2 + length > end)
            return fail(error, "bad length of play item " + std::to_string(i));
        const std::uint8_t *item = data + at + 2;
        if (!std::all_of(item, item + 5, isDigit))
            return fail(error, "bad clip name in play item " + std::to_string(i));
        if (item[5] != 'M' || item[6] != '2' || item[7] != 'T' || item[8] != 'S')
            return fail(error, "play item " + std::to_string(i) + " is not an M2TS clip");
        clips.emplace_back(reinterpret_cast<const char *>(item), 5);
        at += 2 + length;
    }
    return clips;
}

namespace {

// whole: the bytes are all there is; else a lead, whose answer must hold
// whatever follows it.
std::optional<RecordingTime> recordingTime(const std::uint8_t *data, std::size_t size, bool whole)
{
    if (!data || size == 0 || (!whole && size < kPacketProbeBytes))
        return std::nullopt;
    const TransportStream ts(data, size);
    if (ts.isPacketized()) {
        if (const auto pid = ts.videoPid()) {
            // A video found by its stream id gives way to AVCHD's, which
            // may yet come.
            if (!whole && *pid != kAvchdVideoPid)
                return std::nullopt;
            const std::vector<std::uint8_t> video = ts.payload(*pid);
            if (auto t = scanForMdpm(video.data(), video.size(), whole))
                return t;
        }
        // The bare bytes are searched only once the video has had its
        // whole lead.
        if (!whole)
            return std::nullopt;
    }
    return scanForMdpm(data, size, whole);
}

} // namespace

std::optional<RecordingTime> findRecordingTime(const std::uint8_t *data, std::size_t size)
{
    return recordingTime(data, size, true);
}

std::optional<RecordingTime> findSettledRecordingTime(const std::uint8_t *data, std::size_t size)
{
    return recordingTime(data, size, false);
}

std::optional<RecordingTime> readRecordingTime(int fd, std::size_t *bytesRead)
{
    // Cameras write the time in the first key frame: most clips answer
    // from their first piece, and a large clip is not read to its lead's end.
    std::vector<std::uint8_t> bytes;
    std::size_t wanted = kFirstPieceBytes;
    for (;;) {
        std::size_t got = bytes.size();
        bytes.resize(wanted);
        while (got < wanted) {
            const ssize_t n = ::read(fd, bytes.data() + got, wanted - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += std::size_t(n);
        }
        bytes.resize(got);
        if (bytesRead)
            *bytesRead = got;
        if (got < wanted || got >= kStreamLeadBytes)
            return findRecordingTime(bytes.data(), got);
        if (auto t = findSettledRecordingTime(bytes.data(), got))
            return t;
        wanted = std::min(wanted * 2, kStreamLeadBytes);
    }
}

std::string formatTime(const RecordingTime &t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

int run(const std::string &folderText, std::ostream &out, std::ostream &err)
{
    std::string trimmed = folderText;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const fs::path folder(trimmed);
    std::error_code ec;
    if (trimmed.empty() || !fs::is_directory(folder, ec)) {
        err << "gettimestamps: '" << folderText << "' is not a folder\n";
        return 2;
    }

    std::vector<fs::path> playlists;
    for (const fs::path &item : entries(folder)) {
        const std::string ext = lower(item.extension().string());
        if ((ext == ".mpls" || ext == ".mpl") && fs::is_regular_file(item, ec))
            playlists.push_back(item);
    }
    if (playlists.empty()) {
        err << "gettimestamps: '" << folderText << "' holds no playlist\n";
        return 2;
    }

    // The clips' streams, by lower-case bare name.
    const fs::path card = folder.has_parent_path() ? folder.parent_path() : fs::path(".");
    std::map<std::string, fs::path> streams;
    for (const fs::path &item : entries(card / "STREAM")) {
        const std::string ext = lower(item.extension().string());
        if (ext == ".mts" || ext == ".m2ts")
            streams.emplace(lower(item.stem().string()), item);
    }

    int status = 0;
    std::set<std::string> done;
    for (const fs::path &playlist : playlists) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        std::vector<std::string> clips;
        switch (readFile(playlist, kMaxPlaylistBytes, &bytes)) {
        case ReadResult::Ok:
            clips = readPlaylist(bytes.data(), bytes.size(), &error);
            break;
        case ReadResult::TooLarge:
            error = "too large for a playlist";
            break;
        default:
            error = "cannot be read";
            break;
        }
        if (!error.empty()) {
            err << "gettimestamps: " << playlist.string() << ": " << error << "\n";
            status = 3;
            continue;
        }
        for (const std::string &clip : clips) {
            if (!done.insert(clip).second)
                continue;
            const auto stream = streams.find(clip);
            const std::string time = stream == streams.end() ? std::string() : clipTime(stream->second);
            if (time.empty()) {
                err << "gettimestamps: clip " << clip << ": no readable stream file\n";
                continue;
            }
            out << clip << " : " << time << "\n";
        }
    }
    out.flush();
    return status;
}

} // namespace gettimestamps
