#include "window/preview.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

namespace convert {

namespace {

constexpr double kExcerptSeconds = 10;

} // namespace

Preview::Preview(QObject *parent) : QObject(parent) {}

Preview::~Preview()
{
    clear();
}

TrimRequest Preview::excerptOf(float duration)
{
    return TrimRequest{std::max(0.0, double(duration) / 2 - kExcerptSeconds / 2), kExcerptSeconds};
}

QString Preview::folder()
{
    if (!m_folder || !m_folder->isValid())
        m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/reelkit-preview-XXXXXX"));
    return m_folder->isValid() ? m_folder->path() : QString();
}

void Preview::start(const JobSettings &job)
{
    if (m_batch)
        return;
    m_batch = new ConversionBatch({job}, this);
    connect(m_batch, &ConversionBatch::progressChanged, this,
            [this](int, float percent, float) { emit progressChanged(percent); });
    connect(m_batch, &ConversionBatch::finished, this, &Preview::batchFinished);
    m_batch->start();
}

void Preview::cancel()
{
    if (m_batch)
        m_batch->cancel();
}

void Preview::clear()
{
    // A job deleted while it runs stops its tool and removes what it wrote.
    delete m_batch;
    m_folder.reset();
}

void Preview::batchFinished()
{
    ConversionBatch *batch = m_batch;
    m_batch = nullptr;
    const ConversionJob *job = batch->job(0);
    const bool made = job->state() == ConversionJob::State::Finished;
    const QString error = job->state() == ConversionJob::State::Failed ? job->error() : QString();
    const QString output = made ? job->settings().output : QString();
    batch->deleteLater();
    emit finished(output, error);
}

} // namespace convert
