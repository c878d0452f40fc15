#include "common/subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

extern char** environ;

namespace common {
namespace {

void closeIfOpen(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

std::vector<std::string> mergedEnvironment(const std::map<std::string, std::string>& overrides) {
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const std::string key(text.substr(0, text.find('=')));
        if (overrides.count(key) == 0) entries.emplace_back(text);
    }
    for (const auto& [key, value] : overrides) entries.push_back(key + "=" + value);
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

ExitStatus decodeWaitStatus(int status) {
    ExitStatus decoded;
    if (WIFEXITED(status)) decoded.code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) decoded.signal = WTERMSIG(status);
    return decoded;
}

// Spawn attributes: an empty signal mask and default dispositions, so that a
// parent which ignores or blocks signals does not pass that on.
struct SpawnAttributes {
    posix_spawnattr_t attributes;
    explicit SpawnAttributes(bool ownProcessGroup) {
        posix_spawnattr_init(&attributes);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int signal = 1; signal < NSIG; ++signal) {
            if (signal != SIGKILL && signal != SIGSTOP) sigaddset(&defaults, signal);
        }
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        if (ownProcessGroup) {
            posix_spawnattr_setpgroup(&attributes, 0);  // a group led by the child
            flags |= POSIX_SPAWN_SETPGROUP;
        }
        posix_spawnattr_setflags(&attributes, flags);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes); }
};

