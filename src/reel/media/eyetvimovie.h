/// \file
/// \ingroup media
/// Names and facts taken from where a source lies: EyeTV recordings (folders
/// ending in ".eyetv" with their "eyetvr" description), camera clips for
/// iMovie, titles cleaned of their standard suffixes, and master-copy names.
/// Where a function below says nothing of the log, it writes no line (but
/// with the debug level on).
#pragma once

#include "reel/core/export.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

REEL_EXPORT_BEGIN
namespace reel {

/// The "actual duration" in seconds that the description file of the EyeTV
/// recording holding path gives; 0 when path does not lie in a ".eyetv/"
/// folder, when there is no readable description (logged) or no duration.
float bundledVideoEyetvDuration(const QString &path);

/// The "actual duration" an EyeTV description file's bytes give: the number
/// before "</real>" after "<key>actual duration</key><real>", once line feeds
/// and tabs are taken out and runs of spaces made one; 0 when there is none.
float eyetvDescriptionDuration(const QByteArray &bytes);

/// "<time stamp>-<clip>" from the first of the time-stamp tool's lines
/// "<clip> : <time stamp>" that names the clip; null when none does. Each
/// line looked at is logged.
QString nameFromTimeStampLines(const QString &output, const QString &clip);

/// Every name the time-stamp tool's lines give: the clip -> "<time stamp>-
/// <clip>", the first line for a clip winning, as nameFromTimeStampLines
/// reads them. Empty when no line names a clip.
QMap<QString, QString> namesFromTimeStampLines(const QString &output);

/// A name for a camera clip: "<time stamp>-<clip>" from the time-stamp tool
/// when the card's PLAYLIST folder lies two levels above the clip and the tool
/// names the clip, else "clip-<creation date>-<clip>" with ":" turned into
/// ";" (a date without a time zone; without a creation date, "clip--<clip>").
/// Nil for a nil path. Every call is logged, and so is the tool's run.
QString dateCreation2iMovieName(const QString &path);

/// The names of every clip of a camera card that the time-stamp tool names,
/// from one run of the tool on the card's PLAYLIST folder: the clip's bare
/// name -> "<time stamp>-<clip>", each as dateCreation2iMovieName names that
/// clip. The tool's messages are logged (always), not written on the
/// program's error output. Empty for a null folder, without the tool, or
/// when it names no clip.
QMap<QString, QString> dateCreation2iMovieNames(const QString &playlistFolder);

/// The bare name of the source (an EyeTV recording's own name) without the
/// extra suffixes, then "-PAL", "-NV" and "-NF", each cut where the name ends
/// with it; underscores become spaces, runs of spaces one, and spaces at the
/// ends go (a one-character name stays as it is).
QString nameCleanedFromSrcpathstr(const QString &path, const QStringList &extraSuffixes);

/// The master copy beside a source: "_MASTER" before the extension. When the
/// path without its extension would reach 28 characters, the name's dots
/// become "_" and the name is cut to 20 characters first. Nil for nil.
QString oldSrcPathStr2DstPathStr(const QString &path);

} // namespace reel
REEL_EXPORT_END
