// What a conversion leaves is either a whole, checked output or nothing,
// whatever the machine does meanwhile: a disk that fills up, a tool that
// lies about its success, a second run on the same names, a link planted
// where the converter writes, a kill -9. And what a killed run left, a
// later run removes.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "tables.h"

#include <jobs/authoring.h>
#include <jobs/job.h>
#include <jobs/tooloutput.h>
#include <jobs/workfolder.h>
#include <model/disc.h>
#include <model/options.h>
#include <model/plan.h>
#include <model/tools.h>
#include <model/verify.h>

#include <reel/core.h>
#include <reel/files.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <csignal>
#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

// A tmpfs of that many KB at folder for the life of the object; root only.
struct ScopedTmpfs {
    ScopedTmpfs(const QString &folder, int kb) : folder(folder)
    {
        QDir().mkpath(folder);
        const QStringList words{u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=%1k"_s.arg(kb), u"tmpfs"_s, folder};
        mounted = runProgram(u"mount"_s, words).exitCode == 0;
    }
    ~ScopedTmpfs()
    {
        if (mounted)
            runProgram(u"umount"_s, {u"-l"_s, folder});
    }
    const QString folder;
    bool mounted = false;
};

// The hidden entries of a folder: work folders, partial files.
QStringList hiddenIn(const QString &folder)
{
    return namesIn(folder).filter(QRegularExpression(u"^\\."_s));
}

// Empty when the file decodes from start to end without an error and
// lasts about seconds; else what is wrong with it.
QString wholeProblem(const QString &path, double seconds)
{
    const ProgramRun run = runProgram(toolPath(u"ffmpeg"_s), decodeArguments(path));
    const QStringList errors = run.err.split(QRegularExpression(u"[\r\n]"_s)).filter(QRegularExpression(u"^(?!frame=|size=)"_s));
    for (const QString &line : errors) {
        if (isDecodeError(line))
            return u"%1 does not decode: %2"_s.arg(path, line);
    }
    if (run.exitCode != 0)
        return u"%1 does not decode: %2"_s.arg(path, run.err.trimmed());
    const double duration = probe(path, u"format=duration"_s).toDouble();
    if (std::abs(duration - seconds) > 0.3)
        return u"%1 lasts %2 s, not %3 s"_s.arg(path).arg(duration).arg(seconds);
    return QString();
}

} // namespace

