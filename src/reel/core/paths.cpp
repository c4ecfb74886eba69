#include "reel/core/paths.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace reel {

namespace {

const QChar kSlash = QLatin1Char('/');

// Removes trailing separators but keeps a lone root "/".
QString withoutTrailingSlashes(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == kSlash)
        --end;
    return path.left(end);
}

// Collapses runs of "/" into one and drops the trailing one (not the root).
QString withCleanSeparators(const QString &path)
{
    QString out;
    out.reserve(path.size());
    for (QChar c : path) {
        if (c == kSlash && !out.isEmpty() && out.back() == kSlash)
            continue;
        out += c;
    }
    return withoutTrailingSlashes(out);
}

// Position of the extension's "." in the last component of a path that has
// no trailing separator, or -1.
qsizetype extensionDot(const QString &trimmed)
{
    const qsizetype slash = trimmed.lastIndexOf(kSlash);
    const qsizetype start = slash + 1;
    const qsizetype dot = trimmed.lastIndexOf(QLatin1Char('.'));
    if (dot <= start) // no dot in the component, or a leading dot only
        return -1;
    return dot;
}

QString passwdHome(const struct passwd *pw)
{
    return pw && pw->pw_dir ? QFile::decodeName(pw->pw_dir) : QString();
}

} // namespace

QString lastPathComponent(const QString &path)
{
    if (path.isEmpty())
        return path.isNull() ? QString() : QStringLiteral("");
    const QString trimmed = withoutTrailingSlashes(path);
    if (trimmed == QLatin1String("/"))
        return trimmed;
    return trimmed.mid(trimmed.lastIndexOf(kSlash) + 1);
}

QString stringByDeletingLastPathComponent(const QString &path)
{
    if (path.isEmpty())
        return path.isNull() ? QString() : QStringLiteral("");
    const QString trimmed = withoutTrailingSlashes(path);
    if (trimmed == QLatin1String("/"))
        return trimmed;
    const qsizetype slash = trimmed.lastIndexOf(kSlash);
    if (slash < 0)
        return QStringLiteral("");
    const QString parent = withoutTrailingSlashes(trimmed.left(slash));
    if (parent.isEmpty())
        return QStringLiteral("/");
    return withCleanSeparators(parent);
}

QString pathExtension(const QString &path)
{
    if (path.isNull())
        return QString();
    const QString trimmed = withoutTrailingSlashes(path);
    const qsizetype dot = extensionDot(trimmed);
    return dot < 0 ? QStringLiteral("") : trimmed.mid(dot + 1);
}

QString stringByDeletingPathExtension(const QString &path)
{
    if (path.isNull())
        return QString();
    const QString trimmed = withoutTrailingSlashes(path);
    const qsizetype dot = extensionDot(trimmed);
    return dot < 0 ? trimmed : trimmed.left(dot);
}

QString stringByAppendingPathComponent(const QString &path, const QString &component)
{
    if (path.isEmpty())
        return withCleanSeparators(component);
    if (component.isEmpty())
        return withCleanSeparators(path);
    return withCleanSeparators(path + kSlash + component);
}

QString stringByAppendingPathExtension(const QString &path, const QString &extension)
{
    const QString trimmed = withoutTrailingSlashes(path);
    if (extension.isEmpty() || trimmed.isEmpty() || trimmed == QLatin1String("/"))
        return trimmed;
    return trimmed + QLatin1Char('.') + extension;
}

QString stringByStandardizingPath(const QString &path)
{
    if (path.isEmpty())
        return path;
    const QString expanded = stringByExpandingTildeInPath(path);
    const bool absolute = expanded.startsWith(kSlash);
    std::vector<QString> parts;
    for (const QString &part : expanded.split(kSlash, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..") && absolute) {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    QString out = absolute ? QStringLiteral("/") : QStringLiteral("");
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += kSlash;
        out += parts[i];
    }
    if (out.isEmpty() && !absolute)
        return expanded.startsWith(QLatin1Char('.')) ? QStringLiteral(".") : out;
    return out;
}

QString stringByExpandingTildeInPath(const QString &path)
{
    if (!path.startsWith(QLatin1Char('~')))
        return path;
    const qsizetype slash = path.indexOf(kSlash);
    const QString user = path.mid(1, slash < 0 ? -1 : slash - 1);
    const QString rest = slash < 0 ? QString() : path.mid(slash);
    QString home = user.isEmpty() ? homeDirectory() : homeDirectoryForUser(user);
    if (home.isEmpty())
        return path;
    if (rest.isEmpty())
        return withoutTrailingSlashes(home);
    home = withoutTrailingSlashes(home);
    if (home == QLatin1String("/"))
        return rest;
    return home + rest;
}

QStringList pathComponents(const QString &path)
{
    QStringList out;
    if (path.isEmpty())
        return out;
    if (path.startsWith(kSlash))
        out << QStringLiteral("/");
    out << path.split(kSlash, Qt::SkipEmptyParts);
    if (path.size() > 1 && path.endsWith(kSlash))
        out << QStringLiteral("/");
    return out;
}

QString homeDirectory()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty())
        return home;
    return passwdHome(getpwuid(getuid()));
}

QString homeDirectoryForUser(const QString &user)
{
    if (user.isEmpty())
        return QString();
    return passwdHome(getpwnam(QFile::encodeName(user).constData()));
}

QString userName()
{
    if (const struct passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
        return QFile::decodeName(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace reel
