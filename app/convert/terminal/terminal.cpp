#include "terminal/terminal.h"

#include "jobs/authoring.h"
#include "jobs/batch.h"
#include "jobs/logrouting.h"
#include "jobs/workfolder.h"
#include "model/command.h"
#include "model/disc.h"
#include "model/plan.h"
#include "model/runplan.h"
#include "model/subtitles.h"
#include "model/tools.h"
#include "probing/discovery.h"
#include "probing/probe.h"
#include "probing/sample.h"
#include "terminal/jsonevents.h"
#include "terminal/printing.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/numbers.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace convert {

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

// Ctrl-C cancels the batch (so the partial output goes) instead of killing
// the program; the previous handler comes back at the end.
class InterruptGuard {
public:
    InterruptGuard()
    {
        interrupted = 0;
        struct sigaction action = {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &action, &m_old[i]);
    }
    ~InterruptGuard()
    {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &m_old[i], nullptr);
    }

private:
    // Ctrl-C, a polite kill, the terminal going away, and the pipe the
    // output goes to closed (a closed terminal ends the reader first).
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
    struct sigaction m_old[std::size(kSignals)] = {};
};

enum class Answer { Yes, No, Interrupted };

Answer askYesNo(std::FILE *err, const QString &question)
{
    print(err, question + QLatin1Char(' ') + yesOrNo() + QLatin1Char(' '));
    char answer[16] = {};
    // Ctrl-C ends the read (the handler does not restart it): the run ends
    // there, as it does everywhere else.
    const bool read = std::fgets(answer, sizeof answer, stdin) != nullptr;
    if (interrupted)
        return Answer::Interrupted;
    if (!read)
        return Answer::No;
    return repliesYes(QString::fromLocal8Bit(answer)) ? Answer::Yes : Answer::No;
}

// Settles each existing output: replaced with --overwrite or a yes on a
// terminal; otherwise kept, and its job dropped. Returns the jobs to run;
// *stopped when Ctrl-C came at a question.
QList<JobSettings> settleExistingOutputs(QList<JobSettings> jobs, const Options &options, std::FILE *err, int *kept,
                                         bool *stopped)
{
    const bool canAsk = isatty(fileno(stdin)) && isatty(fileno(err));
    QList<JobSettings> toRun;
    for (JobSettings &job : jobs) {
        if (job.outputExists) {
            const QString question = QCoreApplication::translate("Terminal", "%1 exists. Replace it?").arg(job.output);
            const Answer answer = options.overwrite ? Answer::Yes : canAsk ? askYesNo(err, question) : Answer::No;
            if (answer == Answer::Interrupted) {
                *stopped = true;
                return {};
            }
            if (answer == Answer::Yes) {
                job.overwrite = true;
            } else {
                const QString hint =
                    canAsk ? QString() : QCoreApplication::translate("Terminal", " (give --overwrite to replace it)");
                complain(
                    err,
                    QCoreApplication::translate("Terminal", "%1 already exists and is kept%2").arg(job.output, hint));
                ++*kept;
                continue;
            }
        }
        toRun << job;
    }
    return toRun;
}

// The output folder, resolved so that the removal of a partial output never
// meets a link. Made when missing, except for a dry run, which changes
// nothing.
QString destinationFolder(const Options &options, std::FILE *out, std::FILE *err, bool *ok)
{
    *ok = true;
    const QString folder = options.outputDir.isNull() ? QDir::currentPath()
                                                      : reel::stringByExpandingTildeInPath(options.outputDir);
    if (!reel::isDirectory(folder)) {
        if (options.dryRun) {
            print(out, QCoreApplication::translate("Terminal",
                                                   "The output folder %1 does not exist yet; it would be made.\n")
                           .arg(folder));
            return QFileInfo(folder).absoluteFilePath();
        }
        if (!reel::mkdirCocoa(folder)) {
            complain(
                err,
                QCoreApplication::translate("Terminal", "cannot create the output folder %1").arg(options.outputDir));
            *ok = false;
            return QString();
        }
    }
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? folder : canonical;
}

