// Camera cards in, a DVD out: clips named by their recording time, titles
// authored into VIDEO_TS with their subtitles, an ISO image, and the sets
// that do not fit refused before anything runs.
#include "avchdcard.h"
#include "clips.h"
#include "fuzzseeds.h"
#include "sandbox.h"

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
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

using namespace convert;
using convert::test::Clip;
using convert::test::outFolder;
using convert::test::ProgramRun;
using convert::test::runProgram;
using convert::test::sharedClip;
using reel::test::CameraTime;

namespace {

constexpr int kWaitMs = 300000; // catches a hang; a loaded machine is slow

ProgramRun ffmpeg(const QStringList &words)
{
    const ProgramRun run = runProgram(toolPath(QStringLiteral("ffmpeg")),
                                     QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                                                 QStringLiteral("-loglevel"), QStringLiteral("error"),
                                                 QStringLiteral("-y")}
                                         + words);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run;
}

// Two seconds of a camera's transport stream (192-byte packets, H.264 and
// AC-3) whose picture carries the recording time as cameras write it.
QByteArray cameraStream(const CameraTime &time)
{
    const QString folder = outFolder(QStringLiteral("camera"));
    const QString h264 = folder + QStringLiteral("/picture.h264");
    ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=320x240:rate=25:duration=2"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
            QStringLiteral("-preset"), QStringLiteral("ultrafast"), QStringLiteral("-bsf:v"),
            QStringLiteral("h264_metadata=aud=insert"), QStringLiteral("-f"), QStringLiteral("h264"), h264});
    QByteArray picture = reel::test::readFile(h264);
    // The camera's SEI right after the first access unit delimiter.
    const qsizetype aud = picture.indexOf(QByteArray("\x00\x00\x00\x01\x09", 5));
    EXPECT_GE(aud, 0);
    picture.insert(aud + 6, reel::test::mdpmSeiBytes(time));
    reel::test::writeFile(h264, picture);
    const QString mts = folder + QStringLiteral("/clip.MTS");
    ffmpeg({QStringLiteral("-r"), QStringLiteral("25"), QStringLiteral("-f"), QStringLiteral("h264"), QStringLiteral("-i"),
            h264, QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=duration=2:sample_rate=48000"), QStringLiteral("-c:v"), QStringLiteral("copy"),
            QStringLiteral("-c:a"), QStringLiteral("ac3"), QStringLiteral("-shortest"), QStringLiteral("-f"),
            QStringLiteral("mpegts"), QStringLiteral("-mpegts_m2ts_mode"), QStringLiteral("1"), mts});
    const QByteArray bytes = reel::test::readFile(mts);
    QDir(folder).removeRecursively();
    return bytes;
}

double durationOf(const QString &path)
{
    return convert::test::probe(path, QStringLiteral("format=duration")).toDouble();
}

// A DVD program stream as the converter makes them: 720x576 MPEG-2, AC-3.
QString dvdStream(const QString &path, int seconds)
{
    ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=720x576:rate=25:duration=%1").arg(seconds), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=%1:sample_rate=48000").arg(seconds),
            QStringLiteral("-c:v"), QStringLiteral("mpeg2video"), QStringLiteral("-b:v"), QStringLiteral("3000k"),
            QStringLiteral("-c:a"), QStringLiteral("ac3"), QStringLiteral("-aspect"), QStringLiteral("4:3"),
            QStringLiteral("-f"), QStringLiteral("dvd"), path});
    return path;
}

SourceInfo usableSource(const QString &name, float duration)
{
    SourceInfo source;
    source.path = QStringLiteral("/videos/") + name;
    source.title = name;
    source.duration = duration;
    source.width = 720;
    source.height = 576;
    source.displayAspect = 4.0f / 3;
    StreamInfo video;
    video.index = 0;
    video.type = QStringLiteral("video");
    video.codec = QStringLiteral("h264");
    video.width = 720;
    video.height = 576;
    StreamInfo audio;
    audio.index = 1;
    audio.type = QStringLiteral("audio");
    audio.codec = QStringLiteral("aac");
    audio.channels = 2;
    source.streams = {video, audio};
    source.videoStream = 0;
    source.hasAudio = true;
    return source;
}

