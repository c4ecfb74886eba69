#include "privileges.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace reel::test {

namespace {

constexpr unsigned kFileRights =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Capabilities are a property of the thread; capget and capset change only
// the calling one.
bool caps(long call, __user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(call, &header, data) == 0;
}

} // namespace

ScopedOwnerRightsOnly::ScopedOwnerRightsOnly()
{
    __user_cap_data_struct data[2] {};
    if (!caps(SYS_capget, data))
        return;
    m_dropped = data[0].effective & kFileRights;
    if (m_dropped == 0)
        return;
    data[0].effective &= ~m_dropped;
    EXPECT_TRUE(caps(SYS_capset, data)) << "cannot drop the file capabilities";
}

ScopedOwnerRightsOnly::~ScopedOwnerRightsOnly()
{
    if (m_dropped == 0)
        return;
    __user_cap_data_struct data[2] {};
    if (caps(SYS_capget, data)) {
        data[0].effective |= m_dropped;
        EXPECT_TRUE(caps(SYS_capset, data)) << "cannot take the file capabilities back";
    }
}

} // namespace reel::test