QString budgetText(const JobSettings &job)
{
    if (job.mode == Budget::Mode::Quality)
        return QCoreApplication::translate("Terminal", "quality %1 (the size is not known in advance)").arg(job.crf);
    return QCoreApplication::translate("Terminal", "%1 kb/s picture, about %2")
        .arg(job.videoKbps)
        .arg(sizeText(job.estimatedMB));
}

void printJob(std::FILE *out, const JobSettings &job)
{
    print(out, QCoreApplication::translate("Terminal", "%1: %2 -> %3\n  picture: %4; %5\n  tracks: %6\n")
                   .arg(job.source.title, durationText(job.source.duration), job.output, job.picture.description,
                        budgetText(job), trackSummary(job.tracks)));
    if (job.trim.active())
        print(out, QCoreApplication::translate("Terminal", "  part: %1\n").arg(trimDescription(job.trim)));
    if (!job.source.titleNote.isEmpty())
        print(out, QCoreApplication::translate("Terminal", "  title: %1\n").arg(job.source.titleNote));
}

// The ffmpeg lines of a job, as a real run would start them.
void printDryRun(std::FILE *out, const JobSettings &job, const Options &options)
{
    const QString ffmpeg = toolPath(QStringLiteral("ffmpeg"));
    {
        if (job.outputExists) {
            print(out,
                  QCoreApplication::translate("Terminal", "  %1 exists and would be %2\n")
                      .arg(job.output, options.overwrite ? QCoreApplication::translate("Terminal", "replaced")
                                                         : QCoreApplication::translate(
                                                             "Terminal", "kept (give --overwrite to replace it)")));
        }
        if (job.normalize) {
            const QString wav = QStringLiteral("reelkit-sound.wav");
            print(out, QCoreApplication::translate("Terminal", "  sound: %1\n  normalize: %2\n")
                           .arg(shellLine(ffmpeg, soundArguments(job, wav)),
                                shellLine(toolPath(QStringLiteral("normalize")), {wav})));
        }
        JobSettings shown = job;
        if (job.normalize)
            shown.soundInput = QStringLiteral("reelkit-sound.wav");
        for (int pass = 1; pass <= passCount(job); ++pass) {
            print(out, QCoreApplication::translate("Terminal", "  ffmpeg pass %1 of %2: %3\n")
                           .arg(pass)
                           .arg(passCount(job))
                           .arg(shellLine(ffmpeg,
                                          passArguments(shown, pass, QStringLiteral("reelkit-passlog"), job.output))));
        }
    }
}

void printDisc(std::FILE *out, const QList<JobSettings> &jobs, const QHash<QString, SubtitleTrack> &subtitles,
               const DiscSettings &settings, const QString &destination)
{
    const DiscPaths paths = discPathsFor(destination, settings.name);
    const QString tool = isoTool();
    print(out, QCoreApplication::translate("Terminal", "disc: %1 of %2 in %3%4; %5\n")
                   .arg(discKindText(settings.dualLayer),
                        counted("Terminal", QT_TRANSLATE_N_NOOP("Terminal", "%n title(s)"), int(jobs.size())))
                   .arg(paths.folder,
                        tool.isEmpty()
                            ? QCoreApplication::translate("Terminal", " (no ISO image: install xorriso or genisoimage)")
                            : QCoreApplication::translate("Terminal", " and %1").arg(paths.iso),
                        settings.chapterMinutes > 0
                            ? counted("Terminal", QT_TRANSLATE_N_NOOP("Terminal", "a chapter every %n minute(s)"),
                                      settings.chapterMinutes, "a chapter every minute")
                            : QCoreApplication::translate("Terminal", "no chapters")));
    for (const JobSettings &job : jobs) {
        const auto track = subtitles.constFind(job.source.path);
        if (track == subtitles.cend())
            continue;
        // Left out: what could not be read, and what the disc cannot show.
        const int leftOut = track->skipped
                            + cuesForDisc(track->cues, qint64(double(job.source.duration) * 1000), discFrameMs(job.preset))
                                  .leftOut;
        print(out, counted("Terminal", QT_TRANSLATE_N_NOOP("Terminal", "  subtitles of %1: %2 (%n cue(s)%3%4)\n"),
                           int(track->cues.size()))
                       .arg(job.source.title, track->path)
                       .arg(track->encodingName.isEmpty() ? QString() : QStringLiteral(", ") + track->encodingName,
                            leftOut > 0 ? QCoreApplication::translate("Terminal", ", %n left out", nullptr, leftOut)
                                        : QString()));
    }
}

