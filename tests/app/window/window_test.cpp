// The window on the offscreen platform: a folder dropped, a conversion
// started, the progress bars at their end, the controls afterwards, the
// questions it asks on the way, a disc, what it remembers, the rows as they
// are read, each video's tracks, the picture, and a preview.
#include "bundles.h"
#include "clips.h"
#include "logcapture.h"
#include "sandbox.h"
#include "tables.h"
#include "translations.h"

#include <jobs/authoring.h>
#include <window/picturebox.h>
#include <window/preview.h>
#include <window/sourcelist.h>
#include <window/thumbnails.h>
#include <window/window.h>

#include <reel/core.h>
#include <reel/dialogs.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <optional>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

// The window's start, with a preset given when one is named.
Options windowOptions(const QString &destination, const QStringList &files = {}, const QString &preset = {})
{
    return Options{.mode = Options::Mode::Window, .presetId = preset.isEmpty() ? u"mp4"_s : preset,
                   .presetGiven = !preset.isEmpty(), .outputDir = destination, .files = files};
}

template <typename T>
T *child(const ConvertWindow &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void waitUntilRead(ConvertWindow &window)
{
    if (window.isReading()) {
        QSignalSpy read(&window, &ConvertWindow::sourcesRead);
        ASSERT_TRUE(read.wait(kWaitMs));
    }
}

// The settings are usable again, each spin box as its mode says; the
// quality only for a preset that has one.
void expectSettingsUsable(const ConvertWindow &window, bool qualityOffered = true)
{
    for (const char *name : {"preset", "convert", "add", "sizeMode", "bitrateMode"})
        EXPECT_TRUE(child<QWidget>(window, name)->isEnabled()) << name;
    EXPECT_FALSE(child<QPushButton>(window, "cancel")->isEnabled());
    EXPECT_EQ(child<QRadioButton>(window, "qualityMode")->isEnabled(), qualityOffered);
    for (const auto &[radio, spin] : {std::pair{"qualityMode", "quality"}, {"sizeMode", "sizeMB"}, {"bitrateMode", "bitrate"}})
        EXPECT_EQ(child<QSpinBox>(window, spin)->isEnabled(), child<QRadioButton>(window, radio)->isChecked()) << spin;
}

// The command line's words with the program's name before them.
QStringList commandLine(const QStringList &words)
{
    return QStringList{u"reelkit-convert"_s} + words;
}

// Keeps the command line's settings as the user's preset.
void savePresetOf(const QString &name, const QStringList &words)
{
    const Options saving = parseOptions(commandLine(words + QStringList{u"--save-preset"_s, name}));
    ASSERT_TRUE(saving.error.isEmpty()) << saving.error.toStdString();
    QString error;
    ASSERT_FALSE(writeSavedPreset(SavedPreset{name, saving.presetWords}, &error).isEmpty()) << error.toStdString();
}

// The terminal's plan of the window's videos for those options.
RunPlan commandLinePlan(const Options &options, const ConvertWindow &window, const QString &folder)
{
    RunRequest request;
    request.sources = window.sourceList()->sources();
    request.preset = effectivePreset(options);
    request.budget = effectiveBudget(options, request.preset);
    request.choices = options.choices;
    request.destination = folder;
    request.normalize = options.normalize;
    return planRun(request);
}

// The one job of each plan is the same output made the same way.
void expectSameJob(const RunPlan &ours, const RunPlan &theirs)
{
    ASSERT_EQ(ours.plan.jobs.size(), 1) << ours.plan.problems.join(u'|').toStdString();
    ASSERT_EQ(theirs.plan.jobs.size(), 1) << theirs.plan.problems.join(u'|').toStdString();
    const JobSettings &a = ours.plan.jobs.first();
    const JobSettings &b = theirs.plan.jobs.first();
    EXPECT_EQ(a.output, b.output);
    EXPECT_EQ(std::tuple(a.preset.id, a.preset.container, a.preset.speed, a.preset.audioCodec, a.preset.audioKbps),
              std::tuple(b.preset.id, b.preset.container, b.preset.speed, b.preset.audioCodec, b.preset.audioKbps));
    EXPECT_EQ(std::tuple(a.mode, a.crf, a.videoKbps), std::tuple(b.mode, b.crf, b.videoKbps));
    EXPECT_EQ(a.picture.filters, b.picture.filters);
    EXPECT_EQ(a.tracks.audio, b.tracks.audio);
    EXPECT_EQ(a.normalize, b.normalize);
}

} // namespace

