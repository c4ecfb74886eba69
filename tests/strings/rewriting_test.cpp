#include <reel/core/debug.h>
#include <reel/strings/rewriting.h>

#include "logcapture.h"

#include <gtest/gtest.h>

using namespace reel;

namespace {

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

TEST(FindAndReplace, OnePassFixedPointAndMarkerRoundTrip)
{
    const struct {
        const char16_t *source, *search, *replacement;
        bool recursive;
        const char16_t *expected;
    } cases[] = {
        // One pass: left to right, no overlap, case-sensitive.
        {u"aaa", u"aa", u"b", false, u"ba"}, {u"a-b", u"-", u"--", false, u"a--b"},
        {u"Abc", u"a", u"x", false, u"Abc"}, {u"a    b", u"  ", u" ", false, u"a  b"}, {u"", u"a", u"b", false, u""},
        {u"\u00e9\U0001F600\u00e9", u"\U0001F600", u"x", false, u"\u00e9x\u00e9"},
        // Repeated: the fixed point.
        {u"a    b", u"  ", u" ", true, u"a b"}, {u"x::y", u":", u"", true, u"xy"},
        {u"aaaa", u"aa", u"a", true, u"a"}, {u"aabb", u"ab", u"", true, u""},
        // Repeated with the search inside the replacement: one pass.
        {u"a-b", u"-", u"--", true, u"a--b"}, {u"yWa", u"Wa", u"xWa", true, u"yxWa"},
        {u"ay", u"y", u"yy", true, u"ayy"}, {u"aa", u"a", u"aa", true, u"aaaa"},
        {u"x1y\uE000" u"1", u"1", u"11", true, u"x11y\uE000" u"11"},
        // A source holding the fixed marker keeps it; a marker formed by the
        // text and an inserted replacement; marker and neighbours forming the
        // searched text; masking that still leaves the searched text.
        {u"ZyW-a", u"-", u"--", true, u"ZyW--a"}, {u"ZyWa", u"a", u"ab", true, u"ZyWab"},
        {u"Zya", u"a", u"Wa", true, u"ZyWa"}, {u"Waa", u"Wa", u"xWa", true, u"xWaa"},
        {u"Waa", u"Wa", u"yWa", true, u"yWaa"}, {u"baab", u"ab", u"bab", true, u"babab"},
        {u"abbaab", u"ab", u"bab", true, u"babbabab"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findAndReplace(q(c.source), q(c.search), q(c.replacement), c.recursive), q(c.expected))
            << "'" << q(c.source).toStdString() << "' '" << q(c.search).toStdString() << "' " << c.recursive;

    EXPECT_TRUE(test::logLines().isEmpty()) << "every trace is a debug line";
}

TEST(FindAndReplace, UntouchedSourceEmptySearchAndEndlessGrowth)
{
    const QString source = QStringLiteral("nothing to see");
    for (bool recursive : {false, true})
        EXPECT_EQ(findAndReplace(source, QStringLiteral("x"), QStringLiteral("y"), recursive).constData(),
                  source.constData()) << "the very same string";
    EXPECT_TRUE(findAndReplace(QString(), QStringLiteral("x"), QStringLiteral("y"), true).isNull());

    EXPECT_EQ(findAndReplace(QStringLiteral("abc"), QString(), QStringLiteral("x"), true), QStringLiteral("abc"));
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("findAndReplace      :-( empty search text, 'abc' left as it is")});

    // Every "ab" gives a new one further on while the b's double: without a
    // bound this runs out of memory.
    EXPECT_EQ(findAndReplace(QString(40, QLatin1Char('a')) + QLatin1Char('b'), QStringLiteral("ab"), QStringLiteral("bbaa"), true),
              QString(39, QLatin1Char('a')) + QStringLiteral("bbaa"));
    EXPECT_TRUE(test::logContains(QStringLiteral("findAndReplace      :-(( 'ab'->'bbaa' never settles")));
}

