// The terminal form in the system's language: --help and a refused option
// in each language shipped, English where a language is missing, sizes in
// the language's forms, and --json the same bytes under every locale.
#include "bundles.h"
#include "clips.h"
#include "sandbox.h"
#include "tables.h"
#include "translations.h"

#include <model/options.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <optional>

using namespace convert;
using namespace convert::test;
using namespace Qt::StringLiterals;

namespace {

// The locale of a run: LC_ALL set, no LANGUAGE list before it, and the
// converter's own bundle (the tests' one has no translations).
struct Speaking {
    explicit Speaking(const char *locale)
        : all("LC_ALL", locale), lang("LANG", locale), list("LANGUAGE", nullptr), bundle(converterBundle())
    {
    }
    reel::test::ScopedEnv all;
    reel::test::ScopedEnv lang;
    reel::test::ScopedEnv list;
    reel::test::ScopedBundle bundle;
};

const char *const kExclusive = "--window and --terminal exclude each other";

} // namespace

TEST(Translations, HelpAndRefusalsSpeakTheSystemsLanguage)
{
    const struct {
        const char *name;
        const char *locale;
        QString helpSays;
        QString refusal;
    } cases[] = {
        {"French", "fr_FR.UTF-8",
         u"Convertit des vidéos avec ffmpeg\u00a0: à une qualité, à une taille cible ou à un\ndébit."_s,
         u"reelkit-convert: --window et --terminal s'excluent\nEssayez «\u00a0reelkit-convert --help\u00a0».\n"_s},
        {"Italian, not shipped", "it_IT.UTF-8",
         u"Converts videos with ffmpeg: at a quality, to a target size or at a bitrate."_s,
         u"reelkit-convert: --window and --terminal exclude each other\nTry 'reelkit-convert --help'.\n"_s},
        {"C", "C.UTF-8", u"Converts videos with ffmpeg: at a quality, to a target size or at a bitrate."_s,
         u"reelkit-convert: --window and --terminal exclude each other\nTry 'reelkit-convert --help'.\n"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const Speaking speaking(c.locale);
        const ProgramRun help = convertWith({u"--help"_s});
        EXPECT_EQ(help.exitCode, kExitOk);
        EXPECT_TRUE(help.out.contains(c.helpSays)) << help.out.toStdString();
        // The options, the presets and the exit codes stay as they are typed.
        EXPECT_TRUE(help.out.contains(u"  -p, --preset P"_s));
        EXPECT_TRUE(help.out.contains(u"  dvd-pal"_s));
        const ProgramRun refused = convertWith({u"--window"_s, u"--terminal"_s});
        EXPECT_EQ(refused.exitCode, kExitUsage);
        EXPECT_EQ(refused.err, c.refusal);
    });
}

// Filled by other hands: a language whose translation is not there yet is
// left out, and the test skipped when none is.
TEST(Translations, GermanAndSpanishOnceTranslated)
{
    int checked = 0;
    for (const auto &[language, locale] : {std::pair{"de", "de_DE.UTF-8"}, std::pair{"es", "es_ES.UTF-8"}}) {
        SCOPED_TRACE(language);
        QString refusal;
        {
            // An empty translation does not even install.
            const ScopedLanguage translation(QString::fromLatin1(language));
            if (translation.loaded())
                refusal = translation.translated("Options", kExclusive);
        }
        if (refusal.isEmpty())
            continue;
        ++checked;
        const Speaking speaking(locale);
        EXPECT_TRUE(convertWith({u"--window"_s, u"--terminal"_s}).err.startsWith(u"reelkit-convert: "_s + refusal));
        const ProgramRun help = convertWith({u"--help"_s});
        EXPECT_FALSE(help.out.contains(u"Converts videos with ffmpeg"_s)) << help.out.toStdString();
    }
    if (checked == 0)
        GTEST_SKIP() << "no German or Spanish translation yet";
}

