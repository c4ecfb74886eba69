#include <reel/core/bundle.h>
#include <reel/core/fileio.h>
#include <reel/core/plistcodec.h>

#include "bundles.h"
#include "logcapture.h"
#include "plists.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>

using namespace reel;

namespace {

using EnvBundle = test::ScopedBundle;

QString localized(const QString &key, const QString &value, const QString &table = QStringLiteral("Localized"))
{
    return Bundle::main().localizedString(key, value, table);
}

} // namespace

TEST(Bundle, AChangedInfoPlistIsSeenByTheNextLookup)
{
    const QString path = test::makeBundle(QStringLiteral("Converter"), {});
    const QString info = path + QStringLiteral("/Contents/Info.plist");
    EnvBundle env(path);
    // Each change is stamped with its own time, so no row depends on a clock tick.
    const std::tuple<const char *, PlistFormat, time_t> changes[] = {
        {"Aaaa", PlistFormat::Binary, 1000000000},
        {"Bbbb", PlistFormat::Binary, 1000000001}, // the same size, later
        {"Cccccc", PlistFormat::Xml, 1000000001},  // another size, the same time
    };
    for (const auto &[name, format, mtime] : changes) {
        ASSERT_TRUE(writeFileAtomically(info, plistToData(QVariantMap{{QStringLiteral("CFBundleName"), name}}, format)));
        const timespec times[2] = {{mtime, 0}, {mtime, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(info).constData(), times, 0), 0);
        EXPECT_EQ(Bundle::main().name(), QLatin1String(name));
        EXPECT_EQ(Bundle::main().identifier(), QStringLiteral("org.reelkit.") + QLatin1String(name));
    }
}

TEST(Bundle, WithoutInformationValues)
{
    const QString path = test::scratchDir() + QStringLiteral("/Bare.app");
    QDir().mkpath(path);
    EnvBundle env(path);
    EXPECT_TRUE(Bundle::main().infoDictionary().isEmpty());
    // The name falls back to the running executable's.
    EXPECT_EQ(Bundle::main().name(), QStringLiteral("test_core"));
    test::writeFile(path + QStringLiteral("/Contents/Info.plist"), "not a property list");
    EXPECT_EQ(Bundle::main().name(), QStringLiteral("test_core"));
}

TEST(Bundle, RefusedFilesGiveNothingWithALogLine)
{
    // A dictionary key holding U+0000, in the information and in a table.
    const QByteArray nulKey = test::hostilePlists().front().bytes;
    const QString path = test::makeBundle(QStringLiteral("Hostile"), {});
    EnvBundle env(path);
    const QString info = test::writeFile(path + QStringLiteral("/Contents/Info.plist"), nulKey);
    const QString table = test::writeFile(path + QStringLiteral("/Contents/Resources/en.lproj/Localized.strings"), nulKey);
    EXPECT_TRUE(Bundle::main().infoDictionary().isEmpty());
    EXPECT_TRUE(test::logContains(QStringLiteral("Info.plist          :-( refused '") + info + QStringLiteral("': ")));
    EXPECT_EQ(localized(QStringLiteral("a"), QStringLiteral("v")), QStringLiteral("v"));
    EXPECT_TRUE(test::logContains(QStringLiteral("localizedString     :-( refused '") + table + QStringLiteral("': ")));
}

TEST(Bundle, ResourcesAndLocalizations)
{
    const QString path = test::makeBundle(QStringLiteral("Fr"), {{QStringLiteral("CFBundleDevelopmentRegion"), QStringLiteral("fr")}});
    EnvBundle env(path);
    const QString res = path + QStringLiteral("/Contents/Resources");
    // Only a French localisation: it is the one used, whatever the user's language.
    test::writeFile(res + QStringLiteral("/French.lproj/Localized.strings"), "\"D_Langue\" = \"fr\";");
    EXPECT_EQ(Bundle::main().preferredLocalizations(), (QStringList{"French"}));
    EXPECT_EQ(localized(QStringLiteral("D_Langue"), QStringLiteral("")), QStringLiteral("fr"));
    // With English present too, English (the test's language) wins.
    test::writeFile(res + QStringLiteral("/en.lproj/Localized.strings"), "\"D_Langue\" = \"en\";");
    EXPECT_EQ(Bundle::main().preferredLocalizations().first(), QStringLiteral("en"));
    EXPECT_EQ(localized(QStringLiteral("D_Langue"), QStringLiteral("")), QStringLiteral("en"));
    // A missing key gives the value, or the key when no value is given.
    EXPECT_EQ(localized(QStringLiteral("Nope"), QStringLiteral("")), QStringLiteral(""));
    EXPECT_EQ(localized(QStringLiteral("Nope"), QString()), QStringLiteral("Nope"));
    EXPECT_EQ(localized(QStringLiteral("D_Langue"), QStringLiteral("x"), QStringLiteral("NoTable")), QStringLiteral("x"));

    // Resources: at the top first, then in the localisations.
    test::writeFile(res + QStringLiteral("/top.strings"), "x");
    const Bundle b = Bundle::main();
    EXPECT_EQ(b.pathForResource(QStringLiteral("top"), QStringLiteral("strings")), res + QStringLiteral("/top.strings"));
    EXPECT_EQ(b.pathForResource(QStringLiteral("Localized"), QStringLiteral("strings")),
              res + QStringLiteral("/en.lproj/Localized.strings"));
    EXPECT_TRUE(b.pathForResource(QStringLiteral("missing"), QStringLiteral("strings")).isNull());
}

TEST(Bundle, NamedPipeResourceDoesNotBlock)
{
    const QString path = test::makeBundle(QStringLiteral("Fifo"), {});
    EnvBundle env(path);
    const QString lproj = path + QStringLiteral("/Contents/Resources/en.lproj");
    QDir().mkpath(lproj);
    ASSERT_EQ(::mkfifo(QFile::encodeName(lproj + QStringLiteral("/Localized.strings")).constData(), 0600), 0);
    EXPECT_EQ(localized(QStringLiteral("k"), QStringLiteral("v")), QStringLiteral("v"));
}