int makeDisc(const DiscJob &job, std::shared_ptr<WorkFolder> work, const QStringList &earlierProblems, std::FILE *out,
             std::FILE *err, JsonEvents &json, qint64 startedMs)
{
    DiscAuthoring disc(job);
    disc.setWorkFolder(std::move(work));
    DiscPrinter printer(disc, out, startedMs);
    QEventLoop loop;
    QObject::connect(&disc, &DiscAuthoring::stepChanged, &loop, [&](const QString &text) {
        printer.step(text);
        json.discStep(text);
    });
    QObject::connect(&disc, &DiscAuthoring::progressChanged, &loop, [&](float percent) {
        printer.progress(percent);
        json.discProgress(percent, (1 - kDiscShareOfRun) * 100 + kDiscShareOfRun * percent);
    });
    QObject::connect(&disc, &DiscAuthoring::finished, &loop, &QEventLoop::quit);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (interrupted)
            disc.cancel();
    });
    watch.start(100);
    disc.start();
    if (!disc.isDone())
        loop.exec();
    printer.endBar();
    json.discResult(disc);
    for (const QString &remark : disc.remarks())
        complain(err, remark);
    switch (disc.state()) {
    case DiscAuthoring::State::Finished:
        print(out, QCoreApplication::translate("Terminal", "disc: %1 (VIDEO_TS)%2\n")
                       .arg(disc.folder(), disc.image().isEmpty() ? QString() : QStringLiteral(", ") + disc.image()));
        if (!earlierProblems.isEmpty() || !disc.problems().isEmpty()) {
            // What was asked for and is missing makes the run a failure,
            // said last.
            complain(err, QCoreApplication::translate("Terminal", "the disc is not all that was asked for: %1")
                              .arg((earlierProblems + disc.problems()).join(QStringLiteral("; "))));
            return kExitFailed;
        }
        return kExitOk;
    case DiscAuthoring::State::Cancelled:
        print(out, QCoreApplication::translate("Terminal", "  cancelled; the unfinished disc was removed\n"));
        complain(err, QCoreApplication::translate("Terminal", "interrupted"));
        return kExitInterrupted;
    default:
        complain(err, QCoreApplication::translate("Terminal", "no disc: %1").arg(disc.error()));
        return kExitFailed;
    }
}

// What the options answer without converting anything: the help or the
// version.
std::optional<int> answerAtOnce(const Options &options, std::FILE *out)
{
    if (!options.error.isEmpty())
        return std::nullopt;
    if (options.help) {
        print(out, usageText(programName()));
        return kExitOk;
    }
    if (options.listPresets) {
        for (const Preset &preset : presets())
            print(out, presetSummary(preset) + QLatin1Char('\n'));
        const QList<SavedPreset> saved = savedPresets();
        if (!saved.isEmpty())
            print(out, QCoreApplication::translate("Terminal", "\nYours, in %1:\n").arg(savedPresetFolder()));
        for (const SavedPreset &preset : saved) {
            QStringList words = presetArguments(preset.words);
            print(out, QStringLiteral("%1 %2\n").arg(preset.name, -12).arg(words.join(QLatin1Char(' '))));
        }
        return kExitOk;
    }
    if (options.version) {
        print(out, QStringLiteral("%1 %2\n").arg(programName(), QStringLiteral(REELKIT_CONVERT_VERSION)));
        return kExitOk;
    }
    return std::nullopt;
}

// One run in the terminal, step by step; each step that ends the run gives
// its exit code.
class TerminalRun {
public:
    TerminalRun(const Options &options, std::FILE *out, std::FILE *err, JsonEvents &json)
        : m_options(options), m_out(out), m_err(err), m_json(json), m_preset(effectivePreset(options))
    {
    }

