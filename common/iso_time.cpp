#include "common/iso_time.h"

#include <ctime>

namespace common {

std::string iso8601Utc(std::chrono::system_clock::time_point moment) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::floor<std::chrono::seconds>(moment));
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::string iso8601UtcNow() { return iso8601Utc(std::chrono::system_clock::now()); }

}  // namespace common
