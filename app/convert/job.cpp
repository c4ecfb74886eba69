#include "job.h"

#include "command.h"
#include "toolrun.h"
#include "tools.h"

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

// The error lines kept for the failure message.
constexpr int kKeptToolLines = 20;

// A free hidden name beside the output: ".<name>.part<n>.<ext>", with the
// extension last so that ffmpeg and a file browser still see the kind.
QString temporaryBeside(const QString &output)
{
    const QString folder = reel::stringByDeletingLastPathComponent(output);
    const QString name = reel::stringByDeletingPathExtension(reel::lastPathComponent(output));
    const QString extension = reel::pathExtension(output);
    for (int n = 1;; ++n) {
        const QString candidate = reel::stringByAppendingPathComponent(
            folder, QStringLiteral(".%1.part%2.%3").arg(name).arg(n).arg(extension));
        if (!reel::testPresenceCocoa(candidate))
            return candidate;
    }
}

// A prefix for the encoder's statistics in the temporary folder, claimed by
// creating its first file exclusively under an unpredictable name, so that
// nothing can have been planted under the names the encoder writes. Null
// when the folder takes no new file.
QString passlogPrefix(QString *error)
{
    const QString first = QStringLiteral("-0.log");
    const QString claimed =
        reel::createUniqueFile(reel::getTMPFOLDER(), QStringLiteral("passlog-"), first, error);
    return claimed.isNull() ? QString() : claimed.chopped(first.size());
}

QProcessEnvironment processEnvironment(const QByteArrayList &entries)
{
    QProcessEnvironment environment;
    for (const QByteArray &entry : entries) {
        const qsizetype eq = entry.indexOf('=');
        if (eq > 0)
            environment.insert(QString::fromLocal8Bit(entry.left(eq)), QString::fromLocal8Bit(entry.mid(eq + 1)));
    }
    return environment;
}

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

ConversionJob::ConversionJob(const JobSettings &settings, QObject *parent) : QObject(parent), m_settings(settings) {}

ConversionJob::~ConversionJob()
{
    if (m_state != State::Running)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(kToolStopGraceMs);
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
    // The plan never names the source as the output; this guards against a
    // link or a folder that changed since, whatever the overwrite choice.
    if (isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed, QStringLiteral("%1 is the source itself and is kept").arg(m_settings.output));
        return;
    }
    // The batch asks before it starts; this guards against an output that
    // appeared since.
    if (!m_settings.overwrite && reel::testPresenceCocoa(m_settings.output)) {
        finish(State::Failed, QStringLiteral("%1 already exists and is kept").arg(m_settings.output));
        return;
    }
    m_temporary = temporaryBeside(m_settings.output);
    QString passlogError;
    m_passlog = passlogPrefix(&passlogError);
    if (m_passlog.isNull()) {
        finish(State::Failed, QStringLiteral("no statistics file in %1: %2").arg(reel::getTMPFOLDER(), passlogError));
        return;
    }
    if (m_settings.normalize && m_settings.tracks.audio >= 0
        && !reel::testPresenceCocoa(toolPath(QStringLiteral("normalize")))) {
        finish(State::Failed, missingToolsMessage({QStringLiteral("normalize")}));
        return;
    }
    m_process = new QProcess(this);
    m_process->setProcessEnvironment(processEnvironment(reel::toolEnvironment()));
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([] {
        // Ctrl-C on a terminal reaches the program alone, which cancels and
        // cleans up, instead of stopping the tool behind its back.
        ::setpgid(0, 0);
        // A program that dies takes its encoder with it.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    connect(m_process, &QProcess::readyReadStandardError, this, &ConversionJob::readStatus);
    connect(m_process, &QProcess::finished, this, &ConversionJob::passEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(State::Failed, QStringLiteral("%1 could not be started: %2")
                                      .arg(reel::lastPathComponent(m_process->program()), m_process->errorString()));
    });
    if (m_settings.normalize && m_settings.tracks.audio >= 0)
        startSound();
    else
        startPass(1);
}

void ConversionJob::runTool(const QString &program, const QStringList &arguments)
{
    m_pending.clear();
    m_toolErrors.clear();
    reel::logDebug("conversion tool     : %@ %@", program, reel::array2Str(arguments));
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->start();
}

