// Camera cards (AVCHD and its BDMV layout) and the names of their clips.
//
//   <card>/PRIVATE/AVCHD/BDMV/STREAM/00001.MTS     SD cards of most camcorders
//   <card>/BDMV/STREAM/00001.MTS                  a card (or a copy) with BDMV at its root
//   .../BDMV/PLAYLIST/00000.MPL                   what the time-stamp tool reads
//
// A clip's file name says nothing (00001.MTS); it is named by its recording
// time, which the camera writes into the stream.
#pragma once

#include <QString>
#include <QStringList>

namespace convert {

// The STREAM folder of the card whose root is folder; null when folder is
// no card root.
QString cardStreamFolder(const QString &folder);

// The clips of that STREAM folder (.MTS and .m2ts in any case, regular files,
// hidden ones left out), in name order, which is the order they were shot.
QStringList cardClips(const QString &streamFolder);

// Whether path lies in a card's BDMV/STREAM folder.
bool isCardClip(const QString &path);

// The title a source is shown with: a card clip's recording time and its
// number (reel::dateCreation2iMovieName: "2009-05-02 12:34:56-00001", from
// the bundle's time-stamp tool, else "clip-<file date>-00001"); any other
// file's cleaned name.
QString sourceTitle(const QString &path);

// A file name (without extension) made of a title that may hold anything:
// "/" and control characters become "-" or go, ":" becomes ";" (as camera
// names have it, and for the FAT and exFAT cards and sticks outputs often go
// to), blanks at the ends go, and the name is cut (at a character) to
// maxBytes bytes of UTF-8. "video" when nothing is left or it would be
// hidden.
QString fileNameFromTitle(const QString &title, int maxBytes = 200);

} // namespace convert
