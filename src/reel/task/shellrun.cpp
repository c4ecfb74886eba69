#include "reel/task/shellrun.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/presence.h"
#include "reel/strings/rewriting.h"
#include "reel/task/environment.h"
#include "reel/task/spawn.h"

#include <algorithm>

namespace reel {

namespace {

bool isShellSpecial(QChar c)
{
    static const QString special = QStringLiteral("'\"\\$`;&|<>(){}*?[");
    return special.contains(c) || c.isSpace() || c.category() == QChar::Other_Control;
}

} // namespace

QString taskWithStr(const QString &commandLine, const QString &directory)
{
    if (commandLine.isNull()) {
        logAlways("taskWithStr         :-( no command line");
        return QString();
    }
    const QString line = findAndReplace(commandLine, toolsFolderInBundle(), toolsFolderInTemporaryFolder(), false);

    task::PipelinePlan plan;
    plan.stages.append({QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line}, toolEnvironment()});
    if (!directory.isEmpty() && testPresenceCocoa(directory)) {
        // The presence test expands "~"; the folder it found is the one used.
        const QString folder = stringByExpandingTildeInPath(directory);
        if (!isDirectory(folder)) {
            logAlways("taskWithStr         :-( not a folder '%@'", directory);
            return QString();
        }
        plan.workingDirectory = folder;
        logAlways("cd : %@", directory);
    }

    QString text = task::outputText(task::runPipeline(plan, "taskWithStr"));
    logDebug("laTask release");
    if (!text.isNull())
        logDebug("stringOutput        :   '%@'", text);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isNull())
        return QString();
    if (text.isEmpty()) {
        logAlways("stringOutput        :-/ '%@'", text);
        return QString();
    }
    return text;
}

bool isStringSafe4TaskWithStr(const QString &word)
{
    if (word.isNull())
        return false;
    if (word == QLatin1String("|"))
        return true;
    // Text that is not valid UTF-16 (an unpaired surrogate) has no UTF-8
    // form: it reaches the shell as "?", a wildcard.
    const bool safe = !word.isEmpty() && word.isValidUtf16() && !word.startsWith(QLatin1Char('~'))
        && !word.startsWith(QLatin1Char('#')) && std::none_of(word.begin(), word.end(), isShellSpecial);
    if (!safe)
        logDebug("isStringSafe4TaskWit:-( '%@'", word);
    return safe;
}

} // namespace reel
