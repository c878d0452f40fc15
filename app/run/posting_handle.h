#pragma once
// What background work may do with the interface: queue a block onto its thread.

#include <functional>

namespace app::run {

class PostingHandle {
public:
    virtual ~PostingHandle() = default;
    // Callable from any thread; `block` runs later on the interface thread, in
    // posting order. A handle may drop blocks that no longer apply (a superseded run).
    virtual void post(std::function<void()> block) const = 0;
};

}  // namespace app::run
