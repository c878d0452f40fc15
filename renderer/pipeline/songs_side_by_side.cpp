#include "renderer/pipeline/songs_side_by_side.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "renderer/base/cancel_token.h"

namespace renderer {
namespace {

struct SongSlot {
    CancelToken token;
    std::optional<SongCut> cut;
    std::exception_ptr failure;
};

class SongQueue {
public:
    SongQueue(int songCount, const std::function<SongCut(int)>& cutSong)
        : slots_(static_cast<size_t>(songCount)), cutSong_(cutSong) {}

    // Runs on each worker: takes the next song until none is left.
    void work() {
        for (int index = next_++; index < songCount(); index = next_++) {
            SongSlot& slot = slots_[static_cast<size_t>(index)];
            if (index > firstFailed_.load()) continue;  // an earlier song failed the run
            const ScopedCancelToken installed(slot.token);
            try {
                slot.cut.emplace(cutSong_(index + 1));
            } catch (...) {
                slot.failure = std::current_exception();
                recordFailure(index);
            }
        }
    }

    std::vector<SongCut> results() {
        std::vector<SongCut> cuts;
        for (SongSlot& slot : slots_) {
            // A song without a cut was skipped after an earlier failure, rethrown first.
            if (slot.failure) std::rethrow_exception(slot.failure);
            cuts.push_back(std::move(*slot.cut));
        }
        return cuts;
    }

    int songCount() const { return static_cast<int>(slots_.size()); }

private:
    void recordFailure(int index) {
        int seen = firstFailed_.load();
        while (index < seen && !firstFailed_.compare_exchange_weak(seen, index)) {
        }
        for (size_t later = static_cast<size_t>(index) + 1; later < slots_.size(); ++later) {
            slots_[later].token.cancel();
        }
    }

    std::vector<SongSlot> slots_;
    const std::function<SongCut(int)>& cutSong_;
    std::atomic<int> next_{0};
    std::atomic<int> firstFailed_{std::numeric_limits<int>::max()};
};

}  // namespace

std::vector<SongCut> cutSongsSideBySide(int songCount, int maxParallel,
                                        const std::function<SongCut(int songNumber)>& cutSong) {
    SongQueue queue(songCount, cutSong);
    const int workerCount = std::clamp(maxParallel, 1, std::max(songCount, 1));
    if (workerCount == 1) {
        queue.work();
        return queue.results();
    }
    std::vector<std::jthread> workers;
    for (int i = 0; i < workerCount; ++i) workers.emplace_back([&queue] { queue.work(); });
    workers.clear();  // joins
    return queue.results();
}

int songDecodeParallelism() {
    if (const char* configured = std::getenv("SEAMFORGE_DECODE_THREADS")) {
        const int threads = std::atoi(configured);
        if (threads > 0) return threads;
    }
    return std::numeric_limits<int>::max();
}

int songsInMemoryAtOnce() {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    return std::min(cores, songDecodeParallelism());
}

}  // namespace renderer
