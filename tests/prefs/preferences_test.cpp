#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/describe.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>

using namespace reel;
using namespace reel::test;

TEST(Preferences, ReadGivesTheValueAsText)
{
    const QDateTime date(QDate(2008, 1, 2), QTime(10, 11, 12), QTimeZone::utc());
    const QVariantList list{1, QStringLiteral("two")};
    const struct {
        QVariant value;
        QString text;
    } cases[] = {
        {25, QStringLiteral("25")},
        {-5, QStringLiteral("-5")},
        {qint64(1) << 40, QStringLiteral("1099511627776")},
        {1.5, QStringLiteral("1.5")},
        {true, QStringLiteral("1")},
        {false, QStringLiteral("0")},
        {QStringLiteral("text"), QStringLiteral("text")},
        {QStringLiteral(""), QStringLiteral("")},
        {QByteArray("\x0b\x77", 2), QStringLiteral("<0b77>")},
        {date, describe(date)},
        {list, describe(list)},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(prefWrite(QStringLiteral("k"), c.value));
        EXPECT_EQ(prefRead(QStringLiteral("k")), c.text) << c.text.toStdString();
        EXPECT_EQ(prefRead2(QStringLiteral("k")), c.value) << c.text.toStdString();
    }
}

TEST(Preferences, NothingStoredAndNullArguments)
{
    EXPECT_EQ(prefRead(QStringLiteral("absent")), QStringLiteral(""));
    EXPECT_FALSE(prefRead(QStringLiteral("absent")).isNull());
    EXPECT_FALSE(prefRead2(QStringLiteral("absent")).isValid());
    EXPECT_EQ(prefRead(QString()), QStringLiteral(""));
    EXPECT_FALSE(prefRead2(QString()).isValid());
    EXPECT_FALSE(prefWrite(QString(), 1));
    EXPECT_TRUE(prefDelete(QString()));
    // Nothing above touched the disk.
    EXPECT_FALSE(QFileInfo::exists(preferencesFilePath()));

    ASSERT_TRUE(prefWrite(QStringLiteral("k"), 25));
    EXPECT_FALSE(prefWrite(QStringLiteral("k"), QVariant()));
    EXPECT_EQ(prefRead2(QStringLiteral("k")), 25);
    // An empty key is a key like any other.
    EXPECT_TRUE(prefWrite(QStringLiteral(""), 3));
    EXPECT_EQ(prefRead2(QStringLiteral("")), 3);
}

TEST(Preferences, WriteLogsTheOldAndTheStoredValue)
{
    setDEBUG(1);
    EXPECT_TRUE(prefWrite(QStringLiteral("k"), 25));
    EXPECT_TRUE(prefWrite(QStringLiteral("k"), 25));
    EXPECT_EQ(logLines(), (QStringList{
                              QStringLiteral("prefWrite           - old ? nil"),
                              QStringLiteral("prefWrite           - def : 25"),
                              QStringLiteral("prefWrite           - old ? 25"),
                              QStringLiteral("prefWrite           - def : 25"),
                          }));
    clearLog();
    const QString longText(60, QLatin1Char('x'));
    ASSERT_TRUE(prefWrite(QStringLiteral("long"), longText));
    clearLog();
    EXPECT_EQ(prefRead(QStringLiteral("long")), longText);
    EXPECT_EQ(logLines(), QStringList{QStringLiteral("prefRead            : ") + QString(50, QLatin1Char('x'))
                                      + QString::fromUtf8(" [\xe2\x80\xa6]")});

    setDEBUG(0);
    clearLog();
    EXPECT_TRUE(prefWrite(QStringLiteral("k"), 26));
    EXPECT_EQ(prefRead(QStringLiteral("k")), QStringLiteral("26"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(Preferences, DeleteRemovesOnlyTheKey)
{
    EXPECT_TRUE(prefDelete(QStringLiteral("absent")));
    EXPECT_FALSE(QFileInfo::exists(preferencesFilePath()));

    ASSERT_TRUE(prefWrite(QStringLiteral("a"), 1));
    ASSERT_TRUE(prefWrite(QStringLiteral("b"), 2));
    EXPECT_TRUE(prefDelete(QStringLiteral("a")));
    EXPECT_TRUE(prefDelete(QStringLiteral("a")));
    EXPECT_EQ(readPreferences(), (QVariantMap{{QStringLiteral("b"), 2}}));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(Preferences, DeleteReportsUnappliedBindingChanges)
{
    int asked = 0;
    const UnappliedChangesHook previous = setUnappliedChangesHook([&] {
        ++asked;
        return true;
    });
    ASSERT_TRUE(prefWrite(QStringLiteral("a"), 1));
    EXPECT_TRUE(prefDelete(QStringLiteral("a")));
    EXPECT_TRUE(prefDelete(QStringLiteral("absent")));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(logCount(QStringLiteral("hasUnappliedChanges :-(")), 2);

    setUnappliedChangesHook([] { return false; });
    clearLog();
    EXPECT_TRUE(prefDelete(QStringLiteral("b")));
    EXPECT_TRUE(logLines().isEmpty());
    setUnappliedChangesHook(previous);
}
