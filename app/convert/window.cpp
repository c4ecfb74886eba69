#include "window.h"

#include "sample.h"
#include "sourcelist.h"
#include "tools.h"

#include <reel/core.h>
#include <reel/dialogs.h>
#include <reel/files.h>
#include <reel/media.h>
#include <reel/numbers.h>
#include <reel/prefs.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace convert {

namespace {

// The preference keys of the settings the window remembers.
const QString kPresetKey = QStringLiteral("ConvertPreset");
const QString kModeKey = QStringLiteral("ConvertMode");
const QString kSizeKey = QStringLiteral("ConvertSizeMB");
const QString kBitrateKey = QStringLiteral("ConvertBitrate");
const QString kDestinationKey = QStringLiteral("ConvertDestination");

// Progress bars count tenths of a percent, so that a long job still moves.
constexpr int kBarSteps = 1000;

int barValue(float percent)
{
    return qBound(0, int(percent * kBarSteps / 100), kBarSteps);
}

QString timeText(qint64 seconds)
{
    return seconds < 0 ? QStringLiteral("…") : reel::secondesInt2Str(int(seconds));
}

QString defaultDestination()
{
    const QString videos = reel::stringByAppendingPathComponent(reel::homeDirectory(), QStringLiteral("Videos"));
    return reel::isDirectory(videos) ? videos : reel::homeDirectory();
}

QString videoFilter()
{
    QStringList patterns;
    const QStringList common{QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("mov"),
                             QStringLiteral("mkv"), QStringLiteral("avi"), QStringLiteral("webm"),
                             QStringLiteral("wmv"), QStringLiteral("flv"), QStringLiteral("dv"),
                             QStringLiteral("3gp"), QStringLiteral("mts"), QStringLiteral("m2ts")};
    for (const QString &extension : common + reel::extMultiplexed())
        patterns << QStringLiteral("*.") + extension;
    patterns.removeDuplicates();
    return QStringLiteral("Videos (%1);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace

ConvertWindow::ConvertWindow(const Options &options, QWidget *parent)
    : QWidget(parent),
      m_presets(presets()),
      m_revealer([](const QString &folder) { reel::revealFolderInFinder(folder); })
{
    setWindowTitle(QStringLiteral("reelkit Convert"));
    buildInterface();
    loadSettings(options);
    refreshModeControls();
    if (!options.files.isEmpty())
        addSources(options.files);
    refreshPlan();
}

ConvertWindow::~ConvertWindow() = default;

void ConvertWindow::buildInterface()
{
    auto *layout = new QVBoxLayout(this);

    m_sources = new SourceList(this);
    m_sources->setObjectName(QStringLiteral("sources"));
    layout->addWidget(m_sources, 1);

    auto *sourceButtons = new QHBoxLayout;
    m_addButton = new QPushButton(QStringLiteral("Add Videos…"), this);
    m_sampleButton = new QPushButton(QStringLiteral("Add Sample Clip"), this);
    m_sampleButton->setToolTip(QStringLiteral("A short clip made with ffmpeg's test sources"));
    m_removeButton = new QPushButton(QStringLiteral("Remove"), this);
    sourceButtons->addWidget(m_addButton);
    sourceButtons->addWidget(m_sampleButton);
    sourceButtons->addWidget(m_removeButton);
    sourceButtons->addStretch(1);
    auto *dropHint = new QLabel(QStringLiteral("or drop videos on the list"), this);
    dropHint->setEnabled(false);
    sourceButtons->addWidget(dropHint);
    layout->addLayout(sourceButtons);

    m_settingsBox = new QGroupBox(QStringLiteral("Output"), this);
    auto *grid = new QGridLayout(m_settingsBox);
    m_presetBox = new QComboBox(m_settingsBox);
    m_presetBox->setObjectName(QStringLiteral("preset"));
    for (const Preset &preset : m_presets)
        m_presetBox->addItem(preset.label, preset.id);
    grid->addWidget(new QLabel(QStringLiteral("Preset:"), m_settingsBox), 0, 0);
    grid->addWidget(m_presetBox, 0, 1, 1, 4);

    m_sizeRadio = new QRadioButton(QStringLiteral("Target size:"), m_settingsBox);
    m_sizeRadio->setObjectName(QStringLiteral("sizeMode"));
    m_sizeSpin = new QSpinBox(m_settingsBox);
    m_sizeSpin->setObjectName(QStringLiteral("sizeMB"));
    m_sizeSpin->setRange(1, 1000000);
    m_sizeSpin->setSuffix(QStringLiteral(" MB"));
    m_bitrateRadio = new QRadioButton(QStringLiteral("Bitrate:"), m_settingsBox);
    m_bitrateRadio->setObjectName(QStringLiteral("bitrateMode"));
    m_bitrateSpin = new QSpinBox(m_settingsBox);
    m_bitrateSpin->setObjectName(QStringLiteral("bitrate"));
    m_bitrateSpin->setRange(1, 100000);
    m_bitrateSpin->setSuffix(QStringLiteral(" kb/s"));
    grid->addWidget(m_sizeRadio, 1, 0);
    grid->addWidget(m_sizeSpin, 1, 1);
    grid->addWidget(m_bitrateRadio, 1, 2);
    grid->addWidget(m_bitrateSpin, 1, 3);

    m_destinationEdit = new QLineEdit(m_settingsBox);
    m_destinationEdit->setObjectName(QStringLiteral("destination"));
    m_destinationButton = new QPushButton(QStringLiteral("Choose…"), m_settingsBox);
    grid->addWidget(new QLabel(QStringLiteral("Destination:"), m_settingsBox), 2, 0);
    grid->addWidget(m_destinationEdit, 2, 1, 1, 3);
    grid->addWidget(m_destinationButton, 2, 4);

    m_planLabel = new QLabel(m_settingsBox);
    m_planLabel->setObjectName(QStringLiteral("plan"));
    m_planLabel->setWordWrap(true);
    m_planLabel->setTextFormat(Qt::PlainText);
    m_freeLabel = new QLabel(m_settingsBox);
    m_freeLabel->setObjectName(QStringLiteral("freeSpace"));
    grid->addWidget(m_planLabel, 3, 0, 1, 3);
    grid->addWidget(m_freeLabel, 3, 3, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addWidget(m_settingsBox);

    auto *progress = new QGridLayout;
    m_jobLabel = new QLabel(QStringLiteral("Ready"), this);
    m_jobLabel->setTextFormat(Qt::PlainText);
    m_jobBar = new QProgressBar(this);
    m_jobBar->setObjectName(QStringLiteral("jobProgress"));
    m_overallBar = new QProgressBar(this);
    m_overallBar->setObjectName(QStringLiteral("overallProgress"));
    for (QProgressBar *bar : {m_jobBar, m_overallBar}) {
        bar->setRange(0, kBarSteps);
        bar->setValue(0);
    }
    m_timeLabel = new QLabel(this);
    m_timeLabel->setObjectName(QStringLiteral("times"));
    progress->addWidget(m_jobLabel, 0, 0, 1, 2);
    progress->addWidget(new QLabel(QStringLiteral("This video:"), this), 1, 0);
    progress->addWidget(m_jobBar, 1, 1);
    progress->addWidget(new QLabel(QStringLiteral("All videos:"), this), 2, 0);
    progress->addWidget(m_overallBar, 2, 1);
    progress->addWidget(m_timeLabel, 3, 1, Qt::AlignRight);
    layout->addLayout(progress);

    auto *actions = new QHBoxLayout;
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));
    m_convertButton = new QPushButton(QStringLiteral("Convert"), this);
    m_convertButton->setObjectName(QStringLiteral("convert"));
    m_convertButton->setDefault(true);
    actions->addStretch(1);
    actions->addWidget(m_cancelButton);
    actions->addWidget(m_convertButton);
    layout->addLayout(actions);

    m_clock = new QTimer(this);
    m_clock->setInterval(500);

    connect(m_addButton, &QPushButton::clicked, this, &ConvertWindow::chooseFiles);
    connect(m_sampleButton, &QPushButton::clicked, this, &ConvertWindow::addSample);
    connect(m_removeButton, &QPushButton::clicked, m_sources, &SourceList::removeSelected);
    connect(m_sources, &SourceList::filesDropped, this, &ConvertWindow::addSources);
    connect(m_sources, &SourceList::sourcesChanged, this, &ConvertWindow::refreshPlan);
    connect(m_presetBox, &QComboBox::currentIndexChanged, this, &ConvertWindow::refreshPlan);
    connect(m_sizeRadio, &QRadioButton::toggled, this, [this] {
        refreshModeControls();
        refreshPlan();
    });
    connect(m_sizeSpin, &QSpinBox::valueChanged, this, &ConvertWindow::refreshPlan);
    connect(m_bitrateSpin, &QSpinBox::valueChanged, this, &ConvertWindow::refreshPlan);
    connect(m_destinationEdit, &QLineEdit::editingFinished, this, &ConvertWindow::refreshPlan);
    connect(m_destinationButton, &QPushButton::clicked, this, &ConvertWindow::chooseDestination);
    connect(m_convertButton, &QPushButton::clicked, this, &ConvertWindow::startConversion);
    connect(m_cancelButton, &QPushButton::clicked, this, &ConvertWindow::cancelConversion);
    connect(m_clock, &QTimer::timeout, this, &ConvertWindow::refreshTimes);

    setRunning(false);
    resize(780, 500);
}

void ConvertWindow::loadSettings(const Options &options)
{
    const QString presetId = options.presetGiven ? options.presetId : reel::prefRead(kPresetKey);
    const int presetIndex = m_presetBox->findData(presetId);
    m_presetBox->setCurrentIndex(presetIndex >= 0 ? presetIndex : 0);

    const int size = reel::prefRead(kSizeKey).toInt();
    const int bitrate = reel::prefRead(kBitrateKey).toInt();
    m_sizeSpin->setValue(size > 0 ? size : 100);
    m_bitrateSpin->setValue(bitrate > 0 ? bitrate : currentPreset().defaultVideoKbps);
    bool sizeMode = reel::prefRead(kModeKey) == QLatin1String("size");
    if (options.budgetGiven) {
        sizeMode = options.budget.mode == Budget::Mode::TargetSize;
        if (sizeMode)
            m_sizeSpin->setValue(options.budget.sizeMB);
        else
            m_bitrateSpin->setValue(options.budget.videoKbps);
    }
    (sizeMode ? m_sizeRadio : m_bitrateRadio)->setChecked(true);

    QString folder = options.outputDir.isNull() ? reel::prefRead(kDestinationKey)
                                                : reel::stringByExpandingTildeInPath(options.outputDir);
    if (folder.isEmpty() || !reel::isDirectory(folder))
        folder = defaultDestination();
    m_destinationEdit->setText(folder);
}

void ConvertWindow::saveSettings() const
{
    reel::prefWrite(kPresetKey, currentPreset().id);
    reel::prefWrite(kModeKey, m_sizeRadio->isChecked() ? QStringLiteral("size") : QStringLiteral("bitrate"));
    reel::prefWrite(kSizeKey, m_sizeSpin->value());
    reel::prefWrite(kBitrateKey, m_bitrateSpin->value());
    if (reel::isDirectory(destination()))
        reel::prefWrite(kDestinationKey, destination());
}

const Preset &ConvertWindow::currentPreset() const
{
    return m_presets.at(qMax(0, m_presetBox->currentIndex()));
}

Budget ConvertWindow::currentBudget() const
{
    Budget budget;
    budget.mode = m_sizeRadio->isChecked() ? Budget::Mode::TargetSize : Budget::Mode::Bitrate;
    budget.sizeMB = m_sizeSpin->value();
    budget.videoKbps = m_bitrateSpin->value();
    return budget;
}

QString ConvertWindow::destination() const
{
    return reel::stringByExpandingTildeInPath(m_destinationEdit->text().trimmed());
}

void ConvertWindow::refreshModeControls()
{
    m_sizeSpin->setEnabled(m_sizeRadio->isChecked() && !m_batch);
    m_bitrateSpin->setEnabled(m_bitrateRadio->isChecked() && !m_batch);
}

void ConvertWindow::refreshPlan()
{
    const Preset &preset = currentPreset();
    const Budget budget = currentBudget();
    int totalMB = 0;
    int planned = 0;
    QString firstProblem;
    const QList<SourceInfo> &sources = m_sources->sources();
    for (int row = 0; row < sources.size(); ++row) {
        const SourceInfo &source = sources.at(row);
        if (!source.usable()) {
            m_sources->setOutputText(row, QString(), false);
            continue;
        }
        const BudgetPlan plan = planBudget(preset, budget, source.duration);
        if (!plan.ok) {
            m_sources->setOutputText(row, QStringLiteral("refused"), true);
            if (firstProblem.isEmpty())
                firstProblem = plan.message;
            continue;
        }
        const QString capped = plan.capped ? QStringLiteral(" (max)") : QString();
        const QString text = budget.mode == Budget::Mode::TargetSize
                                 ? QStringLiteral("%1 kb/s%2").arg(plan.videoKbps).arg(capped)
                                 : QStringLiteral("about %1 MB").arg(plan.estimatedMB);
        m_sources->setOutputText(row, text, false);
        totalMB += plan.estimatedMB;
        ++planned;
    }
    const QStringList missing = missingTools();
    if (!missing.isEmpty())
        m_planLabel->setText(missingToolsMessage(missing));
    else if (!firstProblem.isEmpty())
        m_planLabel->setText(firstProblem);
    else if (planned == 0)
        m_planLabel->setText(QStringLiteral("Add videos to convert them."));
    else
        m_planLabel->setText(QStringLiteral("%1 video%2, about %3 MB in all")
                                 .arg(planned)
                                 .arg(planned > 1 ? QStringLiteral("s") : QString())
                                 .arg(totalMB));
    const int freeMB = reel::isDirectory(destination()) ? reel::espaceDiskDispo(destination()) : -1;
    m_freeLabel->setText(freeMB < 0 ? QStringLiteral("Free space: ?")
                                    : QStringLiteral("Free space: %1").arg(sizeText(freeMB)));
}

void ConvertWindow::addSources(const QStringList &paths)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString &path : paths)
        m_sources->appendSource(probeSource(path));
    QApplication::restoreOverrideCursor();
}

