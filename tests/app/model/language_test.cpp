// The language the converter speaks: the first of the system's languages it
// ships, English otherwise; the numbers and sizes people read in that
// language's forms; the English a message keeps for the log.
#include "tables.h"
#include "translations.h"

#include <model/language.h>
#include <model/source.h>

#include <gtest/gtest.h>

#include <optional>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

TEST(Language, TheFirstLanguageShippedWins)
{
    const QStringList shipped{u"de"_s, u"en"_s, u"es"_s, u"fr"_s, u"pt_BR"_s};
    const struct {
        const char *name;
        QStringList wanted;
        QString chosen;
    } cases[] = {
        {"French of France", {u"fr-FR"_s, u"fr"_s}, u"fr"_s},
        {"Austrian German", {u"de-AT"_s}, u"de"_s},
        {"a region shipped as such", {u"pt-BR"_s, u"pt"_s}, u"pt_BR"_s},
        {"Italian, missing", {u"it-IT"_s, u"it"_s}, u"en"_s},
        {"Italian, then Spanish", {u"it"_s, u"es-MX"_s}, u"es"_s},
        {"English before French", {u"en-GB"_s, u"fr"_s}, u"en"_s},
        {"the C locale", {u"C"_s}, u"en"_s},
        {"an unknown language, then French", {u"xx"_s, u"C"_s, u"fr"_s, u"fr-FR"_s}, u"fr"_s},
        {"nothing at all", {}, u"en"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) { EXPECT_EQ(chosenLanguage(c.wanted, shipped), c.chosen); });
}

TEST(Language, TheBundleShipsEachTranslation)
{
    for (const char *language : {"fr", "de", "es"}) {
        QTranslator translator;
        EXPECT_TRUE(translator.load(u"reelkit-convert_"_s + QLatin1String(language), translationFolder()))
            << language << " in " << translationFolder().toStdString();
    }
}

TEST(Language, SizesComeInTheReadersForms)
{
    EXPECT_EQ(sizeText(1536), u"1.5 GB"_s);
    EXPECT_EQ(sizeText(700), u"700.0 MB"_s);
    {
        const ScopedLanguage french(u"fr"_s);
        ASSERT_TRUE(french.loaded());
        EXPECT_EQ(sizeText(1536), u"1,5 Go"_s);
        EXPECT_EQ(sizeText(700), u"700,0 Mo"_s);
        EXPECT_EQ(sizeText(-1), u"?"_s);
    }
    EXPECT_EQ(sizeText(1536), u"1.5 GB"_s);
}

// What people read is translated; the log keeps the English, counts in
// their English forms.
TEST(Language, AMessageKeepsItsEnglishForTheLog)
{
    const ScopedLanguage french(u"fr"_s);
    ASSERT_TRUE(french.loaded());
    const Said folder = said("Probe", "%1 is a folder, not a video").arg(u"/v/x"_s);
    EXPECT_EQ(folder.shown, u"/v/x est un dossier, pas une vidéo"_s);
    EXPECT_EQ(folder.english, u"/v/x is a folder, not a video"_s);
    // A part said in its turn goes in as it is in each.
    const Said kind = said("Probe", "a socket");
    const Said nested =
        said("Probe", "%1 is %2, not a regular file; only files can be converted").arg(untranslated(u"/s"_s)).arg(kind);
    EXPECT_EQ(nested.english, u"/s is a socket, not a regular file; only files can be converted"_s);
    EXPECT_TRUE(nested.shown.startsWith(u"/s est une socket"_s)) << nested.shown.toStdString();

    const char *tools = "missing tool(s): %1 (looked for in %2; install ffmpeg and build again)";
    const Said one = said("Tools", tools, 1).arg(u"ffmpeg"_s, u"/t"_s);
    const Said two = said("Tools", tools, 2).arg(u"ffmpeg, ffprobe"_s, u"/t"_s);
    EXPECT_EQ(one.english, u"missing tool: ffmpeg (looked for in /t; install ffmpeg and build again)"_s);
    EXPECT_EQ(two.english, u"missing tools: ffmpeg, ffprobe (looked for in /t; install ffmpeg and build again)"_s);
    EXPECT_TRUE(one.shown.startsWith(u"outil manquant"_s)) << one.shown.toStdString();
    EXPECT_TRUE(two.shown.startsWith(u"outils manquants"_s)) << two.shown.toStdString();
}

// Untranslated, a counted text reads as English does; translated, as the
// language counts (French: one for 0 and 1).
TEST(Language, CountsReadAsTheLanguageCounts)
{
    const char *videos = "the %n video(s)";
    const char *titles = "%n title(s)";
    const struct {
        const char *name;
        const char *language; // none: English, untranslated
        const char *context;
        const char *text;
        const char *singular;
        int count;
        QString reads;
    } cases[] = {
        {"one, English", nullptr, "Terminal", titles, nullptr, 1, u"1 title"_s},
        {"two, English", nullptr, "Terminal", titles, nullptr, 2, u"2 titles"_s},
        {"none, English", nullptr, "Terminal", titles, nullptr, 0, u"0 titles"_s},
        {"one, English, its own words", nullptr, "Disc", videos, "the video", 1, u"the video"_s},
        {"three, English, its own words", nullptr, "Disc", videos, "the video", 3, u"the 3 videos"_s},
        {"one, French", "fr", "Terminal", titles, nullptr, 1, u"1 titre"_s},
        {"none, French", "fr", "Terminal", titles, nullptr, 0, u"0 titre"_s},
        {"two, French", "fr", "Terminal", titles, nullptr, 2, u"2 titres"_s},
        {"one, French, no singular of its own", "fr", "Disc", videos, "the video", 1, u"la vidéo"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        std::optional<ScopedLanguage> language;
        if (c.language)
            language.emplace(QString::fromLatin1(c.language));
        EXPECT_EQ(counted(c.context, c.text, c.count, c.singular), c.reads);
    });
}

// A question's letters in the language, and yes from the language's letter
// or from "y", so that a script answering y works everywhere; no otherwise.
TEST(Language, YesInTheLanguageOrInEnglish)
{
    const struct {
        const char *name;
        const char *language; // none: English, untranslated
        QString letters;
        QStringList yes;
        QStringList no;
    } cases[] = {
        {"English", nullptr, u"[y/N]"_s, {u"y\n"_s, u"Yes"_s, u" y"_s}, {u""_s, u"\n"_s, u"n"_s, u"o"_s, u"j"_s}},
        {"French", "fr", u"[o/N]"_s, {u"o\n"_s, u"Oui"_s, u"y"_s}, {u""_s, u"n"_s, u"non"_s, u"j"_s}},
        {"German", "de", u"[j/N]"_s, {u"j"_s, u"Ja\n"_s, u"y"_s}, {u"\n"_s, u"n"_s, u"nein"_s, u"o"_s}},
        {"Spanish", "es", u"[s/N]"_s, {u"s"_s, u"sí"_s, u"y"_s}, {u""_s, u"n"_s, u"no"_s}},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        std::optional<ScopedLanguage> language;
        if (c.language)
            language.emplace(QString::fromLatin1(c.language));
        EXPECT_EQ(yesOrNo(), c.letters);
        for (const QString &reply : c.yes)
            EXPECT_TRUE(repliesYes(reply)) << reply.toStdString();
        for (const QString &reply : c.no)
            EXPECT_FALSE(repliesYes(reply)) << reply.toStdString();
    });
}
