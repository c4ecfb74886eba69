#include "jobs/job.h"

#include "model/command.h"
#include "model/placement.h"
#include "model/tools.h"
#include "model/verify.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/task.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

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
    : ToolProcess("conversion", "conversion tool", parent), m_settings(settings), m_planned(settings.output)
{
}

ConversionJob::~ConversionJob()
{
    if (state() != State::Running)
        return;
    killTool();
    removeLeftovers(true);
}

qint64 ConversionJob::elapsedMs() const
{
    if (state() == State::Running)
        return m_clock.elapsed();
    return m_elapsedAtEnd;
}

void ConversionJob::start()
{
    if (!begin())
        return;
    m_clock.start();
    const QString ffmpeg = toolPath(QStringLiteral("ffmpeg"));
    if (!reel::testPresenceCocoa(ffmpeg)) {
        finish(State::Failed, missingTools({QStringLiteral("ffmpeg")}));
        return;
    }
    if (m_settings.verify && !reel::testPresenceCocoa(toolPath(QStringLiteral("ffprobe")))) {
        finish(State::Failed, missingTools({QStringLiteral("ffprobe")}));
        return;
    }
    // The plan never names the source as the output; this guards against a
    // link or a folder that changed since, whatever the overwrite choice.
    if (isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed,
               said("Job", QT_TRANSLATE_NOOP("Job", "%1 is the source itself and is kept")).arg(m_settings.output));
        return;
    }
    if (m_settings.normalize && m_settings.tracks.hasAudio()
        && !reel::testPresenceCocoa(toolPath(QStringLiteral("normalize")))) {
        finish(State::Failed, missingTools({QStringLiteral("normalize")}));
        return;
    }
    std::shared_ptr<WorkFolder> &folder = work();
    if (!folder) {
        Said error;
        folder = WorkFolder::create(reel::stringByDeletingLastPathComponent(m_settings.output), &error);
        if (!folder) {
            finish(State::Failed, error);
            return;
        }
    }
    // Nothing in the work folder is anybody else's: no name there can have
    // been planted, and no other run writes there.
    m_temporary = folder->uniqueFile(QStringLiteral("video"), QLatin1Char('.') + m_settings.preset.extension);
    m_passlog = folder->uniqueFile(QStringLiteral("passlog"), QString());
    if (m_settings.normalize && m_settings.tracks.hasAudio())
        startSound();
    else
        startPass(1);
}

void ConversionJob::runTool(const QString &program, const QStringList &arguments, bool readOutput)
{
    m_probeJson.clear();
    QProcess *tool = prepareTool(program, arguments);
    if (readOutput)
        connect(tool, &QProcess::readyReadStandardOutput, this, [this, tool] { m_probeJson += tool->readAllStandardOutput(); });
    else
        tool->setStandardOutputFile(QProcess::nullDevice());
    tool->start();
}

void ConversionJob::startSound()
{
    m_stage = Stage::Sound;
    // In the work folder, beside the output, where the room for it was
    // counted, not in the temporary folder (often in memory): an hour of
    // sound is 660 MB.
    m_sound = work()->uniqueFile(QStringLiteral("sound"), QStringLiteral(".wav"));
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

void ConversionJob::toolLine(const QString &line)
{
    const QString marker = m_stage == Stage::Normalize ? reel::progressNormalizeGrepStr() : reel::progressFfmpegGrepStr();
    if (m_stage == Stage::Probe || !line.contains(marker)) {
        if (m_stage != Stage::Decode || isDecodeError(line))
            output().keep(line);
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
    const bool evening = m_settings.normalize && m_settings.tracks.hasAudio();
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
    setProgress(std::min(done * 100.0f, 99.9f));
}

Said ConversionJob::toolFailure(int exitCode, QProcess::ExitStatus status) const
{
    const QString tool = m_stage == Stage::Normalize ? QStringLiteral("normalize")
                         : m_stage == Stage::Probe   ? QStringLiteral("ffprobe")
                                                     : QStringLiteral("ffmpeg");
    const QString folder = reel::stringByDeletingLastPathComponent(m_settings.output);
    const ToolOutput &told = output();
    if (status != QProcess::NormalExit || exitCode != 0) {
        const QStringList words = told.lastWords();
        const QString reason = m_stage == Stage::Encode || m_stage == Stage::Sound ? ffmpegFailureReason(words)
                                                                                    : words.value(words.size() - 1);
        const Said why = reason.isEmpty() ? said("Job", QT_TRANSLATE_NOOP("Job", "no message")) : untranslated(reason);
        return (status != QProcess::NormalExit ? said("Job", QT_TRANSLATE_NOOP("Job", "%1 stopped unexpectedly (%2)"))
                                                     .arg(untranslated(tool))
                                                     .arg(why)
                                               : said("Job", QT_TRANSLATE_NOOP("Job", "%1 failed with code %2: %3"))
                                                     .arg(tool)
                                                     .arg(exitCode)
                                                     .arg(why))
               + fullDiskHint(folder);
    }
    // Its exit status says nothing of a write that failed on the way.
    if (!told.writeFailure().isEmpty())
        return said("Job", QT_TRANSLATE_NOOP("Job", "%1 could not write: %2")).arg(tool, told.writeFailure())
               + fullDiskHint(folder);
    return Said{};
}

void ConversionJob::toolEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_stage == Stage::Decode) {
        if (checkDecoded(exitCode, status)) {
            m_verified = true;
            moveIntoPlace();
        }
        return;
    }
    if (m_stage == Stage::Probe && !checkOpens(exitCode, status))
        return;
    const Said failure = toolFailure(exitCode, status);
    if (!failure.isEmpty()) {
        finish(State::Failed, failure);
        return;
    }
    nextStep();
}

