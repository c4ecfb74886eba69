#include <reel/core/debug.h>
#include <reel/strings/rewriting.h>

#include "logcapture.h"

#include <gtest/gtest.h>

using namespace reel;

namespace {

struct Rewrite {
    const char16_t *source;
    const char16_t *search;
    const char16_t *replacement;
    const char16_t *expected;
};

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

void expectRewrites(const std::vector<Rewrite> &cases, bool isRecursive)
{
    for (const Rewrite &c : cases) {
        EXPECT_EQ(findAndReplace(q(c.source), q(c.search), q(c.replacement), isRecursive), q(c.expected))
            << "source '" << q(c.source).toStdString() << "' search '" << q(c.search).toStdString() << "'";
    }
}

} // namespace

TEST(FindAndReplace, OnePassIsLeftToRightWithoutOverlap)
{
    expectRewrites({
                       {u"aaa", u"aa", u"b", u"ba"},
                       {u"a-b", u"-", u"--", u"a--b"},
                       {u"x:y:z:", u":", u"-", u"x-y-z-"},
                       {u"Abc", u"a", u"x", u"Abc"},           // case-sensitive
                       {u"\u00e9\U0001F600\u00e9", u"\U0001F600", u"x", u"\u00e9x\u00e9"},
                       {u"a    b", u"  ", u" ", u"a  b"},
                       {u"", u"a", u"b", u""},
                   },
                   false);
}

TEST(FindAndReplace, RepeatedReachesTheFixedPoint)
{
    expectRewrites({
                       {u"a    b", u"  ", u" ", u"a b"},
                       {u"x::y", u":", u"", u"xy"},
                       {u"aaaa", u"aa", u"a", u"a"},
                       {u"a  b   c    d", u"  ", u" ", u"a b c d"},
                       {u"aabb", u"ab", u"", u""},
                       {u"100%", u"%", u"_", u"100_"},
                   },
                   true);
}

// When the replacement holds the searched text, the result is one pass.
TEST(FindAndReplace, RepeatedWithSearchInsideReplacementIsOnePass)
{
    expectRewrites({
                       {u"a-b", u"-", u"--", u"a--b"},
                       {u"yWa", u"Wa", u"xWa", u"yxWa"},
                       {u"ay", u"y", u"yy", u"ayy"},
                       {u"aa", u"a", u"aa", u"aaaa"},
                       // A source holding the fixed marker keeps it.
                       {u"ZyW-a", u"-", u"--", u"ZyW--a"},
                       {u"ZyWa", u"a", u"ab", u"ZyWab"},
                       // A marker formed by the text and an inserted replacement.
                       {u"Zya", u"a", u"Wa", u"ZyWa"},
                       // The marker and its neighbours forming the searched text.
                       {u"Waa", u"Wa", u"xWa", u"xWaa"},
                       {u"Waa", u"Wa", u"yWa", u"yWaa"},
                       // Masking the replacements still leaves the searched text.
                       {u"baab", u"ab", u"bab", u"babab"},
                       {u"abbaab", u"ab", u"bab", u"babbabab"},
                   },
                   true);
}

TEST(FindAndReplace, DigitSearchesNeedOtherMarkersThanRandomNumbers)
{
    // Random numbers usually contain the digit searched; whichever marker is
    // taken in the end, the result is one pass.
    for (int digit = 0; digit <= 9; ++digit) {
        const QString d = QString::number(digit);
        const QString source = QStringLiteral("x") + d + QStringLiteral("y\uE000") + d;
        const QString expected = QStringLiteral("x") + d + d + QStringLiteral("y\uE000") + d + d;
        EXPECT_EQ(findAndReplace(source, d, d + d, true), expected) << digit;
    }
}

