#include "authoring.h"

#include "toolfonts.h"
#include "toolrun.h"
#include "tools.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>

#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace convert {

namespace {

constexpr int kKeptToolLines = 20;

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
// xorriso's "FAILURE", else the last line.
QString failureReason(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("ERR:")))
            return line.mid(4).trimmed();
        if (line.contains(QLatin1String(": FAILURE :")))
            return line.mid(line.indexOf(QLatin1String(": FAILURE :")) + 11).trimmed();
    }
    return lines.isEmpty() ? QStringLiteral("no message") : lines.last();
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
        const auto track = subtitles.constFind(job.source.path);
        if (track != subtitles.cend()) {
            title.subtitlePath = track->path;
            title.cues = track->cues;
        }
        disc.titles << title;
    }
    return disc;
}

DiscAuthoring::DiscAuthoring(const DiscJob &job, QObject *parent) : QObject(parent), m_job(job) {}

DiscAuthoring::~DiscAuthoring()
{
    if (m_state != State::Running)
        return;
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(kToolStopGraceMs);
    }
    removeUnfinished();
}

QString DiscAuthoring::titleFile(int title, const QString &suffix) const
{
    return reel::stringByAppendingPathComponent(m_work, QStringLiteral("title-%1%2").arg(title + 1, 2, 10, QLatin1Char('0')).arg(suffix));
}

void DiscAuthoring::start()
{
    if (m_state != State::Waiting)
        return;
    m_state = State::Running;
    if (m_job.titles.isEmpty()) {
        finish(State::Failed, QStringLiteral("a disc needs at least one video"));
        return;
    }
    QStringList needed{QStringLiteral("dvdauthor")};
    const bool anySubtitles = std::any_of(m_job.titles.cbegin(), m_job.titles.cend(),
                                          [](const DiscTitle &title) { return !title.cues.isEmpty(); });
    if (anySubtitles)
        needed << QStringLiteral("spumux");
    QStringList missing;
    for (const QString &tool : std::as_const(needed)) {
        if (!reel::testPresenceCocoa(toolPath(tool)))
            missing << tool;
    }
    if (!missing.isEmpty()) {
        finish(State::Failed, missingToolsMessage(missing));
        return;
    }
    reel::logDebug("disc                : dvdauthor %@, spumux %@", QString::number(reel::versionSpumuxDvdauthor(false)),
                   QString::number(reel::versionSpumuxDvdauthor(true)));
    // A hidden folder of its own beside the disc's place: the disc is moved
    // there whole at the end.
    QTemporaryDir work(reel::stringByAppendingPathComponent(m_job.destination, QStringLiteral(".reelkit-disc-XXXXXX")));
    if (!work.isValid()) {
        finish(State::Failed, QStringLiteral("cannot make a folder in %1: %2").arg(m_job.destination, work.errorString()));
        return;
    }
    work.setAutoRemove(false);
    m_work = work.path();
    m_partialImage = m_work + QStringLiteral(".iso");

    if (anySubtitles) {
        QString error;
        if (!prepareToolFonts(&error))
            m_remarks << QStringLiteral("the fonts configuration for the subtitles could not be made (%1); "
                                        "spumux uses the system's")
                             .arg(error);
    }
    double totalMB = 0;
    for (int i = 0; i < m_job.titles.size(); ++i) {
        const double mb = sizeMB(m_job.titles.at(i).mpeg);
        totalMB += mb;
        m_subtitled << false;
        if (!m_job.titles.at(i).cues.isEmpty())
            m_steps << Step{Kind::Subtitles, i, mb};
    }
    m_steps << Step{Kind::Authoring, -1, totalMB};
    if (m_job.makeImage) {
        m_isoTool = isoTool();
        if (m_isoTool.isEmpty())
            m_remarks << QStringLiteral("no ISO image: neither genisoimage nor xorriso is installed");
        else
            m_steps << Step{Kind::Image, -1, totalMB};
    }
    for (const Step &step : std::as_const(m_steps))
        m_totalWeight += step.weight;
    runStep(0);
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
    case Kind::Subtitles: {
        const DiscTitle &title = m_job.titles.at(step.title);
        m_stepText = QStringLiteral("Rendering the subtitles of \"%1\"").arg(title.title);
        emit stepChanged(m_stepText);
        if (isDone())
            return;
        const QList<Cue> cues = cuesForDisc(title.cues, qint64(double(title.duration) * 1000), discFrameMs(m_job.preset)).cues;
        const QString srt = titleFile(step.title, QStringLiteral(".srt"));
        const QString xml = titleFile(step.title, QStringLiteral("-subtitles.xml"));
        if (cues.isEmpty()) {
            m_remarks << QStringLiteral("the subtitles %1 have no cue within \"%2\"; it is on the disc without them")
                             .arg(title.subtitlePath, title.title);
            stepDone(true);
            return;
        }
        if (!writeUtf8(srt, writeSrt(cues)) || !writeUtf8(xml, spumuxXml(reel::lastPathComponent(srt), m_job.preset, subtitleFontFor(cues, m_job.preset, &m_remarks)))) {
            finish(State::Failed, QStringLiteral("cannot write in %1").arg(m_work));
            return;
        }
        startTool(toolPath(QStringLiteral("spumux")),
                  {QStringLiteral("-m"), QStringLiteral("dvd"), QStringLiteral("-s"), QStringLiteral("0"),
                   reel::lastPathComponent(xml)});
        m_process->setStandardInputFile(title.mpeg);
        m_process->setStandardOutputFile(titleFile(step.title, QStringLiteral("-subtitled.mpg")));
        m_process->start();
        return;
    }
    case Kind::Authoring: {
        m_stepText = QStringLiteral("Authoring the DVD");
        emit stepChanged(m_stepText);
        if (isDone())
            return;
        if (!prepareAuthoring())
            return;
        QProcessEnvironment environment = toolProcessEnvironment();
        // dvdauthor's default frame size and rate when a stream leaves it open.
        environment.insert(QStringLiteral("VIDEO_FORMAT"), dvdFormat(m_job.preset).toUpper());
        startTool(toolPath(QStringLiteral("dvdauthor")), {QStringLiteral("-x"), QStringLiteral("dvdauthor.xml")});
        m_process->setProcessEnvironment(environment);
        m_process->setProcessChannelMode(QProcess::MergedChannels);
        m_process->start();
        return;
    }
    case Kind::Image:
        m_stepText = QStringLiteral("Making the ISO image");
        emit stepChanged(m_stepText);
        if (isDone())
            return;
        startTool(m_isoTool, isoArguments(m_isoTool, m_work, m_partialImage, volumeLabel(m_job.settings.name)));
        m_process->setProcessChannelMode(QProcess::MergedChannels);
        m_process->start();
        return;
    }
}

