// Opening files for the text readers and writers without ever waiting on a
// pipe or a device. Internal to the text files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace reel::text {

// Opens path with the open(2) flags (O_RDONLY or O_WRONLY, with O_APPEND,
// O_CREAT and O_EXCL as needed; never blocking) into file, and keeps it only
// when it is a regular file. For writing, links are followed as every writer
// follows them (followLinksForWriting): never one that another user put in
// a sticky folder anyone may write. False, with *why, otherwise.
bool openRegularFile(QFile &file, const QString &path, int flags, QString *why);

// Writes all the bytes and closes the file. False, with *why, when any of it
// failed.
bool writeAndClose(QFile &file, const QByteArray &bytes, QString *why);

} // namespace reel::text
