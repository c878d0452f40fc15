#include "tests/support/process_state.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace testsupport {

bool processHasEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    // The state follows the command name, which is in parentheses and may hold spaces.
    const size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos || nameEnd + 2 >= line.size()) return true;
    const char state = line[nameEnd + 2];
    return state == 'Z' || state == 'X';
}

bool waitForProcessEnd(pid_t pid, double timeoutSeconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (!processHasEnded(pid)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::optional<pid_t> readPidFile(const std::filesystem::path& file, double timeoutSeconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    do {
        std::ifstream in(file);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        // The script writes the number and a line break; only a whole line counts.
        if (text.size() > 1 && text.back() == '\n') return static_cast<pid_t>(std::stol(text));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

}  // namespace testsupport
