#include "model/budget.h"

#include <reel/numbers.h>

#include <QCoreApplication>

namespace convert {

namespace {

constexpr double kBytesPerMB = 1024.0 * 1024.0;

QString durationWords(float duration)
{
    return reel::secondesInt2Str(int(duration + 0.5f));
}

// The picture's share of a target size. The calculator always sets one
// sound track's 192 kb/s aside; it goes back to the picture, and each sound
// track kept takes the preset's rate.
int videoKbpsForSize(const Preset &preset, float duration, int sizeMB, int soundTracks)
{
    const qint64 whole = reel::bitrateCalculator(duration, sizeMB) + kAudioKbps - qint64(preset.audioKbps) * soundTracks;
    return int(whole * (100 - preset.containerPercent) / 100);
}

} // namespace

Budget defaultBudget(const Preset &preset)
{
    Budget budget;
    if (preset.hasQualityMode()) {
        budget.mode = Budget::Mode::Quality;
        budget.crf = preset.defaultCrf;
    } else {
        budget.mode = Budget::Mode::Bitrate;
        budget.videoKbps = preset.defaultVideoKbps;
    }
    return budget;
}

double estimateMB(const Preset &preset, int videoKbps, float duration, int soundTracks)
{
    const double picture = double(videoKbps) * 100 / (100 - preset.containerPercent);
    const double kilobits = (picture + double(preset.audioKbps) * soundTracks) * double(duration);
    return kilobits * 1000 / 8 / kBytesPerMB;
}

int minimumSizeMB(const Preset &preset, float duration, int soundTracks)
{
    if (!(duration > 0))
        return 0;
    int sizeMB = qMax(1, int(estimateMB(preset, preset.minVideoKbps, duration, soundTracks)));
    // The estimate may fall a megabyte short of the calculator's own rounding.
    while (videoKbpsForSize(preset, duration, sizeMB, soundTracks) < preset.minVideoKbps && sizeMB < 1 << 20)
        ++sizeMB;
    return sizeMB;
}

BudgetPlan planBudget(const Preset &preset, const Budget &budget, float duration, int soundTracks)
{
    BudgetPlan plan;
    plan.mode = budget.mode;
    if (budget.mode == Budget::Mode::Quality) {
        if (!preset.hasQualityMode()) {
            plan.message =
                QCoreApplication::translate("Budget", "%1 has no quality mode (DVD players need a known bitrate): "
                                                      "give a target size or a bitrate")
                    .arg(preset.id);
            return plan;
        }
        if (budget.crf < kMinCrf || budget.crf > kMaxCrf) {
            plan.message = QCoreApplication::translate("Budget", "quality %1 is outside what %2 takes: %3 (best) to %4")
                               .arg(budget.crf)
                               .arg(preset.id)
                               .arg(kMinCrf)
                               .arg(kMaxCrf);
            return plan;
        }
        // The size depends on the picture alone, so the duration may be
        // unknown too.
        plan.ok = true;
        plan.crf = budget.crf;
        return plan;
    }
    if (!(duration > 0)) {
        plan.message =
            QCoreApplication::translate("Budget", "the duration of the source is unknown, so no size can be planned");
        return plan;
    }
    if (budget.mode == Budget::Mode::Bitrate) {
        if (budget.videoKbps < preset.minVideoKbps || budget.videoKbps > preset.maxVideoKbps) {
            plan.message = QCoreApplication::translate("Budget", "%1 kb/s is outside what %2 takes: %3 to %4 kb/s")
                               .arg(budget.videoKbps)
                               .arg(preset.id)
                               .arg(preset.minVideoKbps)
                               .arg(preset.maxVideoKbps);
            return plan;
        }
        plan.ok = true;
        plan.videoKbps = budget.videoKbps;
        plan.estimatedMB = estimateMB(preset, budget.videoKbps, duration, soundTracks);
        return plan;
    }

    if (budget.sizeMB <= 0) {
        plan.message = QCoreApplication::translate("Budget", "the target size must be at least 1 MB");
        return plan;
    }
    const int video = videoKbpsForSize(preset, duration, budget.sizeMB, soundTracks);
    if (video < preset.minVideoKbps) {
        const QString left = video > 0
                                 ? QCoreApplication::translate("Budget", "it leaves %1 kb/s for the picture").arg(video)
                                 : QCoreApplication::translate("Budget", "the sound alone fills it");
        plan.message = QCoreApplication::translate(
                           "Budget", "%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s "
                                     "(about %6 MB)")
                           .arg(budget.sizeMB)
                           .arg(durationWords(duration), left, preset.id)
                           .arg(preset.minVideoKbps)
                           .arg(minimumSizeMB(preset, duration, soundTracks));
        return plan;
    }
    plan.ok = true;
    plan.estimatedMB = budget.sizeMB;
    plan.videoKbps = video;
    if (video > preset.maxVideoKbps) {
        plan.capped = true;
        plan.videoKbps = preset.maxVideoKbps;
        plan.estimatedMB = estimateMB(preset, preset.maxVideoKbps, duration, soundTracks);
        plan.message = QCoreApplication::translate("Budget", "%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5")
                           .arg(budget.sizeMB)
                           .arg(video)
                           .arg(preset.id)
                           .arg(preset.maxVideoKbps)
                           .arg(QStringLiteral("%1 MB").arg(plan.estimatedMB, 0, 'f', 1));
    }
    return plan;
}

} // namespace convert
