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

// Another process stores each of values, one by one.
bool loadInAnotherProcess(const QVariantMap &values)
{
    const QString file = writeFile(scratchDir() + u"/load.plist"_s, plistToData(values, PlistFormat::Binary));
    return runToEnd(kHelper, {u"load"_s, file}).has_value();
}

void setMtime(const QString &path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

} // namespace

TEST(PrefStore, FileLivesInTheConfigHome)
{
    for (const QString &unusable : {QString(), u"relative/config"_s}) {
        ScopedEnv env("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(preferencesFilePath(), homePath() + u"/.config/org.reelkit.tests.plist"_s);
    }
    ScopedEnv set("XDG_CONFIG_HOME", scratchDir() + u"/cfg"_s);
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    EXPECT_EQ(QDir(scratchDir() + u"/cfg"_s).entryList(QDir::Files), (QStringList{u"org.reelkit.tests.plist"_s, u"org.reelkit.tests.plist.lock"_s}));
}

TEST(PrefStore, EveryKindComesBackAsWrittenFromOneProcessToAnother)
{
    // This process reads the store first, so that what it keeps must give way.
    ASSERT_TRUE(prefWrite(u"int"_s, 1) && prefRead2(u"int"_s) == 1);
    ASSERT_TRUE(loadInAnotherProcess(plistCaseValues()));
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(sameValue(prefRead2(c.key), c.value)) << c.key.toStdString();

    ASSERT_TRUE(QFile::remove(preferencesFilePath()));
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(prefWrite(c.key, c.value)) << c.key.toStdString();
    const auto dumped = runToEnd(kHelper, QStringList{u"dump"_s} + plistCaseValues().keys());
    const QVariantMap back = plistFromData(dumped.value_or("")).value_or(QVariant()).toMap();
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(sameValue(back.value(c.key), c.value)) << c.key.toStdString();
}

TEST(PrefStore, FailedWriteLeavesTheFileAsItWas)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(preferencesFilePath());
    const QVariant point = QVariant::fromValue(QPoint(1, 2));
    const struct {
        const char *name;
        std::function<bool()> write;
    } refused[] = {
        {"key holding U+0000", [] { return prefWrite(QStringView(u"a\0b", 3).toString(), 1); }},
        {"unpaired surrogate", [] { return prefWrite(u"k"_s, QString(QChar(0xD800))); }},
        {"child key holding U+0000", [] { return prefWriteChildDico(u"d"_s, QStringView(u"\0", 1).toString(), 1); }},
        {"not a property-list type, deep inside", [&] { return prefWrite(u"j"_s, QVariantList{1, point}); }},
    };
    forEachCase(refused, [&](const auto &c) {
        EXPECT_FALSE(c.write());
        EXPECT_EQ(readFile(preferencesFilePath()), before);
        EXPECT_EQ(takeLog().filter(u"preferences         :-( cannot write '"_s + preferencesFilePath() + u"': "_s).size(), 1);
    });
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 1}}));
}

TEST(PrefStore, ConcurrentWritersLoseNoKey)
{
    ASSERT_TRUE(prefWrite(u"before"_s, true));
    QVariantMap expected{{u"before"_s, true}};
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
        QVariantMap mine;
        for (int i = 0; i < 40; ++i)
            mine.insert(QChar(u'a' + w) + QString::number(i), i);
        expected.insert(mine);
        writers[w].start(kHelper, {u"load"_s, writeFile(scratchDir() + QString::number(w), plistToData(mine, PlistFormat::Binary))});
    }
    for (int i = 0; i < 40; ++i) {
        EXPECT_TRUE(prefWrite(u"c"_s + QString::number(i), i));
        expected.insert(u"c"_s + QString::number(i), i);
    }
    for (QProcess &writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    EXPECT_EQ(readPreferences(), expected);
}

