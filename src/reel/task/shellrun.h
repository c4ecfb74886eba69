/// \file
/// \ingroup task
/// One command line run through the shell, and the test of a word that is to
/// be put into such a line.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// Runs commandLine with "/bin/sh -c" in the tool environment, the bundle's
/// tools folder rewritten to the copy in the temporary folder, and returns
/// what it wrote on its standard output as text, one final line feed
/// removed. A copy's path holding characters the shell acts on (a space, a
/// quote, "$"...) is quoted for the place where it stands (outside quotes,
/// in '...' or in "..."). Standard input and error are the program's own. The
/// working directory is directory ("~" expanded) when that is a present
/// folder (logged), else the program's own. Nil when the output is not UTF-8
/// or nothing could be started; nil, logged, when the output is empty. Nil,
/// logged, without running anything, for a null command line or a directory
/// that is present but no folder, when
/// the line names the bundle's tools folder and there is no temporary folder,
/// or the copy's path would have to be quoted where the quoting cannot be
/// told (after "`", "$(", "${", "<<" or a comment). Blocks until the output
/// ends and the shell has exited.
QString taskWithStr(const QString &commandLine, const QString &directory);

/// True when the shell would hand word to a tool unchanged: the pipe word "|",
/// or a non-empty word without white space, control characters, quotes,
/// backslash, "$", "`", ";", "&", "|", "<", ">", "(", ")", "{", "}", the
/// wildcards "*", "?", "[", or a leading "~" or "#", that is valid UTF-16
/// (no unpaired surrogate). Decided on the text alone; nothing is run. An
/// unsafe word is traced with the debug level on.
bool isStringSafe4TaskWithStr(const QString &word);

} // namespace reel
REEL_EXPORT_END
