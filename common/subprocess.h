#pragma once
// One child process with standard output and standard error on one shared pipe.
//
// A reader thread hands every chunk the child writes to an output handler as it
// arrives (on that reader thread). The child never inherits the parent's other
// descriptors, gets default signal dispositions, and is always reaped. A child that
// cannot be started is reported by start(), never by a crash.
//
//   common::SubprocessOptions options;
//   options.executable = "/usr/bin/lame";
//   common::Subprocess child(options, [&](std::string_view chunk) { output.append(chunk); });
//   if (auto error = child.start()) { /* *error says why */ }
//   common::ExitStatus status = child.waitForExit();

#include <sys/types.h>

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

    bool isRunning();
    // The polite termination signal (SIGTERM) and the kill signal (SIGKILL).
    // Both return false, sending nothing, when the child is not running.
    bool terminate();
    bool kill();

    pid_t pid() const { return pid_; }
    const SubprocessOptions& options() const { return options_; }

private:
    bool sendSignal(int signal);
    void readOutput();
    void finishReader();

    SubprocessOptions options_;
    OutputHandler onOutput_;
    pid_t pid_ = -1;
    int readFd_ = -1;
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
    std::string output;  // the newest maxOutputBytes bytes of the merged output
};

// Runs a child to its end and keeps its merged output, capped at the newest bytes.
CapturedRun runAndCapture(SubprocessOptions options, size_t maxOutputBytes);

}  // namespace common
