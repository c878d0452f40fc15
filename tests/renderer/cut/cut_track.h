#pragma once
// A job's track as the cut tests need it: a song cut between two typed times, nothing else asked.

#include <string>
#include <utility>

#include "renderer/job/render_job.h"

namespace testsupport {

inline renderer::TrackJob cutTrack(std::string path, std::string startTime, std::string endTime) {
    renderer::TrackJob track;
    track.path = std::move(path);
    track.startTime = std::move(startTime);
    track.endTime = std::move(endTime);
    return track;
}

}  // namespace testsupport
