#include "plan.h"

#include <reel/core.h>
#include <reel/files.h>

namespace convert {

QString outputPathFor(const SourceInfo &source, const Preset &preset, const QString &destination,
                      const QStringList &taken)
{
    QString title = source.title.trimmed();
    if (title.isEmpty() || title.startsWith(QLatin1Char('.')))
        title = QStringLiteral("video") + title;
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? title : QStringLiteral("%1 %2").arg(title).arg(number);
        const QString path = reel::stringByAppendingPathComponent(
            destination, reel::stringByAppendingPathExtension(name, preset.extension));
        if (path != source.path && !taken.contains(path))
            return path;
    }
}

Plan planJobs(const QList<SourceInfo> &sources, const Preset &preset, const Budget &budget,
              const QString &destination)
{
    Plan plan;
    if (!reel::isDirectory(destination)) {
        plan.problems << QStringLiteral("the destination %1 is not a folder").arg(destination);
        return plan;
    }
    QStringList taken;
    for (const SourceInfo &source : sources) {
        if (!source.usable()) {
            plan.problems << source.error;
            continue;
        }
        const BudgetPlan budgetPlan = planBudget(preset, budget, source.duration);
        if (!budgetPlan.ok) {
            plan.problems << QStringLiteral("%1: %2").arg(source.title, budgetPlan.message);
            continue;
        }
        if (budgetPlan.capped)
            plan.remarks << QStringLiteral("%1: %2").arg(source.title, budgetPlan.message);
        JobSettings job;
        job.source = source;
        job.preset = preset;
        job.videoKbps = budgetPlan.videoKbps;
        job.estimatedMB = budgetPlan.estimatedMB;
        job.output = outputPathFor(source, preset, destination, taken);
        job.outputExists = reel::testPresenceCocoa(job.output);
        taken << job.output;
        plan.requiredMB += job.estimatedMB;
        plan.jobs << job;
    }
    plan.freeMB = reel::espaceDiskDispo(destination);
    if (!plan.fitsOnDisk()) {
        plan.problems << QStringLiteral("the outputs need about %1 MB and %2 has %3 MB free")
                             .arg(plan.requiredMB)
                             .arg(destination)
                             .arg(plan.freeMB);
    }
    return plan;
}

} // namespace convert
