#include "bplist.h"
#include "fuzzseeds.h"
#include "plistvalues.h"
#include "sandbox.h"

#include <reel/core/plistcodec.h>
#include <reel/core/stringsfile.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QPoint>
#include <QTimeZone>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

TEST(PlistCodec, EveryKindRoundTripsThroughXml)
{
    // XML has no single precision: a float comes back as the double of its
    // decimal text. It cannot carry U+0000 at all.
    for (const PlistCase &c : plistCases()) {
        SCOPED_TRACE(c.key.toStdString());
        QString error;
        const QByteArray xml = plistToData(QVariantList{c.value}, PlistFormat::Xml, &error);
        if (c.value.typeId() == QMetaType::QString && c.value.toString().contains(QChar(0))) {
            EXPECT_TRUE(xml.isEmpty());
            EXPECT_TRUE(error.contains(u"U+0000"_s)) << error.toStdString();
            continue;
        }
        ASSERT_FALSE(xml.isEmpty()) << error.toStdString();
        saveFuzzSeed("xml", c.key + u".plist"_s, xml);
        const QVariant back = plistFromData(xml).value_or(QVariant()).toList().value(0);
        if (c.value.typeId() == QMetaType::Float)
            EXPECT_TRUE(sameValue(back, QVariant(29.97))) << xml.constData();
        else
            EXPECT_TRUE(sameValue(back, c.value)) << xml.constData();
    }
}

TEST(PlistCodec, BinaryDatesKeepEveryMillisecond)
{
    const QDateTime base(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc());
    for (int ms : {1, 7, 123, 250, 999}) {
        for (const QDateTime &date : {base.addMSecs(ms), QDateTime(QDate(1990, 1, 2), QTime(3, 4, 5, ms), QTimeZone::utc())}) {
            const auto back = plistFromData(plistToData(QVariantList{date}, PlistFormat::Binary));
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(back->toList().value(0).toDateTime(), date) << ms;
        }
    }
}

TEST(PlistCodec, XmlDatesWrittenElsewhere)
{
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>"
                           "<date>1850-03-04T05:06:07Z</date><date>987-06-05T04:03:02Z</date>"
                           "<date>2008-01-02T10:11:12.5Z</date></array></plist>";
    const auto back = plistFromData(xml);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->toList(), (QVariantList{QDateTime(QDate(1850, 3, 4), QTime(5, 6, 7), QTimeZone::utc()),
                                            QDateTime(QDate(987, 6, 5), QTime(4, 3, 2), QTimeZone::utc()),
                                            QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12, 500), QTimeZone::utc())}));
}

TEST(PlistCodec, SharedObjectsAreReadAtEachPlace)
{
    using namespace bplist;
    // Two places refer to one dictionary, three to one string.
    const QByteArray bytes = file({array({1, 1, 2}), dict({2}, {2}), ascii("s")});
    const QVariantList list = plistFromData(bytes).value_or(QVariant()).toList();
    const QVariantMap shared{{u"s"_s, u"s"_s}};
    EXPECT_EQ(list, (QVariantList{shared, shared, u"s"_s}));
}

TEST(PlistCodec, WhatAReaderRefusesIsNeverWritten)
{
    QVariant deep = QVariantList{};
    for (int i = 1; i < kPlistMaxDepth; ++i)
        deep = QVariantList{deep};
    const QVariant tooDeep = QVariantList{deep};
    const struct {
        const char *name;
        QVariant value;
    } refused[] = {
        {"key holding U+0000", QVariantMap{{QStringView(u"a\0", 2).toString(), 1}}},
        {"unpaired surrogate", QString(QChar(0xDC00))},
        {"nesting past the limit", tooDeep},
        {"date past the range", QDateTime(QDate(99999, 1, 1), QTime(0, 0), QTimeZone::utc())},
        {"invalid date", QDateTime()},
        {"not a property-list type", QVariantList{1, QVariant::fromValue(QPoint(1, 2))}},
        {"nil", QVariant()},
    };
    for (const auto &c : refused) {
        for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
            QString error;
            EXPECT_TRUE(plistToData(c.value, format, &error).isEmpty()) << c.name;
            EXPECT_TRUE(error.startsWith(u"Property list invalid for format ("_s)) << c.name;
        }
        EXPECT_FALSE(isPropertyList(c.value)) << c.name;
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
    EXPECT_EQ(plistFromData(file({array(std::vector<quint64>(6141, 1), 2), inner, zero}, layout)),
              QVariant(atLimit));

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
        if (!plistFromData(bytes, &error))
            EXPECT_FALSE(error.isEmpty()) << name.toStdString();
        parseStringsFile(bytes);
    }
}
