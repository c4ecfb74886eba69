#include <reel/core/bundle.h>
#include <reel/core/fileio.h>
#include <reel/core/plistcodec.h>

#include "bplist.h"
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;

namespace {

QString makeBundle(const QString &name, const QVariantMap &info, PlistFormat format = PlistFormat::Xml)
{
    const QString path = test::makeBundle(name, info);
    if (format == PlistFormat::Binary)
        EXPECT_TRUE(writeFileAtomically(path + QStringLiteral("/Contents/Info.plist"), plistToData(info, format)));
    return path;
}

using EnvBundle = test::ScopedBundle;

} // namespace

TEST(Bundle, TheTestBundle)
{
    const Bundle b = Bundle::main();
    EXPECT_EQ(b.bundlePath(), test::testBundlePath());
    EXPECT_EQ(b.name(), QStringLiteral("reelkit-tests"));
    EXPECT_EQ(b.identifier(), QStringLiteral("org.reelkit.tests"));
    EXPECT_EQ(b.resourcePath(), test::testBundlePath() + QStringLiteral("/Contents/Resources"));
    EXPECT_EQ(b.objectForInfoDictionaryKey(QStringLiteral("CFBundleDevelopmentRegion")).toString(), QStringLiteral("en"));
    EXPECT_FALSE(b.objectForInfoDictionaryKey(QStringLiteral("NoSuchKey")).isValid());

    EXPECT_EQ(b.localizedString(QStringLiteral("D_Langue"), QStringLiteral(""), QStringLiteral("Localized")), QStringLiteral("en"));
    // A missing key gives the value, or the key when no value is given.
    EXPECT_EQ(b.localizedString(QStringLiteral("Nope"), QStringLiteral(""), QStringLiteral("Localized")), QStringLiteral(""));
    EXPECT_EQ(b.localizedString(QStringLiteral("Nope"), QString(), QStringLiteral("Localized")), QStringLiteral("Nope"));
    EXPECT_EQ(b.localizedString(QStringLiteral("D_Langue"), QStringLiteral("x"), QStringLiteral("NoTable")), QStringLiteral("x"));
}

TEST(Bundle, BinaryInfoAndChanges)
{
    const QString path = makeBundle(QStringLiteral("Converter"), {{QStringLiteral("CFBundleName"), QStringLiteral("Converter")}},
                                    PlistFormat::Binary);
    EnvBundle env(path);
    EXPECT_EQ(Bundle::main().name(), QStringLiteral("Converter"));
    EXPECT_EQ(Bundle::main().identifier(), QStringLiteral("org.reelkit.Converter"));

    // A changed Info.plist is seen by the next lookup.
    ASSERT_TRUE(writeFileAtomically(path + QStringLiteral("/Contents/Info.plist"),
                                    plistToData(QVariantMap{{QStringLiteral("CFBundleName"), QStringLiteral("Renamed and longer")}},
                                                PlistFormat::Xml)));
    EXPECT_EQ(Bundle::main().name(), QStringLiteral("Renamed and longer"));
}

TEST(Bundle, WithoutInformationValues)
{
    const QString path = test::scratchDir() + QStringLiteral("/Bare.app");
    QDir().mkpath(path);
    EnvBundle env(path);
    const Bundle b = Bundle::main();
    EXPECT_TRUE(b.infoDictionary().isEmpty());
    // The name falls back to the running executable's.
    EXPECT_EQ(b.name(), QStringLiteral("test_core"));

    test::writeFile(path + QStringLiteral("/Contents/Info.plist"), "not a property list");
    EXPECT_EQ(Bundle::main().name(), QStringLiteral("test_core"));
}

TEST(Bundle, RefusedFilesGiveNothingWithALogLine)
{
    // A dictionary key holding U+0000, in the information and in a table.
    using namespace test::bplist;
    const QByteArray nulKey = file({dict({1}, {2}), utf16(QStringView(u"a\0b", 3).toString()), ascii("v")});
    const QString path = makeBundle(QStringLiteral("Hostile"), {});
    EnvBundle env(path);
    const QString info = test::writeFile(path + QStringLiteral("/Contents/Info.plist"), nulKey);
    const QString table = test::writeFile(path + QStringLiteral("/Contents/Resources/en.lproj/Localized.strings"), nulKey);
    EXPECT_TRUE(Bundle::main().infoDictionary().isEmpty());
    EXPECT_TRUE(test::logContains(QStringLiteral("Info.plist          :-( refused '") + info + QStringLiteral("': ")));
    EXPECT_EQ(Bundle::main().localizedString(QStringLiteral("a"), QStringLiteral("v"), QStringLiteral("Localized")),
              QStringLiteral("v"));
    EXPECT_TRUE(test::logContains(QStringLiteral("localizedString     :-( refused '") + table + QStringLiteral("': ")));
}

