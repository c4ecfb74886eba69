#include "reel/files/listing.h"

#include "reel/base/bigbuffers_p.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/treewalk_p.h"

#include <deque>
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
bool mayLeadToFolder(unsigned char type)
{
    return type == DT_DIR || type == DT_LNK || type == DT_UNKNOWN;
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
    logDebug(LogLabel("lsCocoa"), "- debut : %@", folder);
    const QString expanded = stringByExpandingTildeInPath(folder);
    std::vector<Item> items;
    if (const auto listing = files::listDirectory(expanded))
        appendItems(items, expanded, *listing);
    if (debugOn())
        logDebug(LogLabel("lsCocoa"), "- fin : %d items : %@", int(items.size()), pathsOf(items));
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
    logDebug(LogLabel("lsGrepCocoa a"), ": %@", items);
    QStringList kept;
    for (const QString &item : items) {
        const QString ext = pathExtension(item);
        logDebug(LogLabel("lsGrepCocoa extStr"), ":'%@' ? ext=%@ file=%@", asked, ext, item);
        if (ext.toUpper() == wanted)
            kept.append(item);
    }
    if (!kept.isEmpty())
        logDebug(LogLabel("lsGrepCocoa return"), ": %@", kept);
    return kept;
}

QStringList lsCocoaRecursive(const QString &folder)
{
    QStringList items;
    if (folder.isEmpty())
        return items;
    const QString prefix = childPrefix(folder);
    StringBlocks blocks;
    qsizetype advised = 0;
    files::walkTree(folder, files::ItemStatus::FoldersOnly, [&](const files::WalkItem &item) {
        items.append(item.path(prefix, blocks));
        if (items.capacity() > advised) {
            advised = items.capacity();
            adviseHugePages(items.data(), advised * qsizetype(sizeof(QString)));
        }
    });
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
    logDebug(LogLabel("findCocoa"), "- debut : %@ _grep:%@ _iname:%@", folder, needle, caseFlag);

    // Breadth first, as a work list read by index where each folder is
    // replaced by its items at the end: the files of a folder are judged in
    // listing order when it comes up, and its folders wait in a queue of
    // folders. Only the matches are kept, so memory grows with them, not
    // with the tree. Only the items listed as folders, links or unknown
    // need their status.
    const QString top = stringByExpandingTildeInPath(folder);
    std::deque<QString> folders;
    std::set<std::pair<dev_t, ino_t>> visited;
    if (const auto st = files::statPath(top))
        visited.insert({st->st_dev, st->st_ino});
    QStringList found;
    StringBlocks blocks;
    QString lowered;
    const auto judge = [&](const QString &path, unsigned char type) {
        if (mayLeadToFolder(type)) {
            const auto st = files::statPath(path); // links followed, as the folder test does
            if (st && S_ISDIR(st->st_mode)) {
                // Walked already: a link back up, or a second way in.
                if (visited.insert({st->st_dev, st->st_ino}).second)
                    folders.push_back(path);
                return;
            }
        }
        // The platform's substring search finds an empty text nowhere.
        if (needle.isEmpty())
            return;
        if (ignoreCase) {
            lowered = path.toLower();
            if (!lowered.contains(needle))
                return;
        } else if (!path.contains(needle)) {
            return;
        }
        found.append(blocks.copy(path));
    };
    for (const Item &item : listedItems(folder))
        judge(item.path, item.type);
    QString candidate; // made again in place for each item
    while (!folders.empty()) {
        const QString next = std::move(folders.front());
        folders.pop_front();
        const auto listing = files::listDirectory(next);
        if (!listing)
            continue;
        const QString prefix = childPrefix(next);
        for (const files::DirectoryListing::Entry &entry : listing->entries) {
            candidate = listing->path(prefix, {}, entry);
            judge(candidate, entry.type);
        }
    }
    logAlways(LogLabel("findCocoa"), "- fin : %d items", int(found.size()));
    logDebug(LogLabel("findCocoa"), "- fin : %d items : %@", int(found.size()), found);
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
