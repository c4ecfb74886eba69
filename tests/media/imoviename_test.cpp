// Names for camera clips: from the time-stamp tool on cards built in the
// sandbox, else from the creation date.
#include "avchdcard.h"
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"
#include "scoped.h"

#include <reel/files/sizes.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <ctime>

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
