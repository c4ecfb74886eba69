// How the source's picture becomes the output's: its shape kept (black bars
// on a DVD frame that has another shape), turned as the source asks, and
// interlaced pictures either deinterlaced or kept with their field order.
#pragma once

#include "model/presets.h"
#include "model/source.h"

#include <QString>
#include <QStringList>

namespace convert {

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
PicturePlan planPicture(const SourceInfo &source, const Preset &preset, bool constantRate = false);

} // namespace convert
