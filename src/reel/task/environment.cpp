#include "reel/task/environment.h"

#include "reel/core/bundle.h"
#include "reel/core/constants.h"
#include "reel/core/paths.h"

#include <QFile>

#include <algorithm>
#include <string_view>

#include <unistd.h>

extern char **environ;

namespace reel {

namespace {

QString userDataFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid by the XDG rules and ignored.
    if (xdg.startsWith(QLatin1Char('/')))
        return xdg;
    return stringByAppendingPathComponent(homeDirectory(), QStringLiteral(".local/share"));
}

// Null without a temporary folder: an empty one would make the path relative.
QString bundleCopyInTemporaryFolder()
{
    const QString folder = getTMPFOLDER();
    return folder.isEmpty() ? QString() : stringByAppendingPathComponent(folder, QStringLiteral("app.app"));
}

QByteArray entryName(const QByteArray &entry)
{
    const qsizetype equals = entry.indexOf('=');
    return equals < 0 ? entry : entry.left(equals);
}

} // namespace

QString toolFontconfigFile()
{
    const QString folder = stringByAppendingPathComponent(userDataFolder(), Bundle::main().name());
    return stringByAppendingPathComponent(folder, QStringLiteral("fonts.conf"));
}

QString toolFontconfigPath()
{
    const QString bundle = bundleCopyInTemporaryFolder();
    return bundle.isNull() ? QString() : bundle + QStringLiteral("/Contents/Resources/fonts");
}

QString toolsFolderInTemporaryFolder()
{
    const QString bundle = bundleCopyInTemporaryFolder();
    return bundle.isNull() ? QString() : bundle + QStringLiteral("/Contents/Resources/tools");
}

QString toolsFolderInBundle()
{
    return stringByAppendingPathComponent(Bundle::main().resourcePath(), QStringLiteral("tools"));
}

QByteArrayList programEnvironment()
{
    QByteArrayList entries;
    for (char **entry = environ; entry && *entry; ++entry)
        entries.append(QByteArray(*entry));
    return entries;
}

QByteArrayList toolEnvironment()
{
    const QList<std::pair<QByteArray, QString>> replaced{
        {QByteArrayLiteral("LC_CTYPE"), QStringLiteral("en_US.UTF-8")},
        {QByteArrayLiteral("FONTCONFIG_FILE"), toolFontconfigFile()},
        {QByteArrayLiteral("FONTCONFIG_PATH"), toolFontconfigPath()},
    };
    QByteArrayList entries;
    entries.reserve(replaced.size() + 64);
    // Made on every tool run: only the entries kept are copied.
    for (char **entry = environ; entry && *entry; ++entry) {
        const std::string_view text(*entry);
        const std::string_view name = text.substr(0, text.find('='));
        const bool isReplaced = std::any_of(replaced.begin(), replaced.end(), [&](const auto &pair) {
            return std::string_view(pair.first.constData(), size_t(pair.first.size())) == name;
        });
        if (!isReplaced)
            entries.append(QByteArray(text.data(), qsizetype(text.size())));
    }
    // Without a temporary folder the fonts folder is left out (fontconfig's
    // own), rather than the program's value or a relative path.
    for (const auto &[name, value] : replaced) {
        if (!value.isNull())
            entries.append(name + '=' + QFile::encodeName(value));
    }
    return entries;
}

QVariantMap environmentDictionary(const QByteArrayList &entries)
{
    QVariantMap dictionary;
    for (const QByteArray &entry : entries) {
        const QByteArray name = entryName(entry);
        dictionary.insert(QString::fromUtf8(name), QString::fromUtf8(entry.mid(name.size() + 1)));
    }
    return dictionary;
}

} // namespace reel
