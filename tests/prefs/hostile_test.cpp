// Property-list files made to break a reader. Each is refused with a log
// line, in bounded time and memory, by readPlist and by the preference store.
#include "bplist.h"
#include "fuzzseeds.h"
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

struct Hostile {
    const char *name;
    QByteArray bytes;
};

QByteArray nestedXml(int depth)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + QByteArray("<array>").repeated(depth)
           + QByteArray("</array>").repeated(depth) + "</plist>\n";
}

// 5 000 object numbers that all lead to one 60 000-byte data object: 300 MB
// if each were read on its own.
QByteArray overlappingObjects()
{
    using namespace bplist;
    std::vector<quint64> refs;
    for (quint64 i = 1; i <= 5000; ++i)
        refs.push_back(i);
    const QByteArray list = array(refs, 2);
    Layout layout;
    layout.refSize = 2;
    layout.offsets.assign(5001, 8 + quint64(list.size()));
    layout.offsets[0] = 8;
    return file({list, marker(0x4, 60000) + QByteArray(60000, 'x')}, layout);
}

const std::vector<Hostile> &hostileFiles()
{
    using namespace bplist;
    static const std::vector<Hostile> files = [] {
        const QString nulKey = QStringView(u"a\0b", 3).toString();
        Layout bigCount, farTop, farTable, wideOffsets;
        bigCount.objects = qint64(1) << 40;
        farTop.top = 5;
        farTable.table = qint64(1) << 40;
        wideOffsets.offsetSize = 9;
        Layout pastTable, intoHeader;
        pastTable.offsets = {8, 4000};
        intoHeader.offsets = {8, 2};
        return std::vector<Hostile>{
            {"nul-key", file({dict({1}, {2}), utf16(nulKey), ascii("v")})},
            {"deep-binary", nestedArrays(100000)},
            {"deep-xml", nestedXml(1000000)},
            {"reference-bomb", file({array(std::vector<quint64>(100, 1)), array(std::vector<quint64>(100, 2)),
                                     array(std::vector<quint64>(100, 3)), array(std::vector<quint64>(100, 4)),
                                     ascii("x")})},
            {"self-reference", file({dict({1}, {0}), ascii("k")})},
            {"reference-cycle", file({dict({1}, {2}), ascii("k"), array({0})})},
            {"overlapping-objects", overlappingObjects()},
            {"lying-count", file({dict({1}, {2}), ascii("k"), marker(0xA, quint64(1) << 40)})},
            {"lying-object-count", file({dict({}, {})}, bigCount)},
            {"top-object-out-of-range", file({dict({}, {})}, farTop)},
            {"offset-table-out-of-range", file({dict({}, {})}, farTable)},
            {"offset-size-nine", file({dict({}, {})}, wideOffsets)},
            {"offset-past-the-objects", file({dict({1}, {1}), ascii("k")}, pastTable)},
            {"offset-into-the-header", file({dict({1}, {1}), ascii("k")}, intoHeader)},
            {"reference-out-of-range", file({dict({1}, {7}), ascii("k")})},
            {"key-not-a-string", file({dict({1}, {1}), array({})})},
            {"unpaired-surrogate", file({dict({1}, {2}), ascii("k"), utf16(QString(QChar(0xD800)))})},
            {"ascii-above-0x7f", file({dict({1}, {2}), ascii("k"), ascii("caf\xe9")})},
            // A real is 4 or 8 bytes; a 2-byte one is refused even with bytes to spare.
            {"real-of-two-bytes", file({dict({1}, {2}), ascii("k"), QByteArray("\x21\x3f\x80\0\0\0\0\0\0", 9)})},
            {"xml-entity-expansion",
             "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
             "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
             "<plist><dict><key>k</key><string>&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;</string></dict></plist>"},
            {"xml-key-without-value", "<plist><dict><key>k</key></dict></plist>"},
            {"xml-unknown-element", "<plist><dict><key>k</key><script>x</script></dict></plist>"},
            {"not-a-property-list", "this is not a property list"},
        };
    }();
    return files;
}