// A job that cannot run, or whose tool's exit status is not the truth,
// fails, says why and leaves nothing behind: the damaged outputs are those
// a full disk or a broken muxer leaves, and never called done.
TEST(Conversion, AJobThatFailsSaysWhyAndLeavesNothing)
{
    const QString clip = sharedClip(Clip::Ntsc2997);
    ASSERT_FALSE(clip.isNull());
    const QString ffmpegPath = QFileInfo(toolPath(u"ffmpeg"_s)).canonicalFilePath();
    // Stand-ins that run the real encoder, then do to its output what the
    // row says; the checks' own runs (no .mp4 last) pass straight through.
    const auto damaging = [&](const char *damage) {
        const QString step = QString::fromUtf8(damage).replace(u"FFMPEG"_s, ffmpegPath);
        return bundleWithTool(u"ffmpeg"_s, u"#!/bin/sh\nfor last; do :; done\n'%1' \"$@\" || exit $?\n"
                                           "case \"$last\" in *.mp4) %2 ;; esac\nexit 0\n"_s
                                               .arg(ffmpegPath, step)
                                               .toUtf8());
    };
    // An ffmpeg nobody may run: it is there, but it cannot be started.
    const QString unstartable = bundleWithTool(u"ffmpeg"_s, "#!/bin/sh\n");
    QFile::setPermissions(unstartable + u"/Contents/Resources/tools/ffmpeg"_s, QFile::ReadOwner | QFile::WriteOwner);
    const struct {
        const char *name;
        QString bundle; // the tools run, when not the test's own
        const char *says;
        int audio = 0;  // a sound track the source lacks, when not 0
    } cases[] = {
        // ffmpeg's reason, not its last line (a hint follows it).
        {"ffmpeg fails", {}, "Stream map '0:9' matches no streams.", 9},
        {"ffmpeg is missing", reel::test::makeBundle(u"Bare"_s, {}, false), "missing tool: ffmpeg"},
        {"ffmpeg cannot be started", unstartable, "ffmpeg could not be started"},
        // Lines that reach the reader in one piece, as when it lags behind.
        {"its reason among other lines",
         bundleWithTool(u"ffmpeg"_s, "#!/bin/sh\nprintf 'Guessed Channel Layout: mono\\n[aac @ 0x5581] Unsupported channel "
                                     "layout\\nConversion failed!\\n' >&2\nexit 1\n"),
         "failed with code 1: aac: Unsupported channel layout"},
        {"ffmpeg exits 0 after a trailer it could not write",
         damaging("echo \"Error writing trailer of $last: No space left on device\" >&2"),
         "ffmpeg could not write: Error writing trailer of"},
        {"an output no player opens", damaging("echo 'not a video' > \"$last\""), "the output cannot be opened as a video"},
        {"an output cut short", damaging("truncate -s $(( $(stat -c %s \"$last\") * 2 / 5 )) \"$last\""),
         "does not decode"},
        {"an output without its sound",
         damaging("'FFMPEG' -v error -i \"$last\" -map 0:v -c copy -f mp4 \"$last.v\" && mv \"$last.v\" \"$last\""),
         "the output holds no sound"},
        {"an output of a tenth of the picture",
         damaging("'FFMPEG' -v error -i \"$last\" -t 0.3 -c copy -f mp4 \"$last.v\" && mv \"$last.v\" \"$last\""),
         "the picture lasts 0."},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        JobSettings settings = planOne(clip, u"mp4"_s, qualityBudget(30), folder);
        ASSERT_FALSE(settings.outputExists);
        if (c.audio)
            settings.tracks.audio = {c.audio};
        const auto tools = toolsOf(c.bundle);
        ConversionJob job(settings);
        runToEnd(job);
        EXPECT_EQ(job.state(), ConversionJob::State::Failed);
        EXPECT_TRUE(job.error().contains(QString::fromUtf8(c.says))) << job.error().toStdString();
        EXPECT_EQ(namesIn(folder), QStringList());
    });

    // The checks' share of the progress comes before the 100 of a job done.
    const QString folder = outFolder(u"good"_s);
    ConversionJob good(planOne(clip, u"mp4"_s, qualityBudget(30), folder));
    QList<float> values;
    QObject::connect(&good, &ConversionJob::progressChanged, [&](float v) { values << v; });
    runToEnd(good);
    ASSERT_EQ(good.state(), ConversionJob::State::Finished) << good.error().toStdString();
    EXPECT_TRUE(good.verified());
    EXPECT_TRUE(std::any_of(values.cbegin(), values.cend(), [](float v) { return v > 92 && v < 100; }));
    EXPECT_EQ(namesIn(folder), QStringList{u"ntsc.mp4"_s});
}

// A tool's words read as they come: the same lines however the bytes are
// cut, the last one kept without its line end, and the first that says a
// write failed noted, whatever the tool's exit status will say.
TEST(ToolOutput, LinesWhateverTheChunksAndTheFailedWriteNoted)
{
    const struct {
        const char *name;
        QList<QByteArray> chunks;
        QStringList lines;
        const char *failure;
    } cases[] = {
        {"progress in carriage returns, then a message",
         {"frame=1 time=00:00:01\rframe=2 time=0", "0:00:02\rError writing trailer of x.mp4: No space left on device\n"},
         {u"frame=1 time=00:00:01"_s, u"frame=2 time=00:00:02"_s, u"Error writing trailer of x.mp4: No space left on device"_s},
         "Error writing trailer of x.mp4: No space left on device"},
        {"a last line without its end", {"one\r\n", "two"}, {u"one"_s, u"two"_s}, ""},
        {"normalize's full disk",
         {"Audio File Library: unable to write data (disk full) -- wrote 1 out of 2 frames [error 6]"},
         {u"Audio File Library: unable to write data (disk full) -- wrote 1 out of 2 frames [error 6]"_s},
         "Audio File Library: unable to write data (disk full) -- wrote 1 out of 2 frames [error 6]"},
        {"words that only look alike", {"Writing trailer done\nspace left: 3 GB\n"},
         {u"Writing trailer done"_s, u"space left: 3 GB"_s}, ""},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        ToolOutput output;
        QStringList lines;
        const auto take = [&](const QString &line) {
            lines << line;
            output.keep(line);
        };
        for (const QByteArray &chunk : c.chunks)
            output.feed(chunk, take);
        output.flush(take);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(output.writeFailure(), QString::fromUtf8(c.failure));
        EXPECT_EQ(output.lastWords(), c.lines);
    });
}