TEST(Window, ConvertsALoadedClipAndTheControlsComeBack)
{
    // A folder dropped on the list is searched for videos.
    const QString holiday = reel::test::scratchDir() + u"/holiday"_s;
    QDir().mkpath(holiday + u"/day 2"_s);
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), holiday + u"/day 2/Summer_Trip.mkv"_s));
    reel::test::writeFile(holiday + u"/notes.txt"_s, "sunny");
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    alerts.willPress(reel::AlertButton::Alternate); // "Show Folder"

    ConvertWindow window(windowOptions(folder));
    QStringList revealed;
    window.setFolderRevealer([&revealed](const QString &path) { revealed << path; });
    window.show();
    // Room for its controls.
    EXPECT_GE(window.minimumWidth(), window.layout()->minimumSize().width());
    EXPECT_EQ(child<QSpinBox>(window, "sizeMB")->value(), 100);
    // Size mode, so that the spin box enabled at the end is not the default one.
    child<QRadioButton>(window, "sizeMode")->setChecked(true);
    child<QSpinBox>(window, "sizeMB")->setValue(1);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(holiday)});
    QWidget *list = window.sourceList()->viewport();
    QDragEnterEvent enter(list->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &enter);
    QDropEvent drop(list->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &drop);
    ASSERT_TRUE(window.isReading());
    waitUntilRead(window);
    ASSERT_EQ(window.sourceList()->topLevelItemCount(), 1);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Title), u"Summer Trip"_s);

    auto *jobBar = child<QProgressBar>(window, "jobProgress");
    auto *overallBar = child<QProgressBar>(window, "overallProgress");
    auto *convertButton = child<QPushButton>(window, "convert");
    QList<int> seen;
    QObject::connect(overallBar, &QProgressBar::valueChanged, [&seen](int value) { seen << value; });

    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    convertButton->click();
    ASSERT_NE(window.batch(), nullptr);
    EXPECT_FALSE(convertButton->isEnabled());
    EXPECT_FALSE(child<QComboBox>(window, "preset")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(window, "sizeMB")->isEnabled());
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_EQ(jobBar->value(), jobBar->maximum());
    EXPECT_EQ(overallBar->value(), overallBar->maximum());
    EXPECT_TRUE(std::is_sorted(seen.cbegin(), seen.cend()));
    EXPECT_EQ(window.batch(), nullptr);
    expectSettingsUsable(window);
    EXPECT_TRUE(window.sourceList()->status(0).startsWith(u"done"_s)) << window.sourceList()->status(0).toStdString();

    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().kind, reel::AlertRequest::Kind::Timed);
    EXPECT_TRUE(alerts.last().informational);
    EXPECT_EQ(alerts.last().message, u"1 of 1 videos converted and verified into %1."_s.arg(folder));
    EXPECT_EQ(revealed, QStringList{folder});
    // The settings of a conversion are kept from its start; the quality
    // follows the preset while it is the preset's own.
    ConvertWindow again;
    EXPECT_TRUE(child<QRadioButton>(again, "sizeMode")->isChecked());
    EXPECT_EQ(child<QSpinBox>(again, "sizeMB")->value(), 1);
    EXPECT_EQ(child<QLineEdit>(again, "destination")->text(), folder);
    child<QComboBox>(again, "preset")->setCurrentIndex(child<QComboBox>(again, "preset")->findData(u"mp4-hevc"_s));
    EXPECT_EQ(child<QSpinBox>(again, "quality")->value(), 28);

    // A row done is not converted again.
    convertButton->click();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 2);
    EXPECT_EQ(alerts.last().title, u"Nothing left to convert"_s);
    EXPECT_EQ(namesIn(folder), QStringList{u"Summer Trip.mp4"_s});
}

TEST(Window, ExistingOutputsAreKeptBothReplacedOrSkippedOnOneQuestion)
{
    const QStringList clips{sharedClip(Clip::Silent), sharedClip(Clip::Ntsc2997)};
    const struct {
        const char *name;
        std::optional<reel::AlertButton> press; // none: the default button
        QStringList names;                      // the folder afterwards
        bool precious;                          // the old files are untouched
        const char *status;
    } cases[] = {
        {"Keep Both", std::nullopt, {u"ntsc 2.mpg"_s, u"ntsc.mpg"_s, u"silent 2.mpg"_s, u"silent.mpg"_s}, true, "done"},
        {"Replace All", reel::AlertButton::Alternate, {u"ntsc.mpg"_s, u"silent.mpg"_s}, false, "done"},
        {"Skip", reel::AlertButton::Other, {u"ntsc.mpg"_s, u"silent.mpg"_s}, true, "kept existing output"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        for (const char *name : {"/silent.mpg", "/ntsc.mpg"})
            reel::test::writeFile(folder + QString::fromUtf8(name), "precious");
        reel::RecordingPresenter alerts;
        reel::ScopedAlertPresenter use(&alerts);
        if (c.press)
            alerts.willPress(*c.press);
        // The DVD encoder is the quicker one.
        ConvertWindow window(windowOptions(folder, clips, u"dvd-pal"_s));
        window.setFolderRevealer([](const QString &) {});
        waitUntilRead(window);
        QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
        window.startConversion();
        ASSERT_GE(alerts.count(), 1);
        EXPECT_EQ(alerts.alerts().first().title, u"2 outputs already exist"_s);
        EXPECT_EQ(alerts.alerts().first().shownButtons(), (QStringList{u"Keep Both"_s, u"Replace All"_s, u"Skip"_s}));
        EXPECT_TRUE(alerts.alerts().first().message.contains(u"silent.mpg\nntsc.mpg"_s));
        if (window.batch())
            ASSERT_TRUE(ended.wait(kWaitMs));
        EXPECT_EQ(namesIn(folder), c.names);
        for (const char *name : {"/silent.mpg", "/ntsc.mpg"})
            EXPECT_EQ(reel::test::readFile(folder + QString::fromUtf8(name)) == "precious", c.precious) << name;
        for (int row = 0; row < 2; ++row)
            EXPECT_TRUE(window.sourceList()->status(row).startsWith(QString::fromUtf8(c.status)));
    });
}

