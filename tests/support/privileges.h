// Root bound by permission bits, for tests of refusals that would otherwise
// only mean something to an unprivileged user.
#pragma once

namespace reel::test {

// For the life of the object the calling thread loses the capabilities that
// let root ignore permission bits (override, read-and-search, owner), so a
// folder or file without write permission refuses root as it refuses its
// owner. The capabilities stay permitted and come back afterwards. Nothing
// changes for a user who does not have them.
class ScopedOwnerRightsOnly {
public:
    ScopedOwnerRightsOnly();
    ~ScopedOwnerRightsOnly();
    ScopedOwnerRightsOnly(const ScopedOwnerRightsOnly &) = delete;
    ScopedOwnerRightsOnly &operator=(const ScopedOwnerRightsOnly &) = delete;

private:
    unsigned m_dropped = 0; // the low word of the effective set taken away
};

} // namespace reel::test
