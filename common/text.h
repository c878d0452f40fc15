#pragma once
// Small text helpers shared by both programs. ASCII only: the product's
// comparisons (extensions, keywords, note words) are all ASCII.

#include <string>
#include <string_view>

namespace common {

// True for space, tab, line feed, carriage return, vertical tab and form feed.
bool isAsciiWhitespace(char c);

// Removes white space and line breaks at both ends.
std::string trim(std::string_view text);

// Lower-cases A-Z; every other byte (including UTF-8 sequences) is kept.
std::string asciiLower(std::string_view text);

// Replaces every occurrence of `from` (non-empty) with `to`, left to right.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace common
