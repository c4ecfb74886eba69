#include "reel/task/spawn_p.h"

#include "reel/base/errortext.h"
#include "reel/base/fd_p.h"
#include "reel/base/io_p.h"
#include "reel/base/bigbuffers_p.h"
#include "reel/core/log.h"
#include "reel/task/pipeline.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace reel::task {

namespace {

// A larger result pipe means fewer wake-ups while a tool writes a lot; the
// read buffer grows to match once a tool fills it.
constexpr int kResultPipeSize = 1024 * 1024;
constexpr qsizetype kFirstReadSize = 32 * 1024;

std::atomic<qint64> g_outputLimit{qint64(1) << 30};


// Keeps a new descriptor off 0, 1 and 2 (taken when the program closed its
// own streams): duplicating a descriptor onto itself would leave its
// close-on-exec flag set and the tool without that stream.
bool moveAboveStandardStreams(int &fd)
{
    if (fd > STDERR_FILENO)
        return true;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    fd = moved;
    return moved >= 0;
}

bool makePipe(UniqueFd &readEnd, UniqueFd &writeEnd)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const bool readOk = moveAboveStandardStreams(fds[0]);
    const int saved = errno;
    const bool writeOk = moveAboveStandardStreams(fds[1]);
    readEnd.reset(fds[0]);
    writeEnd.reset(fds[1]);
    if (!readOk)
        errno = saved;
    return readOk && writeOk;
}

// A null-terminated array of C strings over byte arrays it keeps alive.
class CStringArray {
public:
    void append(QByteArray bytes)
    {
        m_storage.append(std::move(bytes));
    }
    char *const *pointers()
    {
        m_pointers.clear();
        for (QByteArray &bytes : m_storage)
            m_pointers.push_back(bytes.data());
        m_pointers.push_back(nullptr);
        return m_pointers.data();
    }
    bool holdsNul() const
    {
        return std::any_of(m_storage.begin(), m_storage.end(), [](const QByteArray &b) { return b.contains('\0'); });
    }

private:
    QByteArrayList m_storage;
    std::vector<char *> m_pointers;
};

struct PreparedStage {
    QByteArray path;
    CStringArray argv;
    CStringArray envp;
};

class Actions {
public:
    Actions() { m_ok = ::posix_spawn_file_actions_init(&m_actions) == 0; }
    ~Actions()
    {
        if (m_ok)
            ::posix_spawn_file_actions_destroy(&m_actions);
    }
    Actions(const Actions &) = delete;
    Actions &operator=(const Actions &) = delete;

    posix_spawn_file_actions_t *get() { return &m_actions; }
    bool ok() const { return m_ok; }
    void check(int rc) { m_ok = m_ok && rc == 0; }

private:
    posix_spawn_file_actions_t m_actions;
    bool m_ok = false;
};

