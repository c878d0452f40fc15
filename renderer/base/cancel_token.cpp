#include "renderer/base/cancel_token.h"

#include "common/subprocess.h"

namespace renderer {
namespace {

thread_local CancelToken* installedToken = nullptr;

}  // namespace

void CancelToken::cancel() {
    cancelled_.store(true, std::memory_order_release);
    std::shared_ptr<common::Subprocess> child;
    {
        std::lock_guard guard(childMutex_);
        child = child_;
    }
    if (child) child->terminate();  // never signalled under the lock
}

void CancelToken::attach(std::shared_ptr<common::Subprocess> child) {
    {
        std::lock_guard guard(childMutex_);
        child_ = child;
    }
    // A cancel that came before the attachment could not reach this child.
    if (cancelled()) child->terminate();
}

void CancelToken::detach() {
    std::shared_ptr<common::Subprocess> released;
    std::lock_guard guard(childMutex_);
    released.swap(child_);
}

CancelToken* currentCancelToken() noexcept { return installedToken; }

ScopedCancelToken::ScopedCancelToken(CancelToken& token) : previous_(installedToken) {
    installedToken = &token;
}

ScopedCancelToken::~ScopedCancelToken() { installedToken = previous_; }

}  // namespace renderer
