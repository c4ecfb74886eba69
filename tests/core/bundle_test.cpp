// The application bundle and the strings files it holds.
#include "bundles.h"
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/bundle.h>
#include <reel/core/fileio.h>
#include <reel/core/stringsfile.h>
#include <reel/plist/codec.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <fcntl.h>
#include <sys/stat.h>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

QString localized(const QString &key, const QString &value, const QString &table = u"Localized"_s)
{
    return Bundle::main().localizedString(key, value, table);
}

QHash<QString, QString> parsed(const QByteArray &bytes)
{
    test::saveFuzzSeed("strings", QString::number(qHash(bytes), 16) + u".strings"_s, bytes);
    const auto table = parseStringsFile(bytes);
    EXPECT_TRUE(table.has_value()) << bytes.constData();
    return table.value_or(QHash<QString, QString>{});
}

} // namespace

TEST(Bundle, AChangedInfoPlistIsSeenByTheNextLookup)
{
    const QString path = test::makeBundle(u"Converter"_s, {});
    const QString info = path + u"/Contents/Info.plist"_s;
    test::ScopedBundle env(path);
    // Each change is stamped with its own time, so no row depends on a clock tick.
    const std::tuple<const char *, PlistFormat, time_t> changes[] = {
        {"Aaaa", PlistFormat::Binary, 1000000000},
        {"Bbbb", PlistFormat::Binary, 1000000001}, // the same size, later
        {"Cccccc", PlistFormat::Xml, 1000000001},  // another size, the same time
    };
    for (const auto &[name, format, mtime] : changes) {
        ASSERT_TRUE(writeFileAtomically(info, plistToData(QVariantMap{{u"CFBundleName"_s, name}}, format)));
        const timespec times[2] = {{mtime, 0}, {mtime, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(info).constData(), times, 0), 0);
        EXPECT_EQ(Bundle::main().identifier(), u"org.reelkit."_s + QLatin1String(name));
    }
}

TEST(Bundle, RefusedFilesGiveNothingWithALogLineAndNamedPipesDoNotBlock)
{
    // A dictionary key holding U+0000, in the information and in a table.
    const QByteArray nulKey = readFile(testDataPath() + u"/plist/hostile/nul-key.plist"_s);
    const QString path = test::makeBundle(u"Hostile"_s, {});
    test::ScopedBundle env(path);
    const QString info = test::writeFile(path + u"/Contents/Info.plist"_s, nulKey);
    const QString table = test::writeFile(path + u"/Contents/Resources/en.lproj/Localized.strings"_s, nulKey);
    // Without information the name is the running executable's.
    EXPECT_TRUE(Bundle::main().infoDictionary().isEmpty());
    EXPECT_EQ(Bundle::main().name(), u"test_core"_s);
    EXPECT_TRUE(test::logContains(u"Info.plist          :-( refused '"_s + info + u"': "_s));
    EXPECT_EQ(localized(u"a"_s, u"v"_s), u"v"_s);
    EXPECT_TRUE(test::logContains(u"localizedString     :-( refused '"_s + table + u"': "_s));
    ASSERT_TRUE(QFile::remove(table));
    ASSERT_EQ(::mkfifo(QFile::encodeName(table).constData(), 0600), 0);
    EXPECT_EQ(localized(u"k"_s, u"v"_s), u"v"_s);
}

TEST(Bundle, ResourcesAndLocalizations)
{
    // Only another language, none wanted: it is the one used.
    const QString de = test::makeBundle(u"De"_s, {});
    QDir().mkpath(de + u"/Contents/Resources/de.lproj"_s);
    EXPECT_EQ(Bundle::atPath(de).preferredLocalizations(), QStringList{u"de"_s});
    const QString path = test::makeBundle(u"Fr"_s, {{u"CFBundleDevelopmentRegion"_s, u"fr"_s}});
    test::ScopedBundle env(path);
    const QString res = path + u"/Contents/Resources"_s;
    // Only a French localisation: it is the one used, whatever the user's language.
    test::writeFile(res + u"/French.lproj/Localized.strings"_s, "\"D_Langue\" = \"fr\";");
    EXPECT_EQ(Bundle::main().preferredLocalizations(), (QStringList{"French"}));
    EXPECT_EQ(localized(u"D_Langue"_s, u""_s), u"fr"_s);
    // With English present too, English (the test's language) wins.
    test::writeFile(res + u"/en.lproj/Localized.strings"_s, "\"D_Langue\" = \"en\";");
    EXPECT_EQ(localized(u"D_Langue"_s, u""_s), u"en"_s);
    // A missing key gives the value, or the key when no value is given.
    EXPECT_EQ(localized(u"Nope"_s, QString()), u"Nope"_s);
    EXPECT_EQ(localized(u"D_Langue"_s, u"x"_s, u"NoTable"_s), u"x"_s);
    // Resources: at the top first, then in the localisations.
    test::writeFile(res + u"/top.strings"_s, "x");
    EXPECT_EQ(Bundle::main().pathForResource(u"top"_s, u"strings"_s), res + u"/top.strings"_s);
    EXPECT_EQ(Bundle::main().pathForResource(u"Localized"_s, u"strings"_s), res + u"/en.lproj/Localized.strings"_s);
    EXPECT_TRUE(Bundle::main().pathForResource(u"missing"_s, u"strings"_s).isNull());
}

TEST(StringsFile, SyntaxAndEncodings)
{
    EXPECT_EQ(parsed("/* A comment \"x\" = \"y\"; */\n// line comment\n\"OK_BUTTON\" = \"Valider\";\nbare_key = bare.value;\n"
                     "\"Self\";\n\"esc\" = \"a\\\"b\\\\c\\nd\\te\\U00e9\\101\\u\";\n  \"spaced\"   =\n   \"v\" ;"),
              (QHash<QString, QString>{{u"OK_BUTTON"_s, u"Valider"_s},
                                       {u"bare_key"_s, u"bare.value"_s},
                                       {u"Self"_s, u"Self"_s},
                                       {u"esc"_s, QString::fromUtf8("a\"b\\c\nd\te\xc3\xa9" "Au")},
                                       {u"spaced"_s, u"v"_s}}));
    // The property-list form holds a table too.
    EXPECT_EQ(parsed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                     "<key>k</key><string>v</string></dict></plist>"),
              (QHash<QString, QString>{{u"k"_s, u"v"_s}}));

    const QString text = QString::fromUtf8("\"D_Langue\" = \"fran\xc3\xa7" "ais\";");
    QStringEncoder le(QStringConverter::Utf16LE), be(QStringConverter::Utf16BE);
    for (const QByteArray &bytes : {text.toUtf8(), QByteArray("\xEF\xBB\xBF") + text.toUtf8(), QByteArray("\xFF\xFE") + le.encode(text),
                                    QByteArray("\xFE\xFF") + be.encode(text), text.toLatin1()})
        EXPECT_EQ(parsed(bytes).value(u"D_Langue"_s), QString::fromUtf8("fran\xc3\xa7" "ais"));

    for (const char *bad : {"\"a\" = \"b\"", "\"a\" = ;", "\"a\" \"b\";", "/* open", "\"unterminated = \"x\";",
                            "{ \"a\" = \"b\";", "= \"b\";"})
        EXPECT_FALSE(parseStringsFile(QByteArray(bad)).has_value()) << bad;
    EXPECT_TRUE(parseStringsFile(QByteArray("")).has_value());
    EXPECT_TRUE(parseStringsFile(QByteArray("{ \"a\" = \"b\"; }")).has_value());
}