TEST(FindAndReplace, SourceWithoutTheSearchIsTheSameString)
{
    const QString source = QStringLiteral("nothing to see");
    for (bool recursive : {false, true}) {
        const QString result = findAndReplace(source, QStringLiteral("x"), QStringLiteral("y"), recursive);
        EXPECT_EQ(result.constData(), source.constData()) << recursive;
    }
    EXPECT_TRUE(findAndReplace(QString(), QStringLiteral("x"), QStringLiteral("y"), true).isNull());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(FindAndReplace, EmptySearchLeavesTheSourceAndLogs)
{
    EXPECT_EQ(findAndReplace(QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("x"), true),
              QStringLiteral("abc"));
    EXPECT_EQ(findAndReplace(QStringLiteral("abc"), QString(), QStringLiteral("x"), false), QStringLiteral("abc"));
    EXPECT_EQ(test::logCount(QStringLiteral("findAndReplace      :-( empty search text, 'abc' left as it is")), 2);
}

TEST(FindAndReplace, RewriteThatKeepsGrowingStops)
{
    // Every "ab" gives a new one further on while the b's double: without a
    // bound this runs out of memory.
    const QString source = QString(40, QLatin1Char('a')) + QLatin1Char('b');
    const QString result = findAndReplace(source, QStringLiteral("ab"), QStringLiteral("bbaa"), true);
    EXPECT_EQ(result, QString(39, QLatin1Char('a')) + QStringLiteral("bbaa"));
    EXPECT_TRUE(test::logContains(QStringLiteral("findAndReplace      :-(( 'ab'->'bbaa' never settles")));
}

TEST(FindAndReplace, TraceOfTheMarkerRoundTrip)
{
    setDEBUG(1);
    findAndReplace(QStringLiteral("yWa"), QStringLiteral("Wa"), QStringLiteral("xWa"), true);
    EXPECT_EQ(test::logLines(),
              QStringList({
                  QStringLiteral("findAndReplace      : oops, isRecursive != safe (returnStr:'yxWa')"),
                  QStringLiteral("findAndReplace #1   : replaceTmpStr : ZyW"),
                  QStringLiteral("findAndReplace #3   : returnStr(yZyW), replaceTmpStr('ZyW')->searchStr('ZyW'), "
                                 "replaceStr('xWa')"),
                  QStringLiteral("findAndReplace #def : isRecursive, returnStr('yZyW'), searchStr('ZyW'), "
                                 "replaceStr('xWa')"),
                  QStringLiteral("findAndReplace #def : isRecursive, returnStr('yxWa'), searchStr('ZyW'), "
                                 "replaceStr('xWa')"),
              }));

    test::clearLog();
    findAndReplace(QStringLiteral("a    b"), QStringLiteral("  "), QStringLiteral(" "), true);
    EXPECT_EQ(test::logLines(),
              QStringList({
                  QStringLiteral("findAndReplace #def : isRecursive, returnStr('a  b'), searchStr('  '), replaceStr(' ')"),
                  QStringLiteral("findAndReplace #def : isRecursive, returnStr('a b'), searchStr('  '), replaceStr(' ')"),
              }));

    test::clearLog();
    findAndReplace(QStringLiteral("baab"), QStringLiteral("ab"), QStringLiteral("bab"), true);
    EXPECT_TRUE(test::logHas(QStringLiteral("findAndReplace      :-( 'ab'->'bab'")));
    EXPECT_TRUE(test::logContains(QStringLiteral("findAndReplace #1bis: replaceTmpStr : ")));
}

TEST(FindAndReplace, NoTraceWithoutDebug)
{
    findAndReplace(QStringLiteral("yWa"), QStringLiteral("Wa"), QStringLiteral("xWa"), true);
    findAndReplace(QStringLiteral("a    b"), QStringLiteral("  "), QStringLiteral(" "), true);
    findAndReplace(QStringLiteral("baab"), QStringLiteral("ab"), QStringLiteral("bab"), true);
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(TrimStr, ShortensTheNameKeepsFolderAndExtension)
{
    const struct {
        const char16_t *path;
        uint maximum;
        const char16_t *expected;
    } cases[] = {
        {u"/Volumes/Disk/My:Movie`s.mov", 5, u"/Volumes/Disk/My-Mo.mov"},
        {u"/tmp/short.mov", 40, u"/tmp/short.mov"},
        {u"LongName.mov", 4, u"Long.mov"},
        {u"LongName", 4, u"Long"},
        {u"/tmp/a.abcdefghijkl", 10, u"/tmp/a.abcdefghijkl"}, // 12 characters still an extension
        {u"/a.b/c:d", 10, u"/a.b/c-d"},
        {u"/tmp/ab\U0001F600c.mov", 3, u"/tmp/ab.mov"}, // never half a surrogate pair
        {u"/tmp/ab\U0001F600c.mov", 4, u"/tmp/ab\U0001F600.mov"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(trimStr(q(c.path), c.maximum), q(c.expected)) << q(c.path).toStdString();
    EXPECT_TRUE(trimStr(QString(), 5).isEmpty());
    EXPECT_TRUE(test::logLines().isEmpty());
}

TEST(TrimStr, TooLongExtensionIsDroppedWithAWarning)
{
    EXPECT_EQ(trimStr(QStringLiteral("/tmp/clip.averyveryverylongtext"), 40), QStringLiteral("/tmp/clip"));
    EXPECT_EQ(test::logLines(),
              QStringList(QString::fromUtf8("trimStr() oops!     :-( ce n'était certainement pas une ext (trop de "
                                            "chars ;-) -> RAZ): averyveryverylongtext")));
}

TEST(BasenameSafer, PercentSignsBecomeUnderscores)
{
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("/tmp/100%.mov")), QStringLiteral("100_.mov"));
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("/x/%%a%d")), QStringLiteral("__a_d"));
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("plain")), QStringLiteral("plain"));
    const QString none = basenameSaferWithNoPercentStr(QString());
    EXPECT_TRUE(none.isEmpty());
    EXPECT_FALSE(none.isNull());
}
