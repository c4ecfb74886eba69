#include "model/command.h"

#include <reel/task.h>

namespace convert {

namespace {

QString kbps(int value)
{
    return QString::number(value) + QLatin1Char('k');
}

QString streamWord(int index)
{
    return QStringLiteral("0:%1").arg(index);
}

// The encoder's statistics file: the name x264 makes of -passlogfile, given
// to x265 too so that one list of leftovers covers both.
QString statisticsFile(const QString &passlog)
{
    return passlog + QStringLiteral("-0.log");
}

// x265's own option list is "key=value:key=value"; a value is read with
// backslash escapes.
QString x265Value(QString value)
{
    for (const char special : {'\\', ':', '=', '\''})
        value.replace(QLatin1Char(special), QStringLiteral("\\") + QLatin1Char(special));
    return value;
}

// A value inside a filter's options inside a filter graph: its backslashes,
// quotes and colons escaped for the options, then quoted for the graph.
QString filterValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\'') || c == QLatin1Char(':'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('\'') + escaped.replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
}

// The picture's chain, with text subtitles drawn once the picture has its
// size (a DVD's display-aspect flag stays last).
QString videoChain(const JobSettings &job)
{
    QStringList filters = job.picture.filters;
    if (job.tracks.burn >= 0 && !job.tracks.burnPicture) {
        const qsizetype at = !filters.isEmpty() && filters.last().startsWith(QLatin1String("setdar=")) ? filters.size() - 1
                                                                                                      : filters.size();
        QString drawn = QStringLiteral("subtitles=filename=%1:si=%2")
                            .arg(filterValue(job.source.path))
                            .arg(job.tracks.burnOrdinal);
        // The filter reads its cues on the source's clock; a part that
        // starts later has its frames on a clock of its own.
        if (job.trim.start > 0) {
            const QString start = QString::number(job.trim.start, 'f', 3);
            drawn = QStringLiteral("setpts=PTS+%1/TB,%2,setpts=PTS-%1/TB").arg(start, drawn);
        }
        filters.insert(at, drawn);
    }
    return filters.join(QLatin1Char(','));
}

// Picture subtitles are laid over the frame as the source has it, before
// the chain: a graph whose output is "[v]".
bool overlaysPicture(const JobSettings &job)
{
    return job.tracks.burn >= 0 && job.tracks.burnPicture;
}

QStringList videoFilterArguments(const JobSettings &job)
{
    if (overlaysPicture(job))
        return {};
    return {QStringLiteral("-vf"), videoChain(job)};
}

// The part of the source read: seeking before the input decodes from the
// key frame before start and drops what comes before it, so the part
// starts at start exactly, and every pass reads the same frames.
QStringList sourceInput(const JobSettings &job)
{
    QStringList words;
    if (job.trim.start > 0)
        words << QStringLiteral("-ss") << QString::number(job.trim.start, 'f', 3);
    if (job.trim.length > 0)
        words << QStringLiteral("-t") << QString::number(job.trim.length, 'f', 3);
    return words << QStringLiteral("-i") << job.source.path;
}

const StreamInfo *streamAt(const SourceInfo &source, int index)
{
    for (const StreamInfo &stream : source.streams) {
        if (stream.index == index)
            return &stream;
    }
    return nullptr;
}

// A track copied as it is: with "copy" any the container holds; otherwise
// one already in the codec asked for, in stereo at most, within the rate.
bool copiesSound(const JobSettings &job, int outputTrack)
{
    if (job.preset.family != Family::Mp4 || (outputTrack == 0 && !job.soundInput.isEmpty()))
        return false;
    const StreamInfo *stream = streamAt(job.source, job.tracks.audio.at(outputTrack));
    if (!stream)
        return false;
    if (job.preset.audioCodec == QLatin1String("copy"))
        return holdsSound(job.preset, stream->codec);
    return stream->codec == job.preset.audioCodec && stream->channels >= 1 && stream->channels <= 2
           && stream->kbps > 0 && stream->kbps <= job.preset.audioKbps;
}

// ffmpeg's encoder for the preset's sound; AAC where a copy cannot be made.
QString soundEncoder(const Preset &preset)
{
    if (preset.audioCodec == QLatin1String("opus"))
        return QStringLiteral("libopus");
    if (preset.audioCodec == QLatin1String("ac3"))
        return QStringLiteral("ac3");
    return QStringLiteral("aac");
}

// Each sound track in the given codec at the presets' rate, 48 kHz stereo,
// its time stamps taken from the samples themselves (dvdauthor rejects the
// small jumps that a container's rounded stamps leave), or copied; marked
// default or not.
QStringList audioArguments(const JobSettings &job)
{
    const QString codec = soundEncoder(job.preset);
    QStringList words;
    for (int track = 0; track < job.tracks.audio.size(); ++track) {
        const QString a = QStringLiteral(":a:%1").arg(track);
        if (copiesSound(job, track)) {
            words << QStringLiteral("-c") + a << QStringLiteral("copy");
        } else {
            words << QStringLiteral("-filter") + a << QStringLiteral("aresample=async=1") << QStringLiteral("-c") + a
                  << codec << QStringLiteral("-b") + a << kbps(job.preset.audioKbps) << QStringLiteral("-ar") + a
                  << QStringLiteral("48000") << QStringLiteral("-ac") + a << QStringLiteral("2");
        }
        const bool marked = job.tracks.audio.at(track) == job.tracks.defaultAudio;
        words << QStringLiteral("-disposition") + a << (marked ? QStringLiteral("default") : QStringLiteral("0"));
    }
    return words;
}

QStringList dvdArguments(const JobSettings &job)
{
    // Constant bitrate: the only rate control of the MPEG-2 encoder that
    // fills a size on easy pictures as well as on hard ones.
    const Preset &preset = job.preset;
    const bool pal = preset.height == 576;
    QStringList words = videoFilterArguments(job);
    words << QStringList{QStringLiteral("-r"), ffmpegRate(preset.fps),
                         QStringLiteral("-aspect"), job.picture.aspect,
                         QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                         QStringLiteral("-c:v"), preset.videoEncoder,
                         QStringLiteral("-b:v"), kbps(job.videoKbps),
                         QStringLiteral("-minrate"), kbps(job.videoKbps),
                         QStringLiteral("-maxrate"), kbps(job.videoKbps),
                         QStringLiteral("-bufsize"), QStringLiteral("1835k"),
                         QStringLiteral("-g"), pal ? QStringLiteral("15") : QStringLiteral("18"),
                         QStringLiteral("-bf"), QStringLiteral("2")};
    if (isInterlaced(job.picture.output)) {
        // Fields coded apart, in the source's order.
        words << QStringLiteral("-flags") << QStringLiteral("+ildct+ilme") << QStringLiteral("-top")
              << (job.picture.output == FieldOrder::TopFirst ? QStringLiteral("1") : QStringLiteral("0"));
    }
    words << audioArguments(job);
    // The DVD muxer starts with a pack whose clock reference is zero, in the
    // 2048-byte sectors and at the mux rate of the DVD-Video format.
    // A DVD's own subpictures go as they are, in their own stream numbers
    // from 0x20 on.
    words << (job.tracks.subtitles.isEmpty() ? QStringList{QStringLiteral("-sn")}
                                             : QStringList{QStringLiteral("-c:s"), QStringLiteral("copy")})
          << QStringLiteral("-dn") << QStringLiteral("-f") << QStringLiteral("dvd")
          << QStringLiteral("-muxrate") << QStringLiteral("10080k") << QStringLiteral("-packetsize")
          << QStringLiteral("2048");
    return words;
}

QStringList mp4Arguments(const JobSettings &job, int pass, const QString &passlog)
{
    const bool last = pass >= passCount(job);
    const bool twoPass = passCount(job) > 1;
    const bool hevc = job.preset.videoEncoder == QLatin1String("libx265");
    // The frames keep their own times in every pass: ffmpeg would otherwise
    // make MP4 output constant-rate by repeating frames, which the null
    // output of the first pass does not, and the second pass would encode
    // frames the statistics never saw.
    QStringList words = videoFilterArguments(job);
    words << QStringList{QStringLiteral("-fps_mode"), QStringLiteral("vfr"),
                         QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                         QStringLiteral("-c:v"), job.preset.videoEncoder,
                         QStringLiteral("-preset"), job.preset.speed};
    if (!job.preset.profile.isEmpty())
        words << QStringLiteral("-profile:v") << job.preset.profile << QStringLiteral("-level:v") << job.preset.level;
    if (job.mode == Budget::Mode::Quality)
        words << QStringLiteral("-crf") << QString::number(job.crf);
    else
        words << QStringLiteral("-b:v") << kbps(job.videoKbps);
    if (hevc) {
        QString params = QStringLiteral("log-level=error");
        if (twoPass)
            params += QStringLiteral(":pass=%1:stats=%2").arg(pass).arg(x265Value(statisticsFile(passlog)));
        // "hvc1" is the tag Apple's players insist on.
        words << QStringLiteral("-x265-params") << params << QStringLiteral("-tag:v") << QStringLiteral("hvc1");
    } else if (twoPass) {
        words << QStringLiteral("-pass") << QString::number(pass) << QStringLiteral("-passlogfile") << passlog;
    }
    if (!last) {
        words << QStringLiteral("-an") << QStringLiteral("-sn") << QStringLiteral("-dn") << QStringLiteral("-f")
              << QStringLiteral("null");
        return words;
    }
    words << audioArguments(job);
    if (job.preset.isMatroska()) {
        // Matroska holds pictures and SubRip and ASS text as they are; other
        // text (an MP4's, WebVTT) becomes SubRip.
        static const QStringList kept{QStringLiteral("subrip"), QStringLiteral("ass"), QStringLiteral("ssa")};
        for (int track = 0; track < job.tracks.subtitles.size(); ++track) {
            const StreamInfo *stream = streamAt(job.source, job.tracks.subtitles.at(track));
            const bool copy = stream && (isPictureSubtitle(stream->codec) || kept.contains(stream->codec));
            words << QStringLiteral("-c:s:%1").arg(track) << (copy ? QStringLiteral("copy") : QStringLiteral("srt"));
        }
        words << QStringLiteral("-dn") << QStringLiteral("-f") << QStringLiteral("matroska");
        return words;
    }
    if (!job.tracks.subtitles.isEmpty())
        words << QStringLiteral("-c:s") << QStringLiteral("mov_text");
    words << QStringLiteral("-dn") << QStringLiteral("-movflags") << QStringLiteral("+faststart")
          << QStringLiteral("-f") << QStringLiteral("mp4");
    return words;
}

} // namespace

