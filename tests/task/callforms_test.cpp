// The ways a program writes the lists it hands over. That this file compiles
// is half of the test: a braced list of strings must reach the QStringList
// forms without naming a type, and a QVariantList the forms for values.
#include "sandbox.h"

#include <reel/strings/lists.h>
#include <reel/task/pipeline.h>

#include <gtest/gtest.h>

#include <type_traits>

using namespace reel;
using namespace Qt::StringLiterals;

TEST(CallForms, BracedListsReachTheStringAndValueForms)
{
    const QString file = test::writeFile(test::scratchDir() + u"/in.txt"_s, "one\ntwo\n");
    const QString cat = u"/bin/cat"_s;
    EXPECT_EQ(taskArray1PipeMax({"/bin/cat", file}, true), u"one\ntwo\n"_s);
    EXPECT_EQ(taskArray1PipeMax({cat, "-n", file, "|", "/usr/bin/wc", "-l"}, false), u"2\n"_s);
    EXPECT_EQ(taskArrayPipes({cat, file, "|", "/bin/cat"}), u"one\ntwo\n"_s);
    EXPECT_EQ(taskArrayPipes(QVariantList{"/bin/echo", 5, 2.5}), u"5 2.5\n"_s);
    EXPECT_EQ(array2Str({"ffmpeg", "-i", "in.mkv"}), u"ffmpeg -i in.mkv"_s);
    EXPECT_EQ(array2Str(QVariantList{"-b:v", 800}), u"-b:v 800"_s);

    static_assert(std::is_same_v<decltype(reverseArray({"a", "b"})), QStringList>);
    static_assert(std::is_same_v<decltype(supprimerDoublons({"a", "b"})), QStringList>);
    static_assert(std::is_same_v<decltype(reverseArray(QVariantList{})), QVariantList>);
    static_assert(std::is_same_v<decltype(supprimerDoublons(QVariantList{})), QVariantList>);
    EXPECT_EQ(triAlphabetique(QVariantList{2, u"a"_s}), (QStringList{u"2"_s, u"a"_s}));
}
