// The window on the offscreen platform: a clip in, a conversion started,
// the progress bars at their end, and the questions it asks on the way.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"

#include <sourcelist.h>
#include <window.h>

#include <reel/dialogs.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace convert;
using convert::test::makeClip;
using convert::test::outFolder;

namespace {

constexpr int kWaitMs = 120000;

SampleClip smallClip()
{
    SampleClip settings = test::grainyClip();
    settings.seconds = 2;
    return settings;
}

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

} // namespace

TEST(Window, ConvertsALoadedClipAndTheProgressBarsReachTheEnd)
{
    const QString clip = makeClip(QStringLiteral("Summer_Trip.mkv"), smallClip());
    ASSERT_FALSE(clip.isNull());
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    alerts.willPress(reel::AlertButton::Alternate); // "Show Folder"

    ConvertWindow window(windowOptions(folder));
    QStringList revealed;
    window.setFolderRevealer([&revealed](const QString &path) { revealed << path; });
    window.show();
    window.addSources({clip});
    ASSERT_EQ(window.sourceList()->topLevelItemCount(), 1);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Title), QStringLiteral("Summer Trip"));
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Duration),
              QStringLiteral("0h00'02\" (0:00:02.00)"));

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
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_EQ(jobBar->value(), jobBar->maximum());
    EXPECT_EQ(overallBar->value(), overallBar->maximum());
    EXPECT_TRUE(std::is_sorted(seen.cbegin(), seen.cend()));
    EXPECT_EQ(window.batch(), nullptr);
    EXPECT_TRUE(convertButton->isEnabled());
    EXPECT_TRUE(window.sourceList()->status(0).startsWith(QStringLiteral("done")));
    EXPECT_TRUE(reel::testPresenceC(folder + QStringLiteral("/Summer Trip.mp4")));

    ASSERT_EQ(alerts.count(), 1);
    const reel::AlertRequest finished = alerts.last();
    EXPECT_EQ(finished.kind, reel::AlertRequest::Kind::Timed);
    EXPECT_EQ(finished.title, QStringLiteral("Conversion finished"));
    EXPECT_EQ(finished.message, QStringLiteral("1 of 1 videos converted into %1.").arg(folder));
    EXPECT_EQ(finished.shownButtons(), (QStringList{QStringLiteral("Close"), QStringLiteral("Show Folder")}));
    EXPECT_EQ(revealed, QStringList{folder});
}

TEST(Window, AnExistingOutputIsReplacedOnlyOnTheUsersWord)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), smallClip());
    const QString folder = outFolder();
    const QString output = reel::test::writeFile(folder + QStringLiteral("/clip.mp4"), "precious");
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    ConvertWindow window(windowOptions(folder, {clip}));
    window.setFolderRevealer([](const QString &) { ADD_FAILURE() << "nobody asked to see the folder"; });

    // Unanswered, the question keeps the file, and nothing is left to run.
    window.startConversion();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Replace \"clip.mp4\"?"));
    EXPECT_EQ(alerts.last().shownButtons(), (QStringList{QStringLiteral("Keep"), QStringLiteral("Replace")}));
    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("kept existing output"));
    EXPECT_EQ(reel::test::readFile(output), QByteArray("precious"));

    alerts.willPress(reel::AlertButton::Alternate);
    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_NE(window.batch(), nullptr);
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_EQ(reel::test::readFile(output).mid(4, 4), QByteArray("ftyp"));
}

TEST(Window, ASizeTooSmallIsRefusedWithTheReason)
{
    SampleClip settings = smallClip();
    settings.seconds = 12;
    settings.width = 64;
    settings.height = 48;
    const QString clip = makeClip(QStringLiteral("clip.mkv"), settings);
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    Options options = windowOptions(outFolder(), {clip});
    options.presetId = QStringLiteral("dvd-pal");
    options.presetGiven = true;
    options.budget.mode = Budget::Mode::TargetSize;
    options.budget.sizeMB = 1;
    options.budgetGiven = true;
    ConvertWindow window(options);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Output), QStringLiteral("refused"));
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().contains(QStringLiteral("too small")));

    window.startConversion();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Cannot convert"));
    EXPECT_TRUE(alerts.last().critical);
    EXPECT_EQ(alerts.last().kind, reel::AlertRequest::Kind::Sheet);
    EXPECT_TRUE(alerts.last().message.contains(QStringLiteral("needs at least 1000 kb/s")));
}

TEST(Window, WithoutTheToolsItSaysWhatIsMissing)
{
    const QString clip = makeClip(QStringLiteral("clip.mkv"), smallClip());
    const reel::test::ScopedBundle bare(reel::test::makeBundle(QStringLiteral("Bare"), {}, false));
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    ConvertWindow window(windowOptions(outFolder(), {clip}));
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().startsWith(QStringLiteral("missing tools: ffmpeg, ffprobe")));
    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("unreadable"));
    EXPECT_TRUE(window.sourceList()->sources().first().error.startsWith(QStringLiteral("missing tool: ffprobe")));
    window.startConversion();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Cannot convert"));
    EXPECT_TRUE(alerts.last().message.contains(QStringLiteral("missing tools: ffmpeg, ffprobe")));
}

TEST(Window, CancelStopsTheBatchAndRemovesThePartialOutput)
{
    SampleClip settings;
    settings.seconds = 30;
    settings.width = 320;
    settings.height = 240;
    const QString clip = makeClip(QStringLiteral("long.mkv"), settings);
    const QString folder = outFolder();
    Options options = windowOptions(folder, {clip});
    options.presetId = QStringLiteral("dvd-pal");
    options.presetGiven = true;
    ConvertWindow window(options);

    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_NE(window.batch(), nullptr);
    ConversionJob *job = window.batch()->job(0);
    ASSERT_TRUE(QTest::qWaitFor([job] {
        return !job->temporaryPath().isEmpty() && reel::poidsFile(job->temporaryPath(), QStringLiteral("O")) > 0;
    }, kWaitMs));
    child<QPushButton>(window, "cancel")->click();
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("cancelled"));
    EXPECT_EQ(convert::test::namesIn(folder), QStringList());
    EXPECT_EQ(child<QProgressBar>(window, "overallProgress")->value(), 0);
}

TEST(Window, RemembersThePresetSizeAndDestination)
{
    const QString folder = outFolder();
    {
        ConvertWindow window(windowOptions(folder));
        auto *preset = child<QComboBox>(window, "preset");
        preset->setCurrentIndex(preset->findData(QStringLiteral("dvd-ntsc")));
        child<QRadioButton>(window, "sizeMode")->setChecked(true);
        child<QSpinBox>(window, "sizeMB")->setValue(700);
        window.show();
        window.close();
    }
    ConvertWindow again;
    EXPECT_EQ(child<QComboBox>(again, "preset")->currentData().toString(), QStringLiteral("dvd-ntsc"));
    EXPECT_TRUE(child<QRadioButton>(again, "sizeMode")->isChecked());
    EXPECT_EQ(child<QSpinBox>(again, "sizeMB")->value(), 700);
    EXPECT_EQ(child<QLineEdit>(again, "destination")->text(), folder);
    EXPECT_TRUE(child<QLabel>(again, "freeSpace")->text().startsWith(QStringLiteral("Free space: ")));
}
