#include "reel/core/bundle.h"

#include "reel/core/fileio.h"
#include "reel/core/log.h"
#include "reel/plist/codec.h"
#include "reel/plist/file_p.h"
#include "reel/core/stringsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace reel {

struct Bundle::Data {
    QString bundlePath;
    QString resourcePath;
    QString executablePath;
    QVariantMap info;
};

namespace {

QString runningExecutable()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0)
        return QFile::decodeName(QByteArray(buffer, int(n)));
    return QCoreApplication::applicationFilePath();
}

// Info.plist contents, re-read only when the file changes.
QVariantMap readInfo(const QString &plistPath)
{
    struct Cached {
        qint64 mtimeNs = -1;
        qint64 size = -1;
        QVariantMap info;
    };
    static std::mutex mutex;
    static QHash<QString, Cached> cache;

    struct stat st {};
    if (::stat(QFile::encodeName(plistPath).constData(), &st) != 0)
        return {};
    const qint64 mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    std::lock_guard lock(mutex);
    Cached &entry = cache[plistPath];
    if (entry.mtimeNs == mtimeNs && entry.size == qint64(st.st_size))
        return entry.info;
    QVariantMap info;
    QString refusal;
    const std::optional<QVariant> root = readPlistFile(plistPath, &refusal);
    if (!refusal.isEmpty())
        logAlways(LogLabel("Info.plist"), ":-( refused '%@': %@", plistPath, refusal);
    if (root && root->metaType().id() == QMetaType::QVariantMap)
        info = root->toMap();
    entry = {mtimeNs, qint64(st.st_size), info};
    return info;
}

std::shared_ptr<Bundle::Data> makeBundle(const QString &bundlePath, const QString &executable)
{
    auto d = std::make_shared<Bundle::Data>();
    d->bundlePath = bundlePath;
    d->resourcePath = bundlePath + QStringLiteral("/Contents/Resources");
    d->info = readInfo(bundlePath + QStringLiteral("/Contents/Info.plist"));
    d->executablePath = executable;
    if (d->executablePath.isEmpty()) {
        const QString exeName = d->info.value(QStringLiteral("CFBundleExecutable")).toString();
        if (!exeName.isEmpty())
            d->executablePath = bundlePath + QStringLiteral("/Contents/MacOS/") + exeName;
    }
    return d;
}

QStringList languageCandidates(const QString &tag)
{
    static const QHash<QString, QString> legacy = {
        {QStringLiteral("en"), QStringLiteral("English")}, {QStringLiteral("fr"), QStringLiteral("French")},
        {QStringLiteral("de"), QStringLiteral("German")},  {QStringLiteral("es"), QStringLiteral("Spanish")},
        {QStringLiteral("it"), QStringLiteral("Italian")}, {QStringLiteral("ja"), QStringLiteral("Japanese")},
        {QStringLiteral("nl"), QStringLiteral("Dutch")},
    };
    QStringList out;
    if (tag.isEmpty())
        return out;
    QString underscored = tag;
    underscored.replace(QLatin1Char('-'), QLatin1Char('_'));
    out << tag << underscored;
    const QString base = underscored.section(QLatin1Char('_'), 0, 0);
    out << base;
    if (legacy.contains(base))
        out << legacy.value(base);
    out.removeDuplicates();
    return out;
}

} // namespace

Bundle Bundle::atPath(const QString &bundlePath)
{
    Bundle b;
    b.d = makeBundle(QDir::cleanPath(bundlePath), QString());
    return b;
}

Bundle Bundle::main()
{
    const QString overridden = qEnvironmentVariable("REELKIT_BUNDLE");
    if (!overridden.isEmpty())
        return atPath(overridden);

    // Where the running program's bundle is, found once: the program does
    // not move while it runs, and this is asked on every tool run. Its
    // information is still read afresh when the file changes.
    struct Place {
        QString bundlePath;
        QString executable;
        bool hasInfo = false;
    };
    static const Place place = [] {
        const QString exe = runningExecutable();
        const QString exeDir = QFileInfo(exe).absolutePath();
        // Name.app/Contents/MacOS/exe
        if (QFileInfo(exeDir).fileName() == QLatin1String("MacOS")
            && QFileInfo::exists(exeDir + QStringLiteral("/../Info.plist")))
            return Place{QDir::cleanPath(exeDir + QStringLiteral("/../..")), exe, true};
        // An executable beside Contents/
        return Place{exeDir, exe, QFileInfo::exists(exeDir + QStringLiteral("/Contents/Info.plist"))};
    }();
    Bundle b;
    if (place.hasInfo) {
        b.d = makeBundle(place.bundlePath, place.executable);
        return b;
    }
    auto d = std::make_shared<Data>();
    d->bundlePath = place.bundlePath;
    d->resourcePath = place.bundlePath;
    d->executablePath = place.executable;
    b.d = d;
    return b;
}

