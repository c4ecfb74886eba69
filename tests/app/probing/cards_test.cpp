// Camera cards in the converter: one run of the time-stamp tool per card
// (a stand-in that counts its runs), clips named by their modification time
// and saying so, the tool's messages kept off the terminal, and a STREAM
// folder that cannot be read.
#include "avchdcard.h"
#include "bundles.h"
#include "clips.h"
#include "privileges.h"
#include "sandbox.h"
#include "scoped.h"

#include <model/options.h>
#include <probing/cards.h>
#include <probing/discovery.h>

#include <gtest/gtest.h>

#include <QFile>

#include <future>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

// A time-stamp tool that writes a line to runs each time it runs, names
// clips 00001 and 00002 whatever the card, and complains on its error
// output.
QString countingTimeStampTool(const QString &runs)
{
    return bundleWithTool(u"gettimestamps"_s,
                          u"#!/bin/sh\necho \"$1\" >> '%1'\n"
                          u"echo 'gettimestamps: clip 00009: no readable stream file' >&2\n"
                          u"echo '00001 : 2009-05-02 12:34:56'\necho '00002 : 2009-05-02 12:40:00'\n"_s.arg(runs)
                              .toUtf8());
}

int runsIn(const QString &runs)
{
    return int(reel::test::readFile(runs).count('\n'));
}

// <root>/BDMV/STREAM/<clip>.MTS with contents, and a playlist unless told.
QString makeCardOf(const QString &root, const QStringList &clips, const QByteArray &contents, bool playlist = true)
{
    for (const QString &clip : clips)
        reel::test::writeFile(root + u"/BDMV/STREAM/"_s + clip + u".MTS"_s, contents);
    if (playlist)
        reel::test::writeFile(root + u"/BDMV/PLAYLIST/00000.MPL"_s, reel::test::mplsBytes(clips));
    return root + u"/BDMV/STREAM/"_s;
}

const QDateTime kCopied(QDate(2010, 3, 4), QTime(5, 6, 7));

} // namespace

TEST(CameraCards, ACardIsReadOnceHoweverManyAskForItsClips)
{
    const QString s = reel::test::scratchDir();
    const QString runs = s + u"/runs"_s;
    const reel::test::ScopedBundle tool(countingTimeStampTool(runs));
    const QString stream = makeCardOf(s + u"/card"_s, {u"00001"_s, u"00002"_s}, "x");

    // The window's reader and the terminal may ask at once.
    std::vector<std::future<QString>> titles;
    for (int i = 0; i < 6; ++i)
        titles.push_back(std::async(std::launch::async, [&, i] { return sourceTitle(stream + u"0000%1.MTS"_s.arg(1 + i % 2)); }));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(titles[i].get(), i % 2 ? u"2009-05-02 12:40:00-00002"_s : u"2009-05-02 12:34:56-00001"_s);
    EXPECT_EQ(runsIn(runs), 1);

    // A clip the tool names has no note.
    QString note = u"none"_s;
    EXPECT_EQ(sourceTitle(stream + u"00001.MTS"_s, &note), u"2009-05-02 12:34:56-00001"_s);
    EXPECT_TRUE(note.isEmpty());

    // A playlist written since: the card is read again.
    reel::test::writeFile(s + u"/card/BDMV/PLAYLIST/00001.MPL"_s, reel::test::mplsBytes({u"00004"_s}));
    sourceTitle(stream + u"00001.MTS"_s);
    EXPECT_EQ(runsIn(runs), 2);
}

// The terminal tells how a clip was named: by the time-stamp tool, or by its
// modification time when the tool leaves it unnamed or the card has no
// playlist (neither reads the card again). The tool's messages go to the
// log, once, and never to the terminal.
TEST(CameraCards, TheTerminalSaysHowAClipWasNamedAndKeepsTheToolQuiet)
{
    const QString s = reel::test::scratchDir();
    const QByteArray video = reel::test::readFile(sharedClip(Clip::Silent));
    const QString runs = s + u"/runs"_s;
    const reel::test::ScopedBundle tool(countingTimeStampTool(runs));
    const QString card = s + u"/card"_s;
    const QString stream = makeCardOf(card, {u"00001"_s, u"00003"_s}, video);
    reel::test::setModificationTime(stream + u"00003.MTS"_s, kCopied);
    const QString bare = s + u"/bare"_s;
    reel::test::setModificationTime(makeCardOf(bare, {u"00002"_s}, video, false) + u"00002.MTS"_s, kCopied);

    const ProgramRun run = convertWith({u"-n"_s, u"-o"_s, outFolder(), card, bare});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err.toStdString();
    for (const QString &said :
         {u"\n2009-05-02 12:34:56-00001: "_s,
          u"\nclip-2010-03-04 05;06;07-00003: "_s,
          u"\n  title: named by the file's modification time: the time-stamp tool did not name this clip\n"_s,
          u"\nclip-2010-03-04 05;06;07-00002: "_s,
          u"\n  title: named by the file's modification time: the card has no playlist\n"_s})
        EXPECT_TRUE((u'\n' + run.out).contains(said)) << said.toStdString() << "\n" << run.out.toStdString();
    EXPECT_FALSE((run.out + run.err).contains(u"gettimestamps:"_s)) << run.err.toStdString();
    EXPECT_EQ(runsIn(runs), 1);

    // With --debug the log is on standard error: the message, once.
    const ProgramRun debug = convertWith({u"-n"_s, u"--debug"_s, u"-o"_s, outFolder(), card});
    ASSERT_EQ(debug.exitCode, kExitOk) << debug.err.toStdString();
    EXPECT_EQ(debug.err.count(u"gettimestamps: clip 00009"_s), 1);
    EXPECT_TRUE(debug.err.contains(u"iMovieNames         :-/ gettimestamps: clip 00009: no readable stream file\n"_s));
}

TEST(CameraCards, AStreamFolderThatCannotBeReadIsNamedWithWhy)
{
    const QString card = reel::test::scratchDir() + u"/card"_s;
    const QString stream = card + u"/PRIVATE/AVCHD/BDMV/STREAM"_s;
    reel::test::writeFile(stream + u"/00001.MTS"_s, "x");
    const QByteArray native = QFile::encodeName(stream);
    ASSERT_EQ(::chmod(native.constData(), 0), 0);
    struct Restore {
        ~Restore() { ::chmod(path.constData(), 0755); }
        QByteArray path;
    } restore{native};
    const QString said = u"cannot read the card's clips in %1: permission denied"_s.arg(stream);
    {
        // Root, too, is refused here.
        const reel::test::ScopedOwnerRightsOnly ownerRights;
        QStringList empty;
        QStringList unreadable;
        EXPECT_EQ(discoverSources({card}, &empty, {}, &unreadable), QStringList());
        EXPECT_EQ(unreadable, QStringList{said});
        EXPECT_EQ(empty, QStringList());
    }
    // The converter run as root reads the folder.
    if (::geteuid() == 0)
        return;
    const ProgramRun run = convertWith({u"-n"_s, card});
    EXPECT_EQ(run.exitCode, kExitBadSource) << run.err.toStdString();
    EXPECT_EQ(run.err, u"reelkit-convert: "_s + said + u"\n"_s);
}
