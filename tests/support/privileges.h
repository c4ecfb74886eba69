// Root bound by permission bits, for tests of refusals that would otherwise
// only mean something to an unprivileged user.
#pragma once

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace reel::test {

// For the life of the object the calling thread loses the capabilities that
// let root ignore permission bits (override, read-and-search, owner), so a
// folder or file without write permission refuses root as it refuses its
// owner. The capabilities stay permitted and come back afterwards. Nothing
// changes for a user who does not have them.
class ScopedOwnerRightsOnly {
public:
    ScopedOwnerRightsOnly()
    {
        __user_cap_data_struct data[2] {};
        if (!caps(SYS_capget, data) || (m_dropped = data[0].effective & kFileRights) == 0)
            return;
        data[0].effective &= ~m_dropped;
        EXPECT_TRUE(caps(SYS_capset, data)) << "cannot drop the file capabilities";
    }
    ~ScopedOwnerRightsOnly()
    {
        __user_cap_data_struct data[2] {};
        if (m_dropped == 0 || !caps(SYS_capget, data))
            return;
        data[0].effective |= m_dropped;
        EXPECT_TRUE(caps(SYS_capset, data)) << "cannot take the file capabilities back";
    }
    ScopedOwnerRightsOnly(const ScopedOwnerRightsOnly &) = delete;

private:
    static constexpr unsigned kFileRights =
        (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);
    // Capabilities are a property of the thread; capget and capset change
    // only the calling one.
    static bool caps(long call, __user_cap_data_struct (&data)[2])
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        return ::syscall(call, &header, data) == 0;
    }
    unsigned m_dropped = 0; // the low word of the effective set taken away
};

} // namespace reel::test
