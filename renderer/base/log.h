#pragma once
// The renderer's only report channel: one whole line on standard output,
// flushed at once so a parent reading a pipe sees it immediately. A line break or carriage
// return inside the message (a path may hold either) is written as "\n" or "\r", so the
// message never spans two lines.

#include <string_view>

namespace renderer {

void log(std::string_view message);

}  // namespace renderer
