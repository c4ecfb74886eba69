// Names for camera clips: from the time-stamp tool on cards built in the
// sandbox, else from the creation date.
#include "avchdcard.h"
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "toolscript.h"

#include <reel/core/debug.h>
#include <reel/files/sizes.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <ctime>

using namespace reel;
using namespace Qt::StringLiterals;
using test::CameraTime;

TEST(IMovieNames, CameraClipsTakeTheirRecordingTime)
{
    const QString bdmv = test::makeCard(test::scratchDir() + u"/AVCHD"_s,
                                        {{u"00001"_s, CameraTime{2009, 5, 2, 12, 34, 56}}, {u"00002"_s, std::nullopt}});
    test::setModificationTime(bdmv + u"/STREAM/00002.MTS"_s, QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));

    EXPECT_EQ(dateCreation2iMovieName(bdmv + u"/STREAM/00001.MTS"_s), u"2009-05-02 12:34:56-00001"_s);
    EXPECT_TRUE(test::logHas(u"dateCreation2iMovieN\u2026"_s));
    EXPECT_TRUE(test::logHas(u"str line 0 : 00001 : 2009-05-02 12:34:56"_s));
    // No time in the stream: the tool gives the stream's modification time.
    EXPECT_EQ(dateCreation2iMovieName(bdmv + u"/STREAM/00002.MTS"_s), u"2010-03-04 05:06:07-00002"_s);
    EXPECT_TRUE(test::logHas(u"str line 1 : 00002 : 2010-03-04 05:06:07"_s));
}

TEST(IMovieNames, OtherwiseTheCreationDateWithoutAnEasternZone)
{
    const QString s = test::scratchDir();
    const QString movie = test::writeFile(s + u"/Movies/Holiday/Clip 01.mov"_s, "x");
    const QString colon = test::writeFile(s + u"/Movies/x/My:Clip.mov"_s, "x");
    const QString bdmv = test::makeCard(s + u"/card"_s, {{u"00001"_s, CameraTime{2009, 5, 2, 1, 2, 3}}});
    const QString unlisted = test::writeFile(bdmv + u"/STREAM/00009.MTS"_s, "x");
    // No PLAYLIST two levels up; a clip the card's playlist does not name;
    // a zone west of Greenwich stays, and every ":" becomes ";".
    const struct {
        const char *zone;
        QString clip, afterDate;
    } cases[] = {
        {"UTC0", movie, u"-Clip 01"_s},
        {"UTC0", unlisted, u"-00009"_s},
        {"EST5", colon, u" -0500-My;Clip"_s},
    };
    for (const auto &c : cases) {
        test::ScopedEnv zone("TZ", c.zone);
        ::tzset();
        const QString date = dateCreation(c.clip).left(19).replace(u':', u';');
        EXPECT_EQ(dateCreation2iMovieName(c.clip), u"clip-"_s + date + c.afterDate) << c.zone;
        EXPECT_TRUE(QRegularExpression(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d$"_s).match(date).hasMatch());
    }
    ::tzset();

    // The same card without a usable tool: the creation date as well.
    test::ScopedBundle noTools(test::makeBundle(u"bare"_s, {}));
    EXPECT_TRUE(dateCreation2iMovieName(bdmv + u"/STREAM/00001.MTS"_s).startsWith(u"clip-"_s));
    // Nothing to date: no date text.
    EXPECT_EQ(dateCreation2iMovieName(s + u"/gone/away/x.mov"_s), u"clip--x"_s);
    test::clearLog();
    EXPECT_TRUE(dateCreation2iMovieName(QString()).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(IMovieNames, EveryPlaylistItemRunsTheToolOnTheSameFolder)
{
    const QString s = test::scratchDir();
    const QString runs = s + u"/runs"_s;
    const QString bundle = test::makeBundle(u"standin"_s, {{u"CFBundleName"_s, u"standin"_s}});
    // Its error output is the tool's own: a line there names no clip.
    test::writeScript(bundle + u"/Contents/Resources/tools/gettimestamps"_s,
                      "printf '%s\\n' \"$1\" >> '" + runs.toUtf8() + "'\necho 'no separator here'\n"
                      "echo '00003 : 2001-01-01 00:00:00'\necho '00007 : 2002-02-02 02:02:02 : extra'\n"
                      "echo '00005 : 1999-09-09 09:09:09' >&2\n");
    test::ScopedBundle standin(bundle);
    // Both "PLAYLIST" and "PLAYLIST.old" count; "playlist", "CLIPINF" and
    // "STREAM" do not (more of them, so a swapped test runs it more often).
    for (const QString &item : {u"PLAYLIST/00000.mpls"_s, u"PLAYLIST.old"_s, u"playlist"_s, u"CLIPINF/x"_s})
        test::writeFile(s + u"/BDMV/"_s + item, "x");
    const QString clip = test::writeFile(s + u"/BDMV/STREAM/00007.MTS"_s, "x");
    const QString other = test::writeFile(s + u"/BDMV/STREAM/00005.MTS"_s, "x");

    setDEBUG(1);
    EXPECT_EQ(dateCreation2iMovieName(clip), u"2002-02-02 02:02:02-00007"_s);
    EXPECT_EQ(test::readFile(runs), s.toUtf8() + "/BDMV/PLAYLIST\n");
    EXPECT_TRUE(test::logHas(u"str line 0 : no separator here"_s));
    EXPECT_TRUE(test::logHas(u"str line 2 : 00007 : 2002-02-02 02:02:02 : extra"_s));

    QFile::remove(runs);
    EXPECT_TRUE(dateCreation2iMovieName(other).startsWith(u"clip-"_s));
    EXPECT_EQ(test::readFile(runs), (s + u"/BDMV/PLAYLIST\n"_s).toUtf8().repeated(2));
}