void ConvertWindow::setFolderRevealer(std::function<void(const QString &)> revealer)
{
    m_revealer = std::move(revealer);
}

void ConvertWindow::chooseFiles()
{
    const QStringList paths = QFileDialog::getOpenFileNames(this, QStringLiteral("Add Videos"),
                                                            reel::homeDirectory(), videoFilter());
    addSources(paths);
}

void ConvertWindow::chooseDestination()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Destination"), destination());
    if (!folder.isEmpty()) {
        m_destinationEdit->setText(folder);
        refreshPlan();
    }
}

void ConvertWindow::addSample()
{
    QString error;
    const QString sample = builtInSamplePath();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool made = makeSampleClip(sample, SampleClip(), &error);
    QApplication::restoreOverrideCursor();
    if (!made) {
        reel::displayAlert(QStringLiteral("No sample clip"), error, reel::kCriticalAlertStyle, this);
        return;
    }
    addSources({sample});
}

void ConvertWindow::setRunning(bool running)
{
    reel::setObjEnabled(m_settingsBox, !running);
    for (QPushButton *button : {m_addButton, m_sampleButton, m_removeButton, m_convertButton})
        button->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_sources->setAcceptDrops(!running);
    refreshModeControls();
    if (running)
        m_clock->start();
    else
        m_clock->stop();
}