// Nothing starts on a refused plan or without tools; a failing ffmpeg's
// reason stays on screen, in an alert that waits for the user.
TEST(Window, WhatCannotRunSaysWhy)
{
    const QString clip = sharedClip(Clip::Silent);
    const QString failing = bundleWithTool(
        u"ffmpeg"_s, "#!/bin/sh\necho '[libx264 @ 0x55d0] broken encoder' >&2\necho 'Conversion failed!' >&2\nexit 1\n");
    using Kind = reel::AlertRequest::Kind;
    const struct {
        const char *name;
        QString bundle; // the tools run, when not the test's own
        Budget budget;
        SourceList::Column column;
        const char *cell;
        const char *says; // in the alert, and on the plan line when nothing starts
        const char *title;
        Kind kind;
    } cases[] = {
        {"a bitrate the preset refuses", {}, bitrateBudget(500), SourceList::Output, "refused", "1000 to 8000",
         "Cannot convert", Kind::Sheet},
        {"ffmpeg fails", failing, bitrateBudget(4000), SourceList::Status,
         "failed: ffmpeg failed with code 1: libx264: broken encoder", "libx264: broken encoder",
         "Conversion finished with errors", Kind::Modal},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const auto tools = toolsOf(c.bundle); // the real ffprobe reads the clip
        reel::RecordingPresenter alerts;
        reel::ScopedAlertPresenter use(&alerts);
        Options options = windowOptions(outFolder(), {clip}, u"dvd-pal"_s);
        options.budget = c.budget;
        options.budgetGiven = true;
        ConvertWindow window(options);
        waitUntilRead(window);
        const bool starts = c.kind == Kind::Modal;
        if (!starts)
            EXPECT_TRUE(child<QLabel>(window, "plan")->text().contains(QString::fromUtf8(c.says)))
                << child<QLabel>(window, "plan")->text().toStdString();
        QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
        window.startConversion();
        ASSERT_EQ(window.batch() != nullptr, starts);
        if (starts)
            ASSERT_TRUE(ended.wait(kWaitMs));
        EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(c.column), QString::fromUtf8(c.cell));
        ASSERT_EQ(alerts.count(), 1);
        EXPECT_EQ(alerts.last().title, QString::fromUtf8(c.title));
        EXPECT_TRUE(alerts.last().critical);
        EXPECT_EQ(alerts.last().kind, c.kind);
        EXPECT_TRUE(alerts.last().message.contains(QString::fromUtf8(c.says))) << alerts.last().message.toStdString();
        // A DVD has no quality mode to offer.
        EXPECT_FALSE(child<QRadioButton>(window, "qualityMode")->isEnabled());
        if (starts)
            expectSettingsUsable(window, false);
    });
}

TEST(Window, MakesADiscWhenAsked)
{
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    // Closing while the disc is made: "Keep Going"; then "Show Folder".
    alerts.willAnswer(reel::AlertAnswer{});
    alerts.willPress(reel::AlertButton::Alternate);
    ConvertWindow window(windowOptions(folder));
    QStringList revealed;
    window.setFolderRevealer([&revealed](const QString &path) { revealed << path; });
    window.show();
    auto *disc = child<QCheckBox>(window, "disc");
    auto *preset = child<QComboBox>(window, "preset");
    // A disc is made of DVD titles only.
    preset->setCurrentIndex(preset->findData(u"mp4"_s));
    EXPECT_FALSE(disc->isEnabled());
    preset->setCurrentIndex(preset->findData(u"dvd-pal"_s));
    EXPECT_TRUE(disc->isEnabled());
    disc->setChecked(true);
    window.addSources({sharedClip(Clip::Silent)});
    waitUntilRead(window);
    // One overall bar for the conversion and the disc after it.
    auto *overall = child<QProgressBar>(window, "overallProgress");
    QList<int> seen;
    QObject::connect(overall, &QProgressBar::valueChanged, [&seen](int value) { seen << value; });
    // The disc's first step starts its own bar again: the window is closed then.
    bool asked = false;
    bool closed = true;
    QObject::connect(child<QProgressBar>(window, "jobProgress"), &QProgressBar::valueChanged, &window, [&](int value) {
        if (value != 0 || asked || !window.findChild<DiscAuthoring *>())
            return;
        asked = true;
        QTimer::singleShot(0, &window, [&] { closed = window.close(); });
    });
    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_TRUE(std::is_sorted(seen.cbegin(), seen.cend()));
    EXPECT_EQ(seen.last(), overall->maximum());
    EXPECT_TRUE(asked);
    EXPECT_FALSE(closed);
    ASSERT_EQ(alerts.count(), 2);
    EXPECT_EQ(alerts.alerts().first().title, u"Stop making the disc?"_s);
    EXPECT_EQ(alerts.last().title, u"Disc made"_s) << alerts.last().message.toStdString();
    EXPECT_EQ(revealed, QStringList{folder});
    EXPECT_TRUE(reel::testPresenceC(folder + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s));
}

