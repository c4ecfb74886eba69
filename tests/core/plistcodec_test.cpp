#include <reel/core/plistcodec.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QTimeZone>

using namespace reel;

TEST(PlistCodec, RoundTripEveryType)
{
    // XML dates keep whole seconds only.
    const QDateTime date(QDate(2008, 1, 2), QTime(10, 11, 12), QTimeZone::utc());
    const QVariantMap value{
        {QStringLiteral("string"), QString::fromUtf8("caf\xc3\xa9 \xe2\x80\xa6")},
        {QStringLiteral("empty"), QStringLiteral("")},
        {QStringLiteral("int"), 25},
        {QStringLiteral("negative"), -5},
        {QStringLiteral("big"), qint64(1) << 40},
        {QStringLiteral("real"), 1.5},
        {QStringLiteral("true"), true},
        {QStringLiteral("false"), false},
        {QStringLiteral("date"), date},
        {QStringLiteral("data"), QByteArray("\x00\x01\xff", 3)},
        {QStringLiteral("list"), QVariantList{1, QStringLiteral("two"), QVariantList{}}},
        {QStringLiteral("dict"), QVariantMap{{QStringLiteral("width"), 720}}},
    };
    for (PlistFormat format : {PlistFormat::Xml, PlistFormat::Binary}) {
        QString error;
        const QByteArray bytes = plistToData(value, format, &error);
        ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
        const auto back = plistFromData(bytes);
        ASSERT_TRUE(back.has_value());
        const QVariantMap map = back->toMap();
        EXPECT_EQ(map, value);
        EXPECT_EQ(map.value(QStringLiteral("int")).metaType().id(), QMetaType::Int);
        EXPECT_EQ(map.value(QStringLiteral("negative")).toInt(), -5);
        EXPECT_EQ(map.value(QStringLiteral("big")).metaType().id(), QMetaType::LongLong);
        EXPECT_EQ(map.value(QStringLiteral("true")).metaType().id(), QMetaType::Bool);
        EXPECT_EQ(map.value(QStringLiteral("date")).toDateTime(), date);
        EXPECT_EQ(map.value(QStringLiteral("data")).metaType().id(), QMetaType::QByteArray);
    }
}

TEST(PlistCodec, BinaryDatesKeepEveryMillisecond)
{
    // libplist hands out truncated microseconds (0.123 s as 122999).
    const QDateTime base(QDate(2024, 5, 6), QTime(7, 8, 9), QTimeZone::utc());
    for (int ms : {1, 7, 123, 250, 999}) {
        for (const QDateTime &date : {base.addMSecs(ms), QDateTime(QDate(1990, 1, 2), QTime(3, 4, 5, ms), QTimeZone::utc())}) {
            const auto back = plistFromData(plistToData(QVariantList{date}, PlistFormat::Binary));
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(back->toList().value(0).toDateTime(), date) << ms;
        }
    }
}

TEST(PlistCodec, DatesBeyondThe32BitSecondsRange)
{
    // Seconds from 2001 outside 32 bits: kept to the second, in both formats,
    // and read correctly from files written elsewhere.
    const QDateTime dates[] = {
        QDateTime(QDate(1900, 1, 2), QTime(10, 11, 12), QTimeZone::utc()),
        QDateTime(QDate(2100, 12, 31), QTime(23, 59, 59), QTimeZone::utc()),
        QDateTime(QDate(987, 6, 5), QTime(4, 3, 2), QTimeZone::utc()),
    };
    for (const QDateTime &date : dates) {
        for (PlistFormat format : {PlistFormat::Xml, PlistFormat::Binary}) {
            QString error;
            const QByteArray bytes = plistToData(QVariantMap{{QStringLiteral("d"), date}}, format, &error);
            ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
            const auto back = plistFromData(bytes);
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(back->toMap().value(QStringLiteral("d")).toDateTime(), date) << date.toString(Qt::ISODate).toStdString();
        }
    }
    const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">"
                           "<array><date>1850-03-04T05:06:07Z</date></array></plist>";
    const auto back = plistFromData(xml);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->toList().value(0).toDateTime(), QDateTime(QDate(1850, 3, 4), QTime(5, 6, 7), QTimeZone::utc()));
}

TEST(PlistCodec, NotPropertyListValues)
{
    const QVariant bad[] = {
        QVariant(),
        QVariant::fromValue(QPoint(1, 2)),
        QVariantList{1, QVariant()},
        QVariantMap{{QStringLiteral("k"), QVariant::fromValue(QSize(1, 1))}},
    };
    for (const QVariant &v : bad) {
        QString error;
        EXPECT_TRUE(plistToData(v, PlistFormat::Binary, &error).isEmpty());
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(isPropertyList(v));
    }
    EXPECT_TRUE(isPropertyList(QStringList{QStringLiteral("a")}));
}

TEST(PlistCodec, GarbageIsRejected)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("hello"), QByteArray("bplist00\x01\x02", 10),
                                    QByteArray("<plist><dict><key>a</key></plist>")}) {
        QString error;
        EXPECT_FALSE(plistFromData(bytes, &error).has_value()) << bytes.constData();
    }
}