void ConvertWindow::startConversion()
{
    if (m_batch)
        return;
    const QStringList missing = missingTools();
    if (!missing.isEmpty()) {
        reel::displayAlert(QStringLiteral("Cannot convert"), missingToolsMessage(missing), reel::kCriticalAlertStyle,
                           this);
        return;
    }
    const QList<SourceInfo> &all = m_sources->sources();
    QList<SourceInfo> usable;
    QList<int> rows;
    for (int row = 0; row < all.size(); ++row) {
        if (all.at(row).usable()) {
            usable << all.at(row);
            rows << row;
        }
    }
    if (usable.isEmpty()) {
        reel::displayAlert(QStringLiteral("Nothing to convert"),
                           QStringLiteral("Add videos with \"Add Videos…\" or drop them on the list."), 0, this);
        return;
    }
    const QString folder = QFileInfo(destination()).canonicalFilePath();
    if (folder.isEmpty() || !reel::isDirectory(folder)) {
        reel::displayAlert(QStringLiteral("No destination folder"),
                           QStringLiteral("%1 is not a folder. Choose where the videos go.").arg(destination()),
                           reel::kCriticalAlertStyle, this);
        return;
    }
    const Plan plan = planJobs(usable, currentPreset(), currentBudget(), folder);
    if (!plan.problems.isEmpty()) {
        reel::displayAlert(QStringLiteral("Cannot convert"), plan.problems.join(QLatin1Char('\n')),
                           reel::kCriticalAlertStyle, this);
        return;
    }

    // An existing output is replaced only on the user's word; the question's
    // default keeps it.
    QList<JobSettings> jobs;
    m_batchRows.clear();
    const QString keep = QStringLiteral("Keep");
    const QString replace = QStringLiteral("Replace");
    for (int i = 0; i < plan.jobs.size(); ++i) {
        JobSettings job = plan.jobs.at(i);
        if (job.outputExists) {
            const QString answer = reel::displayAlertDelayed(
                QStringLiteral("Replace \"%1\"?").arg(reel::lastPathComponent(job.output)),
                QStringLiteral("%1 already exists. Replace it with the conversion of \"%2\"?")
                    .arg(job.output, job.source.title),
                keep, replace, QString(), 0, 0);
            if (answer != replace) {
                m_sources->setStatus(rows.at(i), QStringLiteral("kept existing output"));
                continue;
            }
            job.overwrite = true;
        }
        jobs << job;
        m_batchRows << rows.at(i);
    }
    if (jobs.isEmpty())
        return;

    saveSettings();
    m_batchDestination = folder;
    for (int row : std::as_const(m_batchRows))
        m_sources->setStatus(row, QStringLiteral("waiting"));
    m_batch = new ConversionBatch(jobs, this);
    connect(m_batch, &ConversionBatch::jobStarted, this, &ConvertWindow::jobStarted);
    connect(m_batch, &ConversionBatch::progressChanged, this, &ConvertWindow::jobProgress);
    connect(m_batch, &ConversionBatch::jobFinished, this, &ConvertWindow::jobFinished);
    connect(m_batch, &ConversionBatch::finished, this, &ConvertWindow::batchFinished);
    m_jobBar->setValue(0);
    m_overallBar->setValue(0);
    setRunning(true);
    refreshTimes();
    m_batch->start();
}

