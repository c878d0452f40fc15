#include "renderer/base/timeline.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace renderer {
namespace {

using Clock = std::chrono::steady_clock;

struct TimelineFile {
    std::mutex mutex;  // guards writes to file
    std::FILE* file = nullptr;
    Clock::time_point origin = Clock::now();
};

// Never closed: each line is flushed, and stages may end while the process exits.
TimelineFile& timeline() {
    static TimelineFile* const instance = [] {
        auto* opened = new TimelineFile;
        if (const char* path = std::getenv("SEAMFORGE_TIMELINE"); path != nullptr && *path) {
            opened->file = std::fopen(path, "a");
        }
        return opened;
    }();
    return *instance;
}

void record(const char* event, const std::string& stage) {
    TimelineFile& target = timeline();
    if (target.file == nullptr) return;
    const std::chrono::duration<double> elapsed = Clock::now() - target.origin;
    std::lock_guard guard(target.mutex);
    std::fprintf(target.file, "%.4f %s %s\n", elapsed.count(), event, stage.c_str());
    std::fflush(target.file);
}

}  // namespace

TimelineStage::TimelineStage(std::string name) : name_(std::move(name)) { record("start", name_); }

TimelineStage::~TimelineStage() { record("end", name_); }

}  // namespace renderer