TEST(PrefStore, ChangesAreSeenWhateverTheTimestampSays)
{
    // A writer that rewrites the file in place and puts the old time back
    // keeps inode, size and mtime: the read must still see the change.
    ASSERT_TRUE(prefWrite(u"k"_s, u"aaaa"_s));
    setMtime(preferencesFilePath(), 1000000000);
    ASSERT_EQ(prefRead2(u"k"_s), u"aaaa"_s);
    const QByteArray replacement = plistToData(QVariantMap{{u"k"_s, u"bbbb"_s}}, PlistFormat::Binary);
    QFile file(preferencesFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.size() == replacement.size());
    ASSERT_EQ(file.write(replacement), replacement.size());
    file.close();
    setMtime(preferencesFilePath(), 1000000000);
    EXPECT_EQ(prefRead2(u"k"_s), u"bbbb"_s);

    // Read two seconds after its last change, the store is known by its
    // status alone; another process's replacement is a new file all the same.
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    QThread::msleep(2100);
    ASSERT_EQ(prefRead2(u"k"_s), 1);
    ASSERT_TRUE(loadInAnotherProcess({{u"k"_s, 2}}));
    EXPECT_EQ(prefRead2(u"k"_s), 2);
}

TEST(PrefStore, AWriteClearsWhatKilledWritersLeft)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QString folder = QFileInfo(preferencesFilePath()).path() + u'/';
    const auto killedWriter = [&] {
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QProcess writer;
        writer.start(kHelper, {u"die-writing"_s});
        EXPECT_TRUE(writer.waitForFinished(60000) && writer.exitStatus() == QProcess::CrashExit);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : before)
            left.removeOne(name);
        EXPECT_EQ(left.size(), 1) << "the killed writer left its file";
        return left.value(0);
    };
    const QString old = killedWriter();
    ASSERT_TRUE(old.startsWith(u".org.reelkit.tests.plist."_s)) << old.toStdString();
    setMtime(folder + old, ::time(nullptr) - 120);
    const QString fresh = killedWriter(); // within the minute: it might be in the middle of a write
    // Old files that are not this store's temporary files stay.
    const QStringList others{u".org.reelkit.tests.plist.Ab3dE"_s, u".org.reelkit.tests.plist.Ab3dEf.bak"_s,
                             u".org.reelkit.other.plist.Ab3dEf"_s, u"org.reelkit.tests.plist.Ab3dEf"_s,
                             u".org.reelkit.tests.plist.Folder"_s};
    for (const QString &name : others) {
        if (name.endsWith(u"Folder"_s))
            QDir().mkdir(folder + name);
        else
            writeFile(folder + name, "x");
        setMtime(folder + name, ::time(nullptr) - 3600);
    }
    // The half-written files leave the store readable and writable.
    EXPECT_EQ(prefRead2(u"k"_s), 1);
    ASSERT_TRUE(prefWrite(u"k"_s, 2));
    EXPECT_FALSE(QFileInfo::exists(folder + old));
    for (const QString &name : others + QStringList{fresh})
        EXPECT_TRUE(QFileInfo::exists(folder + name)) << name.toStdString();
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 2}}));
    EXPECT_FALSE(logContains(u"cannot"_s));
}

TEST(PrefStore, UnavailableStoreReadsNothingAndRefusesWrites)
{
    const QString dir = scratchDir();
    writeFile(dir + u"/file"_s, "x");
    QDir().mkpath(dir + u"/cfg/org.reelkit.tests.plist"_s);
    QDir().mkpath(dir + u"/locked/org.reelkit.tests.plist.lock"_s);
    const std::tuple<const char *, QString, bool> cases[] = {
        // what stands in the way, the config home, a read logs
        {"the config home a file", dir + u"/file"_s, true},
        {"the store a folder", dir + u"/cfg"_s, true},
        {"the lock a folder", dir + u"/locked"_s, false},
    };
    for (const auto &[name, config, readFails] : cases) {
        SCOPED_TRACE(name);
        ScopedEnv env("XDG_CONFIG_HOME", config);
        clearLog();
        EXPECT_FALSE(prefRead2(u"k"_s).isValid());
        EXPECT_FALSE(prefReadDico(u"k"_s).has_value());
        EXPECT_EQ(logLines().filter(u":-( cannot read"_s).size(), readFails ? 1 : 0) << "logged once, not on every read";
        EXPECT_FALSE(prefWrite(u"k"_s, 1));
        EXPECT_FALSE(prefWriteChildDico(u"k"_s, u"c"_s, 1));
        EXPECT_TRUE(prefDeleteChildDico(u"k"_s, u"c"_s));
        EXPECT_TRUE(logContains(u":-( cannot write"_s));
        EXPECT_FALSE(getDEBUGMOI());
    }
}

