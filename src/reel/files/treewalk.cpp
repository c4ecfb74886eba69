#include "reel/files/treewalk.h"

#include "reel/files/native.h"

#include <set>
#include <utility>
#include <vector>

namespace reel::files {

void walkTree(const QString &root, const std::function<void(const QString &relative, const struct stat *st)> &visit)
{
    const auto rootStatus = statPath(root);
    if (!rootStatus || !S_ISDIR(rootStatus->st_mode))
        return;
    std::set<std::pair<dev_t, ino_t>> visited{{rootStatus->st_dev, rootStatus->st_ino}};

    struct Level {
        QString relative; // "" for root
        QStringList names;
        qsizetype next = 0;
    };
    std::vector<Level> stack;
    if (auto names = directoryNames(root))
        stack.push_back({QString(), std::move(*names)});
    const QString base = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');

    while (!stack.empty()) {
        Level &level = stack.back();
        if (level.next >= level.names.size()) {
            stack.pop_back();
            continue;
        }
        const QString &name = level.names.at(level.next++);
        const QString relative = level.relative.isEmpty() ? name : level.relative + QLatin1Char('/') + name;
        const auto st = lstatPath(base + relative);
        visit(relative, st ? &*st : nullptr);
        if (!st || !S_ISDIR(st->st_mode) || !visited.insert({st->st_dev, st->st_ino}).second)
            continue;
        if (auto names = directoryNames(base + relative); names && !names->isEmpty())
            stack.push_back({relative, std::move(*names)}); // invalidates level
    }
}

} // namespace reel::files
