#include "probing/sample.h"

#include "model/tools.h"

#include <reel/core.h>
#include <reel/files.h>

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace convert {

bool makeSampleClip(const QString &path, const SampleClip &settings, QString *error, const RunLimits &limits)
{
    if (path.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Sample", "no private temporary folder to make the sample in");
        return false;
    }
    const QString seconds = QString::number(settings.seconds, 'f', 3);
    QStringList words{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                      QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("testsrc2=size=%1x%2:rate=%3:duration=%4")
                          .arg(settings.width)
                          .arg(settings.height)
                          .arg(settings.rate, seconds)};
    if (settings.audio) {
        words << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
              << QStringLiteral("sine=frequency=440:beep_factor=4:sample_rate=48000:duration=%1").arg(seconds);
    }
    if (settings.grain)
        words << QStringLiteral("-vf") << QStringLiteral("noise=alls=40:allf=t+u");
    words << QStringLiteral("-c:v") << QStringLiteral("mpeg4") << QStringLiteral("-q:v") << QStringLiteral("2");
    if (settings.audio)
        words << QStringLiteral("-c:a") << QStringLiteral("pcm_s16le");
    // Made under a name of its own and renamed over the sample in one step:
    // a second run making the sample meanwhile never reads half a file.
    QString why;
    const QString partial = reel::createUniqueFile(reel::stringByDeletingLastPathComponent(path),
                                                   QStringLiteral(".reelkit_sample-"), QStringLiteral(".mkv"), &why);
    if (partial.isNull()) {
        if (error)
            *error = QCoreApplication::translate("Sample", "ffmpeg could not make the sample %1: %2").arg(path, why);
        return false;
    }
    words << partial;
    const RunResult run = runBounded(toolPath(QStringLiteral("ffmpeg")), words, limits);
    if (run.succeeded() && reel::poidsFile(partial, QStringLiteral("O")) > 0
        && ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    reel::rmCocoa(partial);
    if (error) {
        const QString unfinished = unfinishedRunText(QStringLiteral("ffmpeg"), run, limits);
        const QString said = unfinished.isEmpty() ? QString::fromUtf8(run.err).trimmed() : unfinished;
        *error = QCoreApplication::translate("Sample", "ffmpeg could not make the sample %1%2")
                     .arg(path, said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    }
    return false;
}

QString builtInSamplePath()
{
    const QString folder = reel::getTMPFOLDER();
    if (folder.isEmpty())
        return QString();
    reel::mkdirCocoa(folder);
    return reel::stringByAppendingPathComponent(folder, QStringLiteral("reelkit_sample.mkv"));
}

} // namespace convert
