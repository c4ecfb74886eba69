// The measuring side of the benchmark: a scratch folder that never outlives
// the run, one measurement per child process (so that each side's peak memory
// is its own), medians and the printed table.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// Monotonic seconds.
double now();

// The scratch folder of the run, made under $TMPDIR (else /tmp) and removed
// with everything in it when the run ends: normally, by an exception, or by
// a signal (interrupt, termination, a crash of the benchmark itself).
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Where the children's standard error (the toolkit's log, the anchors'
// complaints) goes; set once the scratch folder exists.
void setChildLog(const std::string &path);
// The last lines of that log, for a failure report.
std::string childLogTail(int lines);

struct Sample {
    double seconds = -1;
    long peakKiB = -1;  // the child's peak resident size
    std::string error; // empty when the run did what it should
    bool ok() const { return error.empty() && seconds >= 0; }
};

// Thrown by a body that finds a wrong result; the message becomes the
// sample's error.
struct BadResult {
    std::string what;
};

// Runs body in a forked child. The body does its own set-up, times only the
// operation and returns those seconds (or throws BadResult).
Sample inChild(const std::function<double()> &body);

// Runs a command with its output thrown away, timed from outside (start to
// exit); a non-zero exit is a failure.
Sample command(const std::vector<std::string> &argv);

// Runs a command that times its own operation and prints the seconds as its
// last line of output (a Python script).
Sample selfTimedCommand(const std::vector<std::string> &argv);

// A program on PATH as an absolute path; throws when missing.
std::string tool(const std::string &name);

struct MemoryCheck {
    double bytes = 0;          // the size the peak is set against
    double maxBytesPerByte = 0; // 0: shown only
    double maxAnchorRatio = 0;  // the largest reelkit / anchor peak; 0: shown only
};

struct Row {
    std::string operation;
    std::string anchorName;
    double target = 0;  // the largest reelkit / anchor ratio that passes
    double maxSeconds = 0; // the longest reelkit time that passes; 0: any
    bool showMemory = false;
    MemoryCheck memory; // on the reelkit side
    bool warmUp = false; // one unmeasured run of each side first (file-system caches)
    std::function<void()> prepare; // makes the inputs (once, unmeasured); may throw
    std::function<Sample()> reel;
    std::function<Sample()> anchor;
};

struct RowResult {
    Row row;
    std::optional<double> reelSeconds;
    std::optional<double> anchorSeconds;
    long reelPeakKiB = -1;
    long anchorPeakKiB = -1;
    std::string error;
    bool timePass() const;
    bool memoryPass() const;
    bool pass() const { return timePass() && memoryPass(); }
};

// Runs both sides of the row repetitions times, alternately, and keeps the
// medians. Progress goes to stderr.
RowResult runRow(const Row &row, int repetitions);

// The table; returns true when every row passed.
bool printTable(const std::vector<RowResult> &results, long baselineKiB);

} // namespace bench
