#pragma once
// Where the local engine moves each cut before it looks for a zero crossing. Its words live
// with the edit options (app/songs/edit_options.h).

#include <array>

namespace app::songs {

// beat: just before the nearest steady beat; bar: just before the nearest bar line (the
// song's beat where its bars are unclear); off: the zero crossing nearest the typed time.
enum class SnapCutsTo { beat, bar, off };

inline constexpr std::array<SnapCutsTo, 3> kAllSnapCutsTo = {SnapCutsTo::beat, SnapCutsTo::bar,
                                                             SnapCutsTo::off};

}  // namespace app::songs
