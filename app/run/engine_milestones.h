#pragma once
// The steps the local engine announces on its output ("LOCAL_STEP cuts done",
// "LOCAL_STEP render done"), read line by line from the raw chunks of its pipe.

#include <string>
#include <string_view>
#include <vector>

namespace app::run {

enum class EngineMilestone {
    cutsDone,    // every song is decoded, analysed and cut
    renderDone,  // the MP3 is in the output folder
};

// Collects chunks into lines and reports the milestones they announce, in order.
// Not thread-safe: one reader feeds it. A line split over chunks is read once whole.
class EngineMilestoneReader {
public:
    std::vector<EngineMilestone> feed(std::string_view chunk);

private:
    std::string pendingLine_;
};

}  // namespace app::run
