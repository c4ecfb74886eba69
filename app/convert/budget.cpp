#include "budget.h"

#include <reel/numbers.h>

namespace convert {

namespace {

QString durationWords(float duration)
{
    return reel::secondesInt2Str(int(duration + 0.5f));
}

// The picture's share of a target size.
int videoKbpsForSize(const Preset &preset, float duration, int sizeMB)
{
    const qint64 whole = reel::bitrateCalculator(duration, sizeMB);
    return int(whole * (100 - preset.containerPercent) / 100);
}

} // namespace

int minimumSizeMB(const Preset &preset, float duration)
{
    if (!(duration > 0))
        return 0;
    const double picture = double(preset.minVideoKbps) * 100 / (100 - preset.containerPercent);
    const double kilobits = (picture + kAudioKbps) * duration;
    int sizeMB = qMax(1, int(kilobits * 1000 / 8 / 1024 / 1024));
    // The estimate may fall a megabyte short of the calculator's own rounding.
    while (videoKbpsForSize(preset, duration, sizeMB) < preset.minVideoKbps && sizeMB < 1 << 20)
        ++sizeMB;
    return sizeMB;
}

BudgetPlan planBudget(const Preset &preset, const Budget &budget, float duration)
{
    BudgetPlan plan;
    if (!(duration > 0)) {
        plan.message = QStringLiteral("the duration of the source is unknown, so no size can be planned");
        return plan;
    }
    if (budget.mode == Budget::Mode::Bitrate) {
        if (budget.videoKbps < preset.minVideoKbps || budget.videoKbps > preset.maxVideoKbps) {
            plan.message = QStringLiteral("%1 kb/s is outside what %2 takes: %3 to %4 kb/s")
                               .arg(budget.videoKbps)
                               .arg(preset.id)
                               .arg(preset.minVideoKbps)
                               .arg(preset.maxVideoKbps);
            return plan;
        }
        plan.ok = true;
        plan.videoKbps = budget.videoKbps;
        plan.estimatedMB = reel::bitrate2MB(duration, budget.videoKbps + kAudioKbps);
        return plan;
    }

    if (budget.sizeMB <= 0) {
        plan.message = QStringLiteral("the target size must be at least 1 MB");
        return plan;
    }
    const int video = videoKbpsForSize(preset, duration, budget.sizeMB);
    if (video < preset.minVideoKbps) {
        const QString left = video > 0 ? QStringLiteral("it leaves %1 kb/s for the picture").arg(video)
                                       : QStringLiteral("the sound alone fills it");
        plan.message = QStringLiteral("%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s "
                                      "(about %6 MB)")
                           .arg(budget.sizeMB)
                           .arg(durationWords(duration), left, preset.id)
                           .arg(preset.minVideoKbps)
                           .arg(minimumSizeMB(preset, duration));
        return plan;
    }
    plan.ok = true;
    plan.estimatedMB = budget.sizeMB;
    plan.videoKbps = video;
    if (video > preset.maxVideoKbps) {
        plan.capped = true;
        plan.videoKbps = preset.maxVideoKbps;
        plan.estimatedMB = reel::bitrate2MB(duration, preset.maxVideoKbps + kAudioKbps);
        plan.message = QStringLiteral("%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5 MB")
                           .arg(budget.sizeMB)
                           .arg(video)
                           .arg(preset.id)
                           .arg(preset.maxVideoKbps)
                           .arg(plan.estimatedMB);
    }
    return plan;
}

} // namespace convert
