// The tool-process class under the conversion and the disc, with a shell
// for its tool: the lines of its error output (cut as ToolOutput cuts
// them), one end whatever happens, and a tool deaf to SIGTERM killed after
// the grace period.
#include "sandbox.h"
#include "tables.h"

#include <jobs/toolprocess.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace convert;
using namespace Qt::StringLiterals;

namespace {

class ShellTool : public ToolProcess {
public:
    ShellTool() : ToolProcess("shell", "shell tool", nullptr) {}

    void start(const QString &program, const QString &script)
    {
        if (begin())
            prepareTool(program, {u"-c"_s, script})->start();
    }

    QStringList lines;
    int ends = 0;

protected:
    void toolLine(const QString &line) override { lines << line; }
    void toolEnded(int exitCode, QProcess::ExitStatus) override
    {
        const QString error = exitCode == 0 ? QString() : u"code %1"_s.arg(exitCode);
        finish(exitCode == 0 ? State::Finished : State::Failed, untranslated(error));
    }
    void finishing(State) override { ++ends; }
};

} // namespace

TEST(ToolProcess, LinesAndOneEnd)
{
    const struct {
        const char *name;
        const char *script;
        QStringList lines;
        ToolProcess::State state;
    } cases[] = {
        {"the last words without a line end", "printf 'a\\n\\nb' >&2; exit 3", {u"a"_s, u"b"_s}, ToolProcess::State::Failed},
        {"the output itself is not read", "echo product; echo said >&2", {u"said"_s}, ToolProcess::State::Finished},
    };
    reel::test::forEachCase(cases, [](const auto &c) {
        ShellTool tool;
        QSignalSpy finished(&tool, &ToolProcess::finished);
        tool.start(u"/bin/sh"_s, QString::fromUtf8(c.script));
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_EQ(tool.lines, c.lines);
        EXPECT_EQ(tool.state(), c.state);
        EXPECT_EQ(tool.ends, 1);
        EXPECT_EQ(finished.count(), 1);
    });
}

TEST(ToolProcess, CancelStopsADeafToolAfterTheGracePeriod)
{
    ShellTool tool;
    QSignalSpy finished(&tool, &ToolProcess::finished);
    tool.start(u"/bin/sh"_s, u"trap '' TERM; echo started >&2; while :; do /bin/sleep 1; done"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tool.lines.isEmpty(); }, 30000));
    QElapsedTimer clock;
    clock.start();
    tool.cancel();
    tool.cancel();
    ASSERT_TRUE(finished.wait(30000));
    // A coarse timer keeps the grace period within 5 %.
    EXPECT_GE(clock.elapsed(), kToolStopGraceMs * 95 / 100);
    EXPECT_EQ(tool.state(), ToolProcess::State::Cancelled);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(tool.ends, 1);
}

TEST(ToolProcess, WhatNeverRanEndsAtOnceAndSaysWhy)
{
    ShellTool waiting;
    waiting.cancel();
    EXPECT_EQ(waiting.state(), ToolProcess::State::Cancelled);
    EXPECT_EQ(waiting.ends, 1);

    ShellTool missing;
    QSignalSpy finished(&missing, &ToolProcess::finished);
    missing.start(reel::test::scratchDir() + u"/no-such-tool"_s, u"true"_s);
    ASSERT_TRUE(finished.count() > 0 || finished.wait(30000));
    EXPECT_EQ(missing.state(), ToolProcess::State::Failed);
    EXPECT_TRUE(missing.error().startsWith(u"no-such-tool could not be started: "_s)) << missing.error().toStdString();
}