// A destination far too small, nearly big enough, and big enough: whatever
// the tools say, the run ends in a whole output or none, never "done" for a
// damaged one, and no work folder stays behind.
TEST(Outputs, AFullDiskNeverGivesAFileCalledDone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString clip = sharedClip(Clip::Ntsc2997);
    ASSERT_FALSE(clip.isNull());
    const struct {
        const char *name;
        QStringList arguments;
        QList<double> shares; // of the room a run takes on a large disk
    } cases[] = {
        // Around the whole size, where the MP4's trailer is the last thing written.
        {"mp4", {}, {0.4, 0.9, 0.97, 1.0, 1.03, 1.5}},
        {"dvd", {u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"3000"_s}, {0.5, 3.0}},
        {"normalize", {u"--normalize"_s}, {0.5, 1.2, 2.5}},
        {"disc", {u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"3000"_s, u"--disc"_s}, {0.5, 0.9, 0.97, 1.5}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString large = outFolder(u"large-%1"_s.arg(QString::fromUtf8(c.name)));
        ASSERT_EQ(convertWith(c.arguments + QStringList{u"-o"_s, large, clip}).exitCode, kExitOk);
        // What the run held at its height: outputs, and the sound or the disc being made.
        const double soundKB = QString::fromUtf8(c.name) == "normalize"_L1 ? 3 * 48000 * 4 / 1024.0 : 0;
        const double room = reel::poidsFolderMo(large) * 1024 + soundKB;
        bool someFailed = false;
        bool someDone = false;
        for (double share : c.shares) {
            SCOPED_TRACE(share);
            const QString small = reel::test::scratchDir() + u"/small-%1-%2"_s.arg(QString::fromUtf8(c.name)).arg(share);
            const ScopedTmpfs disk(small, std::max(64, int(room * share)));
            ASSERT_TRUE(disk.mounted);
            const ProgramRun run = convertWith(c.arguments + QStringList{u"-o"_s, small, clip});
            ASSERT_TRUE(run.exitCode == kExitOk || run.exitCode == kExitFailed) << run.err.toStdString();
            (run.exitCode == kExitOk ? someDone : someFailed) = true;
            EXPECT_EQ(hiddenIn(small), QStringList());
            // Whatever stands under a final name is whole.
            for (const QString &name : namesIn(small)) {
                const QString path = small + u'/' + name;
                if (name.endsWith(u".mp4"_s) || name.endsWith(u".mpg"_s))
                    EXPECT_EQ(wholeProblem(path, 3.0), QString()) << run.err.toStdString();
                else if (name == "DVD"_L1)
                    EXPECT_EQ(wholeProblem(path + u"/VIDEO_TS/VTS_01_1.VOB"_s, 3.0), QString());
            }
            if (run.exitCode == kExitOk)
                EXPECT_TRUE(run.out.contains(u"1 of 1 converted and verified"_s)) << run.out.toStdString();
            else
                EXPECT_TRUE(run.err.contains(u"No space left"_s) || run.err.contains(u"MB free"_s)
                            || run.err.contains(u"need about"_s))
                    << run.err.toStdString();
        }
        EXPECT_TRUE(someFailed);
        EXPECT_TRUE(someDone);
    });
}

