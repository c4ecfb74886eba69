#include "jobs/authoring.h"

#include "model/placement.h"
#include "model/tools.h"
#include "model/verify.h"
#include "probing/toolfonts.h"
#include "probing/toolrun.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace convert {

namespace {

// spumux renders every cue into memory; a hostile subtitle file must not
// take the machine with it.
constexpr rlim_t kSpumuxMemoryBytes = rlim_t(1024) * 1024 * 1024;
// spumux copies the title once: a few minutes for a DVD's worth from a
// slow stick, more only when something is wrong.
constexpr int kSpumuxBaseSeconds = 120;
constexpr double kSpumuxSecondsPerMB = 0.5;
// Reading a title back decodes it, which costs more than the authoring's
// copy.
constexpr double kCheckWeight = 0.5;
// A title read back may end this far from its video: the program stream's
// start offset and the last sound frame.
constexpr double kTitleToleranceSeconds = 0.6;

double sizeMB(const QString &path)
{
    return std::max(reel::poidsFile(path, QStringLiteral("M")), 0.01);
}

bool writeUtf8(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The line that says why a tool failed: dvdauthor's and spumux's "ERR:",
// xorriso's "FAILURE", else the last line that is not the tools' standing
// words (their name and version, build options, where to send bug reports).
QString failureReason(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("ERR:")))
            return line.mid(4).trimmed();
        if (line.contains(QLatin1String(": FAILURE :")))
            return line.mid(line.indexOf(QLatin1String(": FAILURE :")) + 11).trimmed();
    }
    static const QRegularExpression standing(
        QStringLiteral("bug report|^Build options|^DVDAuthor::|, version \\d|^INFO:|^STAT:"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!standing.match(*line).hasMatch())
            return *line;
    }
    return QString();
}

bool anySubtitles(const DiscJob &job)
{
    return std::any_of(job.titles.cbegin(), job.titles.cend(), [](const DiscTitle &title) { return !title.cues.isEmpty(); });
}

} // namespace

DiscJob discJobFor(const QList<JobSettings> &jobs, const QHash<QString, SubtitleTrack> &subtitles,
                   const DiscSettings &settings, const QString &destination)
{
    DiscJob disc;
    disc.settings = settings;
    disc.destination = destination;
    for (const JobSettings &job : jobs) {
        disc.preset = job.preset;
        DiscTitle title;
        title.mpeg = job.output;
        title.title = job.source.title;
        title.duration = job.source.duration;
        title.aspect = job.picture.aspect;
        title.audioLanguages = discLanguages(job);
        title.subpictureLanguages = discLanguages(job, true);
        const auto track = subtitles.constFind(job.source.path);
        if (track != subtitles.cend()) {
            title.subtitlePath = track->path;
            title.cues = track->cues;
        }
        disc.titles << title;
    }
    return disc;
}

DiscAuthoring::DiscAuthoring(const DiscJob &job, QObject *parent) : ToolProcess("disc", "disc tool", parent), m_job(job)
{
}

DiscAuthoring::~DiscAuthoring()
{
    if (state() != State::Running)
        return;
    killTool();
    removeUnfinished();
}

QString DiscAuthoring::titleFile(int title, const QString &suffix) const
{
    return reel::stringByAppendingPathComponent(m_scratch, QStringLiteral("title-%1%2").arg(title + 1, 2, 10, QLatin1Char('0')).arg(suffix));
}

QStringList DiscAuthoring::titleVobs(int title) const
{
    // One titleset per title: VTS_01_1.VOB, VTS_01_2.VOB... past 1 GB.
    const QString prefix = QStringLiteral("VTS_%1_").arg(title + 1, 2, 10, QLatin1Char('0'));
    QStringList vobs;
    for (int part = 1; part <= 9; ++part) {
        const QString name = QStringLiteral("DVD/VIDEO_TS/%1%2.VOB").arg(prefix).arg(part);
        if (!reel::testPresenceC(reel::stringByAppendingPathComponent(m_scratch, name)))
            break;
        vobs << name;
    }
    return vobs;
}

