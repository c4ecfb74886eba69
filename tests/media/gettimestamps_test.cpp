// The time-stamp tool: the reader in-process (tables and a short mutation
// run under the sanitizers) and the built program on cards in the sandbox.
#include "avchdcard.h"
#include "fuzzseeds.h"
#include "sandbox.h"

#include <avchd.h>

#include <gtest/gtest.h>

#include <QProcess>

#include <random>
#include <tuple>

using namespace reel;
using namespace Qt::StringLiterals;
using test::CameraTime;

namespace {

// The exit status (-1: killed or crashed) and what the tool printed.
struct ToolRun {
    int status;
    QString out, err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess p;
    p.start(test::testBundlePath() + u"/Contents/Resources/tools/gettimestamps"_s, args);
    if (!p.waitForFinished(60000))
        p.kill();
    p.waitForFinished();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Exactly sized copies, so that a read past the end is a sanitizer report.
std::vector<std::string> parse(const QByteArray &bytes, std::string *error)
{
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return gettimestamps::readPlaylist(data.data(), data.size(), error);
}

std::optional<std::string> timeOf(const QByteArray &bytes)
{
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    const auto t = gettimestamps::findRecordingTime(data.data(), data.size());
    return t ? std::optional<std::string>(gettimestamps::formatTime(*t)) : std::nullopt;
}

QByteArray patched(QByteArray bytes, int offset, const QByteArray &with)
{
    return bytes.replace(offset, with.size(), with);
}

const CameraTime kMay2009{2009, 5, 2, 12, 34, 56};

} // namespace

TEST(TimeStampReader, PlaylistsWellFormedAndDamaged)
{
    const QByteArray good = test::mplsBytes({u"00001"_s, u"00002"_s, u"00017"_s});
    std::string error;
    EXPECT_EQ(parse(good, &error), (std::vector<std::string>{"00001", "00002", "00017"}));
    EXPECT_TRUE(parse(test::mplsBytes({}), &error).empty());
    EXPECT_TRUE(error.empty());

    // The play list starts at 58; its item count at 64; the first item at 68.
    const std::pair<const char *, QByteArray> damaged[] = {
        {"empty", QByteArray()},
        {"header cut", good.left(39)},
        {"play list cut", good.left(good.size() - 1)},
        {"other magic", patched(good, 0, "MPLX")},
        {"version not digits", patched(good, 4, "02x0")},
        {"start inside the header", patched(good, 8, QByteArray("\0\0\0\x10", 4))},
        {"start past the end", patched(good, 8, QByteArray("\xff\xff\xff\xf0", 4))},
        {"length past the end", patched(good, 58, QByteArray("\xff\xff\xff\xff", 4))},
        {"length too small", patched(good, 58, QByteArray("\0\0\0\x02", 4))},
        {"more items than bytes", patched(good, 64, QByteArray("\x00\x09", 2))},
        {"item shorter than a name", patched(good, 68, QByteArray("\x00\x05", 2))},
        {"item longer than the list", patched(good, 68, QByteArray("\xff\xff", 2))},
        {"name not digits", patched(good, 70, "0000A")},
        {"codec", patched(good, 75, "FMTS")},
    };
    for (const auto &[what, bytes] : damaged) {
        error.clear();
        EXPECT_TRUE(parse(bytes, &error).empty()) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
    EXPECT_TRUE(gettimestamps::readPlaylist(nullptr, 100, &error).empty());
}

TEST(TimeStampReader, RecordingTimeWhereverTheStreamCarriesIt)
{
    // Bare H.264, both packet sizes, and the SEI moved across packet
    // boundaries with audio packets in between.
    EXPECT_EQ(timeOf(test::mdpmSeiBytes(kMay2009)), "2009-05-02 12:34:56");
    for (int size : {188, 192})
        for (int padding = 0; padding < 400; padding += 13)
            EXPECT_EQ(timeOf(test::clipStreamBytes(kMay2009, size, padding)), "2009-05-02 12:34:56")
                << size << " " << padding;
    // Zero bytes in the time get emulation-prevention bytes in the stream.
    EXPECT_EQ(timeOf(test::clipStreamBytes(CameraTime{2000, 1, 1, 0, 0, 0})), "2000-01-01 00:00:00");

    const QByteArray sei = test::mdpmSeiBytes(kMay2009);
    const int body = int(sei.indexOf("MDPM")) + 4;
    QByteArray unset = sei; // a clock that was never set
    unset[sei.indexOf('\x19') + 1] = '\xff';
    for (const QByteArray &none : {test::clipStreamBytes(std::nullopt), QByteArray(), sei.left(body + 8),
                                   patched(sei, body, "\x01"), test::mdpmSeiBytes(CameraTime{2009, 13, 2, 12, 34, 56}),
                                   test::mdpmSeiBytes(CameraTime{2009, 5, 2, 24, 0, 0}), unset})
        EXPECT_EQ(timeOf(none), std::nullopt) << none.toHex().toStdString();
    // A damaged block is passed over for a good one further on.
    EXPECT_EQ(timeOf(sei.left(body + 3) + test::mdpmSeiBytes(CameraTime{2011, 12, 31, 23, 59, 59})),
              "2011-12-31 23:59:59");
}

// A short run of the mutation loop; REELKIT_FUZZ_ITERATIONS makes it longer.
TEST(TimeStampReader, SurvivesMutatedInput)
{
    const int iterations = qEnvironmentVariableIsSet("REELKIT_FUZZ_ITERATIONS")
        ? qEnvironmentVariableIntValue("REELKIT_FUZZ_ITERATIONS") : 3000;
    std::mt19937 random(20090502);
    const QByteArray seeds[] = {test::mplsBytes({u"00001"_s, u"00002"_s, u"00003"_s}), test::mplsBytes({u"00009"_s}),
                                test::clipStreamBytes(kMay2009, 192, 170), test::mdpmSeiBytes(kMay2009)};
    // The camera fuzz target's seeds: "p" before a playlist, "c" before a clip.
    test::saveFuzzSeed("camera", u"playlist-three-clips.mpls"_s, "p" + seeds[0]);
    test::saveFuzzSeed("camera", u"clip-192-byte-packets.mts"_s, "c" + seeds[2]);
    test::saveFuzzSeed("camera", u"clip-188-byte-packets.mts"_s, "c" + test::clipStreamBytes(kMay2009, 188));
    test::saveFuzzSeed("camera", u"clip-bare-h264.264"_s, "c" + seeds[3]);
    const QByteArray extremes[] = {QByteArray(4, '\0'), QByteArray(4, '\xff'), QByteArray("\x7f\xff\xff\xff", 4),
                                   QByteArray("\0\x01", 2)};
    auto below = [&](qsizetype n) { return qsizetype(random() % quint32(std::max<qsizetype>(n, 1))); };
    for (int i = 0; i < iterations; ++i) {
        QByteArray bytes = seeds[i % std::size(seeds)];
        for (int m = 0, count = 1 + int(random() % 6); m < count && !bytes.isEmpty(); ++m) {
            const QByteArray &e = extremes[random() % std::size(extremes)];
            switch (random() % 5) {
            case 0: bytes[below(bytes.size())] = char(random()); break;
            case 1: bytes.truncate(below(bytes.size())); break;
            case 2: bytes.insert(below(bytes.size()), QByteArray(int(1 + random() % 8), char(random()))); break;
            case 3: bytes.remove(below(bytes.size()), 1 + below(8)); break;
            default: bytes.replace(below(bytes.size()), e.size(), e);
            }
        }
        std::string error;
        const std::vector<std::string> clips = parse(bytes, &error);
        if (!error.empty())
            ASSERT_TRUE(clips.empty()) << i;
        for (const std::string &clip : clips)
            ASSERT_TRUE(clip.size() == 5 && clip.find_first_not_of("0123456789") == std::string::npos) << i;
        timeOf(bytes);
    }
}

TEST(TimeStampTool, PrintsEveryClipOnceWithItsTimeAndReportsTheDamage)
{
    const QString s = test::scratchDir();
    const QString bdmv = test::makeCard(s + u"/AVCHD"_s, {{u"00001"_s, kMay2009}, {u"00002"_s, std::nullopt},
                                                         {u"00003"_s, CameraTime{2010, 12, 24, 18, 0, 5}}});
    // A second playlist repeats a clip and names one whose stream is m2ts.
    test::writeFile(bdmv + u"/PLAYLIST/00001.MPL"_s, test::mplsBytes({u"00003"_s, u"00004"_s}));
    test::writeFile(bdmv + u"/STREAM/00004.m2ts"_s, test::clipStreamBytes(CameraTime{2012, 2, 29, 1, 2, 3}, 188));
    // Without a time in the stream, its modification time.
    test::setModificationTime(bdmv + u"/STREAM/00002.MTS"_s, QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));
    const QString lines = u"00001 : 2009-05-02 12:34:56\n00002 : 2010-03-04 05:06:07\n"
                          u"00003 : 2010-12-24 18:00:05\n00004 : 2012-02-29 01:02:03\n"_s;
    ToolRun r = runTool({bdmv + u"/PLAYLIST/"_s});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, lines);
    EXPECT_EQ(r.err, QString());
    test::saveFuzzSeed("camera", u"timestamp-lines.txt"_s, "t" + r.out.toUtf8());