// A disc needs room for its titles, the disc folder and its image side by
// side: the window refuses one that lacks it, with the terminal's words,
// before anything runs.
TEST(Window, RefusesADiscWithoutRoomForIt)
{
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    Options options = windowOptions(folder, {sharedClip(Clip::Silent)}, u"dvd-pal"_s);
    options.budget = bitrateBudget(5000);
    options.budgetGiven = true;
    options.disc = true;
    ConvertWindow window(options);
    waitUntilRead(window);
    // 3 s at 5000 kb/s: about 2 MB, which fits, though three times that does not.
    window.setFreeSpaceProbe([](const QString &) { return 3; });
    EXPECT_EQ(child<QLabel>(window, "freeSpace")->text(), u"Free space: 3.0 MB"_s);
    window.startConversion();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, u"Cannot convert"_s);
    EXPECT_TRUE(alerts.last().critical);
    const QString message = alerts.last().message;
    EXPECT_TRUE(message.startsWith(u"the videos, the disc folder and its image need about "_s)) << message.toStdString();
    EXPECT_TRUE(message.endsWith(u" and %1 has 3.0 MB free"_s.arg(folder))) << message.toStdString();
    EXPECT_EQ(namesIn(folder), QStringList());
}

// In French, every label and the sizes shown come in French; the settings'
// words (the picture's, the presets') stay what the command line takes.
TEST(Window, SpeaksTheLanguageItIsTranslatedInto)
{
    const QString nb = u"\u00a0"_s;
    const struct {
        const char *name;
        QString convert, add, plan, freeSpace, picture;
    } cases[] = {
        {"fr", u"Convertir"_s, u"Ajouter des vidéos…"_s, u"Ajoutez des vidéos pour les convertir."_s,
         u"Espace libre"_s + nb + u": 1,5 Go"_s, u"Image"_s},
        {"de", u"Konvertieren"_s, u"Videos hinzufügen …"_s, u"Fügen Sie Videos hinzu, um sie zu konvertieren."_s,
         u"Freier Speicher: 1,5 GB"_s, u"Bild"_s},
        {"es", u"Convertir"_s, u"Añadir vídeos…"_s, u"Añada vídeos para convertirlos."_s,
         u"Espacio libre: 1,5 GB"_s, u"Imagen"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const ScopedLanguage language(QString::fromLatin1(c.name));
        ASSERT_TRUE(language.loaded());
        ConvertWindow window(windowOptions(outFolder()));
        EXPECT_EQ(child<QAbstractButton>(window, "convert")->text(), c.convert);
        EXPECT_EQ(child<QAbstractButton>(window, "add")->text(), c.add);
        EXPECT_EQ(child<QLabel>(window, "plan")->text(), c.plan);
        window.setFreeSpaceProbe([](const QString &) { return 1536; });
        EXPECT_EQ(child<QLabel>(window, "freeSpace")->text(), c.freeSpace);
        const PictureBox *picture = window.findChild<PictureBox *>();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->title(), c.picture);
    });

    // French, more closely: every button, the size's unit, the presets.
    const ScopedLanguage french(u"fr"_s);
    ConvertWindow window(windowOptions(outFolder()));
    const struct {
        const char *name;
        QString text;
    } buttons[] = {{"cancel", u"Annuler"_s},
                   {"preview", u"Aperçu"_s},
                   {"sizeMode", u"Taille cible"_s + nb + u":"_s},
                   {"qualityMode", u"Qualité"_s + nb + u":"_s},
                   {"disc", u"Créer un disque"_s}};
    reel::test::forEachCase(buttons,
                            [&](const auto &c) { EXPECT_EQ(child<QAbstractButton>(window, c.name)->text(), c.text); });
    EXPECT_EQ(child<QSpinBox>(window, "sizeMB")->suffix(), u" Mo"_s);
    auto *preset = child<QComboBox>(window, "preset");
    EXPECT_NE(preset->findData(u"dvd-pal"_s), -1);
    EXPECT_TRUE(preset->itemText(preset->findData(u"mp4"_s)).contains(u"taille d'image de la source"_s))
        << preset->itemText(preset->findData(u"mp4"_s)).toStdString();
}