void DiscAuthoring::start()
{
    if (!begin())
        return;
    if (m_job.titles.isEmpty()) {
        finish(State::Failed, said("Authoring", QT_TRANSLATE_NOOP("Authoring", "a disc needs at least one video")));
        return;
    }
    if (m_job.titles.size() > kMaxDiscTitles) {
        finish(State::Failed,
               said("Authoring", QT_TRANSLATE_NOOP("Authoring", "a disc holds at most %1 titles")).arg(kMaxDiscTitles));
        return;
    }
    if (!toolsAreThere() || !makeScratch())
        return;
    planSteps();
    runStep(0);
}

bool DiscAuthoring::toolsAreThere()
{
    QStringList needed{QStringLiteral("dvdauthor"), QStringLiteral("ffmpeg")};
    if (anySubtitles(m_job))
        needed << QStringLiteral("spumux");
    QStringList missing;
    for (const QString &tool : std::as_const(needed)) {
        if (!reel::testPresenceCocoa(toolPath(tool)))
            missing << tool;
    }
    if (!missing.isEmpty()) {
        finish(State::Failed, missingTools(missing));
        return false;
    }
    reel::logDebug(reel::LogLabel("disc"), ": dvdauthor %@, spumux %@",
                   QString::number(reel::versionSpumuxDvdauthor(false)),
                   QString::number(reel::versionSpumuxDvdauthor(true)));
    return true;
}

// The run's private folder beside the disc's place: the disc is moved there
// whole at the end.
bool DiscAuthoring::makeScratch()
{
    std::shared_ptr<WorkFolder> &folder = work();
    if (!folder) {
        Said error;
        folder = WorkFolder::create(m_job.destination, &error);
        if (!folder) {
            finish(State::Failed, error);
            return false;
        }
    }
    m_scratch = folder->uniqueFile(QStringLiteral("disc"), QString());
    if (!QDir().mkdir(m_scratch)) {
        finish(State::Failed,
               said("Authoring", QT_TRANSLATE_NOOP("Authoring", "cannot make a folder in %1")).arg(folder->path()));
        return false;
    }
    m_partialDisc = reel::stringByAppendingPathComponent(m_scratch, QStringLiteral("DVD"));
    m_partialImage = m_partialDisc + QStringLiteral(".iso");
    if (anySubtitles(m_job)) {
        Said error;
        if (!prepareToolFonts(&error))
            m_remarks << said("Authoring",
                              QT_TRANSLATE_NOOP("Authoring",
                                                "the fonts configuration for the subtitles could not be made (%1); "
                                                "spumux uses the system's"))
                             .arg(error)
                             .shown;
    }
    return true;
}

// The steps, each weighed by the megabytes its tool goes through.
void DiscAuthoring::planSteps()
{
    double totalMB = 0;
    for (int i = 0; i < m_job.titles.size(); ++i) {
        const double mb = sizeMB(m_job.titles.at(i).mpeg);
        totalMB += mb;
        m_subtitled << false;
        if (!m_job.titles.at(i).cues.isEmpty())
            m_steps << Step{Kind::Subtitles, i, mb};
    }
    m_steps << Step{Kind::Authoring, -1, totalMB};
    for (int i = 0; i < m_job.titles.size(); ++i)
        m_steps << Step{Kind::CheckTitle, i, sizeMB(m_job.titles.at(i).mpeg) * kCheckWeight};
    if (m_job.makeImage) {
        m_isoTool = isoTool();
        if (m_isoTool.isEmpty()) {
            m_remarks << said("Authoring",
                              QT_TRANSLATE_NOOP("Authoring",
                                                "no ISO image: neither genisoimage nor xorriso is installed"))
                             .shown;
        } else {
            m_steps << Step{Kind::Image, -1, totalMB};
            if (!QStandardPaths::findExecutable(QStringLiteral("xorriso")).isEmpty())
                m_steps << Step{Kind::CheckImage, -1, 0.01};
        }
    }
    for (const Step &step : std::as_const(m_steps))
        m_totalWeight += step.weight;
}

