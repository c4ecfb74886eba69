// The bash completion offers a file for a video by its extension: the
// extensions the converter looks for in a folder, which it keeps as a list
// of its own.
#include <probing/discovery.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

TEST(Completion, OffersVideosByTheExtensionsTheConverterLooksFor)
{
    QFile script(QStringLiteral(REELKIT_CONVERT_COMPLETION));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly)) << script.errorString().toStdString();
    const QRegularExpression list(u"^_reelkit_convert_videos='([a-z0-9|]+)'$"_s,
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = list.match(QString::fromUtf8(script.readAll()));
    ASSERT_TRUE(found.hasMatch());
    QStringList offered = found.captured(1).split(u'|');
    QStringList looked = convert::videoExtensions();
    offered.sort();
    looked.sort();
    EXPECT_EQ(offered.join(u' ').toStdString(), looked.join(u' ').toStdString());
}