    int run(const QStringList &missingTools);

private:
    int interruptedExit();
    DiscSettings discSettings() const
    {
        return DiscSettings{m_options.dualLayer, m_options.chapterMinutes, m_options.discName};
    }
    std::optional<int> takeFiles(QStringList *files);
    std::optional<int> readSources(const QStringList &files);
    std::optional<int> plan(const QStringList &missingTools);
    std::optional<int> refusalExit();
    void printPlan();
    std::optional<int> settle(QList<JobSettings> *jobs, int *kept);
    int convert(const QList<JobSettings> &jobs, int kept);

    const Options &m_options;
    std::FILE *m_out;
    std::FILE *m_err;
    JsonEvents &m_json;
    const Preset m_preset;
    const RunLimits m_limits{kProbeTimeoutMs, [] { return interrupted != 0; }};
    QString m_destination;
    QList<SourceInfo> m_sources;
    RunPlan m_run;
};

int TerminalRun::interruptedExit()
{
    print(m_err, QStringLiteral("\n"));
    complain(m_err, QCoreApplication::translate("Terminal", "interrupted"));
    return kExitInterrupted;
}

int TerminalRun::run(const QStringList &missingTools)
{
    QStringList files = m_options.files;
    if (!m_options.presetNote.isEmpty())
        print(m_out, QCoreApplication::translate("Terminal", "preset: %1\n").arg(m_options.presetNote));
    if (!m_options.savePreset.isEmpty()) {
        QString error;
        const QString path = writeSavedPreset(SavedPreset{m_options.savePreset, m_options.presetWords}, &error);
        if (path.isEmpty()) {
            complain(m_err, QCoreApplication::translate("Terminal", "the preset %1 was not saved: %2")
                                .arg(m_options.savePreset, error));
            return kExitFailed;
        }
        print(m_out, QCoreApplication::translate("Terminal", "saved your preset '%1' in %2 (use it with -p '%1')\n")
                         .arg(m_options.savePreset, path));
        if (files.isEmpty())
            return kExitOk;
    }
    if (const auto exit = takeFiles(&files))
        return *exit;
    bool destinationOk = false;
    m_destination = destinationFolder(m_options, m_out, m_err, &destinationOk);
    if (!destinationOk)
        return kExitUsage;
    if (const auto exit = readSources(files))
        return *exit;
    if (const auto exit = plan(missingTools))
        return *exit;
    m_json.plan(m_run, m_destination, m_options.dryRun);
    printPlan();
    if (m_options.dryRun) {
        print(m_out, QCoreApplication::translate(
                         "Terminal", "Dry run: nothing was converted. A real run writes each output in a private work "
                                     "folder in the destination, checks it, and moves it into place at the end.\n"));
        return kExitOk;
    }
    QList<JobSettings> jobs;
    int kept = 0;
    if (const auto exit = settle(&jobs, &kept))
        return *exit;
    // What killed runs left in the destination goes before this run adds
    // its own work folder.
    const QString swept = sweepAbandonedWork(m_destination).text(m_destination);
    if (!swept.isEmpty())
        print(m_out, QCoreApplication::translate("Terminal", "note: %1\n").arg(swept));
    return convert(jobs, kept);
}

// The files given, or the built-in sample when there are none.
std::optional<int> TerminalRun::takeFiles(QStringList *files)
{
    if (!files->isEmpty())
        return std::nullopt;
    SampleClip settings;
    const QString sample = builtInSamplePath();
    QString error;
    print(m_out, QCoreApplication::translate(
                     "Terminal", "No file given: converting a %1-second sample made with ffmpeg's test sources.\n")
                     .arg(settings.seconds));
    if (!makeSampleClip(sample, settings, &error, RunLimits{120000, m_limits.cancelled})) {
        if (interrupted)
            return interruptedExit();
        complain(m_err, error);
        return kExitFailed;
    }
    *files << sample;
    return std::nullopt;
}

