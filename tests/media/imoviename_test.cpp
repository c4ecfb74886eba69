// Names for camera clips: from the time-stamp tool on cards built in the
// sandbox, else from the creation date.
#include "avchdcard.h"
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <reel/files/sizes.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <ctime>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::CameraTime;

TEST(IMovieNames, CameraClipsTakeTheirRecordingTimeElseTheCreationDate)
{
    const QString s = test::scratchDir();
    const QString bdmv = test::makeCard(s + u"/AVCHD"_s,
                                        {{u"00001"_s, CameraTime{2009, 5, 2, 12, 34, 56}}, {u"00002"_s, std::nullopt}});
    test::setModificationTime(bdmv + u"/STREAM/00002.MTS"_s, QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));
    EXPECT_EQ(dateCreation2iMovieName(bdmv + u"/STREAM/00001.MTS"_s), u"2009-05-02 12:34:56-00001"_s);
    EXPECT_TRUE(test::logHas(u"str line 0 : 00001 : 2009-05-02 12:34:56"_s));
    // No time in the stream: the tool gives the stream's modification time.
    EXPECT_EQ(dateCreation2iMovieName(bdmv + u"/STREAM/00002.MTS"_s), u"2010-03-04 05:06:07-00002"_s);

    // A clip the card's playlist does not name: the creation date; a zone
    // west of Greenwich stays, ":" becomes ";".
    const QString unlisted = test::writeFile(bdmv + u"/STREAM/0:9.MTS"_s, "x");
    {
        test::ScopedEnv tz("TZ", "EST5");
        ::tzset();
        const QString date = dateCreation(unlisted).left(19).replace(u':', u';');
        EXPECT_EQ(dateCreation2iMovieName(unlisted), u"clip-"_s + date + u" -0500-0;9"_s);
    }
    ::tzset();
    // The same card without a usable tool, or nothing to date.
    test::ScopedBundle noTools(test::makeBundle(u"bare"_s, {}));
    EXPECT_TRUE(dateCreation2iMovieName(bdmv + u"/STREAM/00001.MTS"_s).startsWith(u"clip-"_s));
    EXPECT_EQ(dateCreation2iMovieName(s + u"/gone/away/x.mov"_s), u"clip--x"_s);
    EXPECT_TRUE(dateCreation2iMovieName(QString()).isNull());
}

namespace {

int toolRuns()
{
    return int(test::logLines().count(u"taskArray1PipeMax   - deb"_s));
}

} // namespace

// A card of 200 clips named in one run of the tool, as each clip alone
// would be; the tool's complaints go to the log, not the error output.
TEST(IMovieNames, AWholeCardInOneRunOfTheTool)
{
    const QString s = test::scratchDir();
    std::vector<std::pair<QString, std::optional<CameraTime>>> clips;
    for (int i = 1; i <= 200; ++i)
        clips.emplace_back(u"%1"_s.arg(i, 5, 10, QLatin1Char('0')), CameraTime{2009, 5, 2, 12 + i / 60, i % 60, 0});
    const QString bdmv = test::makeCard(s + u"/AVCHD"_s, clips);
    // An empty clip is dated by the stream's modification time; a clip of
    // the playlist that was never written is the tool's complaint.
    test::writeFile(bdmv + u"/STREAM/00200.MTS"_s, QByteArray());
    test::setModificationTime(bdmv + u"/STREAM/00200.MTS"_s, QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));
    test::writeFile(bdmv + u"/PLAYLIST/00001.mpls"_s, test::mplsBytes({u"00201"_s}));

    test::clearLog();
    const QString errors = s + u"/errors.txt"_s;
    QMap<QString, QString> names;
    {
        const test::ScopedStream caught(STDERR_FILENO, errors, O_WRONLY | O_CREAT | O_TRUNC);
        names = dateCreation2iMovieNames(bdmv + u"/PLAYLIST"_s);
    }
    EXPECT_EQ(toolRuns(), 1);
    EXPECT_EQ(names.size(), 200);
    EXPECT_EQ(names.value(u"00001"_s), u"2009-05-02 12:01:00-00001"_s);
    EXPECT_EQ(names.value(u"00199"_s), u"2009-05-02 15:19:00-00199"_s);
    EXPECT_EQ(names.value(u"00200"_s), u"2010-03-04 05:06:07-00200"_s);
    EXPECT_EQ(test::logLines().filter(u"gettimestamps"_s),
              QStringList{u"iMovieNames         :-/ gettimestamps: clip 00201: no readable stream file"_s});
    EXPECT_EQ(test::readFile(errors), QByteArray());
    for (const QString &clip : {u"00001"_s, u"00200"_s})
        EXPECT_EQ(dateCreation2iMovieName(bdmv + u"/STREAM/"_s + clip + u".MTS"_s), names.value(clip));

    // Nothing to name: no folder, no card, no tool.
    test::clearLog();
    EXPECT_TRUE(dateCreation2iMovieNames(QString()).isEmpty());
    EXPECT_EQ(toolRuns(), 0);
    EXPECT_TRUE(dateCreation2iMovieNames(s).isEmpty());
    EXPECT_TRUE(test::logHas(u"iMovieNames         :-/ gettimestamps: '%1' holds no playlist"_s.arg(s)));
    test::ScopedBundle noTools(test::makeBundle(u"bare"_s, {}));
    EXPECT_TRUE(dateCreation2iMovieNames(bdmv + u"/PLAYLIST"_s).isEmpty());
}

TEST(IMovieNames, EveryNameOfTheToolsLines)
{
    const struct {
        const char *name;
        QString lines;
        QMap<QString, QString> names;
    } cases[] = {
        {"a line per clip", u"00001 : 2009-05-02 12:34:56\n00002 : 2010-03-04 05:06:07\n"_s,
         {{u"00001"_s, u"2009-05-02 12:34:56-00001"_s}, {u"00002"_s, u"2010-03-04 05:06:07-00002"_s}}},
        {"the first line of a clip wins", u"00001 : first\n00001 : second"_s, {{u"00001"_s, u"first-00001"_s}}},
        {"a line without the separator names nothing", u"00001: 2009\n00001 :2009\n"_s, {}},
        {"a third part is left out", u"00003 : a : b\n"_s, {{u"00003"_s, u"a-00003"_s}}},
        {"no output", QString(), {}},
    };
    test::forEachCase(cases, [](const auto &c) {
        EXPECT_EQ(namesFromTimeStampLines(c.lines), c.names);
        for (const QString &clip : c.names.keys())
            EXPECT_EQ(nameFromTimeStampLines(c.lines, clip), c.names.value(clip));
    });
}
