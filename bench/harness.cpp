#include "harness.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace bench {

namespace {

// What the signal handler needs, kept in plain memory: it may only use
// async-signal-safe calls (fork, execve, waitpid, raise).
char g_scratch[4096];
char g_rm[4096];
pid_t g_owner = -1;

std::string g_childLog;

void removeOnSignal(int sig)
{
    if (::getpid() == g_owner && g_scratch[0] && g_rm[0]) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            char rm[] = "rm";
            char flags[] = "-rf";
            char end[] = "--";
            char *argv[] = {rm, flags, end, g_scratch, nullptr};
            ::execve(g_rm, argv, environ);
            ::_exit(127);
        }
        if (pid > 0) {
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
        g_scratch[0] = 0;
    }
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

void copyInto(char (&buffer)[4096], const std::string &text)
{
    if (text.size() >= sizeof buffer)
        throw std::runtime_error("path too long: " + text);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
}

int openChildLog()
{
    return ::open(g_childLog.empty() ? "/dev/null" : g_childLog.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                  0644);
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, size_t(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return text;
    }
}

std::string exitText(int status)
{
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("killed by signal ") + strsignal(WTERMSIG(status));
    return "ended oddly";
}

std::string joined(const std::vector<std::string> &argv)
{
    std::string line;
    for (const std::string &word : argv)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

double cpuSeconds(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec) + double(usage.ru_utime.tv_usec) * 1e-6 + double(usage.ru_stime.tv_sec)
        + double(usage.ru_stime.tv_usec) * 1e-6;
}

// Starts argv with stdout on outFd and stderr on the child log, waits for
// it, and fills the sample from its accounting: its CPU time and faults
// (with those of the processes it waited for), its peak, and, on failure,
// its error.
// The CPU seconds of an ended process that is not yet reaped, its own
// (user + system of all its threads) and those of the children it waited
// for, from /proc in clock ticks; false when they cannot be read.
bool endedProcessCpu(pid_t pid, double &own, double &children)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(in, text);
    // The name, in parentheses, may hold spaces: the fields follow the last ')'.
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return false;
    std::istringstream fields(text.substr(close + 1));
    std::string field;
    unsigned long long ticks[4] = {};
    for (int i = 3; i <= 17 && fields >> field; ++i) {
        if (i >= 14)
            ticks[i - 14] = std::strtoull(field.c_str(), nullptr, 10);
    }
    const double hz = double(::sysconf(_SC_CLK_TCK));
    if (!fields || hz <= 0)
        return false;
    own = double(ticks[0] + ticks[1]) / hz;
    children = double(ticks[2] + ticks[3]) / hz;
    return true;
}

Sample spawnAndWait(const std::vector<std::string> &argv, int outFd, bool ownCpu = false)
{
    Sample sample;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int logFd = openChildLog();
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    if (logFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, logFd, STDERR_FILENO);
    std::vector<char *> words;
    for (const std::string &word : argv)
        words.push_back(const_cast<char *>(word.c_str()));
    words.push_back(nullptr);

    const double start = now();
    pid_t pid = -1;
    const int rc = ::posix_spawn(&pid, words[0], &actions, nullptr, words.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (logFd >= 0)
        ::close(logFd);
    if (rc != 0) {
        sample.error = "cannot start " + argv[0] + ": " + std::strerror(rc);
        return sample;
    }
    double own = -1;
    double children = -1;
    if (ownCpu) {
        // Ended but kept until reaped, its figures still readable.
        siginfo_t info{};
        while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
        }
        if (!endedProcessCpu(pid, own, children))
            own = -1;
    }
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    sample.usage.wall = now() - start;
    sample.usage.cpu = cpuSeconds(usage);
    if (ownCpu) {
        sample.usage.totalCpu = sample.usage.cpu;
        sample.usage.cpu = own;
        if (own < 0 && sample.error.empty())
            sample.error = "cannot read the CPU time of " + argv[0] + " from /proc";
    }
    sample.usage.minorFaults = usage.ru_minflt;
    sample.usage.majorFaults = usage.ru_majflt;
    sample.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        sample.error = joined(argv) + ": " + exitText(status);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string seconds(double s)
{
    char text[32];
    if (s >= 1)
        std::snprintf(text, sizeof text, "%.2f s", s);
    else if (s >= 0.001)
        std::snprintf(text, sizeof text, "%.1f ms", s * 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f µs", s * 1e6);
    return text;
}

std::string mebibytes(long kib)
{
    if (kib < 0)
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f MiB", double(kib) / 1024.0);
    return text;
}

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

double now()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

ScratchFolder::ScratchFolder()
{
    // Everything that may fail comes before the folder exists.
    copyInto(g_rm, tool("rm"));
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/reelkit-bench.XXXXXX";
    if (pattern.size() >= sizeof g_scratch)
        throw std::runtime_error("TMPDIR is too long: " + pattern);
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder from " + pattern + ": " + std::strerror(errno));
    m_path = pattern;
    copyInto(g_scratch, m_path);
    g_owner = ::getpid();
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL})
        ::signal(sig, removeOnSignal);
}