// Any error the decoder met is a damaged output, whatever its code.
bool ConversionJob::checkDecoded(int exitCode, QProcess::ExitStatus status)
{
    const QStringList words = output().lastWords();
    if (status == QProcess::NormalExit && exitCode == 0 && words.isEmpty())
        return true;
    finish(State::Failed,
           said("Job", QT_TRANSLATE_NOOP("Job", "the output does not decode (%1); it was removed, the source is "
                                                "untouched"))
               .arg(words.isEmpty() ? said("Job", QT_TRANSLATE_NOOP("Job", "ffmpeg failed with code %1")).arg(exitCode)
                                    : untranslated(words.first())));
    return false;
}

bool ConversionJob::checkOpens(int exitCode, QProcess::ExitStatus status)
{
    if (status == QProcess::NormalExit && exitCode == 0)
        return true;
    const QStringList words = output().lastWords();
    finish(
        State::Failed,
        said("Job", QT_TRANSLATE_NOOP("Job", "the output cannot be opened as a video (%1); it was removed, the source "
                                             "is untouched"))
            .arg(words.isEmpty() ? said("Job", QT_TRANSLATE_NOOP("Job", "ffprobe failed with code %1")).arg(exitCode)
                                 : untranslated(words.last())));
    return false;
}

// The tool that ended did its part: the next one starts.
void ConversionJob::nextStep()
{
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
            finish(State::Failed,
                   said("Job", QT_TRANSLATE_NOOP("Job", "ffmpeg wrote nothing for %1")).arg(m_settings.source.path));
            return;
        }
        if (m_settings.verify)
            startProbe();
        else
            moveIntoPlace();
        return;
    case Stage::Probe: {
        const Said problem = outputProblem(m_probeJson, expectationFor(m_settings));
        if (!problem.isEmpty()) {
            finish(State::Failed,
                   said("Job", QT_TRANSLATE_NOOP("Job", "%1; it was removed, the source is untouched")).arg(problem)
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
        finish(State::Failed,
               said("Job", QT_TRANSLATE_NOOP("Job", "the sound could not be decoded whole (%1 s of %2 s)"))
                       .arg(QString::number(seconds, 'f', 1))
                       .arg(QString::number(double(expected.audioSeconds), 'f', 1))
                   + fullDiskHint(reel::stringByDeletingLastPathComponent(m_settings.output)));
        return false;
    }
    return true;
}

void ConversionJob::moveIntoPlace()
{
    // The last look before anything is replaced.
    if (m_settings.overwrite && isSameFile(m_settings.output, m_settings.source.path)) {
        finish(State::Failed,
               said("Job", QT_TRANSLATE_NOOP("Job", "%1 is the source itself and is kept")).arg(m_settings.output));
        return;
    }
    const QString source = m_settings.source.path;
    const Placement placed = placeItem(m_temporary, m_settings.output, m_settings.overwrite,
                                       [&source](const QString &candidate) { return isSameFile(candidate, source); });
    if (!placed.ok()) {
        finish(State::Failed, Said{placed.error, placed.errorInEnglish});
        return;
    }
    m_settings.output = placed.path;
    m_temporary.clear();
    // The output is in place under its final name: the place for a step
    // that works on it (a disc authored from it, say) before the job ends.
    setProgress(100);
    finish(State::Finished, Said{});
}

void ConversionJob::finishing(State state)
{
    m_elapsedAtEnd = m_clock.isValid() ? m_clock.elapsed() : 0;
    removeLeftovers(state != State::Finished);
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
