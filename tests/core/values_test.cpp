// Values as text and text as values: descriptions, formats, numbers read from
// text, paths; the log, and the application loop.
#include <reel/core/debug.h>
#include <reel/core/describe.h>
#include <reel/core/format.h>
#include <reel/core/log.h>
#include <reel/core/paths.h>
#include <reel/core/scan.h>
#include <reel/widgets/application.h>

#include "logcapture.h"
#include "sandbox.h"
#include "toolscript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <limits>

using namespace reel;
using namespace Qt::StringLiterals;

namespace {

QString q(const char *s)
{
    return QString::fromUtf8(s);
}

struct StayOpen : AppDelegate {
    bool applicationShouldTerminateAfterLastWindowClosed(QApplication *) override { return false; }
};

} // namespace

TEST(Describe, ValuesAsOldStylePropertyListText)
{
    const std::pair<QVariant, const char *> cases[] = {
        {QVariant(), "(null)"}, {u"a b"_s, "a b"}, {true, "1"}, {qint64(-9000000000), "-9000000000"},
        {quint64(18446744073709551615ULL), "18446744073709551615"}, {0.1, "0.1"}, {23.98f, "23.98"},
        {std::numeric_limits<double>::infinity(), "inf"}, {QByteArray(), "<>"},
        {QByteArray("\x00\x00\x01\xba\x44\x00\x04\x00\x04\x01", 10), "<000001ba 44000400 0401>"},
        {QVariantList{}, "(\n)"}, {QVariantMap{}, "{\n}"},
        // Letters, digits and _$+/:.- stand bare; anything else is quoted.
        {QStringList{"$5", "+1", "a/b", "a:b", "x.mov", "a-b", "A_9", "b c", q("\xc3\xa9"), ""},
         "(\n    $5,\n    +1,\n    a/b,\n    a:b,\n    x.mov,\n    a-b,\n    A_9,\n    \"b c\",\n    \"\\U00e9\",\n    \"\"\n)"},
        {QVariantMap{{u"width"_s, 720},
                     {u"a key"_s, QVariantList{1, 2}},
                     {u"q"_s, u"say \"hi\"\n"_s}},
         "{\n    \"a key\" = (\n        1,\n        2\n    );\n    q = \"say \\\"hi\\\"\\n\";\n    width = 720;\n}"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(describe(value), q(text));
}

TEST(Format, Directives)
{
    const std::pair<QString, const char *> cases[] = {
        {format("%@ and %@", u"a"_s, 3), "a and 3"}, {format("%.3f", 1.7778f), "1.778"},
        {format("%u", -1), "4294967295"}, {format("%d", qint64(4294967297LL)), "1"}, // %d takes 32 bits
        {format("%ld|%lld", qint64(4294967297LL), qint64(-5)), "4294967297|-5"}, {format("100%%"), "100%"},
        {format("%05.1f|%-4d|", 2.25, 7), "002.2|7   |"}, {format("%x %X %o", 255, 255, 8), "ff FF 10"},
        {format("%c%c", u"xy"_s, 65), "xA"}, {format("%d", std::nan("")), "0"}, // no undefined conversion
        {format("missing %@ %d %k trailing %", u"x"_s), "missing x 0 %k trailing %"},
        {format("%s\u2026", "caf\xc3\xa9"), "caf\xc3\xa9\xe2\x80\xa6"},
        {format("'%@' > '%@'", u"%@%d"_s, u"%1"_s), "'%@%d' > '%1'"}, // arguments stay as they are
    };
    for (const auto &[formatted, expected] : cases)
        EXPECT_EQ(formatted, q(expected));
}

TEST(Scan, IntAndFloatValuesAndScannerPositions)
{
    const std::pair<const char *, int> ints[] = {
        {"  -7x", -7}, {"+3", 3}, {"--5", 0}, {"\n\t 12", 12}, {"12.9", 12}, {"0x10", 0},
        {"\xe2\x80\x83" "8", 8}, // em space is white space
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}};
    for (const auto &[text, expected] : ints)
        EXPECT_EQ(intValue(q(text)), expected) << text;
    EXPECT_EQ(longLongValue(u"-99999999999999999999"), std::numeric_limits<qint64>::min());

    // Read in double precision and narrowed once.
    const std::pair<const char *, float> floats[] = {
        {" 05.40", 5.4f}, {"-3.5abc", -3.5f}, {".5", 0.5f}, {"5.", 5.0f}, {"1e3", 1000.f}, {"1e+", 1.0f},
        {"12,5", 12.f},   {".", 0.f},         {"inf", 0.f}, {"nan", 0.f}, {"23.98", 23.98f}, {"2.675", 2.675f}};
    for (const auto &[text, expected] : floats)
        EXPECT_EQ(floatValue(q(text)), expected) << text;
    EXPECT_EQ(floatValue(u"-1e39"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(doubleValue(u"1e-400"), 0.0);
    EXPECT_EQ(doubleValue(u"0.1"), 0.1);

    // text, what is skipped, the position before and after the scan, the value
    const std::tuple<const char16_t *, ScanSkip, qsizetype, qsizetype, std::optional<float>> cases[] = {
        {u"x264", ScanSkip::Letters, 0, 4, 264.f},
        {u"\u00e9t\u00e912", ScanSkip::Letters, 0, 5, 12.f}, // accented letters are letters
        {u"\t12", ScanSkip::Letters, 0, 0, std::nullopt}, // a failed scan leaves the position alone
        {u" 12", ScanSkip::Nothing, 0, 0, std::nullopt},
        {u"Enc1 \n 500 frames", ScanSkip::WhitespaceAndNewlines, 4, 10, 500.f}, // from the middle
    };
    for (const auto &[text, skip, start, end, value] : cases) {
        qsizetype pos = start;
        EXPECT_EQ(scanFloat(text, &pos, skip), value) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(pos, end) << QString::fromUtf16(text).toStdString();
    }
}

TEST(Paths, TakingPathsApartAndPuttingThemTogether)
{
    // One row per rule: the last component, the path without it, the
    // extension, the path without it (nullptr: not checked on that row).
    const std::tuple<const char *, const char *, const char *, const char *, const char *> cases[] = {
        {"/tmp/a.b.mov", "a.b.mov", "/tmp", "mov", "/tmp/a.b"}, {"a//b/", "b", "a", nullptr, nullptr}, {"/", "/", "/", "", "/"},
        {"", "", "", "", ""}, {"/tmp/.profile", ".profile", "/tmp", "", "/tmp/.profile"},
        {"scratch..tiff", "scratch..tiff", "", "tiff", "scratch."}, {"dir.d/file", "file", "dir.d", "", "dir.d/file"},
    };
    for (const auto &[path, last, parent, extension, withoutExtension] : cases) {
        const std::pair<QString (*)(const QString &), const char *> columns[] = {
            {lastPathComponent, last}, {stringByDeletingLastPathComponent, parent},
            {pathExtension, extension}, {stringByDeletingPathExtension, withoutExtension}};
        for (const auto &[f, expected] : columns)
            if (expected)
                EXPECT_EQ(f(q(path)), q(expected)) << path;
    }
    EXPECT_TRUE(lastPathComponent(QString()).isNull());
    EXPECT_EQ(pathComponents(u"a/b/"_s), (QStringList{"a", "b", "/"}));

    const std::tuple<QString (*)(const QString &, const QString &), const char *, const char *, const char *> joins[] = {
        {stringByAppendingPathComponent, "/tmp//", "a//b/", "/tmp/a/b"}, {stringByAppendingPathComponent, "", "x", "x"},
        {stringByAppendingPathComponent, "/tmp", "", "/tmp"}, {stringByAppendingPathExtension, "/tmp/", "mov", "/tmp.mov"},
        {stringByAppendingPathExtension, "/tmp/a.", "tiff", "/tmp/a..tiff"}, {stringByAppendingPathExtension, "/tmp/a", "", "/tmp/a"}};
    for (const auto &[join, path, part, expected] : joins)
        EXPECT_EQ(join(q(path), q(part)), q(expected)) << path << " + " << part;
}

TEST(Paths, TildesAndStandardForms)
{
    const QString home = test::homePath();
    // The rest of the path is kept as written, trailing separator included.
    const std::tuple<QString (*)(const QString &), const char *, QString> cases[] = {
        {stringByExpandingTildeInPath, "~/", home + u"/"_s},
        {stringByExpandingTildeInPath, "/tmp/~x", u"/tmp/~x"_s},
        {stringByExpandingTildeInPath, "~no-such-user-xyz/a", u"~no-such-user-xyz/a"_s},
        {stringByExpandingTildeInPath, "~root/x", homeDirectoryForUser(u"root"_s) + u"/x"_s},
        {stringByStandardizingPath, "/a/./b//c/", u"/a/b/c"_s}, {stringByStandardizingPath, "/a/b/../c", u"/a/c"_s},
        {stringByStandardizingPath, "/../a", u"/a"_s}, {stringByStandardizingPath, "a/../b", u"a/../b"_s},
        {stringByStandardizingPath, "./a", u"a"_s}, {stringByStandardizingPath, ".", u"."_s},
        {stringByStandardizingPath, "~/x/../y", home + u"/y"_s}};
    for (const auto &[f, path, expected] : cases)
        EXPECT_EQ(f(q(path)), expected) << path;
}

TEST(Debug, LevelKeepsEightBitsAndGatesTheLog)
{
    // What is set, what is kept; the log is on for any level but 0 and the
    // developer switch off at every level.
    for (const auto &[set, kept] : {std::pair(1, 1), {255, -1}, {128, -128}, {256, 0}}) {
        setDEBUG(set);
        EXPECT_EQ(getDEBUG(), kept) << set;
        EXPECT_EQ(debugOn(), kept != 0) << set;
        EXPECT_FALSE(getDEBUGDEV(1)) << set;
    }
    logDebug("hidden %d", 1);
    logAlways("always %d", 1);
    setDEBUG(-1);
    logDebug("shown %@", u"x"_s);
    logDev(2, "developer %d", 2);
    EXPECT_EQ(test::takeLog(), (QStringList{"always 1", "shown x"}));

    const QString fifty(50, QLatin1Char('a'));
    EXPECT_EQ(valueTrimmedForLogAsStr(fifty), fifty);
    EXPECT_EQ(valueTrimmedForLogAsStr(fifty + QLatin1Char('b')), fifty + q(" [\xe2\x80\xa6]"));
}

TEST(Log, LabelTakesItsColumnAsHandPaddedLinesDid)
{
    const std::pair<const char *, const char *> rows[] = {
        {"rmCocoa", "rmCocoa             "},                      // short label left unpadded
        {"isStringSafe4TaskWit", "isStringSafe4TaskWit"},         // a space added at the width
        {"isStringSafe4TaskWithStr", "isStringSafe4TaskWit"},     // long label not cut
        {"", "                    "},                             // empty label dropped
    };
    for (const auto &[label, handPadded] : rows) {
        logAlways(LogLabel(label), ":-( %@", u"x"_s);
        logAlways(LogLabel(q(label)), ":-( %@", u"x"_s);
        const QString expected = q(handPadded) + u":-( x"_s;
        EXPECT_EQ(test::takeLog(), (QStringList{expected, expected})) << label;
    }
}

TEST(Log, RedirectOncePerProcessAndNeverToAnUnusablePath)
{
    const auto runProbe = [](const QStringList &args) {
        const test::ProgramRun probe = test::runProgram(QStringLiteral(REDIRECT_PROBE), args);
        EXPECT_EQ(probe.status, 0);
        return QString::fromUtf8(probe.err);
    };
    // "2026-12-06 08:15:17.123 redirect_probe[123:123] " before each log line.
    const QRegularExpression prefix(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} redirect_probe\[\d+:\d+\] )"),
                                    QRegularExpression::MultilineOption);
    const QString first = test::writeFile(test::scratchDir() + u"/first.log"_s, "earlier\n");
    const QString second = test::scratchDir() + u"/second.log"_s;
    // Before the redirection, the first line went to the terminal.
    EXPECT_TRUE(runProbe({first, second}).contains(q("redirectStdoutToFile\xe2\x80\xa6")));
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_EQ(QString::fromUtf8(test::readFile(first)).remove(prefix).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              (QStringList{"earlier", "printed on stdout", q("redirectStdoutToFile\xe2\x80\xa6"), "if (newStdout || newStderr)",
                           "logged after"}));

    const QString terminal = runProbe({test::scratchDir() + u"/no/such/folder/x.log"_s});
    // The failure is told on the terminal, which still works.
    EXPECT_TRUE(terminal.contains(u"redirectLogs2File   :-( "_s)) << terminal.toStdString();
    EXPECT_TRUE(terminal.contains(u"logged after"_s)) << terminal.toStdString();
    EXPECT_TRUE(prefix.match(terminal).hasMatch()) << terminal.toStdString();
}

// Ending with the last window is applicationMain's test; here the delegate says no.
TEST(Application, TheLoopOutlivesTheLastWindowWhenTheDelegateSaysSo)
{
    StayOpen no;
    QWidget window;
    QTimer::singleShot(50, &window, &QWidget::close);
    QTimer::singleShot(400, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(runApplication(*qApp, no, &window), 7);
    qApp->setQuitOnLastWindowClosed(true);
}
