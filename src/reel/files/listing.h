/// \file
/// \ingroup files
/// Folder listings and searches. Every list holds full paths (the folder
/// joined with each name), sorted by name within each folder; hidden items are
/// listed like any other. An empty answer is the empty list, and so is a nil
/// folder; a folder that cannot be read counts as empty. Only findCocoa
/// logs, the count it found, always.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>

REEL_EXPORT_BEGIN
namespace reel {

/// The folder's direct items ("~" expanded); empty when there are none or the
/// folder cannot be read.
QStringList lsCocoa(const QString &folder);
/// The items of lsCocoa whose extension equals extension regardless of case;
/// a nil or empty extension keeps the items without one.
QStringList lsGrepCocoa(const QString &folder, const QString &extension);
/// Every item below the folder (as written), depth first, each folder followed
/// by its contents. Symbolic links are listed, not entered.
QStringList lsCocoaRecursive(const QString &folder);
/// The files (not folders) anywhere below the folder whose full path contains
/// text, case-insensitively when caseFlag is exactly "i". Breadth first:
/// the folder's own files, then its subfolders level by level. Links to
/// folders are followed, but no folder is entered twice. An empty text finds
/// nothing.
QStringList findCocoa(const QString &folder, const QString &text, const QString &caseFlag);
/// The first direct item of the folder (as written) whose extension equals
/// extension exactly, as a full path; "" when there is none.
QString fileFromFolder(const QString &folder, const QString &extension);

} // namespace reel
REEL_EXPORT_END