void ConvertWindow::cancelConversion()
{
    if (m_batch)
        m_batch->cancel();
}

void ConvertWindow::jobStarted(int index)
{
    m_sources->setStatus(m_batchRows.at(index), QStringLiteral("converting"));
    m_jobLabel->setText(QStringLiteral("Converting \"%1\" (%2 of %3)")
                            .arg(m_batch->job(index)->settings().source.title)
                            .arg(index + 1)
                            .arg(m_batch->count()));
    m_jobBar->setValue(0);
}

void ConvertWindow::jobProgress(int index, float jobPercent, float overall)
{
    m_jobBar->setValue(barValue(jobPercent));
    m_overallBar->setValue(barValue(overall));
    m_sources->setStatus(m_batchRows.at(index), QStringLiteral("%1%").arg(int(jobPercent)));
    refreshTimes();
}

void ConvertWindow::jobFinished(int index)
{
    const ConversionJob *job = m_batch->job(index);
    const int row = m_batchRows.at(index);
    switch (job->state()) {
    case ConversionJob::State::Finished:
        m_sources->setStatus(row, QStringLiteral("done, %1")
                                      .arg(sizeText(reel::poidsFile(job->settings().output, QStringLiteral("M")))));
        m_jobBar->setValue(kBarSteps);
        break;
    case ConversionJob::State::Failed:
        m_sources->setStatus(row, QStringLiteral("failed: %1").arg(job->error()));
        break;
    case ConversionJob::State::Cancelled:
        m_sources->setStatus(row, QStringLiteral("cancelled"));
        break;
    default:
        break;
    }
    m_overallBar->setValue(barValue(m_batch->overallProgress()));
}

