#include "fuzzseeds.h"
#include "plists.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/core/stringsfile.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QPoint>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

TEST(PlistCodec, EveryKindRoundTripsThroughBothForms)
{
    for (const PlistCase &c : plistCases()) {
        SCOPED_TRACE(c.key.toStdString());
        const QByteArray binary = plistToData(QVariantList{c.value}, PlistFormat::Binary);
        const QVariant back = plistFromData(binary).value_or(QVariant()).toList().value(0);
        EXPECT_TRUE(sameValue(back, c.value)) << testing::PrintToString(back);

        // XML has no single precision: a float comes back as the double of
        // its decimal text. It cannot carry U+0000 at all.
        QString error;
        const QByteArray xml = plistToData(QVariantList{c.value}, PlistFormat::Xml, &error);
        if (c.plistutil.isEmpty()) {
            EXPECT_TRUE(xml.isEmpty() && error.contains(u"U+0000"_s)) << error.toStdString();
            continue;
        }
        saveFuzzSeed("xml", c.key + u".plist"_s, xml);
        const QVariant fromXml = plistFromData(xml).value_or(QVariant()).toList().value(0);
        EXPECT_TRUE(sameValue(fromXml, c.value.typeId() == QMetaType::Float ? QVariant(29.97) : c.value)) << xml.constData();
    }

    // The independent reader finds the same values in the binary form.
    const QString path = writeFile(scratchDir() + u"/every-kind.plist"_s, plistToData(plistCaseValues(), PlistFormat::Binary));
    saveFuzzSeed("binary", u"every-kind.plist"_s, readFile(path));
    QProcess plistutil;
    plistutil.start(u"plistutil"_s, {u"-i"_s, path, u"-f"_s, u"xml"_s, u"-o"_s, u"-"_s});
    if (!plistutil.waitForStarted())
        GTEST_SKIP() << "plistutil not installed";
    ASSERT_TRUE(plistutil.waitForFinished(60000) && plistutil.exitCode() == 0);
    const QByteArray xml = plistutil.readAllStandardOutput();
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(xml.contains(c.plistutil)) << c.plistutil.constData() << "\n" << xml.constData();
}

TEST(PlistCodec, DatesKeepTheirMillisecondsAndTheirCentury)
{
    for (int ms : {1, 7, 250, 999}) {
        const QDateTime date(QDate(1990, 1, 2), QTime(3, 4, 5, ms), QTimeZone::utc());
        EXPECT_EQ(plistFromData(plistToData(QVariantList{date}, PlistFormat::Binary)), QVariant(QVariantList{date})) << ms;
    }
    // As other writers put them in XML.
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>"
                           "<date>1850-03-04T05:06:07Z</date><date>987-06-05T04:03:02Z</date>"
                           "<date>2008-01-02T10:11:12.5Z</date></array></plist>";
    EXPECT_EQ(plistFromData(xml), QVariant(QVariantList{QDateTime(QDate(1850, 3, 4), QTime(5, 6, 7), QTimeZone::utc()),
                                                        QDateTime(QDate(987, 6, 5), QTime(4, 3, 2), QTimeZone::utc()),
                                                        QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12, 500), QTimeZone::utc())}));
}

TEST(PlistCodec, FilesOnlyOtherWritersMake)
{
    using namespace bplist;
    // Two places refer to one dictionary, three to one string; a UID.
    const QVariantMap shared{{u"s"_s, u"s"_s}};
    EXPECT_EQ(plistFromData(file({array({1, 1, 2, 3}), dict({2}, {2}), ascii("s"), QByteArray("\x81\x01\x02", 3)})),
              QVariant(QVariantList{shared, shared, u"s"_s, QVariant::fromValue(quint64(258))}));
    for (const HostilePlist &h : hostilePlists()) {
        QString error;
        EXPECT_FALSE(plistFromData(h.bytes, &error).has_value()) << h.name;
        EXPECT_FALSE(error.isEmpty()) << h.name;
    }
}

