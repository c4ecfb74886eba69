#include <reel/core/debug.h>
#include <reel/core/log.h>

#include "logcapture.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace reel;

TEST(Debug, LevelKeepsEightBitsAndGatesTheLog)
{
    // What is set, what is kept; the log is on for any level but 0 and the
    // developer switch off at every level.
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {255, -1}, {256, 0}, {257, 1}, {128, -128}};
    for (const auto &[set, kept] : cases) {
        setDEBUG(set);
        EXPECT_EQ(getDEBUG(), kept) << set;
        EXPECT_EQ(debugOn(), kept != 0) << set;
        EXPECT_FALSE(getDEBUGDEV(1) || getDEBUGDEV(2)) << set;
    }

    setDEBUG(0);
    test::clearLog();
    logDebug("hidden %d", 1);
    logDev(1, "developer %d", 1);
    logAlways("always %d", 1);
    setDEBUG(-1);
    logDebug("shown %@", QStringLiteral("x"));
    logDev(2, "developer %d", 2);
    EXPECT_EQ(test::takeLog(), (QStringList{"always 1", "shown x"}));
}

TEST(Log, TrimmedValues)
{
    const QString fifty(50, QLatin1Char('a'));
    EXPECT_EQ(valueTrimmedForLogAsStr(fifty), fifty);
    EXPECT_EQ(valueTrimmedForLogAsStr(fifty + QLatin1Char('b')), fifty + QString::fromUtf8(" [\xe2\x80\xa6]"));
    EXPECT_EQ(valueTrimmedForLogAsStr(QVariant()), QStringLiteral("(null)"));
    EXPECT_EQ(valueTrimmedForLogAsStr(25), QStringLiteral("25"));
    // Lists are cut in their description text.
    EXPECT_EQ(valueTrimmedForLogAsStr(QVariantList{fifty}),
              QStringLiteral("(\n    ") + QString(44, QLatin1Char('a')) + QString::fromUtf8(" [\xe2\x80\xa6]"));
}

namespace {

QString runProbe(const QStringList &args)
{
    QProcess probe;
    probe.start(QStringLiteral(REDIRECT_PROBE), args);
    EXPECT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0);
    return QString::fromUtf8(probe.readAllStandardError());
}

// "2026-12-06 08:15:17.123 redirect_probe[123:123] " before each log line.
const QRegularExpression kPrefix(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} redirect_probe\[\d+:\d+\] )"),
                                 QRegularExpression::MultilineOption);

QStringList linesWithoutPrefix(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).remove(kPrefix).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(Log, RedirectOncePerProcess)
{
    const QString first = test::scratchDir() + QStringLiteral("/first.log");
    const QString second = test::scratchDir() + QStringLiteral("/second.log");
    test::writeFile(first, "earlier\n");
    const QString terminal = runProbe({first, second});

    // Before the redirection, the first line went to the terminal.
    EXPECT_TRUE(terminal.contains(QString::fromUtf8("redirectStdoutToFile\xe2\x80\xa6")));
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_EQ(linesWithoutPrefix(test::readFile(first)),
              (QStringList{"earlier", "printed on stdout", QString::fromUtf8("redirectStdoutToFile\xe2\x80\xa6"),
                           "if (newStdout || newStderr)", "logged after"}));
}

TEST(Log, RedirectToAnUnusablePathKeepsTheStreams)
{
    const QString terminal = runProbe({test::scratchDir() + QStringLiteral("/no/such/folder/x.log")});
    EXPECT_TRUE(terminal.contains(QStringLiteral("redirectLogs2File   :-( ")));
    EXPECT_TRUE(terminal.contains(QStringLiteral("logged after"))) << "stderr still works";
    EXPECT_TRUE(kPrefix.match(terminal).hasMatch()) << terminal.toStdString();
}
