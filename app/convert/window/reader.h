// Reading sources for the window away from its thread: folders searched,
// files probed with ffprobe, their thumbnails and black bars, the sample
// clip made, one request after the other on a worker thread, the answers
// delivered on the window's thread.
#pragma once

#include "model/source.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace convert {

class SourceReader : public QObject {
    Q_OBJECT
public:
    explicit SourceReader(QObject *parent = nullptr);
    // Ends the tool that runs, drops the rest and waits for the worker.
    ~SourceReader() override;

    // Finds the videos among paths (folders searched, see discovery.h) and
    // reads each: found() as soon as a file is known, sourceRead() when its
    // probe ends, then thumbnailMade() and, while bars are measured,
    // barsMeasured().
    void read(const QStringList &paths);
    // Whether the sources read from now on have their black bars measured
    // (the crop asks for them).
    void setMeasuringBars(bool measuring) { m_measuringBars = measuring; }
    // Measures the black bars of sources already read.
    void measureBars(const QList<SourceInfo> &sources);
    // Makes the built-in sample, then reads it like a file; sampleFailed()
    // when ffmpeg could not make it.
    void makeSample();
    // Drops every request not yet answered and ends the tool that runs;
    // nothing more arrives from them.
    void cancel();
    // Requests asked for and not yet answered.
    bool isBusy() const { return m_pending > 0; }

signals:
    void found(int ticket, const QString &path);
    void sourceRead(int ticket, const convert::SourceInfo &source);
    void sampleFailed(const QString &error);
    // A cached PNG of the source's picture; none comes when ffmpeg made none.
    void thumbnailMade(const QString &path, const QString &png);
    void barsMeasured(const QString &path, const convert::Bars &bars);
    void emptyFolder(const QString &folder);
    // A card whose clips cannot be listed: the sentence says where and why.
    void unreadableFolder(const QString &problem);
    // The last request was answered.
    void idle();

private:
    void post(std::function<void(int generation)> work);
    void readOnWorker(const QStringList &paths, int generation);
    void deliver(int generation, std::function<void()> delivery);
    void requestDone(int generation);
    void workerLoop();

    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::pair<int, std::function<void(int)>>> m_queue; // generation, work
    bool m_stopping = false;
    std::atomic<int> m_generation{0};
    std::atomic<int> m_nextTicket{1};
    std::atomic<bool> m_measuringBars{false};
    int m_pending = 0; // on the window's thread
};

} // namespace convert
