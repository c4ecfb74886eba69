// Camera cards in, a DVD out: clips named by their recording time, titles
// authored into VIDEO_TS with their subtitles, an ISO image, and the sets
// that do not fit refused before anything runs.
#include "avchdcard.h"
#include "bundles.h"
#include "clips.h"
#include "fuzzseeds.h"
#include "sandbox.h"
#include "tables.h"

#include <authoring.h>
#include <cards.h>
#include <disc.h>
#include <discovery.h>
#include <plan.h>
#include <source.h>
#include <subtitles.h>
#include <tools.h>
#include <window.h>

#include <reel/dialogs.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

using namespace convert;
using namespace Qt::StringLiterals;
using convert::test::Clip;
using convert::test::ffmpeg;
using convert::test::outFolder;
using convert::test::ProgramRun;
using convert::test::runProgram;
using convert::test::sharedClip;
using reel::test::CameraTime;

namespace {

constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

// Two seconds of a camera's transport stream (192-byte packets, H.264 and
// AC-3) whose picture carries the recording time as cameras write it.
QByteArray cameraStream(const CameraTime &time)
{
    const QString folder = outFolder(u"camera"_s);
    const QString h264 = folder + u"/picture.h264"_s;
    ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc2=size=320x240:rate=25:duration=2"_s, u"-c:v"_s, u"libx264"_s,
            u"-preset"_s, u"ultrafast"_s, u"-bsf:v"_s, u"h264_metadata=aud=insert"_s, u"-f"_s, u"h264"_s, h264});
    QByteArray picture = reel::test::readFile(h264);
    // The camera's SEI right after the first access unit delimiter.
    const qsizetype aud = picture.indexOf(QByteArray("\x00\x00\x00\x01\x09", 5));
    EXPECT_GE(aud, 0);
    picture.insert(aud + 6, reel::test::mdpmSeiBytes(time));
    reel::test::writeFile(h264, picture);
    const QString mts = folder + u"/clip.MTS"_s;
    ffmpeg({u"-r"_s, u"25"_s, u"-f"_s, u"h264"_s, u"-i"_s, h264, u"-f"_s, u"lavfi"_s, u"-i"_s,
            u"sine=duration=2:sample_rate=48000"_s, u"-c:v"_s, u"copy"_s, u"-c:a"_s, u"ac3"_s, u"-shortest"_s, u"-f"_s,
            u"mpegts"_s, u"-mpegts_m2ts_mode"_s, u"1"_s, mts});
    const QByteArray bytes = reel::test::readFile(mts);
    QDir(folder).removeRecursively();
    return bytes;
}

// A DVD program stream as the converter makes them: 720x576 MPEG-2, AC-3.
QString dvdStream(const QString &path, int seconds)
{
    ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc2=size=720x576:rate=25:duration=%1"_s.arg(seconds), u"-f"_s,
            u"lavfi"_s, u"-i"_s, u"sine=duration=%1:sample_rate=48000"_s.arg(seconds),
            u"-c:v"_s, u"mpeg2video"_s, u"-b:v"_s, u"3000k"_s, u"-c:a"_s, u"ac3"_s, u"-aspect"_s, u"4:3"_s,
            u"-f"_s, u"dvd"_s, path});
    return path;
}

// A film of that length as ffprobe describes it, with sound.
SourceInfo film(float seconds)
{
    return convert::test::sourceWith({convert::test::stream(0, "video", "h264"), convert::test::stream(1, "audio", "aac")},
                                     seconds);
}