// Two runs started on two sources of the same name into the same folder:
// each output is its own source's, whole, and neither run touched the
// other's files; the same for two discs.
TEST(Outputs, TwoRunsAtOnceNeverShareAFile)
{
    const QString s = reel::test::scratchDir();
    const QString first = s + u"/one/film.mkv"_s;
    const QString second = s + u"/two/film.mkv"_s;
    QDir().mkpath(s + u"/one"_s);
    QDir().mkpath(s + u"/two"_s);
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), first));  // 3 s
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=320x240:rate=25:duration=2"_s) + lavfi(u"sine=duration=2"_s)
                       + QStringList{u"-c:v"_s, u"libx264"_s, u"-c:a"_s, u"aac"_s, second}));
    // Each disc holds one run's own title, whole.
    const QString title = u"/VIDEO_TS/VTS_01_1.VOB"_s;
    const struct {
        const char *name;
        QStringList arguments;
        QStringList outputs;
    } cases[] = {
        {"mp4", {}, {u"film 2.mp4"_s, u"film.mp4"_s}},
        {"disc", {u"-p"_s, u"dvd-pal"_s, u"-b"_s, u"3000"_s, u"--disc"_s},
         {u"film 2.mpg"_s, u"film.mpg"_s, u"DVD"_s + title, u"DVD 2"_s + title}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        Started a = startConverter(c.arguments + QStringList{u"-o"_s, folder, first});
        Started b = startConverter(c.arguments + QStringList{u"-o"_s, folder, second});
        for (Started *run : {&a, &b}) {
            ASSERT_TRUE(run->process->waitForFinished(kWaitMs));
            EXPECT_EQ(run->process->exitCode(), kExitOk) << run->process->readAllStandardError().toStdString();
        }
        EXPECT_EQ(hiddenIn(folder), QStringList());
        QList<double> lengths;
        for (const QString &name : c.outputs) {
            const double length = probe(folder + u'/' + name, u"format=duration"_s).toDouble();
            EXPECT_EQ(wholeProblem(folder + u'/' + name, length), QString());
            lengths << std::round(length);
        }
        std::sort(lengths.begin(), lengths.end());
        EXPECT_EQ(lengths, c.outputs.size() == 2 ? (QList<double>{2, 3}) : (QList<double>{2, 2, 3, 3}));
    });
}

