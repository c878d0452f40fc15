#pragma once
// Optional record of when each stage of a run starts and ends, for the benchmark: when
// SEAMFORGE_TIMELINE names a file, every TimelineStage appends "<seconds> start|end <stage>"
// lines to it (seconds since the first stage, monotonic clock). Standard output is never
// touched. Thread-safe; without the variable it costs one getenv per process.

#include <string>

namespace renderer {

class TimelineStage {
public:
    explicit TimelineStage(std::string name);
    ~TimelineStage();
    TimelineStage(const TimelineStage&) = delete;
    TimelineStage& operator=(const TimelineStage&) = delete;

private:
    std::string name_;
};

}  // namespace renderer
