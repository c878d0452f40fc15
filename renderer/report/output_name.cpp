#include "renderer/report/output_name.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "renderer/base/utf8.h"

namespace renderer {
namespace {

constexpr std::string_view kAllowedCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,&+'-";
constexpr std::string_view kEmptyTitle = "Music Edit";
constexpr std::string_view kSingleSuffix = " - DJ edit.mp3";
constexpr std::string_view kJoinedSuffix = " - continuous DJ edit.mp3";
constexpr std::string_view kJoiner = " into ";
// Every name is ASCII, so characters and bytes are the same count, and this stays
// well inside the usual 255-byte file name limit.
constexpr size_t kMaxNameLength = 180;

// A stray byte that starts no well-formed sequence stands for one scalar of its own.
size_t scalarLength(std::string_view text, size_t offset) {
    return std::max<size_t>(1, utf8SequenceLength(text, offset));
}

std::string collapseSpaces(std::string_view text) {
    std::string result;
    bool pendingSpace = false;
    for (const char c : text) {
        if (c == ' ') {
            pendingSpace = !result.empty();
            continue;
        }
        if (pendingSpace) result += ' ';
        pendingSpace = false;
        result += c;
    }
    return result;
}

// A name that starts with a dot is hidden: file managers do not show it and a search for
// the fresh edit skips it.
std::string withoutLeadingDots(std::string title) {
    const size_t first = title.find_first_not_of(". ");
    return first == std::string::npos ? std::string() : title.substr(first);
}

// The last component of a path, without its extension ("/a/My Song.mp3" -> "My Song").
std::string fileStem(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    return std::filesystem::path(path).stem().string();
}

// Cuts an ASCII title to at most `length` characters without leaving a trailing space.
std::string shortened(std::string title, size_t length) {
    if (title.size() > length) title.resize(length);
    while (!title.empty() && title.back() == ' ') title.pop_back();
    return title;
}

std::string joinedName(std::span<const std::string> titles) {
    std::string name;
    for (const std::string& title : titles) {
        if (!name.empty()) name += kJoiner;
        name += title;
    }
    return name + std::string(kJoinedSuffix);
}

std::string singleSongName(const std::string& title) {
    const size_t room = kMaxNameLength - kSingleSuffix.size();
    return shortened(title, room) + std::string(kSingleSuffix);
}

// First and last title only; when even that is too long, each title gets at least
// half of the room and the shorter one lends the rest to the other.
std::string firstAndLastName(const std::string& first, const std::string& last) {
    const size_t room = kMaxNameLength - kJoiner.size() - kJoinedSuffix.size();
    const size_t firstRoom = std::max(room / 2, room - std::min(room, last.size()));
    const std::string firstTitle = shortened(first, firstRoom);
    const std::string lastTitle = shortened(last, room - firstTitle.size());
    return firstTitle + std::string(kJoiner) + lastTitle + std::string(kJoinedSuffix);
}

}  // namespace

std::string cleanTitle(std::string_view text) {
    std::string replaced;
    replaced.reserve(text.size());
    size_t offset = 0;
    while (offset < text.size()) {
        const size_t length = scalarLength(text, offset);
        const char c = text[offset];
        const bool allowed = length == 1 && kAllowedCharacters.find(c) != std::string_view::npos;
        replaced += allowed ? c : ' ';
        offset += length;
    }
    std::string title = withoutLeadingDots(collapseSpaces(replaced));
    return title.empty() ? std::string(kEmptyTitle) : title;
}

std::string outputName(std::span<const TrackJob> tracks) {
    std::vector<std::string> titles;
    for (const TrackJob& track : tracks) titles.push_back(cleanTitle(fileStem(track.path)));
    if (titles.empty()) return singleSongName(std::string(kEmptyTitle));
    if (titles.size() == 1) return singleSongName(titles.front());

    const std::string name = joinedName(titles);
    if (name.size() <= kMaxNameLength) return name;
    return firstAndLastName(titles.front(), titles.back());
}

}  // namespace renderer
