#pragma once
// The renderer's only report channel: one whole line on standard output,
// flushed at once so a parent reading a pipe sees it immediately.

#include <string_view>

namespace renderer {

void log(std::string_view message);

}  // namespace renderer
