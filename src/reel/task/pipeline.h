// Tools run without a shell: a list of words, the first a tool's path, the
// word "|" between tools. Each tool is started directly with its own words,
// and each one's output feeds the next one's input through an OS pipe, so no
// word is ever reinterpreted. Each value of a list is used through its "%@"
// text. Every tool runs in the program's working directory; the tool paths
// are used as given ("~" expanded). A call returns when the last tool's
// output has ended and the last tool has exited. An earlier tool that runs
// on (one reading the program's input, which stays open) is neither killed
// nor waited for; it belongs to the system's reaper, so no zombie is left.
//
// The QStringList forms do the same; a braced list must name its type.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace reel {

// Runs any number of tools. The first reads the program's standard input;
// the last tool's output and error output together are the result; the
// error output of the others goes to the program's own. Every word but a
// network address (holding "://") has a leading "~" expanded. Nil for an
// empty list, a missing tool, an empty tool group (a leading, trailing or
// doubled "|"), or an output that is empty, " ", "\n", " \n" or not UTF-8.
// The text is returned as written, final line feed included.
QString taskArrayPipes(const QVariantList &list);
QString taskArrayPipes(const QStringList &list);

// Runs one tool, or two joined by one "|". The first tool reads nothing
// (/dev/null) and must have arguments; with joinErrors the last tool's error
// output joins the result, else it goes to the program's own. The second
// tool runs in the program's own environment, not the tool environment. A
// second "|" shows a critical alert with the whole list and gives nil. Nil
// otherwise as for taskArrayPipes.
QString taskArray1PipeMax(const QVariantList &list, bool joinErrors);
QString taskArray1PipeMax(const QStringList &list, bool joinErrors);

// The texts of the list joined with single spaces, nothing quoted; "" for an
// empty list.
QString array2Str(const QVariantList &list);
QString array2Str(const QStringList &list);

} // namespace reel
