#include "common/text.h"

#include <array>

namespace common {
namespace {

// The UTF-8 forms of every non-ASCII white space character: a time pasted from a web page
// or a word processor often ends in a no-break or thin space.
constexpr std::array<std::string_view, 19> kUnicodeSpaces = {
    "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003",
    "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A",
    "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

// Byte length of the white space character that starts (or, with `atEnd`, ends) `text`;
// 0 when there is none.
size_t whiteSpaceLength(std::string_view text, bool atEnd) {
    if (text.empty()) return 0;
    if (isAsciiWhitespace(atEnd ? text.back() : text.front())) return 1;
    const auto matches = [&](std::string_view space) {
        return atEnd ? text.ends_with(space) : text.starts_with(space);
    };
    for (const std::string_view space : kUnicodeSpaces) {
        if (matches(space)) return space.size();
    }
    return 0;
}

}  // namespace

bool isAsciiWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string trim(std::string_view text) {
    while (const size_t length = whiteSpaceLength(text, false)) text.remove_prefix(length);
    while (const size_t length = whiteSpaceLength(text, true)) text.remove_suffix(length);
    return std::string(text);
}

std::string asciiLower(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    size_t position = 0;
    while (true) {
        const size_t found = text.find(from, position);
        if (from.empty() || found == std::string_view::npos) break;
        result.append(text.substr(position, found - position));
        result.append(to);
        position = found + from.size();
    }
    result.append(text.substr(position));
    return result;
}

}  // namespace common