void ConversionJob::startSound()
{
    m_stage = Stage::Sound;
    // Beside the output, where the room for it was counted, not in the
    // temporary folder (often in memory): an hour of sound is 660 MB.
    m_sound = temporaryBeside(reel::stringByDeletingPathExtension(m_settings.output) + QStringLiteral(".wav"));
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

void ConversionJob::readStatus()
{
    m_pending += m_process->readAllStandardError();
    // Status lines end with a carriage return, messages with a line feed.
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (m_pending.at(i) == '\r' || m_pending.at(i) == '\n') {
            statusLine(QString::fromUtf8(m_pending.constData() + start, i - start));
            start = i + 1;
        }
    }
    m_pending.remove(0, start);
}

void ConversionJob::statusLine(const QString &line)
{
    if (line.trimmed().isEmpty())
        return;
    const QString marker = m_stage == Stage::Normalize ? reel::progressNormalizeGrepStr() : reel::progressFfmpegGrepStr();
    if (!line.contains(marker)) {
        m_toolErrors << line.trimmed();
        if (m_toolErrors.size() > kKeptToolLines)
            m_toolErrors.removeFirst();
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
    // Decoding and evening out the sound take a tenth of the job; the
    // encoder's passes share the rest.
    const bool evening = m_settings.normalize && m_settings.tracks.audio >= 0;
    const float soundShare = evening ? 0.05f : 0.0f;
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
        done = 2 * soundShare + (1 - 2 * soundShare) * (float(m_pass - 1) + fraction) / float(passes);
        break;
    }
    }
    // The move into place is the last step: 100 waits for it.
    const float percent = std::min(done * 100.0f, 99.9f);
    if (percent > m_progress) {
        m_progress = percent;
        emit progressChanged(m_progress);
    }
}

void ConversionJob::passEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_state != State::Running)
        return;
    if (!m_pending.isEmpty()) {
        statusLine(QString::fromUtf8(m_pending));
        m_pending.clear();
    }
    if (m_cancelling) {
        finish(State::Cancelled, QString());
        return;
    }
    if (status != QProcess::NormalExit || exitCode != 0) {
        const QString tool = m_stage == Stage::Normalize ? QStringLiteral("normalize") : QStringLiteral("ffmpeg");
        const QString reason = m_stage == Stage::Normalize ? m_toolErrors.value(m_toolErrors.size() - 1)
                                                           : ffmpegFailureReason(m_toolErrors);
        const QString why = reason.isEmpty() ? QStringLiteral("no message") : reason;
        const QString error = status != QProcess::NormalExit
                                  ? QStringLiteral("%1 stopped unexpectedly (%2)").arg(tool, why)
                                  : QStringLiteral("%1 failed with code %2: %3").arg(tool).arg(exitCode).arg(why);
        finish(State::Failed, error);
        return;
    }
    if (m_stage == Stage::Sound) {
        startNormalize();
        return;
    }
    if (m_stage == Stage::Normalize) {
        startPass(1);
        return;
    }
    if (m_pass < passCount(m_settings)) {
        startPass(m_pass + 1);
        return;
    }
    moveIntoPlace();
}

void ConversionJob::moveIntoPlace()
{
    if (!(reel::poidsFile(m_temporary, QStringLiteral("O")) > 0)) {
        finish(State::Failed, QStringLiteral("ffmpeg wrote nothing for %1").arg(m_settings.source.path));
        return;
    }
    // The last look before anything is replaced.
    if (isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed, QStringLiteral("%1 is the source itself and is kept").arg(m_settings.output));
        return;
    }
    const QString overwrite = m_settings.overwrite ? QStringLiteral("y") : QStringLiteral("n");
    if (!reel::mvCocoa(m_temporary, m_settings.output, overwrite)) {
        finish(State::Failed, reel::testPresenceCocoa(m_settings.output)
                                  ? QStringLiteral("%1 appeared meanwhile and is kept").arg(m_settings.output)
                                  : QStringLiteral("the output could not be moved to %1").arg(m_settings.output));
        return;
    }
    outputReady();
}

void ConversionJob::outputReady()
{
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
        reel::logAlways("conversion          :-( %@", error);
    removeLeftovers(state != State::Finished);
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