// Any setting that shapes the output makes the videos done waiting again;
// the others leave them done.
TEST(Window, DoneVideosWaitAgainWhenTheOutputWouldChange)
{
    ConvertWindow window(windowOptions(outFolder()));
    window.sourceList()->appendSource(sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac")}));
    const struct {
        const char *name;
        std::function<void()> change;
        bool again;
    } cases[] = {
        {"the destination",
         [&] {
             auto *edit = child<QLineEdit>(window, "destination");
             edit->setText(outFolder(u"other"_s));
             emit edit->editingFinished();
         },
         false},
        {"the preset", [&] { child<QComboBox>(window, "preset")->setCurrentIndex(1); }, true},
        {"the budget's mode", [&] { child<QRadioButton>(window, "sizeMode")->setChecked(true); }, true},
        {"the size", [&] { child<QSpinBox>(window, "sizeMB")->setValue(7); }, true},
        {"the sound evened out", [&] { child<QCheckBox>(window, "normalize")->setChecked(true); }, true},
        {"the picture", [&] { child<QComboBox>(window, "denoise")->setCurrentIndex(1); }, true},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        window.sourceList()->setState(0, SourceList::RowState::Done, u"done, 1.0 MB"_s);
        c.change();
        EXPECT_EQ(window.sourceList()->status(0), c.again ? u"waiting"_s : u"done, 1.0 MB"_s);
        EXPECT_EQ(window.sourceList()->rowsToConvert(), c.again ? QList<int>{0} : QList<int>());
    });
}

TEST(Window, EachPresetBringsItsOwnBitrate)
{
    ConvertWindow window(windowOptions(outFolder()));
    window.sourceList()->appendSource(sourceWith({stream(0, "video", "h264"), stream(1, "audio", "aac")}));
    child<QRadioButton>(window, "bitrateMode")->setChecked(true);
    auto *preset = child<QComboBox>(window, "preset");
    const struct {
        const char *name;
        int kbps;
    } cases[] = {{"dvd-pal", 5000}, {"mp4", 1500}, {"dvd-ntsc", 5000}, {"mp4-hevc", 1000}};
    reel::test::forEachCase(cases, [&](const auto &c) {
        preset->setCurrentIndex(preset->findData(QString::fromUtf8(c.name)));
        EXPECT_EQ(child<QSpinBox>(window, "bitrate")->value(), c.kbps);
        const RunPlan run = window.plannedRun();
        ASSERT_EQ(run.plan.jobs.size(), 1) << run.plan.problems.join(u'|').toStdString();
        EXPECT_EQ(run.plan.jobs.first().videoKbps, c.kbps);
    });
}

// A row for every file given: a video with its clock duration, picture and
// thumbnail; anything else refused with the probe's reason, never converted.
// A thumbnail ffmpeg cannot make leaves the row without one, said once in
// the log.
TEST(Window, RowsShowWhatWasReadAndWhatWasRefused)
{
    const QString notes = reel::test::writeFile(reel::test::scratchDir() + u"/notes.txt"_s, "sunny\n");
    const QString noPictures = bundleWithTool(u"ffmpeg"_s, "#!/bin/sh\necho 'no pictures today' >&2\nexit 1\n");
    const struct {
        const char *name;
        QString file;
        QString bundle;
        const char *duration, *resolution, *status;
        bool thumbnail;
    } cases[] = {
        {"a clip", sharedClip(Clip::Ntsc2997), {}, "0:00:03", "320x240, 29.97 fps", "", true},
        {"a text file", notes, {}, "", "", "refused: cannot be read: Invalid data found when processing input", false},
        {"no thumbnail", sharedClip(Clip::Silent), noPictures, "0:00:03", "320x240, 25 fps", "", false},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const auto tools = toolsOf(c.bundle);
        reel::test::clearLog();
        ConvertWindow window(windowOptions(outFolder(), {c.file}));
        waitUntilRead(window);
        ASSERT_EQ(window.sourceList()->topLevelItemCount(), 1);
        const QTreeWidgetItem *row = window.sourceList()->topLevelItem(0);
        EXPECT_EQ(row->text(SourceList::Duration), QString::fromUtf8(c.duration));
        if (*c.duration)
            EXPECT_TRUE(row->toolTip(SourceList::Duration).startsWith(u"0h00'03\" (0:00:03"_s));
        EXPECT_EQ(row->text(SourceList::Resolution), QString::fromUtf8(c.resolution));
        EXPECT_EQ(window.sourceList()->status(0), QString::fromUtf8(c.status));
        EXPECT_EQ(window.sourceList()->rowsToConvert().size(), *c.duration ? 1 : 0);
        EXPECT_EQ(!row->icon(SourceList::Title).isNull(), c.thumbnail);
        // The clip's, made once; nothing half-made left.
        EXPECT_EQ(QDir(thumbnailFolder()).entryList(QDir::Files).size(), 1);
        EXPECT_EQ(reel::test::logLines().filter(u"thumbnailFor"_s).size(), c.bundle.isEmpty() ? 0 : 1);
    });
}

