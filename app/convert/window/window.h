// The converter's window: sources in, a preset and a quality, size or
// bitrate, the picture and each video's tracks, a destination, a preview,
// and the batch with its progress.
#pragma once

#include "jobs/authoring.h"
#include "jobs/batch.h"
#include "model/options.h"
#include "model/plan.h"
#include "model/runplan.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace reel {
class DesktopNotifier;
}

namespace convert {

class PictureBox;
class Preview;
class SourceList;
class SourceReader;
class TrackList;

class ConvertWindow : public QWidget {
    Q_OBJECT
public:
    // The window starts from the remembered settings; what the command line
    // gave (preset, budget, folder, files) goes over them.
    explicit ConvertWindow(const Options &options = Options(), QWidget *parent = nullptr);
    ~ConvertWindow() override;

    // Lists the files, and the videos inside the folders, and reads each
    // with ffprobe away from the window's thread; rows show "reading…" until
    // then.
    void addSources(const QStringList &paths);
    // Whether sources (or the sample) are still being read.
    bool isReading() const;
    // The batch running now; null when none runs.
    ConversionBatch *batch() const { return m_batch; }
    // The disc being made after the batch; null when none is.
    DiscAuthoring *disc() const { return m_disc; }
    SourceList *sourceList() const { return m_sources; }
    // The preview being made or last made, and what it asked of the plan.
    Preview *preview() const { return m_preview; }
    RunRequest previewRequest() const { return m_previewRequest; }
    // The run Convert would start now.
    RunPlan plannedRun() const;

    // What "Show Folder" does, in the closing alert and in the desktop's
    // notification; the desktop's file browser unless replaced.
    void setFolderRevealer(std::function<void(const QString &folder)> revealer);
    // Where the destination's free space (in MB, -1 when unknown) is asked;
    // the file system unless replaced.
    void setFreeSpaceProbe(std::function<int(const QString &folder)> probe);
    // What opens a preview; the desktop's player unless replaced.
    void setPreviewOpener(std::function<void(const QString &file)> opener);
    // What asks the name of a preset to save, given the one to suggest; a
    // dialog unless replaced. An empty answer saves nothing.
    void setPresetNameAsker(std::function<QString(const QString &suggested)> asker);

public slots:
    void startConversion();
    void cancelConversion();
    void startPreview();
    // Keeps the settings as the user's preset, under a name asked for.
    void savePreset();

signals:
    // Every source asked for has been read.
    void sourcesRead();
    // A batch ended and its closing alert was answered.
    void conversionEnded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildInterface();
    QLayout *buildSourceButtons();
    QLayout *buildChoices();
    void buildPresetAndBudget(QGridLayout *grid);
    void buildDestinationAndDisc(QGridLayout *grid);
    void buildPlanLine(QGridLayout *grid);
    QLayout *buildProgress();
    QLayout *buildActions();
    void connectControls();
    void loadSettings(const Options &options);
    void saveSettings() const;
    void fillPresetList(const QString &selected);
    const SavedPreset *savedPresetAt(int index) const;
    std::optional<Options> adoptPreset(int index);
    void applySavedPreset(const Options &given, const OptionWordList &words);
    OptionWordList currentPresetWords() const;
    const Preset &currentPreset() const;
    Budget currentBudget() const;
    JobChoices currentChoices() const;
    QString destination() const;
    void refreshPlan();
    void refreshControls();
    void presetChanged(int index);
    void outputSettingsChanged();
    void pictureChanged();
    void selectionChanged();
    void previewFinished(const QString &output, const QString &error);
    void chooseFiles();
    void chooseDestination();
    void addSample();
    RunRequest runRequest(const QList<int> &rows, const QString &folder) const;
    bool mayConvert(const RunPlan &run, const QList<int> &rows, const QString &folder);
    void sayNothingToConvert();
    bool settleExistingOutputs(QList<JobSettings> &jobs, QList<int> &rows, const QStringList &sourcePaths);
    void decideDisc(const RunPlan &run, bool everyVideo);
    void startBatch(const QList<JobSettings> &jobs, const QList<int> &rows);
    void setRunning(bool running);
    void jobStarted(int index);
    void jobProgress(int index, float jobPercent, float overall);
    void jobFinished(int index);
    void batchFinished();
    void offerFolder(const ConversionBatch *batch);
    void startDisc(std::shared_ptr<WorkFolder> work);
    void discFinished();
    void notifyEnd(const QString &title);
    DiscSettings currentDiscSettings() const;
    bool makingDisc() const;
    void refreshTimes();

    // The list's presets after the built-in ones, and what the chosen one
    // gives: the preset with its changes, and a saved preset's tracks (its
    // words, and as the run's default request).
    QList<SavedPreset> m_saved;
    Preset m_preset;
    PresetChanges m_presetChanges;
    OptionWordList m_trackWords;
    TrackRequest m_tracks;
    SourceList *m_sources = nullptr;
    SourceReader *m_reader = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_sampleButton = nullptr;
    TrackList *m_trackList = nullptr;
    PictureBox *m_pictureBox = nullptr;
    QPushButton *m_previewButton = nullptr;
    Preview *m_preview = nullptr;
    QGroupBox *m_settingsBox = nullptr;
    QComboBox *m_presetBox = nullptr;
    QPushButton *m_savePresetButton = nullptr;
    QRadioButton *m_qualityRadio = nullptr;
    QRadioButton *m_sizeRadio = nullptr;
    QRadioButton *m_bitrateRadio = nullptr;
    QSpinBox *m_qualitySpin = nullptr;
    QSpinBox *m_sizeSpin = nullptr;
    QSpinBox *m_bitrateSpin = nullptr;
    QLineEdit *m_destinationEdit = nullptr;
    QPushButton *m_destinationButton = nullptr;
    QCheckBox *m_discCheck = nullptr;
    QCheckBox *m_dualLayerCheck = nullptr;
    QSpinBox *m_chapterSpin = nullptr;
    QCheckBox *m_normalizeCheck = nullptr;
    QLabel *m_planLabel = nullptr;
    QLabel *m_freeLabel = nullptr;
    QLabel *m_jobLabel = nullptr;
    QProgressBar *m_jobBar = nullptr;
    QProgressBar *m_overallBar = nullptr;
    QLabel *m_timeLabel = nullptr;
    QPushButton *m_convertButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QTimer *m_clock = nullptr;

    bool m_running = false;
    QPointer<ConversionBatch> m_batch;
    QPointer<DiscAuthoring> m_disc;
    bool m_discAfterBatch = false;             // the running batch goes on to a disc
    QHash<QString, SubtitleTrack> m_subtitles; // the disc's, by source path
    QStringList m_subtitleProblems;            // subtitles that cannot go on the disc
    QString m_swept;                           // what was removed of killed runs' work, to say at the end
    QString m_discName = QStringLiteral("DVD");
    QList<int> m_batchRows; // the source row of each job of the batch
    QString m_batchDestination;
    std::function<void(const QString &)> m_revealer;
    std::function<int(const QString &)> m_freeSpace;
    std::function<void(const QString &)> m_opener;
    reel::DesktopNotifier *m_notifier = nullptr;
    std::function<QString(const QString &)> m_presetNamer;
    QHash<QString, TrackRequest> m_trackPicks; // each video's own, by source path
    QSet<QString> m_measured;                  // sources whose black bars are known
    RunRequest m_previewRequest;
};

} // namespace convert
