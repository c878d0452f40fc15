#pragma once
// How one song goes into the next: a plain cut, a beat-matched blend over 4, 8 or 16 of the
// songs' beats, or an effect at the song's end; and how the last song ends while the chosen
// final ending is Off. Its words live with the edit options (app/songs/edit_options.h).

#include <array>

namespace app::songs {

enum class JoinChoice { cut, blend4, blend8, blend16, tapeStop, backspin, scratch, pause, stutter, echoOut };

inline constexpr std::array<JoinChoice, 4> kBlendChoices = {
    JoinChoice::cut, JoinChoice::blend4, JoinChoice::blend8, JoinChoice::blend16};
inline constexpr std::array<JoinChoice, 6> kEffectChoices = {
    JoinChoice::tapeStop, JoinChoice::backspin, JoinChoice::scratch,
    JoinChoice::pause,    JoinChoice::stutter,  JoinChoice::echoOut};
// A pause needs a song after it.
inline constexpr std::array<JoinChoice, 6> kEndingChoices = {
    JoinChoice::cut,     JoinChoice::tapeStop, JoinChoice::backspin,
    JoinChoice::scratch, JoinChoice::stutter,  JoinChoice::echoOut};

// The blend's length in beats; 0 for a cut or an effect.
constexpr int blendBeats(JoinChoice choice) {
    switch (choice) {
        case JoinChoice::blend4:
            return 4;
        case JoinChoice::blend8:
            return 8;
        case JoinChoice::blend16:
            return 16;
        default:
            return 0;
    }
}

constexpr bool isEffect(JoinChoice choice) {
    return choice != JoinChoice::cut && blendBeats(choice) == 0;
}

constexpr bool isEnding(JoinChoice choice) {
    for (const JoinChoice ending : kEndingChoices) {
        if (ending == choice) return true;
    }
    return false;
}

// An effect the last song can end with: an ending but the plain cut.
constexpr bool isEndingEffect(JoinChoice choice) {
    return isEnding(choice) && choice != JoinChoice::cut;
}

}  // namespace app::songs
