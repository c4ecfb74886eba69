#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/text/encodings.h>

#include <gtest/gtest.h>

#include <QVariantMap>

using namespace reel;

namespace {

QString sampleFile(const char *name, const QByteArray &bytes)
{
    return test::writeFile(test::scratchDir() + QLatin1Char('/') + QLatin1String(name), bytes);
}

} // namespace

TEST(EncodingNames, LookUpByNumberAndByName)
{
    const struct {
        int number;
        QString name;
        QVariant expected;
    } cases[] = {
        {4, QString(), QStringLiteral("UTF- 8")},    {30, QString(), QStringLiteral("Western (Mac OS Roman)")},
        {65536, QString(), QStringLiteral("UTF-32LE")}, {16, QString(), QVariant()}, {0, QString(), QVariant()},
        {-2, QString(), QVariant()}, {int(0x90000100), QString(), QVariant()}, {int(0x94000100), QString(), QVariant()},
        // The name wins over the number.
        {0, QStringLiteral("UTF-16"), 10},
        {30, QStringLiteral("UTF-32LE"), 65536},
        {-1, QStringLiteral("Japanese (ISO-2022)"), 21},
        // A name not in the table is ignored: the number decides.
        {30, QStringLiteral("utf-16"), QStringLiteral("Western (Mac OS Roman)")},
        {4, QStringLiteral(""), QStringLiteral("UTF- 8")},
        {0, QStringLiteral("UTF-8"), QVariant()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        SCOPED_TRACE(c.name.toStdString());
        const QVariant result = encodingCharsetInt2Name(c.number, c.name);
        EXPECT_EQ(result.typeId(), c.expected.typeId());
        EXPECT_EQ(result, c.expected);
    }
    // -1: the whole table, whose every number is a working encoding.
    const QVariantMap table = encodingCharsetInt2Name(-1, QString()).toMap();
    EXPECT_EQ(table.size(), 18);
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        EXPECT_TRUE(isSupportedStringEncoding(it.key().toUInt())) << it.key().toStdString();
}

TEST(EncodingIdentify, NamesAndTextsOfDetectedFiles)
{
    const QString fr = test::frenchSubtitle();
    const struct {
        const char *file;
        QByteArray bytes;
        QString name; // null: none
    } cases[] = {
        {"utf8.srt", fr.toUtf8(), QStringLiteral("UTF- 8")},
        {"cp1251.srt", test::iconvBytes(test::russianSubtitle(), "CP1251"), QStringLiteral("Cyrillic (Windows)")},
        {"marked16.srt", QByteArray("\xFE\xFF", 2) + test::iconvBytes(fr, "UTF-16BE"), QStringLiteral("UTF-16")},
        // Explicit byte order: no name.
        {"be16.srt", test::iconvBytes(fr, "UTF-16BE"), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = sampleFile(c.file, c.bytes);
        test::clearLog();
        const QString name = encodingCharsetIdentify(path, false);
        EXPECT_EQ(name.isNull(), c.name.isNull());
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(test::takeLog(),
                  QStringList{QStringLiteral("encoding : ") + (c.name.isNull() ? QStringLiteral("nil") : c.name)});
        const QString text = encodingCharsetIdentify(path, true);
        EXPECT_EQ(text, c.file == QByteArray("cp1251.srt") ? test::russianSubtitle() : fr);
    }
}

TEST(EncodingIdentify, FailedDetectionFallsBackToAscii)
{
    const QByteArray koi8 = test::iconvBytes(test::russianSubtitle(), "KOI8-R");
    const QString path = sampleFile("koi8.srt", koi8);
    EXPECT_TRUE(encodingCharsetIdentify(path, false).isNull());
    const QStringList log = test::takeLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log.at(0), QStringLiteral("encoding : nil"));
    EXPECT_TRUE(log.at(1).startsWith(QStringLiteral("encodingCharsetIdenti:-( ")));
    // ASCII keeps every byte.
    EXPECT_EQ(encodingCharsetIdentify(path, true), QString::fromLatin1(koi8));

    // A mark that promises what does not follow: the file still reads.
    const QString broken = sampleFile("broken.txt", "\xEF\xBB\xBF" "caf\xE9");
    EXPECT_TRUE(encodingCharsetIdentify(broken, false).isNull());
    EXPECT_EQ(encodingCharsetIdentify(broken, true), QString::fromLatin1("\xEF\xBB\xBF" "caf\xE9"));

    // Nothing, and not a word, for paths that are not there.
    test::clearLog();
    const QString none = test::scratchDir() + QStringLiteral("/none.srt");
    EXPECT_TRUE(encodingCharsetIdentify(QString(), true).isNull());
    EXPECT_TRUE(encodingCharsetIdentify(none, true).isNull());
    EXPECT_TRUE(encodingCharsetIdentify(none, false).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(ConvertFromEncoding, ReadsWithTheGivenEncoding)
{
    const QString fr = test::frenchSubtitle();
    const QString path = sampleFile("cp1252.srt", test::iconvBytes(fr, "CP1252"));
    EXPECT_EQ(convertFromEncoding(path, kWindowsCP1252StringEncoding), fr);
    const QString text = convertFromEncoding(sampleFile("empty.txt", QByteArray()), kUTF8StringEncoding);
    EXPECT_TRUE(text.isEmpty() && !text.isNull());
    EXPECT_EQ(test::takeLog(), QStringList(2, QStringLiteral("convertFromEncoding  :-)")));

    // Windows Latin 1 bytes are not UTF-8; an identifier that converts
    // nothing: reported failures.
    EXPECT_TRUE(convertFromEncoding(path, kUTF8StringEncoding).isNull());
    EXPECT_TRUE(convertFromEncoding(path, 16).isNull());
    const QStringList log = test::takeLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log.at(0).startsWith(QStringLiteral("convertFromEncoding  :-( ")));

    // Nothing, without a word, without a file or an encoding.
    EXPECT_TRUE(convertFromEncoding(path, 0).isNull());
    EXPECT_TRUE(convertFromEncoding(QString(), kUTF8StringEncoding).isNull());
    EXPECT_TRUE(convertFromEncoding(test::scratchDir() + QStringLiteral("/none"), kUTF8StringEncoding).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}
