// The terminal form run as the program itself: exit codes and plain
// messages, the log never written through a link, nothing made without a
// temporary folder, the dry run, and the interrupts (Ctrl-C during a probe
// or at a question, a closed output pipe).
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <model/options.h>
#include <probing/sample.h>
#include <probing/toolfonts.h>

#include <reel/core.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

// Each line of a --json run's standard output, read with Qt's JSON parser;
// the test fails at a line that is not one JSON object of version 1.
QList<QJsonObject> jsonEvents(const QString &out)
{
    QList<QJsonObject> events;
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_TRUE(document.isObject()) << error.errorString().toStdString() << ": " << line.toStdString();
        EXPECT_EQ(document.object().value(u"version"_s).toInt(), 1) << line.toStdString();
        events << document.object();
    }
    return events;
}

QStringList eventNames(const QList<QJsonObject> &events)
{
    QStringList names;
    for (const QJsonObject &event : events) {
        if (names.isEmpty() || names.last() != event.value(u"event"_s).toString())
            names << event.value(u"event"_s).toString();
    }
    return names;
}

} // namespace

TEST(Terminal, MistakesExitWithTheirCodeAndAPlainMessage)
{
    const QString clip = sharedClip(Clip::Silent);
    ASSERT_FALSE(clip.isNull());
    const QString s = reel::test::scratchDir();
    const QString text = reel::test::writeFile(s + u"/notes.txt"_s, "words\n");
    const QString out = s + u"/out"_s;
    const QString kept = reel::test::writeFile(s + u"/kept/silent.mp4"_s, "precious");
    const QString bare = reel::test::makeBundle(u"Bare"_s, {}, false);
    // No platform plugin forced: the program looks for a display itself.
    const reel::test::ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr);
    const reel::test::ScopedEnv noWayland("WAYLAND_DISPLAY", nullptr);

    const struct {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString says; // on the error output
        const char *display = nullptr;
        bool withoutTools = false;
    } cases[] = {
        {"unknown option", {u"--bogus"_s}, kExitUsage,
         u"reelkit-convert: unknown option '--bogus'\nTry 'reelkit-convert --help'.\n"_s},
        {"a disc too large", {u"-p"_s, u"dvd-pal"_s, u"--disc"_s, u"-s"_s, u"5000"_s, u"-o"_s, out, clip}, kExitUsage,
         u"a target size of 4393 MB fits\nGive --size 4393 or --dual-layer.\n"_s},
        {"a bad source among good ones", {text, clip}, kExitBadSource, u"cannot be read"_s},
        {"an existing output", {u"-o"_s, s + u"/kept"_s, clip}, kExitOutputExists,
         kept + u" already exists and is kept (give --overwrite to replace it)"_s},
        {"no tools", {clip}, kExitMissingTool, u"missing tools: ffmpeg, ffprobe"_s, nullptr, true},
        {"the window without a display", {u"--window"_s}, kExitUsage,
         u"reelkit-convert: the window needs a display (DISPLAY or WAYLAND_DISPLAY); without one"_s},
        // A display that nobody serves: Qt itself would abort.
        {"the window on a display nobody serves", {u"--window"_s}, kExitUsage,
         u"reelkit-convert: the window needs a display, and no display answers at DISPLAY=':4711'; without one, give "
         "the files to convert in the terminal\n"_s, ":4711"},
        // A bare start, as from a desktop menu, falls back to the terminal.
        {"a bare start on a display nobody serves", {}, kExitMissingTool,
         u"reelkit-convert: the window needs a display, and no display answers at DISPLAY=':4711'; converting in the "
         "terminal instead\n"_s, ":4711", true},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const reel::test::ScopedEnv display("DISPLAY", c.display);
        const auto tools = toolsOf(c.withoutTools ? bare : QString());
        const ProgramRun result = convertWith(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.says)) << result.err.toStdString();
    });
    // Nothing was converted by any of them.
    EXPECT_EQ(namesIn(out), QStringList());
    EXPECT_EQ(reel::test::readFile(kept), QByteArray("precious"));
    EXPECT_TRUE(convertWith({u"-h"_s}).out.startsWith(u"Usage: reelkit-convert [-p PRESET] [-q CRF | -s MB | -b KBPS]"_s));
}

