/// \file
/// \ingroup dialogs
/// The clock of a timed alert: the count of 0.1 s passes, not wall time.
/// Nothing here fails or logs.
#pragma once

#include "reel/core/export.h"

REEL_EXPORT_BEGIN
namespace reel {

/// Counts the passes of a timed run. The elapsed time is kept in single
/// precision and each pass adds 0.1 in double precision, rounded back; so a
/// limit of 3 s takes 31 passes, 5 s 51 and 60 s 601.
class AlertPassClock {
public:
    /// A clock that runs until limitSeconds have passed.
    explicit AlertPassClock(int limitSeconds) : m_limit(float(limitSeconds)) {}

    /// True while the limit has not been reached.
    bool running() const { return !m_stalled && m_limit > m_elapsed; }
    /// One more 0.1 s pass.
    void tick();

    /// The passes made so far.
    int passes() const { return m_passes; }
    /// The seconds counted so far.
    float elapsed() const { return m_elapsed; }

private:
    float m_limit;
    float m_elapsed = 0.0f;
    int m_passes = 0;
    // From 2^21 s on, adding 0.1 no longer changes a float: the run ends
    // there instead of never.
    bool m_stalled = false;
};

/// The number of passes a timed run with this limit makes when nobody answers.
int alertPassesForLimit(int limitSeconds);

} // namespace reel
REEL_EXPORT_END
