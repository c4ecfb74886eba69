// reelkit-bench: each toolkit operation against the standard tool, side by
// side, on inputs it generates in a scratch folder that it removes again.
//
//   reelkit-bench [--repetitions N] [--only TEXT[,TEXT...]] [--list]
//
// --only keeps the rows whose operation contains one of the texts. The exit
// status is 0 when every row ran (misses are reported in the table, not
// in the status), 1 when a row failed to run, 2 for a usage error.
#include "harness.h"
#include "rows.h"

#include <QString>
#include <QSysInfo>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/statfs.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string firstLineOf(const std::vector<std::string> &argv)
{
    // The interpreter's real path, so that a launcher script in front of it
    // (pyenv and the like) is neither timed nor counted in its memory.
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        std::vector<char *> words;
        for (const std::string &word : argv)
            words.push_back(const_cast<char *>(word.c_str()));
        words.push_back(nullptr);
        ::execv(words[0], words.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[1024];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return text.substr(0, text.find('\n'));
}

std::string cpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown processor";
}

double memoryGiB()
{
    std::ifstream in("/proc/meminfo");
    std::string key;
    long kib = 0;
    in >> key >> kib;
    return double(kib) / (1024.0 * 1024.0);
}

std::string fileSystem(const std::string &path)
{
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0)
        return "unknown";
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53: return "ext4";
    case 0x01021994: return "tmpfs";
    case 0x58465342: return "xfs";
    case 0x9123683E: return "btrfs";
    case 0x794C7630: return "overlayfs";
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "fs type 0x%lx", static_cast<unsigned long>(fs.f_type));
        return text;
    }
    }
}

// The load average: other work on the machine makes the figures noisier.
std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    return one.empty() ? "unknown" : one + " (1 min), " + five + " (5 min)";
}

bool wanted(const std::string &operation, const std::vector<std::string> &only)
{
    if (only.empty())
        return true;
    for (const std::string &text : only) {
        if (operation.find(text) != std::string::npos)
            return true;
    }
    return false;
}

int usage()
{
    std::fprintf(stderr, "usage: reelkit-bench [--repetitions N] [--only TEXT[,TEXT...]] [--list]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int repetitions = 5;
    std::vector<std::string> only;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--repetitions" || arg == "-n") && i + 1 < argc) {
            repetitions = std::atoi(argv[++i]);
            if (repetitions < 1)
                return usage();
        } else if (arg == "--only" && i + 1 < argc) {
            std::istringstream texts(argv[++i]);
            for (std::string text; std::getline(texts, text, ',');)
                only.push_back(text);
        } else if (arg == "--list") {
            list = true;
        } else {
            return usage();
        }
    }

    // Every side of every row runs on one core, the first this process may
    // use: on a shared machine one core can be slowed for minutes by work
    // on the host, and that must count against both sides of a row, not
    // against whichever side ran there. The converter rows ask for core 0.
    int core = -1;
    if (cpu_set_t allowed; ::sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        for (int cpu = 0; cpu < CPU_SETSIZE && core < 0; ++cpu)
            core = CPU_ISSET(cpu, &allowed) ? cpu : -1;
        cpu_set_t one;
        CPU_ZERO(&one);
        if (core >= 0)
            CPU_SET(core, &one);
        if (core < 0 || ::sched_setaffinity(0, sizeof one, &one) != 0)
            core = -1;
    }
    const std::string loadAtStart = loadAverage();
    const double start = bench::now();
    try {
        bench::ScratchFolder scratch;
        bench::setChildLog(scratch.file("bench.log"));
        const std::string python = firstLineOf({bench::tool("python3"), "-c", "import sys; print(sys.executable)"});
        if (python.empty())
            throw std::runtime_error("python3 does not start");
        bench::Workbench workbench(scratch, python);

        std::vector<bench::RowResult> results;
        for (const bench::Row &row : workbench.rows()) {
            if (list) {
                std::printf("%s\n", row.operation.c_str());
                continue;
            }
            if (wanted(row.operation, only))
                results.push_back(bench::runRow(row, repetitions));
        }
        if (list)
            return 0;
        if (results.empty()) {
            std::fprintf(stderr, "bench: no row matches --only (see --list)\n");
            return 2;
        }

        const bench::Sample baseline = bench::inChild([] { return bench::measure([] {}); });
        utsname host{};
        ::uname(&host);
        const std::string pythonVersion = firstLineOf({python, "-c", "import platform; print(platform.python_version())"});
        std::printf("\nreelkit benchmark, %d repetitions per side\n", repetitions);
        std::printf("machine: %s, %ld cores, %.1f GiB memory, %s %s; scratch folder on %s\n", cpuModel().c_str(),
                    ::sysconf(_SC_NPROCESSORS_ONLN), memoryGiB(), host.sysname, host.release,
                    fileSystem(scratch.path()).c_str());
        std::printf("load average at the start: %s; at the end: %s\n", loadAtStart.c_str(), loadAverage().c_str());
        if (core >= 0)
            std::printf("every side ran on core %d\n", core);
        std::printf("software: %s, Qt %s, Python %s\n\n", QSysInfo::prettyProductName().toStdString().c_str(),
                    qVersion(), pythonVersion.c_str());
        const bool allPass = bench::printTable(results, baseline.peakKiB);
        bool allRan = true;
        for (const bench::RowResult &r : results)
            allRan = allRan && r.error.empty();
        std::printf("\n%s\n", allPass ? "every row meets its target" : "some rows miss their target (see above)");
        std::printf("the run took %.0f s\n", bench::now() - start);
        return allRan ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
}