// The files above in the scratch folder, and one larger than the limit
// (sparse: nothing is written but its header).
QStringList writeHostileFiles()
{
    QStringList paths;
    for (const Hostile &h : hostileFiles()) {
        const QString name = QString::fromLatin1(h.name) + u".plist"_s;
        paths << writeFile(scratchDir() + u'/' + name, h.bytes);
        saveFuzzSeed(h.bytes.startsWith("bplist") ? "binary" : "xml", name, h.bytes);
    }
    saveFuzzSeed("binary", u"deep-600.plist"_s, bplist::nestedArrays(600));
    saveFuzzSeed("xml", u"deep-600.plist"_s, nestedXml(600));
    const QString large = scratchDir() + u"/larger-than-the-limit.plist"_s;
    QFile file(large);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("bplist00") == 8 && file.resize(kPlistMaxBytes + 1));
    return paths << large;
}

QString storeFile()
{
    return homePath() + u"/.config/org.reelkit.tests.plist"_s;
}

} // namespace

TEST(HostilePlists, RefusedWithALogLineInBoundedTimeAndMemory)
{
    const QStringList paths = writeHostileFiles();
    // Another process, so that a reader that runs away is held to its
    // limits: 1 GiB of address space (without AddressSanitizer) or of
    // resident memory (with it), and a minute.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":hard_rss_limit_mb=1024"_s);
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(QStringLiteral(PREFS_HELPER), QStringList{u"read"_s} + paths);
    ASSERT_TRUE(helper.waitForFinished(60000)) << "a reader hangs";
    const QString out = QString::fromLocal8Bit(helper.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(helper.readAllStandardError());
    ASSERT_EQ(helper.exitStatus(), QProcess::NormalExit) << err.right(2000).toStdString();
    ASSERT_EQ(helper.exitCode(), 0) << err.right(2000).toStdString();
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(out.contains(u"refused "_s + path + u'\n'));
        EXPECT_TRUE(err.contains(u"readPlist           :-( refused '"_s + path + u"': "_s));
    }
}

TEST(HostilePlists, EveryTruncationIsRefused)
{
    const QVariantMap value{{u"name"_s, u"caf\u00e9"_s}, {u"count"_s, 25}, {u"list"_s, QVariantList{1.5, true}}};
    QString error;
    const QByteArray binary = plistToData(value, PlistFormat::Binary);
    const QByteArray xml = plistToData(value, PlistFormat::Xml);
    ASSERT_FALSE(binary.isEmpty() || xml.isEmpty());
    saveFuzzSeed("binary", u"small.plist"_s, binary);
    saveFuzzSeed("xml", u"small.plist"_s, xml);
    const QString path = scratchDir() + u"/cut.plist"_s;
    for (const QByteArray &whole : {binary, xml}) {
        // XML may lose what follows its last element.
        const qsizetype end = whole.startsWith("bplist") ? whole.size() : whole.lastIndexOf('>') + 1;
        for (qsizetype n = 0; n < end; ++n) {
            writeFile(path, whole.left(n));
            clearLog();
            EXPECT_FALSE(readPlist(path).has_value()) << n;
            EXPECT_EQ(logLines().filter(u"readPlist           :-( refused '"_s + path).size(), 1) << n;
        }
    }
}

TEST(HostilePlists, AsThePreferenceStoreTheyAreSetAsideAndTheStoreStartsEmpty)
{
    const QStringList paths = writeHostileFiles();
    const QString config = QFileInfo(storeFile()).path();
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        QDir(config).removeRecursively();
        QDir().mkpath(config);
        ASSERT_TRUE(QFile::copy(path, storeFile()));
        clearLog();
        EXPECT_FALSE(prefRead2(u"k"_s).isValid());
        EXPECT_FALSE(QFileInfo::exists(storeFile()));
        EXPECT_EQ(QDir(config).entryList({u"org.reelkit.tests.plist.corrupt-*"_s}).size(), 1);
        EXPECT_TRUE(logContains(u"starting empty"_s));
        EXPECT_TRUE(prefWrite(u"k"_s, 1));
        EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 1}}));
    }
}
