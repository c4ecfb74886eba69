#include "reel/dialogs/passclock.h"

namespace reel {

void AlertPassClock::tick()
{
    const float next = float(double(m_elapsed) + 0.1);
    m_stalled = next == m_elapsed;
    m_elapsed = next;
    ++m_passes;
}

int alertPassesForLimit(int limitSeconds)
{
    AlertPassClock clock(limitSeconds);
    while (clock.running())
        clock.tick();
    return clock.passes();
}

} // namespace reel
