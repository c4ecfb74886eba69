// The store file itself: types, other processes, damage, hostile files and
// failures.
#include "fuzzseeds.h"
#include "logcapture.h"
#include "plists.h"
#include "prefstest.h"
#include "privileges.h"
#include "sandbox.h"
#include "scoped.h"
#include "tables.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <ctime>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kHelper = QStringLiteral(PREFS_HELPER);

QString configHome()
{
    return homePath() + u"/.config"_s;
}

QString storeFile()
{
    return configHome() + u"/org.reelkit.tests.plist"_s;
}

QString writeValuesFile(const QString &name, const QVariantMap &values)
{
    return writeFile(scratchDir() + u'/' + name, plistToData(values, PlistFormat::Binary));
}

void writeEach()
{
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(prefWrite(c.key, c.value)) << c.key.toStdString();
}

QVariantMap readEach(const std::function<QVariant(const QString &)> &read)
{
    QVariantMap out;
    for (const PlistCase &c : plistCases())
        out.insert(c.key, read(c.key));
    return out;
}

// The hostile files in the scratch folder, and one larger than the limit
// (sparse: nothing is written but its header).
QStringList writeHostileFiles()
{
    QStringList paths;
    for (const HostilePlist &h : hostilePlists()) {
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

} // namespace

TEST(PrefStore, FileLivesInTheConfigHome)
{
    EXPECT_EQ(preferencesFilePath(), storeFile());
    for (const QString &unusable : {QString(), u"relative/config"_s}) {
        ScopedEnv env("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(preferencesFilePath(), storeFile());
    }
    ScopedEnv set("XDG_CONFIG_HOME", scratchDir() + u"/cfg"_s);
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    EXPECT_EQ(QDir(scratchDir() + u"/cfg"_s).entryList(QDir::Files), (QStringList{u"org.reelkit.tests.plist"_s, u"org.reelkit.tests.plist.lock"_s}));
}

TEST(PrefStore, EveryKindComesBackAsWrittenThroughEachWay)
{
    const QString plist = scratchDir() + u"/created.plist"_s;
    const struct {
        const char *name;
        std::function<QVariantMap()> roundTrip;
    } ways[] = {
        {"createNewPlist, readPlist",
         [&] {
             EXPECT_TRUE(createNewPlist(plist, plistCaseValues()));
             return readPlist(plist).value_or(QVariantMap());
         }},
        {"prefWrite, read here",
         [] {
             writeEach();
             return readEach(prefRead2);
         }},
        {"written by another process after this one read the store",
         [] {
             EXPECT_TRUE(prefWrite(u"int"_s, 1) && prefRead2(u"int"_s) == 1);
             EXPECT_TRUE(runToEnd(kHelper, {u"load"_s, writeValuesFile(u"values.plist"_s, plistCaseValues())}));
             return readEach(prefRead2);
         }},
        {"prefWrite, read by another process",
         [] {
             writeEach();
             const auto dumped = runToEnd(kHelper, QStringList{u"dump"_s} + plistCaseValues().keys());
             EXPECT_TRUE(dumped.has_value());
             return plistFromData(dumped.value_or("")).value_or(QVariant()).toMap();
         }},
    };
    forEachCase(ways, [](const auto &way) {
        QDir(configHome()).removeRecursively();
        const QVariantMap back = way.roundTrip();
        for (const PlistCase &c : plistCases())
            EXPECT_TRUE(sameValue(back.value(c.key), c.value)) << c.key.toStdString() << ": "
                                                               << testing::PrintToString(back.value(c.key));
    });
}

TEST(PrefStore, FailedWriteLeavesTheFileAsItWas)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(storeFile());
    const QVariant point = QVariant::fromValue(QPoint(1, 2));
    const struct {
        const char *name;
        std::function<bool()> write;
    } refused[] = {
        {"key holding U+0000", [] { return prefWrite(QStringView(u"a\0b", 3).toString(), 1); }},
        {"unpaired surrogate", [] { return prefWrite(u"k"_s, QString(QChar(0xD800))); }},
        {"child key holding U+0000", [] { return prefWriteChildDico(u"d"_s, QStringView(u"\0", 1).toString(), 1); }},
        {"not a property-list type", [&] { return prefWrite(u"k"_s, point); }},
        {"one deep inside", [&] { return prefWrite(u"j"_s, QVariantList{1, point}); }},
    };
    forEachCase(refused, [&](const auto &c) {
        EXPECT_FALSE(c.write());
        EXPECT_EQ(readFile(storeFile()), before);
        EXPECT_EQ(takeLog().filter(u"preferences         :-( cannot write '"_s + storeFile() + u"': "_s).size(), 1);
    });
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 1}}));
}