void ConvertWindow::batchFinished()
{
    ConversionBatch *batch = m_batch;
    const bool cancelled = batch->wasCancelled();
    m_jobLabel->setText(cancelled ? QStringLiteral("Cancelled; unfinished outputs removed")
                                  : QStringLiteral("Finished: %1 of %2 converted")
                                        .arg(batch->finishedCount())
                                        .arg(batch->count()));
    if (cancelled) {
        m_jobBar->setValue(0);
        m_overallBar->setValue(0);
    } else {
        m_overallBar->setValue(kBarSteps);
    }
    refreshTimes();
    setRunning(false);
    m_batch = nullptr;
    // The closing question runs once the batch's own signal has returned.
    QTimer::singleShot(0, this, [this, batch, cancelled] {
        if (!cancelled)
            offerFolder(batch);
        batch->deleteLater();
        refreshPlan();
        emit conversionEnded();
    });
}

void ConvertWindow::offerFolder(const ConversionBatch *batch)
{
    const QStringList failures = batch->failures();
    QString message = QStringLiteral("%1 of %2 videos converted into %3.")
                          .arg(batch->finishedCount())
                          .arg(batch->count())
                          .arg(m_batchDestination);
    if (!failures.isEmpty())
        message += QStringLiteral("\n\n") + failures.join(QLatin1Char('\n'));
    const QString show = QStringLiteral("Show Folder");
    const QString answer = reel::displayAlertDelayed(QStringLiteral("Conversion finished"), message,
                                                     QStringLiteral("Close"), show, QString(),
                                                     failures.isEmpty() ? 0 : reel::kCriticalAlertStyle, 30);
    if (answer == show && m_revealer)
        m_revealer(m_batchDestination);
}

void ConvertWindow::refreshTimes()
{
    if (!m_batch) {
        m_timeLabel->clear();
        return;
    }
    m_timeLabel->setText(QStringLiteral("Elapsed %1, remaining %2")
                             .arg(timeText(m_batch->elapsedMs() / 1000), timeText(m_batch->remainingSeconds())));
}

void ConvertWindow::closeEvent(QCloseEvent *event)
{
    if (m_batch) {
        const QString stop = QStringLiteral("Stop and Close");
        const QString answer = reel::displayAlertDelayed(
            QStringLiteral("Stop the conversion?"),
            QStringLiteral("Closing the window stops the conversion and removes the unfinished output."),
            QStringLiteral("Keep Converting"), stop, QString(), 0, 0);
        if (answer != stop) {
            event->ignore();
            return;
        }
        // The jobs go with the window: a running one stops its tool and
        // removes its partial output.
        m_batch->cancel();
    }
    saveSettings();
    event->accept();
}

} // namespace convert
