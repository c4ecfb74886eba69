#include "reel/files/listing.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native.h"
#include "reel/files/treewalk.h"

#include <set>
#include <utility>
#include <vector>

#include <dirent.h>

namespace reel {

namespace {

// What a folder's items start with when joined to it: the same paths as
// stringByAppendingPathComponent(folder, name) for any name (which holds no
// "/"), in one step. folder is not empty.
QString childPrefix(const QString &folder)
{
    const QString clean = stringByAppendingPathComponent(folder, QString());
    return clean == QLatin1String("/") ? clean : clean + QLatin1Char('/');
}


struct Item {
    QString path;
    unsigned char type; // as listed (DT_UNKNOWN: not told)
};

// A listed item that may be a folder, or a link to one.
bool mayLeadToFolder(const Item &item)
{
    return item.type == DT_DIR || item.type == DT_LNK || item.type == DT_UNKNOWN;
}

void appendItems(std::vector<Item> &items, const QString &folder, const files::DirectoryListing &listing)
{
    const QString prefix = childPrefix(folder);
    for (const files::DirectoryListing::Entry &entry : listing.entries)
        items.push_back({listing.path(prefix, {}, entry), entry.type});
}

QStringList pathsOf(const std::vector<Item> &items)
{
    QStringList paths;
    paths.reserve(qsizetype(items.size()));
    for (const Item &item : items)
        paths.append(item.path);
    return paths;
}

// The direct items of lsCocoa, with their listed types, logged as lsCocoa
// logs them.
std::vector<Item> listedItems(const QString &folder)
{
    logDebug("lsCocoa             - debut : %@", folder);
    const QString expanded = stringByExpandingTildeInPath(folder);
    std::vector<Item> items;
    if (const auto listing = files::listDirectory(expanded))
        appendItems(items, expanded, *listing);
    if (debugOn())
        logDebug("lsCocoa             - fin : %d items : %@", int(items.size()), pathsOf(items));
    return items;
}

} // namespace

QStringList lsCocoa(const QString &folder)
{
    if (folder.isNull())
        return {};
    return pathsOf(listedItems(folder));
}

QStringList lsGrepCocoa(const QString &folder, const QString &extension)
{
    if (folder.isNull())
        return {};
    const QString asked = extension.isNull() ? QStringLiteral("") : extension;
    const QString wanted = asked.toUpper();
    const QStringList items = lsCocoa(folder);
    logDebug("lsGrepCocoa a       : %@", items);
    QStringList kept;
    for (const QString &item : items) {
        const QString ext = pathExtension(item);
        logDebug("lsGrepCocoa extStr  :'%@' ? ext=%@ file=%@", asked, ext, item);
        if (ext.toUpper() == wanted)
            kept.append(item);
    }
    if (!kept.isEmpty())
        logDebug("lsGrepCocoa return  : %@", kept);
    return kept;
}

QStringList lsCocoaRecursive(const QString &folder)
{
    QStringList items;
    if (folder.isEmpty())
        return items;
    const QString prefix = childPrefix(folder);
    files::walkTree(folder, files::ItemStatus::FoldersOnly,
                    [&](const files::WalkItem &item) { items.append(item.path(prefix)); });
    return items;
}

QStringList findCocoa(const QString &folder, const QString &text, const QString &caseFlag)
{
    if (folder.isNull())
        return {};
    const bool ignoreCase = caseFlag == QLatin1String("i");
    QString needle = text.isNull() ? QStringLiteral("") : text;
    if (ignoreCase)
        needle = needle.toLower();
    logDebug("findCocoa           - debut : %@ _grep:%@ _iname:%@", folder, needle, caseFlag);

    // A queue read by index: folders add their items at the end, files that
    // match go to the result, so the order is breadth first. Only the items
    // listed as folders, links or unknown need their status.
    std::vector<Item> queue = listedItems(folder);
    std::set<std::pair<dev_t, ino_t>> visited;
    if (const auto top = files::statPath(stringByExpandingTildeInPath(folder)))
        visited.insert({top->st_dev, top->st_ino});
    QStringList found;
    for (size_t i = 0; i < queue.size(); ++i) {
        const Item item = queue[i]; // appending may move the queue
        if (mayLeadToFolder(item)) {
            const auto st = files::statPath(item.path); // links followed, as the folder test does
            if (st && S_ISDIR(st->st_mode)) {
                if (!visited.insert({st->st_dev, st->st_ino}).second)
                    continue; // already walked: a link back up, or a second way in
                if (const auto listing = files::listDirectory(item.path))
                    appendItems(queue, item.path, *listing);
                continue;
            }
        }
        // The platform's substring search finds an empty text nowhere.
        if (!needle.isEmpty() && (ignoreCase ? item.path.toLower() : item.path).contains(needle))
            found.append(item.path);
    }
    logAlways("findCocoa           - fin : %d items", int(found.size()));
    logDebug("findCocoa           - fin : %d items : %@", int(found.size()), found);
    return found;
}

QString fileFromFolder(const QString &folder, const QString &extension)
{
    const auto names = files::directoryNames(folder);
    logDebug("lsFolder : %@", names ? QVariant(*names) : QVariant());
    QString result = QStringLiteral("");
    if (names && !extension.isNull()) {
        for (const QString &name : *names) {
            const QString ext = pathExtension(name);
            if (ext == extension) {
                logDebug("fichier: %@, extension : %@", name, ext);
                result = stringByAppendingPathComponent(folder, name);
                break;
            }
        }
    }
    logDebug("fileFromFolder str : %@", result);
    return result;
}

} // namespace reel
