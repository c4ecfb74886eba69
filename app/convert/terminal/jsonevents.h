// What --json writes on standard output: one JSON object per line, each
// with "event" and "version", for scripts and job engines. The fields are
// listed in the README ("Scripts and job engines"); a field is only ever
// added within a version.
#pragma once

#include "jobs/authoring.h"
#include "jobs/batch.h"
#include "model/runplan.h"

#include <QJsonObject>
#include <QString>

#include <cstdio>

namespace convert {

inline constexpr int kJsonEventsVersion = 1;

class JsonEvents {
public:
    // Null out: nothing is written (the run is not in --json mode).
    explicit JsonEvents(std::FILE *out) : m_out(out) {}

    bool active() const { return m_out != nullptr; }

    void plan(const RunPlan &run, const QString &destination, bool dryRun);
    // At most one line per whole percent of a job.
    void progress(const ConversionBatch &batch, int index, float jobPercent, float overall);
    void result(const ConversionBatch &batch, int index);
    void discStep(const QString &text);
    void discProgress(float percent, float overall);
    void discResult(const DiscAuthoring &disc);
    // Last, whatever ended the run: its exit code and what was done.
    void summary(int exitCode, const QStringList &problems);

    void countBatch(const ConversionBatch &batch);

private:
    void write(const QString &event, QJsonObject fields);

    std::FILE *m_out;
    int m_lastIndex = -1;
    int m_lastPercent = -1;
    int m_lastDiscPercent = -1;
    int m_planned = 0;
    int m_converted = 0;
    int m_verified = 0;
    qint64 m_elapsedMs = 0;
    QString m_destination;
};

} // namespace convert