TEST(PlistCodec, WhatAReaderRefusesIsNeverWritten)
{
    QVariant deep = QVariantList{};
    for (int i = 1; i < kPlistMaxDepth; ++i)
        deep = QVariantList{deep};
    const std::pair<const char *, QVariant> refused[] = {
        {"key holding U+0000", QVariantMap{{QStringView(u"a\0", 2).toString(), 1}}},
        {"unpaired surrogate", QString(QChar(0xDC00))},
        {"nesting past the limit", QVariantList{deep}},
        {"date past the range", QDateTime(QDate(99999, 1, 1), QTime(0, 0), QTimeZone::utc())},
        {"date before the range", QDateTime(QDate(-99999, 1, 1), QTime(0, 0), QTimeZone::utc())},
        {"invalid date", QDateTime()},
        {"not a property-list type", QVariantList{1, QVariant::fromValue(QPoint(1, 2))}},
        {"nil", QVariant()},
    };
    for (const auto &[name, value] : refused) {
        for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
            QString error;
            EXPECT_TRUE(plistToData(value, format, &error).isEmpty()) << name;
            EXPECT_TRUE(error.startsWith(u"Property list invalid for format ("_s)) << name << error.toStdString();
        }
        EXPECT_FALSE(isPropertyList(value)) << name;
    }

    // At the limit, written and read back in both forms.
    for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml})
        EXPECT_EQ(plistFromData(plistToData(deep, format)), deep);
    EXPECT_FALSE(plistFromData(bplist::nestedArrays(kPlistMaxDepth + 1)).has_value());

    // XML cannot carry control characters other than tab, line feed and
    // carriage return; the binary form can.
    const QString control = u"bell \a"_s;
    EXPECT_TRUE(plistToData(control, PlistFormat::Xml).isEmpty());
    EXPECT_EQ(plistFromData(plistToData(control, PlistFormat::Binary)), QVariant(control));
    EXPECT_TRUE(plistToData(QDateTime(QDate(-5, 1, 1), QTime(0, 0), QTimeZone::utc()), PlistFormat::Xml).isEmpty());
}

TEST(PlistCodec, ObjectAndSizeLimitsHoldBothWays)
{
    // 6 141 places for one list of 682 zeros: 1 + 6 141 x 683 objects once
    // expanded, exactly the limit; one zero more is over it.
    static_assert(kPlistMaxObjects == 1 + 6141 * 683);
    const QVariantList atLimit(6141, QVariantList(682, 0));
    using namespace bplist;
    Layout layout;
    layout.refSize = 2;
    const QByteArray inner = array(std::vector<quint64>(682, 2), 2);
    const QByteArray zero("\x10\x00", 2);
    EXPECT_EQ(plistFromData(file({array(std::vector<quint64>(6141, 1), 2), inner, zero}, layout)), QVariant(atLimit));

    QVariantList over = atLimit;
    over.append(0);
    std::vector<quint64> overRefs(6141, 1);
    overRefs.push_back(2);
    QString error;
    EXPECT_TRUE(plistToData(over, PlistFormat::Binary, &error).isEmpty());
    EXPECT_TRUE(error.contains(u"objects"_s)) << error.toStdString();
    EXPECT_FALSE(plistFromData(file({array(overRefs, 2), inner, zero}, layout)).has_value());

    EXPECT_TRUE(plistToData(QByteArray(kPlistMaxBytes, 'x'), PlistFormat::Binary, &error).isEmpty());
    EXPECT_TRUE(error.contains(u"larger than"_s)) << error.toStdString();
}

TEST(PlistCodec, FilesFoundByFuzzingStayHarmless)
{
    // Inputs that once made a reader crash, hang or run out of memory.
    const QDir dir(testDataPath() + u"/fuzz"_s);
    for (const QString &name : dir.entryList(QDir::Files)) {
        const QByteArray bytes = readFile(dir.filePath(name));
        QString error;
        if (const auto value = plistFromData(bytes, &error))
            EXPECT_FALSE(plistToData(*value, PlistFormat::Binary).isEmpty()) << name.toStdString();
        else
            EXPECT_FALSE(error.isEmpty()) << name.toStdString();
        parseStringsFile(bytes);
    }
}
