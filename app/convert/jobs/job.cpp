#include "jobs/job.h"

#include "model/command.h"
#include "model/placement.h"
#include "model/tools.h"
#include "model/verify.h"
#include "probing/toolrun.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <algorithm>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace convert {

namespace {

// Shares of a job's progress: decoding and evening out the sound, and
// checking the result; the encoder's passes take the rest.
constexpr float kSoundShare = 0.05f;
constexpr float kCheckShare = 0.08f;
// The WAV normalize reads: 16-bit stereo at 48 kHz.
constexpr double kSoundBytesPerSecond = 48000.0 * 2 * 2;

} // namespace

QString ffmpegFailureReason(const QStringList &lines)
{
    // What ffmpeg says once something below it has already said why.
    static const QStringList general{
        QStringLiteral("Conversion failed"),       QStringLiteral("Error submitting"),
        QStringLiteral("Error while "),            QStringLiteral("Error initializing output stream"),
        QStringLiteral("Error closing"),           QStringLiteral("Error writing trailer"),
        QStringLiteral("Error marking filters as finished"), QStringLiteral("Finishing stream"),
        QStringLiteral("Nothing was written"),     QStringLiteral("Task finished with error"),
        QStringLiteral("Terminating thread with return code")};
    static const QRegularExpression component(QStringLiteral("^\\[([^\\]@]+?) @ 0x[0-9a-fA-F]+\\]\\s*"));
    auto isGeneral = [](const QString &line) {
        return std::any_of(general.cbegin(), general.cend(), [&line](const QString &start) { return line.startsWith(start); });
    };
    // A component's own complaint (an encoder, a muxer) is the nearest to
    // the cause; else ffmpeg's first specific words, which later lines only
    // explain; else its last line.
    QString reason;
    QString firstSpecific;
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (!isGeneral(line)) {
            if (firstSpecific.isEmpty())
                firstSpecific = line;
            if (component.match(line).hasMatch())
                reason = line;
        }
    }
    if (reason.isEmpty())
        reason = firstSpecific;
    if (reason.isEmpty() && !lines.isEmpty())
        reason = lines.last().trimmed();
    const QRegularExpressionMatch match = component.match(reason);
    if (match.hasMatch())
        reason = match.captured(1).trimmed() + QStringLiteral(": ") + reason.mid(match.capturedLength());
    return reason;
}

ConversionJob::ConversionJob(const JobSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_planned(settings.output)
{
}

ConversionJob::~ConversionJob()
{
    if (m_state != State::Running)
        return;
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(kToolStopGraceMs);
    }
    removeLeftovers(true);
}

qint64 ConversionJob::elapsedMs() const
{
    if (m_state == State::Running)
        return m_clock.elapsed();
    return m_elapsedAtEnd;
}

void ConversionJob::start()
{
    if (m_state != State::Waiting)
        return;
    m_state = State::Running;
    m_clock.start();
    const QString ffmpeg = toolPath(QStringLiteral("ffmpeg"));
    if (!reel::testPresenceCocoa(ffmpeg)) {
        finish(State::Failed, missingToolsMessage({QStringLiteral("ffmpeg")}));
        return;
    }
    if (m_settings.verify && !reel::testPresenceCocoa(toolPath(QStringLiteral("ffprobe")))) {
        finish(State::Failed, missingToolsMessage({QStringLiteral("ffprobe")}));
        return;
    }
    // The plan never names the source as the output; this guards against a
    // link or a folder that changed since, whatever the overwrite choice.
    if (isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed, QStringLiteral("%1 is the source itself and is kept").arg(m_settings.output));
        return;
    }
    if (m_settings.normalize && m_settings.tracks.audio >= 0
        && !reel::testPresenceCocoa(toolPath(QStringLiteral("normalize")))) {
        finish(State::Failed, missingToolsMessage({QStringLiteral("normalize")}));
        return;
    }
    if (!m_work) {
        QString error;
        m_work = WorkFolder::create(reel::stringByDeletingLastPathComponent(m_settings.output), &error);
        if (!m_work) {
            finish(State::Failed, error);
            return;
        }
    }
    // Nothing in the work folder is anybody else's: no name there can have
    // been planted, and no other run writes there.
    m_temporary = m_work->uniqueFile(QStringLiteral("video"), QLatin1Char('.') + m_settings.preset.extension);
    m_passlog = m_work->uniqueFile(QStringLiteral("passlog"), QString());
    if (m_settings.normalize && m_settings.tracks.audio >= 0)
        startSound();
    else
        startPass(1);
}