// Unticking the default sound track of a video, once the other is ticked,
// keeps the other alone, for that video only.
TEST(Window, EachVideoKeepsTheTracksTickedForIt)
{
    ConvertWindow window(windowOptions(outFolder(), {sharedClip(Clip::Tracks), sharedClip(Clip::Ntsc2997)}));
    waitUntilRead(window);
    window.sourceList()->topLevelItem(0)->setSelected(true);
    auto *tracks = child<QListWidget>(window, "trackList");
    ASSERT_EQ(tracks->count(), 3);
    const struct {
        const char *name;
        int item;
        Qt::CheckState state;
        QList<int> audio;
    } cases[] = {
        {"as the plan would", -1, Qt::Checked, {2}},
        {"the other ticked too, the default first", 0, Qt::Checked, {2, 1}},
        {"the default unticked", 1, Qt::Unchecked, {1}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        if (c.item >= 0)
            tracks->item(c.item)->setCheckState(c.state);
        const RunPlan run = window.plannedRun();
        ASSERT_EQ(run.plan.jobs.size(), 2) << run.plan.problems.join(u'|').toStdString();
        EXPECT_EQ(run.plan.jobs.at(0).tracks.audio, c.audio);
        EXPECT_EQ(run.plan.jobs.at(1).tracks.audio, QList<int>{1});
    });
    EXPECT_EQ(tracks->item(0)->text(), u"#1 French · aac · mono"_s);
    EXPECT_EQ(tracks->item(2)->text(), u"#3 English · subrip"_s);
    EXPECT_EQ(tracks->item(2)->checkState(), Qt::Checked);
}

// Automatic crop measures the bars of the videos read, away from the
// window; the size is not offered for a DVD; the choices are remembered.
TEST(Window, PictureChoicesReachThePlan)
{
    const QString boxed = reel::test::scratchDir() + u"/boxed.mkv"_s;
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=320x180:rate=25:duration=2"_s)
                       + QStringList{u"-vf"_s, u"pad=320:240:0:30"_s, u"-c:v"_s, u"libx264"_s, u"-preset"_s,
                                     u"ultrafast"_s, boxed}));
    ConvertWindow window(windowOptions(outFolder(), {boxed}));
    waitUntilRead(window);
    const auto filters = [&window] { return window.plannedRun().plan.jobs.value(0).picture.filters.join(u','); };
    EXPECT_FALSE(filters().contains(u"crop="_s)) << filters().toStdString();
    child<QComboBox>(window, "crop")->setCurrentIndex(1);
    EXPECT_TRUE(window.isReading());
    waitUntilRead(window);
    EXPECT_TRUE(filters().contains(u"crop=320:180:0:30"_s)) << filters().toStdString();
    child<QComboBox>(window, "maxSize")->setCurrentIndex(3);
    child<QComboBox>(window, "denoise")->setCurrentIndex(2);
    EXPECT_TRUE(filters().contains(u"hqdn3d"_s)) << filters().toStdString();
    auto *preset = child<QComboBox>(window, "preset");
    preset->setCurrentIndex(preset->findData(u"dvd-pal"_s));
    EXPECT_FALSE(child<QComboBox>(window, "maxSize")->isEnabled());
    window.close();
    ConvertWindow again;
    for (const auto &[name, index] : {std::pair{"maxSize", 3}, {"crop", 1}, {"denoise", 2}, {"deinterlace", 0}})
        EXPECT_EQ(child<QComboBox>(again, name)->currentIndex(), index) << name;
}

// The group shows any word the command line takes, and gives back the words
// the command line reads as the same picture.
TEST(Window, ThePictureGroupHoldsEveryWordTheCommandLineTakes)
{
    const struct {
        const char *name;
        QStringList words;
        bool sizeOffered;
        OptionWordList expected;
    } cases[] = {
        {"the lists' first", {u""_s, u"none"_s, u"off"_s, u"auto"_s}, true, {}},
        {"a height", {u"720"_s}, true, {{u"height"_s, u"720"_s}}},
        {"a frame and bars of its own",
         {u"1000X500"_s, u"10:10:0:0"_s, u"strong"_s, u"off"_s},
         true,
         {{u"max-size"_s, u"1000x500"_s}, {u"crop"_s, u"10:10:0:0"_s}, {u"denoise"_s, u"strong"_s},
          {u"deinterlace"_s, u"off"_s}}},
        {"no size for a DVD", {u"1280x720"_s, u"auto"_s}, false, {{u"crop"_s, u"auto"_s}}},
        {"words refused", {u"big"_s, u"sideways"_s, u"lots"_s}, true, {}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        PictureBox box;
        box.setSizeOffered(c.sizeOffered);
        box.setWords(c.words);
        EXPECT_EQ(box.optionWords(), c.expected);
        const Options read = parseOptions(QStringList{u"reelkit-convert"_s} + presetArguments(box.optionWords()));
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        const PictureRequest shown = box.request();
        const PictureRequest &given = read.choices.picture;
        EXPECT_EQ(std::tuple(shown.maxWidth, shown.maxHeight, shown.crop, shown.given, shown.denoise, shown.deinterlace),
                  std::tuple(given.maxWidth, given.maxHeight, given.crop, given.given, given.denoise, given.deinterlace));
    });
}

