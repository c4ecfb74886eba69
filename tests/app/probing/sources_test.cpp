// Sources as ffprobe and the folders give them: what cannot be converted
// said plainly, camera clips named by their recording time, and folders
// and damaged cards searched for the videos they have.
#include "avchdcard.h"
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "tables.h"

#include <model/options.h>
#include <probing/cards.h>
#include <probing/discovery.h>
#include <probing/probe.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;
using reel::test::CameraTime;

namespace {

// Two seconds of a camera's transport stream (192-byte packets, H.264 and
// AC-3) whose picture carries the recording time as cameras write it.
QByteArray cameraStream(const CameraTime &time)
{
    const QString folder = outFolder(u"camera"_s);
    const QString h264 = folder + u"/picture.h264"_s;
    ffmpeg(lavfi(u"testsrc2=size=320x240:rate=25:duration=2"_s) + QStringList{u"-c:v"_s, u"libx264"_s, u"-preset"_s,
           u"ultrafast"_s, u"-bsf:v"_s, u"h264_metadata=aud=insert"_s, u"-f"_s, u"h264"_s, h264});
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

} // namespace

TEST(Sources, WhatCannotBeConvertedIsSaidPlainly)
{
    const QString folder = reel::test::scratchDir();
    const QString fifo = folder + u"/pipe.mkv"_s;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString pidFile = folder + u"/ffprobe.pid"_s;
    const QString hanging = hangingProbeBundle(pidFile);
    const QString picture = folder + u"/photo.png"_s;
    const QString oneFrame = folder + u"/one frame.mp4"_s;
    for (const QString &still : {picture, oneFrame})
        ffmpeg(lavfi(u"testsrc2=size=64x48"_s) + QStringList{u"-frames:v"_s, u"1"_s, still});
    const QString pictureAsVideo = folder + u"/photo.mp4"_s;
    QFile::copy(picture, pictureAsVideo);
    const struct {
        QString name; // the path
        const char *says;
        RunLimits limits = RunLimits{kProbeTimeoutMs, {}};
        bool hangs = false; // an ffprobe that never answers, as on a stalled network share
    } cases[] = {
        {folder + u"/missing.mkv"_s, "cannot read"},
        {folder, "is a folder"},
        {reel::test::writeFile(folder + u"/notes.txt"_s, "not a video\n"), "cannot be read"},
        {reel::test::writeFile(folder + u"/empty.mp4"_s, ""), "cannot be read"},
        {fifo, "is a named pipe, not a regular file"},
        {u"/dev/null"_s, "is a device, not a regular file"},
        {QString(), "cannot read"},
        // A picture would become a video of one frame, whatever its name says.
        {picture, "is a still picture, not a video"},
        {pictureAsVideo, "is a still picture, not a video"},
        {oneFrame, "is a still picture, not a video"},
        // The time limit and a cancel both end the probe, and no tool is left behind.
        {sharedClip(Clip::Silent), "ffprobe gave no answer within 1 s", RunLimits{1000, {}}, true},
        {sharedClip(Clip::Silent), "ffprobe was cancelled", RunLimits{60000, [asked = 0]() mutable { return ++asked > 6; }},
         true},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const auto tools = toolsOf(c.hangs ? hanging : QString());
        const SourceInfo info = probeSource(c.name, c.limits);
        EXPECT_FALSE(info.usable());
        EXPECT_TRUE(info.error.contains(QString::fromUtf8(c.says))) << info.error.toStdString();
        if (c.hangs)
            EXPECT_TRUE(processGone(pidFile));
    });

    const QString clip = folder + u"/My_Holiday-PAL.mkv"_s;
    ASSERT_TRUE(QFile::copy(sharedClip(Clip::Ntsc2997), clip));
    const SourceInfo info = probeSource(clip);
    ASSERT_TRUE(info.usable()) << info.error.toStdString();
    EXPECT_EQ(info.title, u"My Holiday"_s);
    EXPECT_NEAR(info.video()->fps, 30000.0 / 1001.0, 0.001);
    EXPECT_GT(info.sizeMB, 0);
    // An AVI does not say how its picture was scanned: the interlace test is asked.
    const QString avi = folder + u"/old.avi"_s;
    ASSERT_TRUE(ffmpeg(lavfi(u"testsrc2=size=64x48:rate=25:duration=1"_s) + QStringList{u"-c:v"_s, u"mpeg4"_s, avi}));
    const SourceInfo old = probeSource(avi);
    EXPECT_TRUE(old.usable()) << old.error.toStdString();
    EXPECT_TRUE(old.fieldOrderTested);
}

