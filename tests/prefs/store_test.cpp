// The store file itself: types, other processes, damage and failures.
#include "logcapture.h"
#include "plistvalues.h"
#include "prefstest.h"
#include "privileges.h"
#include "sandbox.h"
#include "scoped.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QTimeZone>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Every kind of value the store keeps, each of the type it must come back as.
const QVariantMap &everyType()
{
    static const QVariantMap values = plistCaseValues();
    return values;
}

void expectEveryType(const std::function<QVariant(const QString &)> &read)
{
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(sameValue(read(c.key), c.value)) << c.key.toStdString() << ": " << testing::PrintToString(read(c.key));
}

QString writeValuesFile(const QString &name, const QVariantMap &values)
{
    return writeFile(scratchDir() + u'/' + name, plistToData(values, PlistFormat::Binary));
}

} // namespace

TEST(PrefStore, FileLivesInTheConfigHome)
{
    EXPECT_EQ(preferencesFilePath(), storeFile());
    for (const QString &unusable : {QString(), u"relative/config"_s}) {
        ScopedEnv env("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(preferencesFilePath(), homePath() + u"/.config/org.reelkit.tests.plist"_s);
    }
    const QString other = scratchDir() + u"/cfg"_s;
    ScopedEnv set("XDG_CONFIG_HOME", other);
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    EXPECT_TRUE(QFileInfo(other + u"/org.reelkit.tests.plist"_s).isFile());
    EXPECT_TRUE(QFileInfo(other + u"/org.reelkit.tests.plist.lock"_s).isFile());
}

TEST(PrefStore, EveryTypeRoundTripsThroughTheFile)
{
    for (auto it = everyType().cbegin(); it != everyType().cend(); ++it)
        ASSERT_TRUE(prefWrite(it.key(), *it)) << it.key().toStdString();
    expectEveryType(prefRead2);
    const QByteArray bytes = readFile(storeFile());
    EXPECT_TRUE(bytes.startsWith("bplist00"));

    // A new process reading the store finds the same values.
    const auto dumped = runToEnd(kHelper, QStringList{u"dump"_s} + everyType().keys());
    ASSERT_TRUE(dumped.has_value());
    const QVariantMap other = plistFromData(*dumped).value_or(QVariant()).toMap();
    expectEveryType([&other](const QString &key) { return other.value(key); });

    if (!havePlistutil())
        GTEST_SKIP() << "plistutil not installed";
    const auto xml = runToEnd(u"plistutil"_s, {u"-i"_s, storeFile(), u"-f"_s, u"xml"_s, u"-o"_s, u"-"_s});
    ASSERT_TRUE(xml.has_value());
    for (const PlistCase &c : plistCases()) {
        if (!c.plistutil.isEmpty())
            EXPECT_TRUE(xml->contains(c.plistutil)) << c.plistutil.constData() << "\n" << xml->constData();
    }
}

TEST(PrefStore, SinglePrecisionReadsBackAsWritten)
{
    ASSERT_TRUE(prefWrite(u"rate"_s, 29.97f));
    EXPECT_EQ(prefRead(u"rate"_s), u"29.97"_s);
    EXPECT_EQ(prefRead2(u"rate"_s).typeId(), QMetaType::Float);
}

TEST(PrefStore, WhatTheFileCannotHoldIsRefused)
{
    // A key no reader would take back; an unpaired surrogate is no text.
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(storeFile());
    EXPECT_FALSE(prefWrite(QStringView(u"a\0b", 3).toString(), 1));
    EXPECT_FALSE(prefWrite(u"k"_s, QString(QChar(0xD800))));
    EXPECT_FALSE(prefWriteChildDico(u"d"_s, QStringView(u"\0", 1).toString(), 1));
    EXPECT_EQ(readFile(storeFile()), before);
    EXPECT_EQ(logLines().filter(u"preferences         :-( cannot write '"_s).size(), 3);
}

TEST(PrefStore, ValuesWrittenByAnotherProcessAreSeen)
{
    // Read (and so remember) the store first, then change it from outside.
    ASSERT_TRUE(prefWrite(u"int"_s, 1));
    ASSERT_EQ(prefRead2(u"int"_s), 1);
    ASSERT_TRUE(runToEnd(kHelper, {u"load"_s, writeValuesFile(u"values.plist"_s, everyType())}));
    expectEveryType(prefRead2);
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

TEST(PrefStore, LeftoverTemporaryFileLeavesTheStoreReadable)
{
    // What a crash between writing the temporary file and renaming it leaves.
    ASSERT_TRUE(prefWrite(u"kept"_s, 7));
    const QByteArray whole = plistToData(QVariantMap{{u"kept"_s, 8}, {u"x"_s, 1}}, PlistFormat::Binary);
    writeFile(configHome() + u"/.org.reelkit.tests.plist.Ab3dEf"_s, whole.left(whole.size() / 2));

    EXPECT_EQ(prefRead2(u"kept"_s), 7);
    EXPECT_TRUE(prefWrite(u"more"_s, 9));
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"kept"_s, 7}, {u"more"_s, 9}}));
    EXPECT_FALSE(logContains(u"cannot"_s));
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
                             u".org.reelkit.other.plist.Ab3dEf"_s, u"org.reelkit.tests.plist.Ab3dEf"_s};
    for (const QString &name : others) {
        writeFile(folder + u'/' + name, "x");
        age(name, 3600);
    }
    QDir().mkdir(folder + u"/.org.reelkit.tests.plist.Folder"_s);
    age(u".org.reelkit.tests.plist.Folder"_s, 3600);

    ASSERT_TRUE(prefWrite(u"k"_s, 2));
    EXPECT_FALSE(QFileInfo::exists(folder + u'/' + old.first()));
    EXPECT_TRUE(QFileInfo::exists(folder + u'/' + fresh.first()));
    for (const QString &name : others + QStringList{u".org.reelkit.tests.plist.Folder"_s})
        EXPECT_TRUE(QFileInfo::exists(folder + u'/' + name)) << name.toStdString();
    EXPECT_EQ(prefRead2(u"k"_s), 2);
}