class Attributes {
public:
    Attributes()
    {
        m_initialized = ::posix_spawnattr_init(&m_attr) == 0;
        if (!m_initialized)
            return;
        // A tool starts with no blocked signals, and with the default action
        // for a broken pipe even when the program ignores it, so a tool
        // whose reader went away ends as it does under a shell.
        sigset_t none;
        sigset_t defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        m_ok = ::posix_spawnattr_setsigmask(&m_attr, &none) == 0
            && ::posix_spawnattr_setsigdefault(&m_attr, &defaults) == 0
            && ::posix_spawnattr_setflags(&m_attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
    }
    ~Attributes()
    {
        if (m_initialized)
            ::posix_spawnattr_destroy(&m_attr);
    }
    Attributes(const Attributes &) = delete;
    Attributes &operator=(const Attributes &) = delete;

    const posix_spawnattr_t *get() const { return &m_attr; }
    bool ok() const { return m_ok; }

private:
    posix_spawnattr_t m_attr;
    bool m_initialized = false;
    bool m_ok = false;
};

// Waits for a tool the program is the parent of.
void reap(pid_t pid)
{
    int status = 0;
    // ECHILD (the program lets the system reap its children) ends the wait too.
    retryOnInterrupt([&] { return ::waitpid(pid, &status, 0); });
}

// What a child sets up between its start and the tool's exec.
struct ChildStreams {
    int input;          // -1: the program's own
    bool inputFromNull; // /dev/null instead of input
    int output;
    int errors;            // -1: the program's own
    const char *directory; // null: the program's own
};

// The signals this process has handlers for, from its status file; nothing
// when that cannot be read. Called in a child started by vfork, which has
// its own copy of the handlers, so no other thread can change them while it
// looks: system calls and stack memory only.
std::optional<quint64> caughtSignals()
{
    char text[4096];
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // The system gives the whole file to the first read; reading on to its
    // end would cost one more call for nothing.
    size_t used = 0;
    std::optional<quint64> mask;
    while (!mask && used < sizeof text) {
        const ssize_t count = ::read(fd, text + used, sizeof text - used);
        if (count > 0)
            used += size_t(count);
        else if (count == 0 || errno != EINTR)
            break;
        mask = detail::caughtSignalMask(std::string_view(text, used));
    }
    ::close(fd);
    return mask;
}

// Whether sig has a handler of the program's; the system is asked when the
// caught set is unknown.
bool handled(int sig, const std::optional<quint64> &caught)
{
    if (caught)
        return (*caught >> (sig - 1)) & 1;
    struct sigaction action {};
    // The C library refuses its own signals; the exec resets them.
    return ::sigaction(sig, nullptr, &action) == 0 && action.sa_handler != SIG_IGN && action.sa_handler != SIG_DFL;
}

// The child side of startSharingMemory. It shares the program's memory and
// runs on the parent's stack, so it makes system calls only, and ends in
// the tool or in _exit. *failure gets the errno of the step that failed.
[[noreturn]] void becomeTool(const char *path, char *const *argv, char *const *envp, const ChildStreams &streams,
                             volatile int *failure)
{
    // A handler of the program's would run here on the program's memory:
    // every caught signal, and a broken pipe, go back to the default action
    // (the tool then dies of a broken pipe as it would under a shell). The
    // caught set comes in one read: asking each signal in turn costs more
    // than the rest of starting a small tool where system calls are dear.
    const std::optional<quint64> caught = caughtSignals();
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig == SIGKILL || sig == SIGSTOP)
            continue;
        if (sig != SIGPIPE && !handled(sig, caught))
            continue;
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        ::sigaction(sig, &action, nullptr);
    }
    const auto fail = [failure] {
        *failure = errno ? errno : EIO;
        ::_exit(127);
    };
    if (streams.inputFromNull) {
        const int null = ::open("/dev/null", O_RDONLY);
        if (null < 0 || (null != STDIN_FILENO && ::dup2(null, STDIN_FILENO) < 0))
            fail();
    } else if (streams.input >= 0 && ::dup2(streams.input, STDIN_FILENO) < 0) {
        fail();
    }
    if (::dup2(streams.output, STDOUT_FILENO) < 0)
        fail();
    if (streams.errors >= 0 && ::dup2(streams.errors, STDERR_FILENO) < 0)
        fail();
    if (streams.directory && ::chdir(streams.directory) != 0)
        fail();
    // Whatever the program left open without close-on-exec stays with it.
    if (::syscall(SYS_close_range, STDERR_FILENO + 1, ~0U, 0) != 0) {
        const long limit = ::sysconf(_SC_OPEN_MAX);
        for (long fd = STDERR_FILENO + 1; fd < (limit > 0 ? limit : 1024); ++fd)
            ::close(int(fd));
    }
    // The tool starts with no blocked signals.
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(path, argv, envp);
    fail();
    ::_exit(127); // not reached
}

// Starts a tool as a child that shares the program's memory until the
// tool's exec (vfork): no copy of the program's page tables, and no stack
// of its own to map and unmap on every run, which on a virtual machine costs
// more than the rest of starting a small tool. Every signal is blocked in
// between, so none reaches a handler in the child. Returns 0 or an errno
// value, as posix_spawn does.
int startSharingMemory(pid_t *pid, const char *path, char *const *argv, char *const *envp, const ChildStreams &streams)
{
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    if (::pthread_sigmask(SIG_SETMASK, &all, &previous) != 0)
        return EAGAIN;
    volatile int failure = 0;
    const pid_t child = ::vfork();
    if (child == 0)
        becomeTool(path, argv, envp, streams, &failure);
    const int forkError = child < 0 ? errno : 0;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (child < 0)
        return forkError;
    if (failure != 0) {
        reap(child);
        return failure;
    }
    *pid = child;
    return 0;
}

