// How the source's picture becomes the output's: its shape kept (black bars
// on a DVD frame that has another shape), turned as the source asks, and
// interlaced pictures either deinterlaced or kept with their field order.
#pragma once

#include "model/presets.h"
#include "model/source.h"

#include <QString>
#include <QStringList>

namespace convert {

// What the user asked of the picture, the same for every video of a run.
struct PictureRequest {
    // The largest frame of an MP4, either way round: a portrait picture
    // fits maxHeight x maxWidth. With maxWidth 0, maxHeight is the frame's
    // height alone. 0 and 0: the source's own size.
    int maxWidth = 0;
    int maxHeight = 0;
    enum class Crop { None, Auto, Given };
    Crop crop = Crop::None; // Auto takes the source's blackBars
    Bars given;             // Crop::Given
    enum class Denoise { Off, Light, Strong };
    Denoise denoise = Denoise::Off;
    enum class Deinterlace { Auto, On, Off };
    Deinterlace deinterlace = Deinterlace::Auto; // Auto: as the stream or the interlace test says
};

// Reads the values of --max-size ("1280x720"), --height ("720"), --crop
// ("auto", "none", "TOP:BOTTOM:LEFT:RIGHT"), --denoise ("off", "light",
// "strong") and --deinterlace ("auto", "on", "off") into request; false,
// with *error, for a value that is none of these. Empty values are left as
// they are.
bool readPictureWords(const QString &maxSize, const QString &height, const QString &crop, const QString &denoise,
                      const QString &deinterlace, PictureRequest *request, QString *error);

struct PicturePlan {
    QStringList filters;   // the -vf chain, in order
    int width = 0;         // the output frame
    int height = 0;
    int pictureWidth = 0;  // the picture inside it; the frame itself without bars
    int pictureHeight = 0;
    QString aspect;        // the display-aspect flag of a DVD ("4:3", "16:9"); empty: the source's
    bool deinterlace = false;
    FieldOrder output = FieldOrder::Progressive;
    QString description;   // "720x576 (4:3), bars left and right, progressive"
    QString problem;       // a crop that leaves too little picture; empty when the plan holds
};

// DVD frames show 4:3 or 16:9 only: the nearer of the two for a picture of
// that shape (width / height as displayed).
QString dvdAspectFor(float displayAspect);

// The picture's road through ffmpeg for this preset. ffmpeg turns a picture
// whose stream asks for it before the chain, so the chain works on the
// picture as displayed. With constantRate, a picture whose frames come at
// changing intervals is given its base rate, repeating frames where it is
// slower: the encoders' size control counts frames at one rate (x265 takes
// the stream's rate for the rate of every frame).
PicturePlan planPicture(const SourceInfo &source, const Preset &preset, bool constantRate = false,
                        const PictureRequest &request = {});

} // namespace convert
