#include "window/window.h"

#include "jobs/workfolder.h"
#include "model/tools.h"
#include "model/tracks.h"
#include "probing/discovery.h"
#include "window/picturebox.h"
#include "window/preview.h"
#include "window/reader.h"
#include "window/sourcelist.h"
#include "window/tracklist.h"

#include <reel/core.h>
#include <reel/dialogs.h>
#include <reel/files.h>
#include <reel/numbers.h>
#include <reel/prefs.h>
#include <reel/widgets.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace convert {

namespace {

// The preference keys of the settings the window remembers.
const QString kPresetKey = QStringLiteral("ConvertPreset");
const QString kModeKey = QStringLiteral("ConvertMode");
const QString kQualityKey = QStringLiteral("ConvertQuality");
const QString kSizeKey = QStringLiteral("ConvertSizeMB");
const QString kBitrateKey = QStringLiteral("ConvertBitrate");
const QString kDestinationKey = QStringLiteral("ConvertDestination");
const QString kDiscKey = QStringLiteral("ConvertMakeDisc");
const QString kDualLayerKey = QStringLiteral("ConvertDualLayer");
const QString kChaptersKey = QStringLiteral("ConvertChapterMinutes");
const QString kNormalizeKey = QStringLiteral("ConvertNormalize");
// The Picture group's words, in its order.
const QStringList kPictureKeys{QStringLiteral("ConvertMaxSize"), QStringLiteral("ConvertCrop"),
                               QStringLiteral("ConvertDenoise"), QStringLiteral("ConvertDeinterlace")};

// Progress bars count tenths of a percent, so that a long job still moves.
constexpr int kBarSteps = 1000;

// Alerts about a finished batch close themselves after this; those that
// report a failure stay until they are read.
constexpr int kFinishedAlertSeconds = 30;

// The outputs named in the question about existing files.
constexpr int kNamedOutputs = 8;

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
    for (const QString &extension : videoExtensions())
        patterns << QStringLiteral("*.") + extension;
    return QCoreApplication::translate("convert::ConvertWindow", "Videos (%1);;All files (*)")
        .arg(patterns.join(QLatin1Char(' ')));
}

// "video, audio #2 (eng), 1 subtitle track; 1 dropped" for the list.
QString tracksInBrief(const SourceInfo &source, const TrackChoice &choice)
{
    QStringList parts{QCoreApplication::translate("convert::ConvertWindow", "video")};
    if (!choice.hasAudio())
        parts << QCoreApplication::translate("convert::ConvertWindow", "no sound");
    for (int audio : choice.audio) {
        QString sound = QCoreApplication::translate("convert::ConvertWindow", "audio #%1").arg(audio);
        for (const StreamInfo &stream : source.streams) {
            if (stream.index == audio && !stream.language.isEmpty())
                sound += QStringLiteral(" (%1)").arg(stream.language);
        }
        parts << sound;
    }
    if (!choice.subtitles.isEmpty())
        parts << counted("convert::ConvertWindow",
                         QT_TRANSLATE_N_NOOP("convert::ConvertWindow", "%n subtitle track(s)"),
                         int(choice.subtitles.size()));
    QString text = parts.join(QStringLiteral(", "));
    if (!choice.dropped.isEmpty())
        text +=
            QCoreApplication::translate("convert::ConvertWindow", "; %n dropped", nullptr, int(choice.dropped.size()));
    return text;
}

// The command line's reading of a saved preset, as "-p NAME" alone gives it;
// its error when it refuses the words.
Options readSavedPreset(const SavedPreset &saved)
{
    Options given = parseOptions(QStringList{QStringLiteral("reelkit-convert")} + presetArguments(saved.words));
    const QString base = saved.words.value(0).second;
    if (given.error.isEmpty() && !presetById(base))
        given.error = QCoreApplication::translate("convert::ConvertWindow", "'%1' is no built-in preset").arg(base);
    return given;
}

} // namespace

ConvertWindow::ConvertWindow(const Options &options, QWidget *parent)
    : QWidget(parent),
      m_preset(presets().constFirst()),
      m_revealer([](const QString &folder) { reel::revealFolderInFinder(folder); }),
      m_freeSpace([](const QString &folder) { return reel::espaceDiskDispo(folder); }),
      m_opener([](const QString &file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }),
      m_presetNamer([this](const QString &suggested) {
          return QInputDialog::getText(this, tr("Save Preset"), tr("Keep these settings as your preset named:"),
                                       QLineEdit::Normal, suggested);
      })
{
    setWindowTitle(tr("reelkit Convert"));
    m_reader = new SourceReader(this);
    m_preview = new Preview(this);
    m_notifier = new reel::DesktopNotifier(this);
    buildInterface();
    loadSettings(options);
    refreshControls();
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
    layout->addLayout(buildSourceButtons());
    layout->addLayout(buildChoices());
    m_settingsBox = new QGroupBox(tr("Output"), this);
    auto *grid = new QGridLayout(m_settingsBox);
    buildPresetAndBudget(grid);
    buildDestinationAndDisc(grid);
    buildPlanLine(grid);
    layout->addWidget(m_settingsBox);
    layout->addLayout(buildProgress());
    layout->addLayout(buildActions());
    m_clock = new QTimer(this);
    m_clock->setInterval(500);
    connectControls();
    resize(900, 700);
    // Room for the list's columns, the output settings and both bars.
    setMinimumSize(minimumSizeHint().expandedTo(QSize(640, 440)));
}

// The selected video's tracks beside the picture's choices for every video.
QLayout *ConvertWindow::buildChoices()
{
    auto *choices = new QHBoxLayout;
    m_trackList = new TrackList(this);
    m_trackList->setObjectName(QStringLiteral("tracks"));
    m_pictureBox = new PictureBox(this);
    choices->addWidget(m_trackList, 1);
    choices->addWidget(m_pictureBox);
    return choices;
}

QLayout *ConvertWindow::buildSourceButtons()
{
    auto *sourceButtons = new QHBoxLayout;
    m_addButton = new QPushButton(tr("Add Videos…"), this);
    m_addButton->setObjectName(QStringLiteral("add"));
    m_sampleButton = new QPushButton(tr("Add Sample Clip"), this);
    m_sampleButton->setObjectName(QStringLiteral("sample"));
    m_sampleButton->setToolTip(tr("A short clip made with ffmpeg's test sources"));
    m_removeButton = new QPushButton(tr("Remove"), this);
    m_removeButton->setObjectName(QStringLiteral("remove"));
    sourceButtons->addWidget(m_addButton);
    sourceButtons->addWidget(m_sampleButton);
    sourceButtons->addWidget(m_removeButton);
    sourceButtons->addStretch(1);
    auto *dropHint = new QLabel(tr("or drop videos or folders on the list"), this);
    dropHint->setEnabled(false);
    sourceButtons->addWidget(dropHint);
    return sourceButtons;
}

