#include <reel/core/debug.h>
#include <reel/strings/lists.h>
#include <reel/strings/rewriting.h>
#include <reel/strings/transforms.h>

#include "logcapture.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>

#include <climits>
#include <cmath>

using namespace reel;

namespace {

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

TEST(SupprimerDoublons, KeepsEachValueOnce)
{
    // Numbers match by value whatever their type; a string never matches a number.
    const QVariantList mixed = supprimerDoublons(QVariantList{1, 1.0, qint64(1), true, QStringLiteral("1"), 2.5f, 2.5, 0.1f,
                                                              0.1, std::nan(""), std::nan(""), 18446744073709551616.0, 0});
    QList<int> types;
    for (const QVariant &v : mixed)
        types << v.typeId();
    EXPECT_EQ(types, (QList<int>{QMetaType::Int, QMetaType::QString, QMetaType::Float, QMetaType::Float, QMetaType::Double,
                                 QMetaType::Double, QMetaType::Double, QMetaType::Int}))
        << "0.1 differs from 0.1f, 2^64 from 0";

    const QDateTime when(QDate(2024, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(supprimerDoublons(QVariantList{when, when, QVariantList{1}, QVariantList{1}}).size(), 2);
    EXPECT_EQ(supprimerDoublons(QStringList{"b", "a", "b", "a"}), (QStringList{"b", "a"}));
}

TEST(TriAlphabetique, SortsTextsWithoutRegardToCaseKeepingEqualOnesInOrder)
{
    EXPECT_EQ(triAlphabetique(QVariantList{"b", "A", 3, 2.5, true}), (QStringList{"1", "2.5", "3", "A", "b"}));
    EXPECT_EQ(triAlphabetique(QStringList{"bravo", "Alpha", "ALPHA"}), (QStringList{"Alpha", "ALPHA", "bravo"}));
}

TEST(InsertObjectsFromArray, InsertsInOrderInFrontOfIndex)
{
    const std::tuple<QVariantList, QVariantList, uint, QVariantList> cases[] = {
        {{"a", "d"}, {"b", "c"}, 1, {"a", "b", "c", "d"}}, {{"a"}, {"b", "c"}, 0, {"b", "c", "a"}},
        {{"a"}, {"b", "c"}, 1, {"a", "b", "c"}}, {{"a"}, {"b"}, 2, {"a"}}, // past the end: said in the log
    };
    for (auto [target, source, index, expected] : cases) {
        insertObjectsFromArray(target, source, index);
        EXPECT_EQ(target, expected);
    }
    EXPECT_EQ(test::takeLog(), QStringList{"insertObjectsFromArr:-( index 2 past the 1 elements, nothing inserted"});
    QStringList self{"x", "y"};
    insertObjectsFromArray(self, self, 1);
    EXPECT_EQ(self, (QStringList{"x", "x", "y", "y"}));
}

TEST(FindAndReplace, OnePassFixedPointAndMarkerRoundTrip)
{
    const std::tuple<const char16_t *, const char16_t *, const char16_t *, bool, const char16_t *> cases[] = {
        // One pass: left to right, no overlap, case-sensitive.
        {u"aaa", u"aa", u"b", false, u"ba"}, {u"Abc", u"a", u"x", false, u"Abc"}, {u"a    b", u"  ", u" ", false, u"a  b"},
        {u"\u00e9\U0001F600\u00e9", u"\U0001F600", u"x", false, u"\u00e9x\u00e9"},
        // Repeated: the fixed point; with the search inside the replacement, one pass.
        {u"a    b", u"  ", u" ", true, u"a b"}, {u"aabb", u"ab", u"", true, u""}, {u"a-b", u"-", u"--", true, u"a--b"},
        {u"yWa", u"Wa", u"xWa", true, u"yxWa"}, {u"x1y\uE000" u"1", u"1", u"11", true, u"x11y\uE000" u"11"},
        // A source holding the fixed marker keeps it; a marker formed by the text and an inserted
        // replacement; marker and neighbours forming the searched text; masking that still leaves it.
        {u"ZyW-a", u"-", u"--", true, u"ZyW--a"}, {u"Zya", u"a", u"Wa", true, u"ZyWa"},
        {u"Waa", u"Wa", u"xWa", true, u"xWaa"}, {u"abbaab", u"ab", u"bab", true, u"babbabab"},
    };
    for (const auto &[source, search, replacement, recursive, expected] : cases)
        EXPECT_EQ(findAndReplace(q(source), q(search), q(replacement), recursive), q(expected))
            << "'" << q(source).toStdString() << "' '" << q(search).toStdString() << "' " << recursive;
    EXPECT_TRUE(test::logLines().isEmpty()) << "every trace is a debug line";

    const QString source = QStringLiteral("nothing to see");
    EXPECT_EQ(findAndReplace(source, QStringLiteral("x"), QStringLiteral("y"), true).constData(), source.constData());
    EXPECT_EQ(findAndReplace(QStringLiteral("abc"), QString(), QStringLiteral("x"), true), QStringLiteral("abc"));
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("findAndReplace      :-( empty search text, 'abc' left as it is")});
}

TEST(FindAndReplace, EndlessRewritesStopAndLateOnesSettle)
{
    // Every "ab" gives a new one further on while the b's double: without a bound this runs out of memory.
    EXPECT_EQ(findAndReplace(QString(40, QLatin1Char('a')) + QLatin1Char('b'), QStringLiteral("ab"), QStringLiteral("bbaa"), true),
              QString(39, QLatin1Char('a')) + QStringLiteral("bbaa"));
    // One unit more on every pass, for ever: stopped all the same.
    EXPECT_EQ(findAndReplace(QStringLiteral("aaba"), QStringLiteral("aba"), QStringLiteral("baab"), true),
              QStringLiteral("abaab"));
    EXPECT_EQ(test::takeLog().size(), 2) << "each said once that it never settles";

    // Each pass turns the last "a" and the "b" after it into 1000 b's: it settles after 100 passes.
    const QString settled = findAndReplace(QString(100, QLatin1Char('a')) + QLatin1Char('b'), QStringLiteral("ab"),
                                           QString(1000, QLatin1Char('b')), true);
    EXPECT_TRUE(settled == QString(99901, QLatin1Char('b')));
    // The same in a text larger from the start than the bound for growth.
    const QString tail(16 * 1024 * 1024, QLatin1Char('c'));
    EXPECT_TRUE(findAndReplace(QStringLiteral("aab") + tail, QStringLiteral("ab"), QStringLiteral("bb"), true) ==
                QStringLiteral("bbb") + tail);
    EXPECT_TRUE(test::logLines().isEmpty());
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
}

TEST(TrimStr, ShortensTheNameKeepsFolderAndExtension)
{
    const std::tuple<const char16_t *, uint, const char16_t *> cases[] = {
        {u"/Volumes/Disk/My:Movie`s.mov", 5, u"/Volumes/Disk/My-Mo.mov"}, {u"/tmp/short.mov", 40, u"/tmp/short.mov"},
        {u"LongName", 4, u"Long"}, {u"LongName.mov", 8, u"LongName.mov"}, {u"/a.b/c:d", 10, u"/a.b/c-d"},
        {u"/tmp/a.abcdefghijkl", 10, u"/tmp/a.abcdefghijkl"}, // 12 characters still an extension
        {u"/tmp/clip.abcdefghijklm", 40, u"/tmp/clip"},      // 13 are no extension
        // Never half a surrogate pair; a lone low surrogate is no pair.
        {u"/tmp/ab\U0001F600c.mov", 3, u"/tmp/ab.mov"}, {u"/tmp/ab\U0001F600c.mov", 4, u"/tmp/ab\U0001F600.mov"},
        {u"/tmp/ab\xDC00" u"c.mov", 2, u"/tmp/ab.mov"}, {nullptr, 5, u""},
    };
    for (const auto &[path, maximum, expected] : cases)
        EXPECT_EQ(trimStr(q(path), maximum), q(expected)) << q(path).toStdString();
    EXPECT_EQ(test::logLines(),
              QStringList(QString::fromUtf8("trimStr() oops!     :-( ce n'était certainement pas une ext (trop de "
                                            "chars ;-) -> RAZ): abcdefghijklm")));
}

TEST(BasenameSafer, PercentSignsBecomeUnderscores)
{
    EXPECT_EQ(basenameSaferWithNoPercentStr(QStringLiteral("/x/%%a%d.mov")), QStringLiteral("__a_d.mov"));
}

TEST(ReverseStrInvertcase, SurrogatePairsStayWhole)
{
    const std::tuple<const char16_t *, const char16_t *, const char16_t *> cases[] = {
        {u"Hello World 42", u"24 dlroW olleH", u"hELLO wORLD 42"},
        {u"\U00010400\U00010428", u"\U00010428\U00010400", u"\U00010428\U00010400"}, // Deseret capital and small
        {u"\u00df\u01c5", u"\u01c5\u00df", u"SS\u01c5"}, // sharp s upper-cases to two letters; title case stays
        // A lone surrogate is one unit like any other.
        {u"\xD83D" u"a\U0001F600", u"\U0001F600" u"a\xD83D", u"\xD83D" u"A\U0001F600"},
    };
    for (const auto &[text, reversed, inverted] : cases) {
        EXPECT_EQ(reverseStr(q(text)), q(reversed)) << q(text).toStdString();
        EXPECT_EQ(invertcaseString(q(text)), q(inverted)) << q(text).toStdString();
    }
}

TEST(LinesToArray, SplitsAtEveryLineBreakDropsEmptyLinesAndTheLinesAreValues)
{
    // Every break at every place of the blocks the scan reads at once, among
    // lines of the neighbours of the breaks, which are ordinary characters.
    const char16_t breaks[] = {0x0A, 0x0B, 0x0C, 0x0D, 0x85, 0x2028, 0x2029};
    const char16_t letters[] = {u'a', u' ', 0x09, 0x0E, 0x84, 0x86, 0xA0, 0x2027, 0x202A, 0x3000, u'z'};
    QString text;
    for (int i = 0; i < 700; ++i) {
        text += QString(i % 19, QChar(letters[i % 11])) + QChar(breaks[i % 7]);
        if (i == 300 || i == 301) // long lines among the short: made apart, the short ones go on around them
            text += QString(70000 + i, QLatin1Char('L')) + QChar(breaks[i % 7]);
    }
    const QRegularExpression breakClass(QStringLiteral("[\\n\\x{0B}\\f\\r\\x{85}\\x{2028}\\x{2029}]"));
    const QStringList expected = text.split(breakClass, Qt::SkipEmptyParts);
    QStringList lines = linesToArray(text);
    ASSERT_EQ(lines, expected);
    EXPECT_TRUE(linesToArray(QStringLiteral("\r\n\r\n")).isEmpty());

    // A line changed or kept alone touches no other.
    QString kept = lines.at(5);
    lines[4].append(QStringLiteral("!!"));
    lines.clear();
    EXPECT_EQ(kept.utf16()[kept.size()], 0) << "a line ends in a NUL like any string";
    kept.append(QStringLiteral("xyz"));
    EXPECT_EQ(kept, expected.at(5) + QStringLiteral("xyz"));
}

TEST(AddDigits, RepeatedDigitSum)
{
    const std::pair<int, int> cases[] = {{9875, 2}, {9, 9},           {10, 1},           {0, 0},
                                         {-15, -15}, {INT_MAX, 1}, {INT_MIN, INT_MIN}, {999999999, 9}};
    for (const auto &[n, expected] : cases)
        EXPECT_EQ(addDigits(n), expected) << n;
}
