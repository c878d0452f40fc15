#include "common/text.h"

namespace common {

bool isAsciiWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string trim(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isAsciiWhitespace(text[begin])) ++begin;
    while (end > begin && isAsciiWhitespace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
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
