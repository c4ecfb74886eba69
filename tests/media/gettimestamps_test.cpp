// The time-stamp tool: the reader in-process (under the sanitizers) and the
// built program on cards in the sandbox.
#include "avchdcard.h"
#include "fuzzseeds.h"
#include "sandbox.h"
#include "tables.h"
#include "toolscript.h"

#include <avchd.h>

#include <gtest/gtest.h>

#include <QFile>

#include <random>

#include <fcntl.h>
#include <unistd.h>

using namespace reel;
using namespace Qt::StringLiterals;
using test::CameraTime;

namespace {

std::tuple<int, QString, QString> runTool(const QStringList &args)
{
    const test::ProgramRun r = test::runProgram(test::testBundlePath() + u"/Contents/Resources/tools/gettimestamps"_s, args);
    return {r.status, QString::fromUtf8(r.out), QString::fromUtf8(r.err)};
}

// Exactly sized copies, so that a read past the end is a sanitizer report.
// Playlists are damaged further in the tool's run below and by the mutation
// loop.
std::vector<std::string> parse(const QByteArray &bytes, std::string *error)
{
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return gettimestamps::readPlaylist(data.data(), data.size(), error);
}

std::optional<std::string> shown(const std::optional<gettimestamps::RecordingTime> &t)
{
    return t ? std::optional<std::string>(gettimestamps::formatTime(*t)) : std::nullopt;
}

// The time in the bytes; settled: only a time no further bytes could change.
std::optional<std::string> timeOf(const QByteArray &bytes, bool settled = false)
{
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    return shown(settled ? gettimestamps::findSettledRecordingTime(data.data(), data.size())
                         : gettimestamps::findRecordingTime(data.data(), data.size()));
}

const CameraTime kMay2009{2009, 5, 2, 12, 34, 56};

} // namespace

TEST(TimeStampReader, RecordingTimeWhereverTheStreamCarriesIt)
{
    // Both packet sizes, the SEI moved across packet boundaries; zero bytes
    // in the time get emulation-prevention bytes.
    for (int padding = 0; padding < 400; padding += 13)
        EXPECT_EQ(timeOf(test::clipStreamBytes(kMay2009, padding % 2 ? 188 : 192, padding)), "2009-05-02 12:34:56");
    EXPECT_EQ(timeOf(test::clipStreamBytes(CameraTime{2000, 1, 1, 0, 0, 0})), "2000-01-01 00:00:00");

    // A month 13 is no time; a damaged block is passed over for a good one
    // further on.
    const QByteArray sei = test::mdpmSeiBytes(kMay2009);
    const int body = int(sei.indexOf("MDPM")) + 4;
    EXPECT_EQ(timeOf(test::mdpmSeiBytes(CameraTime{2009, 13, 2, 12, 34, 56})), std::nullopt);
    EXPECT_EQ(timeOf(sei.left(body + 3) + test::mdpmSeiBytes(CameraTime{2011, 12, 31, 23, 59, 59})),
              "2011-12-31 23:59:59");
}

// A short run of the mutation loop; REELKIT_FUZZ_ITERATIONS makes it longer.
TEST(TimeStampReader, SurvivesMutatedInput)
{
    const int iterations = qEnvironmentVariableIsSet("REELKIT_FUZZ_ITERATIONS")
        ? qEnvironmentVariableIntValue("REELKIT_FUZZ_ITERATIONS") : 3000;
    std::mt19937 random(20090502);
    const QByteArray seeds[] = {test::mplsBytes({u"00001"_s, u"00002"_s, u"00003"_s}),
                                test::clipStreamBytes(kMay2009, 192, 170), test::clipStreamBytes(kMay2009, 188),
                                test::mdpmSeiBytes(kMay2009)};
    // The camera fuzz target's seeds: "p" before a playlist, "c" before a clip.
    const char *names[] = {"playlist-three-clips.mpls", "clip-192-byte-packets.mts", "clip-188-byte-packets.mts",
                           "clip-bare-h264.264"};
    for (int k = 0; k < 4; ++k)
        test::saveFuzzSeed("camera", QString::fromLatin1(names[k]), (k ? "c" : "p") + seeds[k]);
    auto below = [&](qsizetype n) { return qsizetype(random() % quint32(std::max<qsizetype>(n, 1))); };
    for (int i = 0; i < iterations; ++i) {
        QByteArray bytes = seeds[i % std::size(seeds)];
        for (int m = 0, count = 1 + int(random() % 6); m < count && !bytes.isEmpty(); ++m) {
            switch (random() % 4) {
            case 0: bytes[below(bytes.size())] = char(random()); break;
            case 1: bytes.truncate(below(bytes.size())); break;
            case 2: bytes.remove(below(bytes.size()), 1 + below(8)); break;
            default: bytes.replace(below(bytes.size()), 4, random() % 2 ? "\xff\xff\xff\xff" : "\x7f\xff\xff\xff");
            }
        }
        std::string error;
        const std::vector<std::string> clips = parse(bytes, &error);
        ASSERT_TRUE(error.empty() || clips.empty()) << i;
        for (const std::string &clip : clips) {
            ASSERT_EQ(clip.size(), 5u) << i;
            ASSERT_EQ(clip.find_first_not_of("0123456789"), std::string::npos) << i;
        }
        // What a lead settles, the whole gives.
        const std::optional<std::string> whole = timeOf(bytes);
        if (const std::optional<std::string> settled = timeOf(bytes.left(below(bytes.size() + 1)), true))
            ASSERT_EQ(settled, whole) << i;
    }
}

