#include "renderer/join/loudness.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace renderer {

double levelMatchTarget(std::span<const double> segmentRMSValues) {
    std::vector<double> levels;
    std::copy_if(segmentRMSValues.begin(), segmentRMSValues.end(), std::back_inserter(levels),
                 [](double value) { return value > 0.0; });
    if (levels.empty()) return defaultLoudnessTarget;
    std::sort(levels.begin(), levels.end());
    return levels[levels.size() / 2];
}

double levelMatchGain(double segmentRMSValue, double target) {
    if (!(segmentRMSValue > 0.0) || !(target > 0.0)) return 1.0;
    return std::clamp(target / segmentRMSValue, minimumLevelMatchGain, maximumLevelMatchGain);
}

std::vector<double> levelMatchGains(std::span<const double> segmentRMSValues) {
    const double target = levelMatchTarget(segmentRMSValues);
    std::vector<double> gains;
    for (const double level : segmentRMSValues) gains.push_back(levelMatchGain(level, target));
    return gains;
}

}  // namespace renderer
