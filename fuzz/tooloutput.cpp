// What the media tools print, read back: progress lines of ffmpeg, mplayer,
// mpeg2enc and the others, the version texts of the tools and of the system,
// and the converter's readers of ffprobe's JSON (with the plans made of what
// it read) and of ffmpeg's interlace test.
// A tool in the bundle may have been replaced by anything. The first byte
// picks the reader (see input.h): "f" ffmpeg progress, "m" mplayer status,
// "p" the other progress markers, "e" mpeg2enc, "h" a help text with a
// version line, "a" ffmpeg -version, "o" an os-release file or a kernel
// release, "i" the interlace test's log, "w" a tool's output as the
// converter reads it for evidence of a failed write, "j" ffprobe's JSON (of
// a source, and of an output being checked), "c" cropdetect's log (with the
// picture cut by what it found).
#include "input.h"

#include <reel/numbers/parsing.h>
#include <reel/system/versions.h>
#include <reel/task/progress.h>
#include <reel/task/versions.h>
#include <jobs/tooloutput.h>
#include <model/budget.h>
#include <model/picture.h>
#include <model/presets.h>
#include <model/source.h>
#include <model/tracks.h>
#include <model/verify.h>

#include <QRegularExpression>
#include <QSize>

#include <algorithm>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

void ffmpeg(const QString &text)
{
    const float seconds = reel::progressFfmpeg(text);
    if (!text.contains(reel::progressFfmpegGrepStr()) && seconds != 0)
        __builtin_trap(); // no marker, no progress
}

void otherProgress(const QString &text)
{
    for (const QString &marker : {reel::progressMov2wavMux2movGrepStr(), reel::progressNormalizeGrepStr(),
                                  reel::progressMovencoderGrepStr()}) {
        if (reel::progresses(text, marker) != 0 && !text.contains(marker))
            __builtin_trap();
    }
    reel::progressMov2wavMux2mov(text);
    reel::progressNormalize(text);
    reel::progressMovencoder(text);
    if (reel::progressDvdauthor(text) != 0 && !text.contains(reel::progressDvdauthorGrepStr()))
        __builtin_trap();
}

// The player's figure over total as the calculator gives it: the quotient
// cut to six decimals, times 100; in long double, against the reader's exact
// decimal arithmetic.
long double mplayerOracle(const QByteArray &figure, int total)
{
    const long double quotient = std::strtold(figure.constData(), nullptr) / total;
    return std::trunc(quotient * 1000000.0L) / 10000.0L;
}

void mplayer(const QString &text)
{
    for (int total : {120, 1, -7, INT_MAX, INT_MIN, 0})
        reel::progressMplayer(text, total);

    // A status line around the first plain decimal of the text, its result
    // checked against the oracle.
    static const QRegularExpression decimal(
        QStringLiteral("-?(?:[0-9]{1,18}(?:\\.[0-9]*)?|\\.[0-9]{1,18})(?![0-9])"));
    const QString figure = decimal.match(text).captured(0);
    const qsizetype digits = figure.count(QRegularExpression(QStringLiteral("[0-9]")));
    if (digits == 0 || digits > 18)
        return; // the reader takes no more than 18 digits
    const QString line = QStringLiteral("A: ") + figure + QStringLiteral(" V: 1.0 A-V: 0.000");
    for (int total : {120, 3, -7, INT_MAX, INT_MIN}) {
        const float got = reel::progressMplayer(line, total);
        const long double expected = mplayerOracle(figure.toLatin1(), total);
        if (!std::isfinite(double(got)) || std::fabs(got - expected) > std::fabs(expected) * 1e-6L + 2e-4L)
            __builtin_trap(); // the percentage the calculator would print
    }
}

void mpeg2enc(const QString &text)
{
    reel::progressMpeg2enc(text, 25, 40);
    reel::progressMpeg2enc(text, 29.97f, INT_MIN);
    if (reel::progressMpeg2enc(text, 0, 40) != 0 || reel::progressMpeg2enc(text, 25, 0) != 0)
        __builtin_trap(); // a zero rate or total gives 0
}

void helpText(const QString &text)
{
    const float version = reel::versionInHelpText(text);
    if (version != 0 && !text.contains(QLatin1String("version ")))
        __builtin_trap();
}

void ffmpegVersion(const QString &text)
{
    const QString version = reel::libavformatVersion(text);
    if (version.isNull())
        return;
    static const QRegularExpression form(QStringLiteral("^[0-9]+\\.[0-9]{1,2}$"));
    if (!form.match(version).hasMatch() || !(reel::versionStr2Float(version) >= 0))
        __builtin_trap(); // major.minor, the minor held below 100
}

void release(const QString &text, const QByteArray &bytes)
{
    for (const QString &release : {reel::versionIdOfOsRelease(bytes), text}) {
        const int word = reel::osVersionFromText(release);
        if (word < 0 || word > 0xFFFF)
            __builtin_trap(); // the low sixteen bits only
        reel::versionStr2Float(reel::versionTextFromBCD(word));
    }
}