TEST(Terminal, ALinkPlantedAsTheLogIsNeverWrittenThrough)
{
    // The converter makes a new log in its temporary folder on every run;
    // a link left under the log's name must not make it truncate the
    // link's target. (A named bundle without tools: the run stops early, and
    // this process and the converter agree on the folder.)
    const reel::test::ScopedBundle bare(reel::test::makeBundle(u"Bare"_s, {{u"CFBundleName"_s, u"Bare"_s}}, false));
    const QString precious = reel::test::writeFile(reel::test::scratchDir() + u"/precious"_s, "precious");
    const QString log = reel::getTMPFOLDER() + u"/reelkit-convert.log"_s;
    ASSERT_TRUE(QFile::link(precious, log));
    const ProgramRun result = convertWith({u"clip.mkv"_s});
    EXPECT_EQ(result.exitCode, kExitMissingTool) << result.err.toStdString();
    EXPECT_EQ(reel::test::readFile(precious), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_TRUE(QFileInfo(log).isFile());
}

TEST(Terminal, WithoutATemporaryFolderNothingIsMadeElsewhere)
{
    // The sample, the link to the bundle and the fonts' cache would have
    // been made in the working folder.
    const QString here = reel::test::scratchDir();
    const reel::test::ScopedCwd cwd(here);
    reel::setTMPFOLDER(u""_s);
    QString error;
    EXPECT_TRUE(builtInSamplePath().isNull());
    EXPECT_FALSE(makeSampleClip(builtInSamplePath(), SampleClip(), &error));
    Said fonts;
    EXPECT_FALSE(prepareToolFonts(&fonts));
    EXPECT_TRUE(QDir(here).isEmpty());
}

TEST(Terminal, ADryRunShowsThePlanTracksAndCommandsAndChangesNothing)
{
    const QString out = reel::test::scratchDir() + u"/not yet"_s;
    const ProgramRun result = convertWith({u"-n"_s, u"-s"_s, u"1"_s, u"-o"_s, out, sharedClip(Clip::Tracks)});
    ASSERT_EQ(result.exitCode, kExitOk) << result.err.toStdString();
    for (const QString &said : {u"tracks: kept video #0 (h264, 320x240), audio #2 (aac, eng, default)"_s,
                                u"ffmpeg pass 2 of 2: "_s, u"'%1/tracks.mp4'"_s.arg(out), u"Dry run: nothing was converted"_s})
        EXPECT_TRUE(result.out.contains(said)) << said.toStdString() << "\n" << result.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

// Ctrl-C while ffprobe hangs (a stalled share): the program ends, and the
// probe with it.
TEST(Terminal, AnInterruptEndsAProbeThatHangs)
{
    const QString pidFile = reel::test::scratchDir() + u"/ffprobe.pid"_s;
    const QString clip = sharedClip(Clip::Silent);
    const reel::test::ScopedBundle slow(hangingProbeBundle(pidFile));
    QProcess program;
    program.setStandardInputFile(QProcess::nullDevice());
    program.start(QStringLiteral(REELKIT_CONVERT_EXE), {u"-o"_s, reel::test::scratchDir(), clip});
    ASSERT_TRUE(QTest::qWaitFor([&] { return reel::test::readFile(pidFile).size() > 1; }, 60000));
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(30000)); // the stand-in would hold it for 60 s
    EXPECT_EQ(program.exitCode(), kExitInterrupted) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(processGone(pidFile));
}

// The end of the output pipe (a closed terminal, "| head") and Ctrl-C at a
// question end the run as an interrupt: exit 130, partial work removed.
TEST(Terminal, AClosedPipeOrCtrlCAtAQuestionEndsTheRunCleanly)
{
    const QString clip = sharedClip(Clip::Long);
    const QString folder = outFolder(u"pipe"_s);
    // "reelkit-convert ... | head -n 6": head leaves after the sixth line,
    // and the converter's next line finds no reader.
    const ProgramRun piped = runProgram(
        u"bash"_s, {u"-c"_s, u"\"$0\" \"$@\" | head -n 6 >/dev/null; exit ${PIPESTATUS[0]}"_s,
                    QStringLiteral(REELKIT_CONVERT_EXE), u"-b"_s, u"2000"_s, u"-o"_s, folder, clip});
    EXPECT_EQ(piped.exitCode, kExitInterrupted) << piped.err.toStdString();
    EXPECT_TRUE(piped.err.contains(u"interrupted"_s)) << piped.err.toStdString();
    EXPECT_EQ(namesIn(folder), QStringList());

    // The question needs a terminal: script gives the converter one.
    if (QStandardPaths::findExecutable(u"script"_s).isEmpty())
        GTEST_SKIP() << "no script(1) to give the converter a terminal";
    const QString asked = outFolder(u"asked"_s);
    const QString silent = sharedClip(Clip::Silent);
    reel::test::writeFile(asked + u"/silent.mp4"_s, "precious");
    reel::test::writeFile(asked + u"/ntsc.mp4"_s, "precious");
    const QString pidFile = reel::test::scratchDir() + u"/convert.pid"_s;
    const QString command = u"echo $$ > '%1'; exec '%2' -o '%3' '%4' '%5'"_s.arg(
        pidFile, QStringLiteral(REELKIT_CONVERT_EXE), asked, silent, sharedClip(Clip::Ntsc2997));
    Started terminal;
    terminal.process->setProcessChannelMode(QProcess::MergedChannels);
    terminal.process->start(u"script"_s, {u"-q"_s, u"-e"_s, u"-c"_s, command, u"/dev/null"_s});
    ASSERT_TRUE(terminal.waitForOutput(u"Replace it\\? \\[y/N\\]"_s)) << terminal.out.toStdString();
    ::kill(pid_t(reel::test::readFile(pidFile).trimmed().toInt()), SIGINT);
    ASSERT_TRUE(terminal.process->waitForFinished(30000));
    terminal.out += terminal.process->readAllStandardOutput();
    EXPECT_EQ(terminal.process->exitCode(), kExitInterrupted) << terminal.out.toStdString();
    EXPECT_EQ(terminal.out.count("Replace it?"), 1) << terminal.out.toStdString();
    EXPECT_EQ(namesIn(asked), (QStringList{u"ntsc.mp4"_s, u"silent.mp4"_s}));
    EXPECT_EQ(reel::test::readFile(asked + u"/silent.mp4"_s), QByteArray("precious"));
}

TEST(Terminal, JsonGivesEveryEventAsOneObjectPerLineAndNothingElse)
{
    const QString folder = outFolder();
    const struct {
        const char *name;
        QStringList arguments;
        int exitCode;
        QStringList events; // in order, repeats folded
    } cases[] = {
        {"a part converted", {u"--duration"_s, u"2"_s, sharedClip(Clip::Silent)}, kExitOk,
         {u"plan"_s, u"progress"_s, u"result"_s, u"summary"_s}},
        {"a source that is no video", {reel::test::scratchDir() + u"/none.mp4"_s}, kExitBadSource, {u"summary"_s}},
        {"a bad option", {u"--start"_s, u"soon"_s}, kExitUsage, {u"summary"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const ProgramRun run = convertWith(QStringList{u"--json"_s, u"-o"_s, folder} + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        const QList<QJsonObject> events = jsonEvents(run.out);
        ASSERT_EQ(eventNames(events), c.events) << run.out.toStdString();
        const QJsonObject summary = events.last();
        EXPECT_EQ(summary.value(u"exitCode"_s).toInt(), c.exitCode);
        if (c.exitCode != kExitOk) {
            EXPECT_FALSE(summary.value(u"problems"_s).toArray().isEmpty());
            return;
        }
        const QJsonObject job = events.first().value(u"jobs"_s).toArray().at(0).toObject();
        EXPECT_DOUBLE_EQ(job.value(u"seconds"_s).toDouble(), 2);
        const QJsonObject result = events.at(events.size() - 2);
        EXPECT_EQ(result.value(u"state"_s).toString(), u"done"_s);
        EXPECT_TRUE(result.value(u"verified"_s).toBool());
        EXPECT_EQ(result.value(u"bytes"_s).toInteger(), QFileInfo(result.value(u"output"_s).toString()).size());
        EXPECT_GT(events.at(1).value(u"fps"_s).toDouble(), 0);
        EXPECT_TRUE(run.err.contains(u"converted and verified"_s)); // what a person reads goes there
    });
}

// A batch spread by GNU parallel over two slots, as the README shows it.
TEST(Terminal, GnuParallelSpreadsABatchAndEveryRunReportsInJson)
{
    const QString parallel = QStandardPaths::findExecutable(u"parallel"_s);
    if (parallel.isEmpty())
        GTEST_SKIP() << "GNU parallel is not installed (scripts/setup.sh installs it)";
    QStringList clips;
    for (const char *name : {"one", "two", "three", "four"}) {
        clips << reel::test::scratchDir() + u"/%1.mp4"_s.arg(QLatin1String(name));
        ASSERT_TRUE(QFile::copy(sharedClip(Clip::Silent), clips.last()));
    }
    const QString folder = outFolder();
    const ProgramRun run = runProgram(parallel, QStringList{u"--will-cite"_s, u"--jobs"_s, u"2"_s, u"--halt"_s,
                                                            u"never"_s, QStringLiteral(REELKIT_CONVERT_EXE), u"--json"_s, u"-o"_s,
                                                            folder, u"{}"_s, u":::"_s}
                                                    + clips);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList outputs;
    int summaries = 0;
    for (const QJsonObject &event : jsonEvents(run.out)) {
        if (event.value(u"event"_s) == u"result"_s) {
            EXPECT_TRUE(event.value(u"verified"_s).toBool());
            outputs << QFileInfo(event.value(u"output"_s).toString()).fileName();
        }
        summaries += event.value(u"event"_s) == u"summary"_s && event.value(u"exitCode"_s).toInt() == 0;
    }
    outputs.sort();
    EXPECT_EQ(outputs, (QStringList{u"four.mp4"_s, u"one.mp4"_s, u"three.mp4"_s, u"two.mp4"_s}));
    EXPECT_EQ(namesIn(folder).size(), 4);
    EXPECT_EQ(summaries, 4);
}

TEST(Terminal, APresetSavedIsUsedAgainAndAMalformedOneIsRefusedWithItsLine)
{
    const ProgramRun saved = convertWith({u"-p"_s, u"mkv"_s, u"-q"_s, u"35"_s, u"--audio-codec"_s, u"opus"_s,
                                          u"--save-preset"_s, u"small"_s});
    ASSERT_EQ(saved.exitCode, kExitOk) << saved.err.toStdString();
    const QString folder = outFolder();
    const ProgramRun used = convertWith({u"-p"_s, u"small"_s, u"-o"_s, folder, sharedClip(Clip::Tracks)});
    ASSERT_EQ(used.exitCode, kExitOk) << used.err.toStdString();
    EXPECT_EQ(namesIn(folder), QStringList{u"tracks.mkv"_s});
    EXPECT_EQ(probe(folder + u"/tracks.mkv"_s, u"stream=codec_name"_s, u"a:0"_s), u"opus"_s);
    EXPECT_TRUE(convertWith({u"--list-presets"_s}).out.contains(u"small        --preset=mkv --quality=35"_s));

    const QString given = reel::test::writeFile(reel::test::scratchDir() + u"/from a friend.plist"_s,
                                                "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                                "<key>preset</key><string>mp4</string>\n"
                                                "<key>speed</key><string>warp</string>\n</dict></plist>\n");
    const ProgramRun refused = convertWith({u"--preset-file"_s, given, sharedClip(Clip::Tracks)});
    EXPECT_EQ(refused.exitCode, kExitUsage);
    EXPECT_TRUE(refused.err.contains(u"from a friend.plist, line 5: --speed takes"_s)) << refused.err.toStdString();
}
