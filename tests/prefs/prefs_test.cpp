// The preference store and plist files: single values, child dictionaries,
// the developer switch, other processes, damage, hostile files and failures.
#include "fuzzseeds.h"
#include "logcapture.h"
#include "plists.h"
#include "privileges.h"
#include "sandbox.h"
#include "scoped.h"
#include "toolscript.h"

#include <reel/core/debug.h>
#include <reel/plist/codec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>
#include <QThread>
#include <QTimeZone>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kHelper = QStringLiteral(PREFS_HELPER);
const QString kVideo = u"video"_s, kWidth = u"width"_s, kHeight = u"height"_s;

// Another process stores each of values, one by one.
bool loadInAnotherProcess(const QVariantMap &values)
{
    const QString file = writeFile(scratchDir() + u"/load.plist"_s, plistToData(values, PlistFormat::Binary));
    return runProgram(kHelper, {u"load"_s, file}).status == 0;
}

void setMtime(const QString &path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// Written by hand, as another program would.
const char kXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
	<key>name</key><string>caf&#233; &amp; cr&#xE8;me</string>
	<key>count</key><integer>-12</integer>
	<key>when</key><date>2008-01-02T10:11:12Z</date>
	<key>list</key><array><data>AAH/</data><dict/></array>
</dict></plist>
)";

const QVariantMap kContents{
    {u"name"_s, u"café & crème"_s},
    {u"count"_s, -12},
    {u"when"_s, QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12), QTimeZone::utc())},
    {u"list"_s, QVariantList{QByteArray("\x00\x01\xff", 3), QVariantMap{}}},
};

} // namespace

TEST(Preferences, NothingStoredNullArgumentsAndValuesAsText)
{
    EXPECT_TRUE(prefRead(u"absent"_s).isEmpty());
    EXPECT_FALSE(prefRead(u"absent"_s).isNull());
    EXPECT_FALSE(prefRead2(u"absent"_s).isValid());
    EXPECT_FALSE(prefWrite(QString(), 1));
    EXPECT_TRUE(prefDelete(QString()));
    EXPECT_FALSE(prefWriteChildDico(QString(), kWidth, 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, QString(), 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, QVariant()));
    EXPECT_FALSE(prefWriteDico(kVideo, std::nullopt));
    EXPECT_FALSE(prefWriteDico(QString(), QVariantMap{}));
    EXPECT_TRUE(prefDeleteChildDico(QString(), kWidth));
    EXPECT_FALSE(QFileInfo::exists(preferencesFilePath())) << "nothing above touches the disk";

    // An empty key is a key like any other; a null one is none.
    ASSERT_TRUE(prefWrite(u"k"_s, QVariantList{1, u"two"_s}));
    EXPECT_EQ(prefRead(u"k"_s), u"(\n    1,\n    two\n)"_s);
    EXPECT_FALSE(prefWrite(u"k"_s, QVariant()));
    EXPECT_TRUE(prefWriteChildDico(u""_s, u""_s, 3));
    EXPECT_EQ(prefReadChildDico(u""_s, u""_s), 3);
    EXPECT_FALSE(prefRead2(QString()).isValid());
    EXPECT_FALSE(prefReadDico(QString()).has_value());
    EXPECT_FALSE(prefReadChildDico(QString(), u""_s).isValid());
    EXPECT_FALSE(prefReadChildDico(u""_s, QString()).isValid());
}

TEST(Preferences, DeleteRemovesOnlyTheKeyAndReportsUnappliedChanges)
{
    ASSERT_TRUE(prefWrite(u"a"_s, 1));
    ASSERT_TRUE(prefWrite(u"b"_s, 2));
    EXPECT_TRUE(prefDelete(u"a"_s));
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"b"_s, 2}}));
    bool unapplied = true;
    const UnappliedChangesHook previous = setUnappliedChangesHook([&] { return unapplied; });
    EXPECT_TRUE(prefDelete(u"b"_s));
    EXPECT_TRUE(prefDelete(u"absent"_s));
    EXPECT_EQ(takeLog(), (QStringList{u"hasUnappliedChanges :-("_s, u"hasUnappliedChanges :-("_s}));
    unapplied = false;
    EXPECT_TRUE(prefDelete(u"c"_s));
    EXPECT_TRUE(logLines().isEmpty());
    setUnappliedChangesHook(previous);
}

