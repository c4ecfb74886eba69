/// \file
/// \ingroup core
/// The application bundle: a folder that holds the program and what it ships.
///
///   Name.app/Contents/Info.plist            information values (CFBundleName...)
///   Name.app/Contents/MacOS/<executable>
///   Name.app/Contents/Resources/            resources, tools/, fonts/,
///   Name.app/Contents/Resources/<lang>.lproj/<Table>.strings
///
/// The main bundle is found from the running executable (its folder is
/// Contents/MacOS, or holds Contents/ itself); the environment variable
/// REELKIT_BUNDLE names another bundle folder and wins. An executable outside
/// any bundle gets a bare bundle: its own folder as resource path, its file
/// name as name, no information values.
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

REEL_EXPORT_BEGIN
namespace reel {

class Bundle {
public:
    /// The running application's bundle. Looked up on every call (the
    /// environment variable may change, as tests do); the information values
    /// are read again when Info.plist changes.
    static Bundle main();
    /// The bundle at a folder (Name.app); a folder without Contents/Info.plist
    /// gives a bundle without information values.
    static Bundle atPath(const QString &bundlePath);

    QString bundlePath() const;
    QString resourcePath() const;
    QString executablePath() const;

    QVariantMap infoDictionary() const;
    QVariant objectForInfoDictionaryKey(const QString &key) const;

    /// CFBundleName; the executable's file name when the bundle has none.
    QString name() const;
    /// CFBundleIdentifier; "org.reelkit.<name>" when the bundle has none.
    QString identifier() const;

    /// Resources/<name>.<type>, then the same in the preferred localisation's
    /// folder. A null or empty type takes name as the whole file name. A null
    /// string when there is no such file.
    QString pathForResource(const QString &name, const QString &type) const;

    /// The text for key in the strings table (Localizable when null or empty)
    /// of the preferred localisation. When the key is missing: value when it
    /// is not null, else the key itself.
    QString localizedString(const QString &key, const QString &value, const QString &table) const;

    /// The localisation folders present (without ".lproj") in preference order
    /// for this user: the user's languages, the development region, English;
    /// when none of those is present, every localisation the bundle has.
    QStringList preferredLocalizations() const;

    struct Data; ///< opaque

private:
    std::shared_ptr<const Data> d;
};

} // namespace reel
REEL_EXPORT_END