// Every source found and read; any that cannot be converted ends the run.
std::optional<int> TerminalRun::readSources(const QStringList &files)
{
    QStringList empty;
    QStringList unreadable;
    const QStringList found = discoverSources(files, &empty, m_limits.cancelled, &unreadable);
    bool sourcesOk = unreadable.isEmpty();
    for (const QString &problem : std::as_const(unreadable))
        complain(m_err, problem);
    for (const QString &folder : std::as_const(empty)) {
        complain(m_err, QCoreApplication::translate("Terminal", "no videos found in %1").arg(folder));
        sourcesOk = false;
    }
    for (const QString &file : found) {
        SourceInfo source = probeSource(file, m_limits);
        if (source.usable() && m_options.choices.picture.crop == PictureRequest::Crop::Auto)
            source.blackBars = measureBlackBars(source, m_limits);
        if (interrupted)
            return interruptedExit();
        if (!source.usable()) {
            complain(m_err, source.error);
            sourcesOk = false;
        }
        m_sources << source;
    }
    if (!sourcesOk)
        return kExitBadSource;
    return std::nullopt;
}

std::optional<int> TerminalRun::plan(const QStringList &missingTools)
{
    RunRequest request;
    request.sources = m_sources;
    request.preset = m_preset;
    request.budget = effectiveBudget(m_options, m_preset);
    request.choices = m_options.choices;
    request.destination = m_destination;
    request.destinationMayBeMissing = m_options.dryRun;
    request.missingTools = missingTools;
    request.freeMB = reel::espaceDiskDispo(m_destination);
    request.normalize = m_options.normalize;
    request.verify = m_options.verify;
    request.disc = m_options.disc;
    request.discSettings = discSettings();
    request.subtitleFiles = m_options.subtitles;
    // Unless --overwrite replaces them, outputs in the way of a disc's
    // titles are numbered.
    request.numberOutputsInTheWay = m_options.disc && !m_options.overwrite;
    m_run = planRun(request);
    return refusalExit();
}

// Says why the plan was refused, with the subtitles that cannot go on the
// disc first; the exit code when it was.
std::optional<int> TerminalRun::refusalExit()
{
    switch (m_run.refusal) {
    case RunPlan::Refusal::MissingTools:
        for (const QString &problem : std::as_const(m_run.plan.problems))
            complain(m_err, problem);
        return kExitMissingTool;
    case RunPlan::Refusal::DiscBudget: {
        complain(m_err, m_run.disc.problem);
        QStringList hints;
        if (m_run.disc.suggestedSizeMB > 0)
            hints << QStringLiteral("--size %1").arg(m_run.disc.suggestedSizeMB);
        if (m_run.disc.suggestDualLayer)
            hints << QStringLiteral("--dual-layer");
        if (!hints.isEmpty())
            print(m_err, QCoreApplication::translate("Terminal", "Give %1.\n")
                             .arg(hints.join(QCoreApplication::translate("Terminal", " or "))));
        return kExitUsage;
    }
    default:
        break;
    }
    for (const QString &problem : std::as_const(m_run.subtitleProblems))
        complain(m_err, problem);
    for (const QString &problem : std::as_const(m_run.plan.problems))
        complain(m_err, problem);
    switch (m_run.refusal) {
    case RunPlan::Refusal::Jobs:
        return kExitUsage;
    case RunPlan::Refusal::NoRoom:
    case RunPlan::Refusal::NoRoomForDisc:
        return kExitFailed;
    default:
        return std::nullopt;
    }
}

void TerminalRun::printPlan()
{
    for (const QString &remark : std::as_const(m_run.plan.remarks))
        print(m_out, QCoreApplication::translate("Terminal", "note: %1\n").arg(remark));
    for (const JobSettings &job : std::as_const(m_run.plan.jobs)) {
        printJob(m_out, job);
        if (m_options.dryRun)
            printDryRun(m_out, job, m_options);
    }
    if (m_options.disc)
        printDisc(m_out, m_run.plan.jobs, m_run.subtitles, discSettings(), m_destination);
}