void DiscAuthoring::runStep(int index)
{
    m_step = index;
    if (index >= m_steps.size()) {
        finishDisc();
        return;
    }
    const Step &step = m_steps.at(index);
    switch (step.kind) {
    case Kind::Subtitles:
        startSubtitles(step);
        return;
    case Kind::Authoring:
        startAuthoring();
        return;
    case Kind::CheckTitle:
        startTitleCheck(step);
        return;
    case Kind::Image:
        startImage();
        return;
    case Kind::CheckImage:
        startImageCheck();
        return;
    }
}

// Says what the step does; false when whoever was told cancelled the disc.
bool DiscAuthoring::announce(const QString &text)
{
    m_stepText = text;
    emit stepChanged(m_stepText);
    return !isDone();
}

void DiscAuthoring::startSubtitles(const Step &step)
{
    const DiscTitle &title = m_job.titles.at(step.title);
    if (!announce(said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Rendering the subtitles of \"%1\""))
                      .arg(title.title)
                      .shown))
        return;
    const QList<Cue> cues = cuesForDisc(title.cues, qint64(double(title.duration) * 1000), discFrameMs(m_job.preset)).cues;
    const QString srt = titleFile(step.title, QStringLiteral(".srt"));
    const QString xml = titleFile(step.title, QStringLiteral("-subtitles.xml"));
    if (cues.isEmpty()) {
        m_remarks << said(
                         "Authoring",
                         QT_TRANSLATE_NOOP(
                             "Authoring", "the subtitles %1 have no cue within \"%2\"; it is on the disc without them"))
                         .arg(title.subtitlePath, title.title)
                         .shown;
        stepDone();
        return;
    }
    if (!writeUtf8(srt, writeSrt(cues)) || !writeUtf8(xml, spumuxXml(reel::lastPathComponent(srt), m_job.preset, subtitleFontFor(cues, m_job.preset, &m_remarks)))) {
        finish(State::Failed, said("Authoring", QT_TRANSLATE_NOOP("Authoring", "cannot write in %1")).arg(m_scratch));
        return;
    }
    QProcess *tool = startTool(toolPath(QStringLiteral("spumux")),
                               {QStringLiteral("-m"), QStringLiteral("dvd"), QStringLiteral("-s"),
                                QString::number(title.subpictureLanguages.size()),
                                reel::lastPathComponent(xml)});
    tool->setStandardInputFile(title.mpeg);
    tool->setStandardOutputFile(titleFile(step.title, QStringLiteral("-subtitled.mpg")));
    tool->setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const struct rlimit memory = {kSpumuxMemoryBytes, kSpumuxMemoryBytes};
        ::setrlimit(RLIMIT_AS, &memory);
    });
    const int limitMs = int((kSpumuxBaseSeconds + kSpumuxSecondsPerMB * step.weight) * 1000);
    QTimer::singleShot(limitMs, tool, [this, tool, limitMs] {
        if (tool != process() || tool->state() == QProcess::NotRunning)
            return;
        output().keep(QStringLiteral("ERR: spumux took longer than %1 s and was stopped").arg(limitMs / 1000));
        tool->kill();
    });
    tool->start();
}