QStringList hiddenLeftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
        const QString card = s + QStringLiteral("/card%1").arg(++n);
        const QString bdmv = card + QString::fromUtf8(c.layout) + QStringLiteral("/BDMV");
        const QString first = reel::test::writeFile(bdmv + QStringLiteral("/STREAM/00001.MTS"), timed);
        const QString second = reel::test::writeFile(bdmv + QStringLiteral("/STREAM/00002.MTS"), timed);
        reel::test::writeFile(bdmv + QStringLiteral("/CLIPINF/00001.CPI"), "HDMV0100");
        reel::test::writeFile(card + QStringLiteral("/DCIM/100MEDIA/notes.txt"), "not a video");
        if (c.playlist)
            reel::test::writeFile(bdmv + QStringLiteral("/PLAYLIST/00000.MPL"),
                                  reel::test::mplsBytes({QStringLiteral("00001"), QStringLiteral("00002")}));

        EXPECT_EQ(discoverSources({card}), (QStringList{first, second}));
        const SourceInfo source = probeSource(first);
        ASSERT_TRUE(source.usable()) << source.error.toStdString();
        const Preset mp4 = *presetById(QStringLiteral("mp4"));
        const QString output = outputPathFor(source, mp4, s, {});
        if (c.title) {
            EXPECT_EQ(source.title, QString::fromUtf8(c.title));
            EXPECT_EQ(output, s + QLatin1Char('/') + QString::fromUtf8(c.output));
        } else {
            static const QRegularExpression dated(QStringLiteral("^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-00001$"));
            EXPECT_TRUE(dated.match(source.title).hasMatch()) << source.title.toStdString();
            EXPECT_EQ(output, s + QLatin1Char('/') + source.title + QStringLiteral(".mp4"));
        }
    }
}

TEST(CameraCards, ADamagedCardGivesTheClipsItStillHas)
{
    const QString card = reel::test::scratchDir() + QStringLiteral("/card");
    const QString bdmv = card + QStringLiteral("/PRIVATE/AVCHD/BDMV");
    const QString stream = bdmv + QStringLiteral("/STREAM");
    // A clip cut short by a pulled card, one never written, and what file
    // browsers and broken copies leave beside them.
    const QString garbled = reel::test::writeFile(stream + QStringLiteral("/00001.MTS"), QByteArray("\x47\x00\xff", 3).repeated(300));
    const QString empty = reel::test::writeFile(stream + QStringLiteral("/00002.MTS"), QByteArray());
    QDir(stream).mkpath(QStringLiteral("00003.MTS"));
    QFile::link(stream + QStringLiteral("/gone.MTS"), stream + QStringLiteral("/00004.MTS"));
    reel::test::writeFile(stream + QStringLiteral("/._00001.MTS"), "Mac OS X resource fork");
    reel::test::writeFile(bdmv + QStringLiteral("/PLAYLIST/00000.MPL"), "MPLS0200\x00\x00\x00");
    EXPECT_EQ(discoverSources({card}), (QStringList{garbled, empty}));
    for (const QString &clip : {garbled, empty}) {
        // Named by the file's date, read as no video.
        static const QRegularExpression dated(QStringLiteral("^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-0000[12]$"));
        const SourceInfo source = probeSource(clip);
        EXPECT_TRUE(dated.match(source.title).hasMatch()) << source.title.toStdString();
        EXPECT_FALSE(source.usable());
        EXPECT_FALSE(source.error.isEmpty());
    }
    // A STREAM that is a file makes no card.
    const QString fake = reel::test::scratchDir() + QStringLiteral("/fake");
    reel::test::writeFile(fake + QStringLiteral("/BDMV/STREAM"), "not a folder");
    QStringList empties;
    EXPECT_EQ(discoverSources({fake}, &empties), QStringList());
    EXPECT_EQ(empties, QStringList{fake});
}