TEST(PrefStore, ConcurrentWritersLoseNoKey)
{
    ASSERT_TRUE(prefWrite(u"before"_s, true));
    constexpr int kEach = 40;
    QVariantMap expected{{u"before"_s, true}};
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        QVariantMap mine;
        for (int i = 0; i < kEach; ++i)
            mine.insert(QChar(u'a' + w) + QString::number(i), i);
        expected.insert(mine);
        writers[w].start(kHelper, {u"load"_s, writeValuesFile(QString::number(w), mine)});
    }
    for (int i = 0; i < kEach; ++i) {
        EXPECT_TRUE(prefWrite(u"c"_s + QString::number(i), i));
        expected.insert(u"c"_s + QString::number(i), i);
    }
    for (QProcess &writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    EXPECT_EQ(readPreferences(), expected);
}

TEST(PrefStore, RewriteInPlaceWithTheOldTimestampIsSeen)
{
    // A writer that rewrites the file in place and puts the old time back
    // keeps inode, size and mtime: the read must still see the change.
    ASSERT_TRUE(prefWrite(u"k"_s, u"aaaa"_s));
    const QByteArray path = QFile::encodeName(storeFile());
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), old, 0), 0);
    ASSERT_EQ(prefRead2(u"k"_s), u"aaaa"_s);

    const QByteArray replacement = plistToData(QVariantMap{{u"k"_s, u"bbbb"_s}}, PlistFormat::Binary);
    ASSERT_EQ(replacement.size(), readFile(storeFile()).size());
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.write(replacement) == replacement.size());
    file.close();
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), old, 0), 0);
    EXPECT_EQ(prefRead2(u"k"_s), u"bbbb"_s);
}

TEST(PrefStore, ASettledStoreStillSeesAReplacementByAnotherProcess)
{
    // Read two seconds after its last change, the store is known by its
    // status alone; another process's replacement is a new file all the same.
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    QThread::msleep(2100);
    ASSERT_EQ(prefRead2(u"k"_s), 1);
    ASSERT_TRUE(runToEnd(kHelper, {u"load"_s, writeValuesFile(u"values.plist"_s, {{u"k"_s, 2}})}));
    EXPECT_EQ(prefRead2(u"k"_s), 2);
}

TEST(PrefStore, AWriteClearsWhatKilledWritersLeft)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QString folder = configHome();
    auto leftovers = [&] {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression(u"^\\.org\\.reelkit\\.tests\\.plist\\."_s));
    };
    auto killedWriter = [&] {
        QProcess writer;
        writer.start(kHelper, {u"die-writing"_s});
        EXPECT_TRUE(writer.waitForFinished(60000));
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
    };
    auto age = [&](const QString &name, int seconds) {
        const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder + u'/' + name).constData(), times, 0), 0);
    };

    killedWriter();
    const QStringList old = leftovers();
    ASSERT_EQ(old.size(), 1) << "the killed writer left its file";
    age(old.first(), 120);
    killedWriter(); // still within the minute: it might be in the middle of a write
    QStringList fresh = leftovers();
    fresh.removeOne(old.first());
    ASSERT_EQ(fresh.size(), 1);
    // Old files that are not this store's temporary files stay.
    const QStringList others{u".org.reelkit.tests.plist.Ab3dE"_s, u".org.reelkit.tests.plist.Ab3dEf.bak"_s,
                             u".org.reelkit.other.plist.Ab3dEf"_s, u"org.reelkit.tests.plist.Ab3dEf"_s,
                             u".org.reelkit.tests.plist.Folder"_s};
    for (const QString &name : others) {
        if (name.endsWith(u"Folder"_s))
            QDir().mkdir(folder + u'/' + name);
        else
            writeFile(folder + u'/' + name, "x");
        age(name, 3600);
    }
    // The half-written files leave the store readable and writable.
    EXPECT_EQ(prefRead2(u"k"_s), 1);
    ASSERT_TRUE(prefWrite(u"k"_s, 2));
    EXPECT_FALSE(QFileInfo::exists(folder + u'/' + old.first()));
    EXPECT_TRUE(QFileInfo::exists(folder + u'/' + fresh.first()));
    for (const QString &name : others)
        EXPECT_TRUE(QFileInfo::exists(folder + u'/' + name)) << name.toStdString();
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 2}}));
    EXPECT_FALSE(logContains(u"cannot"_s));
}

