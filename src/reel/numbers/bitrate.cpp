#include "reel/numbers/bitrate.h"

#include "reel/core/log.h"
#include "reel/numbers/checked_p.h"

#include <climits>
#include <optional>

namespace reel {

namespace {

// The audio budget, whatever the real audio: 192 kb/s.
constexpr int kAudioKbps = 192;

} // namespace

int bitrateCalculator(float duration, int sizeMB)
{
    logDebug(LogLabel("duration"), ": %.2f\"", duration);
    if (!(duration > 0)) {
        logAlways(LogLabel("bitrateCalculator"), ":-( duration %f, 0 kb/s returned", duration);
        return 0;
    }
    // Megabytes of 1024 x 1024 bytes to kilobits of 1000 bits.
    const float total = detail::narrowedToFloat(double(float(sizeMB)) * 1024 * 1024 * 8 / 1000);
    logDebug(LogLabel("poidsAVMax"), ": %d MB > %.0f bits", sizeMB, total);
    const float audio = duration * kAudioKbps;
    logDebug(LogLabel("poidsA"), ": %.0f MB (%.0f bits)", double(audio) * 0.125 / 1024 / 1024 * 1000, audio);
    const float video = total - audio;
    logDebug(LogLabel("poidsV"), ": %.0f", video);
    const std::optional<int> bitrate = detail::truncatedToInt(video / duration);
    if (!bitrate) {
        logAlways(LogLabel("bitrateCalculator"), ":-( %f kb/s over %f s leaves the integers, 0 returned", video,
                  duration);
        return 0;
    }
    logDebug(LogLabel("bitrate Limited"), ": %d kb/s", *bitrate);
    return *bitrate;
}

int bitrate2MB(float duration, int bitrate)
{
    if (!(double(duration) >= 0.1))
        return 0;
    const float kilobits = float(bitrate) * duration;
    const std::optional<int> megabytes = detail::truncatedToInt(double(kilobits) / 8000);
    if (!megabytes || *megabytes == INT_MAX) {
        logAlways(LogLabel("bitrate2MB"), ":-( %d kb/s over %f s leaves the integers, 0 returned", bitrate, duration);
        return 0;
    }
    return *megabytes + 1;
}

} // namespace reel
