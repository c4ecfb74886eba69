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
// *error, when given, says why the folder cannot be read ("permission
// denied"); empty when it can.
QStringList cardClips(const QString &streamFolder, QString *error = nullptr);

// Whether path lies in a card's BDMV/STREAM folder.
bool isCardClip(const QString &path);

// The title a source is shown with: a card clip's recording time and its
// number ("2009-05-02 12:34:56-00001", from the bundle's time-stamp tool,
// which names every clip of a card in one run, made once per card and again
// when its PLAYLIST folder changed); any other file's cleaned name. A clip
// the tool does not name, or of a card without a playlist, is named by the
// file's modification time, which a copy keeps from the card, in the form
// "clip-2009-05-02 12;34;56-00001", and *note (when given) says so and why;
// else *note is empty. Safe to call from several threads.
QString sourceTitle(const QString &path, QString *note = nullptr);

} // namespace convert
