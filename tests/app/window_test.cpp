// The window on the offscreen platform: clips in, a conversion started, the
// progress bars at their end, the controls afterwards, and the questions it
// asks on the way.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"

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

#include <cerrno>
#include <csignal>

using namespace convert;
using convert::test::Clip;
using convert::test::makeClip;
using convert::test::outFolder;
using convert::test::sharedClip;

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
    const QString clip = reel::test::scratchDir() + QStringLiteral("/Summer_Trip.mkv");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), clip));
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    alerts.willPress(reel::AlertButton::Alternate); // "Show Folder"

    ConvertWindow window(windowOptions(folder));
    QStringList revealed;
    window.setFolderRevealer([&revealed](const QString &path) { revealed << path; });
    window.show();
    // Size mode, so that the spin box enabled at the end is not the default one.
    child<QRadioButton>(window, "sizeMode")->setChecked(true);
    child<QSpinBox>(window, "sizeMB")->setValue(1);
    window.addSources({clip});
    waitUntilRead(window);
    ASSERT_EQ(window.sourceList()->topLevelItemCount(), 1);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Title), QStringLiteral("Summer Trip"));
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Duration),
              QStringLiteral("0h00'03\" (0:00:03.02)"));
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Tracks), QStringLiteral("video, audio #1"));

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
    EXPECT_TRUE(window.sourceList()->status(0).startsWith(QStringLiteral("done"))) << window.sourceList()->status(0).toStdString();
    EXPECT_TRUE(reel::testPresenceC(folder + QStringLiteral("/Summer Trip.mp4")));

    ASSERT_EQ(alerts.count(), 1);
    const reel::AlertRequest finished = alerts.last();
    EXPECT_EQ(finished.kind, reel::AlertRequest::Kind::Timed);
    EXPECT_EQ(finished.title, QStringLiteral("Conversion finished"));
    EXPECT_EQ(finished.message, QStringLiteral("1 of 1 videos converted into %1.").arg(folder));
    EXPECT_EQ(finished.shownButtons(), (QStringList{QStringLiteral("Close"), QStringLiteral("Show Folder")}));
    EXPECT_EQ(revealed, QStringList{folder});

    // A row done is not converted again.
    convertButton->click();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 2);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Nothing left to convert"));
    EXPECT_EQ(convert::test::namesIn(folder), QStringList{QStringLiteral("Summer Trip.mp4")});
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
        {"Keep Both", std::nullopt,
         {QStringLiteral("ntsc 2.mpg"), QStringLiteral("ntsc.mpg"), QStringLiteral("silent 2.mpg"),
          QStringLiteral("silent.mpg")},
         true, "done"},
        {"Replace All", reel::AlertButton::Alternate, {QStringLiteral("ntsc.mpg"), QStringLiteral("silent.mpg")}, false,
         "done"},
        {"Skip", reel::AlertButton::Other, {QStringLiteral("ntsc.mpg"), QStringLiteral("silent.mpg")}, true,
         "kept existing output"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const QString oldSilent = reel::test::writeFile(folder + QStringLiteral("/silent.mpg"), "precious");
        const QString oldNtsc = reel::test::writeFile(folder + QStringLiteral("/ntsc.mpg"), "precious");
        reel::RecordingPresenter alerts;
        reel::ScopedAlertPresenter use(&alerts);
        if (c.press)
            alerts.willPress(*c.press);

        // The DVD encoder is the quicker one.
        Options options = windowOptions(folder, {first, second});
        options.presetId = QStringLiteral("dvd-pal");
        options.presetGiven = true;
        ConvertWindow window(options);
        window.setFolderRevealer([](const QString &) {});
        waitUntilRead(window);
        QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
        window.startConversion();
        ASSERT_GE(alerts.count(), 1);
        const reel::AlertRequest question = alerts.alerts().first();
        EXPECT_EQ(question.title, QStringLiteral("2 outputs already exist"));
        EXPECT_EQ(question.shownButtons(),
                  (QStringList{QStringLiteral("Keep Both"), QStringLiteral("Replace All"), QStringLiteral("Skip")}));
        EXPECT_TRUE(question.message.contains(QStringLiteral("silent.mpg\nntsc.mpg"))) << question.message.toStdString();
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
    const QString bundle = reel::test::makeBundle(QStringLiteral("Failing"), {}, false);
    const QString tools = bundle + QStringLiteral("/Contents/Resources/tools");
    QDir().mkpath(tools);
    ASSERT_TRUE(QFile::link(QDir(reel::test::testBundlePath() + QStringLiteral("/Contents/Resources/tools"))
                                .filePath(QStringLiteral("ffprobe")),
                            tools + QStringLiteral("/ffprobe")));
    const QString fake = reel::test::writeFile(
        tools + QStringLiteral("/ffmpeg"),
        "#!/bin/sh\necho '[libx264 @ 0x55d0] broken encoder' >&2\necho 'Conversion failed!' >&2\nexit 1\n");
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle failing(bundle);
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    ConvertWindow window(windowOptions(outFolder(), {clip}));
    waitUntilRead(window);
    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_NE(window.batch(), nullptr);
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_TRUE(window.sourceList()->status(0).contains(QStringLiteral("libx264: broken encoder")))
        << window.sourceList()->status(0).toStdString();
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Conversion finished with errors"));
    EXPECT_TRUE(alerts.last().critical);
    // Untimed: it waits for the user.
    EXPECT_EQ(alerts.last().kind, reel::AlertRequest::Kind::Modal);
    EXPECT_TRUE(alerts.last().message.contains(QStringLiteral("libx264: broken encoder")));
    expectSettingsUsable(window);
}