TEST(ChildDicts, ChildrenGatherUnderTheParentAndLeaveOneByOne)
{
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    EXPECT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    // Replacing a child keeps the others.
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 704));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 704}, {kHeight, 576}}));
    EXPECT_EQ(prefReadChildDico(kVideo, kWidth), 704);

    // Deleting what is not there leaves the file alone.
    const QByteArray before = readFile(preferencesFilePath());
    EXPECT_TRUE(prefDeleteChildDico(kVideo, u"depth"_s));
    EXPECT_TRUE(prefDeleteChildDico(u"audio"_s, kWidth));
    EXPECT_EQ(readFile(preferencesFilePath()), before);
    EXPECT_TRUE(prefDeleteChildDico(kVideo, kWidth));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kHeight, 576}}));
    // The last child gone, an empty dictionary stays.
    EXPECT_TRUE(prefDeleteChildDico(kVideo, kHeight));
    EXPECT_EQ(prefReadDico(kVideo), QVariantMap{});

    // A whole dictionary replaces the old one.
    setDEBUG(1);
    EXPECT_TRUE(prefWriteDico(kVideo, QVariantMap{{kWidth, 720}}));
    EXPECT_TRUE(logHas(u"prefWriteDico       - old n'existe plus :-)"_s));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 720}}));
}

TEST(ChildDicts, ParentHoldingSomethingElseIsKept)
{
    for (const QVariant &other : {QVariant(u"720x576"_s), QVariant(QVariantList{kWidth})}) {
        ASSERT_TRUE(prefWrite(kVideo, other));
        clearLog();
        EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, 720));
        EXPECT_TRUE(prefDeleteChildDico(kVideo, kWidth));
        EXPECT_EQ(prefRead2(kVideo), other);
        EXPECT_EQ(logLines().filter(u"prefWriteChildDico  :-( key=video holds no dictionary"_s).size(), 1);
        EXPECT_EQ(logLines().filter(u"prefDeleteChildDico :-( key=video holds no dictionary"_s).size(), 1);
        EXPECT_FALSE(prefReadChildDico(kVideo, kWidth).isValid());
        EXPECT_FALSE(prefReadDico(kVideo).has_value());
    }
}

TEST(DevSwitch, AnswersFromTheIdPreferenceReadOnEveryCall)
{
    const QString marker = u"reelkit-videoworkshop.org"_s;
    setDEBUG(1);
    EXPECT_FALSE(getDEBUGMOI());
    EXPECT_TRUE(logLines().isEmpty()) << "without an id nothing more is read";
    const std::pair<QVariant, bool> cases[] = {{u"user "_s + marker + u" at home"_s, true}, {marker.toUpper(), false},
                                               {marker.toUtf8(), false}, {marker, true}};
    for (const auto &[id, on] : cases) {
        EXPECT_TRUE(prefWrite(u"id"_s, id)) << id.toString().toStdString();
        EXPECT_EQ(getDEBUGMOI(), on) << id.toString().toStdString();
    }
    // The last value was the marker: deleting it turns the switch off at once.
    ASSERT_TRUE(prefDelete(u"id"_s));
    EXPECT_FALSE(getDEBUGMOI());
}

TEST(PlistFiles, ReadsWhatOtherProgramsWrite)
{
    const QString xml = writeFile(homePath() + u"/a.plist"_s, kXml);
    EXPECT_EQ(readPlist(u"~/a.plist"_s), kContents);
    if (QStandardPaths::findExecutable(u"plistutil"_s).isEmpty())
        GTEST_SKIP() << "plistutil not installed";
    const QString binary = scratchDir() + u"/b.plist"_s;
    ASSERT_EQ(runProgram(u"plistutil"_s, {u"-i"_s, xml, u"-o"_s, binary}).status, 0);
    ASSERT_TRUE(readFile(binary).startsWith("bplist00"));
    EXPECT_EQ(readPlist(binary), kContents);
}