TEST(CameraCards, TitlesBecomeFileNamesThatLinuxAndCardsTake)
{
    const struct {
        QString title, name;
    } cases[] = {
        {QStringLiteral("2009-05-02 12:34:56-00001"), QStringLiteral("2009-05-02 12;34;56-00001")},
        {QStringLiteral("a/b\\c"), QStringLiteral("a-b-c")},
        {QStringLiteral("  tab\there\u0007 "), QStringLiteral("tabhere")},
        {QStringLiteral(".hidden"), QStringLiteral("video.hidden")},
        {QStringLiteral("\u0001\u0002"), QStringLiteral("video")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fileNameFromTitle(c.title), c.name) << c.title.toStdString();
    // Cut to the byte limit at a whole character, never inside one.
    const QString long4 = QString(100, QChar(0x00e9)) + QStringLiteral("\U0001F600");
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
        {725, 5, {QStringLiteral("0"), QStringLiteral("0:05:00"), QStringLiteral("0:10:00")}},
        // Nothing in a title's last ten seconds.
        {605, 5, {QStringLiteral("0"), QStringLiteral("0:05:00")}},
        {3700, 30, {QStringLiteral("0"), QStringLiteral("0:30:00"), QStringLiteral("1:00:00")}},
        {725, 0, {QStringLiteral("0")}},
        {3, 5, {QStringLiteral("0")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chapterMarks(c.duration, c.minutes), c.marks) << c.duration << " " << c.minutes;
    // A DVD title has at most 99 chapters.
    EXPECT_EQ(chapterMarks(10 * 3600, 1).size(), 99);
}

TEST(Disc, ASetTooLargeIsRefusedWithTheSizeThatFits)
{
    const Preset pal = *presetById(QStringLiteral("dvd-pal"));
    // 2 295 104 sectors of 2048 bytes are 4482 MB; 2 % stay for the IFO
    // files, the file system and the subpictures.
    EXPECT_EQ(discCapacityMB(false), 4482);
    EXPECT_EQ(discRoomMB(false), 4393);
    EXPECT_EQ(discRoomMB(true), 7985);

    const Budget usual{Budget::Mode::Bitrate, 0, 5000, 0};
    // Two hours at 5000 kb/s: 4635 MB each with the DVD's packing and the
    // sound. The target that fits: (4393 x 8388.608 kbit - 14400 s x 192)
    // / 14400 s = 2367 kb/s, 2272 once the packing is paid.
    DiscBudget two = planDiscBudget({usableSource(QStringLiteral("a"), 7200), usableSource(QStringLiteral("b"), 7200)},
                                    pal, usual, DiscSettings{});
    EXPECT_FALSE(two.ok);
    EXPECT_TRUE(two.problem.contains(QStringLiteral("need about 9.1 GB at 5000 kb/s: 4.8 GB more than a "
                                                    "single-layer DVD (4.7 GB) has for videos (4393 MB).")))
        << two.problem.toStdString();
    EXPECT_TRUE(two.problem.contains(QStringLiteral("A target size of 4393 MB fits them (2272 kb/s for each picture)")))
        << two.problem.toStdString();
    EXPECT_EQ(two.suggestedSizeMB, 4393);

    // The suggested size is taken, and shared as one bitrate.
    const DiscBudget shared = planDiscBudget(
        {usableSource(QStringLiteral("a"), 7200), usableSource(QStringLiteral("b"), 7200)}, pal,
        Budget{Budget::Mode::TargetSize, two.suggestedSizeMB, 0, 0}, DiscSettings{});
    EXPECT_TRUE(shared.ok) << shared.problem.toStdString();
    EXPECT_EQ(shared.sharedKbps, 2272);
    EXPECT_EQ(shared.budget.mode, Budget::Mode::Bitrate);
    EXPECT_LE(shared.totalMB, 4393);

    // Ten hours do not fit even at 1000 kb/s: a dual-layer disc holds them.
    const DiscBudget ten = planDiscBudget({usableSource(QStringLiteral("a"), 36000)}, pal, usual, DiscSettings{});
    EXPECT_FALSE(ten.ok);
    EXPECT_TRUE(ten.suggestDualLayer);
    EXPECT_EQ(ten.suggestedSizeMB, 0);
    EXPECT_TRUE(ten.problem.contains(QStringLiteral("a dual-layer disc does, with a target size of 7985 MB")))
        << ten.problem.toStdString();

    const struct {
        QList<SourceInfo> sources;
        QString preset;
        Budget budget;
        bool dual;
        QString says;
    } refused[] = {
        {{usableSource(QStringLiteral("a"), 60)}, QStringLiteral("dvd-pal"), Budget{Budget::Mode::TargetSize, 5000, 0, 0},
         false, QStringLiteral("5000 MB is 607 MB more than a single-layer DVD (4.7 GB) has for videos (4393 MB); a "
                               "target size of 4393 MB fits")},
        {{usableSource(QStringLiteral("a"), 20 * 3600)}, QStringLiteral("dvd-pal"), usual, true,
         QStringLiteral("leave some videos out")},
        {{usableSource(QStringLiteral("a"), 60)}, QStringLiteral("mp4"), usual, false,
         QStringLiteral("a disc is made with a DVD preset")},
        {QList<SourceInfo>(100, usableSource(QStringLiteral("a"), 60)), QStringLiteral("dvd-pal"), usual, false,
         QStringLiteral("at most 99 titles")},
    };
    for (const auto &c : refused) {
        const DiscBudget budget =
            planDiscBudget(c.sources, *presetById(c.preset), c.budget, DiscSettings{c.dual, 5, QStringLiteral("DVD")});
        EXPECT_FALSE(budget.ok);
        EXPECT_TRUE(budget.problem.contains(c.says)) << budget.problem.toStdString();
    }
}

TEST(Disc, TheTerminalRefusesATooLargeSetBeforeConverting)
{
    const QString clip = sharedClip(Clip::Silent);
    const QString folder = outFolder();
    const ProgramRun run = runProgram(QStringLiteral(REELKIT_CONVERT_EXE),
                                      {QStringLiteral("-p"), QStringLiteral("dvd-pal"), QStringLiteral("--disc"),
                                       QStringLiteral("-s"), QStringLiteral("5000"), QStringLiteral("-o"), folder, clip},
                                      reel::test::scratchDir());
    EXPECT_EQ(run.exitCode, kExitUsage) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("a target size of 4393 MB fits\nGive --size 4393 or --dual-layer.\n")))
        << run.err.toStdString();
    EXPECT_EQ(convert::test::namesIn(folder), QStringList());
}