// Cut anywhere, the bytes give the same lines, and the failure noted is one
// of the lines kept.
void toolOutput(const QByteArray &bytes)
{
    QStringList whole;
    QStringList pieces;
    convert::ToolOutput once;
    once.feed(bytes, [&](const QString &line) { whole << line; });
    once.flush([&](const QString &line) { whole << line; });
    convert::ToolOutput split;
    const qsizetype cut = bytes.isEmpty() ? 0 : qsizetype(uint8_t(bytes.at(0))) % (bytes.size() + 1);
    split.feed(bytes.left(cut), [&](const QString &line) { pieces << line; });
    split.feed(bytes.mid(cut), [&](const QString &line) { pieces << line; });
    split.flush([&](const QString &line) { pieces << line; });
    if (whole != pieces)
        __builtin_trap(); // a line depends on how the bytes arrived
    for (const QString &line : std::as_const(whole))
        once.keep(line);
    const QString failure = once.writeFailure();
    if (!failure.isEmpty()
        && std::none_of(whole.cbegin(), whole.cend(), [&](const QString &line) { return line.trimmed() == failure; }))
        __builtin_trap(); // the failure is a line the tool wrote
}

void probeJson(const QByteArray &bytes)
{
    // An output being checked against what its job expects.
    for (const bool audio : {false, true}) {
        convert::Expectation expected;
        expected.audio = audio;
        expected.videoSeconds = 10;
        expected.audioSeconds = audio ? 10 : 0;
        expected.subtitles = audio ? 1 : 0;
        convert::outputProblem(bytes, expected);
    }

    convert::SourceInfo info;
    info.path = QStringLiteral("/videos/clip.mov");
    convert::readProbeJson(bytes, info);
    if (!info.usable())
        return;
    const convert::StreamInfo *video = info.video();
    if (!video || info.width <= 0 || info.height <= 0 || !(info.duration > 0 && info.duration < 1e7f)
        || !std::isfinite(info.displayAspect) || !(info.displayAspect > 0))
        __builtin_trap(); // a usable source has a picture and a duration
    convert::durationText(info.duration);
    convert::fieldOrderText(info.fieldOrder);
    // What the converter makes of it for every preset.
    for (const convert::Preset &preset : convert::presets()) {
        for (bool constantRate : {false, true}) {
            const convert::PicturePlan picture = convert::planPicture(info, preset, constantRate);
            if (picture.pictureWidth < 0 || picture.pictureHeight < 0 || picture.pictureWidth > picture.width
                || picture.pictureHeight > picture.height)
                __builtin_trap(); // a picture inside its frame
        }
        convert::trackSummary(convert::chooseTracks(info, preset));
        convert::planBudget(preset, convert::defaultBudget(preset), info.duration, info.hasAudio);
    }
}

void cropdetect(const QString &log)
{
    for (const QSize frame : {QSize(1920, 1080), QSize(720, 576), QSize(16, 16)}) {
        const convert::Bars bars = convert::barsFromCropdetect(log, frame.width(), frame.height());
        if (bars.top < 0 || bars.bottom < 0 || bars.left < 0 || bars.right < 0
            || bars.top + bars.bottom >= frame.height() || bars.left + bars.right >= frame.width())
            __builtin_trap(); // bars inside the picture, leaving some of it
        convert::SourceInfo source;
        source.streams = {convert::StreamInfo{.index = 0, .type = QStringLiteral("video"), .width = frame.width(),
                                              .height = frame.height(), .fps = 25}};
        source.videoStream = 0;
        source.width = frame.width();
        source.height = frame.height();
        source.displayAspect = float(frame.width()) / float(frame.height());
        source.blackBars = bars;
        for (const convert::Preset &preset : convert::presets()) {
            const convert::PicturePlan picture =
                convert::planPicture(source, preset, false, convert::PictureRequest{.crop = convert::PictureRequest::Crop::Auto});
            if (picture.problem.isEmpty() && (picture.width <= 0 || picture.pictureWidth > picture.width))
                __builtin_trap(); // a picture inside its frame, or a reason
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::quietLog();
    const fuzz::Picked input = fuzz::pick(data, size, "fmpehaoiwjc");
    switch (input.reader) {
    case 0:
        ffmpeg(fuzz::text(input));
        break;
    case 1:
        mplayer(fuzz::text(input));
        break;
    case 2:
        otherProgress(fuzz::text(input));
        break;
    case 3:
        mpeg2enc(fuzz::text(input));
        break;
    case 4:
        helpText(fuzz::text(input));
        break;
    case 5:
        ffmpegVersion(fuzz::text(input));
        break;
    case 6:
        release(fuzz::text(input), input.rest);
        break;
    case 7:
        convert::idetVerdict(fuzz::text(input));
        break;
    case 8:
        toolOutput(input.rest);
        break;
    case 9:
        probeJson(input.rest);
        break;
    default:
        cropdetect(fuzz::text(input));
        break;
    }
    return 0;
}