TEST(Bundle, Resources)
{
    const QString path = makeBundle(QStringLiteral("Res"), {{QStringLiteral("CFBundleName"), QStringLiteral("Res")}});
    EnvBundle env(path);
    const QString res = path + QStringLiteral("/Contents/Resources");
    test::writeFile(res + QStringLiteral("/top.strings"), "\"a\" = \"b\";");
    test::writeFile(res + QStringLiteral("/en.lproj/only-en.strings"), "\"a\" = \"b\";");
    test::writeFile(res + QStringLiteral("/noext"), "x");
    const Bundle b = Bundle::main();
    EXPECT_EQ(b.pathForResource(QStringLiteral("top"), QStringLiteral("strings")), res + QStringLiteral("/top.strings"));
    EXPECT_EQ(b.pathForResource(QStringLiteral("only-en"), QStringLiteral("strings")),
              res + QStringLiteral("/en.lproj/only-en.strings"));
    EXPECT_EQ(b.pathForResource(QStringLiteral("top.strings"), QString()), res + QStringLiteral("/top.strings"));
    EXPECT_EQ(b.pathForResource(QStringLiteral("noext"), QString()), res + QStringLiteral("/noext"));
    EXPECT_TRUE(b.pathForResource(QStringLiteral("missing"), QStringLiteral("strings")).isNull());
    EXPECT_TRUE(b.pathForResource(QString(), QString()).isNull());
}

TEST(Bundle, LocalizationPreference)
{
    // Only another language: it is the one used.
    const QString de = makeBundle(QStringLiteral("De"), {});
    test::writeFile(de + QStringLiteral("/Contents/Resources/de.lproj/Localized.strings"), "\"D_Langue\" = \"de\";");
    {
        EnvBundle env(de);
        EXPECT_EQ(Bundle::main().preferredLocalizations(), QStringList{QStringLiteral("de")});
        EXPECT_EQ(Bundle::main().localizedString(QStringLiteral("D_Langue"), QStringLiteral(""), QStringLiteral("Localized")),
                  QStringLiteral("de"));
    }

    const QString path = makeBundle(QStringLiteral("Fr"), {{QStringLiteral("CFBundleDevelopmentRegion"), QStringLiteral("fr")}});
    EnvBundle env(path);
    const QString res = path + QStringLiteral("/Contents/Resources");
    // Only a French localisation: it is the one used, whatever the user's language.
    test::writeFile(res + QStringLiteral("/French.lproj/Localized.strings"), "\"D_Langue\" = \"fr\";");
    EXPECT_EQ(Bundle::main().preferredLocalizations(), (QStringList{"French"}));
    EXPECT_EQ(Bundle::main().localizedString(QStringLiteral("D_Langue"), QStringLiteral(""), QStringLiteral("Localized")),
              QStringLiteral("fr"));
    // With English present too, English (the test's language) wins.
    test::writeFile(res + QStringLiteral("/en.lproj/Localized.strings"), "\"D_Langue\" = \"en\";");
    EXPECT_EQ(Bundle::main().preferredLocalizations().first(), QStringLiteral("en"));
}

TEST(Bundle, NamedPipeResourceDoesNotBlock)
{
    const QString path = makeBundle(QStringLiteral("Fifo"), {});
    EnvBundle env(path);
    const QString lproj = path + QStringLiteral("/Contents/Resources/en.lproj");
    QDir().mkpath(lproj);
    ASSERT_EQ(::mkfifo(QFile::encodeName(lproj + QStringLiteral("/Localized.strings")).constData(), 0600), 0);
    EXPECT_EQ(Bundle::main().localizedString(QStringLiteral("k"), QStringLiteral("v"), QStringLiteral("Localized")), QStringLiteral("v"));
}