// Links planted where the converter writes are never followed: the old
// temporary name means nothing now, and a link at the output's own name is
// kept beside the output, or replaced as a link with --overwrite.
TEST(Outputs, APlantedLinkIsNeverFollowed)
{
    const QString clip = sharedClip(Clip::Silent);
    const QString target = reel::test::scratchDir() + u"/target.mp4"_s;
    const struct {
        const char *name;
        const char *link;  // in the output folder, to target
        QStringList arguments;
        int exitCode;
        QStringList names; // the folder afterwards
    } cases[] = {
        {"at the temporary name of earlier versions", ".silent.part1.mp4", {}, kExitOk,
         {u".silent.part1.mp4"_s, u"silent.mp4"_s}},
        {"at the output's name", "silent.mp4", {}, kExitOutputExists, {u"silent.mp4"_s}},
        {"at the output's name, replaced", "silent.mp4", {u"-y"_s}, kExitOk, {u"silent.mp4"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const QString link = folder + u'/' + QString::fromUtf8(c.link);
        ASSERT_TRUE(QFile::link(target, link));
        const ProgramRun run = convertWith(c.arguments + QStringList{u"-o"_s, folder, clip});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_EQ(namesIn(folder), c.names);
        const QFileInfo output(folder + u"/silent.mp4"_s);
        EXPECT_EQ(output.isSymLink(), c.exitCode != kExitOk);
    });

    // A link made at the output's name while the job ran: kept, and the
    // output numbered beside it.
    const QString folder = outFolder(u"meanwhile"_s);
    const JobSettings settings = planOne(clip, u"mp4"_s, qualityBudget(30), folder);
    ConversionJob job(settings);
    QObject::connect(&job, &ConversionJob::progressChanged, [&] { QFile::link(target, settings.output); });
    runToEnd(job);
    ASSERT_EQ(job.state(), ConversionJob::State::Finished) << job.error().toStdString();
    EXPECT_EQ(job.settings().output, folder + u"/silent 2.mp4"_s);
    EXPECT_EQ(job.plannedOutput(), settings.output);
    EXPECT_TRUE(QFileInfo(settings.output).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(target));
}

// A run killed where nothing can clean up (kill -9) leaves its work folder;
// the next run in that folder removes it and says so, and leaves none of its
// own.
TEST(Outputs, WhatAKilledRunLeftTheNextRunRemoves)
{
    const QString clip = sharedClip(Clip::Long);
    const struct {
        const char *name;
        QStringList arguments;
        QString killAt; // a line of the standard output
    } cases[] = {
        {"mid-encode", {u"-b"_s, u"2000"_s}, u"^progress: long [1-9]"_s},
        {"mid-authoring", {u"-p"_s, u"dvd-pal"_s, u"--disc"_s}, u"^\\[disc\\] Authoring the DVD"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const QString folder = outFolder(QString::fromUtf8(c.name));
        Started killed = startConverter(c.arguments + QStringList{u"-o"_s, folder, clip});
        ASSERT_TRUE(killed.waitForOutput(c.killAt)) << killed.out.toStdString();
        ::kill(pid_t(killed.process->processId()), SIGKILL);
        ASSERT_TRUE(killed.process->waitForFinished(30000));
        ASSERT_EQ(hiddenIn(folder).size(), 1);
        EXPECT_TRUE(hiddenIn(folder).first().startsWith(QString::fromLatin1(kWorkFolderPrefix)));

        const ProgramRun next = convertWith({u"-o"_s, folder, sharedClip(Clip::Silent)});
        EXPECT_EQ(next.exitCode, kExitOk) << next.err.toStdString();
        EXPECT_TRUE(next.out.contains(u"note: removed what an interrupted run left in %1"_s.arg(folder)))
            << next.out.toStdString();
        EXPECT_EQ(hiddenIn(folder), QStringList());
    });
}

// Only the folders of dead runs go: a living run's, one being made, and
// whatever is not a work folder of this user's stay.
TEST(Outputs, TheSweepRemovesOnlyWhatDeadRunsLeft)
{
    const QString folder = outFolder(u"sweep"_s);
    Said error;
    std::shared_ptr<WorkFolder> living = WorkFolder::create(folder, &error);
    ASSERT_TRUE(living) << error.english.toStdString();
    reel::test::writeFile(living->file(u"video-1.mp4"_s), "partial");
    // A dead run's folder: its lock file is there and free.
    const QString dead = folder + u"/.reelkit-work-dead01"_s;
    reel::test::writeFile(dead + u"/.lock"_s, "");
    reel::test::writeFile(dead + u"/video-1.mp4"_s, QByteArray(3 * 1024 * 1024, 'x'));
    // A folder between its making and its lock, an instant old.
    const QString young = folder + u"/.reelkit-new-young1"_s;
    QDir().mkpath(young);
    // A link under the name, and what it points at.
    const QString elsewhere = outFolder(u"elsewhere"_s);
    reel::test::writeFile(elsewhere + u"/precious"_s, "precious");
    ASSERT_TRUE(QFile::link(elsewhere, folder + u"/.reelkit-work-link01"_s));
    reel::test::writeFile(folder + u"/.hidden-video.mp4"_s, "the user's");

    const SweepReport report = sweepAbandonedWork(folder);
    EXPECT_EQ(report.removed, 1);
    EXPECT_EQ(report.busy, 1);
    EXPECT_EQ(report.text(folder), u"removed what an interrupted run left in %1 (3.0 MB)"_s.arg(folder));
    QStringList expected{u".hidden-video.mp4"_s, u".reelkit-new-young1"_s, reel::lastPathComponent(living->path()),
                         u".reelkit-work-link01"_s};
    QStringList left = namesIn(folder);
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(reel::test::readFile(elsewhere + u"/precious"_s), QByteArray("precious"));
    EXPECT_EQ(reel::test::readFile(living->file(u"video-1.mp4"_s)), QByteArray("partial"));

    // The living run's folder goes with it.
    const QString path = living->path();
    living.reset();
    EXPECT_FALSE(QFileInfo::exists(path));
}

// 63 titles are what dvdauthor's menu takes (a 64th is refused with the
// disc's budget, before anything is encoded).
TEST(Disc, SixtyThreeTitlesAuthor)
{
    const QString folder = outFolder(u"titles"_s);
    DiscJob job = discOf(folder, kMaxDiscTitles, 0.5f);
    job.makeImage = false;
    DiscAuthoring disc(job);
    QSignalSpy finished(&disc, &DiscAuthoring::finished);
    disc.start();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
    EXPECT_EQ(disc.state(), DiscAuthoring::State::Finished) << disc.error().toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + u"/DVD/VIDEO_TS/VTS_63_1.VOB"_s));
}

