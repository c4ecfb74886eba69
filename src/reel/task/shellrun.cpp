#include "reel/task/shellrun.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/presence.h"
#include "reel/strings/rewriting.h"
#include "reel/task/environment.h"
#include "reel/task/spawn_p.h"

#include <algorithm>
#include <optional>

namespace reel {

namespace {

bool isShellSpecial(QChar c)
{
    static const QString special = QStringLiteral("'\"\\$`;&|<>(){}*?[");
    return special.contains(c) || c.isSpace() || c.category() == QChar::Other_Control;
}

// The copy's path as the shell must be given it where it stands.
enum class Quoting { None, Single, Double };

QString quotedFor(const QString &path, Quoting where)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('\'') && where != Quoting::Double)
            quoted += QLatin1String("'\\''");
        else if (where == Quoting::Double && QStringView(u"\\\"$`").contains(c))
            quoted += QLatin1Char('\\') + c;
        else
            quoted += c;
    }
    return where == Quoting::None ? QLatin1Char('\'') + quoted + QLatin1Char('\'') : quoted;
}

bool needsQuoting(const QString &path)
{
    return std::any_of(path.begin(), path.end(), isShellSpecial) || path.contains(QLatin1Char('#'))
        || path.contains(QLatin1Char('~'));
}

// line with every folder in it replaced by copy, quoted for the quotes it
// stands in. Nothing when one stands where the quoting cannot be told: after
// a backslash, or once the line has opened a command substitution, a
// parameter expansion, a here-document or a comment.
std::optional<QString> replaceQuoted(const QString &line, const QString &folder, const QString &copy)
{
    QString out;
    Quoting where = Quoting::None;
    bool unsure = false;
    bool escaped = false;
    for (qsizetype i = 0; i < line.size();) {
        if (QStringView(line).sliced(i).startsWith(folder)) {
            if (unsure || escaped)
                return std::nullopt;
            out += quotedFor(copy, where);
            i += folder.size();
            continue;
        }
        const QChar c = line.at(i);
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        out += c;
        ++i;
        if (escaped) {
            escaped = false;
            continue;
        }
        switch (where) {
        case Quoting::Single:
            if (c == QLatin1Char('\''))
                where = Quoting::None;
            break;
        case Quoting::Double:
            if (c == QLatin1Char('"'))
                where = Quoting::None;
            else if (c == QLatin1Char('\\'))
                escaped = true;
            else if (c == QLatin1Char('`') || (c == QLatin1Char('$') && (next == QLatin1Char('(') || next == QLatin1Char('{'))))
                unsure = true;
            break;
        case Quoting::None:
            if (c == QLatin1Char('\''))
                where = Quoting::Single;
            else if (c == QLatin1Char('"'))
                where = Quoting::Double;
            else if (c == QLatin1Char('\\'))
                escaped = true;
            else if (c == QLatin1Char('`') || (c == QLatin1Char('$') && (next == QLatin1Char('(') || next == QLatin1Char('{')))
                     || (c == QLatin1Char('<') && next == QLatin1Char('<')))
                unsure = true;
            else if (c == QLatin1Char('#') && (i == 1 || line.at(i - 2).isSpace() || QStringView(u";&|()").contains(line.at(i - 2))))
                unsure = true;
            break;
        }
    }
    return out;
}

} // namespace

QString taskWithStr(const QString &commandLine, const QString &directory)
{
    if (commandLine.isNull()) {
        logAlways(LogLabel("taskWithStr"), ":-( no command line");
        return QString();
    }
    const QString folder = toolsFolderInBundle();
    QString line = commandLine;
    if (commandLine.contains(folder)) {
        const QString copy = toolsFolderInTemporaryFolder();
        if (copy.isNull()) {
            logAlways(LogLabel("taskWithStr"), ":-( no temporary folder for the tools of '%@'", commandLine);
            return QString();
        }
        if (!needsQuoting(copy)) {
            line = findAndReplace(commandLine, folder, copy, false);
        } else {
            const std::optional<QString> quoted = replaceQuoted(commandLine, folder, copy);
            if (!quoted) {
                logAlways(LogLabel("taskWithStr"), ":-( cannot quote the tools folder '%@' where it stands in '%@'",
                          copy, commandLine);
                return QString();
            }
            line = *quoted;
        }
    }

    task::PipelinePlan plan;
    plan.stages.append({QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line}, toolEnvironment()});
    if (!directory.isEmpty() && testPresenceCocoa(directory)) {
        // The presence test expands "~"; the folder it found is the one used.
        const QString folder = stringByExpandingTildeInPath(directory);
        if (!isDirectory(folder)) {
            logAlways(LogLabel("taskWithStr"), ":-( not a folder '%@'", directory);
            return QString();
        }
        plan.workingDirectory = folder;
        logAlways("cd : %@", directory);
    }

    QString text = task::outputText(task::runPipeline(plan, "taskWithStr"));
    logDebug("laTask release");
    if (!text.isNull())
        logDebug(LogLabel("stringOutput"), ":   '%@'", text);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isNull())
        return QString();
    if (text.isEmpty()) {
        logAlways(LogLabel("stringOutput"), ":-/ '%@'", text);
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
        logDebug(LogLabel("isStringSafe4TaskWithStr"), ":-( '%@'", word);
    return safe;
}

} // namespace reel
