// EyeTV durations, titles and master-copy names.
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/plist/codec.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(EyetvDuration, ReadFromTheDescription)
{
    const std::pair<QByteArray, float> cases[] = {
        {"<key>actual duration</key>\n\t<real>54\n00</real>", 5400.0f},
        {"<key>actual   duration</key><real>  42   </real>", 42.0f},
        // A title in another encoding does not hide the duration.
        {"<string>\xe9t\xe9</string><key>actual duration</key><real>60</real>", 60.0f},
        // Spaces between the tags stay one space: no match.
        {"<key>actual duration</key>  <real>1800</real>", 0.0f},
        {"<key>actual duration</key><real>1800", 0.0f},
        {"<key>actual duration</key><real>long</real>", 0.0f},
    };
    for (const auto &[bytes, seconds] : cases) {
        const QByteArray plist = "<plist version=\"1.0\">\n<dict>\n" + bytes + "\n</dict>\n</plist>\n";
        test::saveFuzzSeed("camera", u"eyetv-%1.eyetvr"_s.arg(qHash(bytes)), "e" + plist);
        EXPECT_EQ(eyetvDescriptionDuration(plist), seconds) << bytes.toStdString();
    }
}

TEST(EyetvDuration, OnlyAReadableDescriptionInsideARecordingIsRead)
{
    const QString s = test::scratchDir();
    const QByteArray good = "<key>actual duration</key><real>9.5</real>";
    test::writeFile(s + u"/good.eyetv/000.eyetvr"_s, good);
    EXPECT_EQ(bundledVideoEyetvDuration(s + u"/good.eyetv/000.mpg"_s), 9.5f);
    // Outside a recording nothing is read or logged.
    test::writeFile(s + u"/loose/a.eyetvr"_s, good);
    for (const QString &outside : {s + u"/loose/a.mpg"_s, s + u"/Rec.eyetv"_s, QString()})
        EXPECT_EQ(bundledVideoEyetvDuration(outside), 0.0f) << outside.toStdString();
    EXPECT_TRUE(test::takeLog().isEmpty());

    // A pipe is never waited on; a description past the property-list limit
    // is not read whole (a sparse file: its size costs no disk).
    const auto in = [&](const char *name) {
        QDir().mkpath(s + u'/' + QLatin1String(name) + u".eyetv"_s);
        return s + u'/' + QLatin1String(name) + u".eyetv/0.eyetvr"_s;
    };
    test::writeFile(in("case").chopped(6) + u"EYETVR"_s, good);
    ASSERT_EQ(::mkfifo(QFile::encodeName(in("pipe")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::resize(test::writeFile(in("large"), good), qint64(kPlistMaxBytes) + 1));
    for (const auto &[name, log] : {std::pair{"case", "not readable"}, {"pipe", "no read"}, {"large", "too large"}}) {
        EXPECT_EQ(bundledVideoEyetvDuration(in(name).chopped(6) + u"mpg"_s), 0.0f) << name;
        EXPECT_EQ(test::takeLog(), QStringList{u"bundledVideoEyetvDura- "_s + QLatin1String(log)});
    }
}

TEST(Titles, CleanedOfSuffixesAndUnderscoresAndMasterCopyNames)
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
        // Cut where the name ends, not at an earlier "-NF".
        {u"/m/Game-NFL-Day-NF.ts"_s, {}, u"Game-NFL-Day"_s},
        {u"/m/Film-PAL-DVD.mpg"_s, {u"-DVD"_s}, u"Film"_s},
        {u"/m/_.mpg"_s, {}, u" "_s},
        {s + u"/My Rec.eyetv/0000.mpg"_s, {}, u"My Rec"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nameCleanedFromSrcpathstr(c.path, c.extra), c.title) << c.path.toStdString();

    // Master copies, beside the source.
    const std::pair<const char *, const char *> masters[] = {
        {"/a/b.mov", "/a/b_MASTER.mov"},
        // Under 28 characters before the extension the name stays whole.
        {"/abcdefghijklmnopqrs.mov", "/abcdefghijklmnopqrs_MASTER.mov"},
        {"/Volumes/Video/My.Holiday.Movie.Part.One.mov", "/Volumes/Video/My_Holiday_Movie_Par_MASTER.mov"},
        {"/videos/abcdefghijklmnopqrstuvwxyz.mov", "/videos/abcdefghijklmnopqrst_MASTER.mov"},
    };
    for (const auto &[source, master] : masters)
        EXPECT_EQ(oldSrcPathStr2DstPathStr(QString::fromUtf8(source)), QString::fromUtf8(master)) << source;
    EXPECT_TRUE(oldSrcPathStr2DstPathStr(QString()).isNull());
}
