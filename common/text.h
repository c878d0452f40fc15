#pragma once
// Small text helpers shared by both programs. The product's comparisons (extensions,
// keywords, note words) are all ASCII; only trimming knows the Unicode spaces.

#include <string>
#include <string_view>

namespace common {

// True for space, tab, line feed, carriage return, vertical tab and form feed.
bool isAsciiWhitespace(char c);

// Removes white space and line breaks at both ends: the ASCII ones and, in UTF-8, U+0085,
// U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F and U+3000.
std::string trim(std::string_view text);

// Lower-cases A-Z; every other byte (including UTF-8 sequences) is kept.
std::string asciiLower(std::string_view text);

// Replaces every occurrence of `from` (non-empty) with `to`, left to right.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace common