// A script reads the same bytes whatever the locale; a person reads the
// sizes of the plan in the language's forms.
TEST(Translations, JsonIsTheSameUnderEveryLocale)
{
    const QString clip = sharedClip(Clip::Silent);
    ASSERT_FALSE(clip.isNull());
    const QString out = reel::test::scratchDir() + u"/out"_s;
    const QList<QStringList> lines{{u"--json"_s, u"-n"_s, u"-s"_s, u"5"_s, u"-o"_s, out, clip},
                                   {u"--json"_s, u"-s"_s, u"0"_s, clip},
                                   {u"--json"_s, u"--bogus"_s}};
    for (const QStringList &arguments : lines) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        std::optional<ProgramRun> english;
        for (const char *locale : {"C.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "es_ES.UTF-8"}) {
            SCOPED_TRACE(locale);
            const Speaking speaking(locale);
            const ProgramRun run = convertWith(arguments);
            EXPECT_FALSE(run.out.isEmpty());
            if (!english) {
                english = run;
                continue;
            }
            EXPECT_EQ(run.exitCode, english->exitCode);
            EXPECT_EQ(run.out, english->out);
            EXPECT_EQ(run.err, english->err);
        }
    }

    const Speaking french("fr_FR.UTF-8");
    const ProgramRun plan = convertWith({u"-n"_s, u"-s"_s, u"5"_s, u"-o"_s, out, clip});
    EXPECT_EQ(plan.exitCode, kExitOk) << plan.err.toStdString();
    EXPECT_TRUE(plan.out.contains(u"Simulation\u00a0: rien n'a été converti."_s)) << plan.out.toStdString();
    EXPECT_TRUE(plan.out.contains(QRegularExpression(u"environ \\d+,\\d Mo"_s))) << plan.out.toStdString();
    // ffmpeg's words are the same in every language.
    EXPECT_TRUE(plan.out.contains(u"-b:v"_s)) << plan.out.toStdString();
}

// The plan's lines are whole sentences of the language: no English word
// stitched in (the scan, the tracks kept and dropped, the part).
TEST(Translations, ThePlanReadsWhollyInTheLanguage)
{
    const QString clip = sharedClip(Clip::Tracks);
    ASSERT_FALSE(clip.isNull());
    const QString out = reel::test::scratchDir() + u"/plan"_s;
    const struct {
        const char *name;
        const char *locale;
        QString kept;
        QString dropped;
    } cases[] = {
        {"French", "fr_FR.UTF-8", u"conservées\u00a0: "_s, u"écartées\u00a0: "_s},
        {"German", "de_DE.UTF-8", u"behalten: "_s, u"; verworfen: "_s},
        {"Spanish", "es_ES.UTF-8", u"se conservan: "_s, u"; se descartan: "_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const Speaking speaking(c.locale);
        const ProgramRun plan = convertWith(
            {u"-n"_s, u"--audio"_s, u"eng"_s, u"--start"_s, u"1"_s, u"--duration"_s, u"1"_s, u"-o"_s, out, clip});
        EXPECT_EQ(plan.exitCode, kExitOk) << plan.err.toStdString();
        EXPECT_TRUE(plan.out.contains(c.kept)) << plan.out.toStdString();
        EXPECT_TRUE(plan.out.contains(c.dropped)) << plan.out.toStdString();
        // ffmpeg's own lines keep its words ("-disposition:a:0 default").
        QStringList read = plan.out.split(u'\n');
        read.removeIf([](const QString &line) { return line.contains(u"ffmpeg"_s); });
        for (const QString &english : {u"progressive"_s, u"kept "_s, u"dropped"_s, u"default"_s, u"audio #"_s,
                                       u"subtitles #"_s, u" for "_s, u"not asked for"_s})
            EXPECT_FALSE(read.join(u'\n').contains(english)) << english.toStdString() << " in " << plan.out.toStdString();
    });
}

// --help fits 80 columns in every language, the presets' lines too, and the
// DVD presets' labels are translated.
TEST(Translations, HelpFitsEightyColumns)
{
    const struct {
        const char *name;
        const char *locale;
        QString dvdLabel;
    } cases[] = {
        {"English", "C.UTF-8", u"PAL 720x576 at 25 fps"_s},
        {"French", "fr_FR.UTF-8", u"PAL 720x576 à 25 i/s"_s},
        {"German", "de_DE.UTF-8", u"PAL 720x576 mit 25 fps"_s},
        {"Spanish", "es_ES.UTF-8", u"PAL 720x576 a 25 fps"_s},
    };
    reel::test::forEachCase(cases, [&](const auto &c) {
        const Speaking speaking(c.locale);
        const ProgramRun help = convertWith({u"--help"_s});
        EXPECT_EQ(help.exitCode, kExitOk);
        EXPECT_TRUE(help.out.contains(c.dvdLabel)) << help.out.toStdString();
        for (const QString &line : help.out.split(u'\n'))
            EXPECT_LE(line.size(), 79) << line.toStdString();
    });
}
