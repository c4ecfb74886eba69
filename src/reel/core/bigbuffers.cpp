#include "reel/core/bigbuffers.h"

#include <cstdint>

#include <sys/mman.h>

namespace reel {

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
// Below this a buffer fills quickly enough, and may share its pages with
// other small blocks of the allocator.
constexpr qsizetype kLarge = qsizetype(8) << 20;

} // namespace

void adviseHugePages(void *data, qsizetype bytes)
{
#ifdef MADV_HUGEPAGE
    if (!data || bytes < kLarge)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + std::uintptr_t(bytes)) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE); // a hint: its failure changes nothing
#else
    (void)data;
    (void)bytes;
#endif
}

QString largeUninitializedString(qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    adviseHugePages(text.data(), size * qsizetype(sizeof(QChar)));
    return text;
}

} // namespace reel
