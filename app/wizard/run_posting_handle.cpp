#include "app/wizard/run_posting_handle.h"

#include <QMetaObject>

namespace app {

RunPostingHandle::RunPostingHandle(QObject* interfaceContext, std::function<int()> currentRunNumber,
                                   std::shared_ptr<run::EditRunController> controller,
                                   int runNumber)
    : context_(interfaceContext),
      currentRunNumber_(std::move(currentRunNumber)),
      controller_(std::move(controller)),
      runNumber_(runNumber) {}

void RunPostingHandle::post(std::function<void()> block) const {
    // A block still queued when the context is destroyed is dropped by Qt.
    QMetaObject::invokeMethod(
        context_,
        [current = currentRunNumber_, controller = controller_, number = runNumber_,
         block = std::move(block)] {
            if (current() != number) return;
            if (!controller->isCurrentRun(number)) return;
            block();
        },
        Qt::QueuedConnection);
}

}  // namespace app