// Starts one tool with the given standard streams (-1: the program's own).
// A detached tool is started by a short-lived child of the program, which
// exits at once: the tool's parent is then the system's reaper, which
// collects it whenever it ends, so the program need not wait for it and no
// zombie is left. Returns 0 or an errno value; *pid is the tool's.
int spawnStage(pid_t *pid, PreparedStage &stage, int input, bool inputFromNull, int output, int errors,
               const QByteArray &directory, bool detached)
{
    char *const *argv = stage.argv.pointers();
    char *const *envp = stage.envp.pointers();
    if (!detached) {
        const ChildStreams streams{input, inputFromNull, output, errors,
                                   directory.isEmpty() ? nullptr : directory.constData()};
        return startSharingMemory(pid, stage.path.constData(), argv, envp, streams);
    }

    Actions actions;
    if (inputFromNull)
        actions.check(::posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0));
    else if (input >= 0)
        actions.check(::posix_spawn_file_actions_adddup2(actions.get(), input, STDIN_FILENO));
    actions.check(::posix_spawn_file_actions_adddup2(actions.get(), output, STDOUT_FILENO));
    if (errors >= 0)
        actions.check(::posix_spawn_file_actions_adddup2(actions.get(), errors, STDERR_FILENO));
    if (!directory.isEmpty())
        actions.check(::posix_spawn_file_actions_addchdir_np(actions.get(), directory.constData()));
    // Whatever the program left open without close-on-exec stays with it.
    actions.check(::posix_spawn_file_actions_addclosefrom_np(actions.get(), STDERR_FILENO + 1));
    Attributes attributes;
    if (!actions.ok() || !attributes.ok())
        return ENOMEM;

    struct Report {
        int rc;
        pid_t pid;
    };
    UniqueFd reportRead;
    UniqueFd reportWrite;
    if (!makePipe(reportRead, reportWrite))
        return errno;
    const pid_t middle = ::fork();
    if (middle < 0)
        return errno;
    if (middle == 0) {
        // Everything was prepared before the fork: the program may have
        // threads, so the child only starts the tool, reports and leaves.
        Report report{0, -1};
        report.rc = ::posix_spawn(&report.pid, stage.path.constData(), actions.get(), attributes.get(), argv, envp);
        [[maybe_unused]] const ssize_t sent = ::write(reportWrite.get(), &report, sizeof report);
        ::_exit(0);
    }
    reportWrite.reset();
    Report report{EIO, -1};
    const ssize_t got = retryOnInterrupt([&] { return ::read(reportRead.get(), &report, sizeof report); });
    if (got != ssize_t(sizeof report))
        report = Report{EIO, -1};
    reap(middle);
    *pid = report.pid;
    return report.rc;
}


// Reads fd to its end, or until sink answers false, giving each piece to
// sink as it comes. The first
// reads go to the stack: most tools print little, and a heap buffer made
// and freed on every run would be given back to the system and faulted in
// again each time.
template <typename Sink>
void drain(int fd, Sink &&sink, std::string_view label)
{
    char first[kFirstReadSize];
    QByteArray large;
    char *buffer = first;
    qsizetype size = kFirstReadSize;
    for (;;) {
        const ssize_t count = ::read(fd, buffer, size_t(size));
        if (count > 0) {
            if (!sink(buffer, qsizetype(count)))
                break;
            if (count == size && large.isEmpty()) {
                large.resize(kResultPipeSize);
                buffer = large.data();
                size = large.size();
            }
            continue;
        }
        if (count == 0)
            break;
        if (errno == EINTR)
            continue;
        logAlways(LogLabel(label), ":-( read - %@", errnoText(errno));
        break;
    }
}

} // namespace

