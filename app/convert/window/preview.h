// A preview: ten seconds from the middle of one video, converted with the
// window's settings into a scratch folder of its own, the way a batch
// converts (its output checked), for the desktop's player.
#pragma once

#include "jobs/batch.h"
#include "model/trim.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QTemporaryDir;

namespace convert {

class Preview : public QObject {
    Q_OBJECT
public:
    explicit Preview(QObject *parent = nullptr);
    // Stops an excerpt being made; the scratch folder goes with it.
    ~Preview() override;

    // The stretch of a video of that duration that is previewed.
    static TrimRequest excerptOf(float duration);

    // Where excerpts are made, in the temporary folder, made on first use;
    // empty when none can be made.
    QString folder();
    // Converts the one job, whose output lies in folder(); finished() at the end.
    void start(const JobSettings &job);
    void cancel();
    bool isRunning() const { return m_batch != nullptr; }
    ConversionBatch *batch() const { return m_batch; }
    // Stops what runs and removes the scratch folder with every excerpt.
    void clear();

signals:
    void progressChanged(float percent);
    // The excerpt made, or why there is none (empty when cancelled).
    void finished(const QString &output, const QString &error);

private:
    void batchFinished();

    std::unique_ptr<QTemporaryDir> m_folder;
    QPointer<ConversionBatch> m_batch;
};

} // namespace convert
