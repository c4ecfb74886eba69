// Single values, child dictionaries and the developer switch.
#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/core/describe.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace reel;
using namespace reel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kVideo = u"video"_s;
const QString kWidth = u"width"_s;
const QString kHeight = u"height"_s;

} // namespace

TEST(Preferences, ReadGivesTheValueAsText)
{
    const QVariantList list{1, u"two"_s};
    const struct {
        QVariant value;
        QString text;
    } cases[] = {
        {25, u"25"_s},
        {1.5, u"1.5"_s},
        {true, u"1"_s},
        {false, u"0"_s},
        {u""_s, u""_s},
        {QByteArray("\x0b\x77", 2), u"<0b77>"_s},
        {list, describe(list)},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(prefWrite(u"k"_s, c.value));
        EXPECT_EQ(prefRead(u"k"_s), c.text) << c.text.toStdString();
        EXPECT_EQ(prefRead2(u"k"_s), c.value) << c.text.toStdString();
    }
}

TEST(Preferences, NothingStoredAndNullArguments)
{
    EXPECT_EQ(prefRead(u"absent"_s), u""_s);
    EXPECT_FALSE(prefRead(u"absent"_s).isNull());
    EXPECT_FALSE(prefRead2(u"absent"_s).isValid());
    EXPECT_EQ(prefRead(QString()), u""_s);
    EXPECT_FALSE(prefRead2(QString()).isValid());
    EXPECT_FALSE(prefWrite(QString(), 1));
    EXPECT_TRUE(prefDelete(QString()));
    EXPECT_TRUE(prefDelete(u"absent"_s));
    EXPECT_FALSE(prefReadChildDico(kVideo, kWidth).isValid());
    EXPECT_FALSE(prefReadDico(kVideo).has_value());
    EXPECT_FALSE(prefWriteChildDico(QString(), kWidth, 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, QString(), 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, QVariant()));
    EXPECT_FALSE(prefWriteDico(kVideo, std::nullopt));
    EXPECT_FALSE(prefWriteDico(QString(), QVariantMap{}));
    EXPECT_TRUE(prefDeleteChildDico(QString(), kWidth));
    EXPECT_FALSE(QFileInfo::exists(preferencesFilePath())) << "nothing above touches the disk";

    ASSERT_TRUE(prefWrite(u"k"_s, 25));
    EXPECT_FALSE(prefWrite(u"k"_s, QVariant()));
    // An empty key is a key like any other.
    EXPECT_TRUE(prefWrite(u""_s, 3));
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"k"_s, 25}, {u""_s, 3}}));
}

TEST(Preferences, DebugLines)
{
    setDEBUG(1);
    EXPECT_TRUE(prefWrite(u"k"_s, 25));
    EXPECT_TRUE(prefWrite(u"k"_s, 25));
    EXPECT_EQ(logLines(), (QStringList{u"prefWrite           - old ? nil"_s, u"prefWrite           - def : 25"_s,
                                       u"prefWrite           - old ? 25"_s, u"prefWrite           - def : 25"_s}));
    ASSERT_TRUE(prefWrite(u"long"_s, QString(60, u'x')));
    clearLog();
    EXPECT_EQ(prefRead(u"long"_s), QString(60, u'x'));
    EXPECT_EQ(logLines(), QStringList{u"prefRead            : "_s + QString(50, u'x') + u" […]"_s});

    setDEBUG(0);
    clearLog();
    EXPECT_TRUE(prefWrite(u"k"_s, 26));
    EXPECT_EQ(prefRead(u"k"_s), u"26"_s);
    EXPECT_TRUE(logLines().isEmpty());
}

