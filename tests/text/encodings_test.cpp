#include "logcapture.h"
#include "samples.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/text/encodings.h>

#include <gtest/gtest.h>

#include <QSet>
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
}

TEST(EncodingNames, TheWholeTable)
{
    const QVariant table = encodingCharsetInt2Name(-1, QString());
    ASSERT_EQ(table.typeId(), QMetaType::QVariantMap);
    const QVariantMap map = table.toMap();
    EXPECT_EQ(map.size(), 18);
    QSet<QString> names;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        names.insert(it.value().toString());
        // Every name leads back to its key, and every key is a working encoding.
        EXPECT_EQ(encodingCharsetInt2Name(0, it.value().toString()), QVariant(it.key().toInt()));
        EXPECT_TRUE(isSupportedStringEncoding(it.key().toUInt())) << it.key().toStdString();
    }
    EXPECT_EQ(names.size(), 18);
    EXPECT_EQ(map.value(QStringLiteral("4")), QVariant(QStringLiteral("UTF- 8")));
    EXPECT_EQ(map.value(QStringLiteral("65536")), QVariant(QStringLiteral("UTF-32LE")));
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
        {"cp1252.srt", test::iconvBytes(fr, "CP1252"), QStringLiteral("Western (Windows Latin 1)")},
        {"mac.srt", test::iconvBytes(fr, "MACINTOSH"), QStringLiteral("Western (Mac OS Roman)")},
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
        EXPECT_EQ(test::logLines(),
                  QStringList{QStringLiteral("encoding : ") + (c.name.isNull() ? QStringLiteral("nil") : c.name)});
        const QString text = encodingCharsetIdentify(path, true);
        EXPECT_EQ(text, c.file == QByteArray("cp1251.srt") ? test::russianSubtitle() : fr);
    }
}

TEST(EncodingIdentify, FailedDetectionFallsBackToAscii)
{
    const QByteArray koi8 = test::iconvBytes(test::russianSubtitle(), "KOI8-R");
    const QString path = sampleFile("koi8.srt", koi8);
    setDEBUG(1);
    EXPECT_TRUE(encodingCharsetIdentify(path, false).isNull());
    EXPECT_TRUE(test::logHas(QStringLiteral("encoding             : 2147483647")));
    EXPECT_TRUE(test::logHas(QStringLiteral("encoding : nil")));
    EXPECT_TRUE(test::logContains(QStringLiteral("encodingCharsetIdenti:-( ")));
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
    EXPECT_EQ(test::logLines(), QStringList{QStringLiteral("convertFromEncoding  :-)")});

    // Windows Latin 1 bytes are not UTF-8.
    test::clearLog();
    EXPECT_TRUE(convertFromEncoding(path, kUTF8StringEncoding).isNull());
    ASSERT_EQ(test::logLines().size(), 1);
    EXPECT_TRUE(test::logLines().first().startsWith(QStringLiteral("convertFromEncoding  :-( ")));

    const QString text = convertFromEncoding(sampleFile("empty.txt", QByteArray()), kUTF8StringEncoding);
    EXPECT_TRUE(text.isEmpty() && !text.isNull());

    // Nothing without a file or an encoding; an identifier that converts
    // nothing is a reported failure.
    test::clearLog();
    EXPECT_TRUE(convertFromEncoding(path, 0).isNull());
    EXPECT_TRUE(convertFromEncoding(QString(), kUTF8StringEncoding).isNull());
    EXPECT_TRUE(convertFromEncoding(test::scratchDir() + QStringLiteral("/none"), kUTF8StringEncoding).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
    EXPECT_TRUE(convertFromEncoding(path, 16).isNull());
    EXPECT_EQ(test::logLines().size(), 1);
}
