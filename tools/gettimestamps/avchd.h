// Reading an AVCHD / BDMV camera card, as far as the recording times of its
// clips need:
//
//   BDMV/PLAYLIST/00000.mpls (00000.MPL on FAT cards)   which clips, in order
//   BDMV/STREAM/00001.m2ts   (00001.MTS)                 the clips themselves
//
// A playlist file ("MPLS"):
//   0   "MPLS"                      type indicator
//   4   "0100" | "0200" | "0300"     version, four ASCII digits
//   8   u32 PlayList start address   from the start of the file
//   12  u32 PlayListMark start, 16 u32 ExtensionData start, 20 reserved
//   40  AppInfoPlayList ...
//   PlayList: u32 length (of what follows), u16 reserved,
//             u16 number of PlayItems, u16 number of SubPaths, PlayItems...
//   PlayItem: u16 length (of what follows), 5 ASCII digits clip name,
//             4 bytes codec identifier "M2TS", ...
// All numbers big-endian.
//
// The recording time: cameras write it into the H.264 stream of every clip,
// in a user-data-unregistered SEI whose UUID is followed by "MDPM", a count
// and that many 5-byte entries (tag, 4 data bytes). Tag 0x18 holds a time
// zone byte, then year (two BCD bytes) and month; tag 0x19 day, hour, minute
// and second, all BCD. The time is the camera's wall clock, kept as written.
//
// Every read is bounds-checked: damaged input gives an error text, never a
// read outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gettimestamps {

// The clip names of a playlist file's play items, in order, or the reason the
// bytes are not a well-formed playlist (*error set, result empty).
std::vector<std::string> readPlaylist(const std::uint8_t *data, std::size_t size, std::string *error);

struct RecordingTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The most of a clip that is searched for its time: the time is repeated in
// every key frame, and the first seconds of a clip hold several.
constexpr std::size_t kStreamLeadBytes = 4 << 20;
// The first piece of a clip that is read; each further piece doubles what
// was read, up to kStreamLeadBytes.
constexpr std::size_t kFirstPieceBytes = 64 << 10;

// The first valid MDPM recording time in the leading bytes of a clip: an
// MPEG transport stream with 188- or 192-byte packets (the video packets are
// joined first, so a SEI split across packets is found) or bare H.264.
std::optional<RecordingTime> findRecordingTime(const std::uint8_t *data, std::size_t size);

// The time findRecordingTime gives for every stream that starts with these
// bytes; nothing while more bytes could still change the answer (a block cut
// at the end, a video stream not yet known for sure).
std::optional<RecordingTime> findSettledRecordingTime(const std::uint8_t *data, std::size_t size);

// The time findRecordingTime gives for the first kStreamLeadBytes of the
// clip open on fd (all of a shorter one), read from where fd stands in
// pieces that grow, and no further than the answer needs. *bytesRead, when
// given, is how much was read.
std::optional<RecordingTime> readRecordingTime(int fd, std::size_t *bytesRead = nullptr);

// "YYYY-MM-DD HH:MM:SS".
std::string formatTime(const RecordingTime &t);

// The whole tool: prints "clip : time" for every clip of the playlists in
// folder on out, messages on err. Exit status: 0 when every playlist was
// read, 2 when folder holds no playlist, 3 when a playlist is damaged (after
// the lines of the others).
int run(const std::string &folder, std::ostream &out, std::ostream &err);

} // namespace gettimestamps