// The preset, then the three ways to pay for the picture, each with its figure.
void ConvertWindow::buildPresetAndBudget(QGridLayout *grid)
{
    m_presetBox = new QComboBox(m_settingsBox);
    m_presetBox->setObjectName(QStringLiteral("preset"));
    m_savePresetButton = new QPushButton(tr("Save Preset…"), m_settingsBox);
    m_savePresetButton->setObjectName(QStringLiteral("savePreset"));
    m_savePresetButton->setToolTip(tr("Keep these settings under a name, for this list and for "
                                      "reelkit-convert -p NAME"));
    grid->addWidget(new QLabel(tr("Preset:"), m_settingsBox), 0, 0);
    grid->addWidget(m_presetBox, 0, 1, 1, 4);
    grid->addWidget(m_savePresetButton, 0, 5);

    m_qualityRadio = new QRadioButton(tr("Quality:"), m_settingsBox);
    m_qualityRadio->setObjectName(QStringLiteral("qualityMode"));
    m_qualityRadio->setToolTip(tr("A constant quality; the size follows the picture"));
    m_qualitySpin = new QSpinBox(m_settingsBox);
    m_qualitySpin->setObjectName(QStringLiteral("quality"));
    m_qualitySpin->setRange(kMinCrf, kMaxCrf);
    m_qualitySpin->setPrefix(QStringLiteral("CRF "));
    m_qualitySpin->setToolTip(tr("Constant rate factor: lower is better and larger; 18 looks like "
                                 "the source, 23 is H.264's usual, 28 HEVC's"));
    m_sizeRadio = new QRadioButton(tr("Target size:"), m_settingsBox);
    m_sizeRadio->setObjectName(QStringLiteral("sizeMode"));
    m_sizeSpin = new QSpinBox(m_settingsBox);
    m_sizeSpin->setObjectName(QStringLiteral("sizeMB"));
    m_sizeSpin->setRange(1, 1000000);
    m_sizeSpin->setSuffix(tr(" MB"));
    m_sizeSpin->setToolTip(tr("Each output, in MB of 1024 x 1024 bytes"));
    m_bitrateRadio = new QRadioButton(tr("Bitrate:"), m_settingsBox);
    m_bitrateRadio->setObjectName(QStringLiteral("bitrateMode"));
    m_bitrateSpin = new QSpinBox(m_settingsBox);
    m_bitrateSpin->setObjectName(QStringLiteral("bitrate"));
    m_bitrateSpin->setRange(1, 100000);
    m_bitrateSpin->setSuffix(tr(" kb/s"));
    grid->addWidget(m_qualityRadio, 1, 0);
    grid->addWidget(m_qualitySpin, 1, 1);
    grid->addWidget(m_sizeRadio, 1, 2);
    grid->addWidget(m_sizeSpin, 1, 3);
    grid->addWidget(m_bitrateRadio, 1, 4);
    grid->addWidget(m_bitrateSpin, 1, 5);
}

void ConvertWindow::buildDestinationAndDisc(QGridLayout *grid)
{
    m_destinationEdit = new QLineEdit(m_settingsBox);
    m_destinationEdit->setObjectName(QStringLiteral("destination"));
    m_destinationButton = new QPushButton(tr("Choose…"), m_settingsBox);
    grid->addWidget(new QLabel(tr("Destination:"), m_settingsBox), 2, 0);
    grid->addWidget(m_destinationEdit, 2, 1, 1, 4);
    grid->addWidget(m_destinationButton, 2, 5);

    m_discCheck = new QCheckBox(tr("Make a disc"), m_settingsBox);
    m_discCheck->setObjectName(QStringLiteral("disc"));
    m_discCheck->setToolTip(tr("After the conversions, a DVD: one title per video in a VIDEO_TS folder, "
                               "and an ISO image to burn. Subtitles come from an .srt beside each "
                               "video with its name."));
    m_dualLayerCheck = new QCheckBox(tr("Dual layer (8.5 GB)"), m_settingsBox);
    m_dualLayerCheck->setObjectName(QStringLiteral("dualLayer"));
    m_chapterSpin = new QSpinBox(m_settingsBox);
    m_chapterSpin->setObjectName(QStringLiteral("chapters"));
    m_chapterSpin->setRange(0, 24 * 60);
    m_chapterSpin->setValue(5);
    m_chapterSpin->setPrefix(tr("Chapters every "));
    m_chapterSpin->setSuffix(tr(" min"));
    m_chapterSpin->setSpecialValueText(tr("No chapters"));
    m_normalizeCheck = new QCheckBox(tr("Even out the sound"), m_settingsBox);
    m_normalizeCheck->setObjectName(QStringLiteral("normalize"));
    m_normalizeCheck->setToolTip(tr("Runs normalize on each video's sound before it is encoded"));
    grid->addWidget(m_discCheck, 3, 0);
    grid->addWidget(m_dualLayerCheck, 3, 1);
    grid->addWidget(m_chapterSpin, 3, 2, 1, 2);
    grid->addWidget(m_normalizeCheck, 3, 4, 1, 2);
}

// What the settings give (or why they are refused), and the free space.
void ConvertWindow::buildPlanLine(QGridLayout *grid)
{
    m_planLabel = new QLabel(m_settingsBox);
    m_planLabel->setObjectName(QStringLiteral("plan"));
    m_planLabel->setWordWrap(true);
    m_planLabel->setTextFormat(Qt::PlainText);
    m_freeLabel = new QLabel(m_settingsBox);
    m_freeLabel->setObjectName(QStringLiteral("freeSpace"));
    grid->addWidget(m_planLabel, 4, 0, 1, 4);
    grid->addWidget(m_freeLabel, 4, 4, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
}

QLayout *ConvertWindow::buildProgress()
{
    auto *progress = new QGridLayout;
    m_jobLabel = new QLabel(tr("Ready"), this);
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
    progress->addWidget(new QLabel(tr("This video:"), this), 1, 0);
    progress->addWidget(m_jobBar, 1, 1);
    progress->addWidget(new QLabel(tr("All videos:"), this), 2, 0);
    progress->addWidget(m_overallBar, 2, 1);
    progress->addWidget(m_timeLabel, 3, 1, Qt::AlignRight);
    return progress;
}

QLayout *ConvertWindow::buildActions()
{
    auto *actions = new QHBoxLayout;
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));
    m_convertButton = new QPushButton(tr("Convert"), this);
    m_convertButton->setObjectName(QStringLiteral("convert"));
    m_convertButton->setDefault(true);
    m_previewButton = new QPushButton(tr("Preview"), this);
    m_previewButton->setObjectName(QStringLiteral("preview"));
    m_previewButton->setToolTip(tr("Ten seconds from the middle of the selected video, converted with "
                                   "these settings and opened in your player"));
    actions->addWidget(m_previewButton);
    actions->addStretch(1);
    actions->addWidget(m_cancelButton);
    actions->addWidget(m_convertButton);
    return actions;
}