TEST(Preferences, DeleteRemovesOnlyTheKeyAndReportsUnappliedChanges)
{
    ASSERT_TRUE(prefWrite(u"a"_s, 1));
    ASSERT_TRUE(prefWrite(u"b"_s, 2));
    EXPECT_TRUE(prefDelete(u"a"_s));
    EXPECT_EQ(readPreferences(), (QVariantMap{{u"b"_s, 2}}));
    EXPECT_TRUE(logLines().isEmpty());

    bool unapplied = true;
    int asked = 0;
    const UnappliedChangesHook previous = setUnappliedChangesHook([&] {
        ++asked;
        return unapplied;
    });
    EXPECT_TRUE(prefDelete(u"b"_s));
    EXPECT_TRUE(prefDelete(u"absent"_s));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(logCount(u"hasUnappliedChanges :-("_s), 2);
    unapplied = false;
    clearLog();
    EXPECT_TRUE(prefDelete(u"c"_s));
    EXPECT_TRUE(logLines().isEmpty());
    setUnappliedChangesHook(previous);
}

TEST(ChildDicts, ChildrenGatherUnderTheParent)
{
    setDEBUG(1);
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    EXPECT_EQ(prefRead2(kVideo), (QVariantMap{{kWidth, 720}}));
    EXPECT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 720}, {kHeight, 576}}));
    EXPECT_EQ(logLines().filter(u"prefWriteChildDico"_s), (QStringList{u"prefWriteChildDico  : new key=width, new value=720"_s,
                                                                        u"prefWriteChildDico  : new key=height, new value=576"_s}));
    // Replacing a child keeps the others.
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 704));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 704}, {kHeight, 576}}));
    EXPECT_EQ(prefReadChildDico(kVideo, kWidth), 704);
    EXPECT_FALSE(prefReadChildDico(kVideo, u"depth"_s).isValid());
}

TEST(ChildDicts, DeletingChildren)
{
    ASSERT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    ASSERT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    const QByteArray before = readFile(preferencesFilePath());
    EXPECT_TRUE(prefDeleteChildDico(kVideo, u"depth"_s));
    EXPECT_TRUE(prefDeleteChildDico(u"audio"_s, kWidth));
    EXPECT_EQ(readFile(preferencesFilePath()), before);

    setDEBUG(1);
    EXPECT_TRUE(prefDeleteChildDico(kVideo, kWidth));
    EXPECT_EQ(logLines(), QStringList{u"key to delete       : key=width, value=720"_s});
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kHeight, 576}}));
    // The last child gone, an empty dictionary stays.
    EXPECT_TRUE(prefDeleteChildDico(kVideo, kHeight));
    EXPECT_EQ(prefReadDico(kVideo), QVariantMap{});
}

TEST(ChildDicts, ParentHoldingSomethingElseIsKept)
{
    for (const QVariant &other : {QVariant(u"720x576"_s), QVariant(5), QVariant(QVariantList{kWidth})}) {
        SCOPED_TRACE(other.typeName());
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

TEST(ChildDicts, WriteDicoReplacesTheWholeDictionary)
{
    setDEBUG(1);
    EXPECT_TRUE(prefWriteDico(kVideo, QVariantMap{{kWidth, 720}}));
    EXPECT_FALSE(logHas(u"prefWriteDico       - old n'existe plus :-)"_s));
    EXPECT_TRUE(prefWriteDico(kVideo, QVariantMap{{kHeight, 576}}));
    EXPECT_TRUE(logHas(u"prefWriteDico       - old n'existe plus :-)"_s));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kHeight, 576}}));
}

TEST(DevSwitch, AnswersFromTheIdPreferenceReadOnEveryCall)
{
    const QString marker = u"reelkit-videoworkshop.org"_s;
    setDEBUG(1);
    EXPECT_FALSE(getDEBUGMOI());
    EXPECT_TRUE(logLines().isEmpty()) << "without an id nothing more is read";
    const struct {
        QVariant id;
        bool on;
    } cases[] = {
        {u"user "_s + marker + u" at home"_s, true},
        {marker.toUpper(), false},
        {marker.toUtf8(), false},
        {QVariantList{marker}, false},
        {marker, true},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(prefWrite(u"id"_s, c.id));
        EXPECT_EQ(getDEBUGMOI(), c.on) << describe(c.id).toStdString();
    }
    // The last value was the marker: deleting it turns the switch off at once.
    ASSERT_TRUE(prefDelete(u"id"_s));
    EXPECT_FALSE(getDEBUGMOI());
}