// Subtitles asked for that do not reach the disc leave it made without
// them, and the run failed, said on its last line with the tool's own
// words, not its standing ones.
TEST(Disc, SubtitlesThatCannotGoOnTheDiscFailTheRun)
{
    const QString s = reel::test::scratchDir();
    const QString video = s + u"/Holiday.mp4"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), video));
    const QString srt = reel::test::writeFile(s + u"/Holiday.srt"_s, "1\n00:00:00,500 --> 00:00:02,000\nHello\n");
    const QByteArray standing = "echo 'DVDAuthor::spumux, version 0.7.2.' >&2\n"
                                "echo 'Send bug reports to <dvdauthor-users@lists.sourceforge.net>' >&2\n";
    const struct {
        const char *name;
        QString bundle;      // with the spumux of the row
        QStringList given;   // --subtitles
        const char *says;    // on the last line
    } cases[] = {
        {"spumux crashes", bundleWithTool(u"spumux"_s, "#!/bin/sh\n" + standing + "kill -SEGV $$\n"), {},
         "the subtitles %1 could not be put on \"Holiday\": spumux crashed (Segmentation fault)"},
        {"spumux refuses", bundleWithTool(u"spumux"_s, "#!/bin/sh\n" + standing + "echo 'ERR:  Cannot open font' >&2\nexit 1\n"),
         {}, "spumux failed with code 1: Cannot open font"},
        {"the file given is no subtitle file", {}, {u"--subtitles"_s, s}, "cannot be read (not a regular file)"},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const auto tools = toolsOf(c.bundle);
        const QString folder = outFolder(QString::fromUtf8(c.name));
        const ProgramRun run = convertWith(QStringList{u"-p"_s, u"dvd-pal"_s, u"--disc"_s, u"-b"_s, u"2000"_s, u"-o"_s,
                                                       folder} + c.given + QStringList{video});
        EXPECT_EQ(run.exitCode, kExitFailed) << run.err.toStdString();
        const QString last = run.err.trimmed().split(u'\n').last();
        EXPECT_TRUE(last.startsWith(u"reelkit-convert: the disc is not all that was asked for: "_s)) << last.toStdString();
        EXPECT_TRUE(last.contains(QString::fromUtf8(c.says).replace(u"%1"_s, srt))) << last.toStdString();
        EXPECT_FALSE(last.contains(u"bug reports"_s));
        // The disc is there, without them.
        EXPECT_EQ(namesIn(folder), (QStringList{u"DVD"_s, u"DVD.iso"_s, u"Holiday.mpg"_s}));
        EXPECT_FALSE(probe(folder + u"/DVD/VIDEO_TS/VTS_01_1.VOB"_s, u"stream=codec_type"_s).contains(u"subtitle"_s));
    });
}
