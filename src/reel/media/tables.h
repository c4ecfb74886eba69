/// \file
/// \ingroup media
/// Fixed tables: media file extensions (lower case, without the dot) and the
/// standard frame rates. Every call builds a new list; none fails or logs.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

REEL_EXPORT_BEGIN
namespace reel {

/// Ten float numbers (single precision), half rate then full rate: 12.5, 25,
/// 11.99, 23.98, 12, 24, 14.98, 29.97, 15, 30. The NTSC-derived rates are
/// rounded to two decimals (23.98, not 23.976).
QVariantList standardsFpsArray();

/// Multiplexed streams: the DVD-ready ones.
QStringList extMultiplexedDvd();
/// Multiplexed streams: the wider list (DVD + tod, vro).
QStringList extMultiplexed();

/// Elementary video streams: the DVD-ready ones.
QStringList extElementariesDvd();
/// Elementary video streams: the wider list (+ m1v).
QStringList extElementaries();

/// Uncompressed audio files.
QStringList extAudioPcm();

/// Compressed audio streams that a DVD takes.
QStringList extAudioCompressedDvd();

/// Extensions and codec names counted as handled by QuickTime: "dv" first when
/// mode upper-cased is "A", else "ffts" (also for a null mode), then "mov",
/// "3ivx", "unsupportedVideoCodecFfmpeg".
QStringList qtExtensionsHandledArray(const QString &mode);

} // namespace reel
REEL_EXPORT_END