TEST(PrefStore, UnreadableOrReadOnlyFileIsNeverReplaced)
{
    ScopedOwnerRightsOnly bound; // root too
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(preferencesFilePath());
    const QByteArray path = QFile::encodeName(preferencesFilePath());
    ASSERT_EQ(::chmod(path.constData(), 0400), 0);
    EXPECT_EQ(prefRead2(u"k"_s), 1);
    EXPECT_FALSE(prefWrite(u"k"_s, 2));
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    EXPECT_FALSE(prefRead2(u"k"_s).isValid());
    EXPECT_FALSE(prefWrite(u"k"_s, 2));
    ::chmod(path.constData(), 0600);
    EXPECT_EQ(readFile(preferencesFilePath()), before);
}

// Hostile files (and one larger than the limit, sparse: nothing is written
// but its header) are refused with a log line in bounded time and memory;
// as the preference store they are set aside and the store starts empty.
TEST(HostilePlists, RefusedWithALogLineAndSetAsideAsTheStore)
{
    QStringList paths;
    for (const HostilePlist &h : hostilePlists()) {
        const QString name = QString::fromLatin1(h.name) + u".plist"_s;
        paths << writeFile(scratchDir() + u'/' + name, h.bytes);
        saveFuzzSeed(h.bytes.startsWith("bplist") ? "binary" : "xml", name, h.bytes);
    }
    QFile large(scratchDir() + u"/larger-than-the-limit.plist"_s);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.write("bplist00") == 8 && large.resize(kPlistMaxBytes + 1));
    paths << large.fileName();

    // Another process, so that a reader that runs away is held to its
    // limits: 1 GiB of address space (without AddressSanitizer) or of
    // resident memory (with it), and a minute.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":hard_rss_limit_mb=1024"_s);
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(kHelper, QStringList{u"read"_s} + paths);
    ASSERT_TRUE(helper.waitForFinished(60000)) << "a reader hangs";
    const QString out = QString::fromLocal8Bit(helper.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(helper.readAllStandardError());
    ASSERT_TRUE(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0) << err.right(2000).toStdString();

    // A root that is no dictionary is no store either. Every other file is
    // first met by a write rather than a read.
    paths << writeFile(scratchDir() + u"/array-root.plist"_s, plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    const QString store = preferencesFilePath();
    const QString config = QFileInfo(store).path();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        if (i + 1 < paths.size()) {
            EXPECT_TRUE(out.contains(u"refused "_s + paths[i] + u'\n'));
            EXPECT_TRUE(err.contains(u"readPlist           :-( refused '"_s + paths[i] + u"': "_s));
        }
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

TEST(HostilePlists, EveryTruncationIsRefused)
{
    const QVariantMap value{{u"name"_s, u"caf\u00e9"_s}, {u"count"_s, 25}, {u"list"_s, QVariantList{1.5, true}}};
    const QString path = scratchDir() + u"/cut.plist"_s;
    for (const PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
        const QByteArray whole = plistToData(value, format);
        ASSERT_FALSE(whole.isEmpty());
        saveFuzzSeed(format == PlistFormat::Binary ? "binary" : "xml", u"small.plist"_s, whole);
        // XML may lose what follows its last element.
        const qsizetype end = format == PlistFormat::Binary ? whole.size() : whole.lastIndexOf('>') + 1;
        for (qsizetype n = 0; n < end; ++n) {
            writeFile(path, whole.left(n));
            EXPECT_FALSE(readPlist(path).has_value()) << n;
            EXPECT_EQ(takeLog().filter(u"readPlist           :-( refused '"_s + path).size(), 1) << n;
        }
    }
}
