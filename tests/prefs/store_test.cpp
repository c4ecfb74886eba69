#include "logcapture.h"
#include "prefstest.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QStandardPaths>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace reel;
using namespace reel::test;

namespace {

QString configHome()
{
    return homePath() + QStringLiteral("/.config");
}

QString storeFile()
{
    return configHome() + QStringLiteral("/org.reelkit.tests.plist");
}

// Every kind of value the store keeps, with the type it must come back as.
struct Typed {
    const char *key;
    QVariant value;
    QMetaType::Type type;
};

std::vector<Typed> everyType()
{
    return {
        {"string", QString::fromUtf8("caf\xc3\xa9 \xe2\x80\xa6 \xf0\x9f\x8e\xac"), QMetaType::QString},
        {"empty", QStringLiteral(""), QMetaType::QString},
        {"int", 25, QMetaType::Int},
        {"negative", -5, QMetaType::Int},
        {"int64", qint64(-1) << 40, QMetaType::LongLong},
        {"real", 1.5, QMetaType::Double},
        {"tenth", -0.1, QMetaType::Double},
        {"true", true, QMetaType::Bool},
        {"false", false, QMetaType::Bool},
        {"date", QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12, 123), QTimeZone::utc()), QMetaType::QDateTime},
        {"olddate", QDateTime(QDate(1900, 1, 2), QTime(10, 11, 12), QTimeZone::utc()), QMetaType::QDateTime},
        {"data", QByteArray("\x00\x01\xff", 3), QMetaType::QByteArray},
        {"list", QVariantList{1, QStringLiteral("two"), QVariantList{}, QVariantMap{}}, QMetaType::QVariantList},
        {"dict",
         QVariantMap{{QStringLiteral("width"), 720}, {QStringLiteral("nested"), QVariantMap{{QStringLiteral("a"), true}}}},
         QMetaType::QVariantMap},
    };
}

QVariantMap everyTypeMap()
{
    QVariantMap map;
    for (const Typed &t : everyType())
        map.insert(QString::fromLatin1(t.key), t.value);
    return map;
}

QVariantMap parsePlist(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return {};
    const auto root = plistFromData(*bytes);
    return root ? root->toMap() : QVariantMap{};
}

bool havePlistutil()
{
    return !QStandardPaths::findExecutable(QStringLiteral("plistutil")).isEmpty();
}

} // namespace

TEST(PrefStore, FileLivesInTheConfigHome)
{
    EXPECT_EQ(preferencesFilePath(), storeFile());
    {
        ScopedEnv unset("XDG_CONFIG_HOME", QString());
        EXPECT_EQ(preferencesFilePath(), homePath() + QStringLiteral("/.config/org.reelkit.tests.plist"));
    }
    {
        ScopedEnv relative("XDG_CONFIG_HOME", QStringLiteral("relative/config"));
        EXPECT_EQ(preferencesFilePath(), homePath() + QStringLiteral("/.config/org.reelkit.tests.plist"));
    }
    const QString other = scratchDir() + QStringLiteral("/cfg");
    ScopedEnv set("XDG_CONFIG_HOME", other);
    ASSERT_TRUE(prefWrite(QStringLiteral("k"), 1));
    EXPECT_TRUE(QFileInfo(other + QStringLiteral("/org.reelkit.tests.plist")).isFile());
    EXPECT_TRUE(QFileInfo(other + QStringLiteral("/org.reelkit.tests.plist.lock")).isFile());
}

TEST(PrefStore, EveryTypeRoundTripsThroughTheFile)
{
    QStringList keys;
    for (const Typed &t : everyType()) {
        const QString key = QString::fromLatin1(t.key);
        keys << key;
        ASSERT_TRUE(prefWrite(key, t.value)) << t.key;
        const QVariant back = prefRead2(key);
        EXPECT_EQ(back, t.value) << t.key;
        EXPECT_EQ(back.metaType().id(), int(t.type)) << t.key;
    }
    const QByteArray bytes = readFile(storeFile());
    EXPECT_TRUE(bytes.startsWith("bplist00"));
    const auto reloaded = plistFromData(bytes);
    ASSERT_TRUE(reloaded.has_value());
    EXPECT_EQ(reloaded->toMap(), everyTypeMap());

    // Another process reading the store finds the same values.
    EXPECT_EQ(parsePlist(runHelper(QStringList{QStringLiteral("dump")} + keys)), everyTypeMap());

    if (!havePlistutil())
        GTEST_SKIP() << "plistutil not installed";
    const auto xml = plistutilXml(storeFile());
    ASSERT_TRUE(xml.has_value());
    for (const char *element : {"<integer>25</integer>", "<integer>-5</integer>", "<integer>-1099511627776</integer>",
                                "<real>1.5</real>", "<true/>", "<false/>", "<date>2008-01-02T10:11:12Z</date>",
                                "<date>1900-01-02T10:11:12Z</date>", "<key>width</key>", "<string></string>"})
        EXPECT_TRUE(xml->contains(element)) << element << "\n" << xml->constData();
    EXPECT_TRUE(xml->contains(QString::fromUtf8("<string>caf\xc3\xa9 \xe2\x80\xa6 \xf0\x9f\x8e\xac</string>").toUtf8()));
}