QStringList hiddenLeftovers(const QString &folder)
{
    return QDir(folder).entryList({u".*"_s}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(CameraCards, ClipsAreFoundAndNamedByTheirRecordingTime)
{
    const QByteArray timed = cameraStream(CameraTime{2009, 5, 2, 12, 34, 56});
    const QString s = reel::test::scratchDir();
    const struct {
        const char *layout;  // where BDMV lies below the card's root
        bool playlist;
        const char *title;   // of clip 00001
        const char *output;  // its MP4's name
    } cases[] = {
        {"/PRIVATE/AVCHD", true, "2009-05-02 12:34:56-00001", "2009-05-02 12;34;56-00001.mp4"},
        {"", true, "2009-05-02 12:34:56-00001", "2009-05-02 12;34;56-00001.mp4"},
        // Without its playlist the card says nothing: the file's creation
        // date (which no test can set), as "clip-<date>-00001".
        {"/PRIVATE/AVCHD", false, nullptr, nullptr},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.layout) + (c.playlist ? " with playlist" : " without playlist"));
        const QString card = s + u"/card%1"_s.arg(++n);
        const QString bdmv = card + QString::fromUtf8(c.layout) + u"/BDMV"_s;
        const QString first = reel::test::writeFile(bdmv + u"/STREAM/00001.MTS"_s, timed);
        const QString second = reel::test::writeFile(bdmv + u"/STREAM/00002.MTS"_s, timed);
        reel::test::writeFile(bdmv + u"/CLIPINF/00001.CPI"_s, "HDMV0100");
        reel::test::writeFile(card + u"/DCIM/100MEDIA/notes.txt"_s, "not a video");
        if (c.playlist)
            reel::test::writeFile(bdmv + u"/PLAYLIST/00000.MPL"_s, reel::test::mplsBytes({u"00001"_s, u"00002"_s}));

        EXPECT_EQ(discoverSources({card}), (QStringList{first, second}));
        const SourceInfo source = probeSource(first);
        ASSERT_TRUE(source.usable()) << source.error.toStdString();
        const Preset mp4 = *presetById(u"mp4"_s);
        const QString output = outputPathFor(source, mp4, s, {});
        if (c.title) {
            EXPECT_EQ(source.title, QString::fromUtf8(c.title));
            EXPECT_EQ(output, s + u'/' + QString::fromUtf8(c.output));
        } else {
            static const QRegularExpression dated(u"^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-00001$"_s);
            EXPECT_TRUE(dated.match(source.title).hasMatch()) << source.title.toStdString();
            EXPECT_EQ(output, s + u'/' + source.title + u".mp4"_s);
        }
    }
}

TEST(CameraCards, ADamagedCardGivesTheClipsItStillHas)
{
    const QString card = reel::test::scratchDir() + u"/card"_s;
    const QString bdmv = card + u"/PRIVATE/AVCHD/BDMV"_s;
    const QString stream = bdmv + u"/STREAM"_s;
    // A clip cut short by a pulled card, one never written, and what file
    // browsers and broken copies leave beside them.
    const QString garbled = reel::test::writeFile(stream + u"/00001.MTS"_s, QByteArray("\x47\x00\xff", 3).repeated(300));
    const QString empty = reel::test::writeFile(stream + u"/00002.MTS"_s, QByteArray());
    QDir(stream).mkpath(u"00003.MTS"_s);
    QFile::link(stream + u"/gone.MTS"_s, stream + u"/00004.MTS"_s);
    reel::test::writeFile(stream + u"/._00001.MTS"_s, "Mac OS X resource fork");
    reel::test::writeFile(bdmv + u"/PLAYLIST/00000.MPL"_s, "MPLS0200\x00\x00\x00");
    EXPECT_EQ(discoverSources({card}), (QStringList{garbled, empty}));
    for (const QString &clip : {garbled, empty}) {
        // Named by the file's date, read as no video.
        static const QRegularExpression dated(u"^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-0000[12]$"_s);
        const SourceInfo source = probeSource(clip);
        EXPECT_TRUE(dated.match(source.title).hasMatch()) << source.title.toStdString();
        EXPECT_FALSE(source.usable());
        EXPECT_FALSE(source.error.isEmpty());
    }
    // A STREAM that is a file makes no card.
    const QString fake = reel::test::scratchDir() + u"/fake"_s;
    reel::test::writeFile(fake + u"/BDMV/STREAM"_s, "not a folder");
    QStringList empties;
    EXPECT_EQ(discoverSources({fake}, &empties), QStringList());
    EXPECT_EQ(empties, QStringList{fake});
}