// Your presets follow the built-in ones; one chosen plans each video as
// "-p NAME" does on the command line, and is remembered by its name.
TEST(Window, ListsYourPresetsAndPlansWithThemAsTheCommandLine)
{
    const struct {
        const char *name;
        QStringList words;
        const char *mode;
    } cases[] = {
        {"Wide opus",
         {u"-p"_s, u"mp4"_s, u"--container"_s, u"mkv"_s, u"--speed"_s, u"fast"_s, u"--audio-codec"_s, u"opus"_s,
          u"--audio-bitrate"_s, u"96"_s, u"-q"_s, u"30"_s, u"--height"_s, u"120"_s, u"--crop"_s, u"8:8:0:0"_s,
          u"--audio"_s, u"fre"_s, u"--normalize"_s},
         "qualityMode"},
        {"Quiet DVD", {u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"4000"_s, u"--deinterlace"_s, u"on"_s}, "bitrateMode"},
        {"Phone sized",
         {u"-p"_s, u"phone-720p"_s, u"-s"_s, u"20"_s, u"--max-size"_s, u"200x150"_s, u"--denoise"_s, u"light"_s},
         "sizeMode"},
    };
    for (const auto &c : cases)
        savePresetOf(QString::fromUtf8(c.name), c.words);
    QString error;
    writeSavedPreset(SavedPreset{u"Broken"_s, {{u"preset"_s, u"mp4"_s}, {u"crop"_s, u"lots"_s}}}, &error);

    const QString clip = sharedClip(Clip::Tracks);
    const QString folder = outFolder();
    ConvertWindow window(windowOptions(folder, {clip}));
    waitUntilRead(window);
    auto *preset = child<QComboBox>(window, "preset");
    EXPECT_EQ(preset->currentData().toString(), u"mp4"_s);
    const int yours = int(presets().size()) + 1; // after a separator
    ASSERT_EQ(preset->count(), yours + 4);
    EXPECT_EQ(preset->itemText(yours), u"Broken"_s);
    // One the command line refuses is shown, not offered.
    EXPECT_FALSE(qobject_cast<QStandardItemModel *>(preset->model())->item(yours)->isEnabled());
    EXPECT_TRUE(preset->itemData(yours, Qt::ToolTipRole).toString().contains(u"--crop takes"_s));
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString name = QString::fromUtf8(c.name);
        preset->setCurrentIndex(preset->findData(name));
        EXPECT_TRUE(child<QRadioButton>(window, c.mode)->isChecked());
        const Options given = parseOptions(commandLine({u"-p"_s, name, clip}));
        ASSERT_TRUE(given.error.isEmpty()) << given.error.toStdString();
        expectSameJob(window.plannedRun(), commandLinePlan(given, window, folder));
    });

    preset->setCurrentIndex(preset->findData(u"Wide opus"_s));
    window.close();
    ConvertWindow again(windowOptions(folder, {clip}));
    waitUntilRead(again);
    EXPECT_EQ(child<QComboBox>(again, "preset")->currentData().toString(), u"Wide opus"_s);
    EXPECT_EQ(child<QComboBox>(again, "maxSize")->currentText(), u"120 pixels high"_s);
    expectSameJob(again.plannedRun(), commandLinePlan(parseOptions(commandLine({u"-p"_s, u"Wide opus"_s, clip})),
                                                      again, folder));
    // Gone at the next start: mp4.
    ASSERT_TRUE(QFile::remove(savedPresetFolder() + u"/Wide opus.plist"_s));
    ConvertWindow later(windowOptions(folder));
    EXPECT_EQ(child<QComboBox>(later, "preset")->currentData().toString(), u"mp4"_s);
}

// The window's settings kept as your preset: "-p NAME" reads them as the
// window plans with them, and a window started later offers them.
TEST(Window, SavesItsSettingsAsAPresetTheCommandLineReads)
{
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    const QString clip = sharedClip(Clip::Silent);
    const QString folder = outFolder();
    ConvertWindow window(windowOptions(folder, {clip}));
    waitUntilRead(window);
    QStringList suggested;
    QString answer;
    window.setPresetNameAsker([&](const QString &name) {
        suggested << name;
        return answer;
    });
    auto *preset = child<QComboBox>(window, "preset");
    preset->setCurrentIndex(preset->findData(u"phone-720p"_s));
    child<QRadioButton>(window, "qualityMode")->setChecked(true);
    child<QSpinBox>(window, "quality")->setValue(30);
    child<QComboBox>(window, "crop")->setCurrentIndex(1);
    waitUntilRead(window); // the bars measured
    child<QCheckBox>(window, "normalize")->setChecked(true);
    auto *save = child<QPushButton>(window, "savePreset");
    for (const QString &refused : {u"mp4"_s, u"../x"_s}) {
        answer = refused;
        save->click();
        EXPECT_EQ(alerts.last().title, u"Preset not saved"_s);
        EXPECT_TRUE(alerts.last().message.startsWith(u"'%1' "_s.arg(refused))) << alerts.last().message.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(savedPresetFolder()));

    answer = u"Small phone"_s;
    save->click();
    EXPECT_EQ(alerts.count(), 2);
    EXPECT_EQ(suggested, QStringList(3)); // a built-in's name is no name to suggest
    EXPECT_TRUE(QFileInfo::exists(savedPresetFolder() + u"/Small phone.plist"_s));
    EXPECT_EQ(preset->currentData().toString(), u"Small phone"_s);
    const Options given = parseOptions(commandLine({u"-p"_s, u"Small phone"_s, clip}));
    ASSERT_TRUE(given.error.isEmpty()) << given.error.toStdString();
    EXPECT_EQ(given.presetId, u"phone-720p"_s);
    EXPECT_TRUE(given.budgetGiven);
    EXPECT_EQ(std::tuple(given.budget.mode, given.budget.crf), std::tuple(Budget::Mode::Quality, 30));
    EXPECT_EQ(given.choices.picture.crop, PictureRequest::Crop::Auto);
    EXPECT_TRUE(given.normalize);
    expectSameJob(window.plannedRun(), commandLinePlan(given, window, folder));

    ConvertWindow later(windowOptions(folder, {clip}));
    waitUntilRead(later);
    auto *offered = child<QComboBox>(later, "preset");
    EXPECT_EQ(offered->currentData().toString(), u"mp4"_s);
    offered->setCurrentIndex(offered->findData(u"Small phone"_s));
    waitUntilRead(later);
    EXPECT_TRUE(child<QRadioButton>(later, "qualityMode")->isChecked());
    EXPECT_EQ(child<QSpinBox>(later, "quality")->value(), 30);
    EXPECT_EQ(child<QComboBox>(later, "crop")->currentData().toString(), u"auto"_s);
    EXPECT_TRUE(child<QCheckBox>(later, "normalize")->isChecked());
    expectSameJob(later.plannedRun(), commandLinePlan(given, later, folder));

    // The same name again replaces it, without a question.
    later.setPresetNameAsker([](const QString &name) { return name; });
    child<QSpinBox>(later, "quality")->setValue(26);
    child<QPushButton>(later, "savePreset")->click();
    EXPECT_EQ(alerts.count(), 2);
    EXPECT_EQ(parseOptions(commandLine({u"-p"_s, u"Small phone"_s})).budget.crf, 26);
    EXPECT_EQ(offered->findData(u"Small phone"_s), offered->currentIndex());
}