TEST(PlistFiles, ReadGivesNothing)
{
    // Quietly for what is no file or no dictionary; with a line for contents
    // the reader refuses.
    const QString dir = scratchDir();
    writeFile(dir + u"/list.plist"_s, plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + u"/fifo.plist"_s).constData(), 0600), 0); // must not block
    for (const QString &path : {dir + u"/missing.plist"_s, dir + u"/list.plist"_s, dir + u"/fifo.plist"_s, QString(), dir})
        EXPECT_FALSE(readPlist(path).has_value()) << path.toStdString();
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(PlistFiles, CreateWritesBinaryOrFailsWithTheReason)
{
    const QString dir = scratchDir();
    const QString path = dir + u"/out.plist"_s;
    EXPECT_TRUE(createNewPlist(path, kContents));
    EXPECT_EQ(takeLog(), QStringList{u"write plist :-) "_s + path}) << "no reason given for a good write";
    EXPECT_TRUE(readFile(path).startsWith("bplist00"));
    EXPECT_EQ(readPlist(path), kContents);
    // Any property-list value may be the root; colons are taken out of the path.
    EXPECT_TRUE(createNewPlist(u"~/:x:.plist"_s, QVariantList{u"x"_s}));
    EXPECT_EQ(plistFromData(readFile(homePath() + u"/x.plist"_s)), QVariant(QVariantList{u"x"_s}));
    EXPECT_EQ(takeLog(), QStringList{u"write plist :-) "_s + homePath() + u"/x.plist"_s});

    EXPECT_FALSE(createNewPlist(QString(), QVariantMap{}));
    EXPECT_FALSE(createNewPlist(path, QVariant()));
    EXPECT_TRUE(logLines().isEmpty());
    // A value that is not a property-list type, deep inside: nothing is written.
    EXPECT_FALSE(createNewPlist(dir + u"/other.plist"_s, QVariantMap{{u"size"_s, QVariant::fromValue(QSize(1, 1))}}));
    EXPECT_FALSE(QFileInfo::exists(dir + u"/other.plist"_s));
    clearLog();

    // A failed write is a failure, even where something already stands.
    QDir().mkpath(dir + u"/folder.plist"_s);
    for (const QString &target : {dir + u"/no/such/folder/x.plist"_s, dir + u"/folder.plist"_s}) {
        EXPECT_FALSE(createNewPlist(target, QVariantMap{}));
        const QStringList failed = takeLog();
        EXPECT_EQ(failed.value(0), u"write plist :-( "_s + target);
        ASSERT_EQ(failed.size(), 2) << failed.join(u'|').toStdString();
        EXPECT_TRUE(failed.at(1).startsWith(u"write plist         : "_s)) << failed.join(u'|').toStdString();
        EXPECT_GT(failed.at(1).size(), 22) << failed.join(u'|').toStdString();
    }
    EXPECT_TRUE(QFileInfo(dir + u"/folder.plist"_s).isDir());
}

TEST(PrefStore, FileLivesInTheConfigHome)
{
    for (const QString &unusable : {QString(), u"relative/config"_s}) {
        ScopedEnv env("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(preferencesFilePath(), homePath() + u"/.config/org.reelkit.tests.plist"_s);
    }
    ScopedEnv set("XDG_CONFIG_HOME", scratchDir() + u"/cfg"_s);
    EXPECT_EQ(preferencesFilePath(), scratchDir() + u"/cfg/org.reelkit.tests.plist"_s);
}

TEST(PrefStore, EveryKindComesBackAsWrittenByAnotherProcess)
{
    // This process reads the store first, so that what it keeps must give way.
    ASSERT_TRUE(prefWrite(u"int"_s, 1));
    ASSERT_EQ(prefRead2(u"int"_s), 1);
    ASSERT_TRUE(loadInAnotherProcess(plistCaseValues()));
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(sameValue(prefRead2(c.key), c.value)) << c.key.toStdString();
}

TEST(PrefStore, FailedWriteLeavesTheFileAsItWas)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(preferencesFilePath());
    EXPECT_FALSE(prefWrite(QStringView(u"a\0b", 3).toString(), 1));               // key holding U+0000
    EXPECT_FALSE(prefWriteChildDico(u"d"_s, QStringView(u"\0", 1).toString(), 1)); // child key holding U+0000
    EXPECT_EQ(readFile(preferencesFilePath()), before);
    EXPECT_EQ(takeLog().filter(u"preferences         :-( cannot write '"_s + preferencesFilePath() + u"': "_s).size(), 2);
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 1}}));
}

