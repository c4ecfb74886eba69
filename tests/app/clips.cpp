#include "clips.h"

#include "sandbox.h"

#include <tools.h>

#include <gtest/gtest.h>

#include <cmath>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace convert::test {

namespace {

// The shared clips live beside the per-test folders and go at the end.
QString sharedFolder()
{
    return reel::test::sandboxRoot() + QStringLiteral("/clips");
}

class SharedClipsCleanup : public ::testing::Environment {
public:
    void TearDown() override { QDir(sharedFolder()).removeRecursively(); }
};

const auto *const cleanup = ::testing::AddGlobalTestEnvironment(new SharedClipsCleanup);

// Moving grain: something an encoder must spend its bits on.
const QString kGrain = QStringLiteral("noise=alls=30:allf=t+u");

QStringList picture(const QString &size, const QString &rate, const QString &seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3").arg(size, rate, seconds)};
}

QStringList sound(int frequency, const QString &seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=%1:sample_rate=48000:duration=%2").arg(frequency).arg(seconds)};
}

QStringList h264()
{
    return {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("ultrafast"),
            QStringLiteral("-crf"), QStringLiteral("18")};
}

QStringList aac()
{
    return {QStringLiteral("-c:a"), QStringLiteral("aac")};
}

bool ffmpeg(const QStringList &words)
{
    const ProgramRun run = runProgram(toolPath(QStringLiteral("ffmpeg")),
                                     QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                                                 QStringLiteral("-loglevel"), QStringLiteral("error"),
                                                 QStringLiteral("-y")}
                                         + words);
    if (run.exitCode != 0)
        ADD_FAILURE() << "ffmpeg " << words.join(QLatin1Char(' ')).toStdString() << ": " << run.err.toStdString();
    return run.exitCode == 0;
}