TEST(Window, ASizeTooSmallIsRefusedWithTheReason)
{
    SampleClip settings = test::grainyClip();
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
    waitUntilRead(window);
    EXPECT_EQ(window.sourceList()->topLevelItem(0)->text(SourceList::Output), QStringLiteral("refused"));
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().contains(QStringLiteral("too small")));
    // A DVD has no quality mode to offer.
    EXPECT_FALSE(child<QRadioButton>(window, "qualityMode")->isEnabled());

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
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle bare(reel::test::makeBundle(QStringLiteral("Bare"), {}, false));
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);

    ConvertWindow window(windowOptions(outFolder(), {clip}));
    waitUntilRead(window);
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().startsWith(QStringLiteral("missing tools: ffmpeg, ffprobe")));
    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("unreadable"));
    EXPECT_TRUE(window.sourceList()->sources().first().error.startsWith(QStringLiteral("missing tool: ffprobe")));
    window.startConversion();
    EXPECT_EQ(window.batch(), nullptr);
    ASSERT_EQ(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Cannot convert"));
    EXPECT_TRUE(alerts.last().message.contains(QStringLiteral("missing tools: ffmpeg, ffprobe")));
}

TEST(Window, CancelStopsTheBatchAndTheControlsComeBack)
{
    const QString clip = sharedClip(Clip::Long);
    const QString folder = outFolder();
    Options options = windowOptions(folder, {clip});
    options.presetId = QStringLiteral("dvd-pal");
    options.presetGiven = true;
    ConvertWindow window(options);
    waitUntilRead(window);

    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_NE(window.batch(), nullptr);
    ConversionJob *job = window.batch()->job(0);
    ASSERT_TRUE(QTest::qWaitFor([job] {
        return !job->temporaryPath().isEmpty() && reel::poidsFile(job->temporaryPath(), QStringLiteral("O")) > 0;
    }, kWaitMs));
    EXPECT_FALSE(child<QSpinBox>(window, "bitrate")->isEnabled());
    child<QPushButton>(window, "cancel")->click();
    ASSERT_TRUE(ended.wait(kWaitMs));

    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("cancelled"));
    EXPECT_EQ(convert::test::namesIn(folder), QStringList());
    EXPECT_EQ(child<QProgressBar>(window, "overallProgress")->value(), 0);
    EXPECT_TRUE(child<QRadioButton>(window, "bitrateMode")->isChecked());
    // A DVD preset offers no quality, whatever the box as a whole says.
    expectSettingsUsable(window, false);
}

