// Single values, child dictionaries, the developer switch and plist files.
#include "logcapture.h"
#include "prefstest.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSize>
#include <QStandardPaths>
#include <QTimeZone>

#include <sys/stat.h>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kVideo = u"video"_s;
const QString kWidth = u"width"_s;
const QString kHeight = u"height"_s;

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

TEST(Preferences, ReadGivesTheValueAsText)
{
    ASSERT_TRUE(prefWrite(u"k"_s, QVariantList{1, u"two"_s}));
    EXPECT_EQ(prefRead(u"k"_s), u"(\n    1,\n    two\n)"_s);
}

TEST(Preferences, NothingStoredAndNullArguments)
{
    EXPECT_TRUE(prefRead(u"absent"_s).isEmpty() && !prefRead(u"absent"_s).isNull());
    EXPECT_FALSE(prefRead2(u"absent"_s).isValid());
    EXPECT_FALSE(prefWrite(QString(), 1));
    EXPECT_TRUE(prefDelete(QString()));
    EXPECT_TRUE(prefDelete(u"absent"_s));
    EXPECT_FALSE(prefReadChildDico(kVideo, kWidth).isValid());
    EXPECT_FALSE(prefWriteChildDico(QString(), kWidth, 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, QString(), 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, QVariant()));
    EXPECT_FALSE(prefWriteDico(kVideo, std::nullopt));
    EXPECT_FALSE(prefWriteDico(QString(), QVariantMap{}));
    EXPECT_TRUE(prefDeleteChildDico(QString(), kWidth));
    EXPECT_FALSE(QFileInfo::exists(preferencesFilePath())) << "nothing above touches the disk";

    // An empty key is a key like any other; a null one is none.
    ASSERT_TRUE(prefWrite(u"k"_s, 25));
    EXPECT_FALSE(prefWrite(u"k"_s, QVariant()));
    EXPECT_TRUE(prefWriteChildDico(u""_s, u""_s, 3));
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 25}, {u""_s, QVariantMap{{u""_s, 3}}}}));
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
    EXPECT_EQ(prefRead2(kVideo), (QVariantMap{{kWidth, 720}}));
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
    clearLog();
    EXPECT_TRUE(prefWriteDico(u"audio"_s, QVariantMap{}));
    EXPECT_FALSE(logHas(u"prefWriteDico       - old n'existe plus :-)"_s));
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
    const std::pair<QVariant, bool> cases[] = {
        {u"user "_s + marker + u" at home"_s, true}, {marker.toUpper(), false}, {marker.toUtf8(), false},
        {QVariantList{marker}, false},               {marker, true},
    };
    for (const auto &[id, on] : cases) {
        ASSERT_TRUE(prefWrite(u"id"_s, id));
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
    ASSERT_TRUE(runToEnd(u"plistutil"_s, {u"-i"_s, xml, u"-o"_s, binary}).has_value());
    ASSERT_TRUE(readFile(binary).startsWith("bplist00"));
    EXPECT_EQ(readPlist(binary), kContents);
}

TEST(PlistFiles, ReadGivesNothing)
{
    // Quietly for what is no file or no dictionary; with a line for contents
    // the reader refuses.
    const QString dir = scratchDir();
    writeFile(dir + u"/list.plist"_s, plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + u"/fifo.plist"_s).constData(), 0600), 0);
    for (const QString &path : {dir + u"/missing.plist"_s, dir + u"/list.plist"_s, dir + u"/fifo.plist"_s, QString(), dir})
        EXPECT_FALSE(readPlist(path).has_value()) << path.toStdString();
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(PlistFiles, CreateWritesBinaryOrFailsWithTheReason)
{
    const QString dir = scratchDir();
    const QString path = dir + u"/out.plist"_s;
    EXPECT_TRUE(createNewPlist(path, kContents));
    EXPECT_EQ(takeLog(), QStringList{u"write plist :-) "_s + path});
    EXPECT_TRUE(readFile(path).startsWith("bplist00"));
    EXPECT_EQ(readPlist(path), kContents);
    // Any property-list value may be the root; colons are taken out of the path.
    EXPECT_TRUE(createNewPlist(u"~/:x:.plist"_s, QVariantList{u"x"_s}));
    EXPECT_EQ(plistFromData(readFile(homePath() + u"/x.plist"_s)), QVariant(QVariantList{u"x"_s}));
    EXPECT_EQ(takeLog(), QStringList{u"write plist :-) "_s + homePath() + u"/x.plist"_s});

    EXPECT_FALSE(createNewPlist(QString(), QVariantMap{}));
    EXPECT_FALSE(createNewPlist(path, QVariant()));
    EXPECT_TRUE(logLines().isEmpty());
    // A value that is not a property-list type, deep inside.
    const QString other = dir + u"/other.plist"_s;
    EXPECT_FALSE(createNewPlist(other, QVariantMap{{u"size"_s, QVariant::fromValue(QSize(1, 1))}}));
    const QStringList lines = takeLog();
    EXPECT_TRUE(lines.value(0).startsWith(u"Property list invalid for format"_s));
    EXPECT_EQ(lines.mid(1), (QStringList{u"error release - pre"_s, u"error release - post"_s}));
    EXPECT_FALSE(QFileInfo::exists(other));

    // A failed write is a failure, even where something already stands.
    QDir().mkpath(dir + u"/folder.plist"_s);
    for (const QString &target : {dir + u"/no/such/folder/x.plist"_s, dir + u"/folder.plist"_s}) {
        EXPECT_FALSE(createNewPlist(target, QVariantMap{}));
        const QStringList failed = takeLog();
        ASSERT_EQ(failed.size(), 2);
        EXPECT_EQ(failed.at(0), u"write plist :-( "_s + target);
        EXPECT_TRUE(failed.at(1).startsWith(u"write plist         : "_s) && failed.at(1).size() > 22) << failed.at(1).toStdString();
    }
    EXPECT_TRUE(QFileInfo(dir + u"/folder.plist"_s).isDir());
}
