// Property lists in both forms: what round-trips, what is refused, and the
// limits every reader and writer keeps.
#include "fuzzseeds.h"
#include "plists.h"
#include "sandbox.h"
#include "tables.h"
#include "toolscript.h"

#include <reel/core/stringsfile.h>
#include <reel/plist/codec.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QPoint>
#include <QStandardPaths>
#include <QStringEncoder>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

TEST(PlistCodec, EveryKindRoundTripsThroughBothForms)
{
    for (const PlistCase &c : plistCases()) {
        SCOPED_TRACE(c.key.toStdString());
        const auto back = [](const QByteArray &bytes) { return plistFromData(bytes).value_or(QVariant()).toList().value(0); };
        EXPECT_TRUE(sameValue(back(plistToData(QVariantList{c.value}, PlistFormat::Binary)), c.value));

        // XML has no single precision: a float comes back as the double of
        // its decimal text. It cannot carry U+0000 at all.
        QString error;
        const QByteArray xml = plistToData(QVariantList{c.value}, PlistFormat::Xml, &error);
        if (c.plistutil.isEmpty()) {
            EXPECT_TRUE(xml.isEmpty()) << error.toStdString();
            EXPECT_TRUE(error.contains(u"U+0000"_s)) << error.toStdString();
            continue;
        }
        saveFuzzSeed("xml", c.key + u".plist"_s, xml);
        EXPECT_TRUE(sameValue(back(xml), c.value.typeId() == QMetaType::Float ? QVariant(29.97) : c.value)) << xml.constData();
    }

    // The independent reader finds the same values in the binary form.
    const QString path = writeFile(scratchDir() + u"/every-kind.plist"_s, plistToData(plistCaseValues(), PlistFormat::Binary));
    saveFuzzSeed("binary", u"every-kind.plist"_s, readFile(path));
    if (QStandardPaths::findExecutable(u"plistutil"_s).isEmpty())
        GTEST_SKIP() << "plistutil not installed";
    const ProgramRun plistutil = runProgram(u"plistutil"_s, {u"-i"_s, path, u"-f"_s, u"xml"_s, u"-o"_s, u"-"_s});
    ASSERT_EQ(plistutil.status, 0) << plistutil.err.toStdString();
    const QByteArray &xml = plistutil.out;
    for (const PlistCase &c : plistCases())
        EXPECT_TRUE(xml.contains(c.plistutil)) << c.plistutil.constData() << "\n" << xml.constData();
}

TEST(PlistCodec, FilesOnlyOtherWritersMake)
{
    // Two places refer to one dictionary, three to one string; a UID. Dates
    // before 1000 and with a fraction of a second.
    const QVariantMap shared{{u"s"_s, u"s"_s}};
    const QString data = testDataPath() + u"/plist/"_s;
    EXPECT_EQ(plistFromData(readFile(data + u"shared-objects-and-a-uid.plist"_s)),
              QVariant(QVariantList{shared, shared, u"s"_s, QVariant::fromValue(quint64(258))}));
    EXPECT_EQ(plistFromData(readFile(data + u"dates-of-other-writers.plist"_s)),
              QVariant(QVariantList{QDateTime(QDate(1850, 3, 4), QTime(5, 6, 7), QTimeZone::utc()),
                                    QDateTime(QDate(987, 6, 5), QTime(4, 3, 2), QTimeZone::utc()),
                                    QDateTime(QDate(2008, 1, 2), QTime(10, 11, 12, 500), QTimeZone::utc())}));
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
        {"invalid date", QDateTime()},
        {"not a property-list type", QVariantList{1, QVariant::fromValue(QPoint(1, 2))}},
        {"nil", QVariant()},
    };
    for (const auto &[name, value] : refused) {
        for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml}) {
            QString error;
            EXPECT_TRUE(plistToData(value, format, &error).isEmpty()) << name << error.toStdString();
            EXPECT_TRUE(error.startsWith(u"Property list invalid for format ("_s)) << name << error.toStdString();
        }
        EXPECT_FALSE(isPropertyList(value)) << name;
    }

    // At the limit, written and read back in both forms.
    for (PlistFormat format : {PlistFormat::Binary, PlistFormat::Xml})
        EXPECT_EQ(plistFromData(plistToData(deep, format)), deep);

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
    // expanded, exactly the limit (one zero more is among the hostile files).
    QVariantList over(6141, QVariantList(682, 0));
    EXPECT_EQ(plistFromData(readFile(testDataPath() + u"/plist/at-the-object-limit.plist"_s)), QVariant(over));
    over.append(0);
    QString error;
    EXPECT_TRUE(plistToData(over, PlistFormat::Binary, &error).isEmpty()) << error.toStdString();
    EXPECT_TRUE(error.contains(u"objects"_s)) << error.toStdString();
    EXPECT_TRUE(plistToData(QByteArray(kPlistMaxBytes, 'x'), PlistFormat::Binary, &error).isEmpty()) << error.toStdString();
    EXPECT_TRUE(error.contains(u"larger than"_s)) << error.toStdString();
}

TEST(PlistCodec, AWrittenListHoldsLittleMoreMemoryThanItsBytes)
{
    // The writer asks for its buffer once, from a bound that equal leaves
    // (written once) can put far above the size.
    QVariantMap unique;
    for (int i = 0; i < 20000; ++i)
        unique.insert(u"clé %1"_s.arg(i), QVariantList{u"Émission %1"_s.arg(i), quint64(1) << 63, QByteArray(40, char(i))});
    const QVariant rows[] = {QVariantList(200000, u"the same text"_s), unique};
    for (const QVariant &value : rows) {
        const QByteArray bytes = plistToData(value, PlistFormat::Binary);
        EXPECT_LE(bytes.capacity(), bytes.size() + bytes.size() / 8);
        EXPECT_EQ(plistFromData(bytes), value);
    }
}