void ConvertWindow::connectControls()
{
    connect(m_addButton, &QPushButton::clicked, this, &ConvertWindow::chooseFiles);
    connect(m_sampleButton, &QPushButton::clicked, this, &ConvertWindow::addSample);
    connect(m_removeButton, &QPushButton::clicked, m_sources, &SourceList::removeSelected);
    connect(m_sources, &SourceList::filesDropped, this, &ConvertWindow::addSources);
    connect(m_sources, &SourceList::sourcesChanged, this, &ConvertWindow::refreshPlan);
    connect(m_sources, &SourceList::sourcesChanged, this, &ConvertWindow::selectionChanged);
    connect(m_sources, &SourceList::itemSelectionChanged, this, &ConvertWindow::selectionChanged);
    connect(m_reader, &SourceReader::thumbnailMade, m_sources, &SourceList::setThumbnail);
    connect(m_reader, &SourceReader::barsMeasured, this, [this](const QString &path, const Bars &bars) {
        m_sources->setBlackBars(path, bars);
        m_measured.insert(path);
    });
    connect(m_trackList, &TrackList::picked, this, [this](const QString &path, const TrackRequest &request) {
        m_trackPicks.insert(path, request);
        outputSettingsChanged();
    });
    connect(m_pictureBox, &PictureBox::changed, this, &ConvertWindow::pictureChanged);
    connect(m_previewButton, &QPushButton::clicked, this, &ConvertWindow::startPreview);
    connect(m_preview, &Preview::progressChanged, this, [this](float percent) {
        m_jobBar->setValue(barValue(percent));
        m_overallBar->setValue(barValue(percent));
    });
    connect(m_preview, &Preview::finished, this, &ConvertWindow::previewFinished);
    connect(m_reader, &SourceReader::found, m_sources, &SourceList::addReading);
    connect(m_reader, &SourceReader::sourceRead, this,
            [this](int ticket, const SourceInfo &source) { m_sources->setSource(ticket, source); });
    connect(m_reader, &SourceReader::emptyFolder, this, [this](const QString &folder) {
        reel::displayAlert(tr("No videos found"), tr("%1 holds no file with a video's extension.").arg(folder), 0,
                           this);
    });
    connect(m_reader, &SourceReader::unreadableFolder, this, [this](const QString &problem) {
        reel::displayAlert(tr("Cannot read the card"), problem.left(1).toUpper() + problem.mid(1) + u'.',
                           reel::kCriticalAlertStyle, this);
    });
    connect(m_reader, &SourceReader::sampleFailed, this, [this](const QString &error) {
        reel::displayAlert(tr("No sample clip"), error, reel::kCriticalAlertStyle, this);
    });
    connect(m_reader, &SourceReader::idle, this, [this] {
        refreshControls();
        refreshPlan();
        emit sourcesRead();
    });
    connect(m_presetBox, &QComboBox::currentIndexChanged, this, &ConvertWindow::presetChanged);
    connect(m_savePresetButton, &QPushButton::clicked, this, &ConvertWindow::savePreset);
    for (QRadioButton *radio : {m_qualityRadio, m_sizeRadio, m_bitrateRadio}) {
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            refreshControls();
            outputSettingsChanged();
        });
    }
    for (QSpinBox *spin : {m_qualitySpin, m_sizeSpin, m_bitrateSpin})
        connect(spin, &QSpinBox::valueChanged, this, &ConvertWindow::outputSettingsChanged);
    connect(m_normalizeCheck, &QCheckBox::toggled, this, &ConvertWindow::outputSettingsChanged);
    connect(m_destinationEdit, &QLineEdit::editingFinished, this, &ConvertWindow::refreshPlan);
    for (QCheckBox *check : {m_discCheck, m_dualLayerCheck}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            refreshControls();
            refreshPlan();
        });
    }
    connect(m_destinationButton, &QPushButton::clicked, this, &ConvertWindow::chooseDestination);
    connect(m_convertButton, &QPushButton::clicked, this, &ConvertWindow::startConversion);
    connect(m_cancelButton, &QPushButton::clicked, this, &ConvertWindow::cancelConversion);
    connect(m_clock, &QTimer::timeout, this, &ConvertWindow::refreshTimes);
}

void ConvertWindow::loadSettings(const Options &options)
{
    // A saved preset is remembered by name; the controls as they were left.
    fillPresetList(options.presetGiven ? options.presetId : reel::prefRead(kPresetKey));
    adoptPreset(m_presetBox->currentIndex());
    const Preset &preset = currentPreset();

    const int quality = reel::prefRead(kQualityKey).isEmpty() ? -1 : reel::prefRead(kQualityKey).toInt();
    const int size = reel::prefRead(kSizeKey).toInt();
    const int bitrate = reel::prefRead(kBitrateKey).toInt();
    m_qualitySpin->setValue(quality >= kMinCrf && quality <= kMaxCrf ? quality : qMax(preset.defaultCrf, 23));
    m_sizeSpin->setValue(size > 0 ? size : 100);
    m_bitrateSpin->setValue(bitrate > 0 ? bitrate : preset.defaultVideoKbps);

    const QString savedMode = reel::prefRead(kModeKey);
    Budget::Mode mode = defaultBudget(preset).mode;
    if (savedMode == QLatin1String("quality"))
        mode = Budget::Mode::Quality;
    else if (savedMode == QLatin1String("size"))
        mode = Budget::Mode::TargetSize;
    else if (savedMode == QLatin1String("bitrate"))
        mode = Budget::Mode::Bitrate;
    if (options.budgetGiven) {
        mode = options.budget.mode;
        if (mode == Budget::Mode::Quality)
            m_qualitySpin->setValue(options.budget.crf);
        else if (mode == Budget::Mode::TargetSize)
            m_sizeSpin->setValue(options.budget.sizeMB);
        else
            m_bitrateSpin->setValue(options.budget.videoKbps);
    }
    QRadioButton *radio = mode == Budget::Mode::Quality      ? m_qualityRadio
                          : mode == Budget::Mode::TargetSize ? m_sizeRadio
                                                             : m_bitrateRadio;
    radio->setChecked(true);

    m_discCheck->setChecked(options.disc || reel::prefRead(kDiscKey) == QLatin1String("1"));
    m_dualLayerCheck->setChecked(options.dualLayer || reel::prefRead(kDualLayerKey) == QLatin1String("1"));
    bool minutesOk = false;
    const int minutes = reel::prefRead(kChaptersKey).toInt(&minutesOk);
    m_chapterSpin->setValue(options.disc ? options.chapterMinutes : minutesOk ? minutes : 5);
    m_normalizeCheck->setChecked(options.normalize || reel::prefRead(kNormalizeKey) == QLatin1String("1"));
    if (options.disc)
        m_discName = options.discName;
    {
        const QSignalBlocker quiet(m_pictureBox);
        QStringList words;
        for (const QString &key : kPictureKeys)
            words << reel::prefRead(key);
        m_pictureBox->setWords(words);
    }
    m_reader->setMeasuringBars(m_pictureBox->request().crop == PictureRequest::Crop::Auto);

    QString folder = options.outputDir.isNull() ? reel::prefRead(kDestinationKey)
                                                : reel::stringByExpandingTildeInPath(options.outputDir);
    if (folder.isEmpty() || !reel::isDirectory(folder))
        folder = defaultDestination();
    m_destinationEdit->setText(folder);
}

// The built-in presets, then the user's, each with its words as a tip; one
// the command line would refuse is shown, not offered. The selected one,
// else mp4.
void ConvertWindow::fillPresetList(const QString &selected)
{
    const QSignalBlocker quiet(m_presetBox);
    m_presetBox->clear();
    for (const Preset &preset : presets())
        m_presetBox->addItem(preset.label, preset.id);
    m_saved = savedPresets();
    if (!m_saved.isEmpty())
        m_presetBox->insertSeparator(m_presetBox->count());
    auto *model = qobject_cast<QStandardItemModel *>(m_presetBox->model());
    for (const SavedPreset &saved : std::as_const(m_saved)) {
        m_presetBox->addItem(saved.name, saved.name);
        const int row = m_presetBox->count() - 1;
        const QString problem = readSavedPreset(saved).error;
        m_presetBox->setItemData(row,
                                 problem.isEmpty()
                                     ? tr("Your preset: %1").arg(presetArguments(saved.words).join(QLatin1Char(' ')))
                                     : tr("Refused: %1").arg(problem),
                                 Qt::ToolTipRole);
        if (!problem.isEmpty())
            model->item(row)->setEnabled(false);
    }
    const int at = selected.isEmpty() ? -1 : m_presetBox->findData(selected);
    m_presetBox->setCurrentIndex(at >= 0 && model->item(at)->isEnabled() ? at : 0);
}

