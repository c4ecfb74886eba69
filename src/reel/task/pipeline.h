/// \file
/// \ingroup task
/// Tools run without a shell: a list of words, the first a tool's path, the
/// word "|" between tools. Each tool is started directly with its own words,
/// and each one's output feeds the next one's input through an OS pipe, so no
/// word is ever reinterpreted. Each value of a list is used through its "%@"
/// text. Every tool runs in the program's working directory; the tool paths
/// are used as given ("~" expanded). A call returns when the last tool's
/// output has ended and the last tool has exited. An earlier tool that runs
/// on (one reading the program's input, which stays open) is neither killed
/// nor waited for; it belongs to the system's reaper, so no zombie is left.
///
/// Argument lists are QStringList, so a braced list of strings calls them as
/// it is: taskArray1PipeMax({"ffmpeg", "-i", file}, true). A QVariantList
/// (values of other kinds among the words) is taken too, each value used
/// through its "%@" text; a braced list of such values names its type:
/// taskArrayPipes(QVariantList{tool, 5}).
///
/// Every run writes a line when it starts. A tool that cannot be started, a
/// word that is not valid text (an unpaired surrogate, a NUL), a failed pipe
/// and an output over the limit are logged, and the run gives nil.
#pragma once

#include "reel/core/export.h"
#include "reel/core/listforms.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

REEL_EXPORT_BEGIN
namespace reel {

/// Runs any number of tools. The first reads the program's standard input;
/// the last tool's output and error output together are the result; the
/// error output of the others goes to the program's own. Every word but a
/// network address (holding "://") has a leading "~" expanded. Nil for an
/// empty list, a missing tool, an empty tool group (a leading, trailing or
/// doubled "|"), or an output that is empty, " ", "\n", " \n" or not UTF-8;
/// a missing tool after the first is logged.
/// The text is returned as written, final line feed included.
QString taskArrayPipes(const QStringList &list);

/// Runs one tool, or two joined by one "|". The first tool reads nothing
/// (/dev/null) and must have arguments; with joinErrors the last tool's error
/// output joins the result, else it goes to the program's own. The second
/// tool runs in the program's own environment, not the tool environment. A
/// second "|" shows a critical alert with the whole list and gives nil. Nil
/// otherwise as for taskArrayPipes, and when the first tool has no arguments.
/// With the makers' switch on (getDEBUGMOI) the arguments are logged.
QString taskArray1PipeMax(const QStringList &list, bool joinErrors);

/// taskArray1PipeMax(list, false) for a tool whose messages are for the log,
/// not for the program's own error output (a user's terminal): the last
/// tool's error output comes back in *errors instead, its first 64 KiB
/// decoded as UTF-8; empty when it wrote none or did not run.
QString taskArray1PipeMaxKeepingErrors(const QStringList &list, QString *errors);

/// The most output a run takes from its last tool, in bytes (1 GiB unless
/// set), for every runner (taskWithStr too). A tool that writes more is
/// killed once past it, and the run gives nil with a log line.
qint64 toolOutputLimit();
/// Sets it (values below 0 count as 0) and returns the previous value.
qint64 setToolOutputLimit(qint64 bytes);

/// The texts of the list joined with single spaces, nothing quoted; "" for an
/// empty list. Never fails; not logged.
QString array2Str(const QStringList &list);

namespace detail {
QString taskArrayPipesOfValues(const QVariantList &list);
QString taskArray1PipeMaxOfValues(const QVariantList &list, bool joinErrors);
QString array2StrOfValues(const QVariantList &list);
} // namespace detail

/// taskArrayPipes for a list of values (listforms.h).
template <typename List, detail::IfValues<List> = 0>
QString taskArrayPipes(const List &list)
{
    return detail::taskArrayPipesOfValues(list);
}
/// taskArray1PipeMax for a list of values.
template <typename List, detail::IfValues<List> = 0>
QString taskArray1PipeMax(const List &list, bool joinErrors)
{
    return detail::taskArray1PipeMaxOfValues(list, joinErrors);
}
/// array2Str for a list of values, each through its "%@" text.
template <typename List, detail::IfValues<List> = 0>
QString array2Str(const List &list)
{
    return detail::array2StrOfValues(list);
}

} // namespace reel
REEL_EXPORT_END
