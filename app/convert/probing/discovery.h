// Where sources come from: the paths a user hands over, with folders
// searched for the videos inside them.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace convert {

// The extensions (lower case, no dot) taken for videos when a folder is
// searched: the toolkit's multiplexed and elementary stream tables and the
// usual containers of cameras, phones and downloads.
QStringList videoExtensions();

// The paths in order, each folder replaced by the videos found anywhere
// below it (by extension, in name order, hidden items and links to folders
// left out); a camera card's folder by its clips first (cards.h). Anything else is kept as given, so that what is not a video is
// still reported as such. Folders without a video go to *empty when given;
// cancelled, when given, is asked between folders. A card whose STREAM
// folder cannot be read goes to *unreadable, when given, as a sentence that
// names that folder and why ("cannot read the card's clips in
// <card>/BDMV/STREAM: permission denied"), instead of to *empty.
QStringList discoverSources(const QStringList &paths, QStringList *empty = nullptr,
                            const std::function<bool()> &cancelled = {}, QStringList *unreadable = nullptr);

} // namespace convert
