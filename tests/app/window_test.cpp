// The window on the offscreen platform: a folder dropped, a conversion
// started, the progress bars at their end, the controls afterwards, the
// questions it asks on the way, and what it remembers.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "tables.h"

#include <sourcelist.h>
#include <window.h>

#include <reel/dialogs.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

Options windowOptions(const QString &destination, const QStringList &files = {})
{
    Options options;
    options.mode = Options::Mode::Window;
    options.outputDir = destination;
    options.files = files;
    return options;
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
    EXPECT_TRUE(child<QComboBox>(window, "preset")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "convert")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window, "cancel")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(window, "add")->isEnabled());
    const struct {
        const char *radio;
        const char *spin;
    } modes[] = {{"qualityMode", "quality"}, {"sizeMode", "sizeMB"}, {"bitrateMode", "bitrate"}};
    for (const auto &m : modes) {
        const bool offered = qualityOffered || QByteArray(m.radio) != "qualityMode";
        EXPECT_EQ(child<QRadioButton>(window, m.radio)->isEnabled(), offered) << m.radio;
        EXPECT_EQ(child<QSpinBox>(window, m.spin)->isEnabled(), child<QRadioButton>(window, m.radio)->isChecked())
            << m.spin;
    }
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
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Duration), u"0h00'03\" (0:00:03.02)"_s);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Tracks), u"video, audio #1"_s);

    auto *jobBar = child<QProgressBar>(window, "jobProgress");
    auto *overallBar = child<QProgressBar>(window, "overallProgress");
    auto *convertButton = child<QPushButton>(window, "convert");
    ASSERT_TRUE(jobBar && overallBar && convertButton);
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
    EXPECT_TRUE(child<QSpinBox>(window, "sizeMB")->isEnabled());
    EXPECT_TRUE(window.sourceList()->status(0).startsWith(u"done"_s)) << window.sourceList()->status(0).toStdString();
    EXPECT_TRUE(reel::testPresenceC(folder + u"/Summer Trip.mp4"_s));

    ASSERT_EQ(alerts.count(), 1);
    const reel::AlertRequest finished = alerts.last();
    EXPECT_EQ(finished.kind, reel::AlertRequest::Kind::Timed);
    EXPECT_EQ(finished.title, u"Conversion finished"_s);
    EXPECT_EQ(finished.message, u"1 of 1 videos converted into %1."_s.arg(folder));
    EXPECT_EQ(finished.shownButtons(), (QStringList{u"Close"_s, u"Show Folder"_s}));
    EXPECT_EQ(revealed, QStringList{folder});
    // The settings of a conversion are kept from its start.
    EXPECT_EQ(child<QSpinBox>(ConvertWindow(windowOptions(folder)), "sizeMB")->value(), 1);

    // A row done is not converted again.
    convertButton->click();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 2);
    EXPECT_EQ(alerts.last().title, u"Nothing left to convert"_s);
    EXPECT_EQ(convert::test::namesIn(folder), QStringList{u"Summer Trip.mp4"_s});
}

TEST(Window, ExistingOutputsAreKeptBothReplacedOrSkippedOnOneQuestion)
{
    const QString first = sharedClip(Clip::Silent);
    const QString second = sharedClip(Clip::Ntsc2997);
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
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const QString oldSilent = reel::test::writeFile(folder + u"/silent.mpg"_s, "precious");
        const QString oldNtsc = reel::test::writeFile(folder + u"/ntsc.mpg"_s, "precious");
        reel::RecordingPresenter alerts;
        reel::ScopedAlertPresenter use(&alerts);
        if (c.press)
            alerts.willPress(*c.press);

        // The DVD encoder is the quicker one.
        Options options = windowOptions(folder, {first, second});
        options.presetId = u"dvd-pal"_s;
        options.presetGiven = true;
        ConvertWindow window(options);
        window.setFolderRevealer([](const QString &) {});
        waitUntilRead(window);
        QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
        window.startConversion();
        ASSERT_GE(alerts.count(), 1);
        const reel::AlertRequest question = alerts.alerts().first();
        EXPECT_EQ(question.title, u"2 outputs already exist"_s);
        EXPECT_EQ(question.shownButtons(), (QStringList{u"Keep Both"_s, u"Replace All"_s, u"Skip"_s}));
        EXPECT_TRUE(question.message.contains(u"silent.mpg\nntsc.mpg"_s)) << question.message.toStdString();
        if (window.batch())
            ASSERT_TRUE(ended.wait(kWaitMs));

        EXPECT_EQ(convert::test::namesIn(folder), c.names);
        EXPECT_EQ(reel::test::readFile(oldSilent) == "precious", c.precious);
        EXPECT_EQ(reel::test::readFile(oldNtsc) == "precious", c.precious);
        for (int row = 0; row < 2; ++row)
            EXPECT_TRUE(window.sourceList()->status(row).startsWith(QString::fromUtf8(c.status)))
                << window.sourceList()->status(row).toStdString();
    }
}

