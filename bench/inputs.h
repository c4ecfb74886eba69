// The benchmark's inputs, generated on the spot from a fixed seed so that
// every run measures the same bytes. Writers stream through a small buffer:
// the benchmark process itself stays small, since every measuring child
// starts as a copy of it.
#pragma once

#include <QVariantMap>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// A small fast generator (xorshift64*), the same sequence on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed ? seed : 1) {}
    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1DULL;
    }
    // In [0, bound).
    std::uint32_t below(std::uint32_t bound) { return std::uint32_t((next() >> 32) % bound); }

private:
    std::uint64_t m_state;
};

struct TextStats {
    std::int64_t bytes = 0;
    std::int64_t utf16Units = 0; // the length of the text as a QString
    std::int64_t lines = 0;      // lines ending in a line feed
    std::int64_t collapsedUnits = 0; // the length once every run of spaces is one space
};

// Lines as media tools print them (progress, stream descriptions, warnings,
// a few accented file names), about bytes long.
TextStats writeToolOutput(const std::string &path, std::int64_t bytes);

// Words separated by runs of one to eight spaces, in lines, about bytes long.
TextStats writeSpacedText(const std::string &path, std::int64_t bytes);

enum class ProseEncoding { Utf8, Windows1252 };
struct ProseStats {
    std::int64_t bytes = 0;
    std::int64_t utf16Units = 0;
    std::uint64_t checksum = 0; // of the UTF-16 units, see proseChecksum
};
// French prose, accents, curly quotes, dashes and euro signs included, about
// bytes long; the same text in either encoding for the same size.
ProseStats writeProse(const std::string &path, std::int64_t bytes, ProseEncoding encoding);
// The checksum writeProse gives its text: start from 0 and go on from the
// sum of the units before.
std::uint64_t proseChecksum(std::uint64_t sum, const char16_t *units, std::int64_t count);

struct TreeStats {
    std::int64_t files = 0;
    std::int64_t folders = 0;
    std::int64_t marked = 0; // files whose name holds kMarker
    std::int64_t bytes = 0;  // in the files
    std::vector<std::string> firstFiles; // the paths of the first files made
};
// The text a tenth of the file names hold, and that no folder name holds.
inline constexpr const char *kMarker = "_x";

// A tree of files below root (made): folders of folders of small media
// files (below maxFileBytes, empty when 0), kMarker in every tenth name.
// Keeps the paths of the first keepPaths files.
TreeStats makeTree(const std::string &root, int topFolders, int subFolders, int filesPerFolder, int keepPaths,
                   int maxFileBytes);

// A catalogue of recordings as a property-list dictionary: entries
// dictionaries of strings, numbers, dates, data and arrays.
QVariantMap catalogue(int entries);

// One flat dictionary: "entry-000000" to "value 0" and so on.
QVariantMap wideDictionary(int entries);

// A camera card below root (made): BDMV/PLAYLIST/00000.mpls naming clips
// clips, and BDMV/STREAM/00001.MTS on, each a transport stream whose first
// video packet carries the clip's recording time as cameras write it (clip
// n at 2009-05-02 12:00:00 plus n minutes), its first 256 KiB written and
// the rest of its clipBytes a hole. Returns the PLAYLIST folder.
std::string makeCameraCard(const std::string &root, int clips, std::int64_t clipBytes);

} // namespace bench
