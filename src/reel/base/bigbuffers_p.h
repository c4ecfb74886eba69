// Buffers of many megabytes that are filled once from start to end (a text
// read from a file, a tool's output): asked of the system in huge pages
// where it gives them on request, so that filling one takes a page fault
// per 2 MiB rather than per 4 KiB. On a virtual machine a fault costs
// microseconds, which for a 200 MB text is more than the work itself.
#pragma once

#include <QString>
#include <QStringView>

namespace reel {

// Asks for huge pages for the pages of [data, data + bytes) when the range
// is large; changes nothing else, and nothing at all where the system has no
// such pages. Give it a whole buffer: advising part of a mapping splits it,
// and a buffer that then grows is copied rather than moved.
void adviseHugePages(void *data, qsizetype bytes);

// QString(size, Qt::Uninitialized), advised as above.
QString largeUninitializedString(qsizetype size);

// Cuts text, made by largeUninitializedString for the most units it could
// need, to the used ones; a large part left unused (text of many multibyte
// characters) goes back to the system.
void truncateLargeString(QString &text, qsizetype used);

} // namespace reel

namespace reel {

// Many strings made one after the other (the lines of a text, the paths of
// a listing), each copied into a shared block behind the one before and
// followed by its own NUL: one allocation per block rather than per string,
// and blocks large enough for huge pages. The strings are ordinary QStrings
// (a change copies the string first), but a string kept after the others
// are gone keeps its whole block alive: blocks stay at most maxUnits long.
class StringBlocks {
public:
    explicit StringBlocks(qsizetype maxUnits = qsizetype(16) << 20) : m_maxUnits(maxUnits) {}

    // A string of length units (length > 0) whose units the caller writes
    // through *units before anyone else sees the string. hint, when
    // positive, bounds the units still to come (a new block is made no
    // larger).
    QString make(qsizetype length, char16_t **units, qsizetype hint = 0);

    // A copy of text in the blocks.
    QString copy(QStringView text);

private:
    QString m_block;
    char16_t *m_room = nullptr;
    qsizetype m_left = 0;
    qsizetype m_lastSize = 0;
    qsizetype m_maxUnits;
};

} // namespace reel