TEST(CameraCards, TitlesBecomeFileNamesThatLinuxAndCardsTake)
{
    const struct {
        QString title, name;
    } cases[] = {
        {u"2009-05-02 12:34:56-00001"_s, u"2009-05-02 12;34;56-00001"_s},
        {u"a/b\\c"_s, u"a-b-c"_s},
        {u"  tab\there\u0007 "_s, u"tabhere"_s},
        {u".hidden"_s, u"video.hidden"_s},
        {u"\u0001\u0002"_s, u"video"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileNameFromTitle(c.title), c.name) << c.title.toStdString();
    // Cut to the byte limit at a whole character, never inside one.
    const QString long4 = QString(100, QChar(0x00e9)) + u"\U0001F600"_s;
    const QString cut = fileNameFromTitle(long4 + long4, 200);
    EXPECT_LE(cut.toUtf8().size(), 200);
    EXPECT_EQ(cut, QString(100, QChar(0x00e9)));
}

TEST(Disc, ChapterMarksEveryFewMinutes)
{
    const struct {
        float duration;
        int minutes;
        QStringList marks;
    } cases[] = {
        {725, 5, {u"0"_s, u"0:05:00"_s, u"0:10:00"_s}},
        // Nothing in a title's last ten seconds.
        {605, 5, {u"0"_s, u"0:05:00"_s}},
        {3700, 30, {u"0"_s, u"0:30:00"_s, u"1:00:00"_s}},
        {725, 0, {u"0"_s}},
        {3, 5, {u"0"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chapterMarks(c.duration, c.minutes), c.marks) << c.duration << " " << c.minutes;
    // A DVD title has at most 99 chapters.
    EXPECT_EQ(chapterMarks(10 * 3600, 1).size(), 99);
}

TEST(Disc, ASetTooLargeIsRefusedWithTheSizeThatFits)
{
    const Preset pal = *presetById(u"dvd-pal"_s);
    // 2 295 104 sectors of 2048 bytes are 4482 MB; 2 % stay for the IFO
    // files, the file system and the subpictures.
    EXPECT_EQ(discCapacityMB(false), 4482);
    EXPECT_EQ(discRoomMB(false), 4393);
    EXPECT_EQ(discRoomMB(true), 7985);

    const Budget usual{Budget::Mode::Bitrate, 0, 5000, 0};
    // Two hours at 5000 kb/s: 4635 MB each with the DVD's packing and the
    // sound. The target that fits: (4393 x 8388.608 kbit - 14400 s x 192)
    // / 14400 s = 2367 kb/s, 2272 once the packing is paid.
    DiscBudget two = planDiscBudget({film(7200), film(7200)}, pal, usual, DiscSettings{});
    EXPECT_FALSE(two.ok);
    EXPECT_TRUE(two.problem.contains(QStringLiteral("need about 9.1 GB at 5000 kb/s: 4.8 GB more than a "
                                                    "single-layer DVD (4.7 GB) has for videos (4393 MB).")))
        << two.problem.toStdString();
    EXPECT_TRUE(two.problem.contains(u"A target size of 4393 MB fits them (2272 kb/s for each picture)"_s))
        << two.problem.toStdString();
    EXPECT_EQ(two.suggestedSizeMB, 4393);

    // The suggested size is taken, and shared as one bitrate.
    const DiscBudget shared = planDiscBudget({film(7200), film(7200)}, pal,
        Budget{Budget::Mode::TargetSize, two.suggestedSizeMB, 0, 0}, DiscSettings{});
    EXPECT_TRUE(shared.ok) << shared.problem.toStdString();
    EXPECT_EQ(shared.sharedKbps, 2272);
    EXPECT_EQ(shared.budget.mode, Budget::Mode::Bitrate);
    EXPECT_LE(shared.totalMB, 4393);

    // Ten hours do not fit even at 1000 kb/s: a dual-layer disc holds them.
    const DiscBudget ten = planDiscBudget({film(36000)}, pal, usual, DiscSettings{});
    EXPECT_FALSE(ten.ok);
    EXPECT_TRUE(ten.suggestDualLayer);
    EXPECT_EQ(ten.suggestedSizeMB, 0);
    EXPECT_TRUE(ten.problem.contains(u"a dual-layer disc does, with a target size of 7985 MB"_s))
        << ten.problem.toStdString();

    const struct {
        QList<SourceInfo> sources;
        QString preset;
        Budget budget;
        bool dual;
        QString says;
    } refused[] = {
        {{film(60)}, u"dvd-pal"_s, Budget{Budget::Mode::TargetSize, 5000, 0, 0},
         false, QStringLiteral("5000 MB is 607 MB more than a single-layer DVD (4.7 GB) has for videos (4393 MB); a "
                               "target size of 4393 MB fits")},
        {{film(20 * 3600)}, u"dvd-pal"_s, usual, true, u"leave some videos out"_s},
        {{film(60)}, u"mp4"_s, usual, false, u"a disc is made with a DVD preset"_s},
        {QList<SourceInfo>(100, film(60)), u"dvd-pal"_s, usual, false, u"at most 99 titles"_s},
    };
    for (const auto &c : refused) {
        const DiscBudget budget =
            planDiscBudget(c.sources, *presetById(c.preset), c.budget, DiscSettings{c.dual, 5, u"DVD"_s});
        EXPECT_FALSE(budget.ok);
        EXPECT_TRUE(budget.problem.contains(c.says)) << budget.problem.toStdString();
    }
}

// Files that give nothing are named, with why. (How a subtitle file's
// encoding is told is the text reader's; the disc run reads one in
// Windows-1251.)
TEST(Subtitles, UnusableFilesAreNamedWithWhy)
{
    const QString s = reel::test::scratchDir();
    const QString broken = reel::test::writeFile(s + u"/broken.srt"_s, QByteArray("\x00\xff\xfe\x00\x81", 5).repeated(50));
    const QString noCue = reel::test::writeFile(s + u"/notes.srt"_s, "Just some notes.\n");
    QDir(s).mkpath(u"folder.srt"_s);
    const struct {
        QString path, says;
    } unusable[] = {
        {broken, u"cannot be read"_s},
        {noCue, u"hold no cue"_s},
        {s + u"/none.srt"_s, u"no such file"_s},
        {s + u"/folder.srt"_s, u"not a regular file"_s},
    };
    for (const auto &c : unusable) {
        const QString error = readSubtitles(c.path).error;
        EXPECT_TRUE(error.contains(c.path) && error.contains(c.says)) << error.toStdString();
    }
}

TEST(Subtitles, EachVideoGetsItsOwnFileOrNone)
{
    const QString s = reel::test::scratchDir();
    const QByteArray good = "1\n00:00:01,000 --> 00:00:02,000\nHi\n";
    reel::test::writeFile(s + u"/a.srt"_s, good);
    reel::test::writeFile(s + u"/b.SRT"_s, QByteArray(100, '\0'));
    reel::test::writeFile(s + u"/given.srt"_s, good);
    const QString a = s + u"/a.mkv"_s, b = s + u"/b.mkv"_s, c = s + u"/c.mkv"_s;
    const struct {
        const char *name;
        QStringList given;
        QStringList subtitled;  // videos that get subtitles
        QStringList problems;   // a word of each problem, in order
    } cases[] = {
        {"the files beside the videos; a broken one left out", {}, {a}, {u"b.SRT"_s}},
        {"given files in order, before those beside",
         {s + u"/given.srt"_s, s + u"/missing.srt"_s}, {a}, {u"missing.srt"_s}},
        {"a given file too many", {s + u"/given.srt"_s, s + u"/a.srt"_s, s + u"/given.srt"_s, s + u"/given.srt"_s},
         {a, b, c}, {u"no video of their own"_s}},
    };
    for (const auto &tc : cases) {
        QStringList problems;
        const QHash<QString, SubtitleTrack> found = subtitlesFor({a, b, c}, tc.given, &problems);
        QStringList subtitled = found.keys();
        subtitled.sort();
        EXPECT_EQ(subtitled, tc.subtitled) << tc.name;
        ASSERT_EQ(problems.size(), tc.problems.size()) << tc.name << ": " << problems.join(u'|').toStdString();
        for (qsizetype i = 0; i < problems.size(); ++i)
            EXPECT_TRUE(problems.at(i).contains(tc.problems.at(i))) << tc.name << ": " << problems.at(i).toStdString();
    }
}

TEST(Disc, TwoClipsBecomeADiscWithSubtitlesAndAnImage)
{
    const QString s = reel::test::scratchDir();
    const QString first = s + u"/First.mkv"_s;
    const QString second = s + u"/Second.mp4"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), first));
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), second));
    // Russian subtitles written on Windows, beside the first video.
    const QString utf8 = reel::test::writeFile(s + u"/utf8.srt"_s,
        QStringLiteral("1\r\n00:00:00,300 --> 00:00:01,400\r\nПривет, мир!\r\n\r\n2\r\n00:00:01,500 --> 00:00:02,600\r\n"
                       "<i>Вторая</i> строка субтитров\r\n\r\n3\r\n00:00:09,000 --> 00:00:10,000\r\nПосле конца\r\n")
            .toUtf8());
    ASSERT_EQ(runProgram(u"iconv"_s, {u"-f"_s, u"UTF-8"_s, u"-t"_s, u"WINDOWS-1251"_s, u"-o"_s,
                                                  s + u"/First.srt"_s, utf8})
                  .exitCode,
              0);
    const QString folder = outFolder();
    const ProgramRun run = runProgram(QStringLiteral(REELKIT_CONVERT_EXE), {u"-p"_s, u"dvd-pal"_s, u"--disc"_s,
                                       u"-b"_s, u"2000"_s, u"-o"_s, folder, first, second},
                                      s);
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString() << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u"subtitles of First: %1/First.srt (3 cues, Cyrillic (Windows))"_s.arg(s)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u"[disc] Authoring the DVD"_s)) << run.out.toStdString();

    const QString videoTs = folder + u"/DVD/VIDEO_TS"_s;
    for (const char *name : {"VIDEO_TS.IFO", "VIDEO_TS.BUP", "VTS_01_0.IFO", "VTS_02_0.IFO"})
        EXPECT_TRUE(reel::testPresenceC(videoTs + u'/' + QString::fromUtf8(name))) << name;
    // The titles play as long as their sources.
    for (const QString &vob : {u"/VTS_01_1.VOB"_s, u"/VTS_02_1.VOB"_s})
        EXPECT_NEAR(convert::test::probe(videoTs + vob, u"format=duration"_s).toDouble(), 3.0, 0.2) << vob.toStdString();
    // The subtitles rendered as a subpicture stream of the first title only.
    EXPECT_TRUE(convert::test::probe(videoTs + u"/VTS_01_1.VOB"_s, u"stream=codec_type"_s).contains(u"subtitle"_s));
    EXPECT_FALSE(convert::test::probe(videoTs + u"/VTS_02_1.VOB"_s, u"stream=codec_type"_s).contains(u"subtitle"_s));
    // The image comes when a tool for it is there, bundled or installed.
    bool imageTool = false;
    for (const QString &tool : {u"genisoimage"_s, u"xorriso"_s})
        imageTool = imageTool || QFile::exists(toolPath(tool)) || !QStandardPaths::findExecutable(tool).isEmpty();
    const QString iso = folder + u"/DVD.iso"_s;
    EXPECT_EQ(reel::testPresenceC(iso), imageTool);
    if (imageTool)
        EXPECT_GT(reel::poidsFile(iso, u"O"_s), reel::poidsFile(videoTs + u"/VTS_01_1.VOB"_s, u"O"_s));
    EXPECT_EQ(hiddenLeftovers(folder), QStringList());
    EXPECT_EQ(hiddenLeftovers(folder + u"/DVD"_s), QStringList());
    EXPECT_EQ(convert::test::namesIn(folder + u"/DVD"_s), (QStringList{u"AUDIO_TS"_s, u"VIDEO_TS"_s}));
}