void DiscAuthoring::startTool(const QString &program, const QStringList &arguments)
{
    if (m_process)
        m_process->deleteLater();
    m_pending.clear();
    m_toolLines.clear();
    m_process = new QProcess(this);
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setWorkingDirectory(m_work);
    m_process->setProcessEnvironment(toolProcessEnvironment());
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([] {
        // Ctrl-C reaches the program, which cancels and cleans up.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    reel::logDebug("disc tool           : %@ %@", program, reel::array2Str(arguments));
    connect(m_process, &QProcess::readyReadStandardError, this, &DiscAuthoring::readOutput);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &DiscAuthoring::readOutput);
    connect(m_process, &QProcess::finished, this, &DiscAuthoring::toolEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && !isDone())
            finish(State::Failed, QStringLiteral("%1 could not be started").arg(reel::lastPathComponent(program)));
    });
}

void DiscAuthoring::readOutput()
{
    // Merged, everything comes as output; otherwise the output may be the
    // disc's own bytes, sent to a file.
    m_pending += m_process->processChannelMode() == QProcess::MergedChannels ? m_process->readAllStandardOutput()
                                                                             : m_process->readAllStandardError();
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (m_pending.at(i) == '\r' || m_pending.at(i) == '\n') {
            toolLine(QString::fromUtf8(m_pending.constData() + start, i - start));
            start = i + 1;
        }
    }
    m_pending.remove(0, start);
}

void DiscAuthoring::toolLine(const QString &line)
{
    if (line.trimmed().isEmpty() || m_step < 0 || m_step >= m_steps.size())
        return;
    const Step &step = m_steps.at(m_step);
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
        if (seconds >= 0 && duration > 0) {
            setStepProgress(float(seconds / double(duration)));
            return;
        }
        break;
    }
    case Kind::Authoring: {
        // "STAT: VOBU 1234 at 456MB, 1 PGCs", counted again in each titleset.
        static const QRegularExpression at(QStringLiteral("STAT: VOBU \\d+ at (\\d+)MB"));
        const QRegularExpressionMatch match = at.match(line);
        if (match.hasMatch()) {
            const double mb = match.captured(1).toDouble();
            if (mb < m_titlesetMB)
                m_authoredMB += m_titlesetMB;
            m_titlesetMB = mb;
            setStepProgress(float((m_authoredMB + m_titlesetMB) / step.weight));
            return;
        }
        break;
    }
    case Kind::Image: {
        static const QRegularExpression done(QStringLiteral("(\\d+(?:\\.\\d+)?)% done"));
        const QRegularExpressionMatch match = done.match(line);
        if (match.hasMatch()) {
            setStepProgress(float(match.captured(1).toDouble() / 100));
            return;
        }
        break;
    }
    }
    if (line.startsWith(QLatin1String("INFO:")) || line.startsWith(QLatin1String("STAT:")))
        return;
    m_toolLines << line.trimmed();
    if (m_toolLines.size() > kKeptToolLines)
        m_toolLines.removeFirst();
}

void DiscAuthoring::setStepProgress(float fraction)
{
    if (m_totalWeight <= 0)
        return;
    const double step = m_steps.at(m_step).weight * double(std::clamp(fraction, 0.0f, 1.0f));
    // 100 waits for the disc to be in place.
    const float percent = std::min(float((m_doneWeight + step) / m_totalWeight * 100), 99.9f);
    if (percent > m_progress) {
        m_progress = percent;
        emit progressChanged(m_progress);
    }
}

