#include "model/plan.h"

#include "model/placement.h"

#include <reel/core.h>
#include <reel/files.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace convert {

namespace {

// The path with its folder resolved through every link; the last component
// as written when it does not exist yet.
QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString whole = info.canonicalFilePath();
    if (!whole.isEmpty())
        return whole;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

// Anything at path, a link included, dangling or not.
bool occupied(const QString &path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

bool isSameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat first = {};
    struct stat second = {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return canonicalPath(a) == canonicalPath(b);
}

QString outputPathFor(const SourceInfo &source, const Preset &preset, const QString &destination,
                      const QStringList &taken, bool skipExisting)
{
    const QString title = fileNameFromTitle(source.title);
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? title : QStringLiteral("%1 %2").arg(title).arg(number);
        const QString path = reel::stringByAppendingPathComponent(
            destination, reel::stringByAppendingPathExtension(name, preset.extension));
        if (isSameFile(path, source.path))
            continue;
        if (std::any_of(taken.cbegin(), taken.cend(), [&path](const QString &other) { return isSameFile(path, other); }))
            continue;
        if (skipExisting && occupied(path))
            continue;
        return path;
    }
}

int passCount(const JobSettings &job)
{
    return job.preset.family == Family::Mp4 && job.mode != Budget::Mode::Quality ? 2 : 1;
}

bool planJob(const SourceInfo &source, const Preset &preset, const Budget &budget, const JobChoices &choices,
             JobSettings *job, QString *problem)
{
    job->source = source;
    job->preset = preset;
    job->trim = choices.trim;
    if (!trimSource(&job->source, choices.trim, problem)) {
        *problem = QStringLiteral("%1: %2").arg(source.title, *problem);
        return false;
    }
    job->tracks = chooseTracks(source, preset, choices.tracksFor(source.path));
    if (!job->tracks.problem.isEmpty()) {
        *problem = QStringLiteral("%1: %2").arg(source.title, job->tracks.problem);
        return false;
    }
    const BudgetPlan budgetPlan = planBudget(preset, budget, job->source.duration, int(job->tracks.audio.size()));
    if (!budgetPlan.ok) {
        *problem = QStringLiteral("%1: %2").arg(source.title, budgetPlan.message);
        return false;
    }
    QStringList remarks = job->tracks.remarks;
    if (budgetPlan.capped)
        remarks << budgetPlan.message;
    if (!remarks.isEmpty())
        *problem = QStringLiteral("%1: %2").arg(source.title, remarks.join(QStringLiteral("; ")));
    job->mode = budgetPlan.mode;
    job->videoKbps = budgetPlan.videoKbps;
    job->crf = budgetPlan.crf;
    job->estimatedMB = budgetPlan.estimatedMB;
    // Two passes aim at a size, and the encoders count frames at one rate.
    // A device's screen is the largest frame unless the user gave one.
    PictureRequest picture = choices.picture;
    if (picture.maxWidth == 0 && picture.maxHeight == 0) {
        picture.maxWidth = preset.boxWidth;
        picture.maxHeight = preset.boxHeight;
    }
    job->picture = planPicture(source, preset, passCount(*job) > 1, picture);
    // A DVD's subpictures are placed on the frame they came with.
    if (preset.family == Family::DvdMpeg2 && picture.crop != PictureRequest::Crop::None
        && !job->tracks.subtitles.isEmpty()) {
        job->tracks.subtitles.clear();
        remarks << QCoreApplication::translate(
            "Plan", "its DVD subpictures are left out: they would not sit on a cropped picture");
        *problem = QStringLiteral("%1: %2").arg(source.title, remarks.join(QStringLiteral("; ")));
    }
    if (!job->picture.problem.isEmpty()) {
        *problem = QStringLiteral("%1: %2").arg(source.title, job->picture.problem);
        return false;
    }
    return true;
}

Plan planJobs(const QList<SourceInfo> &sources, const Preset &preset, const Budget &budget,
              const JobChoices &choices, const QString &destination, bool destinationMayBeMissing, const QStringList &protectedPaths,
              std::optional<int> freeMB)
{
    Plan plan;
    if (!reel::isDirectory(destination) && !(destinationMayBeMissing && !reel::testPresenceCocoa(destination))) {
        plan.problems << QCoreApplication::translate("Plan", "the destination %1 is not a folder").arg(destination);
        return plan;
    }
    // No output may be any source of the batch, not only its own.
    QStringList taken = protectedPaths;
    for (const SourceInfo &source : sources)
        taken << source.path;
    for (const SourceInfo &source : sources) {
        if (!source.usable()) {
            plan.problems << source.error;
            continue;
        }
        JobSettings job;
        QString problem;
        if (!planJob(source, preset, budget, choices, &job, &problem)) {
            plan.problems << problem;
            continue;
        }
        if (!problem.isEmpty())
            plan.remarks << problem;
        job.output = outputPathFor(source, preset, destination, taken);
        job.outputExists = occupied(job.output);
        taken << job.output;
        if (job.estimatedMB >= 0)
            plan.requiredMB += job.estimatedMB;
        else
            ++plan.unknownSizes;
        plan.jobs << job;
    }
    plan.freeMB = freeMB ? *freeMB : reel::espaceDiskDispo(destination);
    if (!plan.fitsOnDisk()) {
        plan.problems << QCoreApplication::translate("Plan", "the outputs need about %1 and %2 has %3 free")
                             .arg(sizeText(plan.requiredMB), destination, sizeText(plan.freeMB));
    }
    return plan;
}

} // namespace convert
