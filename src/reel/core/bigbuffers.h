// Buffers of many megabytes that are filled once from start to end (a text
// read from a file, a tool's output): asked of the system in huge pages
// where it gives them on request, so that filling one takes a page fault
// per 2 MiB rather than per 4 KiB. On a virtual machine a fault costs
// microseconds, which for a 200 MB text is more than the work itself.
#pragma once

#include <QString>

namespace reel {

// Asks for huge pages for the whole 2 MiB pages within [data, data + bytes)
// when the range is large; changes nothing else, and nothing at all where
// the system has no such pages.
void adviseHugePages(void *data, qsizetype bytes);

// QString(size, Qt::Uninitialized), advised as above.
QString largeUninitializedString(qsizetype size);

} // namespace reel
