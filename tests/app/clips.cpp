#include "clips.h"

#include "bundles.h"
#include "sandbox.h"

#include <model/tools.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <csignal>

using namespace Qt::StringLiterals;

namespace convert::test {

namespace {

// The shared clips outlive the per-test folders, in one the sandbox removes
// at the end.
QString sharedFolder()
{
    return reel::test::sandboxRoot() + u"/run/clips"_s;
}

// Three seconds of a moving test picture at that size and rate.
QStringList picture(const QString &size, const QString &rate)
{
    return lavfi(u"testsrc2=size=%1:rate=%2:duration=3"_s.arg(size, rate));
}

QStringList sound(int frequency)
{
    return lavfi(u"sine=frequency=%1:sample_rate=48000:duration=3"_s.arg(frequency));
}

// Moving grain, something an encoder must spend its bits on, and H.264.
const QStringList kH264{u"-vf"_s, u"noise=alls=30:allf=t+u"_s, u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-crf"_s, u"18"_s};

bool makeShared(Clip clip, const QString &path)
{
    switch (clip) {
    case Clip::Ntsc2997:
        return ffmpeg(picture(u"320x240"_s, u"30000/1001"_s) + sound(440) + kH264
                      + QStringList{u"-c:a"_s, u"aac"_s, path});
    case Clip::Tracks: {
        const QString subtitles = reel::test::writeFile(sharedFolder() + u"/tracks.srt"_s,
            "1\n00:00:00,500 --> 00:00:01,500\nHello\n\n2\n00:00:02,000 --> 00:00:02,800\nWorld\n");
        return ffmpeg(picture(u"320x240"_s, u"25"_s) + sound(440) + sound(880) + QStringList{u"-i"_s, subtitles}
                      + QStringList{u"-map"_s, u"0:v"_s, u"-map"_s, u"1:a"_s, u"-map"_s, u"2:a"_s, u"-map"_s, u"3:s"_s}
                      + kH264
                      + QStringList{u"-c:a"_s, u"aac"_s, u"-c:s"_s, u"srt"_s, u"-metadata:s:a:0"_s, u"language=fre"_s,
                                    u"-metadata:s:a:1"_s, u"language=eng"_s, u"-metadata:s:s:0"_s, u"language=eng"_s,
                                    u"-disposition:a:0"_s, u"0"_s, u"-disposition:a:1"_s, u"default"_s, path});
    }
    case Clip::Silent:
        return ffmpeg(picture(u"320x240"_s, u"25"_s) + kH264 + QStringList{path});
    case Clip::Long: {
        SampleClip settings;
        settings.seconds = 30;
        settings.width = 320;
        settings.height = 240;
        QString error;
        if (!makeSampleClip(path, settings, &error))
            ADD_FAILURE() << error.toStdString();
        return QFile::exists(path);
    }
    }
    return false;
}

} // namespace

bool ffmpeg(const QStringList &words)
{
    const ProgramRun run = runProgram(toolPath(u"ffmpeg"_s),
                                     QStringList{u"-nostdin"_s, u"-hide_banner"_s, u"-loglevel"_s, u"error"_s, u"-y"_s} + words);
    if (run.exitCode != 0)
        ADD_FAILURE() << "ffmpeg " << words.join(u' ').toStdString() << ": " << run.err.toStdString();
    return run.exitCode == 0;
}

QStringList lavfi(const QString &source)
{
    return {u"-f"_s, u"lavfi"_s, u"-i"_s, source};
}

QString dvdStream(const QString &path, double seconds)
{
    ffmpeg(lavfi(u"testsrc2=size=720x576:rate=25:duration=%1"_s.arg(seconds))
           + lavfi(u"sine=duration=%1:sample_rate=48000"_s.arg(seconds))
           + QStringList{u"-c:v"_s, u"mpeg2video"_s, u"-b:v"_s, u"3000k"_s, u"-c:a"_s, u"ac3"_s, u"-aspect"_s, u"4:3"_s,
                         u"-f"_s, u"dvd"_s, path});
    return path;
}

DiscJob discOf(const QString &folder, int titles, float seconds)
{
    DiscJob job{.preset = *presetById(u"dvd-pal"_s), .destination = folder};
    const QString mpeg = dvdStream(folder + u"/titles.mpg"_s, seconds);
    for (int i = 1; i <= titles; ++i)
        job.titles << DiscTitle{.mpeg = mpeg, .title = u"t%1"_s.arg(i), .duration = seconds, .aspect = u"4:3"_s};
    return job;
}

QString sharedClip(Clip clip)
{
    static const char *const names[] = {"ntsc.mkv", "tracks.mkv", "silent.mp4", "long.mkv"};
    static QHash<int, QString> made;
    const auto known = made.constFind(int(clip));
    if (known != made.cend() && QFile::exists(*known))
        return *known;
    QDir().mkpath(sharedFolder());
    const QString path = sharedFolder() + u'/' + QString::fromUtf8(names[int(clip)]);
    if (!makeShared(clip, path) || !QFile::exists(path))
        return QString();
    made.insert(int(clip), path);
    return path;
}

JobSettings planOne(const QString &clip, const QString &presetId, const Budget &budget, const QString &destination)
{
    const Plan plan = planJobs({probeSource(clip)}, presetById(presetId).value(), budget, {}, destination);
    EXPECT_TRUE(plan.problems.isEmpty()) << plan.problems.join(u'\n').toStdString();
    return plan.jobs.value(0);
}

void runToEnd(ConversionJob &job)
{
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start();
    if (!job.isDone())
        EXPECT_TRUE(finished.wait(kWaitMs));
}

QString probe(const QString &path, const QString &entry, const QString &streamSelector)
{
    QStringList arguments{u"-v"_s, u"error"_s};
    if (!streamSelector.isEmpty())
        arguments << u"-select_streams"_s << streamSelector;
    arguments << u"-show_entries"_s << entry << u"-of"_s << u"default=noprint_wrappers=1:nokey=1"_s << path;
    const QStringList lines = runProgram(toolPath(u"ffprobe"_s), arguments).out.split(u'\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.join(u',').trimmed();
}

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setWorkingDirectory(workingDirectory); // none: this program's
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        ADD_FAILURE() << "could not run " << program.toStdString();
        process.kill();
        process.waitForFinished();
        return ProgramRun();
    }
    return ProgramRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

ProgramRun convertWith(const QStringList &arguments, const QString &workingDirectory)
{
    return runProgram(QStringLiteral(REELKIT_CONVERT_EXE), arguments,
                      workingDirectory.isEmpty() ? reel::test::scratchDir() : workingDirectory);
}

bool Started::waitForOutput(const QString &pattern, int ms)
{
    const QRegularExpression line(pattern, QRegularExpression::MultilineOption);
    const auto seen = [&] { return line.match(QString::fromUtf8(out)).hasMatch(); };
    return QTest::qWaitFor([&] {
        out += process->readAllStandardOutput();
        return seen() || process->state() == QProcess::NotRunning;
    }, ms) && seen();
}

Started startConverter(const QStringList &arguments)
{
    Started started;
    started.process->setStandardInputFile(QProcess::nullDevice());
    started.process->setWorkingDirectory(reel::test::scratchDir());
    started.process->start(QStringLiteral(REELKIT_CONVERT_EXE), arguments);
    EXPECT_TRUE(started.process->waitForStarted());
    return started;
}

QString bundleWithTool(const QString &tool, const QByteArray &script)
{
    static int made = 0; // one bundle per call, even for the same tool
    const QString bundle = reel::test::makeBundle(u"Stand-in %1 %2"_s.arg(tool).arg(++made), {}, true);
    const QString path = bundle + u"/Contents/Resources/tools/"_s + tool;
    QFile::remove(path);
    reel::test::writeFile(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return bundle;
}

QString hangingProbeBundle(const QString &pidFile)
{
    return bundleWithTool(u"ffprobe"_s, u"#!/bin/sh\necho $$ > '%1'\nexec sleep 60\n"_s.arg(pidFile).toUtf8());
}

std::optional<reel::test::ScopedBundle> toolsOf(const QString &bundle)
{
    if (bundle.isEmpty())
        return std::nullopt;
    return std::optional<reel::test::ScopedBundle>(std::in_place, bundle);
}

bool processGone(const QString &pidFile)
{
    const pid_t pid = reel::test::readFile(pidFile).trimmed().toInt();
    return pid > 0 && QTest::qWaitFor([pid] { return ::kill(pid, 0) == -1 && errno == ESRCH; }, 10000);
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QString outFolder(const QString &name)
{
    const QString folder = reel::test::scratchDir() + u'/' + name;
    QDir().mkpath(folder);
    return folder;
}

StreamInfo stream(int index, const char *type, const char *codec, bool isDefault, const char *language)
{
    const bool video = qstrcmp(type, "video") == 0;
    return StreamInfo{.index = index, .type = QString::fromUtf8(type), .codec = QString::fromUtf8(codec),
                      .language = QString::fromUtf8(language), .isDefault = isDefault, .width = video ? 320 : 0,
                      .height = video ? 240 : 0, .fps = video ? 25.0f : 0};
}

SourceInfo sourceWith(const QList<StreamInfo> &streams, float duration)
{
    SourceInfo source{.path = u"/videos/a.mkv"_s, .title = u"a"_s, .duration = duration, .streams = streams};
    for (int i = 0; i < streams.size(); ++i) {
        if (source.videoStream < 0 && streams.at(i).type == "video"_L1 && !streams.at(i).attachedPicture)
            source.videoStream = i;
        source.hasAudio = source.hasAudio || streams.at(i).type == "audio"_L1;
    }
    source.width = 320;
    source.height = 240;
    source.displayAspect = 4.0f / 3.0f;
    source.fieldOrder = FieldOrder::Progressive;
    return source;
}

} // namespace convert::test