TEST(FindAndReplace, ARewriteThatSettlesLateGivesItsFixedPoint)
{
    // Each pass turns the last "a" and the "b" after it into 1000 b's: it
    // settles after 100 passes at 1 + 100 * 999 units.
    const QString settled = findAndReplace(QString(100, QLatin1Char('a')) + QLatin1Char('b'), QStringLiteral("ab"),
                                           QString(1000, QLatin1Char('b')), true);
    EXPECT_TRUE(settled == QString(99901, QLatin1Char('b')));

    // The same in a text larger from the start than the bound for growth.
    const QString tail(16 * 1024 * 1024, QLatin1Char('c'));
    const QString large = findAndReplace(QStringLiteral("aab") + tail, QStringLiteral("ab"), QStringLiteral("bb"), true);
    EXPECT_TRUE(large == QStringLiteral("bbb") + tail);

    // The bound for growth from a small start is 16 Mi units: "aaab" with
    // "ab" -> K b's ends, after three passes, at 3K - 2 units.
    for (const int k : {5592406, 5592407}) {
        const QString end = findAndReplace(QStringLiteral("aaab"), QStringLiteral("ab"), QString(k, QLatin1Char('b')), true);
        EXPECT_EQ(end.size(), k == 5592406 ? 16 * 1024 * 1024 : k + 2) << "past the bound: the one-pass result";
    }
    EXPECT_EQ(test::logLines().size(), 1) << "only past the bound";

    // One unit more on every pass, for ever: stopped all the same.
    EXPECT_EQ(findAndReplace(QStringLiteral("aaba"), QStringLiteral("aba"), QStringLiteral("baab"), true),
              QStringLiteral("abaab"));
    EXPECT_TRUE(test::logContains(QStringLiteral("findAndReplace      :-(( 'aba'->'baab' never settles")));
}

TEST(FindAndReplace, EveryPrivateUseCharacterOfTheTextsIsSeenAsUsed)
{
    // "ab"->"bab" in "baab": masking always leaves an "ab", so every marker
    // is refused; the debug trace tells which ones were tried.
    QString all;
    for (char16_t c = 0xE000; c != 0xF900; ++c)
        all += QChar(c);
    setDEBUG(1);
    findAndReplace(QStringLiteral("baab") + all.first(1) + all.sliced(2), QStringLiteral("ab"), QStringLiteral("bab"), true);
    EXPECT_TRUE(test::logHas(QStringLiteral("findAndReplace #1bis: replaceTmpStr : \uE001")));
    test::clearLog();
    EXPECT_EQ(findAndReplace(QStringLiteral("baab") + all, QStringLiteral("ab"), QStringLiteral("bab"), true),
              QStringLiteral("babab") + all);
    EXPECT_FALSE(test::logHas(QStringLiteral("findAndReplace #1bis: replaceTmpStr : \uF8FF")));
    EXPECT_TRUE(test::logHas(QStringLiteral("findAndReplace      :-( 'ab'->'bab'")));
}

TEST(TrimStr, ShortensTheNameKeepsFolderAndExtension)
{
    const struct {
        const char16_t *path;
        uint maximum;
        const char16_t *expected;
    } cases[] = {
        {u"/Volumes/Disk/My:Movie`s.mov", 5, u"/Volumes/Disk/My-Mo.mov"}, {u"/tmp/short.mov", 40, u"/tmp/short.mov"},
        {u"LongName.mov", 4, u"Long.mov"}, {u"LongName", 4, u"Long"}, {u"/a.b/c:d", 10, u"/a.b/c-d"},
        {u"/tmp/a.abcdefghijkl", 10, u"/tmp/a.abcdefghijkl"}, // 12 characters still an extension
        {u"/tmp/ab\U0001F600c.mov", 3, u"/tmp/ab.mov"}, // never half a surrogate pair
        {u"/tmp/ab\U0001F600c.mov", 4, u"/tmp/ab\U0001F600.mov"},
        {u"/tmp/ab\xDC00c.mov", 2, u"/tmp/ab.mov"}, // a lone low surrogate is no pair
        {u"LongName.mov", 8, u"LongName.mov"}, {u"/tmp/clip.abcdefghijklm", 40, u"/tmp/clip"}, // 13 characters are no extension
    };
    for (const auto &c : cases)
        EXPECT_EQ(trimStr(q(c.path), c.maximum), q(c.expected)) << q(c.path).toStdString();
    EXPECT_TRUE(trimStr(QString(), 5).isEmpty());
    EXPECT_EQ(test::logLines(),
              QStringList(QString::fromUtf8("trimStr() oops!     :-( ce n'était certainement pas une ext (trop de "
                                            "chars ;-) -> RAZ): abcdefghijklm")));
}

TEST(BasenameSafer, PercentSignsBecomeUnderscores)
{
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("/tmp/100%.mov")), QStringLiteral("100_.mov"));
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("/x/%%a%d")), QStringLiteral("__a_d"));
    const QString none = basenameSaferWithNoPercentStr(QString());
    EXPECT_TRUE(none.isEmpty() && !none.isNull());
}
