#include "model/runplan.h"

#include "model/tools.h"

#include <QCoreApplication>

namespace convert {

namespace {

// The converted titles, the disc folder and its image side by side.
constexpr double kDiscRoomFactor = 3;

bool refuse(RunPlan &run, RunPlan::Refusal refusal, const QString &problem = QString())
{
    run.refusal = refusal;
    if (!problem.isEmpty())
        run.plan.problems << problem;
    return false;
}

bool fitsTheDisc(const RunRequest &request, RunPlan &run, Budget &budget)
{
    // The disc holds the parts kept; a source the trim refuses is refused
    // again, with its reason, by its job.
    QList<SourceInfo> kept;
    for (SourceInfo source : request.sources) {
        QString ignored;
        if (trimSource(&source, request.choices.trim, &ignored))
            kept << source;
    }
    run.disc = planDiscBudget(kept, request.preset, request.budget, request.discSettings, request.choices);
    if (!run.disc.ok)
        return refuse(run, RunPlan::Refusal::DiscBudget, run.disc.problem);
    budget = run.disc.budget;
    QStringList videos;
    for (const SourceInfo &source : request.sources)
        videos << source.path;
    run.subtitles = subtitlesFor(videos, request.subtitleFiles, &run.subtitleProblems);
    for (SubtitleTrack &track : run.subtitles)
        track.cues = trimCues(track.cues, request.choices.trim);
    return true;
}

bool fitsTheDestination(const RunRequest &request, RunPlan &run)
{
    if (run.plan.jobs.size() != request.sources.size())
        return refuse(run, RunPlan::Refusal::Jobs);
    if (!run.plan.fitsOnDisk())
        return refuse(run, RunPlan::Refusal::NoRoom);
    const double needed = run.plan.requiredMB * kDiscRoomFactor;
    if (request.disc && run.plan.freeMB >= 0 && needed > run.plan.freeMB)
        return refuse(run, RunPlan::Refusal::NoRoomForDisc,
                      QCoreApplication::translate(
                          "RunPlan", "the videos, the disc folder and its image need about %1 and %2 has %3 free")
                          .arg(sizeText(needed), request.destination, sizeText(run.plan.freeMB)));
    return true;
}

void numberOutputsInTheWay(const RunRequest &request, QList<JobSettings> &jobs)
{
    QStringList taken;
    for (const SourceInfo &source : request.sources)
        taken << source.path;
    for (JobSettings &job : jobs) {
        if (job.outputExists) {
            job.output = outputPathFor(job.source, job.preset, request.destination, taken + QStringList{job.output}, true);
            job.outputExists = false;
        }
        taken << job.output;
    }
}

} // namespace

RunPlan planRun(const RunRequest &request)
{
    RunPlan run;
    if (!request.missingTools.isEmpty()) {
        refuse(run, RunPlan::Refusal::MissingTools, missingToolsMessage(request.missingTools));
        return run;
    }
    Budget budget = request.budget;
    if (request.disc && !fitsTheDisc(request, run, budget))
        return run;
    run.plan = planJobs(request.sources, request.preset, budget, request.choices, request.destination,
                        request.destinationMayBeMissing, request.protectedPaths, request.freeMB);
    if (!fitsTheDestination(request, run))
        return run;
    if (request.numberOutputsInTheWay)
        numberOutputsInTheWay(request, run.plan.jobs);
    for (JobSettings &job : run.plan.jobs) {
        job.normalize = request.normalize && job.tracks.hasAudio();
        job.verify = request.verify;
    }
    return run;
}

} // namespace convert