TEST(Subtitles, EveryEncodingReadsRight)
{
    const QString s = reel::test::scratchDir();
    const struct {
        const char *iconvName; // the independent encoder
        QString text;
    } cases[] = {
        {"WINDOWS-1251", QStringLiteral("Привет, мир! Это проверка субтитров.\nВторая строка с буквами ёжик.")},
        {"WINDOWS-1252", QStringLiteral("Café déjà vu, naïve façade.\nÇa coûte 5 € à Noël.")},
        {"SHIFT_JIS", QStringLiteral("こんにちは、世界。字幕のテストです。\n二行目もあります。")},
        {"UTF-8", QStringLiteral("Grüße aus Köln – 東京 – Москва")},
        // Notepad's "Unicode": UTF-16 with a byte-order mark.
        {"UTF-16", QStringLiteral("Grüße aus Köln – 東京 – Москва")},
    };
    for (const auto &c : cases) {
        const QString utf8 = reel::test::writeFile(s + QStringLiteral("/in.srt"),
                                                   "1\n00:00:01,000 --> 00:00:02,500\n" + c.text.toUtf8() + "\n\n");
        const QString path = s + QStringLiteral("/%1.srt").arg(QString::fromUtf8(c.iconvName));
        const ProgramRun iconv = runProgram(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                                                      QStringLiteral("-t"), QString::fromUtf8(c.iconvName),
                                                                      QStringLiteral("-o"), path, utf8});
        ASSERT_EQ(iconv.exitCode, 0) << iconv.err.toStdString();
        const SubtitleTrack track = readSubtitles(path);
        ASSERT_TRUE(track.usable()) << track.error.toStdString();
        ASSERT_EQ(track.cues.size(), 1) << c.iconvName;
        EXPECT_EQ(track.cues.first().text, c.text) << c.iconvName << " read as " << track.encodingName.toStdString();
    }

    // Files that give nothing are named, with why.
    const QString broken = reel::test::writeFile(s + QStringLiteral("/broken.srt"), QByteArray("\x00\xff\xfe\x00\x81", 5).repeated(50));
    const QString noCue = reel::test::writeFile(s + QStringLiteral("/notes.srt"), "Just some notes.\n");
    QDir(s).mkpath(QStringLiteral("folder.srt"));
    const struct {
        QString path, says;
    } unusable[] = {
        {broken, QStringLiteral("cannot be read")},
        {noCue, QStringLiteral("hold no cue")},
        {s + QStringLiteral("/none.srt"), QStringLiteral("no such file")},
        {s + QStringLiteral("/folder.srt"), QStringLiteral("not a regular file")},
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
    reel::test::writeFile(s + QStringLiteral("/a.srt"), good);
    reel::test::writeFile(s + QStringLiteral("/b.SRT"), QByteArray(100, '\0'));
    reel::test::writeFile(s + QStringLiteral("/given.srt"), good);
    const QString a = s + QStringLiteral("/a.mkv"), b = s + QStringLiteral("/b.mkv"), c = s + QStringLiteral("/c.mkv");
    const struct {
        const char *name;
        QStringList given;
        QStringList subtitled;  // videos that get subtitles
        QStringList problems;   // a word of each problem, in order
    } cases[] = {
        {"the files beside the videos; a broken one left out", {}, {a}, {QStringLiteral("b.SRT")}},
        {"given files in order, before those beside",
         {s + QStringLiteral("/given.srt"), s + QStringLiteral("/missing.srt")}, {a}, {QStringLiteral("missing.srt")}},
        {"a given file too many",
         {s + QStringLiteral("/given.srt"), s + QStringLiteral("/a.srt"), s + QStringLiteral("/given.srt"), s + QStringLiteral("/given.srt")},
         {a, b, c}, {QStringLiteral("no video of their own")}},
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
    const QString first = s + QStringLiteral("/First.mkv");
    const QString second = s + QStringLiteral("/Second.mp4");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), first));
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), second));
    // Russian subtitles written on Windows, beside the first video.
    const QString utf8 = reel::test::writeFile(
        s + QStringLiteral("/utf8.srt"),
        QStringLiteral("1\r\n00:00:00,300 --> 00:00:01,400\r\nПривет, мир!\r\n\r\n2\r\n00:00:01,500 --> 00:00:02,600\r\n"
                       "<i>Вторая</i> строка субтитров\r\n\r\n3\r\n00:00:09,000 --> 00:00:10,000\r\nПосле конца\r\n")
            .toUtf8());
    ASSERT_EQ(runProgram(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"),
                                                  QStringLiteral("WINDOWS-1251"), QStringLiteral("-o"),
                                                  s + QStringLiteral("/First.srt"), utf8})
                  .exitCode,
              0);
    const QString folder = outFolder();
    const ProgramRun run = runProgram(QStringLiteral(REELKIT_CONVERT_EXE),
                                      {QStringLiteral("-p"), QStringLiteral("dvd-pal"), QStringLiteral("--disc"),
                                       QStringLiteral("-b"), QStringLiteral("2000"), QStringLiteral("-o"), folder, first,
                                       second},
                                      s);
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString() << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("subtitles of First: %1/First.srt (3 cues, Cyrillic (Windows))").arg(s)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("[disc] Authoring the DVD"))) << run.out.toStdString();

    const QString videoTs = folder + QStringLiteral("/DVD/VIDEO_TS");
    for (const char *name : {"VIDEO_TS.IFO", "VIDEO_TS.BUP", "VTS_01_0.IFO", "VTS_02_0.IFO"})
        EXPECT_TRUE(reel::testPresenceC(videoTs + QLatin1Char('/') + QString::fromUtf8(name))) << name;
    // The titles play as long as their sources.
    for (const QString &vob : {QStringLiteral("/VTS_01_1.VOB"), QStringLiteral("/VTS_02_1.VOB")})
        EXPECT_NEAR(durationOf(videoTs + vob), 3.0, 0.2) << vob.toStdString();
    // The subtitles rendered as a subpicture stream of the first title only.
    EXPECT_TRUE(convert::test::facts(videoTs + QStringLiteral("/VTS_01_1.VOB")).types.contains(QStringLiteral("subtitle")));
    EXPECT_FALSE(convert::test::facts(videoTs + QStringLiteral("/VTS_02_1.VOB")).types.contains(QStringLiteral("subtitle")));
    if (!isoTool().isEmpty()) {
        const QString iso = folder + QStringLiteral("/DVD.iso");
        EXPECT_GT(reel::poidsFile(iso, QStringLiteral("O")),
                  reel::poidsFile(videoTs + QStringLiteral("/VTS_01_1.VOB"), QStringLiteral("O")));
    }
    EXPECT_EQ(hiddenLeftovers(folder), QStringList());
    EXPECT_EQ(hiddenLeftovers(folder + QStringLiteral("/DVD")), QStringList());
    EXPECT_EQ(convert::test::namesIn(folder + QStringLiteral("/DVD")),
              (QStringList{QStringLiteral("AUDIO_TS"), QStringLiteral("VIDEO_TS")}));
}

