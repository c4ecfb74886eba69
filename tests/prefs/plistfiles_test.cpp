#include "fuzzseeds.h"
#include "logcapture.h"
#include "plistvalues.h"
#include "prefstest.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSize>
#include <QTimeZone>

#include <sys/stat.h>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

// Written by hand, as another program would.
const char kXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
	<key>name</key><string>caf&#233; &amp; cr&#xE8;me</string>
	<key>count</key><integer>-12</integer>
	<key>ratio</key><real>1.25</real>
	<key>on</key><true/>
	<key>when</key><date>2008-01-02T10:11:12Z</date>
	<key>bytes</key><data>AAH/</data>
	<key>list</key><array><string>a</string><dict/></array>
</dict></plist>
)";

const QVariantMap kContents{
    {u"name"_s, u"café & crème"_s},
    {u"count"_s, -12},
    {u"ratio"_s, 1.25},
    {u"on"_s, true},
    {u"when"_s, QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12), QTimeZone::utc())},
    {u"bytes"_s, QByteArray("\x00\x01\xff", 3)},
    {u"list"_s, QVariantList{u"a"_s, QVariantMap{}}},
};

} // namespace

TEST(PlistFiles, ReadsXmlAndBinaryFiles)
{
    const QString xml = writeFile(scratchDir() + u"/a.plist"_s, kXml);
    EXPECT_EQ(readPlist(xml), kContents);

    // A binary file written by another program when there is one.
    const QString binary = scratchDir() + u"/b.plist"_s;
    if (havePlistutil())
        ASSERT_TRUE(runToEnd(u"plistutil"_s, {u"-i"_s, xml, u"-o"_s, binary}).has_value());
    else
        writeFile(binary, plistToData(kContents, PlistFormat::Binary));
    ASSERT_TRUE(readFile(binary).startsWith("bplist00"));
    EXPECT_EQ(readPlist(binary), kContents);

    writeFile(homePath() + u"/c.plist"_s, kXml);
    EXPECT_EQ(readPlist(u"~/c.plist"_s), kContents);
}

TEST(PlistFiles, ReadGivesNothing)
{
    // Quietly for what is no file or no dictionary; with a line for contents
    // the reader refuses (the hostile files have their own tests).
    const QString dir = scratchDir();
    writeFile(dir + u"/list.plist"_s, plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + u"/fifo.plist"_s).constData(), 0600), 0);
    for (const QString &name : {u"/missing"_s, u"/list"_s, u"/fifo"_s})
        EXPECT_FALSE(readPlist(dir + name + u".plist"_s).has_value()) << name.toStdString();
    for (const QString &path : {QString(), u""_s, dir})
        EXPECT_FALSE(readPlist(path).has_value()) << path.toStdString();
    EXPECT_TRUE(logLines().isEmpty());

    const QString text = writeFile(dir + u"/text.plist"_s, "not a property list");
    EXPECT_FALSE(readPlist(text).has_value());
    EXPECT_TRUE(logContains(u"readPlist           :-( refused '"_s + text + u"': "_s));
}

TEST(PlistFiles, EveryKindOfValueComesBackAsWritten)
{
    const QString path = scratchDir() + u"/kinds.plist"_s;
    ASSERT_TRUE(createNewPlist(path, plistCaseValues()));
    saveFuzzSeed("binary", u"every-kind.plist"_s, readFile(path));
    const QVariantMap back = readPlist(path).value_or(QVariantMap());
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(sameValue(back.value(c.key), c.value)) << c.key.toStdString() << ": " << testing::PrintToString(back.value(c.key));
    EXPECT_EQ(back.size(), qsizetype(plistCases().size()));

    // The independent reader finds the same values.
    if (!havePlistutil())
        GTEST_SKIP() << "plistutil not installed";
    const auto xml = runToEnd(u"plistutil"_s, {u"-i"_s, path, u"-f"_s, u"xml"_s, u"-o"_s, u"-"_s});
    ASSERT_TRUE(xml.has_value());
    for (const PlistCase &c : plistCases()) {
        if (!c.plistutil.isEmpty())
            EXPECT_TRUE(xml->contains(c.plistutil)) << c.key.toStdString() << ": " << c.plistutil.constData();
    }
    if (HasFailure())
        ADD_FAILURE() << xml->constData();
}