void DiscAuthoring::startAuthoring()
{
    if (!announce(said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Authoring the DVD")).shown) || !prepareAuthoring())
        return;
    QProcessEnvironment environment = toolProcessEnvironment();
    // dvdauthor's default frame size and rate when a stream leaves it open.
    environment.insert(QStringLiteral("VIDEO_FORMAT"), dvdFormat(m_job.preset).toUpper());
    QProcess *tool = startTool(toolPath(QStringLiteral("dvdauthor")), {QStringLiteral("-x"), QStringLiteral("dvdauthor.xml")});
    tool->setProcessEnvironment(environment);
    tool->setProcessChannelMode(QProcess::MergedChannels);
    tool->start();
}

void DiscAuthoring::startTitleCheck(const Step &step)
{
    if (!announce(said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Reading back \"%1\""))
                      .arg(m_job.titles.at(step.title).title)
                      .shown))
        return;
    const QStringList vobs = titleVobs(step.title);
    if (vobs.isEmpty()) {
        finish(State::Failed, said("Authoring", QT_TRANSLATE_NOOP("Authoring", "dvdauthor made no video for \"%1\""))
                                  .arg(m_job.titles.at(step.title).title));
        return;
    }
    m_decodedSeconds = 0;
    // Names relative to the folder: no "|" of a path breaks the list.
    QProcess *tool = startTool(toolPath(QStringLiteral("ffmpeg")), decodeArguments(QStringLiteral("concat:") + vobs.join(QLatin1Char('|'))));
    tool->setStandardOutputFile(QProcess::nullDevice());
    tool->start();
}