// The reader's time grows with the square of some shapes the grammar has
// none of (a second each for a few thousand), and with the objects of a
// file: the markup is looked at first, in one pass, as the reader would
// decode it.
TEST(PlistCodec, XmlShapesOutsideTheGrammarAreRefusedBeforeTheyAreParsed)
{
    const auto times = [](int n, const auto &part) {
        QByteArray bytes;
        for (int i = 0; i < n; ++i)
            bytes += part(i);
        return bytes;
    };
    const auto attribute = [](int i) { return " a" + QByteArray::number(i) + "=\"1\""; };
    const QByteArray utf16 = QByteArray("\xFF\xFE", 2)
        + QStringEncoder(QStringConverter::Utf16LE)(u"<plist><dict a='1'/></plist>"_s);
    const struct {
        const char *name;
        QByteArray bytes;
        const char *why;
    } refused[] = {
        {"attributes on <plist>, quadratic", "<plist" + times(100000, attribute) + "><dict/></plist>",
         "line 1: an attribute other than version on <plist>"},
        {"attribute declarations, quadratic",
         "<!DOCTYPE plist [" + times(50000, [](int i) { return "<!ATTLIST plist a" + QByteArray::number(i) + " CDATA #IMPLIED>"; })
             + "]><plist/>",
         "declarations in the DOCTYPE"},
        {"objects past the limit, counted as they open",
         "<plist><array>" + QByteArray("<dict/>").repeated(int(kPlistMaxObjects) - 1) + "\n<true/></array></plist>",
         "line 2: more than 4194304 objects"},
        {"a second version", R"(<plist version="1.0" version="1.0"/>)", "an attribute other than version"},
        {"an attribute on a value", "<plist>\n<string x='1'>a</string></plist>", "line 2: an attribute on <string>"},
        {"markup hidden in UTF-7", R"(<?xml version="1.0" encoding="UTF-7"?><plist><dict+ACA-a+AD0AIg-1+ACI-/></plist>)",
         "an attribute on <dict>"},
        {"attributes in UTF-16", utf16, "an attribute on <dict>"},
        {"an unknown declared encoding", R"(<?xml version="1.0" encoding="bogus"?><plist/>)", "Encoding bogus is unsupported"},
        {"a DOCTYPE after the root", "<plist><true/></plist><!DOCTYPE plist>", "misplaced DOCTYPE"},
        {"a declaration outside the DOCTYPE", "<plist><!ELEMENT plist ANY><true/></plist>", "a declaration outside"},
    };
    test::forEachCase(refused, [](const auto &c) {
        saveFuzzSeed("xml", QString::fromLatin1(c.name).replace(u' ', u'-') + u".plist"_s, c.bytes);
        QString error;
        EXPECT_FALSE(plistFromData(c.bytes, &error).has_value());
        EXPECT_TRUE(error.startsWith(u"XML property list, line "_s)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.why))) << error.toStdString();
    });

    // Markup in comments, CDATA, processing instructions and quoted
    // literals is none; a declared encoding other than UTF-8 is read.
    const struct {
        const char *name;
        QByteArray bytes;
        QVariant value;
    } accepted[] = {
        {"markup that is text",
         R"(<?xml version="1.0"?><!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "x[y].dtd" [ <!-- <!ATTLIST x> --> ]>)"
         R"(<plist version='1>0'><!-- <dict a="1"> --><array><?pi <x a="1"?><string><![CDATA[<dict a="1">]]></string></array></plist>)",
         QVariantList{u"<dict a=\"1\">"_s}},
        {"Latin-1 declared", "<?xml version='1.0' encoding='ISO-8859-1'?><plist><string>\xe9</string></plist>", u"é"_s},
    };
    test::forEachCase(accepted, [](const auto &c) {
        QString error;
        EXPECT_EQ(plistFromData(c.bytes, &error), std::optional(c.value)) << error.toStdString();
    });
}

TEST(PlistCodec, FilesFoundByFuzzingGetTheirAnswers)
{
    // Inputs that once made a reader crash, hang or run out of memory, each
    // with its answer: the reason it is refused for, or none when its value
    // is read and writes back whole. As a strings file it is refused.
    struct Finding {
        const char *name;
        const char *refusal;
    };
    const Finding findings[] = {
        {"binary-shared-lists-expand-to-a-million.plist", nullptr},
        {"xml-utf7-string-decodes-to-a-lone-surrogate.plist", "Encountered incorrectly encoded content"},
    };
    const QDir dir(testDataPath() + u"/fuzz"_s);
    QStringList listed;
    test::forEachCase(findings, [&](const Finding &f) {
        listed.append(QString::fromLatin1(f.name));
        const QByteArray bytes = readFile(dir.filePath(QString::fromLatin1(f.name)));
        ASSERT_FALSE(bytes.isEmpty());
        QString error;
        const std::optional<QVariant> value = plistFromData(bytes, &error);
        if (f.refusal) {
            EXPECT_EQ(value, std::nullopt);
            EXPECT_TRUE(error.contains(QLatin1String(f.refusal))) << error.toStdString();
        } else {
            ASSERT_NE(value, std::nullopt) << error.toStdString();
            EXPECT_EQ(plistFromData(plistToData(*value, PlistFormat::Binary)), value);
        }
        EXPECT_EQ(parseStringsFile(bytes), std::nullopt);
    });
    EXPECT_EQ(dir.entryList({u"*.plist"_s}, QDir::Files, QDir::Name), listed) << "a new finding needs its answer here";
}

