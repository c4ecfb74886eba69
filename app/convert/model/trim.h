// The part of a video a user asked for: where it starts and how long it
// lasts, in seconds of the source.
#pragma once

namespace convert {

struct TrimRequest {
    double start = 0;   // from the source's start
    double length = 0;  // 0: to the source's end

    bool active() const { return start > 0 || length > 0; }
    // The seconds kept of a source of the given duration (0 when it is not
    // known); never more than what follows start.
    double keptOf(double duration) const
    {
        if (duration <= 0)
            return length;
        const double rest = duration > start ? duration - start : 0;
        return length > 0 && length < rest ? length : rest;
    }
};

} // namespace convert
