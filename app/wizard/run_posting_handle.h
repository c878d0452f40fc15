#pragma once
// The posting handle one edit run's background work gets: blocks go to the
// interface thread in order, and are dropped once the run has been superseded
// (a new Create Edit, or the songs were cleared), so a late handler can never
// overwrite a newer run.

#include <QObject>
#include <functional>
#include <memory>

#include "app/run/edit_run_controller.h"
#include "app/run/posting_handle.h"

namespace app {

class RunPostingHandle : public run::PostingHandle {
public:
    // `interfaceContext` must outlive every background body that holds the handle;
    // `currentRunNumber` is read on the interface thread only.
    RunPostingHandle(QObject* interfaceContext, std::function<int()> currentRunNumber,
                     std::shared_ptr<run::EditRunController> controller, int runNumber);
    void post(std::function<void()> block) const override;

private:
    QObject* context_;
    std::function<int()> currentRunNumber_;
    std::shared_ptr<run::EditRunController> controller_;
    int runNumber_;
};

}  // namespace app