QStringList passArguments(const JobSettings &job, int pass, const QString &passlog, const QString &output)
{
    const bool last = pass >= passCount(job);
    QStringList words{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                      QStringLiteral("-loglevel"), QStringLiteral("error"),
                      QStringLiteral("-stats"), QStringLiteral("-stats_period"), QStringLiteral("0.25"),
                      QStringLiteral("-y")};
    words << sourceInput(job);
    const bool evenedSound = last && job.tracks.hasAudio() && !job.soundInput.isEmpty();
    if (evenedSound)
        words << QStringLiteral("-i") << job.soundInput;
    if (overlaysPicture(job)) {
        words << QStringLiteral("-filter_complex")
              << QStringLiteral("[%1][0:s:%2]overlay=eof_action=pass,%3[v]")
                     .arg(streamWord(job.tracks.video))
                     .arg(job.tracks.burnOrdinal)
                     .arg(videoChain(job))
              << QStringLiteral("-map") << QStringLiteral("[v]");
    } else {
        words << QStringLiteral("-map") << streamWord(job.tracks.video);
    }
    if (last) {
        // The evened sound stands in for the first track.
        for (int track = 0; track < job.tracks.audio.size(); ++track) {
            words << QStringLiteral("-map")
                  << (track == 0 && evenedSound ? QStringLiteral("1:a:0") : streamWord(job.tracks.audio.at(track)));
        }
        for (int subtitle : job.tracks.subtitles)
            words << QStringLiteral("-map") << streamWord(subtitle);
        // Sparse tracks (subtitles) can lag far behind the picture.
        words << QStringLiteral("-max_muxing_queue_size") << QStringLiteral("4096");
    }
    if (job.preset.family == Family::DvdMpeg2)
        words << dvdArguments(job);
    else
        words << mp4Arguments(job, pass, passlog);
    words << (last ? output : QStringLiteral("/dev/null"));
    return words;
}

QStringList soundArguments(const JobSettings &job, const QString &wav)
{
    return QStringList{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                       QStringLiteral("error"), QStringLiteral("-stats"), QStringLiteral("-stats_period"),
                       QStringLiteral("0.25"), QStringLiteral("-y")}
           + sourceInput(job)
           + QStringList{QStringLiteral("-map"), streamWord(job.tracks.firstAudio()), QStringLiteral("-vn"), QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"),
            QStringLiteral("-ar"), QStringLiteral("48000"), QStringLiteral("-ac"), QStringLiteral("2"),
            QStringLiteral("-rf64"), QStringLiteral("auto"), QStringLiteral("-f"), QStringLiteral("wav"), wav};
}

QString shellLine(const QString &program, const QStringList &words)
{
    QStringList quoted;
    for (const QString &word : QStringList{program} + words) {
        if (word != QLatin1String("|") && reel::isStringSafe4TaskWithStr(word))
            quoted << word;
        else
            quoted << QLatin1Char('\'') + QString(word).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
                          + QLatin1Char('\'');
    }
    return quoted.join(QLatin1Char(' '));
}

} // namespace convert
