#include "app/run/engine_milestones.h"

#include <optional>

namespace app::run {
namespace {

// Bounds the memory a child that never ends a line can take; no milestone line is this long.
constexpr size_t kLongestKeptLine = 256;

std::optional<EngineMilestone> milestoneOf(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "LOCAL_STEP cuts done") return EngineMilestone::cutsDone;
    if (line == "LOCAL_STEP render done") return EngineMilestone::renderDone;
    return std::nullopt;
}

}  // namespace

std::vector<EngineMilestone> EngineMilestoneReader::feed(std::string_view chunk) {
    std::vector<EngineMilestone> milestones;
    for (const char byte : chunk) {
        if (byte != '\n') {
            if (pendingLine_.size() < kLongestKeptLine) pendingLine_ += byte;
            continue;
        }
        if (const std::optional<EngineMilestone> milestone = milestoneOf(pendingLine_)) {
            milestones.push_back(*milestone);
        }
        pendingLine_.clear();
    }
    return milestones;
}

}  // namespace app::run