TEST(PrefStore, ValuesWrittenByAnotherProcessAreSeen)
{
    // Read (and so remember) the store first, then change it from outside.
    ASSERT_TRUE(prefWrite(QStringLiteral("int"), 1));
    ASSERT_EQ(prefRead2(QStringLiteral("int")), 1);
    const QString source = scratchDir() + QStringLiteral("/values.plist");
    writeFile(source, plistToData(everyTypeMap(), PlistFormat::Binary));
    ASSERT_TRUE(runHelper({QStringLiteral("load"), source}).has_value());

    for (const Typed &t : everyType()) {
        const QVariant back = prefRead2(QString::fromLatin1(t.key));
        EXPECT_EQ(back, t.value) << t.key;
        EXPECT_EQ(back.metaType().id(), int(t.type)) << t.key;
    }
}

TEST(PrefStore, ConcurrentWritersLoseNoKey)
{
    ASSERT_TRUE(prefWrite(QStringLiteral("before"), true));
    constexpr int kEach = 40;
    QProcess first;
    QProcess second;
    startHelper(first, {QStringLiteral("write"), QStringLiteral("a"), QString::number(kEach)});
    startHelper(second, {QStringLiteral("write"), QStringLiteral("b"), QString::number(kEach)});
    for (int i = 0; i < kEach; ++i)
        EXPECT_TRUE(prefWrite(QStringLiteral("c") + QString::number(i), i));
    for (QProcess *p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const auto values = readPreferences();
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->size(), 3 * kEach + 1);
    for (const char *prefix : {"a", "b", "c"}) {
        for (int i = 0; i < kEach; ++i)
            EXPECT_EQ(values->value(QString::fromLatin1(prefix) + QString::number(i)), i) << prefix << i;
    }
    EXPECT_EQ(values->value(QStringLiteral("before")), true);
}

TEST(PrefStore, RewriteInPlaceWithTheOldTimestampIsSeen)
{
    // A writer that rewrites the file in place and puts the old time back
    // keeps inode, size and mtime: the read must still see the change.
    ASSERT_TRUE(prefWrite(QStringLiteral("k"), QStringLiteral("aaaa")));
    const QByteArray path = QFile::encodeName(storeFile());
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), old, 0), 0);
    ASSERT_EQ(prefRead2(QStringLiteral("k")), QStringLiteral("aaaa"));

    const QByteArray replacement = plistToData(QVariantMap{{QStringLiteral("k"), QStringLiteral("bbbb")}},
                                               PlistFormat::Binary);
    ASSERT_EQ(replacement.size(), readFile(storeFile()).size());
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(replacement), replacement.size());
    file.close();
    ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), old, 0), 0);
    EXPECT_EQ(prefRead2(QStringLiteral("k")), QStringLiteral("bbbb"));
}

TEST(PrefStore, LeftoverTemporaryFileLeavesTheStoreReadable)
{
    // What a crash between writing the temporary file and renaming it leaves.
    ASSERT_TRUE(prefWrite(QStringLiteral("kept"), 7));
    const QByteArray whole = plistToData(QVariantMap{{QStringLiteral("kept"), 8}, {QStringLiteral("x"), 1}},
                                         PlistFormat::Binary);
    const QString leftover = configHome() + QStringLiteral("/.org.reelkit.tests.plist.Ab3dEf");
    writeFile(leftover, whole.left(whole.size() / 2));

    EXPECT_EQ(prefRead2(QStringLiteral("kept")), 7);
    EXPECT_TRUE(prefWrite(QStringLiteral("more"), 9));
    EXPECT_EQ(prefRead2(QStringLiteral("kept")), 7);
    EXPECT_EQ(prefRead2(QStringLiteral("more")), 9);
    EXPECT_FALSE(logContains(QStringLiteral("cannot")));
}

