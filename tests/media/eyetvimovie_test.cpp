// EyeTV durations, titles and master-copy names on sandbox folders.
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <QDir>

#include <sys/stat.h>

using namespace reel;

namespace {

QByteArray description(const QByteArray &durationPart)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "\t<key>title</key>\n\t<string>News</string>\n"
        + durationPart + "\n</dict>\n</plist>\n";
}

// The captured lines that start with one of the prefixes, in order (the
// helpers called write lines of their own).
QStringList linesStartingWith(const QStringList &prefixes)
{
    QStringList out;
    for (const QString &line : test::logLines())
        for (const QString &prefix : prefixes)
            if (line.startsWith(prefix)) {
                out << line;
                break;
            }
    return out;
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
        {"spaces collapse", "<key>actual duration</key><real>  42   </real>", 42.0f},
        {"text after the number", "<key>actual duration</key><real>12.5s</real>", 12.5f},
        {"not UTF-8 elsewhere", "<key>comment</key><string>\xe9t\xe9</string><key>actual duration</key><real>60</real>", 60.0f},
        // Spaces between the tags stay one space: no match.
        {"space-indented", "<key>actual duration</key>  <real>1800</real>", 0.0f},
        {"no closing tag", "<key>actual duration</key><real>1800", 0.0f},
        {"no duration", "<key>duration</key><real>1800</real>", 0.0f},
        {"not a number", "<key>actual duration</key><real>long</real>", 0.0f},
    };
    for (const auto &c : cases) {
        const QString bundle = test::scratchDir() + QStringLiteral("/%1.eyetv").arg(QLatin1String(c.what));
        test::writeFile(bundle + QStringLiteral("/000000000.eyetvr"), description(c.durationPart));
        const QString stream = test::writeFile(bundle + QStringLiteral("/000000000.mpg"), "x");
        EXPECT_EQ(bundledVideoEyetvDuration(stream), c.seconds) << c.what;
    }
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(EyetvDuration, MissingAndUnreadableDescriptions)
{
    const QString s = test::scratchDir();
    // Outside a recording nothing is read or logged.
    test::writeFile(s + QStringLiteral("/loose/a.eyetvr"), description("<key>actual duration</key><real>9</real>"));
    EXPECT_EQ(bundledVideoEyetvDuration(s + QStringLiteral("/loose/a.mpg")), 0.0f);
    EXPECT_EQ(bundledVideoEyetvDuration(s + QStringLiteral("/Rec.eyetv")), 0.0f);
    EXPECT_EQ(bundledVideoEyetvDuration(QString()), 0.0f);
    EXPECT_TRUE(test::logLines().isEmpty());

    // No description: "not readable".
    const QString bare = test::writeFile(s + QStringLiteral("/Bare.eyetv/000.mpg"), "x");
    test::writeFile(s + QStringLiteral("/Bare.eyetv/000.EYETVR"), "not exactly the extension");
    EXPECT_EQ(bundledVideoEyetvDuration(bare), 0.0f);
    EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("bundledVideoEyetvDura- not readable")});

    // A folder or a named pipe where the description should be: "no read",
    // without ever waiting on the pipe.
    test::clearLog();
    QDir().mkpath(s + QStringLiteral("/Dir.eyetv/000.eyetvr"));
    EXPECT_EQ(bundledVideoEyetvDuration(s + QStringLiteral("/Dir.eyetv/000.mpg")), 0.0f);
    QDir().mkpath(s + QStringLiteral("/Fifo.eyetv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(s + QStringLiteral("/Fifo.eyetv/000.eyetvr")).constData(), 0644), 0);
    EXPECT_EQ(bundledVideoEyetvDuration(s + QStringLiteral("/Fifo.eyetv/000.mpg")), 0.0f);
    EXPECT_EQ(test::logLines(), QStringList(2, QStringLiteral("bundledVideoEyetvDura- no read")));
}

TEST(EyetvDuration, DebugLines)
{
    const QString bundle = test::scratchDir() + QStringLiteral("/Rec.eyetv");
    const QString eyetvr = test::writeFile(bundle + QStringLiteral("/1.eyetvr"), description("<key>actual duration</key><real>90</real>"));
    setDEBUG(1);
    EXPECT_EQ(bundledVideoEyetvDuration(bundle + QStringLiteral("/1.mpg")), 90.0f);
    EXPECT_EQ(linesStartingWith({QStringLiteral("bundledVideoEyetvDura- "), QStringLiteral("input "),
                                 QStringLiteral("pathStrEyetvr "), QStringLiteral("returnFloat ")}),
              QStringList({QStringLiteral("bundledVideoEyetvDura- debut"),
                                             QStringLiteral("input               : ") + bundle + QStringLiteral("/1.mpg"),
                                             QStringLiteral("input               : ") + bundle + QStringLiteral("/"),
                                             QStringLiteral("pathStrEyetvr         : ") + eyetvr,
                                             QStringLiteral("returnFloat          : 90.000000")}));
}

TEST(Titles, CleanedOfSuffixesAndUnderscores)
{
    const QString s = test::scratchDir();
    QDir().mkpath(s + QStringLiteral("/My Rec.eyetv"));
    const struct {
        QString path;
        QStringList extra;
        QString title;
    } cases[] = {
        {QStringLiteral("/Movies/My_Show__2008-PAL.mpg"), {}, QStringLiteral("My Show 2008")},
        {QStringLiteral("_Intro_.vob"), {}, QStringLiteral("Intro")},
        {QStringLiteral("/m/Show-NV-PAL.mpg"), {}, QStringLiteral("Show")},
        {QStringLiteral("/m/Show-PAL-NV.mpg"), {}, QStringLiteral("Show-PAL")},
        // Cut where the name ends, not at an earlier "-NF".
        {QStringLiteral("/m/Game-NFL-Day-NF.ts"), {}, QStringLiteral("Game-NFL-Day")},
        {QStringLiteral("/m/-PAL-Special-PAL.ts"), {}, QStringLiteral("-PAL-Special")},
        {QStringLiteral("/m/Film-PAL-DVD.mpg"), {QStringLiteral("-DVD")}, QStringLiteral("Film")},
        {QStringLiteral("/m/Film-DVD-PAL.mpg"), {QStringLiteral("-DVD")}, QStringLiteral("Film-DVD")},
        {QStringLiteral("/m/Film.mpg"), {QStringLiteral("")}, QStringLiteral("Film")},
        {QStringLiteral("/m/a.mpg"), {}, QStringLiteral("a")},
        {QStringLiteral("/m/_.mpg"), {}, QStringLiteral(" ")},
        {QStringLiteral("/m/____.mpg"), {}, QStringLiteral(" ")},
        {QStringLiteral("/m/__ a __ b __.mpg"), {}, QStringLiteral("a b")},
        {QStringLiteral("/m/-PAL.mpg"), {}, QStringLiteral("")},
        {s + QStringLiteral("/My Rec.eyetv/0000.mpg"), {}, QStringLiteral("My Rec")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nameCleanedFromSrcpathstr(c.path, c.extra), c.title) << c.path.toStdString();
    EXPECT_TRUE(test::logLines().isEmpty());

    setDEBUG(1);
    nameCleanedFromSrcpathstr(QStringLiteral("/m/A_B.mpg"), {QStringLiteral("-X")});
    EXPECT_EQ(linesStartingWith({QStringLiteral("pathes2Titles "), QStringLiteral("suffixesMa "), QStringLiteral("str def ")}),
              QStringList({QStringLiteral("pathes2Titles - deb"),
                           QStringLiteral("suffixesMa : (\n    -X,\n    -PAL,\n    -NV,\n    -NF\n)"),
                           QStringLiteral("str def : A B"), QStringLiteral("pathes2Titles - fin")}));
    EXPECT_FALSE(nameCleanedFromSrcpathstr(QString(), {}).size() > 0);
}

TEST(MasterCopies, NamedBesideTheSource)
{
    const struct {
        const char *source;
        const char *master; // null: nil
    } cases[] = {
        {"/a/b.mov", "/a/b_MASTER.mov"},
        {"a.b.mov", "a.b_MASTER.mov"},
        {"/tmp/x", "/tmp/x_MASTER"},
        {"/abcdefghijklmnopqrs.mov", "/abcdefghijklmnopqrs_MASTER.mov"},
        {"/Volumes/Video/My.Holiday.Movie.Part.One.mov", "/Volumes/Video/My_Holiday_Movie_Par_MASTER.mov"},
        {"/videos/abcdefghijklmnopqrstuvwxyz.mov", "/videos/abcdefghijklmnopqrst_MASTER.mov"},
        {"/videos/My`Film: Part.Two.mov", "/videos/MyFilm- Part_Two_MASTER.mov"},
        {"/videos/long name without extension", "/videos/long name without ex_MASTER"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(oldSrcPathStr2DstPathStr(QString::fromUtf8(c.source)), QString::fromUtf8(c.master)) << c.source;
    EXPECT_TRUE(oldSrcPathStr2DstPathStr(QString()).isNull());
}