TEST(Disc, CancelDuringAuthoringLeavesNoDiscFolder)
{
    const QString folder = outFolder();
    DiscJob job;
    job.preset = *presetById(QStringLiteral("dvd-pal"));
    job.destination = folder;
    for (const QString &name : {QStringLiteral("one"), QStringLiteral("two")}) {
        DiscTitle title;
        title.mpeg = dvdStream(folder + QLatin1Char('/') + name + QStringLiteral(".mpg"), 2);
        title.title = name;
        title.duration = 2;
        title.aspect = QStringLiteral("4:3");
        job.titles << title;
    }
    DiscAuthoring disc(job);
    QObject::connect(&disc, &DiscAuthoring::stepChanged, &disc, [&disc](const QString &step) {
        if (step == QLatin1String("Authoring the DVD"))
            QTimer::singleShot(0, &disc, [&disc] { disc.cancel(); });
    });
    QSignalSpy finished(&disc, &DiscAuthoring::finished);
    disc.start();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
    EXPECT_EQ(disc.state(), DiscAuthoring::State::Cancelled) << disc.error().toStdString();
    EXPECT_EQ(convert::test::namesIn(folder), (QStringList{QStringLiteral("one.mpg"), QStringLiteral("two.mpg")}));
}

TEST(Disc, TheWindowMakesADiscWhenAsked)
{
    const QString clip = reel::test::scratchDir() + QStringLiteral("/Holiday.mp4");
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), clip));
    const QString folder = outFolder();
    reel::RecordingPresenter alerts;
    reel::ScopedAlertPresenter use(&alerts);
    Options options;
    options.mode = Options::Mode::Window;
    options.outputDir = folder;
    ConvertWindow window(options);
    auto *disc = window.findChild<QCheckBox *>(QStringLiteral("disc"));
    auto *preset = window.findChild<QComboBox *>(QStringLiteral("preset"));
    ASSERT_TRUE(disc && preset);
    // A disc is made of DVD titles only.
    preset->setCurrentIndex(preset->findData(QStringLiteral("mp4")));
    EXPECT_FALSE(disc->isEnabled());
    preset->setCurrentIndex(preset->findData(QStringLiteral("dvd-pal")));
    EXPECT_TRUE(disc->isEnabled());
    disc->setChecked(true);

    QSignalSpy read(&window, &ConvertWindow::sourcesRead);
    window.addSources({clip});
    ASSERT_TRUE(read.wait(kWaitMs));
    // One overall bar for the conversion and the disc after it.
    auto *overall = window.findChild<QProgressBar *>(QStringLiteral("overallProgress"));
    ASSERT_TRUE(overall);
    QList<int> seen;
    QObject::connect(overall, &QProgressBar::valueChanged, [&seen](int value) { seen << value; });
    QSignalSpy ended(&window, &ConvertWindow::conversionEnded);
    window.startConversion();
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_TRUE(std::is_sorted(seen.cbegin(), seen.cend()));
    EXPECT_EQ(seen.last(), overall->maximum());
    ASSERT_GE(alerts.count(), 1);
    EXPECT_EQ(alerts.last().title, QStringLiteral("Disc made")) << alerts.last().message.toStdString();
    EXPECT_TRUE(reel::testPresenceC(folder + QStringLiteral("/DVD/VIDEO_TS/VTS_01_1.VOB")));
    EXPECT_TRUE(reel::testPresenceC(folder + QStringLiteral("/Holiday.mpg")));
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
         QStringLiteral("\uFEFF1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n\r\n"), {cue(1000, 2000, QStringLiteral("Hello"))}, 0},
        {"bare CR line ends", QStringLiteral("1\r00:00:01,000 --> 00:00:02,000\rA\rB\r\r"),
         {cue(1000, 2000, QStringLiteral("A\nB"))}, 0},
        {"styling taken off",
         QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n<i>It</i> is <font color=\"#ff0\">red</font> {\\an8}&amp; up\n"),
         {cue(1000, 2000, QStringLiteral("It is red &amp; up"))}, 0},
        {"no numbers, no blank lines, dots and short fractions",
         QStringLiteral("00:00:01.5 --> 00:00:02.25\nfirst\n00:00:03,000 --> 00:00:04,000 X1:10 X2:20\nsecond\n7\n"
                        "00:00:05,000 --> 00:00:06,000\nthird"),
         {cue(1500, 2250, QStringLiteral("first")), cue(3000, 4000, QStringLiteral("second")),
          cue(5000, 6000, QStringLiteral("third"))}, 0},
        {"bad times and empty cues left out",
         QStringLiteral("1\n00:00:05,000 --> 00:00:04,000\nbackwards\n\n2\n00:61:00,000 --> 00:62:00,000\nno such minute\n\n"
                        "3\n00:00:07,000 --> 00:00:08,000\n\n4\n00:00:09,000 --> 00:00:10,000\n<b></b>\n\n"),
         {}, 4},
        {"a timing line written inside a text", QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n<i>00:00:03,000 --> x</i>\n"),
         {cue(1000, 2000, QStringLiteral("00:00:03,000 -> x"))}, 0},
        {"a long arrow in a text", QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nwait ------> here\n"),
         {cue(1000, 2000, QStringLiteral("wait -> here"))}, 0},
        {"an index too large for any counter",
         QStringLiteral("99999999999999999999\n00:00:01,000 --> 00:00:02,000\nA\n\n"), {cue(1000, 2000, QStringLiteral("A"))}, 0},
        {"a huge index with no blank line before it",
         QStringLiteral("00:00:01,000 --> 00:00:02,000\nA\n99999999999999999999\n00:00:03,000 --> 00:00:04,000\nB\n"),
         {cue(1000, 2000, QStringLiteral("A")), cue(3000, 4000, QStringLiteral("B"))}, 0},
        {"hours past any video", QStringLiteral("1\n123456789:00:00,000 --> 123456789:00:01,000\nfar\n"), {}, 1},
        {"NUL and bell bytes in a text", QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\nA\0B\aC\n"),
         {cue(1000, 2000, QStringLiteral("ABC"))}, 0},
        {"more lines than a subpicture holds",
         QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"),
         {cue(1000, 2000, QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8"))}, 0},
        {"a line longer than a subpicture holds",
         QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n") + QString(600, QLatin1Char('x')),
         {cue(1000, 2000, QString(500, QLatin1Char('x')))}, 0},
    };
    for (const auto &c : cases) {
        reel::test::saveFuzzSeed("srt", QString::fromUtf8(c.name).replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral(".srt"),
                                 c.text.toUtf8());
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
        many += QStringLiteral("%1 --> %2\nx\n\n").arg(srtTime(i * 1000), srtTime(i * 1000 + 500));
    const SrtRead capped = parseSrt(many);
    EXPECT_EQ(capped.cues.size(), kMaxCues);
    EXPECT_EQ(capped.skipped, 1);

    // On a disc of a 10-second video: in order, one at a time, none past
    // its end; two speakers at once share one subpicture.
    const QList<Cue> shown = cuesForDisc({cue(4000, 6000, QStringLiteral("later")), cue(1000, 5000, QStringLiteral("long")),
                                          cue(1100, 2000, QStringLiteral("- Hi!")), cue(9000, 12000, QStringLiteral("end")),
                                          cue(10000, 11000, QStringLiteral("after"))},
                                         10000);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown.at(0).text, QStringLiteral("long\n- Hi!"));
    EXPECT_EQ(shown.at(0).endMs, 4000);
    EXPECT_EQ(shown.at(1).text, QStringLiteral("later"));
    EXPECT_EQ(shown.at(2).endMs, 10000);
    EXPECT_EQ(writeSrt(shown.mid(2)), QStringLiteral("1\n00:00:09,000 --> 00:00:10,000\nend\n\n"));
}

TEST(Subtitles, FilesFoundByFuzzingStayHarmless)
{
    // Inputs that once made a reader crash or hang; every reader takes them.
    const QDir dir(reel::test::testDataPath() + QStringLiteral("/fuzz"));
    for (const QString &name : dir.entryList(QDir::Files)) {
        const SrtRead read = parseSrt(QString::fromUtf8(reel::test::readFile(dir.filePath(name))));
        for (const Cue &cue : cuesForDisc(read.cues, 10000))
            EXPECT_LT(cue.startMs, cue.endMs) << name.toStdString();
    }
}

TEST(Normalize, QuietSoundComesOutEven)
{
    // A whisper: a sine at a twentieth of full scale.
    const QString quiet = reel::test::scratchDir() + QStringLiteral("/quiet.mkv");
    ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=160x120:rate=25:duration=3"), QStringLiteral("-f"), QStringLiteral("lavfi"),
            QStringLiteral("-i"), QStringLiteral("sine=frequency=440:sample_rate=48000:duration=3"), QStringLiteral("-af"),
            QStringLiteral("volume=0.05"), QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
            QStringLiteral("pcm_s16le"), quiet});
    const auto meanVolume = [](const QString &path) {
        const ProgramRun run = runProgram(toolPath(QStringLiteral("ffmpeg")),
                                          {QStringLiteral("-nostdin"), QStringLiteral("-i"), path, QStringLiteral("-vn"),
                                           QStringLiteral("-af"), QStringLiteral("volumedetect"), QStringLiteral("-f"),
                                           QStringLiteral("null"), QStringLiteral("-")});
        static const QRegularExpression mean(QStringLiteral("mean_volume: (-?[0-9.]+) dB"));
        return mean.match(run.err).captured(1).toDouble();
    };
    const QString folder = outFolder();
    const ProgramRun run = runProgram(QStringLiteral(REELKIT_CONVERT_EXE),
                                      {QStringLiteral("--normalize"), QStringLiteral("-o"), folder, quiet},
                                      reel::test::scratchDir());
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
    // ffmpeg's sine peaks at an eighth of full scale: with the whisper, its
    // mean lies at -18 - 26 - 3 = -47 dBFS. normalize brings the sound to
    // its -12 dBFS.
    EXPECT_NEAR(meanVolume(quiet), -47.0, 1.0);
    EXPECT_NEAR(meanVolume(folder + QStringLiteral("/quiet.mp4")), -12.0, 1.5);
    EXPECT_EQ(convert::test::namesIn(folder), QStringList{QStringLiteral("quiet.mp4")});
}