// What is left when the disc is cancelled, or its image tool fails after
// writing part of the image.
TEST(Disc, CancelDuringAuthoringLeavesNoDiscFolder)
{
    const QString folder = outFolder();
    DiscJob job;
    job.preset = *presetById(u"dvd-pal"_s);
    job.destination = folder;
    for (const QString &name : {u"one"_s, u"two"_s}) {
        DiscTitle title;
        title.mpeg = dvdStream(folder + u'/' + name + u".mpg"_s, 2);
        title.title = name;
        title.duration = 2;
        title.aspect = u"4:3"_s;
        job.titles << title;
    }
    const QString failingImage = convert::test::bundleWithTool(
        u"genisoimage"_s, "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\necho partial > \"$2\"\nexit 1\n");
    const struct {
        const char *name;
        bool cancel;
        DiscAuthoring::State state;
        QStringList names; // in the folder afterwards
    } cases[] = {
        {"cancelled while authoring", true, DiscAuthoring::State::Cancelled, {u"one.mpg"_s, u"two.mpg"_s}},
        {"an image tool that fails", false, DiscAuthoring::State::Finished, {u"DVD"_s, u"one.mpg"_s, u"two.mpg"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        std::optional<reel::test::ScopedBundle> failing;
        if (!c.cancel)
            failing.emplace(failingImage);
        DiscAuthoring disc(job);
        QObject::connect(&disc, &DiscAuthoring::stepChanged, &disc, [&](const QString &step) {
            if (c.cancel && step == "Authoring the DVD"_L1)
                QTimer::singleShot(0, &disc, [&disc] { disc.cancel(); });
        });
        QSignalSpy finished(&disc, &DiscAuthoring::finished);
        disc.start();
        ASSERT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
        EXPECT_EQ(disc.state(), c.state) << disc.error().toStdString();
        EXPECT_EQ(convert::test::namesIn(folder), c.names);
        EXPECT_EQ(disc.remarks().join(u'|').contains(u"the ISO image could not be made"_s), !c.cancel)
            << disc.remarks().join(u'|').toStdString();
    });
}

TEST(Disc, TheWindowMakesADiscWhenAsked)
{
    const QString clip = reel::test::scratchDir() + u"/Holiday.mp4"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), clip));
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    // Closing while the disc is made: "Keep Going"; then "Show Folder".
    alerts.willAnswer(reel::AlertAnswer{});
    alerts.willPress(reel::AlertButton::Alternate);
    Options options;
    options.mode = Options::Mode::Window;
    options.outputDir = folder;
    ConvertWindow window(options);
    QStringList revealed;
    window.setFolderRevealer([&revealed](const QString &path) { revealed << path; });
    window.show();
    auto *disc = window.findChild<QCheckBox *>(u"disc"_s);
    auto *preset = window.findChild<QComboBox *>(u"preset"_s);
    ASSERT_TRUE(disc && preset);
    // A disc is made of DVD titles only.
    preset->setCurrentIndex(preset->findData(u"mp4"_s));
    EXPECT_FALSE(disc->isEnabled());
    preset->setCurrentIndex(preset->findData(u"dvd-pal"_s));
    EXPECT_TRUE(disc->isEnabled());
    disc->setChecked(true);

    QSignalSpy read(&window, &ConvertWindow::sourcesRead);
    window.addSources({clip});
    ASSERT_TRUE(read.wait(kWaitMs));
    // One overall bar for the conversion and the disc after it.
    auto *overall = window.findChild<QProgressBar *>(u"overallProgress"_s);
    ASSERT_TRUE(overall);
    QList<int> seen;
    QObject::connect(overall, &QProgressBar::valueChanged, [&seen](int value) { seen << value; });
    // The disc's first step starts its own bar again.
    bool asked = false;
    bool closed = true;
    QObject::connect(window.findChild<QProgressBar *>(u"jobProgress"_s), &QProgressBar::valueChanged,
                     &window, [&](int value) {
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
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(alerts.count(), 2);
    EXPECT_EQ(alerts.alerts().first().title, u"Stop making the disc?"_s);
    EXPECT_EQ(alerts.last().title, u"Disc made"_s) << alerts.last().message.toStdString();
    EXPECT_EQ(revealed, QStringList{folder});
    EXPECT_TRUE(reel::testPresenceC(folder + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s));
    EXPECT_TRUE(reel::testPresenceC(folder + u"/Holiday.mpg"_s));
}

TEST(Subtitles, FilesFromTheWildGiveTheirCues)
{
    const auto cue = [](qint64 start, qint64 end, const QString &text) { return Cue{start, end, text}; };
    const struct {
        const char *name;
        QString text;
        QList<Cue> cues;
        int skipped;
    } cases[] = {
        {"byte-order mark and CR LF",
         u"\uFEFF1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n\r\n"_s, {cue(1000, 2000, u"Hello"_s)}, 0},
        {"bare CR line ends", u"1\r00:00:01,000 --> 00:00:02,000\rA\rB\r\r"_s, {cue(1000, 2000, u"A\nB"_s)}, 0},
        {"styling taken off",
         u"1\n00:00:01,000 --> 00:00:02,000\n<i>It</i> is <font color=\"#ff0\">red</font> {\\an8}&amp; up\n"_s,
         {cue(1000, 2000, u"It is red &amp; up"_s)}, 0},
        {"no numbers, no blank lines, dots and short fractions",
         QStringLiteral("00:00:01.5 --> 00:00:02.25\nfirst\n00:00:03,000 --> 00:00:04,000 X1:10 X2:20\nsecond\n7\n"
                        "00:00:05,000 --> 00:00:06,000\nthird"),
         {cue(1500, 2250, u"first"_s), cue(3000, 4000, u"second"_s), cue(5000, 6000, u"third"_s)}, 0},
        {"bad times and empty cues left out",
         QStringLiteral("1\n00:00:05,000 --> 00:00:04,000\nbackwards\n\n2\n00:61:00,000 --> 00:62:00,000\nno such minute\n\n"
                        "3\n00:00:07,000 --> 00:00:08,000\n\n4\n00:00:09,000 --> 00:00:10,000\n<b></b>\n\n"),
         {}, 4},
        {"a timing line written inside a text", u"1\n00:00:01,000 --> 00:00:02,000\n<i>00:00:03,000 --> x</i>\n"_s,
         {cue(1000, 2000, u"00:00:03,000 -> x"_s)}, 0},
        {"a long arrow in a text", u"1\n00:00:01,000 --> 00:00:02,000\nwait ------> here\n"_s,
         {cue(1000, 2000, u"wait -> here"_s)}, 0},
        {"an index too large for any counter",
         u"99999999999999999999\n00:00:01,000 --> 00:00:02,000\nA\n\n"_s, {cue(1000, 2000, u"A"_s)}, 0},
        {"a huge index with no blank line before it",
         u"00:00:01,000 --> 00:00:02,000\nA\n99999999999999999999\n00:00:03,000 --> 00:00:04,000\nB\n"_s,
         {cue(1000, 2000, u"A"_s), cue(3000, 4000, u"B"_s)}, 0},
        {"hours past any video", u"1\n123456789:00:00,000 --> 123456789:00:01,000\nfar\n"_s, {}, 1},
        {"the last time a file can hold, and a millisecond past it",
         u"1\n277:46:39,000 --> 277:46:39,999\nlast\n\n2\n277:46:39,000 --> 277:46:40,000\npast\n"_s,
         {cue(999999000, 999999999, u"last"_s)}, 1},
        {"NUL and bell bytes in a text", u"1\n00:00:01,000 --> 00:00:02,000\nA\0B\aC\n"_s,
         {cue(1000, 2000, u"ABC"_s)}, 0},
        {"more lines than a subpicture holds", u"1\n00:00:01,000 --> 00:00:02,000\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"_s,
         {cue(1000, 2000, u"1\n2\n3\n4\n5\n6\n7\n8"_s)}, 0},
        {"a line longer than a subpicture holds", u"1\n00:00:01,000 --> 00:00:02,000\n"_s + QString(600, u'x'),
         {cue(1000, 2000, QString(500, u'x'))}, 0},
    };
    for (const auto &c : cases) {
        reel::test::saveFuzzSeed("srt", QString::fromUtf8(c.name).replace(u' ', u'-') + u".srt"_s, c.text.toUtf8());
        const SrtRead read = parseSrt(c.text);
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
        ASSERT_EQ(read.cues.size(), c.cues.size()) << c.name;
        for (qsizetype i = 0; i < c.cues.size(); ++i) {
            EXPECT_EQ(read.cues.at(i).startMs, c.cues.at(i).startMs) << c.name;
            EXPECT_EQ(read.cues.at(i).endMs, c.cues.at(i).endMs) << c.name;
            EXPECT_EQ(read.cues.at(i).text, c.cues.at(i).text) << c.name;
        }
    }

    // A file of endless cues costs no more than the limit.
    QString many;
    for (int i = 0; i <= kMaxCues; ++i)
        many += u"%1 --> %2\nx\n\n"_s.arg(srtTime(i * 1000), srtTime(i * 1000 + 500));
    const SrtRead capped = parseSrt(many);
    EXPECT_EQ(capped.cues.size(), kMaxCues);
    EXPECT_EQ(capped.skipped, 1);

    // On a disc of a 10-second video: in order, one at a time, none past
    // its end; two speakers at once share one subpicture.
    const QList<Cue> shown = cuesForDisc({cue(4000, 6000, u"later"_s), cue(1000, 5000, u"long"_s),
                                          cue(1100, 2000, u"- Hi!"_s), cue(9000, 12000, u"end"_s),
                                          cue(10000, 11000, u"after"_s)},
                                         10000);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown.at(0).text, u"long\n- Hi!"_s);
    EXPECT_EQ(shown.at(0).endMs, 4000);
    EXPECT_EQ(shown.at(1).text, u"later"_s);
    EXPECT_EQ(shown.at(2).endMs, 10000);
    EXPECT_EQ(writeSrt(shown.mid(2)), u"1\n00:00:09,000 --> 00:00:10,000\nend\n\n"_s);
}

