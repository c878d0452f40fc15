#include "app/prepare/song_join.h"

#include <cmath>

#include "app/prepare/note_portion.h"

namespace app::prepare {
namespace {

constexpr double kBeatsPerBar = 4.0;

}  // namespace

common::NoteRequests songNoteRequests(const WizardState& state, int index) {
    const int total = static_cast<int>(state.tracks.size());
    if (index < 0 || index >= total) return {};
    const QString& path = state.tracks[static_cast<size_t>(index)].url;
    const QString note =
        customLocalEngineNotePortion(state.songGuidance.value(path).trimmed(), index, total);
    return common::readNoteRequests(note.toStdString());
}

songs::JoinChoice joinChoiceFor(const common::JoinRequest& request) {
    if (request.style == common::JoinStyle::cut) return songs::JoinChoice::cut;
    if (!request.length || request.length->unit == common::LengthUnit::seconds) {
        return songs::JoinChoice::blend8;
    }
    const double beats = request.length->unit == common::LengthUnit::bars
                             ? request.length->count * kBeatsPerBar
                             : request.length->count;
    songs::JoinChoice nearest = songs::JoinChoice::blend4;
    for (const songs::JoinChoice choice : {songs::JoinChoice::blend8, songs::JoinChoice::blend16}) {
        if (std::abs(beats - songs::blendBeats(choice)) <=
            std::abs(beats - songs::blendBeats(nearest))) {
            nearest = choice;
        }
    }
    return nearest;
}

std::optional<SongJoin> songJoin(const WizardState& state, int index) {
    const int total = static_cast<int>(state.tracks.size());
    if (index < 0 || index + 1 >= total) return std::nullopt;
    SongJoin join;
    if (const auto request = songNoteRequests(state, index).join) {
        if (request->style == common::JoinStyle::cut || request->style == common::JoinStyle::blend) {
            join.noteAsks = joinChoiceFor(*request);
            join.choice = *join.noteAsks;
        } else {
            join.noteEffect = *request;
        }
    }
    const auto hand = state.songJoinChoices.constFind(state.tracks[static_cast<size_t>(index)].url);
    if (hand != state.songJoinChoices.constEnd()) {
        join.choice = *hand;
        join.chosenByHand = true;
    }
    return join;
}

}  // namespace app::prepare