void DiscAuthoring::startImage()
{
    if (!announce(said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Making the ISO image")).shown))
        return;
    QProcess *tool = startTool(m_isoTool, isoArguments(m_isoTool, m_partialDisc, m_partialImage, volumeLabel(m_job.settings.name)));
    tool->setProcessChannelMode(QProcess::MergedChannels);
    tool->start();
}

void DiscAuthoring::startImageCheck()
{
    if (!announce(said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Reading back the ISO image")).shown))
        return;
    if (!reel::testPresenceC(m_partialImage)) {
        stepDone();
        return;
    }
    m_listing.clear();
    QProcess *tool = startTool(QStandardPaths::findExecutable(QStringLiteral("xorriso")),
                               {QStringLiteral("-indev"), m_partialImage, QStringLiteral("-find"), QStringLiteral("/"),
                                QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-exec"), QStringLiteral("lsdl")});
    connect(tool, &QProcess::readyReadStandardOutput, this, [this, tool] { m_listing += tool->readAllStandardOutput(); });
    tool->start();
}

// A tool made ready in the disc's folder; the caller starts it.
QProcess *DiscAuthoring::startTool(const QString &program, const QStringList &arguments)
{
    QProcess *tool = prepareTool(program, arguments);
    tool->setWorkingDirectory(m_scratch);
    return tool;
}

QStringList DiscAuthoring::problems() const
{
    QStringList shown;
    for (const Said &problem : m_problems)
        shown << problem.shown;
    return shown;
}

Said DiscAuthoring::notStartedText(const QString &program, const QString &) const
{
    return said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 could not be started"))
        .arg(reel::lastPathComponent(program));
}

void DiscAuthoring::toolLine(const QString &line)
{
    if (m_step < 0 || m_step >= m_steps.size())
        return;
    if (progressLine(m_steps.at(m_step), line))
        return;
    if (line.startsWith(QLatin1String("INFO:")) || line.startsWith(QLatin1String("STAT:")))
        return;
    output().keep(line);
}

// Whether the line was the step's progress (or, reading a title back, no
// error), and read as such.
bool DiscAuthoring::progressLine(const Step &step, const QString &line)
{
    switch (step.kind) {
    case Kind::Subtitles: {
        // "STAT: 0:00:01.440", several to a line.
        static const QRegularExpression at(QStringLiteral("STAT: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
        QRegularExpressionMatchIterator matches = at.globalMatch(line);
        double seconds = -1;
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            seconds = match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60
                      + match.captured(3).toDouble();
        }
        const float duration = m_job.titles.at(step.title).duration;
        if (seconds < 0 || !(duration > 0))
            return false;
        setStepProgress(float(seconds / double(duration)));
        return true;
    }
    case Kind::Authoring: {
        if (!line.contains(reel::progressDvdauthorGrepStr()))
            return false;
        // Counted again in each titleset.
        const double mb = reel::progressDvdauthor(line);
        if (mb < m_titlesetMB)
            m_authoredMB += m_titlesetMB;
        m_titlesetMB = mb;
        setStepProgress(float((m_authoredMB + m_titlesetMB) / step.weight));
        return true;
    }
    case Kind::CheckTitle: {
        if (line.contains(reel::progressFfmpegGrepStr())) {
            const float seconds = reel::progressFfmpeg(line);
            m_decodedSeconds = std::max(m_decodedSeconds, double(seconds));
            const float duration = m_job.titles.at(step.title).duration;
            if (duration > 0)
                setStepProgress(seconds / duration);
            return true;
        }
        return !isDecodeError(line);
    }
    case Kind::Image: {
        static const QRegularExpression done(QStringLiteral("(\\d+(?:\\.\\d+)?)% done"));
        const QRegularExpressionMatch match = done.match(line);
        if (!match.hasMatch())
            return false;
        setStepProgress(float(match.captured(1).toDouble() / 100));
        return true;
    }
    case Kind::CheckImage:
        break;
    }
    return false;
}

void DiscAuthoring::setStepProgress(float fraction)
{
    if (m_totalWeight <= 0)
        return;
    const double step = m_steps.at(m_step).weight * double(std::clamp(fraction, 0.0f, 1.0f));
    // 100 waits for the disc to be in place.
    setProgress(std::min(float((m_doneWeight + step) / m_totalWeight * 100), 99.9f));
}

Said DiscAuthoring::toolReason(int exitCode, QProcess::ExitStatus status) const
{
    const QString tool = reel::lastPathComponent(process()->program());
    QString reason = failureReason(output().lastWords());
    if (!output().writeFailure().isEmpty())
        reason = output().writeFailure();
    Said told;
    if (status != QProcess::NormalExit)
        told = said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 crashed (%2)"))
                   .arg(tool, QString::fromLocal8Bit(::strsignal(exitCode)));
    else if (exitCode != 0)
        told = said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 failed with code %2")).arg(tool).arg(exitCode);
    else
        told = said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 could not write")).arg(tool);
    if (!reason.isEmpty())
        told = told + untranslated(QStringLiteral(": ") + reason);
    // A full disk, which dvdauthor reports as "Error 0 -- Success".
    return told + fullDiskHint(m_job.destination);
}

void DiscAuthoring::toolEnded(int exitCode, QProcess::ExitStatus status)
{
    const bool ok = status == QProcess::NormalExit && exitCode == 0 && output().writeFailure().isEmpty();
    const Step step = m_steps.at(m_step);
    switch (step.kind) {
    case Kind::Subtitles:
        subtitlesEnded(step, ok, exitCode, status);
        break;
    case Kind::Authoring:
        if (!ok || !reel::testPresenceCocoa(m_partialDisc + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"))) {
            finish(State::Failed, toolReason(exitCode, status));
            return;
        }
        break;
    case Kind::CheckTitle:
        if (!titleReadsBack(step, exitCode, status))
            return;
        break;
    case Kind::Image:
        if (!ok || !(reel::poidsFile(m_partialImage, QStringLiteral("O")) > 0)) {
            m_problems << said("Authoring", QT_TRANSLATE_NOOP("Authoring", "the ISO image could not be made: %1"))
                              .arg(toolReason(exitCode, status));
            reel::rmCocoa(m_partialImage);
        }
        break;
    case Kind::CheckImage: {
        const Said problem = ok ? imageProblem() : toolReason(exitCode, status);
        if (!problem.isEmpty()) {
            m_problems << said("Authoring",
                               QT_TRANSLATE_NOOP("Authoring", "the ISO image does not read back (%1); it was removed"))
                              .arg(problem);
            reel::rmCocoa(m_partialImage);
        }
        break;
    }
    }
    stepDone();
}

// Subtitles that spumux could not render leave their title without them.
void DiscAuthoring::subtitlesEnded(const Step &step, bool ok, int exitCode, QProcess::ExitStatus status)
{
    const QString rendered = titleFile(step.title, QStringLiteral("-subtitled.mpg"));
    const DiscTitle &title = m_job.titles.at(step.title);
    if (ok && reel::poidsFile(rendered, QStringLiteral("O")) > 0) {
        m_subtitled[step.title] = true;
        return;
    }
    m_problems << said("Authoring", QT_TRANSLATE_NOOP("Authoring", "the subtitles %1 could not be put on \"%2\": %3"))
                      .arg(title.subtitlePath, title.title)
                      .arg(toolReason(exitCode, status));
    reel::rmCocoa(rendered);
}

bool DiscAuthoring::titleReadsBack(const Step &step, int exitCode, QProcess::ExitStatus status)
{
    const DiscTitle &title = m_job.titles.at(step.title);
    const QStringList words = output().lastWords();
    Said problem;
    if (status != QProcess::NormalExit || exitCode != 0 || !words.isEmpty())
        problem = words.isEmpty()
                      ? said("Authoring", QT_TRANSLATE_NOOP("Authoring", "ffmpeg failed with code %1")).arg(exitCode)
                      : untranslated(words.first());
    else if (title.duration > 0 && m_decodedSeconds < double(title.duration) - kTitleToleranceSeconds)
        problem = said("Authoring", QT_TRANSLATE_NOOP("Authoring", "it plays %1 s of %2 s"))
                      .arg(QString::number(m_decodedSeconds, 'f', 1), QString::number(double(title.duration), 'f', 1));
    if (problem.isEmpty())
        return true;
    finish(State::Failed,
           said("Authoring", QT_TRANSLATE_NOOP("Authoring", "the disc's title \"%1\" does not read back (%2)"))
                   .arg(untranslated(title.title))
                   .arg(problem)
               + fullDiskHint(m_job.destination));
    return false;
}

Said DiscAuthoring::imageProblem() const
{
    // xorriso's lsdl: "-rw-r--r--  1 0  0  12288 Dec  7 16:07 '/VIDEO_TS/VIDEO_TS.IFO'".
    static const QRegularExpression entry(QStringLiteral("^\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s.*'([^']+)'\\s*$"));
    QHash<QString, qint64> listed;
    for (const QString &line : QString::fromUtf8(m_listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = entry.match(line);
        if (match.hasMatch())
            listed.insert(match.captured(2).toUpper(), match.captured(1).toLongLong());
    }
    qint64 total = 0;
    for (const QString &folder : {QStringLiteral("VIDEO_TS"), QStringLiteral("AUDIO_TS")}) {
        const QString path = reel::stringByAppendingPathComponent(m_partialDisc, folder);
        for (const QFileInfo &file : QDir(path).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const QString name = QStringLiteral("/%1/%2").arg(folder, file.fileName()).toUpper();
            total += file.size();
            if (!listed.contains(name))
                return said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 is missing from it")).arg(name.mid(1));
            if (listed.value(name) != file.size())
                return said("Authoring", QT_TRANSLATE_NOOP("Authoring", "%1 holds %2 of %3 bytes"))
                    .arg(name.mid(1))
                    .arg(listed.value(name))
                    .arg(file.size());
        }
    }
    const double imageBytes = reel::poidsFile(m_partialImage, QStringLiteral("O"));
    if (imageBytes < double(total))
        return said("Authoring", QT_TRANSLATE_NOOP("Authoring", "it holds %1 bytes for %2 of files"))
            .arg(qint64(imageBytes))
            .arg(total);
    return Said{};
}

void DiscAuthoring::stepDone()
{
    m_doneWeight += m_steps.at(m_step).weight;
    setStepProgress(0);
    runStep(m_step + 1);
}

bool DiscAuthoring::prepareAuthoring()
{
    QList<AuthoredTitle> titles;
    for (int i = 0; i < m_job.titles.size(); ++i) {
        const DiscTitle &title = m_job.titles.at(i);
        // Short names in the folder keep any path out of the XML.
        const QString link = titleFile(i, QStringLiteral(".mpg"));
        const QString target = m_subtitled.at(i) ? titleFile(i, QStringLiteral("-subtitled.mpg"))
                                                 : QFileInfo(title.mpeg).absoluteFilePath();
        if (!reel::ln_sCocoa(target, link)) {
            finish(State::Failed,
                   said("Authoring", QT_TRANSLATE_NOOP("Authoring", "cannot write in %1")).arg(m_scratch));
            return false;
        }
        AuthoredTitle authored;
        authored.mpeg = reel::lastPathComponent(link);
        authored.aspect = title.aspect;
        authored.chapters = chapterMarks(title.duration, m_job.settings.chapterMinutes);
        authored.subtitled = m_subtitled.at(i);
        authored.audioLanguages = title.audioLanguages;
        authored.subpictureLanguages = title.subpictureLanguages;
        titles << authored;
    }
    const QString xml = dvdauthorXml(QStringLiteral("DVD"), titles, dvdFormat(m_job.preset));
    if (!writeUtf8(reel::stringByAppendingPathComponent(m_scratch, QStringLiteral("dvdauthor.xml")), xml)) {
        finish(State::Failed, said("Authoring", QT_TRANSLATE_NOOP("Authoring", "cannot write in %1")).arg(m_scratch));
        return false;
    }
    return true;
}

void DiscAuthoring::finishDisc()
{
    m_stepText = said("Authoring", QT_TRANSLATE_NOOP("Authoring", "Putting the disc in place")).shown;
    // Folders made private while unfinished open like the user's others.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(m_partialDisc).constData(), 0777 & ~mask);
    const bool withImage = reel::testPresenceC(m_partialImage);
    const DiscPaths paths = discPathsFor(m_job.destination, m_job.settings.name);
    // Named by the first number free for both, never replacing a disc made
    // meanwhile.
    const Placement disc = placeItem(m_partialDisc, paths.folder, false, [](const QString &folder) {
        struct stat st = {};
        return ::lstat(QFile::encodeName(folder + QStringLiteral(".iso")).constData(), &st) == 0;
    });
    if (!disc.ok()) {
        finish(State::Failed,
               said("Authoring", QT_TRANSLATE_NOOP("Authoring", "the disc could not be moved into %1: %2"))
                   .arg(untranslated(m_job.destination))
                   .arg(Said{disc.error, disc.errorInEnglish}));
        return;
    }
    m_folder = disc.path;
    if (withImage) {
        const Placement image = placeItem(m_partialImage, m_folder + QStringLiteral(".iso"), false);
        if (image.ok())
            m_image = image.path;
        else
            m_problems << said("Authoring",
                               QT_TRANSLATE_NOOP("Authoring", "the ISO image could not be moved beside the disc: %1"))
                              .arg(Said{image.error, image.errorInEnglish});
    }
    setProgress(100);
    finish(State::Finished, Said{});
}

void DiscAuthoring::finishing(State)
{
    for (const Said &problem : std::as_const(m_problems))
        reel::logAlways(reel::LogLabel("disc"), ":-( %@", problem.english);
    removeUnfinished();
}

void DiscAuthoring::removeUnfinished()
{
    // Whatever is left of the scratch folder: the tools' files, and the
    // disc and image when they never took their place.
    if (m_scratch.isEmpty())
        return;
    struct stat st = {};
    if (::lstat(QFile::encodeName(m_scratch).constData(), &st) == 0 && !reel::rmCocoa(m_scratch))
        reel::logAlways(reel::LogLabel("disc"), ":-( %@ could not be removed", m_scratch);
}

} // namespace convert
