#pragma once
// Where the joins and the ending sit in a finished edit, taken from the "analysis-map.json"
// the local engine writes beside its MP3. No Qt; a missing, foreign or broken map is simply
// "no map" (an edit made some other way), never an exception.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace app::ui {

struct EditJoinMap {
    std::vector<double> joinSeconds;           // from the edit's start, one per join, in play order
    std::optional<double> endingStartSeconds;  // where the ending effect starts, if any
};

// The positions described by the text of an analysis map: each song's selected span laid end
// to end in play order, except where the map's "joins" give a join's own times (a blend, an
// effect) and its "endingEffect" the last song's ending. nullopt when the text is not the local
// engine's map.
std::optional<EditJoinMap> parseEditJoinMap(std::string_view jsonText);

// The positions for `editFile` from "analysis-map.json" in its folder. nullopt when that file is
// missing, unreadable, not the local engine's, describes another MP3, or is older than the edit
// (an agent's edit written over a folder that still holds an earlier map).
std::optional<EditJoinMap> readEditJoinMap(const std::filesystem::path& editFile);

}  // namespace app::ui