TEST(PrefStore, FailedWriteLeavesTheFileAsItWas)
{
    ASSERT_TRUE(prefWrite(u"k"_s, 1));
    const QByteArray before = readFile(storeFile());
    EXPECT_FALSE(prefWrite(u"k"_s, QVariant::fromValue(QPoint(1, 2))));
    EXPECT_FALSE(prefWrite(u"j"_s, QVariantList{1, QVariant::fromValue(QPoint(1, 2))}));
    EXPECT_EQ(readFile(storeFile()), before);
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 1}}));
    EXPECT_TRUE(logContains(u"preferences         :-( cannot write '"_s + storeFile()));
}

TEST(PrefStore, DamagedFileIsSetAsideAndTheStoreStartsEmpty)
{
    const QByteArray binary = plistToData(QVariantMap{{u"k"_s, u"a long value"_s}}, PlistFormat::Binary);
    const struct {
        const char *name;
        QByteArray bytes;
        bool foundByWrite;
    } cases[] = {
        {"text", "this is not a property list", false},
        {"truncated", binary.left(binary.size() - 10), false},
        {"array root", plistToData(QVariantList{1, 2}, PlistFormat::Xml), false},
        {"empty", "", false},
        {"found by a write", "garbage", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(configHome()).removeRecursively();
        writeFile(storeFile(), c.bytes);
        clearLog();
        if (!c.foundByWrite) {
            EXPECT_FALSE(prefRead2(u"k"_s).isValid());
            EXPECT_FALSE(QFileInfo::exists(storeFile()));
        }
        EXPECT_TRUE(prefWrite(u"new"_s, 1));
        const QStringList aside = QDir(configHome()).entryList({u"org.reelkit.tests.plist.corrupt-*"_s});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readFile(configHome() + u'/' + aside.first()), c.bytes);
        EXPECT_TRUE(logContains(u"set aside as '"_s + configHome() + u'/' + aside.first()));
        EXPECT_EQ(readPreferences(), (QVariantMap{{u"new"_s, 1}}));
    }
}

TEST(PrefStore, UnavailableStoreReadsNothingAndRefusesWrites)
{
    const QString dir = scratchDir();
    writeFile(dir + u"/file"_s, "x");
    QDir().mkpath(dir + u"/cfg/org.reelkit.tests.plist"_s);
    // The config home a file; the store a folder.
    for (const QString &config : {dir + u"/file"_s, dir + u"/cfg"_s}) {
        SCOPED_TRACE(config.toStdString());
        ScopedEnv env("XDG_CONFIG_HOME", config);
        clearLog();
        EXPECT_EQ(prefRead(u"k"_s), u""_s);
        EXPECT_FALSE(prefRead2(u"k"_s).isValid());
        EXPECT_FALSE(prefReadDico(u"k"_s).has_value());
        EXPECT_EQ(logLines().filter(u":-( cannot read"_s).size(), 1) << "logged once, not on every read";
        EXPECT_FALSE(prefWrite(u"k"_s, 1));
        EXPECT_FALSE(prefWriteDico(u"k"_s, QVariantMap{}));
        EXPECT_FALSE(prefWriteChildDico(u"k"_s, u"c"_s, 1));
        EXPECT_TRUE(prefDelete(u"k"_s));
        EXPECT_TRUE(prefDeleteChildDico(u"k"_s, u"c"_s));
        EXPECT_TRUE(logContains(u":-( cannot write"_s));
        EXPECT_FALSE(getDEBUGMOI());
    }
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