struct FileActions {
    posix_spawn_file_actions_t actions;
    FileActions() { posix_spawn_file_actions_init(&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
};

// What the child of fork() needs, all prepared before the fork: after it, only
// async-signal-safe calls are allowed.
struct ForkPlan {
    const char* executable;
    char* const* argv;
    char* const* envp;
    const char* workingDirectory;  // nullptr: unchanged
    bool stdinFromNullDevice;
    int inputFd;  // becomes standard input when not negative
    bool ownProcessGroup;
    int outputFd;
    int errorReportFd;  // receives errno when the child cannot run the program
    pid_t parent;
};

[[noreturn]] void failInChild(int reportFd) {
    const int error = errno;
    while (::write(reportFd, &error, sizeof error) < 0 && errno == EINTR) {
    }
    ::_exit(127);
}

[[noreturn]] void runInForkedChild(const ForkPlan& plan) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died before the line above took effect.
    if (::getppid() != plan.parent) ::_exit(127);
    if (plan.ownProcessGroup) ::setpgid(0, 0);
    if (plan.inputFd >= 0) {
        if (::dup2(plan.inputFd, STDIN_FILENO) < 0) failInChild(plan.errorReportFd);
    } else if (plan.stdinFromNullDevice) {
        const int null = ::open("/dev/null", O_RDONLY);
        if (null < 0 || ::dup2(null, STDIN_FILENO) < 0) failInChild(plan.errorReportFd);
        if (null != STDIN_FILENO) ::close(null);
    }
    if (::dup2(plan.outputFd, STDOUT_FILENO) < 0 || ::dup2(plan.outputFd, STDERR_FILENO) < 0) {
        failInChild(plan.errorReportFd);
    }
    if (plan.workingDirectory != nullptr && ::chdir(plan.workingDirectory) != 0) {
        failInChild(plan.errorReportFd);
    }
    // Every other descriptor closes; the report pipe closes on exec by itself.
    if (plan.errorReportFd > STDERR_FILENO + 1) {
        ::close_range(STDERR_FILENO + 1, static_cast<unsigned>(plan.errorReportFd) - 1, 0);
    }
    ::close_range(static_cast<unsigned>(plan.errorReportFd) + 1, ~0U, 0);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        if (signal != SIGKILL && signal != SIGSTOP) ::sigaction(signal, &defaults, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(plan.executable, plan.argv, plan.envp);
    failInChild(plan.errorReportFd);
}

// fork() and exec with a parent-death signal, which posix_spawn cannot set. Returns 0 and
// the child's pid, or an errno value.
int forkDyingWithParent(ForkPlan plan, pid_t& child) {
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    plan.errorReportFd = report[1];
    plan.parent = ::getpid();
    child = ::fork();
    if (child == 0) runInForkedChild(plan);
    const int forkError = child < 0 ? errno : 0;
    ::close(report[1]);
    int childError = 0;
    ssize_t count = 0;
    while ((count = ::read(report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (forkError != 0) return forkError;
    if (count == sizeof childError) {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        child = -1;
        return childError;
    }
    return 0;
}

}  // namespace

Subprocess::Subprocess(SubprocessOptions options, OutputHandler onOutput)
    : options_(std::move(options)), onOutput_(std::move(onOutput)) {}

Subprocess::~Subprocess() {
    if (pid_ > 0) {
        // Only a child that still runs takes its group down with it: members left behind
        // by a child that has ended are the caller's to stop.
        if (isRunning()) sendSignal(SIGKILL);
        waitForExit();
    }
    finishReader();
    closeIfOpen(readFd_);
    closeIfOpen(inputFd_);
    closeIfOpen(wakeReadFd_);
    closeIfOpen(wakeWriteFd_);
}

std::optional<std::string> Subprocess::start() {
    if (pid_ > 0) return "The process was already started.";
    const std::string what = "Could not start " + options_.executable + ": ";

    int outputPipe[2];
    if (::pipe2(outputPipe, O_CLOEXEC) != 0) return what + std::strerror(errno);
    int wakePipe[2];
    if (::pipe2(wakePipe, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(outputPipe[0]);
        ::close(outputPipe[1]);
        return what + std::strerror(error);
    }

    int inputPipe[2] = {-1, -1};
    if (options_.stdinFromPipe && ::pipe2(inputPipe, O_CLOEXEC) != 0) {
        const int error = errno;
        for (int fd : {outputPipe[0], outputPipe[1], wakePipe[0], wakePipe[1]}) ::close(fd);
        return what + std::strerror(error);
    }

    FileActions files;
    if (options_.stdinFromPipe) {
        posix_spawn_file_actions_adddup2(&files.actions, inputPipe[0], STDIN_FILENO);
    } else if (options_.stdinFromNullDevice) {
        posix_spawn_file_actions_addopen(&files.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&files.actions, outputPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&files.actions, outputPipe[1], STDERR_FILENO);
    if (options_.workingDirectory) {
        posix_spawn_file_actions_addchdir_np(&files.actions, options_.workingDirectory->c_str());
    }
    posix_spawn_file_actions_addclosefrom_np(&files.actions, STDERR_FILENO + 1);
    SpawnAttributes attributes(options_.ownProcessGroup);

    std::vector<std::string> argumentStrings;
    argumentStrings.push_back(options_.executable);
    argumentStrings.insert(argumentStrings.end(), options_.arguments.begin(),
                           options_.arguments.end());
    std::vector<std::string> environmentStrings = mergedEnvironment(options_.environmentOverrides);
    std::vector<char*> argv = pointersTo(argumentStrings);
    std::vector<char*> envp = pointersTo(environmentStrings);

    pid_t child = -1;
    int error = 0;
    if (options_.dieWithParent) {
        const ForkPlan plan{
            options_.executable.c_str(),
            argv.data(),
            envp.data(),
            options_.workingDirectory ? options_.workingDirectory->c_str() : nullptr,
            options_.stdinFromNullDevice,
            inputPipe[0],
            options_.ownProcessGroup,
            outputPipe[1],
            -1,
            0};
        error = forkDyingWithParent(plan, child);
    } else {
        error = ::posix_spawn(&child, options_.executable.c_str(), &files.actions,
                              &attributes.attributes, argv.data(), envp.data());
    }
    ::close(outputPipe[1]);
    closeIfOpen(inputPipe[0]);
    if (error != 0) {
        closeIfOpen(inputPipe[1]);
        ::close(outputPipe[0]);
        ::close(wakePipe[0]);
        ::close(wakePipe[1]);
        return what + std::strerror(error);
    }
    {
        // Stop may ask isRunning() from another thread while the child starts.
        std::lock_guard<std::mutex> guard(stateMutex_);
        pid_ = child;
    }
    readFd_ = outputPipe[0];
    inputFd_ = inputPipe[1];
    wakeReadFd_ = wakePipe[0];
    wakeWriteFd_ = wakePipe[1];
    reader_ = std::thread([this] { readOutput(); });
    return std::nullopt;
}

void Subprocess::readOutput() {
    char buffer[65536];
    bool draining = false;
    while (true) {
        if (!draining) {
            pollfd watched[2] = {{readFd_, POLLIN, 0}, {wakeReadFd_, POLLIN, 0}};
            if (::poll(watched, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (watched[1].revents != 0) {
                // The child has ended: take what is already in the pipe, then stop,
                // even if a grandchild still holds the pipe open.
                draining = true;
                ::fcntl(readFd_, F_SETFL, ::fcntl(readFd_, F_GETFL) | O_NONBLOCK);
            } else if (watched[0].revents == 0) {
                continue;
            }
        }
        const ssize_t count = ::read(readFd_, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;  // end of file, or nothing left while draining
        if (onOutput_) onOutput_(std::string_view(buffer, static_cast<size_t>(count)));
    }
}

bool Subprocess::writeInput(std::string_view bytes) {
    if (inputFd_ < 0) return false;
    // A child that stops reading would otherwise end this whole process with SIGPIPE. The
    // signal is blocked in this thread only, and the one a failed write raised is taken
    // back before the mask is restored.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    bool written = true;
    while (!bytes.empty()) {
        const ssize_t count = ::write(inputFd_, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            if (errno == EPIPE) {
                const timespec noWait{};
                ::sigtimedwait(&pipeSignal, nullptr, &noWait);
            }
            written = false;
            break;
        }
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (!written) closeIfOpen(inputFd_);
    return written;
}

void Subprocess::closeInput() { closeIfOpen(inputFd_); }

void Subprocess::finishReader() {
    std::lock_guard<std::mutex> guard(readerMutex_);
    if (!reader_.joinable()) return;
    const char wake = 1;
    while (::write(wakeWriteFd_, &wake, 1) < 0 && errno == EINTR) {
    }
    reader_.join();
}

ExitStatus Subprocess::waitForExit() {
    if (pid_ <= 0) return {};
    // Wait without reaping, so that signals sent meanwhile cannot reach a reused pid.
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOWAIT) != 0 &&
           errno == EINTR) {
    }
    {
        std::lock_guard<std::mutex> guard(stateMutex_);
        if (!reaped_) {
            int status = 0;
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            status_ = decodeWaitStatus(status);
            reaped_ = true;
        }
    }
    finishReader();
    std::lock_guard<std::mutex> guard(stateMutex_);
    return status_;
}

bool Subprocess::isRunning() {
    std::lock_guard<std::mutex> guard(stateMutex_);
    if (pid_ <= 0 || reaped_) return false;
    siginfo_t info{};
    info.si_pid = 0;
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
        return false;
    }
    return info.si_pid == 0;
}

std::optional<ExitStatus> Subprocess::waitForExitFor(std::chrono::milliseconds timeout) {
    if (pid_ > 0 && !endsWithin(timeout)) return std::nullopt;
    return waitForExit();
}

bool Subprocess::endsWithin(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int processFd = -1;
    {
        // Opened under the lock, so the pid cannot have been reaped and reused meanwhile.
        std::lock_guard<std::mutex> guard(stateMutex_);
        if (reaped_) return true;
        processFd = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    }
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (processFd < 0) {
            // Without process descriptors the kernel is only asked every few milliseconds.
            if (!isRunning()) return true;
            if (left.count() <= 0) return false;
            std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(10)));
            continue;
        }
        pollfd watched{processFd, POLLIN, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) continue;
        ::close(processFd);
        return ready != 0;  // an error counts as ended, so waitForExit() decides
    }
}

bool Subprocess::sendSignal(int signal) {
    std::lock_guard<std::mutex> guard(stateMutex_);
    if (pid_ <= 0) return false;
    if (options_.ownProcessGroup) {
        // The group outlives its leader. Its id is only free for reuse once every member
        // has ended; until the pid numbers wrap round a signal to it then finds no one.
        return ::kill(-pid_, signal) == 0;
    }
    if (reaped_) return false;
    return ::kill(pid_, signal) == 0;
}

bool Subprocess::terminate() { return hasLiveProcesses() && sendSignal(SIGTERM); }

bool Subprocess::kill() { return hasLiveProcesses() && sendSignal(SIGKILL); }

bool Subprocess::hasLiveProcesses() {
    if (!options_.ownProcessGroup) return isRunning();
    return sendSignal(0);
}

CapturedRun runAndCapture(SubprocessOptions options, size_t maxOutputBytes,
                          std::optional<std::chrono::milliseconds> timeout) {
    CapturedRun run;
    std::mutex outputMutex;
    Subprocess child(std::move(options), [&](std::string_view chunk) {
        std::lock_guard<std::mutex> guard(outputMutex);
        run.output.append(chunk);
        if (run.output.size() > maxOutputBytes) {
            run.output.erase(0, run.output.size() - maxOutputBytes);
        }
    });
    run.startError = child.start();
    if (run.startError) return run;
    if (timeout) {
        if (const std::optional<ExitStatus> status = child.waitForExitFor(*timeout)) {
            run.status = *status;
            return run;
        }
        run.timedOut = true;
        child.kill();
    }
    run.status = child.waitForExit();
    return run;
}

}  // namespace common
