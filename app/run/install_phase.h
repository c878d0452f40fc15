#pragma once
// The progress rows of Step 4.

#include <QString>
#include <optional>
#include <vector>

#include "app/run/create_step.h"

namespace app::run {

enum class InstallPhaseState { pending, running, done, failed, stopped };

// "Waiting", "Installing", "Done", "Needs Attention", "Stopped".
QString rawValue(InstallPhaseState state);
std::optional<InstallPhaseState> installPhaseStateFromRawValue(const QString& raw);

struct InstallPhase {
    CreateStep id = CreateStep::prepare;
    QString title;
    QString detail;
    double progress = 0.0;  // 0.0 to 1.0
    InstallPhaseState state = InstallPhaseState::pending;
};

// The five steps in order, all pending at 0.0.
std::vector<InstallPhase> defaultCreateSteps();

// The colour of the live status panel.
enum class StatusColor { green, red, orange, amber };

}  // namespace app::run