TEST(PrefStore, FailedWriteLeavesTheFileAsItWas)
{
    ASSERT_TRUE(prefWrite(QStringLiteral("k"), 1));
    const QByteArray before = readFile(storeFile());
    clearLog();
    EXPECT_FALSE(prefWrite(QStringLiteral("k"), QVariant::fromValue(QPoint(1, 2))));
    EXPECT_FALSE(prefWrite(QStringLiteral("j"), QVariantList{1, QVariant::fromValue(QPoint(1, 2))}));
    EXPECT_EQ(readFile(storeFile()), before);
    EXPECT_EQ(prefRead2(QStringLiteral("k")), 1);
    EXPECT_FALSE(prefRead2(QStringLiteral("j")).isValid());
    EXPECT_TRUE(logContains(QStringLiteral("preferences         :-( cannot write '") + storeFile()));
}

TEST(PrefStore, DamagedFileIsSetAsideAndTheStoreStartsEmpty)
{
    const QByteArray binary = plistToData(QVariantMap{{QStringLiteral("k"), QStringLiteral("a long value")}},
                                          PlistFormat::Binary);
    const struct {
        const char *name;
        QByteArray bytes;
        bool viaWrite;
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
        if (c.viaWrite) {
            EXPECT_TRUE(prefWrite(QStringLiteral("new"), 1));
        } else {
            EXPECT_FALSE(prefRead2(QStringLiteral("k")).isValid());
            EXPECT_FALSE(QFileInfo::exists(storeFile()));
            EXPECT_TRUE(prefWrite(QStringLiteral("new"), 1));
        }
        const QStringList aside = QDir(configHome()).entryList({QStringLiteral("org.reelkit.tests.plist.corrupt-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readFile(configHome() + QLatin1Char('/') + aside.first()), c.bytes);
        EXPECT_TRUE(logContains(QStringLiteral("set aside as '") + configHome() + QLatin1Char('/') + aside.first()));
        EXPECT_EQ(readPreferences(), (QVariantMap{{QStringLiteral("new"), 1}}));
    }
}

TEST(PrefStore, UnavailableStoreReadsNothingAndRefusesWrites)
{
    const struct {
        const char *name;
        QString configHome;
        QString blocker; // made a file (or a folder) where the store needs the other
        bool blockerIsFolder;
    } cases[] = {
        {"config home is a file", scratchDir() + QStringLiteral("/file"), scratchDir() + QStringLiteral("/file"), false},
        {"store is a folder", scratchDir() + QStringLiteral("/cfg"),
         scratchDir() + QStringLiteral("/cfg/org.reelkit.tests.plist"), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.blockerIsFolder)
            QDir().mkpath(c.blocker);
        else
            writeFile(c.blocker, "x");
        ScopedEnv env("XDG_CONFIG_HOME", c.configHome);
        clearLog();
        EXPECT_EQ(prefRead(QStringLiteral("k")), QStringLiteral(""));
        EXPECT_FALSE(prefRead2(QStringLiteral("k")).isValid());
        EXPECT_FALSE(prefReadDico(QStringLiteral("k")).has_value());
        EXPECT_EQ(logLines().filter(QStringLiteral(":-( cannot read")).size(), 1) << logLines().join(u'\n').toStdString();
        EXPECT_FALSE(prefWrite(QStringLiteral("k"), 1));
        EXPECT_FALSE(prefWriteDico(QStringLiteral("k"), QVariantMap{}));
        EXPECT_FALSE(prefWriteChildDico(QStringLiteral("k"), QStringLiteral("c"), 1));
        EXPECT_TRUE(prefDelete(QStringLiteral("k")));
        EXPECT_TRUE(prefDeleteChildDico(QStringLiteral("k"), QStringLiteral("c")));
        EXPECT_TRUE(logContains(QStringLiteral(":-( cannot write")));
        EXPECT_FALSE(getDEBUGMOI());
    }
}

TEST(PrefStore, UnreadableOrReadOnlyFileIsNeverReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    ASSERT_TRUE(prefWrite(QStringLiteral("k"), 1));
    const QByteArray before = readFile(storeFile());
    const QByteArray path = QFile::encodeName(storeFile());

    ASSERT_EQ(::chmod(path.constData(), 0400), 0);
    EXPECT_EQ(prefRead2(QStringLiteral("k")), 1);
    EXPECT_FALSE(prefWrite(QStringLiteral("k"), 2));

    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    EXPECT_FALSE(prefRead2(QStringLiteral("k")).isValid());
    EXPECT_FALSE(prefWrite(QStringLiteral("k"), 2));
    ::chmod(path.constData(), 0600);
    EXPECT_EQ(readFile(storeFile()), before);
}