TEST(Subtitles, FilesFoundByFuzzingStayHarmless)
{
    // Inputs that once made a reader crash or hang; every reader takes them.
    const QDir dir(reel::test::testDataPath() + u"/fuzz"_s);
    for (const QString &name : dir.entryList(QDir::Files)) {
        const SrtRead read = parseSrt(QString::fromUtf8(reel::test::readFile(dir.filePath(name))));
        for (const Cue &cue : cuesForDisc(read.cues, 10000))
            EXPECT_LT(cue.startMs, cue.endMs) << name.toStdString();
    }
}

TEST(Normalize, QuietSoundComesOutEven)
{
    // A whisper: a sine at a twentieth of full scale.
    const QString quiet = reel::test::scratchDir() + u"/quiet.mkv"_s;
    ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc2=size=160x120:rate=25:duration=3"_s, u"-f"_s, u"lavfi"_s,
            u"-i"_s, u"sine=frequency=440:sample_rate=48000:duration=3"_s, u"-af"_s,
            u"volume=0.05"_s, u"-c:v"_s, u"mpeg4"_s, u"-c:a"_s, u"pcm_s16le"_s, quiet});
    const auto meanVolume = [](const QString &path) {
        const ProgramRun run = runProgram(toolPath(u"ffmpeg"_s), {u"-nostdin"_s, u"-i"_s, path, u"-vn"_s,
                                           u"-af"_s, u"volumedetect"_s, u"-f"_s, u"null"_s, u"-"_s});
        static const QRegularExpression mean(u"mean_volume: (-?[0-9.]+) dB"_s);
        return mean.match(run.err).captured(1).toDouble();
    };
    // An output of that name is replaced, as -y asks.
    const QString folder = outFolder();
    reel::test::writeFile(folder + u"/quiet.mp4"_s, "precious");
    const ProgramRun run = convert::test::convertWith({u"--normalize"_s, u"-y"_s, u"-o"_s, folder, quiet});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
    // ffmpeg's sine peaks at an eighth of full scale: with the whisper, its
    // mean lies at -18 - 26 - 3 = -47 dBFS. normalize brings the sound to
    // its -12 dBFS.
    EXPECT_NEAR(meanVolume(quiet), -47.0, 1.0);
    EXPECT_NEAR(meanVolume(folder + u"/quiet.mp4"_s), -12.0, 1.5);
    EXPECT_EQ(convert::test::namesIn(folder), QStringList{u"quiet.mp4"_s});
}
