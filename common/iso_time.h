#pragma once
// ISO 8601 internet date-times in UTC with whole seconds: "2026-12-06T22:28:59Z".

#include <chrono>
#include <string>

namespace common {

std::string iso8601Utc(std::chrono::system_clock::time_point moment);
std::string iso8601UtcNow();

}  // namespace common
