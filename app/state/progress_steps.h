#pragma once
// The plain types of Step 4's progress: the five steps in the order they run and one
// row of the list. Their words and defaults live with the run (app/run/progress_row.h).

#include <QString>
#include <array>

namespace app::run {

enum class CreateStep { prepare, analyze, cuts, render, save };

inline constexpr std::array<CreateStep, 5> allCreateSteps = {CreateStep::prepare,
                                                             CreateStep::analyze, CreateStep::cuts,
                                                             CreateStep::render, CreateStep::save};

enum class ProgressRowState { pending, running, done, failed, stopped };

struct ProgressRow {
    CreateStep id = CreateStep::prepare;
    QString title;
    QString detail;
    double progress = 0.0;  // 0.0 to 1.0
    ProgressRowState state = ProgressRowState::pending;
};

}  // namespace app::run