bool makeShared(Clip clip, const QString &path)
{
    const QString three = QStringLiteral("3");
    const QString vf = QStringLiteral("-vf");
    switch (clip) {
    case Clip::Ntsc2997:
        return ffmpeg(picture(QStringLiteral("320x240"), QStringLiteral("30000/1001"), three) + sound(440, three)
                      + QStringList{vf, kGrain} + h264() + aac() + QStringList{path});
    case Clip::Vfr:
        // A third, then half, then all of the frames: 10, 15 and 30 fps.
        return ffmpeg(picture(QStringLiteral("320x240"), QStringLiteral("30"), three) + sound(440, three)
                      + QStringList{vf,
                                    kGrain + QStringLiteral(",select='if(lt(t,1),not(mod(n,3)),"
                                                            "if(lt(t,2),not(mod(n,2)),1))'"),
                                    QStringLiteral("-fps_mode"), QStringLiteral("vfr")}
                      + h264() + aac() + QStringList{path});
    case Clip::Tracks: {
        const QString subtitles = sharedFolder() + QStringLiteral("/tracks.srt");
        QFile file(subtitles);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("1\n00:00:00,500 --> 00:00:01,500\nHello\n\n2\n00:00:02,000 --> 00:00:02,800\nWorld\n");
        file.close();
        return ffmpeg(picture(QStringLiteral("320x240"), QStringLiteral("25"), three) + sound(440, three)
                      + sound(880, three) + QStringList{QStringLiteral("-i"), subtitles}
                      + QStringList{QStringLiteral("-map"), QStringLiteral("0:v"), QStringLiteral("-map"),
                                    QStringLiteral("1:a"), QStringLiteral("-map"), QStringLiteral("2:a"),
                                    QStringLiteral("-map"), QStringLiteral("3:s"), vf, kGrain}
                      + h264() + aac()
                      + QStringList{QStringLiteral("-c:s"), QStringLiteral("srt"),
                                    QStringLiteral("-metadata:s:a:0"), QStringLiteral("language=fre"),
                                    QStringLiteral("-metadata:s:a:1"), QStringLiteral("language=eng"),
                                    QStringLiteral("-metadata:s:s:0"), QStringLiteral("language=eng"),
                                    QStringLiteral("-disposition:a:0"), QStringLiteral("0"),
                                    QStringLiteral("-disposition:a:1"), QStringLiteral("default"), path});
    }
    case Clip::Vertical:
        return ffmpeg(picture(QStringLiteral("180x320"), QStringLiteral("30"), three) + sound(440, three)
                      + QStringList{vf, kGrain} + h264() + aac() + QStringList{path});
    case Clip::Rotated: {
        // Phones store the picture as the sensor sees it and say how to turn it.
        const QString stored = sharedFolder() + QStringLiteral("/stored.mp4");
        return ffmpeg(picture(QStringLiteral("320x180"), QStringLiteral("30"), three) + sound(440, three)
                      + QStringList{vf, kGrain} + h264() + aac() + QStringList{stored})
               && ffmpeg({QStringLiteral("-i"), stored, QStringLiteral("-c"), QStringLiteral("copy"),
                          QStringLiteral("-metadata:s:v:0"), QStringLiteral("rotate=90"), path});
    }
    case Clip::Interlaced: {
        // Fields taken at 59.94 per second and woven in pairs.
        const QString two = QStringLiteral("2");
        return ffmpeg(picture(QStringLiteral("720x480"), QStringLiteral("60000/1001"), two) + sound(440, two)
                      + QStringList{vf, kGrain + QStringLiteral(",interlace=scan=tff:lowpass=0,setsar=8/9"),
                                    QStringLiteral("-c:v"), QStringLiteral("mpeg2video"), QStringLiteral("-flags"),
                                    QStringLiteral("+ildct+ilme"), QStringLiteral("-top"), QStringLiteral("1"),
                                    QStringLiteral("-b:v"), QStringLiteral("6M"), QStringLiteral("-c:a"),
                                    QStringLiteral("ac3"), path});
    }
    case Clip::Silent:
        return ffmpeg(picture(QStringLiteral("320x240"), QStringLiteral("25"), three) + QStringList{vf, kGrain}
                      + h264() + QStringList{path});
    case Clip::Hevc10:
        return ffmpeg(picture(QStringLiteral("320x240"), QStringLiteral("25"), three) + sound(440, three)
                      + QStringList{vf, kGrain, QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p10le"),
                                    QStringLiteral("-c:v"), QStringLiteral("libx265"), QStringLiteral("-preset"),
                                    QStringLiteral("ultrafast"), QStringLiteral("-x265-params"),
                                    QStringLiteral("log-level=error")}
                      + aac() + QStringList{path});
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

QString sharedName(Clip clip)
{
    switch (clip) {
    case Clip::Ntsc2997:
        return QStringLiteral("ntsc.mkv");
    case Clip::Vfr:
        return QStringLiteral("vfr.mp4");
    case Clip::Tracks:
        return QStringLiteral("tracks.mkv");
    case Clip::Vertical:
        return QStringLiteral("vertical.mp4");
    case Clip::Rotated:
        return QStringLiteral("rotated.mp4");
    case Clip::Interlaced:
        return QStringLiteral("interlaced.mpg");
    case Clip::Silent:
        return QStringLiteral("silent.mp4");
    case Clip::Hevc10:
        return QStringLiteral("hevc10.mkv");
    case Clip::Long:
        return QStringLiteral("long.mkv");
    }
    return QString();
}

} // namespace

QString makeClip(const QString &name, const SampleClip &settings)
{
    const QString path = reel::test::scratchDir() + QLatin1Char('/') + name;
    QString error;
    if (!makeSampleClip(path, settings, &error)) {
        ADD_FAILURE() << error.toStdString();
        return QString();
    }
    return path;
}

SampleClip grainyClip()
{
    SampleClip settings;
    settings.seconds = 3;
    settings.width = 320;
    settings.height = 240;
    settings.grain = true;
    return settings;
}

QString sharedClip(Clip clip)
{
    static QHash<int, QString> made;
    const auto known = made.constFind(int(clip));
    if (known != made.cend() && QFile::exists(*known))
        return *known;
    QDir().mkpath(sharedFolder());
    const QString path = sharedFolder() + QLatin1Char('/') + sharedName(clip);
    if (!makeShared(clip, path) || !QFile::exists(path))
        return QString();
    made.insert(int(clip), path);
    return path;
}

QString probe(const QString &path, const QString &entry, const QString &streamSelector)
{
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("error")};
    if (!streamSelector.isEmpty())
        arguments << QStringLiteral("-select_streams") << streamSelector;
    arguments << QStringLiteral("-show_entries") << entry << QStringLiteral("-of")
              << QStringLiteral("default=noprint_wrappers=1:nokey=1") << path;
    const ProgramRun result = runProgram(toolPath(QStringLiteral("ffprobe")), arguments);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.first().trimmed();
}

