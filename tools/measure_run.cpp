// measure_run: runs a command and reports its wall-clock time and peak memory, so that the
// benchmark needs no outside timing tool.
//
//   measure_run REPORT_FILE command [arguments...]
//
// The command's output passes through. Appends one line "<seconds> <peak KiB> <CPU seconds>"
// to REPORT_FILE, where the peak is the largest resident set of the command and the children it
// waited for (ru_maxrss of wait4), and the CPU time is theirs, user and system, on every core.
// Exits with the command's status (1 when it could not start, 128 + n when signal n ended it).

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure_run REPORT_FILE command [arguments...]\n");
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    pid_t child = -1;
    const int spawnError = ::posix_spawnp(&child, argv[2], nullptr, nullptr, argv + 2, environ);
    if (spawnError != 0) {
        std::fprintf(stderr, "measure_run: could not start %s: %s\n", argv[2],
                     std::strerror(spawnError));
        return 1;
    }
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("measure_run: wait4");
            return 1;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    std::ofstream report(argv[1], std::ios::app);
    const double cpuSeconds =
        static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    report << elapsed.count() << " " << usage.ru_maxrss << " " << cpuSeconds << "\n";
    if (!report) {
        std::fprintf(stderr, "measure_run: could not write %s\n", argv[1]);
        return 1;
    }
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}
