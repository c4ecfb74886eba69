#include "reel/files/listing.h"

#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/files/native.h"
#include "reel/files/treewalk.h"

#include <set>
#include <utility>

namespace reel {

namespace {

QStringList fullPaths(const QString &folder, const QStringList &names)
{
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths.append(stringByAppendingPathComponent(folder, name));
    return paths;
}

} // namespace

QStringList lsCocoa(const QString &folder)
{
    if (folder.isNull())
        return {};
    logDebug("lsCocoa             - debut : %@", folder);
    const QString expanded = stringByExpandingTildeInPath(folder);
    const auto names = files::directoryNames(expanded);
    const QStringList items = names ? fullPaths(expanded, *names) : QStringList();
    logDebug("lsCocoa             - fin : %d items : %@", int(items.size()), items);
    return items;
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
    files::walkTree(folder, [&](const QString &relative, const struct stat *) {
        items.append(stringByAppendingPathComponent(folder, relative));
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
    logDebug("findCocoa           - debut : %@ _grep:%@ _iname:%@", folder, needle, caseFlag);

    // A queue read by index: folders add their items at the end, files that
    // match go to the result, so the order is breadth first.
    QStringList queue = lsCocoa(folder);
    std::set<std::pair<dev_t, ino_t>> visited;
    if (const auto top = files::statPath(stringByExpandingTildeInPath(folder)))
        visited.insert({top->st_dev, top->st_ino});
    QStringList found;
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QString item = queue.at(i);
        const auto st = files::statPath(item); // links followed, as the folder test does
        if (st && S_ISDIR(st->st_mode)) {
            if (!visited.insert({st->st_dev, st->st_ino}).second)
                continue; // already walked: a link back up, or a second way in
            if (const auto names = files::directoryNames(item))
                queue.append(fullPaths(item, *names));
            continue;
        }
        // The platform's substring search finds an empty text nowhere.
        if (!needle.isEmpty() && (ignoreCase ? item.toLower() : item).contains(needle))
            found.append(item);
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
