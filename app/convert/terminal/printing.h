// What the terminal form writes: lines that survive a reader gone away,
// and the progress, as a bar redrawn in place on a terminal or as plain
// lines in a pipe or a log.
#pragma once

#include "jobs/authoring.h"
#include "jobs/batch.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace convert {

// A stream whose reader has gone (SIGPIPE, caught) fails quietly: the
// interrupt handling cleans up.
void print(std::FILE *stream, const QString &text);
QString programName();
// "reelkit-convert: <text>" on err, and kept by the ComplaintRecord in
// scope.
void complain(std::FILE *err, const QString &text);

// Keeps what is complained of while it lives, for a report at the end.
class ComplaintRecord {
public:
    ComplaintRecord();
    ~ComplaintRecord();
    ComplaintRecord(const ComplaintRecord &) = delete;
    ComplaintRecord &operator=(const ComplaintRecord &) = delete;

    QStringList texts;

private:
    ComplaintRecord *m_outer;
};
// Seconds as the progress shows them; "?" below 0.
QString timeText(qint64 seconds);
// The terminal's width in columns; 80 when it does not say.
int terminalColumns(std::FILE *out);
// The bar line for a terminal of columns columns, one column short of the
// edge so that the terminal never wraps it: the bar shrinks first, then the
// times and the overall figure go.
QString barLine(int columns, float jobPercent, float overall, const QString &times);

// The bar redrawn in place on a terminal; elsewhere (a pipe, a log file) a
// line at every tenth of a job.
class ProgressPrinter {
public:
    // overallShare: the part of the whole run that the conversions are (the
    // disc that follows them takes the rest).
    ProgressPrinter(const ConversionBatch &batch, std::FILE *out, float overallShare = 1);

    void jobStarted(int index);
    void progress(int index, float jobPercent, float overall);
    void jobFinished(int index, std::FILE *err, bool verified);

private:
    const ConversionBatch &m_batch;
    std::FILE *m_out;
    bool m_tty;
    float m_share = 1;
    bool m_barShown = false;
    qsizetype m_shownWidth = 0;
    int m_lastStep = -1;
};

// The disc's steps and progress, as the conversions' are printed.
class DiscPrinter {
public:
    DiscPrinter(const DiscAuthoring &disc, std::FILE *out, qint64 startedMs);

    void step(const QString &text);
    void progress(float percent);
    void endBar();

private:
    const DiscAuthoring &m_disc;
    std::FILE *m_out;
    bool m_tty;
    qint64 m_startedMs;
    QElapsedTimer m_clock;
    qsizetype m_shownWidth = 0;
    int m_lastStep = -1;
};

} // namespace convert
