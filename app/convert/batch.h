// Jobs run one after the other, with the overall progress and the time
// elapsed and remaining that both front ends show.
#pragma once

#include "job.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

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
    // "<title>: <why>" for each job that failed.
    QStringList failures() const;

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
    int m_current = -1;
    bool m_running = false;
    bool m_cancelled = false;
    QElapsedTimer m_clock;
    qint64 m_elapsedAtEnd = 0;
};

} // namespace convert
