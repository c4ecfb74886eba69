#include "window/reader.h"

#include "probing/discovery.h"
#include "probing/probe.h"
#include "probing/sample.h"
#include "window/thumbnails.h"

#include <QMetaObject>

namespace convert {

SourceReader::SourceReader(QObject *parent) : QObject(parent)
{
    m_worker = std::thread([this] { workerLoop(); });
}

SourceReader::~SourceReader()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    ++m_generation;
    m_wake.notify_all();
    m_worker.join();
    // Answers still on their way are dropped with this object.
}

void SourceReader::read(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    post([this, paths](int generation) { readOnWorker(paths, generation); });
}

void SourceReader::makeSample()
{
    post([this](int generation) {
        const std::function<bool()> cancelled = [this, generation] { return m_generation != generation; };
        const QString path = builtInSamplePath();
        QString error;
        if (!makeSampleClip(path, SampleClip(), &error, RunLimits{120000, cancelled})) {
            deliver(generation, [this, error] { emit sampleFailed(error); });
            return;
        }
        readOnWorker({path}, generation);
    });
}

void SourceReader::measureBars(const QList<SourceInfo> &sources)
{
    if (sources.isEmpty())
        return;
    post([this, sources](int generation) {
        const std::function<bool()> cancelled = [this, generation] { return m_generation != generation; };
        for (qsizetype i = 0; i < sources.size() && !cancelled(); ++i) {
            const SourceInfo &source = sources.at(i);
            const Bars bars = measureBlackBars(source, RunLimits{kProbeTimeoutMs, cancelled});
            deliver(generation, [this, path = source.path, bars] { emit barsMeasured(path, bars); });
        }
    });
}

void SourceReader::cancel()
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.clear();
    }
    ++m_generation;
    if (m_pending > 0) {
        m_pending = 0;
        emit idle();
    }
}

void SourceReader::post(std::function<void(int)> work)
{
    ++m_pending;
    {
        const std::lock_guard lock(m_mutex);
        m_queue.emplace_back(m_generation.load(), std::move(work));
    }
    m_wake.notify_one();
}

void SourceReader::readOnWorker(const QStringList &paths, int generation)
{
    const std::function<bool()> cancelled = [this, generation] { return m_generation != generation; };
    QStringList empty;
    QStringList unreadable;
    const QStringList files = discoverSources(paths, &empty, cancelled, &unreadable);
    for (const QString &folder : std::as_const(empty))
        deliver(generation, [this, folder] { emit emptyFolder(folder); });
    for (const QString &problem : std::as_const(unreadable))
        deliver(generation, [this, problem] { emit unreadableFolder(problem); });
    QList<int> tickets;
    for (const QString &file : files) {
        const int ticket = m_nextTicket++;
        tickets << ticket;
        deliver(generation, [this, ticket, file] { emit found(ticket, file); });
    }
    for (qsizetype i = 0; i < files.size() && !cancelled(); ++i) {
        const SourceInfo source = probeSource(files.at(i), RunLimits{kProbeTimeoutMs, cancelled});
        const int ticket = tickets.at(i);
        deliver(generation, [this, ticket, source] { emit sourceRead(ticket, source); });
        if (!source.usable())
            continue;
        const QString png = thumbnailFor(source, RunLimits{kProbeTimeoutMs, cancelled});
        if (!png.isEmpty())
            deliver(generation, [this, path = source.path, png] { emit thumbnailMade(path, png); });
        if (m_measuringBars && !cancelled()) {
            const Bars bars = measureBlackBars(source, RunLimits{kProbeTimeoutMs, cancelled});
            deliver(generation, [this, path = source.path, bars] { emit barsMeasured(path, bars); });
        }
    }
}

void SourceReader::deliver(int generation, std::function<void()> delivery)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation, delivery = std::move(delivery)] {
            if (generation == m_generation)
                delivery();
        },
        Qt::QueuedConnection);
}

void SourceReader::requestDone(int generation)
{
    if (generation != m_generation || m_pending == 0)
        return;
    if (--m_pending == 0)
        emit idle();
}

void SourceReader::workerLoop()
{
    for (;;) {
        std::pair<int, std::function<void(int)>> next;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            next = std::move(m_queue.front());
            m_queue.pop_front();
        }
        const int generation = next.first;
        if (generation == m_generation)
            next.second(generation);
        QMetaObject::invokeMethod(this, [this, generation] { requestDone(generation); }, Qt::QueuedConnection);
    }
}

} // namespace convert