ScratchFolder::~ScratchFolder()
{
    // Only the process that made the folder removes it, never a child.
    if (::getpid() != g_owner)
        return;
    g_scratch[0] = 0;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void setChildLog(const std::string &path)
{
    g_childLog = path;
}

const std::string &childLog()
{
    return g_childLog;
}

std::string childLogTail(int lines)
{
    std::ifstream in(g_childLog);
    std::vector<std::string> kept;
    for (std::string line; std::getline(in, line);) {
        kept.push_back(line);
        if (int(kept.size()) > lines)
            kept.erase(kept.begin());
    }
    std::string text;
    for (const std::string &line : kept)
        text += "    " + line + "\n";
    return text;
}

Usage measure(const std::function<void()> &f)
{
    rusage selfBefore{};
    rusage childrenBefore{};
    ::getrusage(RUSAGE_SELF, &selfBefore);
    ::getrusage(RUSAGE_CHILDREN, &childrenBefore);
    const double start = now();
    f();
    // Tools whose parent left (the earlier stages of a pipeline) came to
    // this process, their subreaper: their work belongs to the operation.
    while (::waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
    Usage usage;
    usage.wall = now() - start;
    rusage selfAfter{};
    rusage childrenAfter{};
    ::getrusage(RUSAGE_SELF, &selfAfter);
    ::getrusage(RUSAGE_CHILDREN, &childrenAfter);
    usage.cpu = cpuSeconds(selfAfter) - cpuSeconds(selfBefore) + cpuSeconds(childrenAfter) - cpuSeconds(childrenBefore);
    usage.minorFaults = selfAfter.ru_minflt - selfBefore.ru_minflt + childrenAfter.ru_minflt - childrenBefore.ru_minflt;
    usage.majorFaults = selfAfter.ru_majflt - selfBefore.ru_majflt + childrenAfter.ru_majflt - childrenBefore.ru_majflt;
    return usage;
}

Sample inChild(const std::function<Usage()> &body)
{
    Sample sample;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        sample.error = std::string("pipe: ") + std::strerror(errno);
        return sample;
    }
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (const int log = openChildLog(); log >= 0)
            ::dup2(log, STDERR_FILENO);
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        std::string message;
        try {
            const Usage usage = body();
            char text[128];
            std::snprintf(text, sizeof text, "ok %.9f %.9f %ld %ld", usage.wall, usage.cpu, usage.minorFaults,
                          usage.majorFaults);
            message = text;
        } catch (const BadResult &bad) {
            message = "error " + bad.what;
        } catch (const std::exception &e) {
            message = std::string("error ") + e.what();
        }
        const char *data = message.c_str();
        size_t left = message.size();
        while (left > 0) {
            const ssize_t n = ::write(fds[1], data, left);
            if (n <= 0)
                break;
            data += n;
            left -= size_t(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        sample.error = std::string("fork: ") + std::strerror(errno);
        return sample;
    }
    const std::string message = readAll(fds[0]);
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    sample.peakKiB = usage.ru_maxrss;
    Usage measured;
    if (message.rfind("ok ", 0) == 0
        && std::sscanf(message.c_str() + 3, "%lf %lf %ld %ld", &measured.wall, &measured.cpu, &measured.minorFaults,
                       &measured.majorFaults)
            == 4)
        sample.usage = measured;
    else if (message.rfind("error ", 0) == 0)
        sample.error = message.substr(6);
    else
        sample.error = "the measuring child died: " + exitText(status);
    return sample;
}

Sample command(const std::vector<std::string> &argv)
{
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    Sample sample = spawnAndWait(argv, null);
    ::close(null);
    return sample;
}

Sample commandOwnCpu(const std::vector<std::string> &argv)
{
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    Sample sample = spawnAndWait(argv, null, true);
    ::close(null);
    return sample;
}

Sample selfMeasuredCommand(const std::vector<std::string> &argv)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return Sample{{}, -1, std::string("pipe: ") + std::strerror(errno)};
    // The output is small (a line of figures), so reading it after the exit
    // is safe.
    Sample sample = spawnAndWait(argv, fds[1]);
    ::close(fds[1]);
    const std::string output = readAll(fds[0]);
    ::close(fds[0]);
    if (!sample.error.empty())
        return sample;
    std::istringstream lines(output);
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty())
            last = line;
    }
    Usage measured;
    char end = 0;
    if (std::sscanf(last.c_str(), "%lf %lf %ld %ld %c", &measured.wall, &measured.cpu, &measured.minorFaults,
                    &measured.majorFaults, &end)
        != 4)
        sample.error = joined(argv).substr(0, 60) + ": no measurement in its output";
    else
        sample.usage = measured;
    return sample;
}