TEST(CameraCards, ClipsAreFoundAndNamedByTheirRecordingTime)
{
    const QByteArray timed = cameraStream(CameraTime{2009, 5, 2, 12, 34, 56});
    const QString s = reel::test::scratchDir();
    // Where BDMV lies below the card's root.
    for (const QString &layout : {u"/PRIVATE/AVCHD"_s, QString()}) {
        SCOPED_TRACE(layout.toStdString());
        const QString card = s + u"/card"_s + QString(layout).replace(u'/', u'-');
        const QString bdmv = card + layout + u"/BDMV"_s;
        const QString first = reel::test::writeFile(bdmv + u"/STREAM/00001.MTS"_s, timed);
        const QString second = reel::test::writeFile(bdmv + u"/STREAM/00002.MTS"_s, timed);
        reel::test::writeFile(card + u"/DCIM/100MEDIA/notes.txt"_s, "not a video");
        reel::test::writeFile(bdmv + u"/PLAYLIST/00000.MPL"_s, reel::test::mplsBytes({u"00001"_s, u"00002"_s}));
        EXPECT_EQ(discoverSources({card}), (QStringList{first, second}));
        const SourceInfo source = probeSource(first);
        ASSERT_TRUE(source.usable()) << source.error.toStdString();
        EXPECT_EQ(source.title, u"2009-05-02 12:34:56-00001"_s);
        EXPECT_EQ(outputPathFor(source, *presetById(u"mp4"_s), s, {}), s + u"/2009-05-02 12;34;56-00001.mp4"_s);
    }
}

// In the order of a listing (names sorted, each folder followed by its
// contents): the videos of folders by their extension, a camera card's clips,
// the paths given as they are; what is not a video, or not the video's own
// data, left out.
TEST(Discovery, FoldersAndDamagedCardsGiveTheVideosTheyHave)
{
    const QString root = reel::test::scratchDir() + u"/videos"_s;
    const QStringList videos{root + u"/A.MP4"_s, root + u"/DCIM/100/clip.mts"_s,
                             root + u"/VIDEO_TS/VTS_01_1.VOB"_s, root + u"/b.mkv"_s};
    for (const QString &video : videos)
        reel::test::writeFile(video, "v");
    reel::test::writeFile(root + u"/notes.txt"_s, "t");
    reel::test::writeFile(root + u"/.a.part1.mp4"_s, "unfinished");
    reel::test::writeFile(root + u"/.thumbnails/x.mp4"_s, "hidden");
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + u"/pipe.mkv"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(root + u"/DCIM"_s, root + u"/again"_s));
    const QString emptyFolder = outFolder(u"empty"_s);
    // A card with a clip cut short by a pulled card, one never written, and
    // what file browsers and broken copies leave beside them.
    const QString card = reel::test::scratchDir() + u"/card"_s;
    const QString stream = card + u"/PRIVATE/AVCHD/BDMV/STREAM"_s;
    const QString garbled = reel::test::writeFile(stream + u"/00001.MTS"_s, QByteArray("\x47\x00\xff", 3).repeated(300));
    const QString empty = reel::test::writeFile(stream + u"/00002.MTS"_s, QByteArray());
    QDir(stream).mkpath(u"00003.MTS"_s);
    QFile::link(stream + u"/gone.MTS"_s, stream + u"/00004.MTS"_s);
    reel::test::writeFile(stream + u"/._00001.MTS"_s, "Mac OS X resource fork");
    reel::test::writeFile(card + u"/PRIVATE/AVCHD/BDMV/PLAYLIST/00000.MPL"_s, "MPLS0200\x00\x00\x00");
    // A STREAM that is a file makes no card.
    const QString fake = reel::test::scratchDir() + u"/fake"_s;
    reel::test::writeFile(fake + u"/BDMV/STREAM"_s, "not a folder");

    QStringList empties;
    EXPECT_EQ(discoverSources({root + u"/"_s, emptyFolder, u"/elsewhere/loose.avi"_s, card, fake}, &empties),
              (videos + QStringList{u"/elsewhere/loose.avi"_s, garbled, empty}));
    EXPECT_EQ(empties, (QStringList{emptyFolder, fake}));
    for (const QString &clip : {garbled, empty}) {
        // Without a playlist that says more: named by the file's date, read
        // as no video.
        static const QRegularExpression dated(u"^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-0000[12]$"_s);
        const SourceInfo source = probeSource(clip);
        EXPECT_TRUE(dated.match(source.title).hasMatch()) << source.title.toStdString();
        EXPECT_FALSE(source.usable());
    }
}
