// Starting tools and collecting what the last one writes. Internal to task/.
//
// The tools of a run are started directly (no shell), joined by OS pipes that
// only the tools hold, so their data never passes through the program. The
// program reads the one result pipe to its end with a poll loop, then reaps
// every tool it started. Nothing here needs an event loop or a Qt
// application; every descriptor the program opens is close-on-exec, and a
// tool inherits only its standard streams.
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

namespace reel::task {

struct Stage {
    QString program;       // the tool's path, also its argument zero
    QStringList arguments; // the words after it
    QByteArrayList environment;
};

struct PipelinePlan {
    QList<Stage> stages;          // each one's output feeds the next one's input
    bool firstReadsNothing = false; // the first tool reads /dev/null, else the program's own input
    bool lastErrorsJoin = false;   // the last tool's error output joins the result
    QString workingDirectory;     // null: the program's own
};

// The bytes the last stage wrote, kept in blocks so that a large output is
// never copied while it grows.
class Output {
public:
    qint64 size() const { return m_size; }
    // The bytes as UTF-8 text (an initial byte-order mark dropped); a null
    // string when they are not valid UTF-8. Releases the blocks as it goes.
    QString takeText();

private:
    friend std::optional<Output> runPipeline(const PipelinePlan &, std::string_view);
    QByteArrayList m_blocks;
    qint64 m_size = 0;
};

// Starts the stages in order and reads the result to its end. Nothing when a
// stage cannot be started (the stages already started are killed and
// reaped) or the pipes cannot be made; the failure is logged under label.
std::optional<Output> runPipeline(const PipelinePlan &plan, std::string_view label);

// The text of an Output (null when not UTF-8), or null when nothing ran.
QString outputText(std::optional<Output> output);

} // namespace reel::task
