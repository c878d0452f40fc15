#include "renderer/run/log.h"

#include <cstdio>

namespace renderer {

void log(std::string_view message) {
    std::fwrite(message.data(), 1, message.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace renderer