void DiscAuthoring::toolEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_state != State::Running)
        return;
    if (!m_pending.isEmpty()) {
        toolLine(QString::fromUtf8(m_pending));
        m_pending.clear();
    }
    if (m_cancelling) {
        finish(State::Cancelled, QString());
        return;
    }
    const bool ok = status == QProcess::NormalExit && exitCode == 0;
    const Step step = m_steps.at(m_step);
    const QString reason = failureReason(m_toolLines);
    switch (step.kind) {
    case Kind::Subtitles: {
        const QString output = titleFile(step.title, QStringLiteral("-subtitled.mpg"));
        const DiscTitle &title = m_job.titles.at(step.title);
        if (ok && reel::poidsFile(output, QStringLiteral("O")) > 0) {
            m_subtitled[step.title] = true;
        } else {
            m_remarks << QStringLiteral("the subtitles %1 could not be rendered (%2); \"%3\" is on the disc without "
                                        "them")
                             .arg(title.subtitlePath, reason, title.title);
            reel::rmCocoa(output);
        }
        break;
    }
    case Kind::Authoring:
        if (!ok || !reel::testPresenceCocoa(m_work + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO"))) {
            finish(State::Failed, QStringLiteral("dvdauthor failed: %1").arg(reason));
            return;
        }
        tidyWorkFolder();
        break;
    case Kind::Image:
        if (!ok || !(reel::poidsFile(m_partialImage, QStringLiteral("O")) > 0)) {
            m_remarks << QStringLiteral("the ISO image could not be made: %1").arg(reason);
            reel::rmCocoa(m_partialImage);
        }
        break;
    }
    stepDone(true);
}

void DiscAuthoring::stepDone(bool)
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
            finish(State::Failed, QStringLiteral("cannot write in %1").arg(m_work));
            return false;
        }
        AuthoredTitle authored;
        authored.mpeg = reel::lastPathComponent(link);
        authored.aspect = title.aspect;
        authored.chapters = chapterMarks(title.duration, m_job.settings.chapterMinutes);
        authored.subtitled = m_subtitled.at(i);
        titles << authored;
    }
    const QString xml = dvdauthorXml(QStringLiteral("."), titles, dvdFormat(m_job.preset));
    if (!writeUtf8(reel::stringByAppendingPathComponent(m_work, QStringLiteral("dvdauthor.xml")), xml)) {
        finish(State::Failed, QStringLiteral("cannot write in %1").arg(m_work));
        return false;
    }
    return true;
}

void DiscAuthoring::tidyWorkFolder()
{
    // Only the disc stays: VIDEO_TS and AUDIO_TS.
    for (const QString &item : reel::lsCocoa(m_work)) {
        const QString name = reel::lastPathComponent(item);
        if (name != QLatin1String("VIDEO_TS") && name != QLatin1String("AUDIO_TS"))
            reel::rmCocoa(item);
    }
}

void DiscAuthoring::finishDisc()
{
    m_stepText = QStringLiteral("Putting the disc in place");
    // Folders made private while unfinished open like the user's others.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(m_work).constData(), 0777 & ~mask);
    const bool withImage = reel::testPresenceCocoa(m_partialImage);
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Named now, so that a disc made meanwhile is never replaced.
        const DiscPaths paths = discPathsFor(m_job.destination, m_job.settings.name);
        if (!reel::mvCocoa(m_work, paths.folder, QStringLiteral("n")))
            continue;
        m_folder = paths.folder;
        if (withImage) {
            if (reel::mvCocoa(m_partialImage, paths.iso, QStringLiteral("n")))
                m_image = paths.iso;
            else
                m_remarks << QStringLiteral("the ISO image could not be moved to %1").arg(paths.iso);
        }
        m_progress = 100;
        emit progressChanged(m_progress);
        finish(State::Finished, QString());
        return;
    }
    finish(State::Failed, QStringLiteral("the disc could not be moved into %1").arg(m_job.destination));
}

void DiscAuthoring::cancel()
{
    if (m_state == State::Waiting) {
        finish(State::Cancelled, QString());
        return;
    }
    if (m_state != State::Running || m_cancelling)
        return;
    m_cancelling = true;
    if (!m_process || m_process->state() == QProcess::NotRunning) {
        finish(State::Cancelled, QString());
        return;
    }
    stopGently(m_process);
}

void DiscAuthoring::finish(State state, const QString &error)
{
    if (isDone())
        return;
    m_state = state;
    m_error = error;
    if (!error.isEmpty())
        reel::logAlways("disc                :-( %@", error);
    if (state != State::Finished)
        removeUnfinished();
    emit finished();
}

void DiscAuthoring::removeUnfinished()
{
    for (const QString &path : {m_work, m_partialImage}) {
        if (path.isEmpty())
            continue;
        struct stat st = {};
        if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && !reel::rmCocoa(path))
            reel::logAlways("disc                :-( %@ could not be removed", path);
    }
}

} // namespace convert
