#include "renderer/base/log.h"

#include <cstdio>
#include <string>

namespace renderer {

namespace {

std::string oneLine(std::string_view message) {
    std::string line;
    line.reserve(message.size());
    for (const char c : message) {
        switch (c) {
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line += c;
        }
    }
    return line;
}

}  // namespace

void log(std::string_view message) {
    const std::string line = oneLine(message);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace renderer
