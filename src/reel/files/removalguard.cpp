#include "reel/files/removalguard.h"

#include "reel/core/paths.h"
#include "reel/files/native_p.h"
#include "reel/files/presence.h"

#include <QFile>

#include <deque>
#include <unistd.h>
#include <utility>
#include <vector>

namespace reel {

namespace {

const QChar kSlash = QLatin1Char('/');
// More links than this along one path is a loop; the kernel gives up at 40.
constexpr int kMaxLinks = 40;

QString joined(const QStringList &parts)
{
    return kSlash + parts.join(kSlash);
}

// The working folder as the kernel sees it; null when it is gone.
QString workingFolder()
{
    QByteArray buffer(4096, Qt::Uninitialized);
    if (!::getcwd(buffer.data(), size_t(buffer.size())))
        return QString();
    return QFile::decodeName(buffer.constData());
}

QString absoluteFrom(const QString &path)
{
    if (path.startsWith(kSlash))
        return path;
    const QString cwd = workingFolder();
    return cwd.isEmpty() ? QString() : cwd + kSlash + path;
}

// The text as written and, when it differs, as resolved.
void addBothForms(std::vector<QString> &list, const QString &text)
{
    if (text.isEmpty())
        return;
    list.push_back(text);
    const QString absolute = absoluteFrom(text);
    if (absolute.isEmpty())
        return;
    const QString resolved = resolveThroughLinks(absolute, true);
    if (!resolved.isNull() && resolved != text)
        list.push_back(resolved);
}

// "<folder>/*" as written and with the folder resolved.
void addPrefixForms(std::vector<QString> &list, const QString &folder)
{
    const QString star = QStringLiteral("/*");
    list.push_back(folder + star);
    const QString resolved = resolveThroughLinks(folder, true);
    if (!resolved.isNull() && resolved != folder)
        list.push_back((resolved == QLatin1String("/") ? QString() : resolved) + star);
}

bool containsText(const std::vector<QString> &texts, const QString &fragment)
{
    for (const QString &text : texts)
        if (text.contains(fragment))
            return true;
    return false;
}

bool equalsOne(const std::vector<QString> &texts, const QString &value)
{
    for (const QString &text : texts)
        if (text == value)
            return true;
    return false;
}

bool startsWithOne(const std::vector<QString> &prefixes, const QString &value)
{
    for (const QString &prefix : prefixes)
        if (value.startsWith(prefix))
            return true;
    return false;
}

} // namespace

QString resolveThroughLinks(const QString &absolutePath, bool followFinal)
{
    // Each pending component carries whether it is the path's last one.
    std::deque<std::pair<QString, bool>> pending;
    const QStringList parts = absolutePath.split(kSlash, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i)
        pending.emplace_back(parts[i], i == parts.size() - 1);

    // resolved[0, real) are real folders reached without links; a component
    // past them is missing, not a folder, or could not be looked at, and the
    // ones after it are kept as written. "." or ".." there names nothing, as
    // the kernel answers ENOENT or ENOTDIR: climbing back over a file or a
    // missing name must not land on the folder that holds it.
    QStringList resolved;
    qsizetype real = 0;
    int links = 0;
    while (!pending.empty()) {
        const auto [name, isFinal] = pending.front();
        pending.pop_front();
        const bool dot = name == QLatin1String(".");
        if (dot || name == QLatin1String("..")) {
            if (resolved.size() > real)
                return QString();
            if (!dot && !resolved.isEmpty())
                resolved.removeLast();
            real = resolved.size();
            continue;
        }
        resolved.append(name);
        if (resolved.size() - 1 > real || (isFinal && !followFinal))
            continue;
        const QString candidate = joined(resolved);
        const auto st = files::lstatPath(candidate);
        if (!st)
            continue;
        if (S_ISDIR(st->st_mode)) {
            real = resolved.size();
            continue;
        }
        if (!S_ISLNK(st->st_mode))
            continue;
        const QString target = files::readLinkText(candidate);
        if (target.isEmpty() || ++links > kMaxLinks)
            continue; // a loop: nothing can be reached through it
        resolved.removeLast();
        if (target.startsWith(kSlash)) {
            resolved.clear();
            real = 0;
        }
        const QStringList targetParts = target.split(kSlash, Qt::SkipEmptyParts);
        for (qsizetype j = targetParts.size() - 1; j >= 0; --j)
            pending.emplace_front(targetParts[j], isFinal && j == targetParts.size() - 1);
    }
    return joined(resolved);
}

QString resolvedItemPath(const QString &path, bool followFinal)
{
    if (path.isNull() || path.contains(QChar(u'\0')))
        return QString();
    const QString expanded = stringByExpandingTildeInPath(path);
    if (expanded.isEmpty())
        return QStringLiteral("");
    const QString absolute = absoluteFrom(expanded);
    const QString resolved = absolute.isEmpty() ? QString() : resolveThroughLinks(absolute, followFinal);
    // A trailing "/" asks for a folder: after a file, or a link that leads
    // to no folder, the kernel answers ENOTDIR, and rm deletes nothing.
    if (!resolved.isNull() && expanded.endsWith(kSlash) && files::lstatPath(resolved)) {
        const auto st = files::statPath(resolved);
        if (!st || !S_ISDIR(st->st_mode))
            return QString();
    }
    return resolved;
}

namespace {

// Rules 1 to 4 on the resolved item r (the expanded argument as written is
// also tested for wildcards).
RemovalVerdict pathRules(const QString &r, const QString &expanded)
{
    const QString name = userName();

    // 1. Ancestors of the home folder and of the user folders.
    std::vector<QString> ancestors;
    addBothForms(ancestors, stringByDeletingLastPathComponent(stringByExpandingTildeInPath(QStringLiteral("~/Movies"))));
    addBothForms(ancestors, QStringLiteral("/Users/") + name);
    addBothForms(ancestors, QStringLiteral("/home/") + name);
    const QString q = r == QLatin1String("/") ? QStringLiteral("") : r;
    if (!q.isEmpty() && containsText(ancestors, q))
        return RemovalVerdict::RefusedAncestor;

    // 2. The authoring work folder is exempt from the next two rules.
    if (r.startsWith(QLatin1String("/VKTauthoring")))
        return RemovalVerdict::Allowed;

    // 3. Folders of volumes and homes.
    std::vector<QString> parents;
    for (const QString &folder :
         {QStringLiteral("/"), QStringLiteral("/Volumes"), QStringLiteral("/Users"), QStringLiteral("/home"),
          QStringLiteral("/media"), QStringLiteral("/media/") + name, QStringLiteral("/mnt"),
          QStringLiteral("/run/media/") + name, QStringLiteral("/run/media")})
        addBothForms(parents, folder);
    if (equalsOne(parents, fichier_dirname(r)) || equalsOne(parents, r))
        return RemovalVerdict::RefusedDirname;

    // 4. Wildcards, on the judged path and on the argument as written.
    std::vector<QString> prefixes{QStringLiteral("*"), QStringLiteral("/*")};
    for (const QString &folder :
         {QStringLiteral("/Volumes"), QStringLiteral("/Volumes/Users"), QStringLiteral("/home"), QStringLiteral("/media"),
          QStringLiteral("/media/") + name, QStringLiteral("/mnt"), QStringLiteral("/run/media"),
          QStringLiteral("/run/media/") + name})
        addPrefixForms(prefixes, folder);
    if (startsWithOne(prefixes, r) || startsWithOne(prefixes, expanded))
        return RemovalVerdict::RefusedJoker;
    return RemovalVerdict::Allowed;
}

} // namespace

RemovalJudgement judgeRemoval(const QString &path)
{
    RemovalJudgement judgement;
    judgement.expanded = stringByExpandingTildeInPath(path);
    if (path.isNull() || path.contains(QChar(u'\0'))
        || (!judgement.expanded.isEmpty() && absoluteFrom(judgement.expanded).isNull())) {
        judgement.verdict = RemovalVerdict::RefusedUnknown;
        return judgement;
    }
    judgement.resolved = resolvedItemPath(path);
    if (judgement.resolved.isNull()) {
        judgement.verdict = RemovalVerdict::RefusedNothingThere;
        return judgement;
    }
    if (judgement.resolved.isEmpty())
        return judgement; // names nothing: nothing to delete
    judgement.verdict = pathRules(judgement.resolved, judgement.expanded);

    // 5. As rm does, "." and ".." are never removed by that name, even where
    // the folder they stand for could be (the authoring folder included).
    const QStringList parts = judgement.expanded.split(kSlash, Qt::SkipEmptyParts);
    if (judgement.verdict == RemovalVerdict::Allowed && !parts.isEmpty()
        && (parts.last() == QLatin1String(".") || parts.last() == QLatin1String("..")))
        judgement.verdict = RemovalVerdict::RefusedDots;
    return judgement;
}

} // namespace reel
