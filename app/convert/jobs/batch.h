// Jobs run one after the other, with the overall progress and the time
// elapsed and remaining that both front ends show.
#pragma once

#include "jobs/job.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <memory>

namespace convert {

class ConversionBatch : public QObject {
    Q_OBJECT
public:
    explicit ConversionBatch(const QList<JobSettings> &jobs, QObject *parent = nullptr);

    int count() const { return int(m_jobs.size()); }
    ConversionJob *job(int index) const { return m_jobs.at(index); }
    // The running job, -1 before the start and after the end.
    int currentIndex() const { return m_current; }
    bool isRunning() const { return m_running; }
    bool wasCancelled() const { return m_cancelled; }

    // 0 to 100, each job weighted by the work it takes.
    float overallProgress() const;
    qint64 elapsedMs() const;
    // Seconds left at the pace so far; -1 while there is no pace yet.
    int remainingSeconds() const;

    int finishedCount() const;
    // Of those, the outputs that passed their checks.
    int verifiedCount() const;
    // "<title>: <why>" for each job that failed.
    QStringList failures() const;

    // The run's work folder, made in the first job's destination at the
    // start and shared with its jobs; null before the start, once finished()
    // has returned, or when none could be made. A disc that follows takes it
    // in finished().
    std::shared_ptr<WorkFolder> workFolder() const { return m_work; }

    void start();
    // Stops the running job (its partial output is removed) and drops the
    // ones still waiting.
    void cancel();

signals:
    void jobStarted(int index);
    void progressChanged(int index, float jobPercent, float overallPercent);
    void jobFinished(int index);
    void finished();

private:
    void startNext();
    double weight(int index) const;

    QList<ConversionJob *> m_jobs;
    std::shared_ptr<WorkFolder> m_work;
    int m_current = -1;
    bool m_running = false;
    bool m_cancelled = false;
    QElapsedTimer m_clock;
    qint64 m_elapsedAtEnd = 0;
};

} // namespace convert
