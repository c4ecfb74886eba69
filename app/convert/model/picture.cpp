#include "model/picture.h"

#include <reel/numbers.h>

#include <cmath>

namespace convert {

namespace {

// Shapes closer than this to the frame's fill it, without bars a pixel wide.
constexpr double kShapeTolerance = 0.01;

QString deinterlaceFilter(FieldOrder order)
{
    // One picture per frame, so the frame rate and the size budget stay.
    return QStringLiteral("bwdif=mode=send_frame:parity=%1:deint=all")
        .arg(order == FieldOrder::BottomFirst ? QStringLiteral("bff") : QStringLiteral("tff"));
}

double ratioOf(const QString &rate)
{
    const QStringList parts = rate.split(QLatin1Char('/'));
    const double denominator = parts.size() == 2 ? parts.at(1).toDouble() : 1;
    return denominator > 0 ? parts.at(0).toDouble() / denominator : 0;
}

QString scanWords(FieldOrder order)
{
    return isInterlaced(order) ? fieldOrderText(order) : QStringLiteral("progressive");
}

PicturePlan mp4Picture(const SourceInfo &source, bool constantRate)
{
    PicturePlan plan;
    if (isInterlaced(source.fieldOrder)) {
        plan.deinterlace = true;
        plan.filters << deinterlaceFilter(source.fieldOrder);
    }
    const StreamInfo &video = *source.video();
    const bool steadied = constantRate && video.variableRate && !video.baseRate.isEmpty();
    if (steadied)
        plan.filters << QStringLiteral("fps=%1").arg(video.baseRate);
    // The encoders take even sizes only; the pixel shape follows the scale.
    plan.filters << QStringLiteral("scale=trunc(iw/2)*2:trunc(ih/2)*2");
    plan.width = plan.pictureWidth = source.width / 2 * 2;
    plan.height = plan.pictureHeight = source.height / 2 * 2;
    plan.description = QStringLiteral("%1x%2, %3%4%5")
                           .arg(plan.width)
                           .arg(plan.height)
                           .arg(plan.deinterlace ? QStringLiteral("deinterlaced to ") : QString(),
                                scanWords(plan.output),
                                steadied ? QStringLiteral(", variable frame rate made a steady %1 fps")
                                               .arg(QString::number(double(ratioOf(video.baseRate)), 'f', 2))
                                         : QString());
    return plan;
}

PicturePlan dvdPicture(const SourceInfo &source, const Preset &preset)
{
    PicturePlan plan;
    plan.width = preset.width;
    plan.height = preset.height;
    plan.aspect = dvdAspectFor(source.displayAspect);
    const double frame = plan.aspect == QLatin1String("16:9") ? 16.0 / 9.0 : 4.0 / 3.0;
    const double shape = source.displayAspect > 0 ? double(source.displayAspect) : frame;

    // Fields stay apart only where the frame rate stays: dropping or
    // repeating frames of a field pair is fine, mixing pairs is not.
    const bool keepFields = isInterlaced(source.fieldOrder) && preset.fps > 0
                            && std::fabs(double(source.video()->fps) / double(preset.fps) - 1.0) < 0.01;
    if (keepFields) {
        plan.output = source.fieldOrder;
    } else if (isInterlaced(source.fieldOrder)) {
        plan.deinterlace = true;
        plan.filters << deinterlaceFilter(source.fieldOrder);
    }
    // The DVD's rate by the frames' own times: ffmpeg's output rate alone
    // repeats the last frames to fill the final frame's length.
    plan.filters << QStringLiteral("fps=%1").arg(ffmpegRate(preset.fps));
    // Each field of an interlaced picture is itself a 4:2:0 picture, so its
    // sizes and offsets go in steps of 4 lines.
    const int step = keepFields ? 4 : 2;

    plan.pictureWidth = plan.width;
    plan.pictureHeight = plan.height;
    QString bars;
    if (std::fabs(shape / frame - 1.0) > kShapeTolerance) {
        if (shape > frame) {
            plan.pictureHeight = reel::nbMultipleArrondi(int(std::lround(plan.height * frame / shape)), step);
            bars = QStringLiteral("bars above and below");
        } else {
            plan.pictureWidth = reel::nbMultipleArrondi(int(std::lround(plan.width * shape / frame)), 2);
            bars = QStringLiteral("bars left and right");
        }
        plan.pictureWidth = qBound(16, plan.pictureWidth, plan.width);
        plan.pictureHeight = qBound(16, plan.pictureHeight, plan.height);
    }
    plan.filters << QStringLiteral("scale=%1:%2%3")
                        .arg(plan.pictureWidth)
                        .arg(plan.pictureHeight)
                        .arg(keepFields ? QStringLiteral(":interl=1") : QString());
    if (plan.pictureWidth != plan.width || plan.pictureHeight != plan.height) {
        const int x = (plan.width - plan.pictureWidth) / 2 / 2 * 2;
        const int y = (plan.height - plan.pictureHeight) / 2 / step * step;
        plan.filters << QStringLiteral("pad=%1:%2:%3:%4:black").arg(plan.width).arg(plan.height).arg(x).arg(y);
    }
    plan.filters << QStringLiteral("setdar=%1").arg(QString(plan.aspect).replace(QLatin1Char(':'), QLatin1Char('/')));
    plan.description = QStringLiteral("%1x%2 (%3)%4, %5%6")
                           .arg(plan.width)
                           .arg(plan.height)
                           .arg(plan.aspect, bars.isEmpty() ? QString() : QStringLiteral(", ") + bars,
                                plan.deinterlace ? QStringLiteral("deinterlaced to ") : QString(),
                                scanWords(plan.output));
    return plan;
}

} // namespace

QString dvdAspectFor(float displayAspect)
{
    // About the geometric mean of 4:3 and 16:9 (1.54), where the bars on
    // either frame would take the same share of the picture.
    return displayAspect >= 1.55f ? QStringLiteral("16:9") : QStringLiteral("4:3");
}

PicturePlan planPicture(const SourceInfo &source, const Preset &preset, bool constantRate)
{
    if (!source.video())
        return PicturePlan();
    return preset.family == Family::DvdMpeg2 ? dvdPicture(source, preset) : mp4Picture(source, constantRate);
}

} // namespace convert
