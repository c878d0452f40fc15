#include "app/prepare/song_join.h"

#include <cmath>

#include "app/prepare/note_portion.h"

namespace app::prepare {
namespace {

using songs::JoinChoice;
using common::JoinStyle;

constexpr double kBeatsPerBar = 4.0;

constexpr std::pair<JoinChoice, JoinStyle> kEffectStyles[] = {
    {JoinChoice::tapeStop, JoinStyle::tapeStop}, {JoinChoice::backspin, JoinStyle::backspin},
    {JoinChoice::scratch, JoinStyle::scratch},   {JoinChoice::pause, JoinStyle::pause},
    {JoinChoice::stutter, JoinStyle::stutter},   {JoinChoice::echoOut, JoinStyle::echoOut},
};

JoinChoice nearestBlend(const common::JoinRequest& request) {
    if (!request.length || request.length->unit == common::LengthUnit::seconds) {
        return JoinChoice::blend8;
    }
    const double beats = request.length->unit == common::LengthUnit::bars
                             ? request.length->count * kBeatsPerBar
                             : request.length->count;
    JoinChoice nearest = JoinChoice::blend4;
    for (const JoinChoice choice : {JoinChoice::blend8, JoinChoice::blend16}) {
        if (std::abs(beats - songs::blendBeats(choice)) <=
            std::abs(beats - songs::blendBeats(nearest))) {
            nearest = choice;
        }
    }
    return nearest;
}

}  // namespace

common::NoteRequests songNoteRequests(const WizardState& state, int index) {
    const int total = static_cast<int>(state.tracks.size());
    if (index < 0 || index >= total) return {};
    const QString& path = state.tracks[static_cast<size_t>(index)].url;
    const QString note =
        customLocalEngineNotePortion(state.songGuidance.value(path).trimmed(), index, total);
    return common::readNoteRequests(note.toStdString());
}

JoinChoice joinChoiceFor(const common::JoinRequest& request) {
    if (request.style == JoinStyle::cut) return JoinChoice::cut;
    if (request.style == JoinStyle::blend) return nearestBlend(request);
    for (const auto& [choice, style] : kEffectStyles) {
        if (style == request.style) return choice;
    }
    return JoinChoice::cut;
}

JoinStyle joinStyleOf(JoinChoice choice) {
    if (choice == JoinChoice::cut) return JoinStyle::cut;
    if (songs::blendBeats(choice) > 0) return JoinStyle::blend;
    for (const auto& [known, style] : kEffectStyles) {
        if (known == choice) return style;
    }
    return JoinStyle::cut;
}

common::JoinRequest joinRequestOf(JoinChoice choice) {
    common::JoinRequest request{joinStyleOf(choice), std::nullopt};
    if (const int beats = songs::blendBeats(choice)) {
        request.length = common::RequestLength{static_cast<double>(beats), common::LengthUnit::beats};
    }
    return request;
}

bool SongJoin::overridesNote() const {
    return chosenByHand && noteAsks && joinChoiceFor(*noteAsks) != choice;
}

std::optional<SongJoin> songJoin(const WizardState& state, int index) {
    const int total = static_cast<int>(state.tracks.size());
    if (index < 0 || index + 1 >= total) return std::nullopt;
    SongJoin join;
    join.noteAsks = songNoteRequests(state, index).join;
    if (join.noteAsks) join.choice = joinChoiceFor(*join.noteAsks);
    const auto hand = state.songJoinChoices.constFind(state.tracks[static_cast<size_t>(index)].url);
    if (hand != state.songJoinChoices.constEnd()) {
        join.choice = *hand;
        join.chosenByHand = true;
    }
    return join;
}

std::optional<SongJoin> songEnding(const WizardState& state) {
    if (state.tracks.empty() || state.finalEndingEffect != common::FinalEndingEffect::none) {
        return std::nullopt;
    }
    SongJoin ending;
    const auto asked = songNoteRequests(state, static_cast<int>(state.tracks.size()) - 1).join;
    if (asked && songs::isEndingEffect(joinChoiceFor(*asked))) {
        ending.noteAsks = asked;
        ending.choice = joinChoiceFor(*asked);
    }
    if (state.endingChoice && songs::isEnding(*state.endingChoice)) {
        ending.choice = *state.endingChoice;
        ending.chosenByHand = true;
    }
    return ending;
}

std::optional<JoinChoice> jobTransition(const WizardState& state, int index) {
    const bool last = index + 1 == static_cast<int>(state.tracks.size());
    const std::optional<SongJoin> join = last ? songEnding(state) : songJoin(state, index);
    if (!join || !join->chosenByHand) return std::nullopt;
    return join->choice;
}

}  // namespace app::prepare
