#pragma once
// The five rows of the edit's progress, in the order they run.

#include <QString>
#include <array>
#include <optional>

namespace app::run {

enum class CreateStep { prepare, analyze, cuts, render, save };

inline constexpr std::array<CreateStep, 5> allCreateSteps = {CreateStep::prepare,
                                                             CreateStep::analyze, CreateStep::cuts,
                                                             CreateStep::render, CreateStep::save};

// The step's stable key: "prepare", "analyze", "cuts", "render", "save".
QString rawValue(CreateStep step);
std::optional<CreateStep> createStepFromRawValue(const QString& raw);

}  // namespace app::run
