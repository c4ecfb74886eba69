#include "reel/prefs/store.h"

#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"
#include "reel/core/bundle.h"
#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/core/paths.h"
#include "reel/plist/codec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace reel {

namespace {

// A writer holds the lock for one read, one parse and one atomic write; a
// process that keeps it longer than this is stuck, and waiting for it would
// hang the caller.
constexpr auto kLockWait = std::chrono::seconds(10);

// Contents read while the file's times were this recent may be followed by a
// change that leaves every stat field as it was (same size, same timestamp
// tick), so they are checked against the bytes on the next read.
constexpr qint64 kSettledNs = 2'000'000'000;


struct FileKey {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    friend bool operator==(const FileKey &a, const FileKey &b)
    {
        return a.dev == b.dev && a.ino == b.ino && a.size == b.size && a.mtime.tv_sec == b.mtime.tv_sec
               && a.mtime.tv_nsec == b.mtime.tv_nsec && a.ctime.tv_sec == b.ctime.tv_sec
               && a.ctime.tv_nsec == b.ctime.tv_nsec;
    }
};

FileKey keyOf(const struct stat &st)
{
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool settled(const FileKey &key)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 newest = qMax(nanoseconds(key.mtime), nanoseconds(key.ctime));
    return nanoseconds(now) - newest >= kSettledNs;
}

// The last contents read or written, for the file at path.
struct Cache {
    QString path;
    bool valid = false;
    FileKey key;
    bool settled = false;
    QByteArray bytes;
    QVariantMap values;
};

std::mutex g_mutex;
Cache g_cache;
// The reason last logged for a failed read, so that a store that stays
// unavailable is reported once rather than on every read.
QString g_readFailure;

enum class Load { Ok, Unavailable, Corrupt };

struct Loaded {
    Load state = Load::Ok;
    QVariantMap values;
    QString why;
};

Loaded load(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT)
            return {};
        return {Load::Unavailable, {}, errnoText(errno)};
    }
    if (!S_ISREG(st.st_mode))
        return {Load::Unavailable, {}, QStringLiteral("not a regular file")};

    const FileKey key = keyOf(st);
    const bool known = g_cache.valid && g_cache.path == path;
    if (known && g_cache.settled && g_cache.key == key)
        return {Load::Ok, g_cache.values, {}};

    // One byte more than a property list may have: a larger file is refused
    // as damaged without being read whole.
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(path, &error, qint64(kPlistMaxBytes) + 1);
    if (!bytes)
        return {Load::Unavailable, {}, error};
    if (known && g_cache.bytes == *bytes) {
        g_cache.key = key;
        g_cache.settled = settled(key);
        return {Load::Ok, g_cache.values, {}};
    }
    const std::optional<QVariant> root = plistFromData(*bytes, &error);
    if (!root)
        return {Load::Corrupt, {}, error};
    if (root->metaType().id() != QMetaType::QVariantMap)
        return {Load::Corrupt, {}, QStringLiteral("root is not a dictionary")};
    g_cache = {path, true, key, settled(key), *bytes, root->toMap()};
    return {Load::Ok, g_cache.values, {}};
}

// Renames a damaged store out of the way (the caller holds the lock).
Loaded setAside(const QString &path, const QString &why)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
        const QString reason = errnoText(errno);
        logAlways(LogLabel("preferences"), ":-( damaged '%@' (%@) cannot be set aside: %@", path, why, reason);
        return {Load::Unavailable, {}, reason};
    }
    g_cache.valid = false;
    logAlways(LogLabel("preferences"), ":-/ damaged '%@' (%@) set aside as '%@', starting empty", path, why, aside);
    return {};
}

