#include "terminal/jsonevents.h"

#include "model/options.h"
#include "terminal/printing.h"

#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace convert {

namespace {

QString modeWord(Budget::Mode mode)
{
    switch (mode) {
    case Budget::Mode::Quality:
        return QStringLiteral("quality");
    case Budget::Mode::TargetSize:
        return QStringLiteral("size");
    case Budget::Mode::Bitrate:
        break;
    }
    return QStringLiteral("bitrate");
}

QJsonArray numbers(const QList<int> &values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

QJsonObject jobObject(int index, const JobSettings &job)
{
    QJsonObject object{
        {QStringLiteral("index"), index},
        {QStringLiteral("source"), job.source.path},
        {QStringLiteral("title"), job.source.title},
        {QStringLiteral("output"), job.output},
        {QStringLiteral("outputExists"), job.outputExists},
        {QStringLiteral("seconds"), double(job.source.duration)},
        {QStringLiteral("mode"), modeWord(job.mode)},
        {QStringLiteral("passes"), passCount(job)},
        {QStringLiteral("picture"), job.picture.description},
        {QStringLiteral("video"), job.tracks.video},
        {QStringLiteral("audio"), numbers(job.tracks.audio)},
        {QStringLiteral("subtitles"), numbers(job.tracks.subtitles)},
        {QStringLiteral("verify"), job.verify},
    };
    if (job.mode == Budget::Mode::Quality)
        object.insert(QStringLiteral("crf"), job.crf);
    else
        object.insert(QStringLiteral("videoKbps"), job.videoKbps);
    if (job.estimatedMB >= 0)
        object.insert(QStringLiteral("estimatedMB"), job.estimatedMB);
    if (job.trim.active()) {
        object.insert(QStringLiteral("start"), job.trim.start);
        if (job.trim.length > 0)
            object.insert(QStringLiteral("length"), job.trim.length);
    }
    return object;
}

QString stateWord(ConversionJob::State state)
{
    switch (state) {
    case ConversionJob::State::Finished:
        return QStringLiteral("done");
    case ConversionJob::State::Failed:
        return QStringLiteral("failed");
    case ConversionJob::State::Cancelled:
        return QStringLiteral("cancelled");
    default:
        return QStringLiteral("waiting");
    }
}

QString exitWord(int code)
{
    switch (code) {
    case kExitOk:
        return QStringLiteral("ok");
    case kExitFailed:
        return QStringLiteral("failed");
    case kExitUsage:
        return QStringLiteral("usage");
    case kExitMissingTool:
        return QStringLiteral("missing-tool");
    case kExitBadSource:
        return QStringLiteral("bad-source");
    case kExitOutputExists:
        return QStringLiteral("output-exists");
    case kExitInterrupted:
        return QStringLiteral("interrupted");
    default:
        return QStringLiteral("other");
    }
}

double seconds(qint64 ms)
{
    return std::round(double(ms) / 100) / 10;
}

} // namespace

void JsonEvents::write(const QString &event, QJsonObject fields)
{
    if (!m_out)
        return;
    fields.insert(QStringLiteral("event"), event);
    fields.insert(QStringLiteral("version"), kJsonEventsVersion);
    print(m_out, QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

void JsonEvents::plan(const RunPlan &run, const QString &destination, bool dryRun)
{
    m_destination = destination;
    m_planned = int(run.plan.jobs.size());
    QJsonArray jobs;
    for (int i = 0; i < run.plan.jobs.size(); ++i)
        jobs.append(jobObject(i, run.plan.jobs.at(i)));
    write(QStringLiteral("plan"), {{QStringLiteral("destination"), destination},
                                   {QStringLiteral("dryRun"), dryRun},
                                   {QStringLiteral("jobs"), jobs},
                                   {QStringLiteral("remarks"), QJsonArray::fromStringList(run.plan.remarks)}});
}

void JsonEvents::progress(const ConversionBatch &batch, int index, float jobPercent, float overall)
{
    if (index != m_lastIndex) {
        m_lastIndex = index;
        m_lastPercent = -1;
    }
    const int percent = int(jobPercent);
    if (percent <= m_lastPercent)
        return;
    m_lastPercent = percent;
    const ConversionJob *job = batch.job(index);
    const JobSettings &settings = job->settings();
    // Frames of the source processed a second, every pass counted.
    const StreamInfo *video = settings.source.video();
    const double jobSeconds = double(job->elapsedMs()) / 1000;
    double fps = 0;
    if (video && video->fps > 0 && jobSeconds > 0)
        fps = double(jobPercent) / 100 * double(settings.source.duration) * double(video->fps) * passCount(settings)
              / jobSeconds;
    write(QStringLiteral("progress"), {{QStringLiteral("index"), index},
                                       {QStringLiteral("title"), settings.source.title},
                                       {QStringLiteral("percent"), std::round(double(jobPercent) * 10) / 10},
                                       {QStringLiteral("overall"), std::round(double(overall) * 10) / 10},
                                       {QStringLiteral("fps"), std::round(fps * 10) / 10},
                                       {QStringLiteral("elapsedSeconds"), seconds(batch.elapsedMs())},
                                       {QStringLiteral("leftSeconds"), batch.remainingSeconds()}});
}

void JsonEvents::result(const ConversionBatch &batch, int index)
{
    const ConversionJob *job = batch.job(index);
    const JobSettings &settings = job->settings();
    QJsonObject fields{{QStringLiteral("index"), index},
                       {QStringLiteral("source"), settings.source.path},
                       {QStringLiteral("state"), stateWord(job->state())},
                       {QStringLiteral("elapsedSeconds"), seconds(job->elapsedMs())}};
    if (job->state() == ConversionJob::State::Finished) {
        fields.insert(QStringLiteral("output"), settings.output);
        fields.insert(QStringLiteral("bytes"), double(QFileInfo(settings.output).size()));
        fields.insert(QStringLiteral("verified"), job->verified());
    } else if (job->state() == ConversionJob::State::Failed) {
        fields.insert(QStringLiteral("error"), job->error());
    }
    write(QStringLiteral("result"), fields);
}

void JsonEvents::countBatch(const ConversionBatch &batch)
{
    m_converted = batch.finishedCount();
    m_verified = batch.verifiedCount();
    m_elapsedMs = batch.elapsedMs();
}

void JsonEvents::discStep(const QString &text)
{
    m_lastDiscPercent = -1;
    write(QStringLiteral("disc-step"), {{QStringLiteral("step"), text}});
}

void JsonEvents::discProgress(float percent, float overall)
{
    if (int(percent) <= m_lastDiscPercent)
        return;
    m_lastDiscPercent = int(percent);
    write(QStringLiteral("disc-progress"), {{QStringLiteral("percent"), std::round(double(percent) * 10) / 10},
                                            {QStringLiteral("overall"), std::round(double(overall) * 10) / 10}});
}

void JsonEvents::discResult(const DiscAuthoring &disc)
{
    const bool done = disc.state() == DiscAuthoring::State::Finished;
    QJsonObject fields{{QStringLiteral("state"), done ? QStringLiteral("done")
                                                 : disc.state() == DiscAuthoring::State::Cancelled ? QStringLiteral("cancelled")
                                                                                                   : QStringLiteral("failed")},
                       {QStringLiteral("problems"), QJsonArray::fromStringList(disc.problems())}};
    if (done) {
        fields.insert(QStringLiteral("folder"), disc.folder());
        if (!disc.image().isEmpty())
            fields.insert(QStringLiteral("image"), disc.image());
    } else {
        fields.insert(QStringLiteral("error"), disc.error());
    }
    write(QStringLiteral("disc"), fields);
}

void JsonEvents::summary(int exitCode, const QStringList &problems)
{
    write(QStringLiteral("summary"), {{QStringLiteral("exitCode"), exitCode},
                                      {QStringLiteral("exit"), exitWord(exitCode)},
                                      {QStringLiteral("planned"), m_planned},
                                      {QStringLiteral("converted"), m_converted},
                                      {QStringLiteral("verified"), m_verified},
                                      {QStringLiteral("elapsedSeconds"), seconds(m_elapsedMs)},
                                      {QStringLiteral("destination"), m_destination},
                                      {QStringLiteral("problems"), QJsonArray::fromStringList(problems)}});
}

} // namespace convert
