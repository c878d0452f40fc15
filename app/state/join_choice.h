#pragma once
// How one song goes into the next: a plain cut, or a beat-matched blend over 4, 8 or 16 of
// the songs' beats. Its words live with the edit options (app/songs/edit_options.h).

#include <array>

namespace app::songs {

enum class JoinChoice { cut, blend4, blend8, blend16 };

inline constexpr std::array<JoinChoice, 4> kAllJoinChoices = {
    JoinChoice::cut, JoinChoice::blend4, JoinChoice::blend8, JoinChoice::blend16};

// The blend's length in beats; 0 for a cut.
constexpr int blendBeats(JoinChoice choice) {
    switch (choice) {
        case JoinChoice::cut:
            return 0;
        case JoinChoice::blend4:
            return 4;
        case JoinChoice::blend8:
            return 8;
        case JoinChoice::blend16:
            return 16;
    }
    return 0;
}

}  // namespace app::songs