TEST(PrefStore, UnavailableStoreReadsNothingAndRefusesWrites)
{
    const QString dir = scratchDir();
    writeFile(dir + u"/file"_s, "x");
    QDir().mkpath(dir + u"/cfg/org.reelkit.tests.plist"_s);
    QDir().mkpath(dir + u"/locked/org.reelkit.tests.plist.lock"_s);
    const struct {
        const char *name;
        QString config;
        bool readFails;
    } cases[] = {
        {"the config home a file", dir + u"/file"_s, true},
        {"the store a folder", dir + u"/cfg"_s, true},
        {"the lock a folder", dir + u"/locked"_s, false},
    };
    forEachCase(cases, [](const auto &c) {
        ScopedEnv env("XDG_CONFIG_HOME", c.config);
        clearLog();
        EXPECT_EQ(prefRead(u"k"_s), u""_s);
        EXPECT_FALSE(prefRead2(u"k"_s).isValid());
        EXPECT_FALSE(prefReadDico(u"k"_s).has_value());
        EXPECT_EQ(logLines().filter(u":-( cannot read"_s).size(), c.readFails ? 1 : 0) << "logged once, not on every read";
        EXPECT_FALSE(prefWrite(u"k"_s, 1));
        EXPECT_FALSE(prefWriteDico(u"k"_s, QVariantMap{}));
        EXPECT_FALSE(prefWriteChildDico(u"k"_s, u"c"_s, 1));
        EXPECT_TRUE(prefDelete(u"k"_s));
        EXPECT_TRUE(prefDeleteChildDico(u"k"_s, u"c"_s));
        EXPECT_TRUE(logContains(u":-( cannot write"_s));
        EXPECT_FALSE(getDEBUGMOI());
    });
}

TEST(PrefStore, UnreadableOrReadOnlyFileIsNeverReplaced)
{
    ScopedOwnerRightsOnly bound; // root too
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(storeFile());
    const QByteArray path = QFile::encodeName(storeFile());
    ASSERT_EQ(::chmod(path.constData(), 0400), 0);
    EXPECT_EQ(prefRead2(u"k"_s), 1);
    EXPECT_FALSE(prefWrite(u"k"_s, 2));
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    EXPECT_FALSE(prefRead2(u"k"_s).isValid());
    EXPECT_FALSE(prefWrite(u"k"_s, 2));
    ::chmod(path.constData(), 0600);
    EXPECT_EQ(readFile(storeFile()), before);
}

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
    // A root that is no dictionary is no store either. Every other file is
    // first met by a write rather than a read.
    const QStringList paths = writeHostileFiles()
                              << writeFile(scratchDir() + u"/array-root.plist"_s,
                                           plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    const QString store = preferencesFilePath();
    const QString config = QFileInfo(store).path();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        QDir(config).removeRecursively();
        QDir().mkpath(config);
        ASSERT_TRUE(QFile::copy(paths[i], store));
        clearLog();
        if (i % 2) {
            EXPECT_FALSE(prefRead2(u"k"_s).isValid());
            EXPECT_FALSE(QFileInfo::exists(store));
        }
        EXPECT_TRUE(prefWrite(u"new"_s, 1));
        const QStringList aside = QDir(config).entryList({u"org.reelkit.tests.plist.corrupt-*"_s});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(QFileInfo(config + u'/' + aside.first()).size(), QFileInfo(paths[i]).size());
        EXPECT_TRUE(logContains(u"set aside as '"_s + config + u'/' + aside.first() + u"', starting empty"_s));
        EXPECT_EQ(readPreferences(), (QVariantMap{{u"new"_s, 1}}));
    }
}
