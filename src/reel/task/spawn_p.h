// Starting tools and collecting what the last one writes. Internal to task/.
//
// The tools of a run are started directly (no shell), joined by OS pipes that
// only the tools hold, so their data never passes through the program. The
// program reads the one result pipe to its end with a poll loop, then waits
// for the last tool. The earlier tools are started by a child that exits at
// once, so the system reaps them: one that runs on after the last has ended
// is neither waited for nor left a zombie. Nothing here needs an event loop,
// a Qt application or a thread; every descriptor the program opens is
// close-on-exec, and a tool inherits only its standard streams.
#pragma once

#include "reel/core/export.h"

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringDecoder>
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
    bool lastErrorsKept = false;   // else it is kept in the Output (errors()), not the program's own
    QString workingDirectory;     // null: the program's own
};

// Qt's UTF-8 decoder keeps an unfinished sequence in its state; that state
// tells a text cut inside a character from a complete one.
class Utf8Decoder : public QStringDecoder {
public:
    Utf8Decoder() : QStringDecoder(QStringConverter::Utf8) {}
    bool decodedCleanly() const { return !hasError() && state.remainingChars == 0; }
};

// What the last stage wrote, decoded from UTF-8 as it arrives: a large
// output is held once, as text, and its decoding overlaps the tools' work.
class Output {
public:
    qint64 size() const { return m_size; }
    // The start of the last stage's error output, when the plan kept it.
    const QByteArray &errors() const { return m_errors; }
    // The text (an initial byte-order mark dropped); a null string when the
    // bytes are not valid UTF-8, or went past the limit.
    QString takeText();

private:
    friend std::optional<Output> runPipeline(const PipelinePlan &, std::string_view);
    // False, and nothing more taken, once the output is past the limit.
    bool append(const char *data, qsizetype size);

    QString m_text; // m_used units decoded, then room for more
    qsizetype m_used = 0;
    Utf8Decoder m_decoder;
    qint64 m_size = 0;
    qint64 m_limit = 0;
    bool m_overLimit = false;
    QByteArray m_errors;
};

// The most of a tool's error output that a plan keeps.
constexpr qsizetype kKeptErrorBytes = 64 * 1024;

// Starts the stages in order, reads the result to its end and waits for the
// last stage only. Nothing when a stage cannot be started (the stages
// already started are killed) or the pipes cannot be made; the failure is
// logged under label. Past toolOutputLimit() the last stage is killed and
// the result no longer read (the tools still writing to it end on a broken
// pipe); the Output then has no text, and the stop is logged.
std::optional<Output> runPipeline(const PipelinePlan &plan, std::string_view label);

// The text of an Output (null when not UTF-8), or null when nothing ran.
QString outputText(std::optional<Output> output);

namespace detail {
// The caught-signal mask of a /proc/<pid>/status text (bit n - 1 for signal
// n); nothing when the text has no whole "SigCgt:" line. Exported for the
// tests.
REEL_EXPORT std::optional<quint64> caughtSignalMask(std::string_view status);
} // namespace detail

} // namespace reel::task