TEST(Window, AFailureStaysOnScreenWithFfmpegsReason)
{
    // The real ffprobe reads the clip; an ffmpeg that fails as a broken
    // encoder would converts it.
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle failing(bundleWithTool(
        u"ffmpeg"_s, "#!/bin/sh\necho '[libx264 @ 0x55d0] broken encoder' >&2\necho 'Conversion failed!' >&2\nexit 1\n"));
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    ConvertWindow window(windowOptions(outFolder(), {clip}));
    waitUntilRead(window);
    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_NE(window.batch(), nullptr);
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_TRUE(window.sourceList()->status(0).contains(u"libx264: broken encoder"_s))
        << window.sourceList()->status(0).toStdString();
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, u"Conversion finished with errors"_s);
    EXPECT_TRUE(alerts.last().critical);
    // Untimed: it waits for the user.
    EXPECT_EQ(alerts.last().kind, reel::AlertRequest::Kind::Modal);
    EXPECT_TRUE(alerts.last().message.contains(u"libx264: broken encoder"_s));
    expectSettingsUsable(window);
}

TEST(Window, WhatCannotStartSaysWhyAndStartsNothing)
{
    SampleClip tiny;
    tiny.seconds = 12;
    tiny.width = 64;
    tiny.height = 48;
    const QString clip = makeClip(u"clip.mkv"_s, tiny);
    const QString bare = reel::test::makeBundle(u"Bare"_s, {}, false);
    const struct {
        const char *name;
        bool withoutTools;
        SourceList::Column column;
        const char *cell;
        const char *says; // on the plan line and in the alert
    } cases[] = {
        {"a size too small", false, SourceList::Output, "refused", "needs at least 1000 kb/s"},
        {"no tools", true, SourceList::Status, "unreadable", "missing tools: ffmpeg, ffprobe"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        std::optional<reel::test::ScopedBundle> withoutTools;
        if (c.withoutTools)
            withoutTools.emplace(bare);
        reel::RecordingPresenter alerts;
        reel::ScopedAlertPresenter use(&alerts);
        Options options = windowOptions(outFolder(), {clip});
        options.presetId = u"dvd-pal"_s;
        options.presetGiven = true;
        options.budget = sizeBudget(1);
        options.budgetGiven = true;
        ConvertWindow window(options);
        waitUntilRead(window);
        EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(c.column), QString::fromUtf8(c.cell));
        EXPECT_TRUE(child<QLabel>(window, "plan")->text().contains(QString::fromUtf8(c.says)))
            << child<QLabel>(window, "plan")->text().toStdString();
        // A DVD has no quality mode to offer.
        EXPECT_FALSE(child<QRadioButton>(window, "qualityMode")->isEnabled());
        window.startConversion();
        EXPECT_EQ(window.batch(), nullptr);
        ASSERT_EQ(alerts.count(), 1);
        EXPECT_EQ(alerts.last().title, u"Cannot convert"_s);
        EXPECT_TRUE(alerts.last().critical);
        EXPECT_EQ(alerts.last().kind, reel::AlertRequest::Kind::Sheet);
        EXPECT_TRUE(alerts.last().message.contains(QString::fromUtf8(c.says))) << alerts.last().message.toStdString();
    });
}

// ffprobe runs away from the window's thread: a probe that hangs leaves the
// window answering, and Cancel ends it.
TEST(Window, ReadingDoesNotHoldTheWindowAndCancelEndsIt)
{
    const QString pidFile = reel::test::scratchDir() + u"/ffprobe.pid"_s;
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle slow(hangingProbeBundle(pidFile));

    ConvertWindow window(windowOptions(outFolder()));
    window.show();
    window.addSources({clip});
    EXPECT_TRUE(window.isReading());
    // The window goes on handling events while the probe hangs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile) && window.sourceList()->topLevelItemCount() == 1; },
                                kWaitMs));
    EXPECT_EQ(window.sourceList()->status(0), u"reading…"_s);
    EXPECT_FALSE(child<QPushButton>(window, "convert")->isEnabled());
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().startsWith(u"Reading 1 video"_s));

    child<QPushButton>(window, "cancel")->click();
    EXPECT_FALSE(window.isReading());
    EXPECT_EQ(window.sourceList()->status(0), u"not read"_s);
    EXPECT_TRUE(processGone(pidFile));
    expectSettingsUsable(window);
}

TEST(Window, RemembersThePresetModeAndDestinationAndHasAMinimumSize)
{
    const QString folder = outFolder();
    {
        ConvertWindow window(windowOptions(folder));
        auto *preset = child<QComboBox>(window, "preset");
        preset->setCurrentIndex(preset->findData(u"mp4-hevc"_s));
        // The quality follows the preset while it is the preset's own.
        EXPECT_EQ(child<QSpinBox>(window, "quality")->value(), 28);
        child<QRadioButton>(window, "sizeMode")->setChecked(true);
        child<QSpinBox>(window, "sizeMB")->setValue(700);
        window.show();
        // Room for its controls, and no less than a sensible size.
        EXPECT_GE(window.minimumWidth(), 640);
        EXPECT_GE(window.minimumHeight(), 440);
        EXPECT_GE(window.minimumWidth(), window.layout()->minimumSize().width());
        EXPECT_GE(window.minimumHeight(), window.layout()->minimumSize().height());
        window.close();
    }
    ConvertWindow again;
    EXPECT_EQ(child<QComboBox>(again, "preset")->currentData().toString(), u"mp4-hevc"_s);
    EXPECT_TRUE(child<QRadioButton>(again, "sizeMode")->isChecked());
    EXPECT_EQ(child<QSpinBox>(again, "sizeMB")->value(), 700);
    EXPECT_EQ(child<QSpinBox>(again, "quality")->value(), 28);
    EXPECT_EQ(child<QLineEdit>(again, "destination")->text(), folder);
    EXPECT_TRUE(child<QLabel>(again, "freeSpace")->text().startsWith(u"Free space: "_s));
}