TEST(PlistFiles, CreateWritesBinaryThatReadsBack)
{
    const QString path = scratchDir() + u"/out.plist"_s;
    EXPECT_TRUE(createNewPlist(path, kContents));
    EXPECT_TRUE(logHas(u"write plist :-) "_s + path));
    EXPECT_TRUE(readFile(path).startsWith("bplist00"));
    EXPECT_EQ(readPlist(path), kContents);

    // Over an existing file: replaced. Any property-list value may be the root.
    EXPECT_TRUE(createNewPlist(path, QVariantList{u"x"_s}));
    EXPECT_EQ(plistFromData(readFile(path)), QVariant(QVariantList{u"x"_s}));

    if (!havePlistutil())
        GTEST_SKIP() << "plistutil not installed";
    ASSERT_TRUE(createNewPlist(path, kContents));
    const auto xml = runToEnd(u"plistutil"_s, {u"-i"_s, path, u"-f"_s, u"xml"_s, u"-o"_s, u"-"_s});
    ASSERT_TRUE(xml.has_value());
    for (const char *element : {"<integer>-12</integer>", "<real>1.25</real>", "<true/>",
                                "<date>2008-01-02T10:11:12Z</date>", "AAH/", "<dict/>"})
        EXPECT_TRUE(xml->contains(element)) << element << "\n" << xml->constData();
}

TEST(PlistFiles, CreateRemovesColonsFromThePath)
{
    const QString dir = scratchDir();
    EXPECT_TRUE(createNewPlist(dir + u"/a:b.plist"_s, QVariantMap{{u"k"_s, 1}}));
    EXPECT_TRUE(QFileInfo(dir + u"/ab.plist"_s).isFile());
    EXPECT_FALSE(QFileInfo::exists(dir + u"/a:b.plist"_s));
    EXPECT_TRUE(logHas(u"write plist :-) "_s + dir + u"/ab.plist"_s));

    EXPECT_TRUE(createNewPlist(u"~/:x:.plist"_s, QVariantMap{}));
    EXPECT_TRUE(QFileInfo(homePath() + u"/x.plist"_s).isFile());
}

TEST(PlistFiles, CreateRefusesWhatCannotBeWritten)
{
    const QString dir = scratchDir();
    const QString path = dir + u"/out.plist"_s;
    EXPECT_FALSE(createNewPlist(QString(), QVariantMap{}));
    EXPECT_FALSE(createNewPlist(path, QVariant()));
    EXPECT_TRUE(logLines().isEmpty());

    // A value that is not a property-list type, deep inside.
    EXPECT_FALSE(createNewPlist(path, QVariantMap{{u"size"_s, QVariant::fromValue(QSize(1, 1))}}));
    ASSERT_EQ(logLines().size(), 3);
    EXPECT_TRUE(logLines().at(0).contains(u"Property list invalid for format"_s));
    EXPECT_EQ(logLines().mid(1), (QStringList{u"error release - pre"_s, u"error release - post"_s}));
    EXPECT_FALSE(QFileInfo::exists(path));

    // A failed write is a failure, even where something already stands.
    QDir().mkpath(dir + u"/folder.plist"_s);
    for (const QString &target : {dir + u"/no/such/folder/x.plist"_s, dir + u"/folder.plist"_s}) {
        EXPECT_FALSE(createNewPlist(target, QVariantMap{}));
        EXPECT_TRUE(logHas(u"write plist :-( "_s + target));
    }
    EXPECT_TRUE(QFileInfo(dir + u"/folder.plist"_s).isDir());
}
