#include "reel/base/bigbuffers_p.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace reel {

namespace {

// Below this a buffer fills quickly enough, and may share its pages with
// other small blocks of the allocator.
constexpr qsizetype kLarge = qsizetype(8) << 20;
// Blocks of StringBlocks grow from a page to this, then jump to kLarge.
constexpr qsizetype kHugeFrom = qsizetype(1) << 20;
// Strings from this length may get a buffer of their own in StringBlocks:
// one allocation is then little beside the copy.
constexpr qsizetype kOwnBuffer = 64 * 1024;

} // namespace

void adviseHugePages(void *data, qsizetype bytes)
{
#ifdef MADV_HUGEPAGE
    if (!data || bytes < kLarge)
        return;
    // Whole small pages, not only the huge ones within: advising part of a
    // mapping splits it, and the allocator can then no longer grow it in
    // place (mremap fails), so growing copies it, holding both at once.
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = start & ~(page - 1);
    const std::uintptr_t last = (start + std::uintptr_t(bytes) + page - 1) & ~(page - 1);
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

void truncateLargeString(QString &text, qsizetype used)
{
    text.truncate(used);
    // Shrinking a large buffer in place costs no copy.
    const qsizetype unused = text.capacity() - used;
    if (unused * qsizetype(sizeof(QChar)) >= (qsizetype(1) << 20) && unused >= text.capacity() / 4)
        text.squeeze();
}

} // namespace reel

namespace reel {

QString StringBlocks::make(qsizetype length, char16_t **units, qsizetype hint)
{
    if (length + 1 > m_left) {
        // Each block twice the last, from a page's worth, so that a few
        // strings take little and many take few blocks. Past a megabyte the
        // next block is at once large enough for huge pages: the ones between
        // would each be filled a fault per 4 KiB.
        qsizetype size = std::max<qsizetype>(2048, m_lastSize * 2);
        if (size > kHugeFrom / qsizetype(sizeof(char16_t)))
            size = std::max(size, kLarge / qsizetype(sizeof(char16_t)));
        size = std::min(m_maxUnits, size);
        if (hint > 0)
            size = std::min(size, hint);
        // A string that would fill much of a new block gets a buffer of its
        // own, and the current block stays for the strings after it: a
        // block is then never left mostly empty behind a long string.
        if (length >= kOwnBuffer && length + 1 > size / 8) {
            QString own = largeUninitializedString(length);
            *units = reinterpret_cast<char16_t *>(own.data());
            return own;
        }
        size = std::max(size, length + 1);
        m_block = largeUninitializedString(size);
        m_room = reinterpret_cast<char16_t *>(m_block.data());
        m_left = size;
        m_lastSize = size;
    }
    char16_t *const start = m_room;
    start[length] = 0;
    m_room += length + 1;
    m_left -= length + 1;
    *units = start;
    QString::DataPointer &shared = m_block.data_ptr();
    shared.d_ptr()->ref();
    return QString(QString::DataPointer(shared.d_ptr(), start, length));
}

QString StringBlocks::copy(QStringView text)
{
    if (text.isEmpty())
        return QStringLiteral("");
    char16_t *units = nullptr;
    QString made = make(text.size(), &units);
    std::memcpy(units, text.utf16(), size_t(text.size()) * sizeof(char16_t));
    return made;
}

} // namespace reel
