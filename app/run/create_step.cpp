#include "app/run/create_step.h"

namespace app::run {

QString rawValue(CreateStep step) {
    switch (step) {
        case CreateStep::prepare:
            return QStringLiteral("prepare");
        case CreateStep::analyze:
            return QStringLiteral("analyze");
        case CreateStep::cuts:
            return QStringLiteral("cuts");
        case CreateStep::render:
            return QStringLiteral("render");
        case CreateStep::save:
            return QStringLiteral("save");
    }
    return {};
}

std::optional<CreateStep> createStepFromRawValue(const QString& raw) {
    for (const CreateStep step : allCreateSteps) {
        if (rawValue(step) == raw) return step;
    }
    return std::nullopt;
}

}  // namespace app::run