std::string pythonScript(const std::string &body)
{
    return R"(import resource, time
def measure(f):
    def usage():
        s = resource.getrusage(resource.RUSAGE_SELF)
        c = resource.getrusage(resource.RUSAGE_CHILDREN)
        return (s.ru_utime + s.ru_stime + c.ru_utime + c.ru_stime, s.ru_minflt + c.ru_minflt, s.ru_majflt + c.ru_majflt)
    before = usage()
    t = time.perf_counter()
    r = f()
    wall = time.perf_counter() - t
    after = usage()
    print('%.9f %.9f %d %d' % (wall, after[0] - before[0], after[1] - before[1], after[2] - before[2]))
    return r
)" + body;
}

std::string tool(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return std::filesystem::absolute(candidate).string();
    }
    throw std::runtime_error("the benchmark needs '" + name + "' on PATH (scripts/setup.sh installs it)");
}

namespace {

double medianOf(const std::vector<Sample> &samples, double Usage::*field)
{
    std::vector<double> values;
    for (const Sample &sample : samples)
        values.push_back(sample.usage.*field);
    return values.empty() ? -1 : median(values);
}

long medianFaults(const std::vector<Sample> &samples)
{
    std::vector<double> values;
    for (const Sample &sample : samples)
        values.push_back(double(sample.usage.minorFaults + sample.usage.majorFaults));
    return values.empty() ? -1 : long(median(values));
}

long maxPeak(const std::vector<Sample> &samples)
{
    long peak = -1;
    for (const Sample &sample : samples)
        peak = std::max(peak, sample.peakKiB);
    return peak;
}

// The CPU ratio of each repetition: the two sides ran one after the other,
// under about the same conditions.
std::vector<double> ratios(const RowResult &r)
{
    std::vector<double> values;
    for (size_t i = 0; i < r.reel.size() && i < r.anchor.size(); ++i) {
        if (r.anchor[i].usage.cpu > 0)
            values.push_back(r.reel[i].usage.cpu / r.anchor[i].usage.cpu);
    }
    return values;
}

std::vector<double> growths(const RowResult &r)
{
    std::vector<double> values;
    for (size_t i = 0; i < r.reel.size() && i < r.smaller.size(); ++i) {
        if (r.smaller[i].usage.cpu > 0)
            values.push_back(r.reel[i].usage.cpu / r.smaller[i].usage.cpu);
    }
    return values;
}

double medianOrNone(const std::vector<double> &values)
{
    return values.empty() ? -1 : median(values);
}

double smallestOrNone(const std::vector<double> &values)
{
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

double largestOrNone(const std::vector<double> &values)
{
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

} // namespace

double RowResult::growth() const
{
    return medianOrNone(growths(*this));
}

double RowResult::minGrowth() const
{
    return smallestOrNone(growths(*this));
}

double RowResult::maxGrowth() const
{
    return largestOrNone(growths(*this));
}

bool RowResult::growthPass() const
{
    if (row.maxGrowth <= 0)
        return true;
    const double g = growth();
    return ran() && g > 0 && g <= row.maxGrowth;
}

double RowResult::reelMedian(double Usage::*field) const
{
    return medianOf(reel, field);
}

double RowResult::anchorMedian(double Usage::*field) const
{
    return medianOf(anchor, field);
}

double RowResult::ratio() const
{
    const std::vector<double> values = ratios(*this);
    return values.empty() ? -1 : median(values);
}

double RowResult::minRatio() const
{
    const std::vector<double> values = ratios(*this);
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

double RowResult::maxRatio() const
{
    const std::vector<double> values = ratios(*this);
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

long RowResult::reelPeakKiB() const
{
    return maxPeak(reel);
}

long RowResult::anchorPeakKiB() const
{
    return maxPeak(anchor);
}

long RowResult::reelFaults() const
{
    return medianFaults(reel);
}

long RowResult::anchorFaults() const
{
    return medianFaults(anchor);
}

bool RowResult::timePass() const
{
    const double r = ratio();
    return ran() && r >= 0 && r <= row.target && (row.maxSeconds <= 0 || reelMedian(&Usage::cpu) <= row.maxSeconds);
}

bool RowResult::memoryPass() const
{
    if (row.memory.maxBytesPerByte <= 0 && row.memory.maxAnchorRatio <= 0)
        return true;
    if (!ran() || reelPeakKiB() <= 0)
        return false;
    if (row.memory.maxBytesPerByte > 0
        && double(reelPeakKiB()) * 1024.0 / row.memory.bytes > row.memory.maxBytesPerByte)
        return false;
    return row.memory.maxAnchorRatio <= 0 || double(reelPeakKiB()) <= row.memory.maxAnchorRatio * double(anchorPeakKiB());
}

namespace {

// Adds one slice of a side's work to its total for the repetition.
void addSlice(Sample &total, const Sample &slice, int index)
{
    if (index == 0 || !slice.ok()) {
        total = slice;
        return;
    }
    total.usage.wall += slice.usage.wall;
    total.usage.cpu += slice.usage.cpu;
    total.usage.minorFaults += slice.usage.minorFaults;
    total.usage.majorFaults += slice.usage.majorFaults;
    if (total.usage.totalCpu >= 0 && slice.usage.totalCpu >= 0)
        total.usage.totalCpu += slice.usage.totalCpu;
    total.peakKiB = std::max(total.peakKiB, slice.peakKiB);
}

} // namespace

RowResult runRow(const Row &row, int repetitions)
{
    RowResult result{row, {}, {}, {}, {}};
    std::fprintf(stderr, "bench: %s\n", row.operation.c_str());
    if (row.skip)
        result.skipped = row.skip();
    if (!result.skipped.empty()) {
        std::fprintf(stderr, "bench:   skipped: %s\n", result.skipped.c_str());
        return result;
    }
    auto keep = [&](const Sample &sample, const char *side) {
        if (!sample.ok() && result.error.empty())
            result.error = std::string(side) + ": " + sample.error;
        return sample;
    };
    if (row.prepare) {
        try {
            row.prepare();
        } catch (const std::exception &e) {
            result.error = std::string("preparing the input: ") + e.what();
        }
    }
    if (row.warmUp && result.error.empty()) {
        keep(row.reel(), "reelkit");
        keep(row.anchor(), "anchor");
    }
    for (int i = 0; i < repetitions && result.error.empty(); ++i) {
        Sample r;
        Sample a;
        for (int slice = 0; slice < std::max(row.slices, 1) && result.error.empty(); ++slice) {
            addSlice(r, keep(row.reel(), "reelkit"), slice);
            addSlice(a, keep(row.anchor(), "anchor"), slice);
        }
        const Sample s = row.smaller ? keep(row.smaller(), "reelkit, smaller input") : Sample{};
        if (!r.ok() || !a.ok() || (row.smaller && !s.ok()))
            break;
        result.reel.push_back(r);
        result.anchor.push_back(a);
        if (row.smaller)
            result.smaller.push_back(s);
        std::fprintf(stderr, "bench:   %d/%d  reelkit %s cpu (%s wall)  %s %s cpu (%s wall)  ratio %.2f\n", i + 1,
                     repetitions, seconds(r.usage.cpu).c_str(), seconds(r.usage.wall).c_str(), row.anchorName.c_str(),
                     seconds(a.usage.cpu).c_str(), seconds(a.usage.wall).c_str(),
                     a.usage.cpu > 0 ? r.usage.cpu / a.usage.cpu : 0.0);
    }
    if (row.cleanUp)
        row.cleanUp();
    if (!result.error.empty()) {
        std::fprintf(stderr, "bench:   FAILED: %s\n", result.error.c_str());
        const std::string tail = childLogTail(8);
        if (!tail.empty())
            std::fprintf(stderr, "bench:   end of the log:\n%s", tail.c_str());
    }
    return result;
}

namespace {

std::string count(long n)
{
    if (n < 0)
        return "";
    if (n >= 10'000'000)
        return fixed(double(n) / 1e6, 0) + " M";
    if (n >= 10'000)
        return fixed(double(n) / 1e3, 0) + " k";
    return std::to_string(n);
}

} // namespace

bool printTable(const std::vector<RowResult> &results, long baselineKiB)
{
    constexpr int kColumns = 11;
    struct Line {
        std::string cells[kColumns];
    };
    std::vector<Line> lines;
    lines.push_back({{"operation", "anchor", "reelkit CPU", "anchor CPU", "ratio", "spread", "target", "result",
                      "wall (reelkit / anchor)", "page faults (reelkit / anchor)", "peak memory (reelkit / anchor)"}});
    bool allPass = true;
    for (const RowResult &r : results) {
        allPass = allPass && r.pass();
        Line line{{r.row.operation, r.row.anchorName}};
        // Small targets (an overhead) need a third decimal.
        const int decimals = r.row.target < 0.1 ? 3 : 2;
        line.cells[6] = "≤ " + fixed(r.row.target, decimals);
        if (r.row.maxSeconds > 0)
            line.cells[6].append(", ≤ ").append(seconds(r.row.maxSeconds));
        if (!r.skipped.empty()) {
            line.cells[7] = "skipped: " + r.skipped;
            lines.push_back(line);
            continue;
        }
        if (!r.ran()) {
            line.cells[2] = "failed";
            line.cells[3] = "failed";
            line.cells[7] = "FAILED";
            lines.push_back(line);
            continue;
        }
        line.cells[2] = seconds(r.reelMedian(&Usage::cpu));
        line.cells[3] = seconds(r.anchorMedian(&Usage::cpu));
        line.cells[4] = fixed(r.ratio(), decimals);
        line.cells[5] = fixed(r.minRatio(), decimals) + "–" + fixed(r.maxRatio(), decimals);
        line.cells[7] = r.timePass() ? "pass" : "MISS";
        line.cells[8] = seconds(r.reelMedian(&Usage::wall)) + " / " + seconds(r.anchorMedian(&Usage::wall));
        line.cells[9] = count(r.reelFaults()) + " / " + count(r.anchorFaults());
        if (r.row.showMemory)
            line.cells[10] = mebibytes(r.reelPeakKiB()) + " / " + mebibytes(r.anchorPeakKiB());
        lines.push_back(line);
        if (r.row.memory.maxBytesPerByte > 0) {
            const auto perByte = [&](long kib) { return fixed(double(kib) * 1024.0 / r.row.memory.bytes, 2) + " B/B"; };
            Line memory{{"  └ peak memory per input byte", "", perByte(r.reelPeakKiB()), perByte(r.anchorPeakKiB()), "",
                         "", "≤ " + fixed(r.row.memory.maxBytesPerByte, 2) + " B/B", r.memoryPass() ? "pass" : "MISS"}};
            lines.push_back(memory);
        }
        if (!r.row.totalNote.empty()) {
            std::vector<double> totals;
            std::vector<double> over;
            for (size_t i = 0; i < r.reel.size() && i < r.anchor.size(); ++i) {
                totals.push_back(r.reel[i].usage.totalCpu);
                if (r.anchor[i].usage.cpu > 0)
                    over.push_back(r.reel[i].usage.totalCpu / r.anchor[i].usage.cpu);
            }
            lines.push_back({{"  └ " + r.row.totalNote, "", seconds(medianOrNone(totals)),
                              seconds(r.anchorMedian(&Usage::cpu)), fixed(medianOrNone(over), 2),
                              fixed(smallestOrNone(over), 2) + "–" + fixed(largestOrNone(over), 2), "shown only"}});
        }
        if (r.row.maxGrowth > 0) {
            const double smallerCpu = medianOf(r.smaller, &Usage::cpu);
            Line growth{{"  └ growth: reelkit CPU over the input " + fixed(r.row.growthFactor, 0) + " times smaller", "",
                         seconds(r.reelMedian(&Usage::cpu)), seconds(smallerCpu), fixed(r.growth(), 2),
                         fixed(r.minGrowth(), 2) + "–" + fixed(r.maxGrowth(), 2), "≤ " + fixed(r.row.maxGrowth, 2),
                         r.growthPass() ? "pass" : "MISS"}};
            lines.push_back(growth);
        }
        if (r.row.memory.maxAnchorRatio > 0) {
            Line memory;
            memory.cells[0] = "  └ peak memory";
            memory.cells[2] = mebibytes(r.reelPeakKiB());
            memory.cells[3] = mebibytes(r.anchorPeakKiB());
            memory.cells[4] = fixed(double(r.reelPeakKiB()) / double(r.anchorPeakKiB()), 2);
            memory.cells[6] = std::string("≤ ").append(fixed(r.row.memory.maxAnchorRatio, 2));
            memory.cells[7] = r.memoryPass() ? "pass" : "MISS";
            lines.push_back(memory);
        }
    }

    // A "|" inside a cell would end it in Markdown.
    for (Line &line : lines) {
        for (std::string &cell : line.cells) {
            for (size_t at = cell.find('|'); at != std::string::npos; at = cell.find('|', at + 2))
                cell.replace(at, 1, "\\|");
        }
    }
    // Width in characters, not bytes ("≤", "µ", "└" are several bytes).
    auto width = [](const std::string &s) {
        return size_t(std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    };
    size_t widths[kColumns] = {};
    for (const Line &line : lines) {
        for (int c = 0; c < kColumns; ++c)
            widths[c] = std::max(widths[c], width(line.cells[c]));
    }
    // Figures right-aligned, words left-aligned.
    const auto right = [](int c) { return c >= 2 && c <= 6; };
    auto print = [&](const Line &line) {
        std::string text = "|";
        for (int c = 0; c < kColumns; ++c) {
            const std::string &cell = line.cells[c];
            const std::string pad(widths[c] - width(cell), ' ');
            text.append(" ");
            text.append(right(c) ? pad : cell);
            text.append(right(c) ? cell : pad);
            text.append(" |");
        }
        std::printf("%s\n", text.c_str());
    };
    print(lines.front());
    std::string rule = "|";
    for (int c = 0; c < kColumns; ++c)
        rule += (right(c) ? std::string(widths[c] + 1, '-') + ":" : ":" + std::string(widths[c] + 1, '-')) + "|";
    std::printf("%s\n", rule.c_str());
    for (size_t i = 1; i < lines.size(); ++i)
        print(lines[i]);
    std::printf("\nCPU and wall times, page faults: medians. ratio: the median of the per-repetition CPU-time ratios "
                "(reelkit / anchor, lower is better); spread: their smallest and largest. Peak memory: each side's "
                "largest peak resident size, including the %s every measuring child starts with.\n",
                mebibytes(baselineKiB).c_str());
    return allPass;
}

} // namespace bench