// A clip is read from its start in growing pieces until its time is
// settled, as far as 4 MiB: the time the whole lead gives, and no more read
// than it takes.
TEST(TimeStampReader, ReadsAClipOnlyAsFarAsItsTimeNeeds)
{
    using gettimestamps::kFirstPieceBytes;
    using gettimestamps::kStreamLeadBytes;
    const QByteArray sei = test::mdpmSeiBytes(kMay2009);
    // Bare H.264 with the time at offset.
    const auto timeAt = [&](qsizetype offset) { return QByteArray(offset, '\xff') + sei; };
    const std::string may = "2009-05-02 12:34:56";
    const struct {
        const char *name;
        QByteArray start; // the clip's first bytes; the rest of its size is a hole
        qint64 size;
        std::optional<std::string> time;
        std::size_t read;
    } cases[] = {
        {"a camera's clip answers from its first piece", test::clipStreamBytes(kMay2009), qint64(64) << 20, may,
         kFirstPieceBytes},
        {"a time beyond the first piece", timeAt(100000), qint64(8) << 20, may, 2 * kFirstPieceBytes},
        {"a time that ends at the lead's end", timeAt(qsizetype(kStreamLeadBytes) - sei.size()), qint64(8) << 20, may,
         kStreamLeadBytes},
        {"a time cut by the lead's end is not seen", timeAt(qsizetype(kStreamLeadBytes) - 12), qint64(8) << 20,
         std::nullopt, kStreamLeadBytes},
        {"an empty clip", QByteArray(), 0, std::nullopt, 0},
        {"a short clip without a time is read whole", QByteArray(1000, '\x5a'), 1000, std::nullopt, 1000},
    };
    const QString path = test::scratchDir() + u"/00001.MTS"_s;
    test::forEachCase(cases, [&](const auto &c) {
        test::writeFile(path, c.start);
        ASSERT_TRUE(QFile::resize(path, c.size));
        // As before the pieces: the whole lead at once.
        EXPECT_EQ(timeOf(c.start.leftJustified(qsizetype(std::min<qint64>(c.size, kStreamLeadBytes)), '\0', true)), c.time);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        std::size_t read = 0;
        EXPECT_EQ(shown(gettimestamps::readRecordingTime(fd, &read)), c.time);
        EXPECT_EQ(read, c.read);
        ::close(fd);
    });
}

TEST(TimeStampTool, PrintsEveryClipOnceWithItsTimeAndReportsTheDamageOrMisuse)
{
    const QString s = test::scratchDir();
    const QString bdmv = test::makeCard(s + u"/AVCHD"_s, {{u"00001"_s, kMay2009}, {u"00002"_s, std::nullopt}});
    // A second playlist repeats a clip and names one whose stream is m2ts.
    test::writeFile(bdmv + u"/PLAYLIST/00001.MPL"_s, test::mplsBytes({u"00002"_s, u"00004"_s}));
    test::writeFile(bdmv + u"/STREAM/00004.m2ts"_s, test::clipStreamBytes(CameraTime{2012, 2, 29, 1, 2, 3}, 188));
    // Without a time in the stream, its modification time.
    test::setModificationTime(bdmv + u"/STREAM/00002.MTS"_s, QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));
    const QString lines = u"00001 : 2009-05-02 12:34:56\n00002 : 2010-03-04 05:06:07\n00004 : 2012-02-29 01:02:03\n"_s;
    EXPECT_EQ(runTool({bdmv + u"/PLAYLIST/"_s}), std::make_tuple(0, lines, QString()));
    test::saveFuzzSeed("camera", u"timestamp-lines.txt"_s, "t" + lines.toUtf8());

    // A damaged playlist is reported; the clips of the others still print.
    const QString bad = test::writeFile(bdmv + u"/PLAYLIST/00002.mpls"_s, test::mplsBytes({u"00009"_s}).left(70));
    QFile::link(s + u"/nowhere"_s, bdmv + u"/PLAYLIST/00003.mpls"_s);
    test::writeFile(bdmv + u"/PLAYLIST/00004.mpls"_s, test::mplsBytes({u"00001"_s, u"00005"_s}));
    EXPECT_EQ(runTool({bdmv + u"/PLAYLIST"_s}),
              std::make_tuple(3, lines, u"gettimestamps: %1: truncated play list\n"
                                        u"gettimestamps: clip 00005: no readable stream file\n"_s.arg(bad)));
    // What is not a card.
    EXPECT_EQ(runTool({s, s}), std::make_tuple(1, QString(), u"usage: gettimestamps <PLAYLIST folder>\n"_s));
    EXPECT_EQ(runTool({QString()}), std::make_tuple(2, QString(), u"gettimestamps: '' is not a folder\n"_s));
    EXPECT_EQ(runTool({bdmv}), std::make_tuple(2, QString(), u"gettimestamps: '%1' holds no playlist\n"_s.arg(bdmv)));
}