std::optional<quint64> detail::caughtSignalMask(std::string_view status)
{
    constexpr std::string_view key = "\nSigCgt:\t";
    const size_t at = status.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = status.substr(at + key.size());
    quint64 mask = 0;
    size_t i = 0;
    for (; i < digits.size() && i < 16; ++i) {
        const char c = digits[i];
        const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (value < 0)
            break;
        mask = mask << 4 | quint64(value);
    }
    // A line cut short by the read, or of another form, tells nothing.
    if (i != 16 || digits.size() == 16 || digits[16] != '\n')
        return std::nullopt;
    return mask;
}

bool Output::append(const char *data, qsizetype size)
{
    m_size += size;
    if (m_size > m_limit) {
        m_overLimit = true;
        m_text = QString();
        return false;
    }
    // Text that is not UTF-8 is lost already; the rest is only drained.
    if (m_decoder.hasError())
        return true;
    // UTF-8 never gives more UTF-16 units than bytes; the margin covers a
    // character the decoder carried over from the previous piece. Growing
    // moves a large buffer without copying it (the allocator remaps it).
    const qsizetype needed = m_used + size + 4;
    if (m_text.size() < needed) {
        const qsizetype capacity = m_text.capacity();
        // Doubled as the output grows, but never past what the limit lets
        // the text reach: the text of L bytes takes at most 2L bytes.
        if (needed > capacity)
            m_text.reserve(qMax(needed, qsizetype(qMin<qint64>(qint64(capacity) * 2, m_limit + 4))));
        m_text.resize(needed);
        if (m_text.capacity() != capacity)
            adviseHugePages(m_text.data(), m_text.capacity() * qsizetype(sizeof(QChar)));
    }
    QChar *const start = m_text.data();
    m_used = m_decoder.appendToBuffer(start + m_used, QByteArrayView(data, size)) - start;
    return true;
}

QString Output::takeText()
{
    if (m_size == 0)
        return QStringLiteral("");
    const bool clean = m_decoder.decodedCleanly() && !m_overLimit;
    QString text = std::exchange(m_text, QString());
    const qsizetype used = std::exchange(m_used, 0);
    m_size = 0;
    if (!clean)
        return QString();
    text.truncate(used);
    return text;
}

namespace {

// The stages as the system takes them; nothing, with a log line, when a word
// could not reach the tool as its text says.
std::optional<std::vector<PreparedStage>> prepareStages(const PipelinePlan &plan, std::string_view label)
{
    std::vector<PreparedStage> prepared(size_t(plan.stages.size()));
    for (qsizetype i = 0; i < plan.stages.size(); ++i) {
        const Stage &stage = plan.stages.at(i);
        PreparedStage &p = prepared[size_t(i)];
        // UTF-8 has no form for an unpaired surrogate: the tool would be
        // given "?", another name than the word says.
        const bool valid = stage.program.isValidUtf16()
            && std::all_of(stage.arguments.begin(), stage.arguments.end(),
                           [](const QString &word) { return word.isValidUtf16(); });
        if (!valid) {
            logAlways(LogLabel(label), ":-( unpaired surrogate in the words of '%@'", stage.program);
            return std::nullopt;
        }
        p.path = QFile::encodeName(stage.program);
        p.argv.append(p.path);
        for (const QString &argument : stage.arguments)
            p.argv.append(argument.toUtf8());
        for (const QByteArray &entry : stage.environment)
            p.envp.append(entry);
        // A word cut at a NUL would name something else than its text says.
        if (p.argv.holdsNul()) {
            logAlways(LogLabel(label), ":-( NUL in the words of '%@'", stage.program);
            return std::nullopt;
        }
    }
    return prepared;
}

// Starts the tools, each reading the one before; the last writes to
// resultWrite and its errors to errorsWrite (-1: inherited). The last
// tool's process, or -1 when one could not start: those started are then
// killed, since half a pipeline could wait forever on an input nobody feeds.
pid_t startStages(const PipelinePlan &plan, std::vector<PreparedStage> &prepared, int resultWrite, int errorsWrite,
                  std::string_view label)
{
    const QByteArray directory = plan.workingDirectory.isEmpty() ? QByteArray() : QFile::encodeName(plan.workingDirectory);
    // The last tool is the program's child, waited for once its output has
    // ended; the earlier ones are detached and never waited for, since one
    // may run on after the last has ended (reading the program's input that
    // stays open, or sleeping).
    QList<pid_t> started;
    UniqueFd previousRead;
    for (qsizetype i = 0; i < plan.stages.size(); ++i) {
        const bool last = i == plan.stages.size() - 1;
        UniqueFd nextRead;
        UniqueFd nextWrite;
        int failure = 0;
        pid_t pid = -1;
        if (!last && !makePipe(nextRead, nextWrite))
            failure = errno;
        else
            failure = spawnStage(&pid, prepared[size_t(i)], i == 0 ? -1 : previousRead.get(),
                                 i == 0 && plan.firstReadsNothing, last ? resultWrite : nextWrite.get(),
                                 last ? errorsWrite : -1, directory, !last);
        if (failure != 0) {
            for (const pid_t tool : std::as_const(started))
                ::kill(tool, SIGKILL);
            logAlways(LogLabel(label), ":-( cannot start '%@' - %@", plan.stages.at(i).program, errnoText(failure));
            return -1;
        }
        started.append(pid);
        // Only the tools hold the pipe between them from here on.
        previousRead = std::move(nextRead);
    }
    return started.last();
}

} // namespace

