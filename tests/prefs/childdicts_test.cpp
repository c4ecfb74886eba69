#include "logcapture.h"
#include "sandbox.h"

#include <reel/core/debug.h>
#include <reel/prefs.h>

#include <gtest/gtest.h>

using namespace reel;
using namespace reel::test;

namespace {

const QString kVideo = QStringLiteral("video");
const QString kWidth = QStringLiteral("width");
const QString kHeight = QStringLiteral("height");

} // namespace

TEST(ChildDicts, ChildrenGatherUnderTheParent)
{
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    EXPECT_EQ(prefRead2(kVideo), (QVariantMap{{kWidth, 720}}));
    EXPECT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 720}, {kHeight, 576}}));

    // Replacing a child keeps the others.
    EXPECT_TRUE(prefWriteChildDico(kVideo, kWidth, 704));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kWidth, 704}, {kHeight, 576}}));
    EXPECT_EQ(prefReadChildDico(kVideo, kWidth), 704);
    EXPECT_FALSE(prefReadChildDico(kVideo, QStringLiteral("depth")).isValid());
}

TEST(ChildDicts, DeletingChildren)
{
    ASSERT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    ASSERT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    const QByteArray before = readFile(preferencesFilePath());

    EXPECT_TRUE(prefDeleteChildDico(kVideo, QStringLiteral("depth")));
    EXPECT_EQ(readFile(preferencesFilePath()), before);
    EXPECT_TRUE(prefDeleteChildDico(QStringLiteral("audio"), kWidth));
    EXPECT_EQ(readFile(preferencesFilePath()), before);

    EXPECT_TRUE(prefDeleteChildDico(kVideo, kWidth));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kHeight, 576}}));
    // The last child gone, an empty dictionary stays.
    EXPECT_TRUE(prefDeleteChildDico(kVideo, kHeight));
    EXPECT_EQ(prefReadDico(kVideo), QVariantMap{});
}

TEST(ChildDicts, NothingUnderTheParentAndNullArguments)
{
    EXPECT_FALSE(prefReadChildDico(kVideo, kWidth).isValid());
    EXPECT_FALSE(prefReadDico(kVideo).has_value());
    EXPECT_FALSE(prefWriteChildDico(QString(), kWidth, 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, QString(), 1));
    EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, QVariant()));
    EXPECT_FALSE(prefWriteDico(kVideo, std::nullopt));
    EXPECT_FALSE(prefWriteDico(QString(), QVariantMap{}));
    EXPECT_TRUE(prefDeleteChildDico(QString(), kWidth));
    EXPECT_FALSE(prefReadChildDico(kVideo, QString()).isValid());
    EXPECT_FALSE(prefRead2(kVideo).isValid());
}

TEST(ChildDicts, ParentHoldingSomethingElseIsKept)
{
    const QVariant others[] = {QStringLiteral("720x576"), 5, QVariantList{kWidth}};
    for (const QVariant &other : others) {
        SCOPED_TRACE(other.typeName());
        ASSERT_TRUE(prefWrite(kVideo, other));
        clearLog();
        EXPECT_FALSE(prefWriteChildDico(kVideo, kWidth, 720));
        EXPECT_EQ(prefRead2(kVideo), other);
        EXPECT_EQ(logLines().filter(QStringLiteral("prefWriteChildDico  :-( key=video holds no dictionary")).size(), 1);

        EXPECT_TRUE(prefDeleteChildDico(kVideo, kWidth));
        EXPECT_EQ(prefRead2(kVideo), other);
        EXPECT_EQ(logLines().filter(QStringLiteral("prefDeleteChildDico :-( key=video holds no dictionary")).size(), 1);

        EXPECT_FALSE(prefReadChildDico(kVideo, kWidth).isValid());
        EXPECT_FALSE(prefReadDico(kVideo).has_value());
    }
}

TEST(ChildDicts, WriteDicoReplacesTheWholeDictionary)
{
    setDEBUG(1);
    EXPECT_TRUE(prefWriteDico(kVideo, QVariantMap{{kWidth, 720}}));
    EXPECT_FALSE(logHas(QStringLiteral("prefWriteDico       - old n'existe plus :-)")));
    EXPECT_TRUE(prefWriteDico(kVideo, QVariantMap{{kHeight, 576}}));
    EXPECT_TRUE(logHas(QStringLiteral("prefWriteDico       - old n'existe plus :-)")));
    EXPECT_EQ(prefReadDico(kVideo), (QVariantMap{{kHeight, 576}}));
}

TEST(ChildDicts, DebugLines)
{
    setDEBUG(1);
    ASSERT_TRUE(prefWriteChildDico(kVideo, kWidth, 720));
    ASSERT_TRUE(prefWriteChildDico(kVideo, kHeight, 576));
    ASSERT_TRUE(prefDeleteChildDico(kVideo, kWidth));
    EXPECT_EQ(logLines(), (QStringList{
                              QStringLiteral("prefWriteChildDico  : new key=width, new value=720"),
                              QStringLiteral("prefWriteChildDico  : new key=height, new value=576"),
                              QStringLiteral("key to delete       : key=width, value=720"),
                          }));
}