    // A damaged playlist is reported; the clips of the others still print.
    const QString bad = test::writeFile(bdmv + u"/PLAYLIST/00002.mpls"_s, test::mplsBytes({u"00009"_s}).left(70));
    QFile::link(s + u"/nowhere"_s, bdmv + u"/PLAYLIST/00003.mpls"_s);
    test::writeFile(bdmv + u"/PLAYLIST/00004.mpls"_s, test::mplsBytes({u"00001"_s, u"00005"_s}));
    r = runTool({bdmv + u"/PLAYLIST"_s});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, lines);
    EXPECT_EQ(r.err, u"gettimestamps: %1: truncated play list\n"
                     u"gettimestamps: clip 00005: no readable stream file\n"_s.arg(bad));
}

TEST(TimeStampTool, RefusesWhatIsNotACard)
{
    const QString s = test::scratchDir();
    const QString file = test::writeFile(s + u"/file.mpls"_s, test::mplsBytes({u"00001"_s}));
    test::writeFile(s + u"/other/notes.txt"_s, "MPLS0200");
    const std::tuple<QStringList, int, const char *> refused[] = {
        {{}, 1, "usage: gettimestamps <PLAYLIST folder>\n"},
        {{s, s}, 1, "usage: gettimestamps <PLAYLIST folder>\n"},
        {{QString()}, 2, "gettimestamps: '' is not a folder\n"},
        {{file}, 2, "is not a folder\n"},
        {{s + u"/other"_s}, 2, "/other' holds no playlist\n"},
    };
    for (const auto &[args, status, message] : refused) {
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.status, status) << message;
        EXPECT_TRUE(r.err.endsWith(QLatin1String(message)) && r.out.isEmpty()) << r.err.toStdString();
    }
}
