#include "terminal/printing.h"

#include "model/source.h"

#include <reel/core.h>
#include <reel/files.h>
#include <reel/numbers.h>

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

namespace convert {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
    std::clearerr(stream);
}

QString programName()
{
    return QStringLiteral("reelkit-convert");
}

namespace {
ComplaintRecord *currentRecord = nullptr;
} // namespace

ComplaintRecord::ComplaintRecord() : m_outer(currentRecord)
{
    currentRecord = this;
}

ComplaintRecord::~ComplaintRecord()
{
    currentRecord = m_outer;
}

void complain(std::FILE *err, const QString &text)
{
    if (currentRecord)
        currentRecord->texts << text;
    print(err, QStringLiteral("%1: %2\n").arg(programName(), text));
}

QString timeText(qint64 seconds)
{
    return seconds < 0 ? QStringLiteral("?") : reel::secondesInt2Str(int(seconds));
}

int terminalColumns(std::FILE *out)
{
    struct winsize size = {};
    if (::ioctl(fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QString barLine(int columns, float jobPercent, float overall, const QString &times)
{
    const int room = qMax(1, columns - 1);
    const QString percent = QStringLiteral(" %1%").arg(int(jobPercent), 3);
    const QStringList tails{
        QCoreApplication::translate("Printing", "  overall %1%  %2").arg(int(overall), 3).arg(times),
        QCoreApplication::translate("Printing", "  overall %1%").arg(int(overall), 3), QString()};
    constexpr int kWidest = 30;
    constexpr int kNarrowest = 10;
    for (const QString &tail : tails) {
        const int barWidth = qMin(kWidest, int(room - 4 - percent.size() - tail.size()));
        if (barWidth < kNarrowest && !tail.isEmpty())
            continue;
        if (barWidth < 1)
            break;
        const int filled = qBound(0, int(jobPercent / 100 * barWidth), barWidth);
        return QStringLiteral("  [%1%2]%3%4")
            .arg(QString(filled, QLatin1Char('#')), QString(barWidth - filled, QLatin1Char('.')), percent, tail);
    }
    return percent.trimmed().left(room);
}

ProgressPrinter::ProgressPrinter(const ConversionBatch &batch, std::FILE *out, float overallShare)
    : m_batch(batch), m_out(out), m_tty(isatty(fileno(out)) != 0), m_share(overallShare)
{
}

void ProgressPrinter::jobStarted(int index)
{
    m_lastStep = -1;
    const JobSettings &settings = m_batch.job(index)->settings();
    print(m_out, QStringLiteral("[%1/%2] %3 -> %4\n")
                     .arg(index + 1)
                     .arg(m_batch.count())
                     .arg(reel::lastPathComponent(settings.source.path), settings.output));
}

void ProgressPrinter::progress(int index, float jobPercent, float overall)
{
    overall *= m_share;
    const qint64 elapsed = m_batch.elapsedMs() / 1000;
    const QString times = QCoreApplication::translate("Printing", "elapsed %1, left %2")
                              .arg(timeText(elapsed), timeText(m_batch.remainingSeconds()));
    if (m_tty) {
        // Read at every redraw: the window may have been resized.
        const QString line = barLine(terminalColumns(m_out), jobPercent, overall, times);
        // Blanks over what a longer earlier line left.
        const QString blanks(qMax<qsizetype>(0, m_shownWidth - line.size()), QLatin1Char(' '));
        print(m_out, QStringLiteral("\r") + line + blanks);
        m_shownWidth = line.size();
        m_barShown = true;
        return;
    }
    const int step = int(jobPercent) / 10;
    if (step <= m_lastStep)
        return;
    m_lastStep = step;
    print(m_out, QCoreApplication::translate("Printing", "progress: %1 %2% (overall %3%, %4)\n")
                     .arg(m_batch.job(index)->settings().source.title)
                     .arg(int(jobPercent))
                     .arg(int(overall))
                     .arg(times));
}

void ProgressPrinter::jobFinished(int index, std::FILE *err, bool verified)
{
    if (m_barShown) {
        print(m_out, QStringLiteral("\n"));
        m_barShown = false;
        m_shownWidth = 0;
    }
    const ConversionJob *job = m_batch.job(index);
    switch (job->state()) {
    case ConversionJob::State::Finished:
        if (job->settings().output != job->plannedOutput())
            print(m_out, QCoreApplication::translate("Printing",
                                                     "  note: %1 appeared meanwhile and is kept; this video is %2\n")
                             .arg(job->plannedOutput(), job->settings().output));
        print(m_out,
              (verified ? QCoreApplication::translate("Printing", "  done and verified: %1 (%2) in %3\n")
                        : QCoreApplication::translate("Printing", "  done: %1 (%2) in %3\n"))
                  .arg(job->settings().output, sizeText(reel::poidsFile(job->settings().output, QStringLiteral("M"))),
                       timeText(job->elapsedMs() / 1000)));
        break;
    case ConversionJob::State::Failed:
        complain(
            err,
            QCoreApplication::translate("Printing", "%1 failed: %2").arg(job->settings().source.title, job->error()));
        break;
    case ConversionJob::State::Cancelled:
        if (index == m_batch.currentIndex())
            print(m_out, QCoreApplication::translate("Printing", "  cancelled; the partial output was removed\n"));
        break;
    default:
        break;
    }
}

DiscPrinter::DiscPrinter(const DiscAuthoring &disc, std::FILE *out, qint64 startedMs)
    : m_disc(disc), m_out(out), m_tty(isatty(fileno(out)) != 0), m_startedMs(startedMs)
{
    m_clock.start();
}

void DiscPrinter::step(const QString &text)
{
    endBar();
    m_lastStep = -1;
    print(m_out, QCoreApplication::translate("Printing", "[disc] %1\n").arg(text));
}

void DiscPrinter::progress(float percent)
{
    const float overall = (1 - kDiscShareOfRun) * 100 + kDiscShareOfRun * percent;
    const qint64 elapsed = (m_startedMs + m_clock.elapsed()) / 1000;
    const QString times = QCoreApplication::translate("Printing", "elapsed %1").arg(timeText(elapsed));
    if (m_tty) {
        const QString line = barLine(terminalColumns(m_out), percent, overall, times);
        const QString blanks(qMax<qsizetype>(0, m_shownWidth - line.size()), QLatin1Char(' '));
        print(m_out, QStringLiteral("\r") + line + blanks);
        m_shownWidth = line.size();
        return;
    }
    const int step = int(percent) / 10;
    if (step <= m_lastStep)
        return;
    m_lastStep = step;
    print(m_out, QCoreApplication::translate("Printing", "progress: disc %1% (overall %2%, %3)\n")
                     .arg(int(percent))
                     .arg(int(overall))
                     .arg(times));
}

void DiscPrinter::endBar()
{
    if (m_shownWidth > 0)
        print(m_out, QStringLiteral("\n"));
    m_shownWidth = 0;
}

} // namespace convert