std::optional<Output> runPipeline(const PipelinePlan &plan, std::string_view label)
{
    if (plan.stages.isEmpty())
        return std::nullopt;
    std::optional<std::vector<PreparedStage>> prepared = prepareStages(plan, label);
    if (!prepared)
        return std::nullopt;

    UniqueFd resultRead;
    UniqueFd resultWrite;
    if (!makePipe(resultRead, resultWrite)) {
        logAlways(LogLabel(label), ":-( pipe - %@", errnoText(errno));
        return std::nullopt;
    }
    ::fcntl(resultWrite.get(), F_SETPIPE_SZ, kResultPipeSize); // best effort

    // Kept error output goes to a file in memory, read once the tool has
    // ended: a second pipe would need both read together, or a tool that
    // writes much of it would block.
    UniqueFd errorsFile;
    if (plan.lastErrorsKept && !plan.lastErrorsJoin) {
        int fd = ::memfd_create("tool-errors", MFD_CLOEXEC);
        if (fd < 0 || !moveAboveStandardStreams(fd)) {
            logAlways(LogLabel(label), ":-( error file - %@", errnoText(errno));
            return std::nullopt;
        }
        errorsFile.reset(fd);
    }

    const pid_t lastTool = startStages(plan, *prepared, resultWrite.get(),
                                       plan.lastErrorsJoin ? resultWrite.get() : errorsFile.get(), label);
    resultWrite.reset();
    if (lastTool < 0)
        return std::nullopt;

    Output output;
    output.m_limit = toolOutputLimit();
    drain(resultRead.get(), [&output](const char *data, qsizetype size) { return output.append(data, size); }, label);
    if (output.m_overLimit) {
        ::kill(lastTool, SIGKILL);
        logAlways(LogLabel(label), ":-( output over the limit of %lld bytes, '%@' stopped", output.m_limit,
                  plan.stages.last().program);
    }
    resultRead.reset();
    reap(lastTool);
    if (errorsFile.get() >= 0) {
        output.m_errors.resize(kKeptErrorBytes);
        const qint64 got = readFully(errorsFile.get(), output.m_errors.data(), output.m_errors.size(), 0);
        output.m_errors.truncate(qsizetype(qMax<qint64>(got, 0)));
    }
    return output;
}

QString outputText(std::optional<Output> output)
{
    return output ? output->takeText() : QString();
}

} // namespace reel::task

namespace reel {

qint64 toolOutputLimit()
{
    return task::g_outputLimit.load();
}

qint64 setToolOutputLimit(qint64 bytes)
{
    return task::g_outputLimit.exchange(qMax<qint64>(0, bytes));
}

} // namespace reel
