#include "app/run/progress_row.h"

#include <array>

namespace app::run {
namespace {

struct StateName {
    ProgressRowState state;
    const char* raw;
};

constexpr std::array<StateName, 5> kStateNames = {{
    {ProgressRowState::pending, "Waiting"},
    {ProgressRowState::running, "Installing"},
    {ProgressRowState::done, "Done"},
    {ProgressRowState::failed, "Needs Attention"},
    {ProgressRowState::stopped, "Stopped"},
}};

}  // namespace

QString rawValue(ProgressRowState state) {
    for (const StateName& name : kStateNames) {
        if (name.state == state) return QString::fromLatin1(name.raw);
    }
    return {};
}

std::optional<ProgressRowState> progressRowStateFromRawValue(const QString& raw) {
    for (const StateName& name : kStateNames) {
        if (raw == QLatin1String(name.raw)) return name.state;
    }
    return std::nullopt;
}

std::vector<ProgressRow> defaultCreateSteps() {
    return {
        {CreateStep::prepare, "Prepare Songs",
         "Checking selected songs, output folder, and local edit work files.", 0.0,
         ProgressRowState::pending},
        {CreateStep::analyze, "Analyze Audio",
         "Scanning source audio, first notes, levels, beats, and song structure.", 0.0,
         ProgressRowState::pending},
        {CreateStep::cuts, "Find Edit Points",
         "Comparing timing, beats, count, and clean join candidates.", 0.0,
         ProgressRowState::pending},
        {CreateStep::render, "Build Edit",
         "Rendering the continuous 320 kbps MP3 and matching levels.", 0.0,
         ProgressRowState::pending},
        {CreateStep::save, "Save Files",
         "Verifying the MP3, writing edit notes, and saving files in the selected output folder.",
         0.0, ProgressRowState::pending},
    };
}

}  // namespace app::run