QString Bundle::bundlePath() const { return d->bundlePath; }
QString Bundle::resourcePath() const { return d->resourcePath; }
QString Bundle::executablePath() const { return d->executablePath; }
QVariantMap Bundle::infoDictionary() const { return d->info; }

QVariant Bundle::objectForInfoDictionaryKey(const QString &key) const
{
    return d->info.value(key);
}

QString Bundle::name() const
{
    const QString name = d->info.value(QStringLiteral("CFBundleName")).toString();
    if (!name.isEmpty())
        return name;
    const QString exe = d->executablePath.isEmpty() ? runningExecutable() : d->executablePath;
    return QFileInfo(exe).fileName();
}

QString Bundle::identifier() const
{
    const QString id = d->info.value(QStringLiteral("CFBundleIdentifier")).toString();
    return id.isEmpty() ? QStringLiteral("org.reelkit.") + name() : id;
}

QStringList Bundle::preferredLocalizations() const
{
    QStringList wanted;
    for (const QString &tag : QLocale::system().uiLanguages())
        wanted << languageCandidates(tag);
    wanted << languageCandidates(d->info.value(QStringLiteral("CFBundleDevelopmentRegion")).toString());
    wanted << languageCandidates(QStringLiteral("en")) << QStringLiteral("Base");
    wanted.removeDuplicates();
    QStringList present;
    for (const QString &lang : wanted) {
        if (QFileInfo(d->resourcePath + QLatin1Char('/') + lang + QStringLiteral(".lproj")).isDir())
            present << lang;
    }
    if (present.isEmpty()) {
        // None of the wanted languages: a bundle localised in other languages
        // only still speaks one of them rather than none.
        const QDir resources(d->resourcePath);
        for (const QString &folder : resources.entryList({QStringLiteral("*.lproj")}, QDir::Dirs, QDir::Name))
            present << folder.chopped(6);
    }
    return present;
}

QString Bundle::pathForResource(const QString &name, const QString &type) const
{
    if (name.isEmpty() && type.isEmpty())
        return QString();
    const QString file = type.isEmpty() ? name : name + QLatin1Char('.') + type;
    if (file.contains(QLatin1Char('\0')))
        return QString();
    const QString top = d->resourcePath + QLatin1Char('/') + file;
    if (QFileInfo::exists(top))
        return top;
    for (const QString &lang : preferredLocalizations()) {
        const QString localized = d->resourcePath + QLatin1Char('/') + lang + QStringLiteral(".lproj/") + file;
        if (QFileInfo::exists(localized))
            return localized;
    }
    return QString();
}

QString Bundle::localizedString(const QString &key, const QString &value, const QString &table) const
{
    const QString tableName = table.isEmpty() ? QStringLiteral("Localizable") : table;
    for (const QString &lang : preferredLocalizations()) {
        const QString path =
            d->resourcePath + QLatin1Char('/') + lang + QStringLiteral(".lproj/") + tableName + QStringLiteral(".strings");
        const std::optional<QByteArray> bytes = readRegularFile(path, nullptr, qint64(kPlistMaxBytes) + 1);
        if (!bytes)
            continue;
        QString why;
        const std::optional<QHash<QString, QString>> strings = parseStringsFile(*bytes, &why);
        if (!strings)
            logAlways(LogLabel("localizedString"), ":-( refused '%@': %@", path, why);
        if (strings && strings->contains(key))
            return strings->value(key);
        break; // the preferred localisation has the table: no other is asked
    }
    return value.isNull() ? key : value;
}

} // namespace reel
