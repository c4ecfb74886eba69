// The measuring side of the benchmark: a scratch folder that never outlives
// the run, one measurement per child process (so that each side's peak memory
// and page faults are its own), medians, spreads and the printed table.
//
// Every side is measured the same way: wall time, CPU time (user + system,
// from the kernel's accounting of the process and of every process it
// waited for), page faults and peak resident memory. Ratios are judged on
// CPU time: on a machine shared with other work, wall time also counts the
// time spent waiting for a core.
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
const std::string &childLog();
// The last lines of that log, for a failure report.
std::string childLogTail(int lines);

// What one operation cost.
struct Usage {
    double wall = -1;  // seconds, start to end
    double cpu = -1;   // seconds of user + system time, waited-for children included
    long minorFaults = 0;
    long majorFaults = 0;
    double totalCpu = -1; // when cpu is a process's own: with its children's too
};

struct Sample {
    Usage usage;
    long peakKiB = -1;  // the measuring process's peak resident size
    std::string error;  // empty when the run did what it should
    bool ok() const { return error.empty() && usage.cpu >= 0; }
};

// Thrown by a body that finds a wrong result; the message becomes the
// sample's error.
struct BadResult {
    std::string what;
};

// Measures f in the calling process: its wall time, and the CPU time and
// page faults of this process and of every child it waited for meanwhile.
// Children left behind by f (tools handed to this process as their
// subreaper) are waited for before the clock stops, so that their work is
// counted as a shell's would be.
Usage measure(const std::function<void()> &f);

// Runs body in a forked child, which becomes the subreaper of the processes
// it starts. The body does its own set-up and returns the Usage of the
// operation alone (see measure), or throws BadResult.
Sample inChild(const std::function<Usage()> &body);

// Runs a command with its output thrown away, measured from outside (start
// to exit, its whole CPU time and that of the processes it waited for); a
// non-zero exit is a failure.
Sample command(const std::vector<std::string> &argv);

// As command, but the CPU time is the process's own (all its threads),
// without that of the processes it started; their total is in totalCpu.
// Read from /proc in clock ticks (10 ms), after the process has ended and
// before it is reaped.
Sample commandOwnCpu(const std::vector<std::string> &argv);

// Runs a command that measures its own operation and prints, as its last
// line of output, "wall cpu minor-faults major-faults" (a Python script
// built with pythonScript).
Sample selfMeasuredCommand(const std::vector<std::string> &argv);

// A Python script that defines measure(f): it runs f, prints the line
// selfMeasuredCommand reads, and returns f's result. body follows it.
std::string pythonScript(const std::string &body);

// A program on PATH as an absolute path; throws when missing.
std::string tool(const std::string &name);

struct MemoryCheck {
    double bytes = 0;           // the size the peak is set against
    double maxBytesPerByte = 0; // 0: shown only
    double maxAnchorRatio = 0;  // the largest reelkit / anchor peak; 0: shown only
};

struct Row {
    std::string operation;
    std::string anchorName;
    double target = 0;  // the largest reelkit / anchor CPU-time ratio that passes
    double maxSeconds = 0; // the longest reelkit CPU time that passes; 0: any
    bool showMemory = true;
    MemoryCheck memory; // on the reelkit side
    // When set: the reelkit side on an input growthFactor times smaller,
    // run in every repetition beside the other two. The reelkit CPU time
    // over this one's must stay within maxGrowth (time growing about as
    // the input does, not faster).
    std::function<Sample()> smaller;
    double growthFactor = 0;
    double maxGrowth = 0;
    // The reelkit side measures a process's own CPU time: a line below
    // shows its total with its children, over the anchor (not judged).
    std::string totalNote;
    bool warmUp = false; // one unmeasured run of each side first (file-system caches)
    // Each repetition runs both sides this many times, alternately, and
    // adds up each side's slices: a row of many short operations is cut so,
    // that a burst of other work on a shared machine falls on both sides.
    int slices = 1;
    // Why the row cannot run on this machine (shown instead of figures); an
    // empty text when it can. Asked before prepare.
    std::function<std::string()> skip;
    std::function<void()> prepare; // makes the inputs (once, unmeasured); may throw
    std::function<Sample()> reel;
    std::function<Sample()> anchor;
    std::function<void()> cleanUp; // removes inputs no later row needs
};

struct RowResult {
    Row row;
    std::vector<Sample> reel;   // one per repetition
    std::vector<Sample> anchor;
    std::vector<Sample> smaller; // when the row has a smaller input
    std::string error;
    std::string skipped; // why the row did not run
    bool ran() const { return error.empty() && skipped.empty() && !reel.empty(); }
    // Medians of each side, and of the per-repetition CPU ratios.
    double reelMedian(double Usage::*field) const;
    double anchorMedian(double Usage::*field) const;
    double ratio() const;
    double minRatio() const;
    double maxRatio() const;
    // The median, smallest and largest per-repetition growth (reelkit CPU
    // over that on the smaller input); -1 without one.
    double growth() const;
    double minGrowth() const;
    double maxGrowth() const;
    bool growthPass() const;
    long reelPeakKiB() const;
    long anchorPeakKiB() const;
    long reelFaults() const;
    long anchorFaults() const;
    bool timePass() const;
    bool memoryPass() const;
    bool pass() const { return !skipped.empty() || (timePass() && memoryPass() && growthPass()); }
};

// Runs both sides of the row repetitions times, alternately. Progress goes
// to stderr.
RowResult runRow(const Row &row, int repetitions);

// The table; returns true when every row that ran passed.
bool printTable(const std::vector<RowResult> &results, long baselineKiB);

} // namespace bench
