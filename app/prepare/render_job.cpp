#include "app/prepare/render_job.h"

#include <nlohmann/json.hpp>

#include "app/prepare/song_join.h"
#include "common/join_style_name.h"
#include "common/text.h"

namespace app::prepare {
namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

nlohmann::ordered_json encodeTrack(const TrackJob& track) {
    nlohmann::ordered_json object;
    object["path"] = utf8(track.path);
    object["name"] = utf8(track.name);
    object["startTime"] = utf8(track.startTime);
    object["endTime"] = utf8(track.endTime);
    object["note"] = utf8(track.note);
    if (track.transition) {
        nlohmann::ordered_json transition;
        transition["style"] = std::string(common::joinStyleName(joinStyleOf(*track.transition)));
        if (const int beats = songs::blendBeats(*track.transition)) transition["beats"] = beats;
        object["transition"] = std::move(transition);
    }
    return object;
}

}  // namespace

std::string encodeRenderJob(const RenderJob& job) {
    nlohmann::ordered_json object;
    object["appVersion"] = utf8(job.appVersion);
    object["outputFolder"] = utf8(job.outputFolder);
    object["finalFadeOut"] = job.finalFadeOut;
    object["finalEndingEffect"] = utf8(job.finalEndingEffect);
    if (job.snapToBeat) object["snapToBeat"] = true;
    if (job.snapToBeat && job.snapToBar) object["snapToBar"] = true;
    nlohmann::ordered_json tracks = nlohmann::ordered_json::array();
    for (const TrackJob& track : job.tracks) tracks.push_back(encodeTrack(track));
    object["tracks"] = std::move(tracks);

    const std::string compact =
        object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    // "/" occurs only inside strings in this output, where "\/" is a valid escape.
    return common::replaceAll(compact, "/", "\\/");
}

}  // namespace app::prepare
