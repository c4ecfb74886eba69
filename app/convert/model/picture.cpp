#include "model/picture.h"

#include <reel/numbers.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSize>

#include <algorithm>
#include <type_traits>
#include <cmath>

namespace convert {

namespace {

// Shapes closer than this to the frame's fill it, without bars a pixel wide.
constexpr double kShapeTolerance = 0.01;

QString deinterlaceFilter(FieldOrder order)
{
    // One picture per frame, so the frame rate and the size budget stay. A
    // scan nobody could tell is left to the frames' own flags.
    const QString parity = order == FieldOrder::BottomFirst ? QStringLiteral("bff")
                           : order == FieldOrder::TopFirst  ? QStringLiteral("tff")
                                                            : QStringLiteral("auto");
    return QStringLiteral("bwdif=mode=send_frame:parity=%1:deint=all").arg(parity);
}

// The smallest picture a crop may leave.
constexpr int kMinCroppedSide = 16;

// What every preset's picture starts from: the fields dealt with, the bars
// cut off, the noise taken out.
struct Prepared {
    QStringList filters;
    int width = 0;          // after the crop
    int height = 0;
    float displayAspect = 0;
    bool deinterlace = false;
    bool keepFields = false;
    QStringList words;      // "cropped 0:0:140:140", "denoised (light)"
    QString problem;
};

Bars barsToCut(const SourceInfo &source, const PictureRequest &request, int step)
{
    const Bars asked = request.crop == PictureRequest::Crop::Given  ? request.given
                       : request.crop == PictureRequest::Crop::Auto ? source.blackBars
                                                                    : Bars{};
    // Offsets and sizes of a 4:2:0 picture go in steps of 2 (of 4 for kept fields).
    const auto cut = [](int pixels, int by) { return std::max(0, pixels) / by * by; };
    return Bars{cut(asked.top, step), cut(asked.bottom, step), cut(asked.left, 2), cut(asked.right, 2)};
}

QString denoiseFilter(PictureRequest::Denoise denoise)
{
    return denoise == PictureRequest::Denoise::Strong ? QStringLiteral("hqdn3d=6:4.5:9:6.75")
                                                      : QStringLiteral("hqdn3d=2:1.5:3:2.25");
}

Prepared prepare(const SourceInfo &source, const PictureRequest &request, bool keepFieldsAllowed)
{
    Prepared prepared;
    const bool interlaced = request.deinterlace == PictureRequest::Deinterlace::On
                            || (request.deinterlace == PictureRequest::Deinterlace::Auto
                                && isInterlaced(source.fieldOrder));
    prepared.keepFields = keepFieldsAllowed && interlaced && request.deinterlace == PictureRequest::Deinterlace::Auto;
    prepared.deinterlace = interlaced && !prepared.keepFields;
    if (prepared.deinterlace)
        prepared.filters << deinterlaceFilter(source.fieldOrder);
    const Bars bars = barsToCut(source, request, prepared.keepFields ? 4 : 2);
    prepared.width = source.width - bars.left - bars.right;
    prepared.height = source.height - bars.top - bars.bottom;
    if (prepared.width < kMinCroppedSide || prepared.height < kMinCroppedSide) {
        prepared.problem = QCoreApplication::translate("Picture", "cropping %1:%2:%3:%4 leaves no picture of %5x%6")
                               .arg(bars.top)
                               .arg(bars.bottom)
                               .arg(bars.left)
                               .arg(bars.right)
                               .arg(source.width)
                               .arg(source.height);
        return prepared;
    }
    prepared.displayAspect = source.displayAspect;
    if (bars.any()) {
        prepared.filters << QStringLiteral("crop=%1:%2:%3:%4")
                                .arg(prepared.width)
                                .arg(prepared.height)
                                .arg(bars.left)
                                .arg(bars.top);
        prepared.displayAspect = source.displayAspect * float(prepared.width) / float(source.width) * float(source.height)
                                 / float(prepared.height);
        prepared.words << QCoreApplication::translate("Picture", "cropped %1:%2:%3:%4")
                              .arg(bars.top)
                              .arg(bars.bottom)
                              .arg(bars.left)
                              .arg(bars.right);
    }
    // Noise is taken out of whole frames: fields kept apart would be blurred together.
    if (request.denoise != PictureRequest::Denoise::Off && !prepared.keepFields) {
        prepared.filters << denoiseFilter(request.denoise);
        prepared.words << (request.denoise == PictureRequest::Denoise::Strong
                               ? QCoreApplication::translate("Picture", "denoised (strong)")
                               : QCoreApplication::translate("Picture", "denoised (light)"));
    }
    return prepared;
}

// The frame that fits the request's largest size, in even sizes, never
// larger than the picture.
QSize fittedSize(int width, int height, const PictureRequest &request)
{
    double boxWidth = request.maxWidth;
    double boxHeight = request.maxHeight;
    if (boxWidth > 0 && boxHeight > 0 && height > width)
        std::swap(boxWidth, boxHeight);
    double factor = 1;
    if (boxWidth > 0)
        factor = std::min(factor, boxWidth / width);
    if (boxHeight > 0)
        factor = std::min(factor, boxHeight / height);
    const auto even = [](double pixels) { return std::max(2, int(std::lround(pixels / 2)) * 2); };
    return factor < 1 ? QSize(even(width * factor), even(height * factor)) : QSize(width / 2 * 2, height / 2 * 2);
}

double ratioOf(const QString &rate)
{
    const QStringList parts = rate.split(QLatin1Char('/'));
    const double denominator = parts.size() == 2 ? parts.at(1).toDouble() : 1;
    return denominator > 0 ? parts.at(0).toDouble() / denominator : 0;
}

// How the output's frames are scanned, as one phrase: the deinterlaced
// frames are whole, whatever the source's fields were.
QString scanWords(bool deinterlaced, FieldOrder order)
{
    if (deinterlaced)
        return QCoreApplication::translate("Picture", "deinterlaced to progressive");
    return fieldOrderText(isInterlaced(order) ? order : FieldOrder::Progressive);
}

PicturePlan mp4Picture(const SourceInfo &source, bool constantRate, const PictureRequest &request)
{
    PicturePlan plan;
    const Prepared prepared = prepare(source, request, false);
    plan.problem = prepared.problem;
    if (!plan.problem.isEmpty())
        return plan;
    plan.deinterlace = prepared.deinterlace;
    plan.filters = prepared.filters;
    const StreamInfo &video = *source.video();
    const bool steadied = constantRate && video.variableRate && !video.baseRate.isEmpty();
    if (steadied)
        plan.filters << QStringLiteral("fps=%1").arg(video.baseRate);
    // The encoders take even sizes only; the pixel shape follows the scale.
    const QSize size = fittedSize(prepared.width, prepared.height, request);
    if (size.width() < prepared.width / 2 * 2 || size.height() < prepared.height / 2 * 2)
        plan.filters << QStringLiteral("scale=%1:%2").arg(size.width()).arg(size.height());
    else
        plan.filters << QStringLiteral("scale=trunc(iw/2)*2:trunc(ih/2)*2");
    plan.width = plan.pictureWidth = size.width();
    plan.height = plan.pictureHeight = size.height();
    QStringList words = prepared.words;
    words.prepend(scanWords(plan.deinterlace, plan.output));
    if (steadied)
        words << QCoreApplication::translate("Picture", "variable frame rate made a steady %1 fps")
                     .arg(QString::number(double(ratioOf(video.baseRate)), 'f', 2));
    plan.description = QStringLiteral("%1x%2, %3").arg(plan.width).arg(plan.height).arg(words.join(QStringLiteral(", ")));
    return plan;
}

PicturePlan dvdPicture(const SourceInfo &source, const Preset &preset, const PictureRequest &request)
{
    PicturePlan plan;
    // Fields stay apart only where the frame rate stays: dropping or
    // repeating frames of a field pair is fine, mixing pairs is not.
    const bool sameRate = preset.fps > 0 && std::fabs(double(source.video()->fps) / double(preset.fps) - 1.0) < 0.01;
    const Prepared prepared = prepare(source, request, sameRate);
    plan.problem = prepared.problem;
    if (!plan.problem.isEmpty())
        return plan;
    plan.width = preset.width;
    plan.height = preset.height;
    plan.aspect = dvdAspectFor(prepared.displayAspect);
    const double frame = plan.aspect == QLatin1String("16:9") ? 16.0 / 9.0 : 4.0 / 3.0;
    const double shape = prepared.displayAspect > 0 ? double(prepared.displayAspect) : frame;
    const bool keepFields = prepared.keepFields;
    if (keepFields)
        plan.output = source.fieldOrder;
    plan.deinterlace = prepared.deinterlace;
    plan.filters = prepared.filters;
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
            bars = QCoreApplication::translate("Picture", "bars above and below");
        } else {
            plan.pictureWidth = reel::nbMultipleArrondi(int(std::lround(plan.width * shape / frame)), 2);
            bars = QCoreApplication::translate("Picture", "bars left and right");
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
    plan.description =
        QStringLiteral("%1x%2 (%3)%4, %5%6")
            .arg(plan.width)
            .arg(plan.height)
            .arg(plan.aspect, bars.isEmpty() ? QString() : QStringLiteral(", ") + bars,
                 scanWords(plan.deinterlace, plan.output),
                 prepared.words.isEmpty() ? QString()
                                          : QStringLiteral(", ") + prepared.words.join(QStringLiteral(", ")));
    return plan;
}

} // namespace

QString dvdAspectFor(float displayAspect)
{
    // About the geometric mean of 4:3 and 16:9 (1.54), where the bars on
    // either frame would take the same share of the picture.
    return displayAspect >= 1.55f ? QStringLiteral("16:9") : QStringLiteral("4:3");
}

PicturePlan planPicture(const SourceInfo &source, const Preset &preset, bool constantRate,
                        const PictureRequest &request)
{
    if (!source.video())
        return PicturePlan();
    return preset.family == Family::DvdMpeg2 ? dvdPicture(source, preset, request)
                                             : mp4Picture(source, constantRate, request);
}

bool readPictureWords(const QString &maxSize, const QString &height, const QString &crop, const QString &denoise,
                      const QString &deinterlace, PictureRequest *request, QString *error)
{
    static const QRegularExpression size(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
    static const QRegularExpression lines(QStringLiteral("^\\d{2,5}$"));
    static const QRegularExpression sides(QStringLiteral("^(\\d{1,5}):(\\d{1,5}):(\\d{1,5}):(\\d{1,5})$"));
    if (!maxSize.isEmpty()) {
        const QRegularExpressionMatch match = size.match(maxSize.trimmed().toLower());
        if (!match.hasMatch() || match.captured(1).toInt() < kMinCroppedSide || match.captured(2).toInt() < kMinCroppedSide) {
            *error = QCoreApplication::translate("Picture",
                                                 "--max-size takes WIDTHxHEIGHT in pixels, such as 1280x720, not '%1'")
                         .arg(maxSize);
            return false;
        }
        request->maxWidth = match.captured(1).toInt();
        request->maxHeight = match.captured(2).toInt();
    }
    if (!height.isEmpty()) {
        if (!lines.match(height.trimmed()).hasMatch() || height.trimmed().toInt() < kMinCroppedSide) {
            *error = QCoreApplication::translate("Picture", "--height takes a height in pixels, such as 720, not '%1'")
                         .arg(height);
            return false;
        }
        request->maxWidth = 0;
        request->maxHeight = height.trimmed().toInt();
    }
    if (!crop.isEmpty()) {
        const QString word = crop.trimmed().toLower();
        const QRegularExpressionMatch match = sides.match(word);
        if (word == QLatin1String("auto") || word == QLatin1String("none")) {
            request->crop = word == QLatin1String("auto") ? PictureRequest::Crop::Auto : PictureRequest::Crop::None;
        } else if (match.hasMatch()) {
            request->crop = PictureRequest::Crop::Given;
            request->given = Bars{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                                  match.captured(4).toInt()};
        } else {
            *error = QCoreApplication::translate("Picture",
                                                 "--crop takes auto, none or TOP:BOTTOM:LEFT:RIGHT in pixels, not '%1'")
                         .arg(crop);
            return false;
        }
    }
    // The place of the value among the option's words, in the order of its enum.
    const auto choice = [error](const QString &value, const char *option, const QStringList &choices, auto *into) {
        using Choice = std::remove_pointer_t<decltype(into)>;
        if (value.isEmpty())
            return true;
        const qsizetype at = choices.indexOf(value.trimmed().toLower());
        if (at < 0) {
            *error = QCoreApplication::translate("Picture", "--%1 takes %2 or %3, not '%4'")
                         .arg(QLatin1String(option),
                              QStringList(choices.mid(0, choices.size() - 1)).join(QStringLiteral(", ")), choices.last(),
                              value);
            return false;
        }
        *into = Choice(at);
        return true;
    };
    return choice(denoise, "denoise", {QStringLiteral("off"), QStringLiteral("light"), QStringLiteral("strong")},
                  &request->denoise)
           && choice(deinterlace, "deinterlace", {QStringLiteral("auto"), QStringLiteral("on"), QStringLiteral("off")},
                     &request->deinterlace);
}

} // namespace convert
