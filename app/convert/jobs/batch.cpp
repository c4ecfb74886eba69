#include "jobs/batch.h"

#include <reel/core.h>

#include <algorithm>

namespace convert {

ConversionBatch::ConversionBatch(const QList<JobSettings> &jobs, QObject *parent) : QObject(parent)
{
    for (const JobSettings &settings : jobs) {
        auto *job = new ConversionJob(settings, this);
        const int index = int(m_jobs.size());
        connect(job, &ConversionJob::progressChanged, this,
                [this, index](float percent) { emit progressChanged(index, percent, overallProgress()); });
        connect(job, &ConversionJob::finished, this, [this, index] {
            emit jobFinished(index);
            if (index == m_current)
                startNext();
        });
        m_jobs << job;
    }
}

double ConversionBatch::weight(int index) const
{
    const JobSettings &settings = m_jobs.at(index)->settings();
    return double(qMax(settings.source.duration, 0.1f)) * passCount(settings);
}

float ConversionBatch::overallProgress() const
{
    double total = 0;
    double done = 0;
    for (int i = 0; i < count(); ++i) {
        total += weight(i);
        const ConversionJob *job = m_jobs.at(i);
        // A job that failed or was skipped counts as done work for the pace.
        const double part = job->isDone() ? 100.0 : double(job->progress());
        done += weight(i) * part / 100.0;
    }
    return total > 0 ? float(done / total * 100.0) : 100.0f;
}

qint64 ConversionBatch::elapsedMs() const
{
    return m_running ? m_clock.elapsed() : m_elapsedAtEnd;
}

int ConversionBatch::remainingSeconds() const
{
    const float progress = overallProgress();
    if (!m_running)
        return 0;
    if (progress < 1.0f)
        return -1;
    const double elapsed = double(m_clock.elapsed()) / 1000.0;
    return int(elapsed * double(100.0f - progress) / double(progress) + 0.5);
}

int ConversionBatch::finishedCount() const
{
    return int(std::count_if(m_jobs.cbegin(), m_jobs.cend(),
                             [](const ConversionJob *job) { return job->state() == ConversionJob::State::Finished; }));
}

int ConversionBatch::verifiedCount() const
{
    return int(std::count_if(m_jobs.cbegin(), m_jobs.cend(), [](const ConversionJob *job) {
        return job->state() == ConversionJob::State::Finished && job->verified();
    }));
}

QStringList ConversionBatch::failures() const
{
    QStringList list;
    for (const ConversionJob *job : m_jobs) {
        if (job->state() == ConversionJob::State::Failed)
            list << QStringLiteral("%1: %2").arg(job->settings().source.title, job->error());
    }
    return list;
}

void ConversionBatch::start()
{
    if (m_running || m_current >= 0)
        return;
    m_running = true;
    m_clock.start();
    if (!m_jobs.isEmpty()) {
        // A job that gets none makes its own, and says why it cannot.
        Said error;
        m_work = WorkFolder::create(reel::stringByDeletingLastPathComponent(m_jobs.first()->settings().output), &error);
        const QString folder = m_work ? m_work->destination() : QString();
        for (ConversionJob *job : std::as_const(m_jobs)) {
            if (m_work && reel::stringByStandardizingPath(reel::stringByDeletingLastPathComponent(job->settings().output))
                              == folder)
                job->setWorkFolder(m_work);
        }
    }
    startNext();
}

void ConversionBatch::startNext()
{
    ++m_current;
    if (m_cancelled || m_current >= count()) {
        m_current = -1;
        m_running = false;
        m_elapsedAtEnd = m_clock.elapsed();
        emit finished();
        // Whoever goes on from the outputs (a disc) took it in finished().
        m_work.reset();
        return;
    }
    emit jobStarted(m_current);
    m_jobs.at(m_current)->start();
}

void ConversionBatch::cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    for (int i = m_current + 1; i < count(); ++i)
        m_jobs.at(i)->cancel();
    if (m_current >= 0)
        m_jobs.at(m_current)->cancel();
}

} // namespace convert