TEST(PrefStore, ConcurrentWritersLoseNoKey)
{
    ASSERT_TRUE(prefWrite(u"before"_s, true));
    QVariantMap expected{{u"before"_s, true}}, keys[3];
    for (int w = 0; w < 3; ++w) {
        for (int i = 0; i < 40; ++i)
            keys[w].insert(QChar(u'a' + w) + QString::number(i), i);
        expected.insert(keys[w]);
    }
    QProcess writers[2];
    for (int w = 0; w < 2; ++w)
        writers[w].start(kHelper, {u"load"_s, writeFile(scratchDir() + QString::number(w), plistToData(keys[w], PlistFormat::Binary))});
    for (auto it = keys[2].cbegin(); it != keys[2].cend(); ++it)
        EXPECT_TRUE(prefWrite(it.key(), it.value()));
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
    ASSERT_EQ(QFileInfo(preferencesFilePath()).size(), replacement.size());
    writeFile(preferencesFilePath(), replacement); // in place: the same inode
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
        EXPECT_TRUE(writer.waitForFinished(60000));
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);
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
    // What stands in the way: the config home a file, the store a folder, the lock a folder (reads go on).
    for (const auto &[config, readFails] : {std::pair(u"/file"_s, true), {u"/cfg"_s, true}, {u"/locked"_s, false}}) {
        SCOPED_TRACE(config.toStdString());
        ScopedEnv env("XDG_CONFIG_HOME", dir + config);
        clearLog();
        EXPECT_FALSE(prefRead2(u"k"_s).isValid());
        EXPECT_FALSE(prefReadDico(u"k"_s).has_value());
        EXPECT_FALSE(getDEBUGMOI());
        EXPECT_EQ(logLines().filter(u":-( cannot read"_s).size(), readFails ? 1 : 0) << "logged once, not on every read";
        EXPECT_FALSE(prefWrite(u"k"_s, 1));
        EXPECT_FALSE(prefWriteChildDico(u"k"_s, u"c"_s, 1));
        EXPECT_TRUE(prefDelete(u"k"_s));
        EXPECT_TRUE(prefDeleteChildDico(u"k"_s, u"c"_s));
        EXPECT_TRUE(logContains(u":-( cannot write"_s));
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
        paths << writeFile(scratchDir() + u'/' + h.name, h.bytes);
        saveFuzzSeed(h.bytes.startsWith("bplist") ? "binary" : "xml", h.name, h.bytes);
    }
    paths << writeFile(scratchDir() + u"/larger-than-the-limit.plist"_s, "bplist00");
    ASSERT_TRUE(QFile::resize(paths.last(), kPlistMaxBytes + 1));

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
    ASSERT_EQ(helper.exitStatus(), QProcess::NormalExit) << err.right(2000).toStdString();
    ASSERT_EQ(helper.exitCode(), 0) << err.right(2000).toStdString();

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
        saveFuzzSeed(format == PlistFormat::Binary ? "binary" : "xml", u"small.plist"_s, whole);
        // XML may lose what follows its last element.
        const qsizetype end = format == PlistFormat::Binary ? whole.size() : whole.lastIndexOf('>') + 1;
        for (qsizetype n = 0; n < end; ++n) {
            writeFile(path, whole.left(n));
            EXPECT_FALSE(readPlist(path).has_value()) << n;
        }
    }
}
