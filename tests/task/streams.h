// Test helpers for the tool runner: the program's standard streams swapped
// for a scope, environment variables set for a scope, and checks that a run
// left no child and no descriptor behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::test {

// Points one of the program's standard streams (0 or 2) at a file for the
// life of the object.
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

// Feeds the program's standard input from a pipe whose writing end stays
// open for the life of the object: a tool reading it waits for ever.
class ScopedEndlessInput {
public:
    ScopedEndlessInput();
    ~ScopedEndlessInput();
    ScopedEndlessInput(const ScopedEndlessInput &) = delete;
    ScopedEndlessInput &operator=(const ScopedEndlessInput &) = delete;

private:
    int m_saved;
    int m_writer;
};

// Sets (or, with a null value, removes) an environment variable for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_saved;
};

// True when the process has no child left to reap (no zombie).
bool noChildToReap();
// How many descriptors the process has open.
int openDescriptorCount();
// The process's resident memory now, and its peak so far, in bytes.
qint64 residentBytes();
qint64 peakResidentBytes();

// An executable shell script at path.
QString writeScript(const QString &path, const QByteArray &body);

} // namespace reel::test
