#pragma once
// One child process with standard output and standard error on one shared pipe.
//
// A reader thread hands every chunk the child writes to an output handler as it
// arrives (on that reader thread). The child never inherits the parent's other
// descriptors, gets default signal dispositions, and is always reaped. A child that
// cannot be started is reported by start(), never by a crash. A child started with
// `ownProcessGroup` leads a group of its own, and the signals reach that whole group,
// so a stop also ends what the child started.
//
//   common::SubprocessOptions options;
//   options.executable = "/usr/bin/lame";
//   common::Subprocess child(options, [&](std::string_view chunk) { output.append(chunk); });
//   if (auto error = child.start()) { /* *error says why */ }
//   common::ExitStatus status = child.waitForExit();

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace common {

struct ExitStatus {
    int code = -1;   // the exit code when the child exited by itself, else -1
    int signal = 0;  // the signal that ended the child, else 0
    bool succeeded() const { return signal == 0 && code == 0; }
};

struct SubprocessOptions {
    std::string executable;              // a path; the PATH is not searched
    std::vector<std::string> arguments;  // without the program name
    std::optional<std::string> workingDirectory;
    // Added to (or replacing entries of) the parent's environment.
    std::map<std::string, std::string> environmentOverrides;
    bool stdinFromNullDevice = true;  // otherwise the parent's standard input is shared
    // The parent feeds the child's standard input through writeInput() and closeInput();
    // takes the place of stdinFromNullDevice.
    bool stdinFromPipe = false;
    // The child leads a new process group; terminate() and kill() then signal the whole
    // group, also after the child itself has ended. Off by default so that a helper
    // (the renderer's LAME) stays in its parent's group and a stop of the parent's group
    // reaches it too.
    bool ownProcessGroup = false;
    // The kernel kills the child (SIGKILL) when the thread that started it ends, and so
    // when the parent dies, even by SIGKILL. Only for a child that the starting thread
    // waits for: a pool thread that retires would take the child with it.
    bool dieWithParent = false;
};

class Subprocess {
public:
    using OutputHandler = std::function<void(std::string_view chunk)>;

    explicit Subprocess(SubprocessOptions options, OutputHandler onOutput = {});
    ~Subprocess();  // a child that still runs is killed and reaped
    Subprocess(const Subprocess&) = delete;
    Subprocess& operator=(const Subprocess&) = delete;

    // Starts the child once. Nothing on success, else a one-line reason.
    std::optional<std::string> start();

    // Blocks until the child has ended. When it returns, everything the child
    // wrote before it ended has been handed to the output handler. Output that
    // grandchildren write later is not waited for. Safe from several threads.
    ExitStatus waitForExit();
    // As waitForExit(), but gives up after `timeout`: nothing when the child still runs.
    std::optional<ExitStatus> waitForExitFor(std::chrono::milliseconds timeout);

    // With stdinFromPipe: writes all of `bytes` to the child's standard input, blocking while
    // the pipe is full. False, once the child no longer reads (it closed its input or ended),
    // for this and every later call; the parent is never ended by SIGPIPE for it.
    bool writeInput(std::string_view bytes);
    // Gives the child end of file on its standard input. Later calls do nothing.
    void closeInput();

    bool isRunning();
    // The polite termination signal (SIGTERM) and the kill signal (SIGKILL), to the
    // child or, with `ownProcessGroup`, to every process of its group. Both return
    // false, sending nothing, when nothing they would reach is left.
    bool terminate();
    bool kill();
    // True while the child or, with `ownProcessGroup`, any process of its group
    // (a zombie included) still exists.
    bool hasLiveProcesses();

    pid_t pid() const { return pid_; }
    const SubprocessOptions& options() const { return options_; }

private:
    bool sendSignal(int signal);
    bool endsWithin(std::chrono::milliseconds timeout);
    void readOutput();
    void finishReader();

    SubprocessOptions options_;
    OutputHandler onOutput_;
    pid_t pid_ = -1;
    int readFd_ = -1;
    int inputFd_ = -1;
    int wakeReadFd_ = -1;
    int wakeWriteFd_ = -1;
    std::thread reader_;

    std::mutex stateMutex_;  // guards reaped_ and status_
    bool reaped_ = false;
    ExitStatus status_;
    std::mutex readerMutex_;  // serialises finishing the reader
};

struct CapturedRun {
    std::optional<std::string> startError;  // set when the child could not start
    ExitStatus status;
    std::string output;     // the newest maxOutputBytes bytes of the merged output
    bool timedOut = false;  // the child ran out of time and was killed
};

// Runs a child to its end and keeps its merged output, capped at the newest bytes.
// With a timeout, a child still running when it runs out is killed (its whole group
// with `ownProcessGroup`) and reported as timed out.
CapturedRun runAndCapture(SubprocessOptions options, size_t maxOutputBytes,
                          std::optional<std::chrono::milliseconds> timeout = std::nullopt);

}  // namespace common