void ConversionJob::runTool(const QString &program, const QStringList &arguments, bool readOutput)
{
    if (m_process)
        m_process->deleteLater();
    m_output.clear();
    m_probeJson.clear();
    m_process = new QProcess(this);
    m_process->setProcessEnvironment(toolProcessEnvironment());
    m_process->setStandardInputFile(QProcess::nullDevice());
    if (!readOutput)
        m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([] {
        // Ctrl-C on a terminal reaches the program alone, which cancels and
        // cleans up, instead of stopping the tool behind its back.
        ::setpgid(0, 0);
        // A program that dies takes its encoder with it.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    connect(m_process, &QProcess::readyReadStandardError, this, &ConversionJob::readStatus);
    if (readOutput)
        connect(m_process, &QProcess::readyReadStandardOutput, this,
                [this] { m_probeJson += m_process->readAllStandardOutput(); });
    connect(m_process, &QProcess::finished, this, &ConversionJob::toolEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(State::Failed, QStringLiteral("%1 could not be started: %2")
                                      .arg(reel::lastPathComponent(m_process->program()), m_process->errorString()));
    });
    reel::logDebug(reel::LogLabel("conversion tool"), ": %@ %@", program, reel::array2Str(arguments));
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->start();
}

void ConversionJob::startSound()
{
    m_stage = Stage::Sound;
    // In the work folder, beside the output, where the room for it was
    // counted, not in the temporary folder (often in memory): an hour of
    // sound is 660 MB.
    m_sound = m_work->uniqueFile(QStringLiteral("sound"), QStringLiteral(".wav"));
    runTool(toolPath(QStringLiteral("ffmpeg")), soundArguments(m_settings, m_sound));
}

void ConversionJob::startNormalize()
{
    m_stage = Stage::Normalize;
    runTool(toolPath(QStringLiteral("normalize")), {m_sound});
}

void ConversionJob::startPass(int pass)
{
    m_stage = Stage::Encode;
    m_pass = pass;
    if (!m_sound.isEmpty())
        m_settings.soundInput = m_sound;
    runTool(toolPath(QStringLiteral("ffmpeg")), passArguments(m_settings, pass, m_passlog, m_temporary));
}

void ConversionJob::startProbe()
{
    m_stage = Stage::Probe;
    runTool(toolPath(QStringLiteral("ffprobe")), probeArguments(m_temporary), true);
}

void ConversionJob::startDecode()
{
    m_stage = Stage::Decode;
    runTool(toolPath(QStringLiteral("ffmpeg")), decodeArguments(m_temporary));
}

void ConversionJob::readStatus()
{
    m_output.feed(m_process->readAllStandardError(), [this](const QString &line) { statusLine(line); });
}

void ConversionJob::statusLine(const QString &line)
{
    if (line.trimmed().isEmpty())
        return;
    const QString marker = m_stage == Stage::Normalize ? reel::progressNormalizeGrepStr() : reel::progressFfmpegGrepStr();
    if (m_stage == Stage::Probe || !line.contains(marker)) {
        if (m_stage != Stage::Decode || isDecodeError(line))
            m_output.keep(line);
        return;
    }
    if (m_stage == Stage::Normalize) {
        reportProgress(reel::progressNormalize(line) / 100.0f);
        return;
    }
    const float seconds = reel::progressFfmpeg(line);
    if (seconds > 0)
        reportProgress(std::min(seconds / m_settings.source.duration, 1.0f));
}

void ConversionJob::reportProgress(float fraction)
{
    fraction = std::clamp(fraction, 0.0f, 1.0f);
    const bool evening = m_settings.normalize && m_settings.tracks.audio >= 0;
    const float soundShare = evening ? kSoundShare : 0.0f;
    const float checkShare = m_settings.verify ? kCheckShare : 0.0f;
    const float encodeShare = 1 - 2 * soundShare - checkShare;
    float done = 0;
    switch (m_stage) {
    case Stage::Sound:
        done = soundShare * fraction;
        break;
    case Stage::Normalize:
        done = soundShare * (1 + fraction);
        break;
    case Stage::Encode: {
        const int passes = passCount(m_settings);
        done = 2 * soundShare + encodeShare * (float(m_pass - 1) + fraction) / float(passes);
        break;
    }
    case Stage::Probe:
    case Stage::Decode:
        done = 2 * soundShare + encodeShare + checkShare * fraction;
        break;
    }
    // The move into place is the last step: 100 waits for it.
    const float percent = std::min(done * 100.0f, 99.9f);
    if (percent > m_progress) {
        m_progress = percent;
        emit progressChanged(m_progress);
    }
}

QString ConversionJob::toolFailure(int exitCode, QProcess::ExitStatus status) const
{
    const QString tool = m_stage == Stage::Normalize ? QStringLiteral("normalize")
                         : m_stage == Stage::Probe   ? QStringLiteral("ffprobe")
                                                     : QStringLiteral("ffmpeg");
    const QString folder = reel::stringByDeletingLastPathComponent(m_settings.output);
    if (status != QProcess::NormalExit || exitCode != 0) {
        const QStringList words = m_output.lastWords();
        const QString reason = m_stage == Stage::Encode || m_stage == Stage::Sound ? ffmpegFailureReason(words)
                                                                                    : words.value(words.size() - 1);
        const QString why = reason.isEmpty() ? QStringLiteral("no message") : reason;
        return (status != QProcess::NormalExit ? QStringLiteral("%1 stopped unexpectedly (%2)").arg(tool, why)
                                               : QStringLiteral("%1 failed with code %2: %3").arg(tool).arg(exitCode).arg(why))
               + fullDiskHint(folder);
    }
    // Its exit status says nothing of a write that failed on the way.
    if (!m_output.writeFailure().isEmpty())
        return QStringLiteral("%1 could not write: %2").arg(tool, m_output.writeFailure()) + fullDiskHint(folder);
    return QString();
}

void ConversionJob::toolEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_state != State::Running)
        return;
    m_output.flush([this](const QString &line) { statusLine(line); });
    if (m_cancelling) {
        finish(State::Cancelled, QString());
        return;
    }
    if (m_stage == Stage::Decode) {
        // Any error the decoder met is a damaged output, whatever its code.
        const QStringList words = m_output.lastWords();
        if (status != QProcess::NormalExit || exitCode != 0 || !words.isEmpty()) {
            finish(State::Failed, QStringLiteral("the output does not decode (%1); it was removed, the source is "
                                                 "untouched")
                                      .arg(words.isEmpty() ? QStringLiteral("ffmpeg failed with code %1").arg(exitCode)
                                                           : words.first()));
            return;
        }
        m_verified = true;
        moveIntoPlace();
        return;
    }
    if (m_stage == Stage::Probe && (status != QProcess::NormalExit || exitCode != 0)) {
        const QStringList words = m_output.lastWords();
        finish(State::Failed, QStringLiteral("the output cannot be opened as a video (%1); it was removed, the source "
                                             "is untouched")
                                  .arg(words.isEmpty() ? QStringLiteral("ffprobe failed with code %1").arg(exitCode)
                                                       : words.last()));
        return;
    }
    const QString failure = toolFailure(exitCode, status);
    if (!failure.isEmpty()) {
        finish(State::Failed, failure);
        return;
    }
    switch (m_stage) {
    case Stage::Sound:
        if (soundIsWhole())
            startNormalize();
        return;
    case Stage::Normalize:
        // normalize writes the sound anew, and a full disk cuts it short.
        if (soundIsWhole())
            startPass(1);
        return;
    case Stage::Encode:
        if (m_pass < passCount(m_settings)) {
            startPass(m_pass + 1);
            return;
        }
        if (!(reel::poidsFile(m_temporary, QStringLiteral("O")) > 0)) {
            finish(State::Failed, QStringLiteral("ffmpeg wrote nothing for %1").arg(m_settings.source.path));
            return;
        }
        if (m_settings.verify)
            startProbe();
        else
            moveIntoPlace();
        return;
    case Stage::Probe: {
        const QString problem = outputProblem(m_probeJson, expectationFor(m_settings));
        if (!problem.isEmpty()) {
            finish(State::Failed, QStringLiteral("%1; it was removed, the source is untouched").arg(problem)
                                      + fullDiskHint(reel::stringByDeletingLastPathComponent(m_settings.output)));
            return;
        }
        startDecode();
        return;
    }
    case Stage::Decode:
        return;
    }
}

