#include "reel/task/pipeline.h"

#include "reel/core/debug.h"
#include "reel/core/describe.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/dialogs/alerts.h"
#include "reel/dialogs/alerttexts_p.h"
#include "reel/files/presence.h"
#include "reel/prefs/devswitch.h"
#include "reel/task/environment.h"
#include "reel/task/spawn_p.h"

#include <optional>

namespace reel {

namespace {

const QString &pipeWord()
{
    static const QString word = QStringLiteral("|");
    return word;
}

// A network address keeps its "~"; any other word has a leading one expanded.
QString expandedWord(const QString &text)
{
    return text.contains(QLatin1String("://")) ? text : stringByExpandingTildeInPath(text);
}

bool isNoOutput(const QString &text)
{
    return text.isNull() || text.isEmpty() || text == QLatin1String(" ") || text == QLatin1String("\n")
        || text == QLatin1String(" \n");
}

QVariantList variantList(const QStringList &list)
{
    QVariantList values;
    values.reserve(list.size());
    for (const QString &word : list)
        values.append(word);
    return values;
}

QString runResult(const task::PipelinePlan &plan, std::string_view label, QString *errors = nullptr)
{
    std::optional<task::Output> output = task::runPipeline(plan, label);
    if (errors && output)
        *errors = QString::fromUtf8(output->errors());
    const QString text = task::outputText(std::move(output));
    return isNoOutput(text) ? QString() : text;
}

} // namespace

QString detail::taskArrayPipesOfValues(const QVariantList &list)
{
    logAlways(LogLabel("taskArrayPipes"), "- deb");
    if (list.isEmpty() || !testPresenceCocoa(list.first()))
        return QString();
    logDebug(LogLabel("taskArrayPipes"), "- 1");

    QList<QStringList> groups(1);
    for (const QVariant &value : list) {
        const QString text = describe(value);
        if (text == pipeWord()) {
            if (groups.last().isEmpty())
                return QString();
            groups.append(QStringList());
            continue;
        }
        groups.last().append(expandedWord(text));
    }
    if (groups.last().isEmpty())
        return QString();
    if (debugOn()) {
        QVariantList described;
        for (const QStringList &group : std::as_const(groups))
            described.append(group);
        logDebug("separatedArgsByTasksMa : %@", described);
    }

    const QByteArrayList environment = toolEnvironment();
    if (debugOn())
        logDebug(LogLabel("env post"), ": %@", environmentDictionary(environment));

    task::PipelinePlan plan;
    for (const QStringList &group : std::as_const(groups)) {
        const QString &tool = group.first();
        // Every tool is checked before any is started.
        if (!testPresenceCocoa(tool)) {
            logAlways(LogLabel("taskArrayPipes"), ":-( tool !present '%@'", tool);
            return QString();
        }
        plan.stages.append({tool, group.mid(1), environment});
        logDebug(LogLabel("taskArrayPipes"), ": ma %@", group);
    }
    plan.lastErrorsJoin = true;
    return runResult(plan, "taskArrayPipes");
}

QString taskArrayPipes(const QStringList &list)
{
    return detail::taskArrayPipesOfValues(variantList(list));
}

namespace {

// taskArray1PipeMax; with errors, the last tool's error output is kept there
// instead of going to the program's own.
QString oneOrTwoTools(const QVariantList &list, bool joinErrors, QString *errors)
{
    logAlways(LogLabel("taskArray1PipeMax"), "- deb");
    if (list.isEmpty() || !testPresenceCocoa(list.first()))
        return QString();
    logDebug(LogLabel("taskArray1PipeMax"), "- 1");

    // The presence test expands "~"; the tool started is the one it found.
    task::Stage first{expandedWord(describe(list.first())), {}, toolEnvironment()};
    std::optional<task::Stage> second;
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString text = expandedWord(describe(list.at(i)));
        if (text != pipeWord()) {
            (second ? second->arguments : first.arguments).append(text);
            continue;
        }
        if (second) {
            displayAlert(detail::alertText(detail::AlertText::PipeLimit), array2Str(list), kCriticalAlertStyle,
                         nullptr);
            return QString();
        }
        if (++i >= list.size())
            return QString();
        const QString tool = describe(list.at(i));
        logDebug(LogLabel("taskArray1PipeMax"), "- 1-0 : '%@'", tool);
        if (!testPresenceCocoa(tool))
            return QString();
        logDebug(LogLabel("taskArray1PipeMax"), "- 1-2");
        second = task::Stage{expandedWord(tool), {}, programEnvironment()};
    }
    logDebug(LogLabel("taskArray1PipeMax"), "- 2");
    if (first.arguments.isEmpty())
        return QString();
    logDebug(LogLabel("taskArray1PipeMax"), "- 3");
    if (getDEBUGDEV(1) || getDEBUGMOI()) {
        logAlways(LogLabel("taskArray1PipeMax"), "- task args : %@", first.arguments);
        if (second)
            logAlways(LogLabel("taskArray1PipeMax"), "- task Piped args : %@", second->arguments);
    }

    task::PipelinePlan plan;
    plan.stages.append(first);
    if (second)
        plan.stages.append(*second);
    plan.firstReadsNothing = true;
    plan.lastErrorsJoin = joinErrors;
    plan.lastErrorsKept = errors != nullptr;
    return runResult(plan, "taskArray1PipeMax", errors);
}

} // namespace

QString detail::taskArray1PipeMaxOfValues(const QVariantList &list, bool joinErrors)
{
    return oneOrTwoTools(list, joinErrors, nullptr);
}

QString taskArray1PipeMax(const QStringList &list, bool joinErrors)
{
    return detail::taskArray1PipeMaxOfValues(variantList(list), joinErrors);
}

QString taskArray1PipeMaxKeepingErrors(const QStringList &list, QString *errors)
{
    QString kept;
    const QString output = oneOrTwoTools(variantList(list), false, &kept);
    if (errors)
        *errors = kept;
    return output;
}

QString detail::array2StrOfValues(const QVariantList &list)
{
    QStringList texts;
    texts.reserve(list.size());
    for (const QVariant &value : list)
        texts.append(describe(value));
    return array2Str(texts);
}

QString array2Str(const QStringList &list)
{
    return list.isEmpty() ? QStringLiteral("") : list.join(QLatin1Char(' '));
}

} // namespace reel