TEST(Window, PreviewsTenSecondsFromTheMiddleInThePlayer)
{
    const QString notes = reel::test::writeFile(reel::test::scratchDir() + u"/notes.txt"_s, "sunny\n");
    ConvertWindow window(windowOptions(outFolder(), {notes, sharedClip(Clip::Silent)}));
    QStringList opened;
    window.setPreviewOpener([&opened](const QString &file) { opened << file; });
    waitUntilRead(window);
    auto *preview = child<QPushButton>(window, "preview");
    EXPECT_FALSE(preview->isEnabled()); // nothing selected
    window.sourceList()->topLevelItem(0)->setSelected(true);
    EXPECT_FALSE(preview->isEnabled()); // a refused file
    window.sourceList()->clearSelection();
    window.sourceList()->topLevelItem(1)->setSelected(true);
    ASSERT_TRUE(preview->isEnabled());
    QSignalSpy made(window.preview(), &Preview::finished);
    preview->click();
    EXPECT_FALSE(preview->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "convert")->isEnabled());
    ASSERT_TRUE(made.wait(kWaitMs));
    ASSERT_EQ(opened.size(), 1) << made.value(0).value(1).toString().toStdString();
    EXPECT_TRUE(QFileInfo(opened.first()).size() > 0);
    // A 3-second clip: from its start.
    EXPECT_EQ(window.previewRequest().choices.trim.start, 0.0);
    EXPECT_EQ(window.previewRequest().choices.trim.length, 10.0);
    EXPECT_EQ(Preview::excerptOf(600).start, 295.0);
    EXPECT_TRUE(preview->isEnabled());
    EXPECT_EQ(window.sourceList()->status(1), QString()); // a preview converts nothing
    window.close();
    EXPECT_FALSE(QFileInfo::exists(opened.first()));
}

// The toolkit's own lines go to the log file, and to standard error only
// with --debug, in the window as in the terminal.
TEST(Window, TheToolkitsLinesReachStandardErrorOnlyWithDebug)
{
    const reel::test::ScopedBundle named(
        reel::test::makeBundle(u"Logged"_s, {{u"CFBundleName"_s, u"Logged"_s}}, true));
    const QString notes = reel::test::writeFile(reel::test::scratchDir() + u"/notes.txt"_s, "sunny\n");
    const QString log = reel::getTMPFOLDER() + u"/reelkit-convert.log"_s;
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug ? "--debug" : "without --debug");
        QFile::remove(log);
        QProcess converter;
        converter.setStandardInputFile(QProcess::nullDevice());
        converter.start(QStringLiteral(REELKIT_CONVERT_EXE),
                        debug ? QStringList{u"--window"_s, u"--debug"_s, notes} : QStringList{u"--window"_s, notes});
        ASSERT_TRUE(converter.waitForStarted());
        QByteArray err;
        // The refused file is the probe's line.
        const bool said = QTest::qWaitFor([&] {
            err += converter.readAllStandardError();
            return (debug ? QString::fromUtf8(err) : QString::fromUtf8(reel::test::readFile(log))).contains(u"probeSource"_s);
        }, kWaitMs);
        converter.kill();
        converter.waitForFinished();
        err += converter.readAllStandardError();
        EXPECT_TRUE(said);
        EXPECT_EQ(QString::fromUtf8(err).contains(u"probeSource"_s), debug) << err.toStdString();
    }
}