bool ConversionJob::soundIsWhole()
{
    // ffmpeg may end a WAV that the disk cut short without a word.
    const Expectation expected = expectationFor(m_settings);
    const double bytes = reel::poidsFile(m_sound, QStringLiteral("O"));
    const double seconds = bytes > 0 ? bytes / kSoundBytesPerSecond : 0;
    if (expected.audioSeconds > 0 && seconds < double(expected.audioSeconds - expected.tolerance())) {
        finish(State::Failed, QStringLiteral("the sound could not be decoded whole (%1 s of %2 s)")
                                      .arg(seconds, 0, 'f', 1)
                                      .arg(double(expected.audioSeconds), 0, 'f', 1)
                                  + fullDiskHint(reel::stringByDeletingLastPathComponent(m_settings.output)));
        return false;
    }
    return true;
}

void ConversionJob::moveIntoPlace()
{
    // The last look before anything is replaced.
    if (m_settings.overwrite && isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed, QStringLiteral("%1 is the source itself and is kept").arg(m_settings.output));
        return;
    }
    const QString source = m_settings.source.path;
    const Placement placed = placeItem(m_temporary, m_settings.output, m_settings.overwrite,
                                       [&source](const QString &candidate) { return isSameFile(candidate, source); });
    if (!placed.ok()) {
        finish(State::Failed, placed.error);
        return;
    }
    m_settings.output = placed.path;
    m_temporary.clear();
    // The output is in place under its final name: the place for a step
    // that works on it (a disc authored from it, say) before the job ends.
    m_progress = 100;
    emit progressChanged(m_progress);
    finish(State::Finished, QString());
}

void ConversionJob::cancel()
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

void ConversionJob::finish(State state, const QString &error)
{
    if (isDone())
        return;
    m_elapsedAtEnd = m_clock.isValid() ? m_clock.elapsed() : 0;
    m_state = state;
    m_error = error;
    if (!error.isEmpty())
        reel::logAlways(reel::LogLabel("conversion"), ":-( %@", error);
    removeLeftovers(state != State::Finished);
    // The folder goes with the last job or disc that holds it.
    m_work.reset();
    emit finished();
}

void ConversionJob::removeLeftovers(bool temporaryToo)
{
    QStringList leftovers;
    if (temporaryToo && !m_temporary.isEmpty())
        leftovers << m_temporary;
    if (!m_sound.isEmpty())
        leftovers << m_sound;
    if (!m_passlog.isEmpty()) {
        for (const char *suffix : {"-0.log", "-0.log.temp", "-0.log.mbtree", "-0.log.mbtree.temp", "-0.log.cutree",
                                   "-0.log.cutree.temp"})
            leftovers << m_passlog + QLatin1String(suffix);
    }
    for (const QString &path : leftovers) {
        if (reel::testPresenceCocoa(path))
            reel::rmCocoa(path);
    }
}

} // namespace convert
