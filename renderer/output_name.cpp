#include "renderer/output_name.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

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

bool isContinuationByte(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Length in bytes of the well-formed UTF-8 sequence at `offset`, or 1 when the bytes
// there are not one (a stray byte then stands for one scalar of its own).
size_t scalarLength(std::string_view text, size_t offset) {
    const auto lead = static_cast<uint8_t>(text[offset]);
    size_t length = 1;
    uint32_t value = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 1;
    }
    if (offset + length > text.size()) return 1;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<uint8_t>(text[offset + k]);
        if (!isContinuationByte(next)) return 1;
        value = (value << 6) | (next & 0x3F);
    }
    constexpr uint32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = value < kSmallestOfLength[length];
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) return 1;
    return length;
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
    std::string title = collapseSpaces(replaced);
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
