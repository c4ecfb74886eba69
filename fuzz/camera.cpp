// Camera cards and recordings: the time-stamp tool's readers of a playlist
// file (MPLS) and of a clip's leading bytes, the EyeTV description file, and
// the time-stamp lines the iMovie naming reads back from that tool. The
// first byte picks the reader: "p" playlist, "c" clip, "e" EyeTV
// description, "t" time-stamp lines (see input.h).
#include "input.h"

#include <avchd.h>
#include <reel/media/eyetvimovie.h>

#include <vector>

namespace {

bool isDigits(const std::string &s)
{
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void playlist(const QByteArray &bytes)
{
    // An exact copy: a read past its end is a sanitizer report.
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    std::string error;
    const std::vector<std::string> clips = gettimestamps::readPlaylist(data.data(), data.size(), &error);
    if (!error.empty() && !clips.empty())
        __builtin_trap(); // a refusal gives no clips
    for (const std::string &clip : clips) {
        if (clip.size() != 5 || !isDigits(clip))
            __builtin_trap(); // clip names are five digits
    }
    if (clips.size() > data.size() / 11)
        __builtin_trap(); // every play item takes eleven bytes at least
}

void clip(const QByteArray &bytes)
{
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    const auto time = gettimestamps::findRecordingTime(data.data(), data.size());
    // A time settled on a lead is the one the whole gives (the lead cut
    // where the input's last byte says, each prefix an exact copy).
    const std::size_t lead = data.empty() ? 0 : std::size_t(data.back()) * data.size() / 256;
    const std::vector<std::uint8_t> start(data.begin(), data.begin() + std::ptrdiff_t(lead));
    if (const auto settled = gettimestamps::findSettledRecordingTime(start.data(), start.size())) {
        if (!time || gettimestamps::formatTime(*settled) != gettimestamps::formatTime(*time))
            __builtin_trap();
    }
    if (!time)
        return;
    const auto &t = *time;
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0
        || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        __builtin_trap(); // only a valid time is reported
    if (gettimestamps::formatTime(t).size() != 19)
        __builtin_trap();
}

void timeStampLines(const QString &output)
{
    // The clip's name is the text before the first " : " of the first line.
    const QString clip = output.section(QStringLiteral(" : "), 0, 0);
    const QString name = reel::nameFromTimeStampLines(output, clip);
    if (!name.isNull() && !name.endsWith(QLatin1Char('-') + clip))
        __builtin_trap();
    reel::nameFromTimeStampLines(output, QStringLiteral("00001"));
    // The names of a whole card are those the clips get one by one.
    const QMap<QString, QString> names = reel::namesFromTimeStampLines(output);
    if (name.isNull() ? names.contains(clip) : names.value(clip) != name)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietLog();
    const fuzz::Picked input = fuzz::pick(data, size, "pcet");
    switch (input.reader) {
    case 0:
        playlist(input.rest);
        break;
    case 1:
        clip(input.rest);
        break;
    case 2:
        reel::eyetvDescriptionDuration(input.rest);
        break;
    default:
        timeStampLines(fuzz::text(input));
        break;
    }
    return 0;
}
