#include "reel/files/native_p.h"

#include "reel/base/errortext.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <climits>
#include <sys/statvfs.h>
#include <unistd.h>

namespace reel::files {

QByteArray nativePath(const QString &path)
{
    if (path.contains(QChar(u'\0')))
        return QByteArray("");
    return QFile::encodeName(path);
}


std::optional<struct stat> statPath(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(nativePath(path).constData(), &st) != 0)
        return std::nullopt;
    return st;
}

std::optional<struct stat> lstatPath(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::lstat(nativePath(path).constData(), &st) != 0)
        return std::nullopt;
    return st;
}

QString readLinkText(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink(nativePath(path).constData(), buffer.data(), size_t(buffer.size()));
    if (n <= 0 || n >= buffer.size())
        return QString();
    buffer.truncate(n);
    return QFile::decodeName(buffer);
}

QString DirectoryListing::name(const Entry &entry) const
{
    return QFile::decodeName(QByteArray::fromRawData(nativeName(entry), entry.length));
}

QString DirectoryListing::path(QStringView first, QStringView second, const Entry &entry) const
{
    if (!ascii) {
        const QString decoded = name(entry);
        QString path;
        path.reserve(first.size() + second.size() + decoded.size());
        return path.append(first).append(second).append(decoded);
    }
    QString path(first.size() + second.size() + entry.length, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(path.data());
    out = std::copy_n(first.utf16(), first.size(), out);
    out = std::copy_n(second.utf16(), second.size(), out);
    const auto *name = reinterpret_cast<const uchar *>(nativeName(entry));
    std::copy_n(name, entry.length, out); // ASCII bytes are their UTF-16 units
    return path;
}

QString DirectoryListing::path(QStringView first, QStringView second, const Entry &entry, StringBlocks &blocks) const
{
    const QString decoded = ascii ? QString() : name(entry);
    const qsizetype length = first.size() + second.size() + (ascii ? entry.length : decoded.size());
    if (length == 0)
        return QStringLiteral("");
    char16_t *out = nullptr;
    QString path = blocks.make(length, &out);
    out = std::copy_n(first.utf16(), first.size(), out);
    out = std::copy_n(second.utf16(), second.size(), out);
    if (ascii)
        std::copy_n(reinterpret_cast<const uchar *>(nativeName(entry)), entry.length, out);
    else
        std::copy_n(decoded.utf16(), decoded.size(), out);
    return path;
}

DirectoryListing readListing(DIR *dir)
{
    DirectoryListing listing;
    while (const struct dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        const qsizetype length = qsizetype(std::strlen(name));
        uchar bits = 0;
        for (qsizetype i = 0; i < length; ++i)
            bits |= uchar(name[i]);
        listing.ascii = listing.ascii && bits < 0x80;
        listing.entries.push_back({qsizetype(listing.natives.size()), length, entry->d_type});
        listing.natives.append(name, size_t(length) + 1);
    }
    auto &entries = listing.entries;
    if (listing.ascii) {
        // ASCII bytes sort as their UTF-16 units do. The first sixteen bytes
        // of a name (zero-padded: no name holds a NUL) compare as two
        // numbers, which settles most pairs without reading the names again.
        struct Keyed {
            quint64 high, low;
            DirectoryListing::Entry entry;
        };
        const char *const natives = listing.natives.data();
        std::vector<Keyed> keyed;
        keyed.reserve(entries.size());
        for (const auto &entry : entries) {
            unsigned char head[16] = {};
            std::memcpy(head, natives + entry.native, size_t(std::min<qsizetype>(entry.length, 16)));
            keyed.push_back({qFromBigEndian<quint64>(head), qFromBigEndian<quint64>(head + 8), entry});
        }
        std::sort(keyed.begin(), keyed.end(), [natives](const Keyed &a, const Keyed &b) {
            if (a.high != b.high)
                return a.high < b.high;
            if (a.low != b.low)
                return a.low < b.low;
            return a.entry.length >= 16 && b.entry.length >= 16
                && std::strcmp(natives + a.entry.native + 16, natives + b.entry.native + 16) < 0;
        });
        for (size_t i = 0; i < keyed.size(); ++i)
            entries[i] = keyed[i].entry;
        return listing;
    }
    std::vector<std::pair<QString, DirectoryListing::Entry>> named;
    named.reserve(entries.size());
    for (const auto &entry : entries)
        named.emplace_back(listing.name(entry), entry);
    std::sort(named.begin(), named.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 0; i < named.size(); ++i)
        entries[i] = named[i].second;
    return listing;
}

std::optional<DirectoryListing> listDirectory(const QString &folder)
{
    if (folder.isEmpty())
        return std::nullopt;
    // opendir opens with O_DIRECTORY and O_NONBLOCK: a pipe or a device is
    // refused at once, never waited on.
    DIR *dir = ::opendir(nativePath(folder).constData());
    if (!dir)
        return std::nullopt;
    DirectoryListing listing = readListing(dir);
    ::closedir(dir);
    return listing;
}

std::optional<QStringList> directoryNames(const QString &folder)
{
    const std::optional<DirectoryListing> listing = listDirectory(folder);
    if (!listing)
        return std::nullopt;
    QStringList names;
    names.reserve(qsizetype(listing->entries.size()));
    for (const DirectoryListing::Entry &entry : listing->entries)
        names.append(listing->name(entry));
    return names;
}

std::optional<QVariantMap> fileSystemAttributes(const QString &path, QString *error)
{
    struct statvfs fs {};
    if (path.isEmpty() || ::statvfs(nativePath(path).constData(), &fs) != 0) {
        const int code = path.isEmpty() ? ENOENT : errno;
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, errnoText(code));
        return std::nullopt;
    }
    const qint64 unit = qint64(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    QVariantMap attributes;
    attributes.insert(QStringLiteral("NSFileSystemSize"), qint64(fs.f_blocks) * unit);
    attributes.insert(QStringLiteral("NSFileSystemFreeSize"), qint64(fs.f_bavail) * unit);
    attributes.insert(QStringLiteral("NSFileSystemNodes"), qint64(fs.f_files));
    attributes.insert(QStringLiteral("NSFileSystemFreeNodes"), qint64(fs.f_favail));
    attributes.insert(QStringLiteral("NSFileSystemNumber"), qint64(fs.f_fsid));
    return attributes;
}

} // namespace reel::files
