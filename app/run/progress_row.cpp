#include "app/run/progress_row.h"

#include <QCoreApplication>
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
        {CreateStep::prepare, QCoreApplication::translate("Progress", "Prepare Songs"),
         QCoreApplication::translate(
             "Progress", "Checking selected songs, output folder, and local edit work files."),
         0.0, ProgressRowState::pending},
        {CreateStep::analyze, QCoreApplication::translate("Progress", "Analyze Audio"),
         QCoreApplication::translate(
             "Progress", "Scanning source audio, first notes, levels, beats, and song structure."),
         0.0, ProgressRowState::pending},
        {CreateStep::cuts, QCoreApplication::translate("Progress", "Find Edit Points"),
         QCoreApplication::translate("Progress",
                                     "Comparing timing, beats, count, and clean join candidates."),
         0.0, ProgressRowState::pending},
        {CreateStep::render, QCoreApplication::translate("Progress", "Build Edit"),
         QCoreApplication::translate("Progress",
                                     "Rendering the continuous 320 kbps MP3 and matching levels."),
         0.0, ProgressRowState::pending},
        {CreateStep::save, QCoreApplication::translate("Progress", "Save Files"),
         QCoreApplication::translate("Progress",
                                     "Verifying the MP3, writing edit notes, and saving files in "
                                     "the selected output folder."),
         0.0, ProgressRowState::pending},
    };
}

}  // namespace app::run