// The exclusive lock on "<store>.lock", held while the object lives.
class StoreLock {
public:
    StoreLock() = default;
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool acquire(const QString &storePath, QString *why)
    {
        const QByteArray native = QFile::encodeName(storePath + QStringLiteral(".lock"));
        m_fd.reset(::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0600));
        if (!m_fd.valid()) {
            *why = errnoText(errno);
            return false;
        }
        struct stat st {};
        if (::fstat(m_fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            *why = QStringLiteral("lock file is not a regular file");
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            if (::flock(m_fd.get(), LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK) {
                *why = errnoText(errno);
                return false;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                *why = QStringLiteral("another process keeps the lock");
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

private:
    UniqueFd m_fd;
};

bool makeFolder(const QString &folder, QString *why)
{
    QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink()) {
        *why = QStringLiteral("not a folder");
        return false;
    }
    const QString parent = stringByDeletingLastPathComponent(folder);
    if (parent != folder && !parent.isEmpty() && !makeFolder(parent, why))
        return false;
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        *why = errnoText(errno);
        return false;
    }
    return true;
}

} // namespace

QString preferencesFilePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !config.startsWith(QLatin1Char('/')))
        config = stringByAppendingPathComponent(homeDirectory(), QStringLiteral(".config"));
    QString name = Bundle::main().identifier();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return stringByAppendingPathComponent(config, name + QStringLiteral(".plist"));
}

std::optional<QVariantMap> readPreferences()
{
    const std::lock_guard guard(g_mutex);
    const QString path = preferencesFilePath();
    Loaded loaded = load(path);
    if (loaded.state == Load::Corrupt) {
        // Look again under the lock: a writer may have replaced the file
        // between the read and now.
        StoreLock lock;
        QString why;
        if (!lock.acquire(path, &why)) {
            loaded = {Load::Unavailable, {}, QStringLiteral("damaged, and its lock: ") + why};
        } else {
            loaded = load(path);
            if (loaded.state == Load::Corrupt)
                loaded = setAside(path, loaded.why);
        }
    }
    if (loaded.state != Load::Ok) {
        const QString failure = path + loaded.why;
        if (failure != g_readFailure)
            logAlways(LogLabel("preferences"), ":-( cannot read '%@': %@", path, loaded.why);
        g_readFailure = failure;
        return std::nullopt;
    }
    g_readFailure.clear();
    return loaded.values;
}

QVariant preferenceValue(const QString &key)
{
    const std::optional<QVariantMap> values = readPreferences();
    return values ? values->value(key) : QVariant();
}

bool updatePreferences(const std::function<bool(QVariantMap &values)> &change)
{
    const std::lock_guard guard(g_mutex);
    const QString path = preferencesFilePath();
    auto fail = [&](const QString &why) {
        logAlways(LogLabel("preferences"), ":-( cannot write '%@': %@", path, why);
        return false;
    };

    QString why;
    if (!makeFolder(stringByDeletingLastPathComponent(path), &why))
        return fail(QStringLiteral("folder: ") + why);
    StoreLock lock;
    if (!lock.acquire(path, &why))
        return fail(QStringLiteral("lock: ") + why);
    Loaded loaded = load(path);
    if (loaded.state == Load::Corrupt)
        loaded = setAside(path, loaded.why);
    if (loaded.state != Load::Ok)
        return fail(loaded.why);
    const QByteArray native = QFile::encodeName(path);
    // The rights the program writes with (effective ones), not those of the
    // user who started it.
    if (::access(native.constData(), F_OK) == 0 && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        return fail(errnoText(errno));

    QVariantMap values = loaded.values;
    if (!change(values))
        return true;
    const QByteArray bytes = plistToData(values, PlistFormat::Binary, &why);
    if (bytes.isEmpty())
        return fail(why);
    if (!writeFileAtomically(path, bytes, &why))
        return fail(why);
    // A writer killed mid-write leaves its new file behind; under the lock
    // no other writer is at work, and a minute is far past any write.
    removeLeftoverTemporaryFiles(path, 60);

    // Keep what a reader will parse from the file (a string list comes back
    // as a list, a short as an int), not the caller's own types.
    struct stat st {};
    const std::optional<QVariant> root = plistFromData(bytes);
    if (::stat(native.constData(), &st) == 0 && root)
        g_cache = {path, true, keyOf(st), false, bytes, root->toMap()};
    else
        g_cache.valid = false;
    return true;
}

} // namespace reel