const SavedPreset *ConvertWindow::savedPresetAt(int index) const
{
    const QString name = m_presetBox->itemData(index).toString();
    for (const SavedPreset &saved : m_saved) {
        if (saved.name == name)
            return &saved;
    }
    return nullptr;
}

// The item's preset becomes the window's: a built-in one as it is, one of
// the user's as the command line reads it, whose options come back.
std::optional<Options> ConvertWindow::adoptPreset(int index)
{
    m_presetChanges = PresetChanges();
    m_trackWords.clear();
    m_tracks = TrackRequest();
    const SavedPreset *saved = savedPresetAt(index);
    if (const auto builtIn = presetById(m_presetBox->itemData(index).toString()); builtIn || !saved) {
        m_preset = builtIn.value_or(presets().constFirst());
        return std::nullopt;
    }
    const Options given = readSavedPreset(*saved);
    if (!given.error.isEmpty()) {
        m_preset = presets().constFirst();
        return std::nullopt;
    }
    m_preset = effectivePreset(given);
    m_presetChanges = given.presetChanges;
    m_tracks = given.choices.tracks;
    for (const auto &word : saved->words) {
        if (word.first == QLatin1String("audio") || word.first == QLatin1String("subtitle"))
            m_trackWords << word;
    }
    return given;
}

// A saved preset's budget, picture and sound, as the command line gives them
// when it names the preset alone.
void ConvertWindow::applySavedPreset(const Options &given, const OptionWordList &words)
{
    const auto word = [&words](const char *key) {
        for (const auto &[name, value] : words) {
            if (name == QLatin1String(key))
                return value;
        }
        return QString();
    };
    const Budget budget = effectiveBudget(given, m_preset);
    {
        const QSignalBlocker quality(m_qualitySpin), size(m_sizeSpin), bitrate(m_bitrateSpin);
        if (m_preset.hasQualityMode())
            m_qualitySpin->setValue(budget.mode == Budget::Mode::Quality ? budget.crf : m_preset.defaultCrf);
        m_bitrateSpin->setValue(budget.mode == Budget::Mode::Bitrate ? budget.videoKbps : m_preset.defaultVideoKbps);
        if (budget.mode == Budget::Mode::TargetSize)
            m_sizeSpin->setValue(budget.sizeMB);
    }
    (budget.mode == Budget::Mode::Quality      ? m_qualityRadio
     : budget.mode == Budget::Mode::TargetSize ? m_sizeRadio
                                               : m_bitrateRadio)
        ->setChecked(true);
    m_normalizeCheck->setChecked(given.normalize);
    m_pictureBox->setWords({word("max-size").isEmpty() ? word("height") : word("max-size"), word("crop"),
                            word("denoise"), word("deinterlace")});
}

// The settings as the command line's words: the preset the chosen one starts
// from and its changes, the budget, the tracks a saved preset asked for, the
// picture where it is not the default, and the sound evened out.
OptionWordList ConvertWindow::currentPresetWords() const
{
    OptionWordList words{qMakePair(QStringLiteral("preset"), m_preset.id)};
    const Budget budget = currentBudget();
    if (budget.mode == Budget::Mode::Quality)
        words << qMakePair(QStringLiteral("quality"), QString::number(budget.crf));
    else if (budget.mode == Budget::Mode::TargetSize)
        words << qMakePair(QStringLiteral("size"), QString::number(budget.sizeMB));
    else
        words << qMakePair(QStringLiteral("bitrate"), QString::number(budget.videoKbps));
    const PresetChanges &changes = m_presetChanges;
    for (const auto &[key, word] : {std::pair{"container", changes.container}, {"speed", changes.speed},
                                    {"audio-codec", changes.audioCodec}}) {
        if (!word.isEmpty())
            words << qMakePair(QString::fromLatin1(key), word);
    }
    if (changes.audioKbps > 0)
        words << qMakePair(QStringLiteral("audio-bitrate"), QString::number(changes.audioKbps));
    words << m_trackWords << m_pictureBox->optionWords();
    if (m_normalizeCheck->isChecked())
        words << qMakePair(QStringLiteral("normalize"), QStringLiteral("true"));
    std::stable_sort(words.begin(), words.end(), [](const auto &a, const auto &b) {
        return presetKeys().indexOf(a.first) < presetKeys().indexOf(b.first);
    });
    return words;
}

// Saving under a name taken replaces that preset: the name was chosen.
void ConvertWindow::savePreset()
{
    const QString chosen = m_presetBox->currentData().toString();
    const QString name = m_presetNamer(presetById(chosen) ? QString() : chosen).trimmed();
    if (name.isEmpty())
        return;
    QString error;
    const SavedPreset preset{name, currentPresetWords()};
    // Refused words would be kept but never offered again.
    if (!isPresetName(name, &error) || !(error = readSavedPreset(preset).error).isEmpty()
        || writeSavedPreset(preset, &error).isEmpty()) {
        reel::displayAlert(tr("Preset not saved"), error.left(1).toUpper() + error.mid(1) + u'.',
                           reel::kCriticalAlertStyle, this);
        return;
    }
    fillPresetList(name);
    adoptPreset(m_presetBox->currentIndex());
    refreshControls();
    refreshPlan();
}

void ConvertWindow::presetChanged(int index)
{
    // The quality follows the preset while it is the preset's own; the
    // bitrate is the preset's own, a DVD's and an MP4's being far apart.
    const Preset before = m_preset;
    if (const std::optional<Options> given = adoptPreset(index)) {
        applySavedPreset(*given, savedPresetAt(index)->words);
    } else {
        if (m_preset.hasQualityMode() && m_qualitySpin->value() == before.defaultCrf)
            m_qualitySpin->setValue(m_preset.defaultCrf);
        m_bitrateSpin->setValue(m_preset.defaultVideoKbps);
    }
    refreshControls();
    outputSettingsChanged();
    // Which tracks an output can hold follows the preset.
    selectionChanged();
}

// Another output is asked for: the videos done are done no more.
void ConvertWindow::outputSettingsChanged()
{
    if (!m_running)
        m_sources->reopenDone();
    refreshPlan();
}

void ConvertWindow::pictureChanged()
{
    const bool measuring = m_pictureBox->request().crop == PictureRequest::Crop::Auto;
    m_reader->setMeasuringBars(measuring);
    if (measuring) {
        QList<SourceInfo> missing;
        for (const SourceInfo &source : m_sources->sources()) {
            if (source.usable() && !m_measured.contains(source.path))
                missing << source;
        }
        m_reader->measureBars(missing);
    }
    refreshControls();
    outputSettingsChanged();
}

void ConvertWindow::selectionChanged()
{
    const int row = m_sources->selectedRow();
    const SourceInfo *source = row >= 0 && m_sources->sources().at(row).usable() ? &m_sources->sources().at(row) : nullptr;
    std::optional<TrackRequest> picked;
    if (source)
        picked = m_trackPicks.value(source->path, m_tracks);
    m_trackList->showSource(source, currentPreset(), picked);
    refreshControls();
}

