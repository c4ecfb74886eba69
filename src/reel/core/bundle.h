/// \file
/// \ingroup core
/// The application bundle: a folder that holds the program and what it ships.
///
/// \code{.unparsed}
///   Name.app/Contents/Info.plist            information values (CFBundleName...)
///   Name.app/Contents/MacOS/<executable>
///   Name.app/Contents/Resources/            resources, tools/, fonts/,
///   Name.app/Contents/Resources/<lang>.lproj/<Table>.strings
/// \endcode
///
/// The main bundle is found from the running executable (its folder is
/// Contents/MacOS, or holds Contents/ itself); the environment variable
/// REELKIT_BUNDLE names another bundle folder and wins. An executable outside
/// any bundle gets a bare bundle: its own folder as resource path, its file
/// name as name, no information values. An Info.plist that the
/// property-list reader refuses gives no information values (logged).
#pragma once

#include "reel/core/export.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

REEL_EXPORT_BEGIN
namespace reel {

/// An application bundle; copies share what was read and are cheap.
class Bundle {
public:
    /// The running application's bundle. Looked up on every call (the
    /// environment variable may change, as tests do); the information values
    /// are read again when Info.plist changes.
    static Bundle main();
    /// The bundle at a folder (Name.app); a folder without Contents/Info.plist
    /// gives a bundle without information values.
    static Bundle atPath(const QString &bundlePath);

    /// The bundle's folder (Name.app), or the bare bundle's executable folder.
    QString bundlePath() const;
    /// Contents/Resources, or the bare bundle's executable folder.
    QString resourcePath() const;
    /// The executable: the running one for the main bundle, else
    /// Contents/MacOS/ and CFBundleExecutable; "" when neither is known.
    QString executablePath() const;

    /// Info.plist's dictionary; empty when there is none.
    QVariantMap infoDictionary() const;
    /// The information value under key; invalid when there is none.
    QVariant objectForInfoDictionaryKey(const QString &key) const;

    /// CFBundleName; the executable's file name when the bundle has none.
    QString name() const;
    /// CFBundleIdentifier; "org.reelkit.<name>" when the bundle has none.
    QString identifier() const;

    /// Resources/\<name\>.\<type\>, then the same in the preferred localisation's
    /// folder. A null or empty type takes name as the whole file name. A null
    /// string when there is no such file.
    QString pathForResource(const QString &name, const QString &type) const;

    /// The text for key in the strings table (Localizable when null or empty)
    /// of the preferred localisation. When the key is missing: value when it
    /// is not null, else the key itself; so too when the table does not parse
    /// (logged).
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
