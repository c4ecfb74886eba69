#include "logcapture.h"
#include "prefstest.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QSize>
#include <QStandardPaths>
#include <QTimeZone>

#include <sys/stat.h>

using namespace reel;
using namespace reel::test;

namespace {

// Written by hand, as another program would.
const char kXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>name</key>
	<string>caf&#233; &amp; cr&#xE8;me</string>
	<key>count</key>
	<integer>-12</integer>
	<key>ratio</key>
	<real>1.25</real>
	<key>on</key>
	<true/>
	<key>when</key>
	<date>2008-01-02T10:11:12Z</date>
	<key>bytes</key>
	<data>AAH/</data>
	<key>list</key>
	<array>
		<string>a</string>
		<dict/>
	</array>
</dict>
</plist>
)";

QVariantMap xmlContents()
{
    return {
        {QStringLiteral("name"), QString::fromUtf8("caf\xc3\xa9 & cr\xc3\xa8me")},
        {QStringLiteral("count"), -12},
        {QStringLiteral("ratio"), 1.25},
        {QStringLiteral("on"), true},
        {QStringLiteral("when"), QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12), QTimeZone::utc())},
        {QStringLiteral("bytes"), QByteArray("\x00\x01\xff", 3)},
        {QStringLiteral("list"), QVariantList{QStringLiteral("a"), QVariantMap{}}},
    };
}

bool havePlistutil()
{
    return !QStandardPaths::findExecutable(QStringLiteral("plistutil")).isEmpty();
}

} // namespace

TEST(PlistFiles, ReadsXmlAndBinaryFiles)
{
    const QString xml = writeFile(scratchDir() + QStringLiteral("/a.plist"), kXml);
    EXPECT_EQ(readPlist(xml), xmlContents());

    // A binary file written by another program when there is one.
    const QString binary = scratchDir() + QStringLiteral("/b.plist");
    if (havePlistutil()) {
        QProcess p;
        p.start(QStringLiteral("plistutil"), {QStringLiteral("-i"), xml, QStringLiteral("-o"), binary});
        ASSERT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0);
    } else {
        writeFile(binary, plistToData(xmlContents(), PlistFormat::Binary));
    }
    ASSERT_TRUE(readFile(binary).startsWith("bplist00"));
    EXPECT_EQ(readPlist(binary), xmlContents());

    // "~" is the home folder.
    writeFile(homePath() + QStringLiteral("/c.plist"), kXml);
    EXPECT_EQ(readPlist(QStringLiteral("~/c.plist")), xmlContents());
}

TEST(PlistFiles, ReadGivesNothingQuietly)
{
    const QString dir = scratchDir();
    writeFile(dir + QStringLiteral("/list.plist"), plistToData(QVariantList{1, 2}, PlistFormat::Xml));
    writeFile(dir + QStringLiteral("/text.plist"), "not a property list");
    writeFile(dir + QStringLiteral("/empty.plist"), "");
    const QByteArray fifo = QFile::encodeName(dir + QStringLiteral("/fifo.plist"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    for (const QString &path : {QString(), QStringLiteral(""), dir + QStringLiteral("/missing.plist"),
                                dir + QStringLiteral("/list.plist"), dir + QStringLiteral("/text.plist"),
                                dir + QStringLiteral("/empty.plist"), dir, QString::fromLocal8Bit(fifo)})
        EXPECT_FALSE(readPlist(path).has_value()) << path.toStdString();
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(PlistFiles, CreateWritesBinaryThatReadsBack)
{
    const QVariantMap value = xmlContents();
    const QString path = scratchDir() + QStringLiteral("/out.plist");
    EXPECT_TRUE(createNewPlist(path, value));
    EXPECT_TRUE(logHas(QStringLiteral("write plist :-) ") + path));
    EXPECT_TRUE(readFile(path).startsWith("bplist00"));
    EXPECT_EQ(readPlist(path), value);

    // Over an existing file: replaced.
    EXPECT_TRUE(createNewPlist(path, QVariantMap{{QStringLiteral("k"), 1}}));
    EXPECT_EQ(readPlist(path), (QVariantMap{{QStringLiteral("k"), 1}}));

    // Any property-list value may be the root.
    EXPECT_TRUE(createNewPlist(path, QVariantList{QStringLiteral("x")}));
    EXPECT_FALSE(readPlist(path).has_value());

    if (!havePlistutil())
        GTEST_SKIP() << "plistutil not installed";
    ASSERT_TRUE(createNewPlist(path, value));
    const auto xml = plistutilXml(path);
    ASSERT_TRUE(xml.has_value());
    for (const char *element : {"<integer>-12</integer>", "<real>1.25</real>", "<true/>",
                                "<date>2008-01-02T10:11:12Z</date>", "AAH/", "<dict/>"})
        EXPECT_TRUE(xml->contains(element)) << element << "\n" << xml->constData();
}

TEST(PlistFiles, CreateRemovesColonsFromThePath)
{
    const QString dir = scratchDir();
    EXPECT_TRUE(createNewPlist(dir + QStringLiteral("/a:b.plist"), QVariantMap{{QStringLiteral("k"), 1}}));
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("/ab.plist")).isFile());
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/a:b.plist")));
    EXPECT_TRUE(logHas(QStringLiteral("write plist :-) ") + dir + QStringLiteral("/ab.plist")));

    EXPECT_TRUE(createNewPlist(QStringLiteral("~/:x:.plist"), QVariantMap{}));
    EXPECT_TRUE(QFileInfo(homePath() + QStringLiteral("/x.plist")).isFile());
}

TEST(PlistFiles, CreateRefusesWhatCannotBeWritten)
{
    const QString dir = scratchDir();
    const QString path = dir + QStringLiteral("/out.plist");
    EXPECT_FALSE(createNewPlist(QString(), QVariantMap{}));
    EXPECT_FALSE(createNewPlist(path, QVariant()));
    EXPECT_TRUE(logLines().isEmpty());

    const QVariant bad[] = {
        QVariant::fromValue(QPoint(1, 2)),
        QVariantMap{{QStringLiteral("size"), QVariant::fromValue(QSize(1, 1))}},
        QVariantList{1, QVariant()},
    };
    for (const QVariant &value : bad) {
        clearLog();
        EXPECT_FALSE(createNewPlist(path, value));
        ASSERT_EQ(logLines().size(), 3);
        EXPECT_TRUE(logLines().at(0).contains(QStringLiteral("Property list invalid for format")));
        EXPECT_EQ(logLines().mid(1), (QStringList{QStringLiteral("error release - pre"),
                                                  QStringLiteral("error release - post")}));
    }
    EXPECT_FALSE(QFileInfo::exists(path));

    // A failed write is a failure, even where something already stands.
    const QString missing = dir + QStringLiteral("/no/such/folder/x.plist");
    clearLog();
    EXPECT_FALSE(createNewPlist(missing, QVariantMap{}));
    EXPECT_TRUE(logHas(QStringLiteral("write plist :-( ") + missing));
    QDir().mkpath(dir + QStringLiteral("/folder.plist"));
    EXPECT_FALSE(createNewPlist(dir + QStringLiteral("/folder.plist"), QVariantMap{}));
    EXPECT_TRUE(logHas(QStringLiteral("write plist :-( ") + dir + QStringLiteral("/folder.plist")));
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("/folder.plist")).isDir());
}
