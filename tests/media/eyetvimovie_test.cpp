// EyeTV durations, titles and master-copy names on sandbox folders.
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"
#include "tables.h"

#include <reel/core/plistcodec.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

#include <sys/stat.h>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

QByteArray description(const QByteArray &durationPart)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "\t<key>title</key>\n\t<string>News</string>\n"
        + durationPart + "\n</dict>\n</plist>\n";
}

} // namespace

TEST(EyetvDuration, ReadFromTheDescriptionFile)
{
    const struct {
        const char *what;
        QByteArray durationPart;
        float seconds;
    } cases[] = {
        {"one line", "<key>actual duration</key><real>3600.5</real>", 3600.5f},
        {"tab-indented", "\t<key>actual duration</key>\n\t\t<real>1799.25</real>", 1799.25f},
        {"value split over lines", "<key>actual duration</key>\n<real>54\n00</real>", 5400.0f},
        {"spaces collapse", "<key>actual   duration</key><real>  42   </real>", 42.0f},
        {"text after the number", "<key>actual duration</key><real>12.5s</real>", 12.5f},
        {"not UTF-8 elsewhere",
         "<key>comment</key><string>\xe9t\xe9</string><key>actual duration</key><real>60</real>", 60.0f},
        // Spaces between the tags stay one space: no match.
        {"space-indented", "<key>actual duration</key>  <real>1800</real>", 0.0f},
        {"no closing tag", "<key>actual duration</key><real>1800", 0.0f},
        {"no duration", "<key>duration</key><real>1800</real>", 0.0f},
        {"not a number", "<key>actual duration</key><real>long</real>", 0.0f},
    };
    for (const auto &c : cases) {
        const QString bundle = test::scratchDir() + u"/%1.eyetv"_s.arg(QLatin1String(c.what));
        test::writeFile(bundle + u"/000000000.eyetvr"_s, description(c.durationPart));
        test::saveFuzzSeed("camera", u"eyetv-%1.eyetvr"_s.arg(QLatin1String(c.what)).replace(u' ', u'-'),
                           "e" + description(c.durationPart));
        EXPECT_EQ(bundledVideoEyetvDuration(bundle + u"/000000000.mpg"_s), c.seconds) << c.what;
    }
    EXPECT_TRUE(test::takeLog().isEmpty());
}

TEST(EyetvDuration, MissingAndUnreadableDescriptions)
{
    const QString s = test::scratchDir();
    const QByteArray good = description("<key>actual duration</key><real>9</real>");
    // Outside a recording nothing is read or logged.
    test::writeFile(s + u"/loose/a.eyetvr"_s, good);
    for (const QString &outside : {s + u"/loose/a.mpg"_s, s + u"/Rec.eyetv"_s, QString()})
        EXPECT_EQ(bundledVideoEyetvDuration(outside), 0.0f) << outside.toStdString();
    EXPECT_TRUE(test::takeLog().isEmpty());

    // A pipe is never waited on; a description past the property-list limit
    // is not read whole (a sparse file: its size costs no disk).
    const struct {
        const char *name;
        std::function<void(const QString &)> make; // given the description's path
        const char *log;
    } cases[] = {
        {"not exactly the extension", [&](const QString &at) { test::writeFile(at.chopped(6) + u"EYETVR"_s, good); },
         "not readable"},
        {"a folder", [](const QString &at) { QDir().mkpath(at); }, "no read"},
        {"a pipe", [](const QString &at) { ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0644), 0); }, "no read"},
        {"too large",
         [&](const QString &at) { ASSERT_TRUE(QFile::resize(test::writeFile(at, good), qint64(kPlistMaxBytes) + 1)); },
         "too large"},
    };
    test::forEachCase(cases, [&](const auto &c) {
        const QString bundle = s + u'/' + QLatin1String(c.name) + u".eyetv"_s;
        QDir().mkpath(bundle);
        c.make(bundle + u"/000.eyetvr"_s);
        EXPECT_EQ(bundledVideoEyetvDuration(bundle + u"/000.mpg"_s), 0.0f);
        EXPECT_EQ(test::takeLog(), QStringList{u"bundledVideoEyetvDura- "_s + QLatin1String(c.log)});
    });
}

TEST(Titles, CleanedOfSuffixesAndUnderscores)
{
    const QString s = test::scratchDir();
    QDir().mkpath(s + u"/My Rec.eyetv"_s);
    const struct {
        QString path;
        QStringList extra;
        QString title;
    } cases[] = {
        {u"/Movies/My_Show__2008-PAL.mpg"_s, {}, u"My Show 2008"_s},
        {u"_Intro_.vob"_s, {}, u"Intro"_s},
        {u"/m/Show-NV-PAL.mpg"_s, {}, u"Show"_s},
        // Cut where the name ends, not at an earlier "-NF".
        {u"/m/Game-NFL-Day-NF.ts"_s, {}, u"Game-NFL-Day"_s},
        {u"/m/Film-PAL-DVD.mpg"_s, {u"-DVD"_s}, u"Film"_s},
        {u"/m/_.mpg"_s, {}, u" "_s},
        {u"/m/__ a __ b __.mpg"_s, {}, u"a b"_s},
        {u"/m/-PAL.mpg"_s, {}, u""_s},
        {s + u"/My Rec.eyetv/0000.mpg"_s, {}, u"My Rec"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nameCleanedFromSrcpathstr(c.path, c.extra), c.title) << c.path.toStdString();
    EXPECT_TRUE(test::takeLog().isEmpty());
}

TEST(MasterCopies, NamedBesideTheSource)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/a/b.mov", "/a/b_MASTER.mov"},
        {"/tmp/x", "/tmp/x_MASTER"},
        // Under 28 characters before the extension the name stays whole.
        {"/abcdefghijklmnopqrs.mov", "/abcdefghijklmnopqrs_MASTER.mov"},
        {"/abcdefghij.lmnopqrst.mov", "/abcdefghij_lmnopqrst_MASTER.mov"},
        {"/Volumes/Video/My.Holiday.Movie.Part.One.mov", "/Volumes/Video/My_Holiday_Movie_Par_MASTER.mov"},
        {"/videos/abcdefghijklmnopqrstuvwxyz.mov", "/videos/abcdefghijklmnopqrst_MASTER.mov"},
        {"/videos/My`Film: Part.Two.mov", "/videos/MyFilm- Part_Two_MASTER.mov"},
    };
    for (const auto &[source, master] : cases)
        EXPECT_EQ(oldSrcPathStr2DstPathStr(QString::fromUtf8(source)), QString::fromUtf8(master)) << source;
    EXPECT_TRUE(oldSrcPathStr2DstPathStr(QString()).isNull());
}
