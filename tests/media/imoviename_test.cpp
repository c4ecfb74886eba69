// Names for camera clips: from the time-stamp tool on cards built in the
// sandbox, else from the creation date.
#include "avchdcard.h"
#include "bundles.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/files/sizes.h>
#include <reel/media/eyetvimovie.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <ctime>

using namespace reel;
using test::CameraTime;

namespace {

// Sets TZ for a scope.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char *zone) : m_saved(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_had)
            qputenv("TZ", m_saved);
        else
            qunsetenv("TZ");
        ::tzset();
    }

private:
    QByteArray m_saved;
    bool m_had;
};

// A bundle whose tools/gettimestamps is a shell script.
QString bundleWithTimeStampScript(const QByteArray &script)
{
    const QString bundle = test::makeBundle(QStringLiteral("standin"), {{QStringLiteral("CFBundleName"), QStringLiteral("standin")}});
    const QString tool = test::writeFile(bundle + QStringLiteral("/Contents/Resources/tools/gettimestamps"), "#!/bin/sh\n" + script);
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return bundle;
}

} // namespace

TEST(IMovieNames, CameraClipsTakeTheirRecordingTime)
{
    const QString bdmv = test::makeCard(test::scratchDir() + QStringLiteral("/AVCHD"),
                                        {{QStringLiteral("00001"), CameraTime{2009, 5, 2, 12, 34, 56}},
                                         {QStringLiteral("00002"), std::nullopt}});
    test::setModificationTime(bdmv + QStringLiteral("/STREAM/00002.MTS"), QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));

    EXPECT_EQ(dateCreation2iMovieName(bdmv + QStringLiteral("/STREAM/00001.MTS")), QStringLiteral("2009-05-02 12:34:56-00001"));
    EXPECT_EQ(test::logLines(), QStringList({QStringLiteral("dateCreation2iMovieN\u2026"),
                                             QStringLiteral("taskArray1PipeMax   - deb"),
                                             QStringLiteral("str line 0 : 00001 : 2009-05-02 12:34:56")}));
    test::clearLog();
    // No time in the stream: the tool gives the stream's modification time.
    EXPECT_EQ(dateCreation2iMovieName(bdmv + QStringLiteral("/STREAM/00002.MTS")), QStringLiteral("2010-03-04 05:06:07-00002"));
    EXPECT_TRUE(test::logHas(QStringLiteral("str line 1 : 00002 : 2010-03-04 05:06:07")));
}

TEST(IMovieNames, OtherwiseTheCreationDate)
{
    ScopedTimeZone zone("UTC0");
    const QString s = test::scratchDir();
    const QRegularExpression dated(QStringLiteral("^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d-(.*)$"));

    // No PLAYLIST two levels up; a clip the card's playlist does not name.
    const QString movie = test::writeFile(s + QStringLiteral("/Movies/Holiday/Clip 01.mov"), "x");
    const QString bdmv = test::makeCard(s + QStringLiteral("/card"), {{QStringLiteral("00001"), CameraTime{2009, 5, 2, 1, 2, 3}}});
    const QString unlisted = test::writeFile(bdmv + QStringLiteral("/STREAM/00009.MTS"), "x");
    for (const QString &clip : {movie, unlisted}) {
        const QString name = dateCreation2iMovieName(clip);
        const QRegularExpressionMatch m = dated.match(name);
        ASSERT_TRUE(m.hasMatch()) << name.toStdString();
        EXPECT_EQ(m.captured(1), clip == movie ? QStringLiteral("Clip 01") : QStringLiteral("00009"));
        // The same date the file services give, without its zone.
        const QString created = dateCreation(clip);
        EXPECT_EQ(name.mid(5, 19), created.left(19).replace(QLatin1Char(':'), QLatin1Char(';')));
    }

    // The same card without a usable tool: the creation date as well.
    test::ScopedBundle noTools(test::makeBundle(QStringLiteral("bare"), {}));
    EXPECT_TRUE(dated.match(dateCreation2iMovieName(bdmv + QStringLiteral("/STREAM/00001.MTS"))).hasMatch());

    // Nothing to date: no date text.
    EXPECT_EQ(dateCreation2iMovieName(s + QStringLiteral("/gone/away/x.mov")), QStringLiteral("clip--x"));
    test::clearLog();
    EXPECT_TRUE(dateCreation2iMovieName(QString()).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(IMovieNames, ATimeZoneWestOfGreenwichStays)
{
    ScopedTimeZone zone("EST5");
    const QString clip = test::writeFile(test::scratchDir() + QStringLiteral("/Movies/x/My:Clip.mov"), "x");
    const QString name = dateCreation2iMovieName(clip);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^clip-\\d{4}-\\d\\d-\\d\\d \\d\\d;\\d\\d;\\d\\d -0500-My;Clip$"))
                    .match(name).hasMatch()) << name.toStdString();
}

TEST(IMovieNames, EveryPlaylistItemRunsTheToolOnTheSameFolder)
{
    const QString s = test::scratchDir();
    const QString runs = s + QStringLiteral("/runs");
    test::ScopedBundle standin(bundleWithTimeStampScript(
        "printf '%s\\n' \"$1\" >> '" + runs.toUtf8() + "'\n"
        "echo 'no separator here'\n"
        "echo '00003 : 2001-01-01 00:00:00'\n"
        "echo '00007 : 2002-02-02 02:02:02 : extra'\n"));
    // Both "PLAYLIST" and "PLAYLIST.old" count; "playlist" does not.
    test::writeFile(s + QStringLiteral("/BDMV/PLAYLIST/00000.mpls"), "x");
    test::writeFile(s + QStringLiteral("/BDMV/PLAYLIST.old"), "x");
    test::writeFile(s + QStringLiteral("/BDMV/playlist"), "x");
    const QString clip = test::writeFile(s + QStringLiteral("/BDMV/STREAM/00007.MTS"), "x");
    const QString other = test::writeFile(s + QStringLiteral("/BDMV/STREAM/00005.MTS"), "x");

    setDEBUG(1);
    EXPECT_EQ(dateCreation2iMovieName(clip), QStringLiteral("2002-02-02 02:02:02-00007"));
    EXPECT_EQ(test::readFile(runs), s.toUtf8() + "/BDMV/PLAYLIST\n");
    EXPECT_TRUE(test::logHas(QStringLiteral("dateCreation2iMovieN- folderPLAYLIST : ") + s + QStringLiteral("/BDMV/PLAYLIST")));
    EXPECT_TRUE(test::logHas(QStringLiteral("str line 0 : no separator here")));
    EXPECT_TRUE(test::logHas(QStringLiteral("str line 2 : 00007 : 2002-02-02 02:02:02 : extra")));

    QFile::remove(runs);
    EXPECT_TRUE(dateCreation2iMovieName(other).startsWith(QLatin1String("clip-")));
    EXPECT_EQ(test::readFile(runs), (s + QStringLiteral("/BDMV/PLAYLIST\n")).toUtf8().repeated(2));
}