void ConvertWindow::saveSettings() const
{
    reel::prefWrite(kPresetKey, m_presetBox->currentData().toString());
    const QString mode = m_qualityRadio->isChecked() ? QStringLiteral("quality")
                         : m_sizeRadio->isChecked()  ? QStringLiteral("size")
                                                     : QStringLiteral("bitrate");
    reel::prefWrite(kModeKey, mode);
    reel::prefWrite(kQualityKey, m_qualitySpin->value());
    reel::prefWrite(kSizeKey, m_sizeSpin->value());
    reel::prefWrite(kBitrateKey, m_bitrateSpin->value());
    if (reel::isDirectory(destination()))
        reel::prefWrite(kDestinationKey, destination());
    reel::prefWrite(kDiscKey, m_discCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    reel::prefWrite(kDualLayerKey, m_dualLayerCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    reel::prefWrite(kChaptersKey, m_chapterSpin->value());
    reel::prefWrite(kNormalizeKey, m_normalizeCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    const QStringList words = m_pictureBox->words();
    for (int i = 0; i < kPictureKeys.size(); ++i)
        reel::prefWrite(kPictureKeys.at(i), words.value(i));
}

DiscSettings ConvertWindow::currentDiscSettings() const
{
    return DiscSettings{m_dualLayerCheck->isChecked(), m_chapterSpin->value(), m_discName};
}

bool ConvertWindow::makingDisc() const
{
    return m_discCheck->isChecked() && currentPreset().family == Family::DvdMpeg2;
}

const Preset &ConvertWindow::currentPreset() const
{
    return m_preset;
}

Budget ConvertWindow::currentBudget() const
{
    Budget budget;
    budget.mode = m_qualityRadio->isChecked() ? Budget::Mode::Quality
                  : m_sizeRadio->isChecked()  ? Budget::Mode::TargetSize
                                              : Budget::Mode::Bitrate;
    budget.crf = m_qualitySpin->value();
    budget.sizeMB = m_sizeSpin->value();
    budget.videoKbps = m_bitrateSpin->value();
    return budget;
}

JobChoices ConvertWindow::currentChoices() const
{
    JobChoices choices;
    choices.picture = m_pictureBox->request();
    choices.tracks = m_tracks;
    choices.tracksBySource = m_trackPicks;
    return choices;
}

QString ConvertWindow::destination() const
{
    return reel::stringByExpandingTildeInPath(m_destinationEdit->text().trimmed());
}

bool ConvertWindow::isReading() const
{
    return m_reader->isBusy();
}

void ConvertWindow::refreshControls()
{
    const bool reading = isReading();
    const Preset &preset = currentPreset();
    // A DVD has no quality mode: its players need a known bitrate.
    if (m_qualityRadio->isChecked() && !preset.hasQualityMode())
        m_bitrateRadio->setChecked(true);

    // The box as a whole first, then what the mode leaves out.
    reel::setObjEnabled(m_settingsBox, !m_running);
    m_qualityRadio->setEnabled(!m_running && preset.hasQualityMode());
    m_qualitySpin->setEnabled(!m_running && m_qualityRadio->isChecked());
    m_sizeSpin->setEnabled(!m_running && m_sizeRadio->isChecked());
    m_bitrateSpin->setEnabled(!m_running && m_bitrateRadio->isChecked());

    // A disc is made of DVD titles.
    m_discCheck->setEnabled(!m_running && preset.family == Family::DvdMpeg2);
    m_dualLayerCheck->setEnabled(!m_running && makingDisc());
    m_chapterSpin->setEnabled(!m_running && makingDisc());
    for (QPushButton *button : {m_addButton, m_sampleButton, m_removeButton})
        button->setEnabled(!m_running);
    m_pictureBox->setEnabled(!m_running);
    m_pictureBox->setSizeOffered(preset.family != Family::DvdMpeg2);
    m_trackList->setEnabled(!m_running);
    const int selected = m_sources->selectedRow();
    m_previewButton->setEnabled(!m_running && !reading && selected >= 0
                                && m_sources->sources().at(selected).usable());
    m_convertButton->setEnabled(!m_running && !reading);
    m_cancelButton->setEnabled(m_running || reading);
    m_sources->setAcceptDrops(!m_running);
}

void ConvertWindow::refreshPlan()
{
    const Preset &preset = currentPreset();
    const Budget budget = currentBudget();
    const JobChoices choices = currentChoices();
    double totalMB = 0;
    int planned = 0;
    int unknownSizes = 0;
    QString firstProblem;
    const QList<SourceInfo> &sources = m_sources->sources();
    for (int row = 0; row < sources.size(); ++row) {
        const SourceInfo &source = sources.at(row);
        if (!source.usable()) {
            m_sources->setOutputText(row, QString(), false);
            m_sources->setTracksText(row, QString(), QString());
            continue;
        }
        const TrackChoice tracks = chooseTracks(source, preset, choices.tracksFor(source.path));
        m_sources->setTracksText(row, tracksInBrief(source, tracks), trackSummary(tracks));
        const BudgetPlan plan = planBudget(preset, budget, source.duration, int(tracks.audio.size()));
        if (!plan.ok) {
            m_sources->setOutputText(row, tr("refused"), true);
            if (firstProblem.isEmpty())
                firstProblem = plan.message;
            continue;
        }
        const QString capped = plan.capped ? tr(" (max)") : QString();
        QString text;
        if (budget.mode == Budget::Mode::Quality)
            text = QStringLiteral("CRF %1").arg(plan.crf);
        else if (budget.mode == Budget::Mode::TargetSize)
            text = tr("%1 kb/s%2").arg(plan.videoKbps).arg(capped);
        else
            text = tr("about %1").arg(sizeText(plan.estimatedMB));
        m_sources->setOutputText(row, text, false);
        if (plan.estimatedMB >= 0)
            totalMB += plan.estimatedMB;
        else
            ++unknownSizes;
        ++planned;
    }
    const QStringList missing = missingTools();
    const int reading = m_sources->readingCount();
    QString discText;
    if (makingDisc() && planned > 0 && firstProblem.isEmpty()) {
        const DiscBudget disc = planDiscBudget(sources, preset, budget, currentDiscSettings(), choices);
        if (!disc.ok)
            firstProblem = disc.problem;
        else
            discText = tr("; on %1: about %2 of its %3 MB for videos, %4 kb/s each")
                           .arg(discKindText(m_dualLayerCheck->isChecked()), sizeText(disc.totalMB))
                           .arg(discRoomMB(m_dualLayerCheck->isChecked()))
                           .arg(disc.sharedKbps);
    }
    if (!missing.isEmpty())
        m_planLabel->setText(missingToolsMessage(missing));
    else if (!firstProblem.isEmpty())
        m_planLabel->setText(firstProblem);
    else if (reading > 0)
        m_planLabel->setText(counted("convert::ConvertWindow",
                                     QT_TRANSLATE_N_NOOP("convert::ConvertWindow", "Reading %n video(s)…"), reading));
    else if (planned == 0)
        m_planLabel->setText(tr("Add videos to convert them."));
    else if (unknownSizes == planned)
        m_planLabel->setText(
            counted("convert::ConvertWindow",
                    QT_TRANSLATE_N_NOOP("convert::ConvertWindow",
                                        "%n video(s); the sizes follow the pictures at constant quality"),
                    planned));
    else
        m_planLabel->setText(counted("convert::ConvertWindow",
                                     QT_TRANSLATE_N_NOOP("convert::ConvertWindow", "%n video(s), about %1 in all%2"),
                                     planned)
                                 .arg(sizeText(totalMB), discText));
    const int freeMB = reel::isDirectory(destination()) ? m_freeSpace(destination()) : -1;
    m_freeLabel->setText(freeMB < 0 ? tr("Free space: ?") : tr("Free space: %1").arg(sizeText(freeMB)));
}

void ConvertWindow::addSources(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_reader->read(paths);
    refreshControls();
    refreshPlan();
}

void ConvertWindow::setFolderRevealer(std::function<void(const QString &)> revealer)
{
    m_revealer = std::move(revealer);
}

void ConvertWindow::setPresetNameAsker(std::function<QString(const QString &)> asker)
{
    m_presetNamer = std::move(asker);
}

void ConvertWindow::setPreviewOpener(std::function<void(const QString &)> opener)
{
    m_opener = std::move(opener);
}

void ConvertWindow::setFreeSpaceProbe(std::function<int(const QString &)> probe)
{
    m_freeSpace = std::move(probe);
    refreshPlan();
}

void ConvertWindow::chooseFiles()
{
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Add Videos"), reel::homeDirectory(), videoFilter());
    addSources(paths);
}

void ConvertWindow::chooseDestination()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Destination"), destination());
    if (!folder.isEmpty()) {
        m_destinationEdit->setText(folder);
        refreshPlan();
    }
}

void ConvertWindow::addSample()
{
    m_reader->makeSample();
    refreshControls();
}

void ConvertWindow::setRunning(bool running)
{
    m_running = running;
    refreshControls();
    if (running)
        m_clock->start();
    else
        m_clock->stop();
}

// Existing outputs get one question for the whole batch. Keep Both, the
// default, loses nothing. False when no job is left.
bool ConvertWindow::settleExistingOutputs(QList<JobSettings> &jobs, QList<int> &rows, const QStringList &sourcePaths)
{
    QList<int> existing;
    for (int i = 0; i < jobs.size(); ++i) {
        if (jobs.at(i).outputExists)
            existing << i;
    }
    if (existing.isEmpty())
        return !jobs.isEmpty();

    QStringList names;
    for (int i : std::as_const(existing)) {
        if (names.size() < kNamedOutputs)
            names << reel::lastPathComponent(jobs.at(i).output);
    }
    if (existing.size() > kNamedOutputs)
        names << tr("and %n more", nullptr, int(existing.size() - kNamedOutputs));
    const bool one = existing.size() == 1;
    const QString keepBoth = tr("Keep Both");
    const QString replace = one ? tr("Replace") : tr("Replace All");
    const QString skip = tr("Skip");
    const QString title = one ? tr("\"%1\" already exists").arg(names.first())
                              : tr("%n outputs already exist", nullptr, int(existing.size()));
    const QString message = tr("In %1:\n%2\n\n%3 writes each new conversion under a numbered name beside the existing "
                               "file. %4 puts it in the existing file's place. %5 leaves these videos out.")
                                .arg(m_batchDestination, names.join(QLatin1Char('\n')), keepBoth, replace, skip);
    const QString answer = reel::displayAlertDelayed(title, message, keepBoth, replace, skip, 0, 0);

    if (answer == replace) {
        for (int i : std::as_const(existing))
            jobs[i].overwrite = true;
        return true;
    }
    if (answer == skip) {
        for (qsizetype k = existing.size() - 1; k >= 0; --k) {
            const int i = existing.at(k);
            m_sources->setState(rows.at(i), SourceList::RowState::Kept, tr("kept existing output"), jobs.at(i).output);
            jobs.removeAt(i);
            rows.removeAt(i);
        }
        return !jobs.isEmpty();
    }
    QStringList taken = sourcePaths;
    for (const JobSettings &job : std::as_const(jobs))
        taken << job.output;
    for (int i : std::as_const(existing)) {
        JobSettings &job = jobs[i];
        job.output = outputPathFor(job.source, job.preset, m_batchDestination, taken, true);
        job.outputExists = false;
        taken << job.output;
    }
    return true;
}

void ConvertWindow::startConversion()
{
    if (m_batch || isReading())
        return;
    QList<int> rows = m_sources->rowsToConvert();
    const QString folder = QFileInfo(destination()).canonicalFilePath();
    const RunPlan run = planRun(runRequest(rows, folder));
    if (!mayConvert(run, rows, folder))
        return;
    m_batchDestination = folder;
    QList<JobSettings> jobs = run.plan.jobs;
    QStringList sourcePaths;
    for (const SourceInfo &source : m_sources->sources())
        sourcePaths << source.path;
    const qsizetype chosen = jobs.size();
    if (!settleExistingOutputs(jobs, rows, sourcePaths))
        return;
    decideDisc(run, jobs.size() == chosen);
    startBatch(jobs, rows);
}

RunPlan ConvertWindow::plannedRun() const
{
    return planRun(runRequest(m_sources->rowsToConvert(), QFileInfo(destination()).canonicalFilePath()));
}

// The selected video's excerpt, planned as Convert plans, into the
// preview's own folder; no disc, and what is there is the preview's to replace.
void ConvertWindow::startPreview()
{
    const int row = m_sources->selectedRow();
    if (m_running || isReading() || row < 0 || !m_sources->sources().at(row).usable())
        return;
    const SourceInfo &source = m_sources->sources().at(row);
    const QString folder = m_preview->folder();
    if (folder.isEmpty()) {
        reel::displayAlert(tr("No preview"), tr("No folder for the preview could be made in %1.").arg(QDir::tempPath()),
                           reel::kCriticalAlertStyle, this);
        return;
    }
    m_previewRequest = runRequest({row}, folder);
    m_previewRequest.choices.trim = Preview::excerptOf(source.duration);
    m_previewRequest.disc = false;
    m_previewRequest.verify = true;
    const RunPlan run = planRun(m_previewRequest);
    if (run.refused() || run.plan.jobs.isEmpty()) {
        reel::displayAlert(tr("Cannot preview"), run.plan.problems.join(QLatin1Char('\n')), reel::kCriticalAlertStyle,
                           this);
        return;
    }
    JobSettings job = run.plan.jobs.first();
    job.overwrite = true;
    m_jobLabel->setText(tr("Previewing \"%1\"").arg(source.title));
    m_jobBar->setValue(0);
    m_overallBar->setValue(0);
    setRunning(true);
    m_preview->start(job);
}

void ConvertWindow::previewFinished(const QString &output, const QString &error)
{
    setRunning(false);
    m_jobBar->setValue(output.isEmpty() ? 0 : kBarSteps);
    m_overallBar->setValue(output.isEmpty() ? 0 : kBarSteps);
    if (!output.isEmpty()) {
        m_jobLabel->setText(tr("Preview ready: %1").arg(output));
        if (m_opener)
            m_opener(output);
    } else if (!error.isEmpty()) {
        m_jobLabel->setText(tr("No preview"));
        reel::displayAlert(tr("No preview"), error, reel::kCriticalAlertStyle, this);
    } else {
        m_jobLabel->setText(tr("Preview cancelled"));
    }
}

RunRequest ConvertWindow::runRequest(const QList<int> &rows, const QString &folder) const
{
    RunRequest request;
    const QList<SourceInfo> &all = m_sources->sources();
    for (int row : rows)
        request.sources << all.at(row);
    // No output may be any video of the list, converted or not.
    for (const SourceInfo &source : all)
        request.protectedPaths << source.path;
    request.preset = currentPreset();
    request.budget = currentBudget();
    request.choices = currentChoices();
    request.destination = folder;
    request.missingTools = missingTools();
    request.freeMB = reel::isDirectory(folder) ? m_freeSpace(folder) : -1;
    request.normalize = m_normalizeCheck->isChecked();
    request.disc = makingDisc();
    request.discSettings = currentDiscSettings();
    return request;
}

// Says why nothing starts, in the order the user meets it: the tools, an
// empty list, the destination, then the plan's own refusals.
bool ConvertWindow::mayConvert(const RunPlan &run, const QList<int> &rows, const QString &folder)
{
    if (run.refusal == RunPlan::Refusal::MissingTools) {
        reel::displayAlert(tr("Cannot convert"), run.plan.problems.join(QLatin1Char('\n')), reel::kCriticalAlertStyle,
                           this);
        return false;
    }
    if (rows.isEmpty()) {
        sayNothingToConvert();
        return false;
    }
    if (folder.isEmpty() || !reel::isDirectory(folder)) {
        reel::displayAlert(tr("No destination folder"),
                           tr("%1 is not a folder. Choose where the videos go.").arg(destination()),
                           reel::kCriticalAlertStyle, this);
        return false;
    }
    if (run.refusal == RunPlan::Refusal::DiscBudget) {
        reel::displayAlert(tr("The videos do not fit the disc"), run.disc.problem, reel::kCriticalAlertStyle, this);
        return false;
    }
    if (run.refused()) {
        reel::displayAlert(tr("Cannot convert"), run.plan.problems.join(QLatin1Char('\n')), reel::kCriticalAlertStyle,
                           this);
        return false;
    }
    return true;
}

void ConvertWindow::sayNothingToConvert()
{
    bool anyDone = false;
    for (int row = 0; row < m_sources->sources().size(); ++row)
        anyDone = anyDone || m_sources->rowState(row) == SourceList::RowState::Done;
    if (anyDone)
        reel::displayAlert(tr("Nothing left to convert"),
                           tr("Every video in the list has been converted. Add more videos, or "
                              "change a setting to convert them again with it."),
                           0, this);
    else
        reel::displayAlert(tr("Nothing to convert"), tr("Add videos with \"Add Videos…\" or drop them on the list."), 0,
                           this);
}

// A disc needs all its titles: videos left out by the question about
// existing outputs leave the disc out.
void ConvertWindow::decideDisc(const RunPlan &run, bool everyVideo)
{
    const bool disc = makingDisc();
    m_subtitles.clear();
    m_discAfterBatch = disc && everyVideo;
    if (disc && !m_discAfterBatch)
        reel::displayAlert(tr("No disc this time"),
                           tr("Some videos were skipped, and a disc is made of every video in the list. "
                              "The others are converted."),
                           0, this);
    if (m_discAfterBatch) {
        m_subtitles = run.subtitles;
        m_subtitleProblems = run.subtitleProblems;
        if (!m_subtitleProblems.isEmpty())
            reel::displayAlert(tr("Subtitles left out"), m_subtitleProblems.join(QLatin1Char('\n')), 0, this);
    }
}

void ConvertWindow::startBatch(const QList<JobSettings> &jobs, const QList<int> &rows)
{
    saveSettings();
    // What killed runs left in the destination goes before this run adds
    // its own work folder.
    m_swept = sweepAbandonedWork(m_batchDestination).text(m_batchDestination);
    m_batchRows = rows;
    for (int row : std::as_const(m_batchRows))
        m_sources->setState(row, SourceList::RowState::Waiting, tr("waiting"));
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
    if (m_disc) {
        m_disc->cancel();
        return;
    }
    if (m_batch) {
        m_batch->cancel();
        return;
    }
    if (m_preview->isRunning()) {
        m_preview->cancel();
        return;
    }
    if (isReading()) {
        m_reader->cancel();
        for (int row = 0; row < m_sources->topLevelItemCount(); ++row) {
            if (m_sources->rowState(row) == SourceList::RowState::Reading)
                m_sources->setState(row, SourceList::RowState::Unreadable, tr("not read"),
                                    tr("Reading was cancelled; remove the video and add it again."));
        }
        refreshControls();
        refreshPlan();
    }
}

void ConvertWindow::jobStarted(int index)
{
    m_sources->setState(m_batchRows.at(index), SourceList::RowState::Converting, tr("converting"));
    m_jobLabel->setText(tr("Converting \"%1\" (%2 of %3)")
                            .arg(m_batch->job(index)->settings().source.title)
                            .arg(index + 1)
                            .arg(m_batch->count()));
    m_jobBar->setValue(0);
}

void ConvertWindow::jobProgress(int index, float jobPercent, float overall)
{
    m_jobBar->setValue(barValue(jobPercent));
    m_overallBar->setValue(barValue(m_discAfterBatch ? overall * (1 - kDiscShareOfRun) : overall));
    m_sources->setState(m_batchRows.at(index), SourceList::RowState::Converting, tr("%1%").arg(int(jobPercent)));
    refreshTimes();
}

void ConvertWindow::jobFinished(int index)
{
    const ConversionJob *job = m_batch->job(index);
    const int row = m_batchRows.at(index);
    switch (job->state()) {
    case ConversionJob::State::Finished:
        m_sources->setState(
            row, SourceList::RowState::Done,
            QStringLiteral("%1, %2").arg(job->verified() ? tr("done and verified") : tr("done"),
                                         sizeText(reel::poidsFile(job->settings().output, QStringLiteral("M")))),
            job->settings().output == job->plannedOutput()
                ? job->settings().output
                : tr("%1\n(%2 appeared meanwhile and is kept)").arg(job->settings().output, job->plannedOutput()));
        m_jobBar->setValue(kBarSteps);
        break;
    case ConversionJob::State::Failed:
        m_sources->setState(row, SourceList::RowState::Failed, tr("failed: %1").arg(job->error()), job->error());
        break;
    case ConversionJob::State::Cancelled:
        m_sources->setState(row, SourceList::RowState::Cancelled, tr("cancelled"));
        break;
    default:
        break;
    }
    const float overall = m_batch->overallProgress();
    m_overallBar->setValue(barValue(m_discAfterBatch ? overall * (1 - kDiscShareOfRun) : overall));
}

void ConvertWindow::batchFinished()
{
    ConversionBatch *batch = m_batch;
    const bool cancelled = batch->wasCancelled();
    if (m_discAfterBatch && !cancelled && batch->failures().isEmpty()
        && batch->finishedCount() == batch->count()) {
        // The disc goes on from the converted titles, in the batch's work
        // folder; the batch's own end comes with the disc's.
        startDisc(batch->workFolder());
        return;
    }
    m_jobLabel->setText(cancelled ? tr("Cancelled; unfinished outputs removed")
                                  : tr("Finished: %1 of %2 converted").arg(batch->finishedCount()).arg(batch->count()));
    if (cancelled) {
        m_jobBar->setValue(0);
        m_overallBar->setValue(0);
    } else {
        m_overallBar->setValue(kBarSteps);
    }
    // The batch is over before the controls come back, so that they see it
    // gone.
    m_batch = nullptr;
    refreshTimes();
    setRunning(false);
    // The closing question runs once the batch's own signal has returned.
    QTimer::singleShot(0, this, [this, batch, cancelled] {
        if (!cancelled) {
            const int failed = int(batch->failures().size());
            notifyEnd(failed == 0 ? counted("convert::ConvertWindow",
                                          QT_TRANSLATE_N_NOOP("convert::ConvertWindow", "%n video(s) converted"),
                                          batch->verifiedCount())
                                  : tr("%1 converted, %2 failed").arg(batch->verifiedCount()).arg(failed));
            offerFolder(batch);
        }
        batch->deleteLater();
        refreshPlan();
        emit conversionEnded();
    });
}

void ConvertWindow::offerFolder(const ConversionBatch *batch)
{
    const QStringList failures = batch->failures();
    QString message =
        counted("convert::ConvertWindow",
                QT_TRANSLATE_N_NOOP("convert::ConvertWindow", "%1 of %n video(s) converted and verified into %2."),
                batch->count(), "%1 of 1 videos converted and verified into %2.")
            .arg(batch->verifiedCount())
            .arg(m_batchDestination);
    if (!m_swept.isEmpty())
        message += tr("\n\nBefore it started, it %1.").arg(m_swept);
    if (!failures.isEmpty())
        message += QStringLiteral("\n\n") + failures.join(QLatin1Char('\n'));
    const QString show = tr("Show Folder");
    // A failure stays on screen until it is read.
    const QString answer = reel::displayAlertDelayed(
        failures.isEmpty() ? tr("Conversion finished") : tr("Conversion finished with errors"), message, tr("Close"),
        show, QString(), failures.isEmpty() ? reel::kInformationalAlertStyle : reel::kCriticalAlertStyle,
        failures.isEmpty() ? kFinishedAlertSeconds : 0);
    if (answer == show && m_revealer)
        m_revealer(m_batchDestination);
}

void ConvertWindow::startDisc(std::shared_ptr<WorkFolder> work)
{
    // The titles as the jobs placed them.
    QList<JobSettings> jobs;
    for (int i = 0; i < m_batch->count(); ++i)
        jobs << m_batch->job(i)->settings();
    m_disc = new DiscAuthoring(discJobFor(jobs, m_subtitles, currentDiscSettings(), m_batchDestination), this);
    m_disc->setWorkFolder(std::move(work));
    connect(m_disc, &DiscAuthoring::stepChanged, this, [this](const QString &text) {
        m_jobLabel->setText(text);
        m_jobBar->setValue(0);
    });
    connect(m_disc, &DiscAuthoring::progressChanged, this, [this](float percent) {
        m_jobBar->setValue(barValue(percent));
        m_overallBar->setValue(barValue((1 - kDiscShareOfRun) * 100 + kDiscShareOfRun * percent));
        refreshTimes();
    });
    connect(m_disc, &DiscAuthoring::finished, this, &ConvertWindow::discFinished);
    m_disc->start();
}

void ConvertWindow::discFinished()
{
    DiscAuthoring *disc = m_disc;
    ConversionBatch *batch = m_batch;
    const DiscAuthoring::State state = disc->state();
    m_jobLabel->setText(state == DiscAuthoring::State::Finished    ? tr("Finished: the disc is made")
                        : state == DiscAuthoring::State::Cancelled ? tr("Cancelled; the unfinished disc was removed")
                                                                   : tr("The disc failed"));
    m_overallBar->setValue(state == DiscAuthoring::State::Finished ? kBarSteps : 0);
    if (state != DiscAuthoring::State::Finished)
        m_jobBar->setValue(0);
    m_disc = nullptr;
    m_batch = nullptr;
    m_discAfterBatch = false;
    refreshTimes();
    setRunning(false);
    QTimer::singleShot(0, this, [this, disc, batch, state] {
        if (state != DiscAuthoring::State::Cancelled) {
            notifyEnd(state == DiscAuthoring::State::Finished ? tr("The disc is ready")
                                                              : tr("The videos are converted, but the disc failed"));
            QString message;
            if (state == DiscAuthoring::State::Finished) {
                message = counted("convert::ConvertWindow",
                                  QT_TRANSLATE_N_NOOP("convert::ConvertWindow",
                                                      "%n video(s) converted, verified and put on the disc, which was "
                                                      "read back whole:\n%1 (VIDEO_TS)"),
                                  batch->count())
                              .arg(disc->folder());
                if (!disc->image().isEmpty())
                    message += tr("\n%1 (the image to burn)").arg(disc->image());
            } else {
                message = tr("The videos are converted in %1, but the disc could not be made: %2")
                              .arg(m_batchDestination, disc->error());
            }
            const QStringList problems =
                state == DiscAuthoring::State::Finished ? m_subtitleProblems + disc->problems() : QStringList();
            if (!problems.isEmpty())
                message += tr("\n\nNot on the disc, though asked for:\n") + problems.join(QLatin1Char('\n'));
            if (!disc->remarks().isEmpty())
                message += QStringLiteral("\n\n") + disc->remarks().join(QLatin1Char('\n'));
            const bool clean = state == DiscAuthoring::State::Finished && disc->remarks().isEmpty() && problems.isEmpty();
            const QString show = tr("Show Folder");
            const QString answer = reel::displayAlertDelayed(
                state == DiscAuthoring::State::Finished ? tr("Disc made") : tr("No disc"), message, tr("Close"), show,
                QString(), clean ? reel::kInformationalAlertStyle : reel::kCriticalAlertStyle,
                clean ? kFinishedAlertSeconds : 0);
            if (answer == show && m_revealer)
                m_revealer(m_batchDestination);
        }
        disc->deleteLater();
        batch->deleteLater();
        refreshPlan();
        emit conversionEnded();
    });
}

// The window's own alert says more; the desktop's notification is for a
// user who is elsewhere, and its action shows the run's folder.
void ConvertWindow::notifyEnd(const QString &title)
{
    if (isActiveWindow())
        return;
    // The install names the icon and the menu entry after the identifier.
    const reel::Bundle bundle = reel::Bundle::main();
    reel::DesktopNotification note;
    note.appName = bundle.name();
    note.icon = bundle.identifier();
    note.title = title;
    note.body = m_batchDestination;
    note.actions = QStringList{QStringLiteral("default"), tr("Show Folder"), QStringLiteral("show-folder"),
                               tr("Show Folder")};
    note.hints.insert(QStringLiteral("desktop-entry"), bundle.identifier());
    m_notifier->notify(note, [this, folder = m_batchDestination](const QString &action) {
        if ((action == QLatin1String("default") || action == QLatin1String("show-folder")) && m_revealer)
            m_revealer(folder);
    });
}

void ConvertWindow::refreshTimes()
{
    if (!m_batch) {
        m_timeLabel->clear();
        return;
    }
    m_timeLabel->setText(tr("Elapsed %1, remaining %2")
                             .arg(timeText(m_batch->elapsedMs() / 1000), timeText(m_batch->remainingSeconds())));
}

void ConvertWindow::closeEvent(QCloseEvent *event)
{
    if (m_disc) {
        const QString stop = tr("Stop and Close");
        const QString answer = reel::displayAlertDelayed(
            tr("Stop making the disc?"),
            tr("Closing the window stops the disc and removes what was made of it. The converted videos "
               "are kept."),
            tr("Keep Going"), stop, QString(), 0, 0);
        if (answer != stop) {
            event->ignore();
            return;
        }
        m_disc->cancel();
    } else if (m_batch) {
        const QString stop = tr("Stop and Close");
        const QString answer =
            reel::displayAlertDelayed(tr("Stop the conversion?"),
                                      tr("Closing the window stops the conversion and removes the unfinished output."),
                                      tr("Keep Converting"), stop, QString(), 0, 0);
        if (answer != stop) {
            event->ignore();
            return;
        }
        // The jobs go with the window: a running one stops its tool and
        // removes its partial output.
        m_batch->cancel();
    }
    m_reader->cancel();
    // The excerpts were only for looking at.
    m_preview->clear();
    saveSettings();
    event->accept();
}

} // namespace convert