namespace {

double ratioText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2 || parts.at(1).toDouble() == 0 || parts.at(0).toDouble() == 0)
        return 1;
    return parts.at(0).toDouble() / parts.at(1).toDouble();
}

} // namespace

Facts facts(const QString &path)
{
    const ProgramRun run = runProgram(
        toolPath(QStringLiteral("ffprobe")),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
         QStringLiteral("format=duration:stream=codec_type,codec_name,width,height,sample_aspect_ratio,"
                        "display_aspect_ratio,field_order:stream_tags=language:stream_side_data=rotation"),
         QStringLiteral("-of"), QStringLiteral("json"), path});
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    Facts found;
    found.duration = root.value(QLatin1String("format")).toObject().value(QLatin1String("duration")).toString().toDouble();
    bool video = false;
    for (const QJsonValue &value : root.value(QLatin1String("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        found.types << type;
        if (type == QLatin1String("video") && !video) {
            video = true;
            found.fieldOrder = stream.value(QLatin1String("field_order")).toString();
            found.displayAspectFlag = stream.value(QLatin1String("display_aspect_ratio")).toString();
            found.sampleAspect = ratioText(stream.value(QLatin1String("sample_aspect_ratio")).toString());
            const double width = stream.value(QLatin1String("width")).toDouble();
            const double height = stream.value(QLatin1String("height")).toDouble();
            int rotation = 0;
            for (const QJsonValue &side : stream.value(QLatin1String("side_data_list")).toArray())
                rotation = side.toObject().value(QLatin1String("rotation")).toInt(rotation);
            const double shown = height > 0 ? width * found.sampleAspect / height : 0;
            found.shownAspect = std::abs(rotation) % 180 == 90 && shown > 0 ? 1 / shown : shown;
        }
        const QString language = stream.value(QLatin1String("tags")).toObject().value(QLatin1String("language")).toString();
        if (type == QLatin1String("audio") && found.audioLanguage.isEmpty())
            found.audioLanguage = language;
        if (type == QLatin1String("subtitle") && found.subtitleCodec.isEmpty())
            found.subtitleCodec = stream.value(QLatin1String("codec_name")).toString();
    }
    return found;
}

Area pictureArea(const QString &path)
{
    const ProgramRun run = runProgram(toolPath(QStringLiteral("ffmpeg")),
                                     {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-i"),
                                      path, QStringLiteral("-vf"),
                                      QStringLiteral("cropdetect=limit=24:round=2:reset=0"), QStringLiteral("-an"),
                                      QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    static const QRegularExpression crop(QStringLiteral("crop=(\\d+):(\\d+):\\d+:\\d+"));
    Area area;
    QRegularExpressionMatchIterator matches = crop.globalMatch(run.err);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        area.width = match.captured(1).toInt();
        area.height = match.captured(2).toInt();
    }
    return area;
}

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start();
    ProgramRun result;
    if (!process.waitForStarted() || !process.waitForFinished(300000)) {
        ADD_FAILURE() << "could not run " << program.toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QString outFolder(const QString &name)
{
    const QString folder = reel::test::scratchDir() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    return folder;
}

QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&file);
    return hash.result().toHex();
}

} // namespace convert::test