// The outputs that exist replaced or kept; the jobs left to run.
std::optional<int> TerminalRun::settle(QList<JobSettings> *jobs, int *kept)
{
    bool stopped = false;
    *jobs = settleExistingOutputs(m_run.plan.jobs, m_options, m_err, kept, &stopped);
    if (stopped || interrupted)
        return interruptedExit();
    if (jobs->isEmpty())
        return kExitOutputExists;
    return std::nullopt;
}

// The batch run to its end, then the disc when one was asked for.
int TerminalRun::convert(const QList<JobSettings> &jobs, int kept)
{
    ConversionBatch batch(jobs);
    ProgressPrinter printer(batch, m_out, m_options.disc ? 1 - kDiscShareOfRun : 1.0f);
    QEventLoop loop;
    QObject::connect(&batch, &ConversionBatch::jobStarted, &loop, [&](int i) { printer.jobStarted(i); });
    QObject::connect(&batch, &ConversionBatch::progressChanged, &loop, [&](int i, float job, float overall) {
        printer.progress(i, job, overall);
        m_json.progress(batch, i, job, overall * (m_options.disc ? 1 - kDiscShareOfRun : 1.0f));
    });
    QObject::connect(&batch, &ConversionBatch::jobFinished, &loop, [&](int i) {
        printer.jobFinished(i, m_err, batch.job(i)->verified());
        m_json.result(batch, i);
    });
    std::shared_ptr<WorkFolder> work;
    QObject::connect(&batch, &ConversionBatch::finished, &loop, [&] {
        work = batch.workFolder();
        loop.quit();
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (interrupted)
            batch.cancel();
    });
    watch.start(100);
    batch.start();
    if (batch.isRunning())
        loop.exec();
    m_json.countBatch(batch);

    print(m_out, QCoreApplication::translate("Terminal", "%1 of %2 converted%3 in %4, into %5\n")
                     .arg(batch.finishedCount())
                     .arg(jobs.size())
                     .arg(m_options.verify ? QCoreApplication::translate("Terminal", " and verified")
                                           : QCoreApplication::translate("Terminal", " (not verified)"),
                          timeText(batch.elapsedMs() / 1000), m_destination));
    if (batch.wasCancelled())
        return interruptedExit();
    if (!batch.failures().isEmpty()) {
        if (m_options.disc)
            complain(m_err, QCoreApplication::translate("Terminal", "no disc: not every video was converted"));
        return kExitFailed;
    }
    if (!m_options.disc)
        return kept > 0 ? kExitOutputExists : kExitOk;
    // The titles as the jobs placed them (a name taken meanwhile gives a
    // numbered one).
    QList<JobSettings> placed;
    for (int i = 0; i < batch.count(); ++i)
        placed << batch.job(i)->settings();
    return makeDisc(discJobFor(placed, m_run.subtitles, discSettings(), m_destination),
                    std::move(work), m_run.subtitleProblems, m_out, m_err, m_json, batch.elapsedMs());
}

} // namespace

namespace {

int convertInTerminal(const Options &options, std::FILE *out, std::FILE *err, JsonEvents &json)
{
    if (!options.error.isEmpty()) {
        complain(err, options.error);
        print(err, QCoreApplication::translate("Terminal", "Try '%1 --help'.\n").arg(programName()));
        return kExitUsage;
    }
    if (options.debug)
        reel::setDEBUG(1);
    LogRouting logRouting(options.debug);
    // Without them no source can even be read.
    const QStringList missing = missingTools();
    if (!missing.isEmpty()) {
        complain(err, missingToolsMessage(missing));
        return kExitMissingTool;
    }
    // From here on Ctrl-C ends what runs (a probe, the sample, a
    // conversion) and the program says so.
    InterruptGuard guard;
    return TerminalRun(options, out, err, json).run(missing);
}

} // namespace

int runTerminal(const Options &options, std::FILE *out, std::FILE *err)
{
    if (const auto answer = answerAtOnce(options, out))
        return *answer;
    // With --json, standard output holds the events alone: what a person
    // reads goes where the problems go.
    JsonEvents json(options.json ? out : nullptr);
    ComplaintRecord complaints;
    const int code = convertInTerminal(options, options.json ? err : out, err, json);
    json.summary(code, complaints.texts);
    return code;
}

} // namespace convert
