// Helpers for the tool runner's tests: standard streams swapped for a scope,
// checks that a run left no child and no descriptor behind, and the player's
// progress figure computed by the shell pipeline it replaces.
#pragma once

#include "scoped.h"

#include <QByteArray>
#include <QString>

namespace reel::test {

// Points standard stream 0 or 2 at a file for the life of the object.
class ScopedStream {
public:
    ScopedStream(int stream, const QString &path, bool forWriting);
    ~ScopedStream();
    ScopedStream(const ScopedStream &) = delete;
    ScopedStream &operator=(const ScopedStream &) = delete;

private:
    int m_stream;
    int m_saved;
};

// Standard input from a pipe whose writer stays open: a reader waits for ever,
// or until end() closes the writer.
class ScopedEndlessInput {
public:
    ScopedEndlessInput();
    ~ScopedEndlessInput();
    void write(const QByteArray &bytes);
    void end();
    ScopedEndlessInput(const ScopedEndlessInput &) = delete;
    ScopedEndlessInput &operator=(const ScopedEndlessInput &) = delete;

private:
    int m_saved;
    int m_writer;
};

bool noChildToReap(); // no zombie left
bool noChildLeft();   // not even a running one that could become one
int openDescriptorCount();

// An executable shell script at path.
QString writeScript(const QString &path, const QByteArray &body);

// The player's progress as the original shell line with bc computes it.
float mplayerThroughTheShell(const QString &text, int total);

} // namespace reel::test