// ffprobe runs away from the window's thread: a probe that hangs leaves the
// window answering, and Cancel ends it.
TEST(Window, ReadingDoesNotHoldTheWindowAndCancelEndsIt)
{
    const QString bundle = reel::test::makeBundle(QStringLiteral("Slow"), {}, true);
    const QString tools = bundle + QStringLiteral("/Contents/Resources/tools");
    const QString pidFile = reel::test::scratchDir() + QStringLiteral("/ffprobe.pid");
    QFile::remove(tools + QStringLiteral("/ffprobe"));
    const QString fake = reel::test::writeFile(
        tools + QStringLiteral("/ffprobe"), QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec sleep 60\n").arg(pidFile).toUtf8());
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle slow(bundle);

    ConvertWindow window(windowOptions(outFolder()));
    window.show();
    window.addSources({clip});
    EXPECT_TRUE(window.isReading());
    // The window goes on handling events while the probe hangs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pidFile) && window.sourceList()->topLevelItemCount() == 1; },
                                kWaitMs));
    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("reading…"));
    EXPECT_FALSE(child<QPushButton>(window, "convert")->isEnabled());
    EXPECT_TRUE(child<QLabel>(window, "plan")->text().startsWith(QStringLiteral("Reading 1 video")));

    child<QPushButton>(window, "cancel")->click();
    EXPECT_FALSE(window.isReading());
    EXPECT_EQ(window.sourceList()->status(0), QStringLiteral("not read"));
    const pid_t pid = reel::test::readFile(pidFile).trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(QTest::qWaitFor([pid] { return ::kill(pid, 0) == -1 && errno == ESRCH; }, 10000));
    expectSettingsUsable(window);
}

TEST(Window, ADroppedFolderIsSearchedForVideos)
{
    const QString root = reel::test::scratchDir() + QStringLiteral("/holiday");
    QDir().mkpath(root + QStringLiteral("/day 2"));
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), root + QStringLiteral("/beach.mp4")));
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Vertical), root + QStringLiteral("/day 2/boat.mp4")));
    reel::test::writeFile(root + QStringLiteral("/notes.txt"), "sunny");

    ConvertWindow window(windowOptions(outFolder()));
    window.show();
    SourceList *list = window.sourceList();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(root)});
    const QPoint middle = list->viewport()->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    ASSERT_TRUE(window.isReading());
    waitUntilRead(window);

    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(SourceList::Title), QStringLiteral("beach"));
    EXPECT_EQ(list->topLevelItem(1)->text(SourceList::Title), QStringLiteral("boat"));
    EXPECT_TRUE(list->sources().at(0).usable());
    EXPECT_TRUE(list->sources().at(1).usable());
}

TEST(Window, RemembersThePresetModeAndDestinationAndHasAMinimumSize)
{
    const QString folder = outFolder();
    {
        ConvertWindow window(windowOptions(folder));
        auto *preset = child<QComboBox>(window, "preset");
        preset->setCurrentIndex(preset->findData(QStringLiteral("mp4-hevc")));
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
    EXPECT_EQ(child<QComboBox>(again, "preset")->currentData().toString(), QStringLiteral("mp4-hevc"));
    EXPECT_TRUE(child<QRadioButton>(again, "sizeMode")->isChecked());
    EXPECT_EQ(child<QSpinBox>(again, "sizeMB")->value(), 700);
    EXPECT_EQ(child<QSpinBox>(again, "quality")->value(), 28);
    EXPECT_EQ(child<QLineEdit>(again, "destination")->text(), folder);
    EXPECT_TRUE(child<QLabel>(again, "freeSpace")->text().startsWith(QStringLiteral("Free space: ")));
}
